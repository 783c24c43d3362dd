// Tests of the result pass: which method and which ratings run for each
// combination of descriptor flags that the method tables distinguish (seen
// through a hook that records the steps), the "not implemented" message and
// reset, the view update of BS projects, the single-loudspeaker step, and a
// few projects evaluated end to end.

#include "CalcTestProject.h"

#include "calc/CalcMethodSelection.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Flag = bool CReportInfo::*;
using Steps = std::vector<std::string>;

const Flag kField = &CReportInfo::m_bField;
const Flag kLab = &CReportInfo::m_bLab;
const Flag kAirborne = &CReportInfo::m_bAirborne;
const Flag kImpact = &CReportInfo::m_bImpact;
const Flag kAbsorption = &CReportInfo::m_bAbsorption;
const Flag kImpactAirborne = &CReportInfo::m_bImpactAirborne;
const Flag kImpactCorrected = &CReportInfo::m_bImpactCorrected;
const Flag kReverberation = &CReportInfo::m_bReverberation;
const Flag kTotalLossFactor = &CReportInfo::m_bTotalLossFactor;
const Flag kIso = &CReportInfo::m_bISO;
const Flag kOen = &CReportInfo::m_bOEN;
const Flag kSia = &CReportInfo::m_bSIA;
const Flag kDin = &CReportInfo::m_bDIN;
const Flag kBs = &CReportInfo::m_bBS;
const Flag kSs = &CReportInfo::m_bSS;
const Flag kAstm = &CReportInfo::m_bASTM;
const Flag kElements = &CReportInfo::m_bElements;
const Flag kDoorHall = &CReportInfo::m_bDoorHall;
const Flag kFacade = &CReportInfo::m_bFacade;
const Flag kLoudspeaker = &CReportInfo::m_bLoudspeaker;
const Flag kRoad = &CReportInfo::m_bRoadTraffic;
const Flag kRailway = &CReportInfo::m_bRailwayTraffic;
const Flag kAir = &CReportInfo::m_bAirTraffic;
const Flag kIntensity = &CReportInfo::m_bIntensity;
const Flag kNormal = &CReportInfo::m_bNormal;
const Flag kStandard = &CReportInfo::m_bStandard;
const Flag kReduction = &CReportInfo::m_bReduction;
const Flag kAlphaPw = &CReportInfo::m_bAlpha_PW;
const Flag kImprovement = &CReportInfo::m_bImprovement;
const Flag kLightweight = &CReportInfo::m_bReductionLightweight;
const Flag kSingle = &CReportInfo::m_bSingleLoudspeaker;
const Flag kDifference = &CReportInfo::m_bDifference;
const Flag kAverage = &CReportInfo::m_bAverageLoudspeaker;

const char kSingleStep[] = "TakeSingleLoudspeakerLevel";

// A method and the rating chain that follows it.
Steps A(const char* pszMethod)
{
    return {pszMethod, "RateAirborne", "CalcAdaptationTermsC"};
}

Steps AK(const char* pszMethod)
{
    return {pszMethod, "RateAirborne", "CalcAdaptationTermsC", "CalcVolumeCorrection"};
}

Steps I(const char* pszMethod)
{
    return {pszMethod, "RateImpact", "CalcAdaptationTermCI"};
}

Steps IK(const char* pszMethod)
{
    return {pszMethod, "RateImpact", "CalcAdaptationTermCI", "CalcVolumeCorrection"};
}

