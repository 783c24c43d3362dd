// Tests of the absorption methods in a reverberation room and of the air
// attenuation: the worked example, equal conditions in both methods, the
// refusals of room and climate data, missing and unusable bands, and the
// practical coefficient's rounding to 0.05.

#include "CalcTestProject.h"

#include "calc/PracticalAbsorption.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const int kTableReverb = 124;
const int kTableRefReverb = 126;

CBandArray ConstantTimes(double dTime)
{
    CBandArray times;
    for (int nBand = 17; nBand <= 37; ++nBand)
        times[nBand] = dTime;
    return times;
}

// V 200 m³, S 10.8 m², T1 5.0 s without and T2 2.5 s with the specimen, both
// rooms at 20 °C, 50 % and 101.325 kPa.
void SetUpReverbRoom(CCalcTestProject& project)
{
    CReportInfo& info = project.m_ReportInfo;
    info.m_dVolume = 200.0;
    info.m_dArea = 10.8;
    info.m_dTemperature1 = info.m_dTemperature2 = 20.0;
    info.m_dHumidity1 = info.m_dHumidity2 = 50.0;
    info.m_dPressure1 = info.m_dPressure2 = 101.325;
    project.SetSummaryLevel(kTableRefReverb, ConstantTimes(5.0));
    project.SetSummaryLevel(kTableReverb, ConstantTimes(2.5));
}

}  // namespace

TEST(CalcAbsorption, AirAttenuationMatchesTheStandardsTable)
{
    const double dDecibelPerNeper = 10.0 * std::log10(std::exp(1.0));
    // 4.66 dB/km at 1000 Hz, 20 °C, 50 %, 101.325 kPa
    EXPECT_NEAR(4.66, CCalc::CalcAirAttenuation(30, 20.0, 50.0, 101.325) * dDecibelPerNeper * 1000.0,
                0.005);
    EXPECT_NEAR(2.2692e-3, CCalc::CalcAirAttenuation(33, 20.0, 50.0, 101.325), 0.0005e-3);
    EXPECT_NEAR(6.774e-3, CCalc::CalcAirAttenuation(36, 20.0, 50.0, 101.325), 0.005e-3);
    EXPECT_LT(CCalc::CalcAirAttenuation(36, 20.0, 80.0, 101.325),
              CCalc::CalcAirAttenuation(36, 20.0, 20.0, 101.325));
}

TEST(CalcAbsorption, WorkedExampleGivesAreaAndCoefficients)
{
    CCalcTestProject project;
    SetUpReverbRoom(project);
    CCalc& calc = project.m_Calc;

    EXPECT_EQ(kCalcDone, calc.CalcAbsorption());

    for (int nBand = 17; nBand <= 37; ++nBand) {
        SCOPED_TRACE(testing::Message() << "band " << nBand);
        EXPECT_DOUBLE_EQ(6.4, calc.m_aSpec[8].GetSpecLine(nBand));   // 6.449 m²
        EXPECT_DOUBLE_EQ(0.60, calc.m_aSpec[0].GetSpecLine(nBand));
        EXPECT_DOUBLE_EQ(0.60, calc.m_aSpec[9].GetSpecLine(nBand));
    }
    EXPECT_NEAR(0.6, calc.m_dRating, 1e-9);
}

