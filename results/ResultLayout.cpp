#include "ResultLayout.h"

namespace {

CLabeledField LabeledRow(int nRow, int nLabelCol, int nValueCol, int nUnitCol)
{
    return {{nRow, nLabelCol}, {nRow, nValueCol}, {nRow, nUnitCol}};
}

} // namespace

bool CResultLayout::IsImpactLayout(const CReportInfo& i)
{
    return i.m_bImpact || i.m_bImpactAirborne || (i.m_bBS && i.m_bAirborne && i.m_bStandard && !i.m_bAverageLoudspeaker);
}

CResultLayout::CResultLayout(const CReportInfo& info, int r0) : m_nFirstRow(r0), m_bImpactLayout(IsImpactLayout(info))
{
    m_title = {r0, 0};
    m_subtitle = {r0 + 2, 0};
    m_resultLine = {r0 + 5, 2};
    m_singleNumber = {r0 + 6, 2};
    const int aAdaptCols[3] = {30, 43, 56};
    for (int i = 0; i < 6; ++i)
        m_adaptation[i] = {r0 + 6 + i / 3, aAdaptCols[i % 3]};
    m_note = {r0 + 7, 2};
    m_deviationSum = {r0 + 11, 2};
    m_maxDeviation = {r0 + 12, 2};
    m_usageNote = {r0 + 13, 2};
    m_nHeadingRow = r0 + 15;
    m_nFirstBandRow = r0 + 17;

    const int nFirstGroup = info.m_bBB93 ? 17 : 15;
    int nGroup = nFirstGroup;
    if (!m_bImpactLayout) {
        m_nL1Col = nGroup;
        nGroup += 6;
    }
    m_nL2Col = nGroup;
    m_nTCol = nGroup + 6;
    m_nCorrCol = nGroup + 12;
    m_nDevCol = nGroup + 18;
    m_nNoteCol = nGroup + 24;

    m_footnote = {r0 + 39, 2};
    m_receivingVolume = LabeledRow(r0 + 40, 2, 18, 23);
    m_sourceVolume = LabeledRow(r0 + 41, 2, 18, 23);
    m_area = LabeledRow(r0 + 42, 2, 18, 23);
    m_extra = LabeledRow(r0 + 43, 2, 18, 23);
    m_usage = LabeledRow(r0 + (m_bImpactLayout ? 42 : 43), 2, 18, 23);
    m_astmTemperature = LabeledRow(r0 + 40, 32, 48, 53);
    m_astmHumidity = LabeledRow(r0 + 41, 32, 48, 53);
    m_remarks = {r0 + 45, 0};
    m_reportNo = {r0 + 56, 0};
    m_footer = {r0 + 56, 17};
    m_chartTitle = {r0 + 62, 12};
    m_chart = {r0 + 64, 12};
}

int CResultLayout::GroupCount() const
{
    return m_bImpactLayout ? 5 : 6;
}

int CResultLayout::GroupCol(int nGroup) const
{
    const int nFirst = m_bImpactLayout ? m_nL2Col : m_nL1Col;
    return nFirst + 6 * nGroup;
}
