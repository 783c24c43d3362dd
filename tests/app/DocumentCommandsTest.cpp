// Behaviours of the project document's commands: the swap of the room
// tables with their leaves, and the rules of the swap, the tree's commands
// and the flanking correction.

#include "app/DocumentCommands.h"

#include "model/ProjectTestSupport.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

class DocumentCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_Project.m_ReportInfo = KindWith({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
        m_Project.AddMeasurement(MakeRecord(0, 0, "S1"), FALSE);
        m_Project.AddMeasurement(MakeRecord(0, 1, "R1"), FALSE);
        m_Project.AddMeasurement(MakeRecord(0, 1, "R2"), FALSE);
        m_Project.SetTreeSink(&m_Views);
        m_Project.SetViewSink(&m_Views);
        m_Host.m_aEvents.clear();
    }

    CRecordingHost m_Host;
    CRecordingViews m_Views{m_Host.m_aEvents};
    CProjectDoc m_Project;
};

TEST_F(DocumentCommandsTest, SwapsTheRoomTablesWithTheirSummaryRecordsAndLeaves)
{
    SwapSourceAndReceivingTables(m_Project, &m_Views);

    EXPECT_EQ((std::vector<std::string>{"Average", "R1", "R2"}), TitlesOf(*m_Project.GetMeasurementList(122)));
    EXPECT_EQ((std::vector<std::string>{"Average", "S1"}), TitlesOf(*m_Project.GetMeasurementList(123)));
    const std::vector<std::string> aExpected = {
        "remove 122", "remove 122", "remove 123", "remove 123", "remove 123",
        "add 122 Average", "add 122 R1", "add 122 R2", "add 123 Average", "add 123 S1"};
    const std::vector<std::string> aTreeEvents(m_Host.m_aEvents.begin(), m_Host.m_aEvents.begin() + aExpected.size());
    EXPECT_EQ(aExpected, aTreeEvents);
    EXPECT_NE(m_Host.m_aEvents.end(), std::find(m_Host.m_aEvents.begin(), m_Host.m_aEvents.end(), "update 0"));
}

TEST_F(DocumentCommandsTest, SwapsWithoutATree)
{
    SwapSourceAndReceivingTables(m_Project, nullptr);

    EXPECT_EQ(3, m_Project.GetMeasurementList(122)->GetCount());
}

struct CSwapCase {
    const char* m_lpszKind;
    std::vector<bool CReportInfo::*> m_aFlags;
    bool m_bOffered;
};

const CSwapCase kSwapCases[] = {
    {"field airborne", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne}, true},
    {"lab airborne", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne}, true},
    {"intensity", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bIntensity}, true},
    {"field impact", {&CReportInfo::m_bField, &CReportInfo::m_bImpact}, false},
    {"impact and airborne", {&CReportInfo::m_bField, &CReportInfo::m_bImpactAirborne}, false},
    {"absorption", {&CReportInfo::m_bLab, &CReportInfo::m_bAbsorption}, false},
    {"multiplot", {&CReportInfo::m_bMultiplot}, false},
    {"single loudspeaker, without room tables", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bSingleLoudspeaker}, false},
    {"lab improvement, without room tables", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bImprovement}, false},
};

TEST(DocumentCommands, OffersTheSwapOnlyToProjectsWithBothRoomTables)
{
    for (const CSwapCase& c : kSwapCases) {
        SCOPED_TRACE(c.m_lpszKind);
        EXPECT_EQ(c.m_bOffered, IsSwapTableOffered(KindWith(c.m_aFlags)));
    }
}

TEST(DocumentCommands, ActivatesTheFlankingCorrectionForLabAirborneWallsOnly)
{
    const CReportInfo wall = KindWith({&CReportInfo::m_bLab, &CReportInfo::m_bAirborne});
    const CReportInfo ceiling = KindWith({&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bCeiling});
    const CReportInfo field = KindWith({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});

    EXPECT_TRUE(IsFlankingCorrectionActive(wall, true));
    EXPECT_FALSE(IsFlankingCorrectionActive(wall, false));
    EXPECT_FALSE(IsFlankingCorrectionActive(ceiling, true));
    EXPECT_FALSE(IsFlankingCorrectionActive(field, true));
}

TEST(DocumentCommands, HandsTheTreeOnlyItsFiveCommands)
{
    for (UINT nID : {ID_EDIT_DELETE_MEASUREMENT, ID_EDIT_PASTE, ID_EDIT_COPY, ID_PROJECT_SET_ACTIVE, ID_VIEW_PROPERTIES})
        EXPECT_TRUE(IsDocumentTreeCommand(nID)) << nID;
    EXPECT_FALSE(IsDocumentTreeCommand(ID_EDIT_RENAME));
}

} // namespace
