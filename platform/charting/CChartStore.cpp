#include "CChartStore.h"


BOOL CChartStore::HoldsElement(ChartPropertyId id, int nRow, int nCol) const
{
    if (id == ChartPropertyId::GraphData)
        return nRow >= 0 && nRow < GetInt(ChartPropertyId::NumSets) && nCol >= 0
               && nCol < GetInt(ChartPropertyId::NumPoints);
    switch (GetChartPropertyInfo(id).nDims) {
    case 0:
        return TRUE;
    case 1:
        return nCol >= 0 && nCol < kChartIndexLimit;
    default:
        return nRow >= 0 && nRow < kChartIndexLimit && nCol >= 0 && nCol < kChartIndexLimit;
    }
}

// A property without index has one element, whatever indices come along.
CChartStore::CKey CChartStore::KeyOf(ChartPropertyId id, int nRow, int nCol)
{
    const int nDims = GetChartPropertyInfo(id).nDims;
    return {static_cast<int>(id), nDims == 2 ? nRow : 0, nDims >= 1 ? nCol : 0};
}

BOOL CChartStore::SetNumber(ChartPropertyId id, int nRow, int nCol, double dValue)
{
    if (!HoldsElement(id, nRow, nCol))
        return FALSE;
    m_values[KeyOf(id, nRow, nCol)].dNumber = dValue;
    return TRUE;
}

double CChartStore::GetNumber(ChartPropertyId id, int nRow, int nCol) const
{
    if (!HoldsElement(id, nRow, nCol))
        return 0.0;
    auto it = m_values.find(KeyOf(id, nRow, nCol));
    return it == m_values.end() ? 0.0 : it->second.dNumber;
}

BOOL CChartStore::SetText(ChartPropertyId id, int nRow, int nCol, const CString& sText)
{
    if (!HoldsElement(id, nRow, nCol))
        return FALSE;
    m_values[KeyOf(id, nRow, nCol)].sText = sText;
    return TRUE;
}

CString CChartStore::GetText(ChartPropertyId id, int nRow, int nCol) const
{
    if (!HoldsElement(id, nRow, nCol))
        return CString();
    auto it = m_values.find(KeyOf(id, nRow, nCol));
    return it == m_values.end() ? CString() : it->second.sText;
}

int CChartStore::GetInt(ChartPropertyId id, int nRow, int nCol) const
{
    return ChartWholeNumber(GetNumber(id, nRow, nCol));
}

void CChartStore::ResetData()
{
    const int nData = static_cast<int>(ChartPropertyId::GraphData);
    for (auto it = m_values.begin(); it != m_values.end();)
        it = std::get<0>(it->first) == nData ? m_values.erase(it) : std::next(it);
}
