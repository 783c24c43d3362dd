#pragma once
// Every flag of the report-type descriptor with its name, for tests that check
// a descriptor flag by flag.

#include "model/ReportInfo.h"

struct CReportInfoFlag
{
    decltype(&CReportInfo::m_bField) m_pFlag;
    const char* m_szName;
};

#define REPORT_INFO_FLAG(name) {&CReportInfo::name, #name}

inline const CReportInfoFlag kReportInfoFlags[] = {
    REPORT_INFO_FLAG(m_bField), REPORT_INFO_FLAG(m_bLab), REPORT_INFO_FLAG(m_bMultiplot),
    REPORT_INFO_FLAG(m_bAirborne), REPORT_INFO_FLAG(m_bImpact), REPORT_INFO_FLAG(m_bAbsorption),
    REPORT_INFO_FLAG(m_bImpactAirborne), REPORT_INFO_FLAG(m_bImpactCorrected),
    REPORT_INFO_FLAG(m_bReverberation), REPORT_INFO_FLAG(m_bTotalLossFactor), REPORT_INFO_FLAG(m_bISO),
    REPORT_INFO_FLAG(m_bSIA), REPORT_INFO_FLAG(m_bOEN), REPORT_INFO_FLAG(m_bDIN), REPORT_INFO_FLAG(m_bBS),
    REPORT_INFO_FLAG(m_bSS), REPORT_INFO_FLAG(m_bNF), REPORT_INFO_FLAG(m_bASTM), REPORT_INFO_FLAG(m_bRoom),
    REPORT_INFO_FLAG(m_bElements), REPORT_INFO_FLAG(m_bSmallElements), REPORT_INFO_FLAG(m_bCeiling),
    REPORT_INFO_FLAG(m_bDoorHall), REPORT_INFO_FLAG(m_bLowFreq), REPORT_INFO_FLAG(m_bBB93),
    REPORT_INFO_FLAG(m_bFacade), REPORT_INFO_FLAG(m_bLoudspeaker), REPORT_INFO_FLAG(m_bRoadTraffic),
    REPORT_INFO_FLAG(m_bRailwayTraffic), REPORT_INFO_FLAG(m_bAirTraffic), REPORT_INFO_FLAG(m_bCloseRange),
    REPORT_INFO_FLAG(m_bFarRange), REPORT_INFO_FLAG(m_bIntensity), REPORT_INFO_FLAG(m_bIntensityModified),
    REPORT_INFO_FLAG(m_bNormal), REPORT_INFO_FLAG(m_bStandard), REPORT_INFO_FLAG(m_bReduction),
    REPORT_INFO_FLAG(m_bApparent), REPORT_INFO_FLAG(m_bAlpha_S), REPORT_INFO_FLAG(m_bAlpha_PW),
    REPORT_INFO_FLAG(m_bImprovement), REPORT_INFO_FLAG(m_bReductionLightweight),
    REPORT_INFO_FLAG(m_bFlankingTransmission), REPORT_INFO_FLAG(m_bSingleLoudspeaker),
    REPORT_INFO_FLAG(m_bDifference), REPORT_INFO_FLAG(m_bCorner), REPORT_INFO_FLAG(m_bAverageLoudspeaker),
};

#undef REPORT_INFO_FLAG

static_assert(sizeof(kReportInfoFlags) / sizeof(kReportInfoFlags[0]) == 47, "the descriptor has 47 flags");