TEST(CalcAbsorption, EqualRoomConditionsCancelTheAirAttenuation)
{
    CCalcTestProject plain;
    CCalcTestProject withAir;
    SetUpReverbRoom(plain);
    SetUpReverbRoom(withAir);
    withAir.SetSummaryLevel(kTableReverb, BandsFrom(17, {2.1, 2.2, 2.3, 2.4, 2.5, 2.6, 2.7, 2.8,
                                                         2.9, 3.0, 2.9, 2.8, 2.7, 2.6, 2.5, 2.4,
                                                         2.3, 2.2, 2.1, 2.0, 1.9}));
    plain.SetSummaryLevel(kTableReverb, BandsFrom(17, {2.1, 2.2, 2.3, 2.4, 2.5, 2.6, 2.7, 2.8,
                                                       2.9, 3.0, 2.9, 2.8, 2.7, 2.6, 2.5, 2.4,
                                                       2.3, 2.2, 2.1, 2.0, 1.9}));

    EXPECT_EQ(kCalcDone, plain.m_Calc.CalcAbsorption());
    EXPECT_EQ(kCalcDone, withAir.m_Calc.CalcAbsorptionAirAtten());

    for (int nSpectrum : {0, 8, 9}) {
        SCOPED_TRACE(testing::Message() << "spectrum " << nSpectrum);
        EXPECT_TRUE(plain.m_Calc.m_aSpec[nSpectrum] == withAir.m_Calc.m_aSpec[nSpectrum]);
    }
    EXPECT_EQ(plain.m_Calc.m_dRating, withAir.m_Calc.m_dRating);
}

TEST(CalcAbsorption, DrierRoomWithTheSpecimenLowersTheArea)
{
    CCalcTestProject project;
    SetUpReverbRoom(project);
    project.m_ReportInfo.m_dHumidity2 = 30.0;   // more air absorption at 4000 Hz

    EXPECT_EQ(kCalcDone, project.m_Calc.CalcAbsorptionAirAtten());

    // 4 V (m2 - m1) comes off the area
    const double dAirTerm = 4.0 * 200.0
                            * (CCalc::CalcAirAttenuation(36, 20.0, 30.0, 101.325)
                               - CCalc::CalcAirAttenuation(36, 20.0, 50.0, 101.325));
    EXPECT_GT(dAirTerm, 0.5);
    EXPECT_NEAR(RoundValue(6.449 - dAirTerm, 1), project.m_Calc.m_aSpec[8].GetSpecLine(36), 0.1);
    EXPECT_DOUBLE_EQ(6.4, project.m_Calc.m_aSpec[8].GetSpecLine(20));
}

TEST(CalcAbsorption, RefusesMissingRoomAndClimateData)
{
    struct CRow {
        const char* m_pszCase;
        int (CCalc::*m_pfnMethod)();
        double CReportInfo::* m_pValue;
        double m_dValue;
        int m_nStatus;
    };
    const CRow aRows[] = {
        {"no volume", &CCalc::CalcAbsorption, &CReportInfo::m_dVolume, 0.0, kCalcVolumeMissing},
        {"no area", &CCalc::CalcAbsorption, &CReportInfo::m_dArea, 0.0009, kCalcAreaMissing},
        {"room at 0 °C", &CCalc::CalcAbsorption, &CReportInfo::m_dTemperature1, 0.0,
         kCalcClimateMissing},
        {"second temperature unused", &CCalc::CalcAbsorption, &CReportInfo::m_dTemperature2,
         kMissingValue, kCalcDone},
        {"air: no volume", &CCalc::CalcAbsorptionAirAtten, &CReportInfo::m_dVolume, kMissingValue,
         kCalcVolumeMissing},
        {"air: no area", &CCalc::CalcAbsorptionAirAtten, &CReportInfo::m_dArea, -1.0,
         kCalcAreaMissing},
        {"air: second temperature", &CCalc::CalcAbsorptionAirAtten, &CReportInfo::m_dTemperature2,
         0.0, kCalcClimateMissing},
        {"air: first humidity", &CCalc::CalcAbsorptionAirAtten, &CReportInfo::m_dHumidity1,
         kMissingValue, kCalcClimateMissing},
        {"air: second humidity", &CCalc::CalcAbsorptionAirAtten, &CReportInfo::m_dHumidity2, 0.0,
         kCalcClimateMissing},
        {"air: first pressure", &CCalc::CalcAbsorptionAirAtten, &CReportInfo::m_dPressure1,
         kMissingValue, kCalcClimateMissing},
        {"air: second pressure", &CCalc::CalcAbsorptionAirAtten, &CReportInfo::m_dPressure2,
         std::nan(""), kCalcClimateMissing},
    };
    for (const CRow& row : aRows) {
        SCOPED_TRACE(row.m_pszCase);
        CCalcTestProject project;
        SetUpReverbRoom(project);
        project.m_ReportInfo.*row.m_pValue = row.m_dValue;
        project.m_Calc.m_dRating = 1.0;
        project.m_Calc.m_aSpec[8].InsertData(5, 1.0);

        EXPECT_EQ(row.m_nStatus, (project.m_Calc.*row.m_pfnMethod)());
        const bool bRefused = row.m_nStatus != kCalcDone;
        EXPECT_EQ(bRefused, IsMissingValue(project.m_Calc.m_dRating));
        EXPECT_EQ(bRefused ? 0 : 21, project.m_Calc.m_aSpec[8].GetNumOfFreq());
    }
}

