// Behaviours of the multiplot set-up's values: filled from the project's own
// display and curves (the application's defaults in the slots without a
// curve), stored into the project and its curves (not their titles), and
// into the application's defaults for all ten slots.

#include "app/MultiplotSetup.h"

#include "model/ProjectDoc.h"
#include "platform/afx/ArchiveBytes.h"

#include <gtest/gtest.h>

namespace {

class MultiplotSetupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_Project.m_ReportInfo.m_bMultiplot = true;
        m_Project.m_ReportInfo.m_sSubTitle = "Graph";
        m_Project.m_ReportInfo.m_sGraphTitle = "Axis";
        m_Project.m_dMultiplotRange = 0.1 + 0.2;
        m_Project.m_dMultiplotMax = 88.25;
        m_Project.m_nMultiplotGraphType = 2;
        m_Project.m_nMultiplotLineType = 3;
        m_Project.m_bMultiplotAutoScale = 2;  // any value but 0 is on
        for (int n = 0; n < kMultiplotCurveCount; ++n) {
            m_Settings.m_aLineColor[n] = 100 + n;
            m_Settings.m_aLineStyle[n] = 200 + n;
            m_Settings.m_aLineSize[n] = 300 + n;
        }
        m_Settings.m_dMultiplotRange = 50.0;
        m_Settings.m_dMultiplotMax = 80.0;
        m_Settings.m_nMultiplotGraphType = 1;
        m_Settings.m_nMultiplotLineType = 2;
        m_Settings.m_sGraphTitle = "Default graph";
        m_Settings.m_sAxisTitle = "Default axis";
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

    Bytes ProjectBytes()
    {
        return StoreBytes([&](CArchive& ar) { m_Project.Serialize(ar); });
    }

    CProjectDoc m_Project;
    CAppSettings m_Settings;
};

TEST_F(MultiplotSetupTest, ShowsTheProjectsOwnValuesAndItsCurvesOverTheDefaults)
{
    CMultiplotSetup setup;
    setup.Fill(m_Project, m_Settings);

    EXPECT_EQ(3, setup.m_aCurves[0].m_nColor);
    EXPECT_STREQ("second", setup.m_aCurves[1].m_sTitle);
    EXPECT_EQ(4, setup.m_aCurves[1].m_nSize);
    EXPECT_EQ(102, setup.m_aCurves[2].m_nColor);
    EXPECT_EQ(309, setup.m_aCurves[9].m_nSize);
    EXPECT_STREQ("#3", setup.m_aCurves[2].m_sTitle);
    EXPECT_EQ(0.1 + 0.2, setup.m_dRange);
    EXPECT_EQ(88.25, setup.m_dMax);
    EXPECT_EQ(2, setup.m_nGraphType);
    EXPECT_EQ(3, setup.m_nLineType);
    EXPECT_STREQ("Graph", setup.m_sGraphTitle);
    EXPECT_STREQ("Axis", setup.m_sAxisTitle);
    EXPECT_EQ(TRUE, setup.m_bAutoScale);
}

TEST_F(MultiplotSetupTest, StoresTheValuesAsFilledWithoutChangingTheProject)
{
    const Bytes before = ProjectBytes();
    CMultiplotSetup setup;
    setup.Fill(m_Project, m_Settings);

    setup.StoreInProject(m_Project);

    EXPECT_EQ(before, ProjectBytes());
    EXPECT_EQ(50.0, m_Settings.m_dMultiplotRange);
    EXPECT_EQ(100, m_Settings.m_aLineColor[0]);
}

TEST_F(MultiplotSetupTest, StoresIntoTheProjectItsFirstTenCurvesAndTheDefaults)
{
    for (int n = 0; n < kMultiplotCurveCount; ++n)
        AddCurve("more", 5);
    CMultiplotSetup setup;
    setup.Fill(m_Project, m_Settings);
    for (CMultiplotCurve& curve : setup.m_aCurves) {
        curve.m_nColor = 7;
        curve.m_sTitle = "renamed";
    }
    setup.m_dMax = 90.0;
    setup.m_sGraphTitle = "New graph";
    setup.m_bAutoScale = FALSE;

    setup.StoreInProject(m_Project);

    EXPECT_EQ(90.0, m_Project.m_dMultiplotMax);
    EXPECT_STREQ("New graph", m_Project.m_ReportInfo.m_sSubTitle);
    EXPECT_FALSE(m_Project.m_bMultiplotAutoScale);
    const CMeasurementList& curves = *m_Project.GetMeasurementList(kMultiplotTableId);
    POSITION pos = curves.GetHeadPosition();
    for (int n = 0; pos != nullptr; ++n) {
        SCOPED_TRACE(n);
        const NBuildData& rec = curves.GetNext(pos);
        EXPECT_EQ(n < kMultiplotCurveCount ? 7 : 5, rec.m_nLineColor);
        EXPECT_STRNE("renamed", rec.m_Spectrum.GetTitle());
    }
    EXPECT_EQ(80.0, m_Settings.m_dMultiplotMax);

    setup.StoreDefaults(m_Settings);

    EXPECT_EQ(90.0, m_Settings.m_dMultiplotMax);
    EXPECT_EQ(0.1 + 0.2, m_Settings.m_dMultiplotRange);
    EXPECT_STREQ("New graph", m_Settings.m_sGraphTitle);
    EXPECT_STREQ("Axis", m_Settings.m_sAxisTitle);
    EXPECT_FALSE(m_Settings.m_bMultiplotAutoScale);
    EXPECT_EQ(7, m_Settings.m_aLineColor[9]);
    EXPECT_EQ(5, m_Settings.m_aLineStyle[9]);
}

} // namespace