Steps Then(Steps first, const Steps& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// Records each step; runs it only when asked.
class CRecordingHook : public CCalcStepHook {
public:
    int RunStep(CCalc& calc, const CCalcStep& step) override
    {
        m_asSteps.push_back(step.m_pszName);
        return m_bRun ? (calc.*step.m_pfnRun)() : kCalcDone;
    }

    Steps m_asSteps;
    bool m_bRun = false;
};

std::string Joined(const Steps& steps)
{
    std::string sJoined;
    for (const std::string& sStep : steps)
        sJoined += sStep + " ";
    return sJoined;
}

struct CSelectionRow {
    const char* m_pszCase;
    std::vector<Flag> m_flags;
    int m_nYear;
    Steps m_steps;
    bool m_bNotImplemented;
    bool m_bViewsUpdated;
};

const CSelectionRow kRows[] = {
    // field airborne, ISO and ÖNORM
    {"ISO single loudspeaker", {kField, kAirborne, kIso, kSingle, kReduction}, 0, A(kSingleStep), false, false},
    {"ISO R' sets", {kField, kAirborne, kIso, kReduction, kAverage}, 0, A("CalcAppSoundReductionSets"), false, false},
    {"ISO DnT sets", {kField, kAirborne, kIso, kStandard, kAverage}, 0, A("CalcAirborneSetsNoAreaTerm"), false, false},
    {"ISO R'", {kField, kAirborne, kIso, kReduction}, 0, A("CalcAppSoundReduction"), false, false},
    {"ÖNORM R'", {kField, kAirborne, kOen, kReduction}, 0, A("CalcAppSoundReduction"), false, false},
    {"ISO Dn", {kField, kAirborne, kIso, kNormal}, 0, A("CalcNormLevelDifference"), false, false},
    {"ISO DnT", {kField, kAirborne, kIso, kStandard}, 0, A("CalcAppSoundReductionVolLimited"), false, false},
    {"ISO facade loudspeaker sets", {kField, kAirborne, kIso, kReduction, kAverage, kFacade, kLoudspeaker}, 0, A("CalcFacadeLoudspeakerSets"), false, false},
    {"ISO facade traffic sets", {kField, kAirborne, kIso, kReduction, kAverage, kFacade, kRoad}, 0, A("CalcFacadeTrafficSets"), false, false},
    {"ISO facade Dn sets", {kField, kAirborne, kIso, kNormal, kAverage, kFacade}, 0, A("CalcLevelDifferenceSets"), false, false},
    {"ISO facade DnT sets", {kField, kAirborne, kIso, kStandard, kAverage, kFacade}, 0, A("CalcAirborneSetsNoAreaTerm"), false, false},
    {"ISO facade element loudspeaker", {kField, kAirborne, kIso, kReduction, kFacade, kLoudspeaker}, 0, A("CalcFacadeElementLoudspeaker"), false, false},
    {"ISO facade element railway", {kField, kAirborne, kIso, kReduction, kFacade, kRailway}, 0, A("CalcFacadeElementTraffic"), false, false},
    {"ISO facade Dn air traffic", {kField, kAirborne, kIso, kNormal, kFacade, kAir}, 0, A("CalcNormLevelDifference"), false, false},
    {"ISO facade DnT road", {kField, kAirborne, kIso, kStandard, kFacade, kRoad}, 0, A("CalcAppSoundReductionVolLimited"), false, false},
    {"ISO facade R' without source", {kField, kAirborne, kIso, kReduction, kFacade}, 0, {}, true, false},
    {"ISO before SIA", {kField, kAirborne, kIso, kSia, kReduction}, 2006, A("CalcAppSoundReduction"), false, false},
    // field airborne, SIA
    {"SIA 2006 not standardised", {kField, kAirborne, kSia, kReduction}, 2006, {}, true, false},
    {"SIA 2006 sets", {kField, kAirborne, kSia, kStandard, kAverage}, 2006, AK("CalcAirborneSetsNoAreaTerm"), false, false},
    {"SIA 2006 DnT", {kField, kAirborne, kSia, kStandard}, 2006, AK("CalcAppSoundReductionVolLimited"), false, false},
    {"SIA 2006 facade loudspeaker", {kField, kAirborne, kSia, kStandard, kFacade, kLoudspeaker}, 2006, AK("CalcAppSoundReductionVolLimited"), false, false},
    {"SIA 2006 facade road", {kField, kAirborne, kSia, kStandard, kFacade, kRoad}, 2006, AK("CalcAppSoundReductionVolLimited"), false, false},
    {"SIA 2006 facade railway", {kField, kAirborne, kSia, kStandard, kFacade, kRailway}, 2006, AK("CalcFacadeCos45"), false, false},
    {"SIA 2013 not standardised", {kField, kAirborne, kSia, kNormal}, 2013, {}, true, false},
    {"SIA 2013 DnT", {kField, kAirborne, kSia, kStandard}, 2013, A("CalcStandLevelDiffVolT0"), false, false},
    {"SIA 2013 facade loudspeaker", {kField, kAirborne, kSia, kStandard, kFacade, kLoudspeaker}, 2013, A("CalcFacadeStandLevelDiffVolT0"), false, false},
    {"SIA 2013 facade road", {kField, kAirborne, kSia, kStandard, kFacade, kRoad}, 2013, {}, true, false},
    // field airborne, BS, DIN, ASTM, SS, none
    {"BS sets", {kField, kAirborne, kBs, kStandard, kAverage}, 0, A("CalcAirborneSetsNoAreaTerm"), false, false},
    {"BS combined", {kField, kAirborne, kBs, kStandard}, 0, A("CalcAirborneCombined"), false, true},
    {"BS before DIN", {kField, kAirborne, kBs, kDin, kStandard, kDoorHall}, 0, A("CalcAirborneCombined"), false, true},
    {"BS R'", {kField, kAirborne, kBs, kReduction}, 0, {}, true, false},
    {"DIN door sets", {kField, kAirborne, kDin, kDoorHall, kAverage}, 0, A("CalcAppSoundReductionSets"), false, false},
    {"DIN door", {kField, kAirborne, kDin, kDoorHall}, 0, A("CalcAppSoundReduction"), false, false},
    {"DIN Dn sets", {kField, kAirborne, kDin, kNormal, kAverage}, 0, A("CalcLevelDifferenceSets"), false, false},
    {"DIN facade angle", {kField, kAirborne, kDin, kReduction, kFacade, kLoudspeaker}, 0, A("CalcFacadeAngle"), false, false},
    {"DIN Dn", {kField, kAirborne, kDin, kNormal}, 0, {}, true, false},
    {"ASTM elements", {kField, kAirborne, kAstm, kElements, kStandard}, 0, {"CalcAstmAirborne", "RateStc"}, false, false},
    {"ASTM NR", {kField, kAirborne, kAstm, kStandard}, 0, {"CalcAstmNoiseReduction", "RateStc"}, false, false},
    {"ASTM NR plain", {kField, kAirborne, kAstm, kDifference}, 0, {"CalcAstmNoiseReduction2", "RateStc"}, false, false},
    {"ASTM reduction", {kField, kAirborne, kAstm, kReduction}, 0, {}, true, false},
    {"SS R'", {kField, kAirborne, kSs, kReduction}, 0, A("CalcAppSoundReductionLimited"), false, false},
    {"SS sets", {kField, kAirborne, kSs, kStandard, kAverage}, 0, A("CalcAirborneSetsNoAreaTerm"), false, false},
    {"SS DnT", {kField, kAirborne, kSs, kStandard}, 0, {}, true, false},
    {"no family", {kField, kAirborne, kReduction}, 0, {}, true, false},
    // field impact
    {"ISO impact single loudspeaker", {kField, kImpact, kIso, kSingle, kNormal}, 0, I(kSingleStep), false, false},
    {"ISO L'n sets", {kField, kImpact, kIso, kNormal, kAverage}, 0, I("CalcImpactLevelSets"), false, false},
    {"ISO L'nT sets", {kField, kImpact, kIso, kStandard, kAverage}, 0, I("CalcStandImpactLevelSets"), false, false},
    {"ÖNORM L'n", {kField, kImpact, kOen, kNormal}, 0, I("CalcImpactLevel"), false, false},
    {"ISO L'nT", {kField, kImpact, kIso, kStandard}, 0, I("CalcStandImpactLevel"), false, false},
    {"ISO impact reduction", {kField, kImpact, kIso, kReduction}, 0, {}, true, false},
    {"SIA 2006 impact sets", {kField, kImpact, kSia, kStandard, kAverage}, 2006, IK("CalcStandImpactLevelSets"), false, false},
    {"SIA 2006 impact", {kField, kImpact, kSia, kNormal}, 2006, IK("CalcStandImpactLevel"), false, false},
    {"SIA 2013 impact", {kField, kImpact, kSia}, 2013, I("CalcStandImpactLevelVolT0"), false, false},
    {"BS impact sets", {kField, kImpact, kBs, kStandard, kAverage}, 0, I("CalcStandImpactLevelSets"), false, false},
    {"BS impact combined", {kField, kImpact, kBs, kStandard}, 0, I("CalcImpactCombined"), false, false},
    {"BS impact normalised", {kField, kImpact, kBs, kNormal}, 0, {}, true, false},
    {"DIN impact", {kField, kImpact, kDin, kNormal}, 0, {}, true, false},
    {"ASTM impact", {kField, kImpact, kAstm, kNormal}, 0, {"CalcAstmImpact", "RateIic"}, false, false},
    {"ASTM impact standardised", {kField, kImpact, kAstm, kStandard}, 0, {"CalcAstmImpact2", "RateIic"}, false, false},
    {"ASTM impact reduction", {kField, kImpact, kAstm, kReduction}, 0, {}, true, false},
    {"SS L'n", {kField, kImpact, kSs, kNormal}, 0, I("CalcImpactLevelLimited"), false, false},
    {"SS L'nT sets", {kField, kImpact, kSs, kStandard, kAverage}, 0, I("CalcStandImpactLevelSets"), false, false},
    {"SS L'nT", {kField, kImpact, kSs, kStandard}, 0, {}, true, false},
    // absorption, intensity, reverberation
    {"absorption 2003", {kLab, kAbsorption, kIso}, 2003, {"CalcAbsorptionAirAtten"}, false, false},
    {"absorption alpha_p,w", {kLab, kAbsorption, kIso, kAlphaPw}, 1985, {"CalcAbsorptionAirAtten"}, false, false},
    {"absorption", {kLab, kAbsorption, kIso}, 1985, {"CalcAbsorption"}, false, false},
    {"intensity reduction", {kField, kAirborne, kIso, kIntensity, kReduction}, 0, A("CalcIntensityReduction"), false, false},
    {"intensity Dn", {kField, kAirborne, kIso, kIntensity, kNormal}, 0, A("CalcIntensityLevelDifference"), false, false},
    {"intensity without quantity", {kField, kAirborne, kIso, kIntensity}, 0, {}, false, false},
    {"reverberation DIN", {kReverberation, kDin}, 0, {"CalcReverbTime"}, false, false},
    {"reverberation ISO", {kReverberation, kIso}, 0, {"CalcReverbTimeMean"}, false, false},
    // combined impact and airborne
    {"impact+airborne ISO lab", {kLab, kImpactAirborne, kIso, kNormal}, 0, I("CalcLabImpactLevel"), false, false},
    {"impact+airborne ISO lab standardised", {kLab, kImpactAirborne, kIso, kStandard}, 0, {}, true, false},
    {"impact+airborne ISO field skips single loudspeaker", {kImpactAirborne, kIso, kSingle, kNormal}, 0, I("CalcImpactLevel"), false, false},
    {"impact+airborne ISO field sets", {kImpactAirborne, kIso, kStandard, kAverage}, 0, I("CalcStandImpactLevelSets"), false, false},
    {"impact+airborne DIN sets", {kImpactAirborne, kDin, kNormal, kAverage}, 0, I("CalcImpactLevelSets"), false, false},
    {"impact+airborne DIN L'nT sets", {kImpactAirborne, kDin, kStandard, kAverage}, 0, I("CalcStandImpactLevelSets"), false, false},
    {"impact+airborne DIN L'n", {kImpactAirborne, kDin, kNormal}, 0, {}, true, false},
    {"impact+airborne DIN lab", {kLab, kImpactAirborne, kDin, kNormal, kAverage}, 0, {}, true, false},
    {"impact+airborne SS", {kImpactAirborne, kSs, kNormal}, 0, {}, true, false},
    // laboratory airborne
    {"lab single loudspeaker", {kLab, kAirborne, kIso, kSingle}, 0, A(kSingleStep), false, false},
    {"lab R sets", {kLab, kAirborne, kIso, kReduction, kAverage}, 0, A("CalcLabSoundReductionSets"), false, false},
    {"lab Dn sets", {kLab, kAirborne, kIso, kNormal, kAverage}, 0, A("CalcLabNormLevelDifferenceSets"), false, false},
    {"lab R", {kLab, kAirborne, kIso, kReduction}, 0, A("CalcLabSoundReduction"), false, false},
    {"lab Dn", {kLab, kAirborne, kIso, kNormal}, 0, A("CalcLabNormLevelDifference"), false, false},
    {"lab lining", {kLab, kAirborne, kIso, kImprovement}, 0, {"CalcAirborneImprovement"}, false, false},
    {"lab standardised", {kLab, kAirborne, kIso, kStandard}, 0, {}, true, false},
    {"lab R and STC", {kLab, kAirborne, kIso, kAstm, kReduction}, 0, Then(A("CalcLabSoundReduction"), {"CalcAstmAirborne", "RateStc"}), false, false},
    {"lab Dn and ASTM", {kLab, kAirborne, kIso, kAstm, kNormal}, 0, A("CalcLabNormLevelDifference"), true, false},
    {"lab ASTM TL", {kLab, kAirborne, kAstm, kReduction}, 0, {"CalcAstmAirborne", "RateStc"}, false, false},
    {"lab DIN R: nothing", {kLab, kAirborne, kDin, kReduction}, 0, {}, false, false},
    // laboratory impact
    {"lab Ln", {kLab, kImpact, kIso, kNormal}, 0, I("CalcLabImpactLevel"), false, false},
    {"lab covering heavy", {kLab, kImpact, kIso, kReduction}, 0, {"CalcImpactReductionRefHeavy", "RateImpactReductionHeavy", "CalcCIDeltaHeavy"}, false, false},
    {"lab covering light", {kLab, kImpact, kIso, kLightweight}, 0, {"CalcImpactReductionRefLight", "RateImpactReductionLight", "CalcCIDeltaLight"}, false, false},
    {"lab impact standardised", {kLab, kImpact, kIso, kStandard}, 0, {}, true, false},
    {"lab Ln and IIC", {kLab, kImpact, kIso, kAstm, kNormal}, 0, Then(I("CalcLabImpactLevel"), {"CalcAstmImpact", "RateIic"}), false, false},
    {"lab covering and ASTM", {kLab, kImpact, kIso, kAstm, kReduction}, 0, {"CalcImpactReductionRefHeavy", "RateImpactReductionHeavy", "CalcCIDeltaHeavy"}, true, false},
    // corrected impact level, loss factor, nothing
    {"corrected impact level", {kLab, kImpactCorrected, kNormal}, 0, I("CalcCorrectedImpactLevel"), false, false},
    {"corrected impact standardised", {kLab, kImpactCorrected, kStandard}, 0, {}, true, false},
    {"total loss factor", {kLab, kTotalLossFactor}, 0, {"CalcTotalLossFactor"}, false, false},
    {"lab without kind", {kLab, kIso}, 0, {}, true, false},
    {"no setting", {kIso, kReduction}, 0, {}, true, false},
};

}  // namespace