TEST(CalcAbsorption, MissingOrUnusableTimesLeaveTheirBandsMissing)
{
    struct CRow {
        const char* m_pszCase;
        int m_nTable;
        int m_nBand;
        double m_dTime;
        int m_nStatus;
        int m_nMissingOctaveBand;   // a band of the octave of spectrum 9 that is missing
    };
    const CRow aRows[] = {
        {"80 Hz missing", kTableReverb, 19, kMissingValue, kCalcDone, 18},
        {"100 Hz missing", kTableRefReverb, 20, kMissingValue, kCalcBandMissing, -1},
        {"5000 Hz missing", kTableReverb, 37, kMissingValue, kCalcBandMissing, -1},
        {"T1 of 0 s at 1000 Hz", kTableRefReverb, 30, 0.0, kCalcBandMissing, -1},
        {"T2 of 0.5 ms at 1000 Hz", kTableReverb, 30, 0.0005, kCalcBandMissing, -1},
        {"T2 negative at 1000 Hz", kTableReverb, 30, -2.5, kCalcBandMissing, -1},
    };
    for (const CRow& row : aRows) {
        SCOPED_TRACE(row.m_pszCase);
        CCalcTestProject project;
        SetUpReverbRoom(project);
        CBandArray times = BandsOf(project.m_Calc.SummaryLevel(row.m_nTable));
        times[row.m_nBand] = row.m_dTime;
        project.SetSummaryLevel(row.m_nTable, times);
        CCalc& calc = project.m_Calc;
        calc.m_aSpec[3].InsertData(30, 1.0);

        EXPECT_EQ(row.m_nStatus, calc.CalcAbsorption());

        EXPECT_EQ(kMissingValue, calc.m_aSpec[0].GetSpecLine(row.m_nBand));
        EXPECT_EQ(kMissingValue, calc.m_aSpec[8].GetSpecLine(row.m_nBand));
        if (row.m_nStatus == kCalcDone) {
            EXPECT_EQ(kMissingValue, calc.m_aSpec[9].GetSpecLine(row.m_nMissingOctaveBand));
            EXPECT_DOUBLE_EQ(0.60, calc.m_aSpec[9].GetSpecLine(21));
        } else {
            EXPECT_EQ(kMissingValue, calc.m_dRating);
            EXPECT_EQ(kMissingValue, calc.m_dDevSum);
            EXPECT_EQ(kMissingValue, calc.m_dMaxDev);
            EXPECT_EQ(0, calc.m_aSpec[3].GetNumOfFreq());
        }
    }
}

TEST(CalcAbsorption, PracticalCoefficientRoundsToMultiplesOf005)
{
    struct CRow {
        double m_dMean;
        double m_dPractical;
    };
    const CRow aRows[] = {
        {0.62, 0.60}, {0.624, 0.60}, {0.625, 0.65}, {0.63, 0.65}, {0.0, 0.0}, {1.0, 1.0},
        {1.02, 1.0},  {1.04, 1.0},   {-0.12, -0.10}, {-0.13, -0.15},
    };
    for (const CRow& row : aRows) {
        SCOPED_TRACE(testing::Message() << "mean " << row.m_dMean);
        EXPECT_NEAR(row.m_dPractical, PracticalAbsorptionCoefficient(row.m_dMean), 1e-12);
    }
}
