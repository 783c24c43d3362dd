// Behaviours of CReportInfo: construction with and without default captions,
// copying by value. Its archive and profile forms are tested with the project
// model.

#include "model/ReportInfo.h"
#include "platform/measdata/DateToStr.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

// Every flag, double and text of the descriptor, for the checks that must
// cover them all.
bool CReportInfo::* const kFlags[] = {
    &CReportInfo::m_bField, &CReportInfo::m_bLab, &CReportInfo::m_bMultiplot,
    &CReportInfo::m_bAirborne, &CReportInfo::m_bImpact, &CReportInfo::m_bAbsorption,
    &CReportInfo::m_bImpactAirborne, &CReportInfo::m_bImpactCorrected,
    &CReportInfo::m_bReverberation, &CReportInfo::m_bTotalLossFactor, &CReportInfo::m_bISO,
    &CReportInfo::m_bSIA, &CReportInfo::m_bOEN, &CReportInfo::m_bDIN, &CReportInfo::m_bBS,
    &CReportInfo::m_bSS, &CReportInfo::m_bNF, &CReportInfo::m_bASTM, &CReportInfo::m_bRoom,
    &CReportInfo::m_bElements, &CReportInfo::m_bSmallElements, &CReportInfo::m_bCeiling,
    &CReportInfo::m_bDoorHall, &CReportInfo::m_bLowFreq, &CReportInfo::m_bBB93,
    &CReportInfo::m_bFacade, &CReportInfo::m_bLoudspeaker, &CReportInfo::m_bRoadTraffic,
    &CReportInfo::m_bRailwayTraffic, &CReportInfo::m_bAirTraffic, &CReportInfo::m_bCloseRange,
    &CReportInfo::m_bFarRange, &CReportInfo::m_bIntensity, &CReportInfo::m_bIntensityModified,
    &CReportInfo::m_bNormal, &CReportInfo::m_bStandard, &CReportInfo::m_bReduction,
    &CReportInfo::m_bApparent, &CReportInfo::m_bAlpha_S, &CReportInfo::m_bAlpha_PW,
    &CReportInfo::m_bImprovement, &CReportInfo::m_bReductionLightweight,
    &CReportInfo::m_bFlankingTransmission, &CReportInfo::m_bSingleLoudspeaker,
    &CReportInfo::m_bDifference, &CReportInfo::m_bCorner, &CReportInfo::m_bAverageLoudspeaker,
};

double CReportInfo::* const kDoubles[] = {
    &CReportInfo::m_dVolume, &CReportInfo::m_dArea, &CReportInfo::m_dTemperature1,
    &CReportInfo::m_dTemperature2, &CReportInfo::m_dHumidity1, &CReportInfo::m_dHumidity2,
    &CReportInfo::m_dBB93ReverbTime, &CReportInfo::m_dPressure1, &CReportInfo::m_dPressure2,
    &CReportInfo::m_dAngle, &CReportInfo::m_dMeasurementArea, &CReportInfo::m_dReceivingRoomArea,
};

CString CReportInfo::* const kTexts[] = {
    &CReportInfo::m_sTitle, &CReportInfo::m_sSubTitle, &CReportInfo::m_sIndexStr,
    &CReportInfo::m_sSubscript, &CReportInfo::m_sGraphTitle, &CReportInfo::m_sTreeTitle,
    &CReportInfo::m_sTemplateFileName, &CReportInfo::m_sClient, &CReportInfo::m_sTestDate,
    &CReportInfo::m_sDescriptionLabel, &CReportInfo::m_sDescription, &CReportInfo::m_sObjectLabel,
    &CReportInfo::m_sObject, &CReportInfo::m_sCompany, &CReportInfo::m_sReportNoLabel,
    &CReportInfo::m_sReportNo, &CReportInfo::m_sDate, &CReportInfo::m_sSignature,
    &CReportInfo::m_sSourceRoomVolume, &CReportInfo::m_sRemarksLabel, &CReportInfo::m_sHumidity,
    &CReportInfo::m_sNoiseType, &CReportInfo::m_sMassPerUnit, &CReportInfo::m_sCuringTime,
    &CReportInfo::m_sPageText1, &CReportInfo::m_sPageText2, &CReportInfo::m_sPageText3,
    &CReportInfo::m_sPageText4, &CReportInfo::m_sConditionSend, &CReportInfo::m_sConditionReceive,
    &CReportInfo::m_sTypeSend, &CReportInfo::m_sTypeReceive, &CReportInfo::m_sLocationSend,
    &CReportInfo::m_sLocationReceive, &CReportInfo::m_sPageText5,
};

// The date a descriptor built during the test may carry, around midnight too.
bool IsTodaysDate(const CString& sDate, const CTime& before)
{
    return sDate == DateToStr(before, false) || sDate == DateToStr(CTime::GetCurrentTime(), false);
}