TEST(CalcMethodSelection, RunsTheMethodAndRatingsThatTheDescriptorChooses)
{
    for (const CSelectionRow& row : kRows) {
        SCOPED_TRACE(row.m_pszCase);
        CCalcTestProject project;
        for (Flag flag : row.m_flags)
            project.m_ReportInfo.*flag = true;
        project.m_ReportInfo.m_nYear = row.m_nYear;
        CRecordingHook hook;

        EXPECT_EQ(0, CCalcMethodSelection(&hook).CalculateResults(project.m_Calc));

        EXPECT_EQ(Joined(row.m_steps), Joined(hook.m_asSteps));
        EXPECT_EQ(row.m_bNotImplemented ? std::vector<UINT>{IDS_NOT_IMPLEMENTED} : std::vector<UINT>{},
                  project.m_anMessages);
        EXPECT_EQ(row.m_bViewsUpdated ? std::vector<int>{123} : std::vector<int>{},
                  project.m_anHints);
    }
}

TEST(CalcMethodSelection, NotImplementedLeavesTheResultAndTheSetsEmpty)
{
    CCalcTestProject project;
    project.m_ReportInfo.m_bField = true;
    project.m_ReportInfo.m_bAirborne = true;
    project.m_ReportInfo.m_bISO = true;
    project.m_ReportInfo.m_bReduction = true;
    project.m_ReportInfo.m_bFacade = true;
    project.m_CalcSets.Add(project.m_Calc);
    project.m_Calc.m_dRating = 50.0;
    project.m_Calc.m_aSpec[0].InsertData(20, 30.0);

    CCalcMethodSelection().CalculateResults(project.m_Calc);

    EXPECT_EQ(std::vector<UINT>{IDS_NOT_IMPLEMENTED}, project.m_anMessages);
    EXPECT_EQ(kMissingValue, project.m_Calc.m_dRating);
    EXPECT_EQ(0, project.m_Calc.m_aSpec[0].GetNumOfFreq());
    EXPECT_EQ(0, project.m_CalcSets.GetSize());
}

