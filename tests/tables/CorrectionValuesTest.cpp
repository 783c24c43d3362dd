// Behaviours of the correction tables' values and legends without windows:
// the impact-and-airborne columns before and from 2014, their remarks, and
// the headings and legend strings of each project kind.

#include "tables/CorrectionTableKind.h"
#include "tables/CorrectionValues.h"

#include "model/ProjectDoc.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {
constexpr int kBand = 20;

void SetSummary(CProjectDoc& project, int nTableId, double dValue)
{
    project.GetMeasurementList(nTableId)->GetHead().m_Spectrum.InsertSpecLine(kBand, dValue, 1, 1);
}
} // namespace

// Lb 30 (125), airborne 60 received (129) and 70 sent (128), impact 50
// (123) and tapping machine 80 (122); corrections S4 -1, S6 -2, S7 -3.
TEST(CorrectionValues, ImpactAirborneColumnsBeforeAndFrom2014)
{
    struct {
        int nYear;
        std::vector<double> aValues;
    } const aRows[] = {
        {2010, {30.0, 60.0, 58.0, 12.0, 50.0, 49.0, 80.0, 46.0, -3.0}},
        {2016, {30.0, 60.0, 58.0, 12.0, 50.0, 49.0, 80.0, 49.0 - (80.0 - 12.0)}},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.nYear);
        CProjectDoc project;
        project.m_ReportInfo.m_bImpactAirborne = true;
        project.m_ReportInfo.m_nYear = row.nYear;
        for (auto [nTableId, dValue] : {std::pair{125, 30.0}, {129, 60.0}, {128, 70.0}, {123, 50.0}, {122, 80.0}})
            SetSummary(project, nTableId, dValue);
        CCalc calc;
        calc.m_aSpec[4].InsertSpecLine(kBand, -1.0, 1, 16);
        calc.m_aSpec[6].InsertSpecLine(kBand, -2.0, 1, 1);
        calc.m_aSpec[7].InsertSpecLine(kBand, -3.0, 1, 2);
        const CCorrectionTableKind kind(project.m_ReportInfo, kViewKindBgnCorrectionTable, false);
        const CCorrectionValues::CRow values = CCorrectionValues(kind, project, calc, false).RowOf(kBand);
        ASSERT_EQ(row.aValues.size(), values.m_aValues.size());
        for (size_t i = 0; i < row.aValues.size(); ++i)
            EXPECT_DOUBLE_EQ(row.aValues[i], values.m_aValues[i]) << "column " << i + 2;
        // The airborne correction marked: the background was too high.
        EXPECT_EQ(CCorrectionValues::kBgnTooHigh, values.m_remark);
        EXPECT_EQ(row.aValues.size(), kind.Headings().size());
    }
}

TEST(CorrectionValues, LaboratoryAirborneRemarkFollowsTheZezurToggle)
{
    CProjectDoc project;
    project.m_ReportInfo.m_bImpactAirborne = true;
    project.m_ReportInfo.m_bLab = true;
    project.m_ReportInfo.m_nYear = 2010;
    CCalc calc;
    calc.m_aSpec[7].InsertSpecLine(kBand, -3.0, 1, 16);
    for (bool bZezur : {false, true}) {
        SCOPED_TRACE(bZezur);
        const CCorrectionTableKind kind(project.m_ReportInfo, kViewKindBgnCorrectionTable, bZezur);
        EXPECT_EQ(bZezur ? CCorrectionValues::kAirborneDin : CCorrectionValues::kAirborneIso,
                  CCorrectionValues(kind, project, calc, false).RowOf(kBand).m_remark);
        EXPECT_EQ(CString(bZezur ? "LE" : "Li"), kind.Headings()[4]);
        EXPECT_EQ(bZezur ? UINT{IDS_LEGEND_LE} : UINT{IDS_LEGEND_LI}, kind.LegendIds()[4]);
    }
}

TEST(CorrectionTableKind, FlankingHeadingsAndLegendsByProjectKind)
{
    struct {
        bool bSmallElements;
        int nYear;
        const char* lpszFirstHeading;
        UINT nFirstLegend;
    } const aRows[] = {
        {true, 2012, "<:F,Arial,16,600>D<:F,Arial,14,600><:S,-1>n,e", IDS_LEGEND_DNE},
        {false, 2012, "<:F,Arial,16,600>R", IDS_LEGEND_R_CORRECTED},
        {false, 2005, "<:F,Arial,16,600>R<:F,Arial,13,600><:S,-1>S", IDS_LEGEND_R_S},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.lpszFirstHeading);
        CReportInfo info;
        info.m_bLab = true;
        info.m_bAirborne = true;
        info.m_bSmallElements = row.bSmallElements;
        info.m_nYear = row.nYear;
        const CCorrectionTableKind kind(info, kViewKindFtmCorrectionTable, false);
        EXPECT_TRUE(kind.IsFlanking());
        EXPECT_EQ(CString(row.lpszFirstHeading), kind.Headings()[0]);
        EXPECT_EQ(row.nFirstLegend, kind.LegendIds()[0]);
    }
    CReportInfo corner;
    corner.m_bCorner = true;
    EXPECT_FALSE(CCorrectionTableKind(corner, kViewKindFtmCorrectionTable, false).IsFlanking());
    EXPECT_TRUE(CCorrectionTableKind(corner, kViewKindFtmCorrectionTable, false).HasOwnBandRange());
}
