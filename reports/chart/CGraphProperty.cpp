#include "CGraphProperty.h"

#include "CGraphProps.h"


void CGraphProperty::Bind(CGraphProps* pOwner, int nDims, ChartGetter pfnGetter, ChartSetter pfnSetter)
{
    m_pOwner = pOwner;
    m_nDims = nDims;
    m_pfnGetter = pfnGetter;
    m_pfnSetter = pfnSetter;
}

CGraphProperty CGraphProperty::At(int nIndex)
{
    m_nSecondIndex = nIndex & 0xFFFF;
    return *this;
}

CGraphProperty CGraphProperty::AtRow(int nIndex)
{
    m_nFirstIndex = nIndex & 0xFFFF;
    return *this;
}

// The row counts only for a property with two indices, the column for one
// with an index.
int CGraphProperty::Row() const
{
    return m_nDims == 2 ? m_nFirstIndex : 0;
}

int CGraphProperty::Col() const
{
    return m_nDims >= 1 ? m_nSecondIndex : 0;
}

void CGraphProperty::Set(const CChartValue& value) const
{
    if (m_pfnSetter && m_pOwner)
        m_pfnSetter(m_pOwner->GetHandle(), Row(), Col(), value);
}

CChartValue CGraphProperty::Get() const
{
    if (!m_pfnGetter || !m_pOwner)
        return CChartValue();
    return m_pfnGetter(m_pOwner->GetHandle(), Row(), Col());
}

int CGraphProperty::SetInt(int nValue)
{
    SetDouble(nValue);
    return nValue;
}

int CGraphProperty::GetInt() const
{
    return ChartWholeNumber(Get().dNumber);
}

double CGraphProperty::SetDouble(double dValue)
{
    CChartValue value;
    value.dNumber = dValue;
    Set(value);
    return dValue;
}

double CGraphProperty::GetDouble() const
{
    return Get().dNumber;
}

CString CGraphProperty::SetString(const CString& sValue)
{
    CChartValue value;
    value.sText = sValue;
    value.bIsText = true;
    Set(value);
    return sValue;
}

CString CGraphProperty::SetStringPtr(LPCSTR lpszValue)
{
    return SetString(lpszValue ? lpszValue : "");
}

CString CGraphProperty::GetString() const
{
    return Get().sText;
}