TEST(CalcMethodSelection, LabReductionWithAstmEndsWithStcAndKeepsTheIsoTerms)
{
    CCalcTestProject project;
    CReportInfo& info = project.m_ReportInfo;
    info.m_bLab = info.m_bAirborne = info.m_bISO = info.m_bASTM = info.m_bReduction = true;
    info.m_dVolume = 50.0;
    info.m_dArea = 10.0;
    info.m_dTemperature1 = 20.0;
    project.SetSummaryLevel(122, Offset(PartitionReduction(), 80.0 - 20.0));
    project.SetSummaryLevel(123, BandsFrom(17, {80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80,
                                                80, 80, 80, 80, 80, 80, 80, 80, 80}));
    project.SetSummaryLevel(124, Offset(BandsFrom(17, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                       0, 0, 0, 0, 0, 0, 0}),
                                        0.8));   // S T / (0.16 V) = 1: R = L1 - L2
    CRecordingHook hook;
    hook.m_bRun = true;

    CCalcMethodSelection(&hook).CalculateResults(project.m_Calc);

    EXPECT_EQ("CalcLabSoundReduction RateAirborne CalcAdaptationTermsC CalcAstmAirborne RateStc ",
              Joined(hook.m_asSteps));
    EXPECT_EQ(-2.0, project.m_Calc.m_dC);
    EXPECT_EQ(-6.0, project.m_Calc.m_dCtr);
    EXPECT_FALSE(IsMissingValue(project.m_Calc.m_dRating));
    EXPECT_EQ(32.0, project.m_Calc.m_dDevLimit);   // left by the STC rating
    EXPECT_TRUE(project.m_anMessages.empty());
}

