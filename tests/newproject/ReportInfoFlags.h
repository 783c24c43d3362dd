#pragma once
// Every flag of the report-type descriptor with its name, for tests that check
// a descriptor flag by flag, and the check of a whole method's descriptor.

#include <gtest/gtest.h>

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

// The descriptor of a method, field by field: its flags, year, basic element
// and the seven method texts.
inline void ExpectSameMethod(const CReportInfo& expected, const CReportInfo& actual)
{
    SCOPED_TRACE(static_cast<LPCTSTR>(expected.m_sTreeTitle));
    for (const CReportInfoFlag& flag : kReportInfoFlags)
        EXPECT_EQ(expected.*flag.m_pFlag, actual.*flag.m_pFlag) << flag.m_szName;
    EXPECT_EQ(expected.m_nYear, actual.m_nYear);
    EXPECT_EQ(expected.m_nCoincidenceFreq, actual.m_nCoincidenceFreq);
    EXPECT_STREQ(expected.m_sTitle, actual.m_sTitle);
    EXPECT_STREQ(expected.m_sSubTitle, actual.m_sSubTitle);
    EXPECT_STREQ(expected.m_sIndexStr, actual.m_sIndexStr);
    EXPECT_STREQ(expected.m_sSubscript, actual.m_sSubscript);
    EXPECT_STREQ(expected.m_sGraphTitle, actual.m_sGraphTitle);
    EXPECT_STREQ(expected.m_sTreeTitle, actual.m_sTreeTitle);
    EXPECT_STREQ(expected.m_sTemplateFileName, actual.m_sTemplateFileName);
}
