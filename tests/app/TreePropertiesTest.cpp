// Behaviours of the tree's Properties command: the graph a measurement leaf,
// a summary leaf and a table group show, their titles by project kind, the
// band range of the settings, and when the command is offered.

#include "ShellWindowsFixture.h"

#include "import/TreeItemData.h"

#include "RecordingGraphHost.h"

namespace {

typedef std::vector<bool CReportInfo::*> CFlags;

constexpr int kModeReverberation = 3;

class CTreePropertiesTest : public CShellWindowsTest {
protected:
    void SetUp() override
    {
        CShellWindowsTest::SetUp();
        SetMeasGraphHost(&m_graphs);
        App().m_nLowerFreq = 14;
        App().m_nUpperFreq = 40;
    }
    void TearDown() override
    {
        SetMeasGraphHost(nullptr);
        CShellWindowsTest::TearDown();
    }

    void Select(HTREEITEM hItem)
    {
        TreeBar().GetTreeCtrl().SetFocus();
        TreeBar().GetTreeCtrl().SelectItem(hItem);
        PumpMessages();
    }
    // A record filed into nTableId, titled lpszTitle, flat at dLevel; its leaf.
    HTREEITEM AddRecord(CVestolarDoc* pDoc, int nTableId, const char* lpszTitle, double dLevel)
    {
        NBuildData rec;
        rec.m_MeasSetup.SetActivateChannel(1);
        rec.m_MeasSetup.SetMeasurementMode(0);
        switch (nTableId) {
        case 122: rec.m_MeasSetup.SetDescription(kRoleSource, 1); break;
        case 126:
            rec.m_MeasSetup.SetMeasurementMode(kModeReverberation);
            rec.m_MeasSetup.SetDescription(kRoleReferenceReverberationCorner, 1);
            break;
        case 129: rec.m_MeasSetup.SetDescription(kRoleReceivingCorner, 1); break;
        case 130: rec.m_MeasSetup.SetDescription(kRoleWithFacility, 1); break;
        default: rec.m_MeasSetup.SetDescription(kRoleReceiving, 1); break;
        }
        rec.m_Spectrum.SetTitle(lpszTitle);
        for (int nBand = 0; nBand < kBandCount; ++nBand)
            rec.m_Spectrum.InsertSpecLine(nBand, dLevel, 1, 1);
        pDoc->GetProject().AddMeasurement(rec, FALSE);
        return LastLeaf(pDoc, nTableId);
    }
    HTREEITEM SummaryLeaf(CVestolarDoc* pDoc, int nTableId)
    {
        return TreeBar().GetTreeCtrl().GetChildItem(pDoc->GetTreeItems().GetTableItem(nTableId));
    }
    std::string ProjectTitle(CVestolarDoc* pDoc, const char* lpszTable)
    {
        return "Project" + std::to_string(pDoc->GetProject().m_nProjectNumber) + " - " + lpszTable;
    }

    CRecordingGraphHost m_graphs;
};

TEST_F(CTreePropertiesTest, ShowsAMeasurementsGraphOverTheSettingsBandRange)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    Select(AddRecord(pDoc, 123, "L2 #1", 60.0));
    ASSERT_TRUE(IsCommandEnabled(ID_VIEW_PROPERTIES));
    Command(ID_VIEW_PROPERTIES);

    ASSERT_EQ(1u, m_graphs.m_requests.size());
    const CMeasGraphRequest& request = m_graphs.m_requests[0];
    EXPECT_STREQ(ProjectTitle(pDoc, "Receiving room").c_str(), request.m_sTitle);
    EXPECT_EQ(14, request.m_nLowBand);
    EXPECT_EQ(40, request.m_nHighBand);
    EXPECT_TRUE(request.m_bMeasurement);
    EXPECT_EQ(std::vector<std::string>{"L2 #1"}, CRecordingGraphHost::TitlesOf(request));
    EXPECT_EQ(TreeBar().GetTreeCtrl().m_hWnd, ::GetFocus());
}

TEST_F(CTreePropertiesTest, ShowsTheSummaryLeafAsASummary)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    AddRecord(pDoc, 123, "L2 #1", 60.0);
    Select(SummaryLeaf(pDoc, 123));
    Command(ID_VIEW_PROPERTIES);

    ASSERT_EQ(1u, m_graphs.m_requests.size());
    EXPECT_FALSE(m_graphs.m_requests[0].m_bMeasurement);
    EXPECT_EQ(std::vector<std::string>{"Average"}, CRecordingGraphHost::TitlesOf(m_graphs.m_requests[0]));
}