TEST(CalcMethodSelection, EvaluatesReverberationAndAbsorptionProjects)
{
    CCalcTestProject reverb;
    reverb.m_ReportInfo.m_bReverberation = true;
    reverb.SetSummaryLevel(124, BandsFrom(20, {0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.50, 0.52, 0.54,
                                               0.56, 0.58, 0.60, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5}));
    CCalcMethodSelection().CalculateResults(reverb.m_Calc);
    EXPECT_DOUBLE_EQ(0.55, reverb.m_Calc.m_dRating);

    CCalcTestProject absorption;   // edition 2003: with air attenuation, alpha_p,w not asked for
    CReportInfo& info = absorption.m_ReportInfo;
    info.m_bLab = info.m_bAbsorption = info.m_bISO = true;
    info.m_nYear = 2003;
    info.m_dVolume = 200.0;
    info.m_dArea = 10.8;
    info.m_dTemperature1 = info.m_dTemperature2 = 20.0;
    info.m_dHumidity1 = info.m_dHumidity2 = 50.0;
    info.m_dPressure1 = info.m_dPressure2 = 101.325;
    CBandArray emptyRoom;
    CBandArray withSpecimen;
    for (int nBand = 17; nBand <= 37; ++nBand) {
        emptyRoom[nBand] = 5.0;
        withSpecimen[nBand] = 2.5;
    }
    absorption.SetSummaryLevel(126, emptyRoom);
    absorption.SetSummaryLevel(124, withSpecimen);
    CCalcMethodSelection().CalculateResults(absorption.m_Calc);
    EXPECT_DOUBLE_EQ(6.4, absorption.m_Calc.m_aSpec[8].GetSpecLine(30));
    EXPECT_NEAR(0.6, absorption.m_Calc.m_dRating, 1e-9);
}

