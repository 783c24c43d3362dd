#include "CorrectionTableKind.h"

#include "model/ReportInfo.h"
#include "res/resource.h"

CCorrectionTableKind::CCorrectionTableKind(const CReportInfo& info, int nViewKind, bool bCorrectionZezur)
    : m_nViewKind(nViewKind),
      m_bFlanking(nViewKind == kViewKindFtmCorrectionTable && !info.m_bCorner),
      m_bCorner(info.m_bCorner),
      m_bImpactAirborne(info.m_bImpactAirborne),
      m_bFrom2014(info.m_nYear >= 2014),
      m_bLab(info.m_bLab),
      m_bZezur(bCorrectionZezur),
      m_bSmallElements(info.m_bSmallElements),
      m_bFrom2010(info.m_nYear >= 2010)
{
}

std::vector<CString> CCorrectionTableKind::Headings() const
{
    return m_bFlanking ? FlankingHeadings() : BgnHeadings();
}

std::vector<CString> CCorrectionTableKind::BgnHeadings() const
{
    if (!m_bImpactAirborne)
        return {"L2", "L2sb", "Lb", "L2-L2sb"};
    if (m_bFrom2014)
        return {"Lb", "LR,spk", "LRk,spk", "LD,spk", "LR,tm", "LRk,tm", "LS,tm", "Diff"};
    const bool bLabNames = m_bLab && !m_bZezur;
    CString sCorr;
    sCorr.LoadString(IDS_TABLE_CORRECTION);
    return {"Lb", "L2", "L2k", "D", bLabNames ? "Li" : "LE", bLabNames ? "Lik" : "LEk", bLabNames ? "LTS" : "LHW", "L", sCorr};
}

std::vector<CString> CCorrectionTableKind::FlankingHeadings() const
{
    const CString sBig = "<:F,Arial,16,600>";
    if (m_bSmallElements) {
        const CString sDne = sBig + "D<:F,Arial,14,600><:S,-1>n,e";
        return {sDne, sDne + ",M", sDne + ",F", sDne + "<:S,0>" + sBig + "-D<:F,Arial,14,600><:S,-1>n,e,M"};
    }
    const CString sSmall = "<:F,Arial,13,600><:S,-1>";
    if (m_bFrom2010)
        return {sBig + "R", sBig + "R'" + sSmall + "M", sBig + "R'" + sSmall + "F", sBig + "R-R'" + sSmall + "M"};
    return {sBig + "R" + sSmall + "S", sBig + "R'" + sSmall + "S", sBig + "R'" + sSmall + "T",
            sBig + "R" + sSmall + "S<:S,0>" + sBig + "-R'" + sSmall + "S"};
}

std::vector<UINT> CCorrectionTableKind::LegendIds() const
{
    if (m_bFlanking) {
        if (m_bSmallElements)
            return {IDS_LEGEND_DNE, IDS_LEGEND_DNE_M, IDS_LEGEND_DNE_F, IDS_LEGEND_DNE_DIFF};
        if (m_bFrom2010)
            return {IDS_LEGEND_R_CORRECTED, IDS_LEGEND_R_M, IDS_LEGEND_R_F};
        return {IDS_LEGEND_R_S, IDS_LEGEND_R_APPARENT_S, IDS_LEGEND_R_APPARENT_T};
    }
    if (!m_bImpactAirborne)
        return {IDS_LEGEND_LB, IDS_LEGEND_L2SB, IDS_LEGEND_L2};
    if (m_bFrom2014)
        return {IDS_LEGEND_LB, IDS_LEGEND_LR_SPK, IDS_LEGEND_LRK_SPK, IDS_LEGEND_LD_SPK, IDS_LEGEND_LR_TM,
                IDS_LEGEND_LRK_TM, IDS_LEGEND_LS_TM, IDS_LEGEND_DIFF_2014};
    const bool bLabNames = m_bLab && !m_bZezur;
    const UINT nImpact = bLabNames ? IDS_LEGEND_LI : IDS_LEGEND_LE;
    const UINT nImpactCorrected = bLabNames ? IDS_LEGEND_LIK : IDS_LEGEND_LEK;
    const UINT nTappingMachine = bLabNames ? IDS_LEGEND_LTS : IDS_LEGEND_LHW;
    return {IDS_LEGEND_LB, IDS_LEGEND_L2_AIRBORNE, IDS_LEGEND_L2K, IDS_LEGEND_D, nImpact, nImpactCorrected,
            nTappingMachine, IDS_LEGEND_L_IMPACT, IDS_LEGEND_CORR_AIRBORNE};
}