TEST_F(CTreePropertiesTest, ShowsEveryRecordOfAGroupWithItsSummaryInOneGraph)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    AddRecord(pDoc, 123, "L2 #1", 60.0);
    AddRecord(pDoc, 123, "L2 #2", 66.0);
    pDoc->GetProject().Recalculate(0);
    Select(pDoc->GetTreeItems().GetTableItem(123));
    ASSERT_TRUE(IsCommandEnabled(ID_VIEW_PROPERTIES));
    Command(ID_VIEW_PROPERTIES);

    ASSERT_EQ(1u, m_graphs.m_requests.size());
    const CMeasGraphRequest& request = m_graphs.m_requests[0];
    EXPECT_EQ(nullptr, request.m_pRecord);
    EXPECT_EQ((std::vector<std::string>{"Average", "L2 #1", "L2 #2"}), CRecordingGraphHost::TitlesOf(request));
    EXPECT_DOUBLE_EQ(66.0, request.m_aSpectra[2].GetSpecLine(20));
    EXPECT_STREQ(ProjectTitle(pDoc, "Receiving room").c_str(), request.m_sTitle);
}

// The title names the table as the graph knows it. A group shows its
// summary and its record; the single-loudspeaker result table, group or
// leaf, shows one record as a summary.
TEST_F(CTreePropertiesTest, TitlesTheGraphByTheProjectsKindAndTable)
{
    struct CCase {
        const char* m_lpszKind;
        CFlags m_aFlags;
        int m_nTableId;
        bool m_bGroup;
        const char* m_lpszTable;
        size_t m_nSpectra;
        bool m_bMeasurement;
    };
    const CCase cases[] = {
        {"field airborne, source room leaf", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne}, 122, false,
         "Source room", 1, true},
        {"field corner, reference reverberation group",
         {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bCorner}, 126, true,
         "Reverberation Corner", 2, false},
        {"field corner, second receiving room group",
         {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bCorner}, 129, true,
         "Receiving room Corner", 2, false},
        {"single loudspeaker, results group", {&CReportInfo::m_bField, &CReportInfo::m_bSingleLoudspeaker}, 130,
         true, "Rw - Results", 1, false},
        {"single loudspeaker, results leaf", {&CReportInfo::m_bField, &CReportInfo::m_bSingleLoudspeaker}, 130,
         false, "Rw - Results", 1, false},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_lpszKind);
        CReportInfo method;
        for (bool CReportInfo::*pFlag : c.m_aFlags)
            method.*pFlag = true;
        method.m_sTreeTitle = "Method";
        method.m_sIndexStr = "R";
        method.m_sSubscript = "w";
        CVestolarDoc* pDoc = App().NewProject(method, TRUE);
        PumpMessages();
        HTREEITEM hLeaf = AddRecord(pDoc, c.m_nTableId, "M1", 50.0);
        Select(c.m_bGroup ? pDoc->GetTreeItems().GetTableItem(c.m_nTableId) : hLeaf);
        m_graphs.m_requests.clear();
        Command(ID_VIEW_PROPERTIES);

        ASSERT_EQ(1u, m_graphs.m_requests.size());
        const CMeasGraphRequest& request = m_graphs.m_requests[0];
        EXPECT_STREQ(ProjectTitle(pDoc, c.m_lpszTable).c_str(), request.m_sTitle);
        EXPECT_EQ(c.m_nSpectra, request.m_aSpectra.size());
        EXPECT_EQ(c.m_bMeasurement, request.m_bMeasurement != FALSE);
    }
}

// Where the command is offered it shows a graph; the workspace and the
// folders show none even when the command comes.
TEST_F(CTreePropertiesTest, IsOfferedForTablesAndMeasurementsOfProjectsThatAreNoMultiplot)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    CVestolarDoc* pMultiplot = NewProject({&CReportInfo::m_bMultiplot});
    CTreeCtrl& tree = TreeBar().GetTreeCtrl();
    struct CCase {
        const char* m_lpszItem;
        HTREEITEM m_hItem;
        bool m_bEnabled;
        bool m_bInvoke;
    };
    const CCase cases[] = {
        {"workspace", tree.GetRootItem(), false, true},
        {"measurement data", tree.GetParentItem(pDoc->GetTreeItems().GetTableItem(123)), false, true},
        {"table group", pDoc->GetTreeItems().GetTableItem(123), true, true},
        {"summary leaf", SummaryLeaf(pDoc, 123), true, true},
        {"multiplot group", pMultiplot->GetTreeItems().GetTableItem(127), false, false},
        {"multiplot curve", AddRecord(pMultiplot, 127, "Curve", 40.0), false, false},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_lpszItem);
        Select(c.m_hItem);
        EXPECT_EQ(c.m_bEnabled, IsCommandEnabled(ID_VIEW_PROPERTIES));
        if (!c.m_bInvoke)
            continue;
        m_graphs.m_requests.clear();
        TreeBar().SendMessage(WM_COMMAND, ID_VIEW_PROPERTIES, 0);
        EXPECT_EQ(c.m_bEnabled ? 1u : 0u, m_graphs.m_requests.size());
    }
}

}  // namespace