TEST(CalcMethodSelection, SingleLoudspeakerStepTakesTheSummaryAndCollectsMarks)
{
    CCalcTestProject project;
    project.m_Settings.m_nLowerFreq = 20;
    project.m_Settings.m_nUpperFreq = 23;
    project.SetSummaryLevel(130, BandsFrom(20, {30.0, 31.0, 32.0, 33.0}));
    NBuildData record;
    record.m_Spectrum.InsertSpecLine(21, 31.0, 1, NSpectrum::kBandSuspicious);
    record.m_Spectrum.InsertSpecLine(22, 32.0, 1, 2);
    project.GetMeasurementList(130)->AddTail(record);
    NBuildData later;
    later.m_Spectrum.InsertSpecLine(21, 31.0, 1, 2);   // the later record's mark wins
    later.m_Spectrum.InsertSpecLine(23, 33.0, 1, NSpectrum::kBandSuspicious);
    project.GetMeasurementList(130)->AddTail(later);

    EXPECT_EQ(kCalcDone, project.m_Calc.TakeSingleLoudspeakerLevel());

    EXPECT_EQ(33.0, project.m_Calc.m_aSpec[0].GetSpecLine(23));
    const NSpectrum& marks = project.m_Calc.m_aSpec[4];
    EXPECT_EQ(4, marks.GetNumOfFreq());
    EXPECT_EQ(0, marks.GetMeasStatus(20));
    EXPECT_EQ(2, marks.GetMeasStatus(21));
    EXPECT_EQ(2, marks.GetMeasStatus(22));
    EXPECT_EQ(16, marks.GetMeasStatus(23));
    EXPECT_EQ(0.0, marks.GetSpecLine(22));
}