TEST(CReportInfo, CoversFortySevenFlagsTwelveDoublesAndThirtyFiveTexts)
{
    EXPECT_EQ(47u, std::size(kFlags));
    EXPECT_EQ(12u, std::size(kDoubles));
    EXPECT_EQ(35u, std::size(kTexts));
}

TEST(CReportInfo, StartsWithNoFlagMissingNumbersAndTodaysDate)
{
    const CTime before = CTime::GetCurrentTime();
    for (bool bDefaults : {true, false}) {
        SCOPED_TRACE(bDefaults);
        const CReportInfo info(bDefaults);
        for (bool CReportInfo::*pFlag : kFlags)
            EXPECT_FALSE(info.*pFlag);
        for (double CReportInfo::*pDouble : kDoubles)
            EXPECT_EQ(-999.0, info.*pDouble);
        EXPECT_EQ(-999, info.m_nYear);
        EXPECT_EQ(0, info.m_nCoincidenceFreq);
        EXPECT_TRUE(IsTodaysDate(info.m_sDate, before)) << info.m_sDate;
        EXPECT_TRUE(info.m_sTitle.IsEmpty());
        EXPECT_TRUE(info.m_sClient.IsEmpty());
    }
}

TEST(CReportInfo, TakesTheCaptionsFromTheStringTableOnlyWithDefaults)
{
    const CReportInfo withDefaults(true);
    EXPECT_EQ("Description:", withDefaults.m_sDescriptionLabel);
    EXPECT_EQ("Object:", withDefaults.m_sObjectLabel);
    EXPECT_EQ("No. of test report:", withDefaults.m_sReportNoLabel);
    EXPECT_EQ("Remarks:", withDefaults.m_sRemarksLabel);

    const CReportInfo withoutDefaults(false);
    EXPECT_TRUE(withoutDefaults.m_sDescriptionLabel.IsEmpty());
    EXPECT_TRUE(withoutDefaults.m_sObjectLabel.IsEmpty());
    EXPECT_TRUE(withoutDefaults.m_sReportNoLabel.IsEmpty());
    EXPECT_TRUE(withoutDefaults.m_sRemarksLabel.IsEmpty());
}

// A descriptor whose every member differs from a fresh one's.
CReportInfo FilledInfo()
{
    CReportInfo info;
    for (bool CReportInfo::*pFlag : kFlags)
        info.*pFlag = true;
    double dValue = 1.5;
    for (double CReportInfo::*pDouble : kDoubles)
        info.*pDouble = dValue++;
    int nText = 0;
    for (CString CReportInfo::*pText : kTexts)
        (info.*pText).Format("text %d", nText++);
    info.m_nYear = 2006;
    info.m_nCoincidenceFreq = 2;
    return info;
}

void ExpectSameMembers(const CReportInfo& expected, const CReportInfo& actual)
{
    for (bool CReportInfo::*pFlag : kFlags)
        EXPECT_EQ(expected.*pFlag, actual.*pFlag);
    for (double CReportInfo::*pDouble : kDoubles)
        EXPECT_EQ(expected.*pDouble, actual.*pDouble);
    for (CString CReportInfo::*pText : kTexts)
        EXPECT_EQ(expected.*pText, actual.*pText);
    EXPECT_EQ(expected.m_nYear, actual.m_nYear);
    EXPECT_EQ(expected.m_nCoincidenceFreq, actual.m_nCoincidenceFreq);
}

TEST(CReportInfo, CopiesEveryMemberIncludingTheDate)
{
    const CReportInfo source = FilledInfo();
    const CReportInfo copy(source);
    ExpectSameMembers(source, copy);
    EXPECT_EQ("text 16", copy.m_sDate);

    CReportInfo assigned(false);
    assigned = source;
    ExpectSameMembers(source, assigned);
}

TEST(CReportInfo, CopiesAreIndependent)
{
    const CReportInfo source = FilledInfo();
    CReportInfo copy(source);
    copy.m_sTitle = "changed";
    copy.m_bField = false;
    copy.m_dVolume = 99.0;
    EXPECT_EQ("text 0", source.m_sTitle);
    EXPECT_TRUE(source.m_bField);
    EXPECT_EQ(1.5, source.m_dVolume);
}

TEST(CReportInfo, AssigningToItselfChangesNothing)
{
    CReportInfo info = FilledInfo();
    CReportInfo& alias = info;
    info = alias;
    ExpectSameMembers(FilledInfo(), info);
}

TEST(CReportInfo, KnowsItsRunTimeClass)
{
    const CReportInfo info;
    EXPECT_TRUE(info.IsKindOf(RUNTIME_CLASS(CReportInfo)));
    EXPECT_TRUE(info.IsKindOf(RUNTIME_CLASS(CObject)));
}

} // namespace
