// Behaviours of the sound intensity methods: the area terms, the Waterhouse
// term of the modified procedure in spectrum 4, negative results left out,
// spectrum 2 from tables 129 and 123, and the failure returns.

#include "calc/Calc.h"

#include "MethodTestData.h"

namespace {

using CMethod = int (CCalc::*)();

// Lp1 80.0/46.5/80.0 dB, LI 40 dB, table 129 45 dB; S 10 m², Sm 12 m².
void SetUpIntensityProject(CCalcTestProject& project)
{
    SetUpFieldProject(project);
    project.SetSummaryLevel(122, TestBands({80.0, 46.5, 80.0}));
    project.SetSummaryLevel(123, TestBands({40.0, 40.0, 40.0}));
    project.SetSummaryLevel(129, TestBands({45.0, 45.0, 45.0}));
    project.m_ReportInfo.m_dMeasurementArea = 12.0;
    project.m_ReportInfo.m_dReceivingRoomArea = 80.0;
}

}  // namespace

TEST(CalcIntensity, ComputesTheIntensityQuantities)
{
    const double kNone = kMissingValue;
    const struct {
        const char* sName;
        CMethod pfnMethod;
        double dMeasurementArea;
        bool bModified;
        CBandArray result;
        CBandArray waterhouse;
    } cases[] = {
        // 80 - 40 - 6 + Round(10 lg(10 / 12), 1); 46.5 dB gives -0.3 dB: left out
        {"reduction index", &CCalc::CalcIntensityReduction, 12.0, false,
         TestBands({33.2, kNone, 33.2}), CBandArray()},
        {"reduction index, modified", &CCalc::CalcIntensityReduction, 12.0, true,
         TestBands({35.5, 1.6, 34.8}), TestBands({2.3, 1.9, 1.6})},
        {"level difference, Sm 10 m²", &CCalc::CalcIntensityLevelDifference, 10.0, false,
         TestBands({34.0, 0.5, 34.0}), CBandArray()},
        {"level difference, Sm 20 m²", &CCalc::CalcIntensityLevelDifference, 20.0, false,
         TestBands({31.0, kNone, 31.0}), CBandArray()},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        SetUpIntensityProject(project);
        project.m_ReportInfo.m_dMeasurementArea = row.dMeasurementArea;
        project.m_ReportInfo.m_bIntensityModified = row.bModified;
        CCalc& calc = project.m_Calc;
        EXPECT_EQ(kCalcDone, (calc.*row.pfnMethod)());
        ExpectTestBands(calc.m_aSpec[0], row.result);
        ExpectTestBands(calc.m_aSpec[4], row.waterhouse);
        ExpectTestBands(calc.m_aSpec[2], TestBands({5.0, 5.0, 5.0}));
    }
}

TEST(CalcIntensity, RefusesMissingAreasAndRoomAfterAReset)
{
    const struct {
        const char* sName;
        CMethod pfnMethod;
        double dArea;
        double dMeasurementArea;
        double dVolume;
        double dRoomArea;
        int nExpected;
    } cases[] = {
        {"R without S", &CCalc::CalcIntensityReduction, 0.0, 12.0, 50.0, 80.0, 2},
        {"R without Sm", &CCalc::CalcIntensityReduction, 10.0, kMissingValue, 50.0, 80.0, 2},
        {"R without V", &CCalc::CalcIntensityReduction, 10.0, 12.0, 0.0, 80.0, 1},
        {"R without Sb", &CCalc::CalcIntensityReduction, 10.0, 12.0, 50.0, kNotANumber, 2},
        {"Dn without Sm", &CCalc::CalcIntensityLevelDifference, 10.0, kMissingValue, 50.0, 80.0,
         1},
        {"Dn without V", &CCalc::CalcIntensityLevelDifference, 0.0, 12.0, 0.0, 80.0, 1},
        {"Dn without Sb", &CCalc::CalcIntensityLevelDifference, 0.0, 12.0, 50.0, 0.0, 2},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        SetUpIntensityProject(project);
        project.m_ReportInfo.m_bIntensityModified = true;
        project.m_ReportInfo.m_dArea = row.dArea;
        project.m_ReportInfo.m_dMeasurementArea = row.dMeasurementArea;
        project.m_ReportInfo.m_dVolume = row.dVolume;
        project.m_ReportInfo.m_dReceivingRoomArea = row.dRoomArea;
        CCalc& calc = project.m_Calc;
        calc.m_aSpec[0].InsertData(20, 1.0);
        EXPECT_EQ(row.nExpected, (calc.*row.pfnMethod)());
        EXPECT_EQ(0, calc.m_aSpec[0].GetNumOfFreq());
    }
}
