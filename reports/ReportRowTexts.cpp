#include "ReportRowTexts.h"

#include "results/ResultLines.h"
#include "results/ResultNumbers.h"

#include "res/resource.h"

#include <cmath>

CString CReportRowTexts::ValueHead(const CReportInfo& i)
{
    return "<:F,Arial,13,500>" + i.m_sIndexStr + "<:S,-1>" + i.m_sSubscript;
}

bool CReportRowTexts::ShowsEffectiveArea(const CReportInfo& i)
{
    return !(i.m_bASTM || i.m_bSIA || i.m_bBB93 || i.m_bSS || i.m_bIntensity ||
             (i.m_bDIN && i.m_bLoudspeaker && i.m_bFacade));
}

CRowTexts CReportRowTexts::EffectiveArea(double dArea, char cDecimal)
{
    if (!CResultNumbers::IsPresent(dArea))
        return {};
    return {CResultLines::UsageValueLabel(cDecimal), CResultNumbers::Fixed(dArea, 2, cDecimal), "m\xB2"};
}

CRowTexts CReportRowTexts::UsageRow(const CReportInfo& i, double dValue, bool bVolumeLimited, char cDecimal, CString& sNote)
{
    sNote.Empty();
    if (!i.m_bSS || !CResultNumbers::IsPresent(dValue) || !bVolumeLimited)
        return {};
    const CString sUsage = CResultLines::Text(IDS_RESULT_USAGE_VALUE);
    const CString sValue = CResultNumbers::Fixed(dValue, 1, cDecimal);
    if (i.m_bImpact) {
        sNote = CResultLines::Text(IDS_RESULT_VOLUME_LIMITED_IMPACT);
        return {sUsage + " V:", sValue, "m\xB3"};
    }
    sNote = CResultLines::Text(IDS_RESULT_VOLUME_LIMITED_AIRBORNE);
    return {sUsage + " V/S:", sValue, "m"};
}

double CReportRowTexts::WholeAngle(double dAngle)
{
    return std::trunc(dAngle + 0.5);
}

CString CReportRowTexts::AngleSubscript(double dWholeAngle)
{
    CString sText;
    sText.Format("%2.0f\xB0", dWholeAngle);
    return sText;
}
