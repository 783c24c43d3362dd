// Behaviours of the multiplot set-up's values: filled from the application's
// defaults and the project's curves, and written back to the project, its
// curves (not their titles) and the defaults.

#include "app/MultiplotSetup.h"

#include "model/ProjectDoc.h"

#include <gtest/gtest.h>

namespace {

class MultiplotSetupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_Project.m_ReportInfo.m_bMultiplot = true;
        m_Project.m_ReportInfo.m_sSubTitle = "Graph";
        m_Project.m_ReportInfo.m_sGraphTitle = "Axis";
        for (int n = 0; n < kMultiplotCurveCount; ++n) {
            m_Settings.m_aLineColor[n] = 100 + n;
            m_Settings.m_aLineStyle[n] = 200 + n;
            m_Settings.m_aLineSize[n] = 300 + n;
        }
        m_Settings.m_dMultiplotRange = 50.0;
        m_Settings.m_dMultiplotMax = 80.0;
        m_Settings.m_nMultiplotGraphType = 1;
        m_Settings.m_nMultiplotLineType = 2;
        m_Settings.m_bMultiplotAutoScale = FALSE;
        AddCurve("first", 3);
        AddCurve("second", 4);
    }

    void AddCurve(const char* lpszTitle, int nAttribute)
    {
        NBuildData rec;
        rec.m_Spectrum.SetTitle(lpszTitle);
        rec.m_nLineColor = rec.m_nLineStyle = rec.m_nLineSize = nAttribute;
        m_Project.GetMeasurementList(kMultiplotTableId)->AddTail(rec);
    }

    CProjectDoc m_Project;
    CAppSettings m_Settings;
};

TEST_F(MultiplotSetupTest, TakesTheProjectsCurvesOverTheDefaults)
{
    CMultiplotSetup setup;
    setup.Fill(m_Project, m_Settings);

    EXPECT_EQ(3, setup.m_aCurves[0].m_nColor);
    EXPECT_STREQ("second", setup.m_aCurves[1].m_sTitle);
    EXPECT_EQ(4, setup.m_aCurves[1].m_nSize);
    EXPECT_EQ(102, setup.m_aCurves[2].m_nColor);
    EXPECT_EQ(309, setup.m_aCurves[9].m_nSize);
    EXPECT_STREQ("", setup.m_aCurves[2].m_sTitle);
    EXPECT_EQ(50.0, setup.m_dRange);
    EXPECT_EQ(2, setup.m_nLineType);
    EXPECT_STREQ("Graph", setup.m_sGraphTitle);
    EXPECT_STREQ("Axis", setup.m_sAxisTitle);
    EXPECT_FALSE(setup.m_bAutoScale);
}

TEST_F(MultiplotSetupTest, WritesTheValuesBackToProjectCurvesAndDefaults)
{
    CMultiplotSetup setup;
    setup.Fill(m_Project, m_Settings);
    for (CMultiplotCurve& curve : setup.m_aCurves) {
        curve.m_nColor = 7;
        curve.m_sTitle = "renamed";
    }
    setup.m_dMax = 90.0;
    setup.m_sGraphTitle = "New graph";
    setup.m_bAutoScale = TRUE;

    setup.Apply(m_Project, m_Settings);

    EXPECT_EQ(90.0, m_Project.m_dMultiplotMax);
    EXPECT_EQ(90.0, m_Settings.m_dMultiplotMax);
    EXPECT_STREQ("New graph", m_Project.m_ReportInfo.m_sSubTitle);
    EXPECT_STREQ("New graph", m_Settings.m_sGraphTitle);
    EXPECT_TRUE(m_Project.m_bMultiplotAutoScale);
    const NBuildData& second = m_Project.GetMeasurementList(kMultiplotTableId)->GetTail();
    EXPECT_EQ(7, second.m_nLineColor);
    EXPECT_STREQ("second", second.m_Spectrum.GetTitle());
    EXPECT_EQ(7, m_Settings.m_aLineColor[9]);
}

} // namespace
