// Behaviours of the tree bar: the workspace item, each project's view nodes
// and table groups by its kind, the leaves of filed measurements, the active
// project's image, the project of an item, and clearing the workspace.
// Not yet tested here: the bar's docking.

#include "ShellWindowsFixture.h"

#include "import/TreeItemData.h"
#include "import/TreeLayout.h"
#include "model/FilingBatch.h"
#include "model/TableGroups.h"

namespace {

typedef std::vector<bool CReportInfo::*> CFlags;

struct CKindCase {
    const char* m_lpszKind;
    CFlags m_aFlags;
};

const CKindCase kKinds[] = {
    {"field airborne", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne}},
    {"field impact", {&CReportInfo::m_bField, &CReportInfo::m_bImpact}},
    {"field corner airborne", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bCorner}},
    {"intensity", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bIntensity}},
    {"absorption", {&CReportInfo::m_bLab, &CReportInfo::m_bAbsorption}},
    {"multiplot", {&CReportInfo::m_bMultiplot}},
    {"impact and airborne", {&CReportInfo::m_bField, &CReportInfo::m_bImpactAirborne}},
    {"lab impact corrected", {&CReportInfo::m_bLab, &CReportInfo::m_bImpactCorrected}},
    {"reverberation", {&CReportInfo::m_bReverberation}},
    {"lab airborne", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne}},
    {"lab airborne improvement", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bImprovement}},
};

TEST_F(CShellWindowsTest, ShowsEachProjectsGroupsAsItsKindHasThem)
{
    CTreeCtrl& tree = TreeBar().GetTreeCtrl();
    for (const CKindCase& c : kKinds) {
        SCOPED_TRACE(c.m_lpszKind);
        CVestolarDoc* pDoc = NewProject(c.m_aFlags);
        ASSERT_NE(nullptr, pDoc);
        const CReportInfo& info = pDoc->GetProject().m_ReportInfo;
        HTREEITEM hProject = pDoc->GetTreeItems().GetProjectItem();
        ASSERT_NE(nullptr, hProject);
        EXPECT_STREQ(info.m_sTreeTitle, tree.GetItemText(hProject));

        std::vector<std::string> aResults;
        for (const CResultNode& node : ResultNodesOf(info))
            aResults.push_back(static_cast<LPCTSTR>(node.m_sText));
        EXPECT_EQ(aResults, ChildTexts(ChildWithText(hProject, "Results")));

        std::vector<std::string> aGroups;
        for (int nTableId : TableGroupsOf(info)) {
            aGroups.push_back(static_cast<LPCTSTR>(TableGroupLabelOf(info, nTableId)));
            EXPECT_EQ(static_cast<DWORD_PTR>(nTableId), tree.GetItemData(pDoc->GetTreeItems().GetTableItem(nTableId)));
        }
        EXPECT_EQ(aGroups, ChildTexts(ChildWithText(hProject, "Measurement data")));
    }
}

TEST_F(CShellWindowsTest, HeadsEveryGroupWithItsSummaryLeaf)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});

    const std::vector<std::string> aAverage = {"Average"};
    EXPECT_EQ(aAverage, ChildTexts(pDoc->GetTreeItems().GetTableItem(123)));
}

TEST_F(CShellWindowsTest, KeepsOneWorkspaceItemForSeveralProjects)
{
    NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    NewProject({&CReportInfo::m_bReverberation});

    CTreeCtrl& tree = TreeBar().GetTreeCtrl();
    int nTopItems = 0;
    for (HTREEITEM hItem = tree.GetRootItem(); hItem != nullptr; hItem = tree.GetNextSiblingItem(hItem))
        ++nTopItems;
    EXPECT_EQ(3, nTopItems);
    EXPECT_EQ(kItemWorkspace, tree.GetItemData(tree.GetRootItem()));
}

TEST_F(CShellWindowsTest, AddsRenamesAndRemovesTheLeavesOfMeasurements)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    CProjectDoc& project = pDoc->GetProject();
    NBuildData rec;
    rec.m_MeasSetup.SetMeasurementMode(0);
    rec.m_MeasSetup.SetActivateChannel(1);
    rec.m_MeasSetup.SetDescription(1, 1);
    rec.m_Spectrum.SetTitle("L2 #1");
    project.AddMeasurement(rec, FALSE);
    HTREEITEM hGroup = pDoc->GetTreeItems().GetTableItem(123);
    EXPECT_EQ((std::vector<std::string>{"Average", "L2 #1"}), ChildTexts(hGroup));

    POSITION pos = project.GetMeasurementList(123)->GetTailPosition();
    project.UpdateMeasurementName(123, pos, "renamed");
    EXPECT_EQ((std::vector<std::string>{"Average", "renamed"}), ChildTexts(hGroup));

    project.RemoveMeasurement(123, pos);
    EXPECT_EQ((std::vector<std::string>{"Average"}), ChildTexts(hGroup));
    EXPECT_EQ(hGroup, TreeBar().GetTreeCtrl().GetSelectedItem());
}

// Records filed in a batch (a paste, an import) get their leaves at once;
// their group opens when the outermost batch ends.
TEST_F(CShellWindowsTest, OpensTheGroupOfABatchWhenItEnds)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    CProjectDoc& project = pDoc->GetProject();
    HTREEITEM hGroup = pDoc->GetTreeItems().GetTableItem(123);
    CTreeCtrl& tree = TreeBar().GetTreeCtrl();
    tree.Expand(hGroup, TVE_COLLAPSE);
    const auto IsOpen = [&] { return (tree.GetItemState(hGroup, TVIS_EXPANDED) & TVIS_EXPANDED) != 0; };
    {
        CFilingBatch outer(project);
        {
            CFilingBatch inner(project);
            for (const char* lpszTitle : {"L2 #1", "L2 #2"}) {
                NBuildData rec;
                rec.m_MeasSetup.SetMeasurementMode(0);
                rec.m_MeasSetup.SetActivateChannel(1);
                rec.m_MeasSetup.SetDescription(1, 1);
                rec.m_Spectrum.SetTitle(lpszTitle);
                project.AddMeasurement(rec, FALSE);
            }
        }
        EXPECT_EQ((std::vector<std::string>{"Average", "L2 #1", "L2 #2"}), ChildTexts(hGroup));
        EXPECT_FALSE(IsOpen());
    }
    EXPECT_TRUE(IsOpen());
}

TEST_F(CShellWindowsTest, FindsTheProjectOfEveryItemButTheWorkspace)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    CTreeCtrl& tree = TreeBar().GetTreeCtrl();
    HTREEITEM hProject = pDoc->GetTreeItems().GetProjectItem();
    HTREEITEM hGroup = pDoc->GetTreeItems().GetTableItem(122);

    EXPECT_EQ(nullptr, TreeBar().GetItemDocument(tree.GetRootItem()));
    for (HTREEITEM hItem : {hProject, hGroup, tree.GetChildItem(hGroup), tree.GetParentItem(hGroup),
                            tree.GetChildItem(ChildWithText(hProject, "Results"))}) {
        EXPECT_EQ(pDoc, TreeBar().GetItemDocument(hItem));
    }
}

TEST_F(CShellWindowsTest, MarksOnlyTheActiveProject)
{
    CVestolarDoc* pFirst = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    CVestolarDoc* pSecond = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bImpact});

    TreeBar().MarkActiveProject(pFirst->GetProject().m_nProjectNumber);

    CTreeCtrl& tree = TreeBar().GetTreeCtrl();
    int nImage = -1;
    int nSelected = -1;
    tree.GetItemImage(pFirst->GetTreeItems().GetProjectItem(), nImage, nSelected);
    EXPECT_EQ(kImageActiveProject, nImage);
    tree.GetItemImage(pSecond->GetTreeItems().GetProjectItem(), nImage, nSelected);
    EXPECT_EQ(kImageWorkspace, nImage);
}

TEST_F(CShellWindowsTest, StartsTheWorkspaceItemAgainAfterTheTreeWasCleared)
{
    NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    TreeBar().ClearTree();
    EXPECT_FALSE(TreeBar().GetTreeCtrl().IsWindowVisible());
    EXPECT_EQ(nullptr, TreeBar().GetTreeCtrl().GetRootItem());

    TreeBar().SetRootText("kept");
    NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});

    CTreeCtrl& tree = TreeBar().GetTreeCtrl();
    EXPECT_TRUE(tree.IsWindowVisible());
    EXPECT_EQ(kItemWorkspace, tree.GetItemData(tree.GetRootItem()));
}

// The closed projects' nodes carried the addresses of their documents: the
// next walk over the projects read freed memory.
TEST_F(CShellWindowsTest, DropsTheNodesOfClosedProjectsWhateverClosesThem)
{
    NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    NewProject({&CReportInfo::m_bField, &CReportInfo::m_bImpact});
    App().CloseAllDocuments(FALSE);
    PumpMessages();

    CTreeCtrl& tree = TreeBar().GetTreeCtrl();
    ASSERT_NE(nullptr, tree.GetRootItem());
    EXPECT_EQ(nullptr, tree.GetNextSiblingItem(tree.GetRootItem()));
    TreeBar().MarkActiveProject(1);
    EXPECT_EQ(nullptr, TreeBar().GetItemDocument(tree.GetRootItem()));

    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    TreeBar().MarkActiveProject(pDoc->GetProject().m_nProjectNumber);
    int nImage = -1;
    int nSelected = -1;
    tree.GetItemImage(pDoc->GetTreeItems().GetProjectItem(), nImage, nSelected);
    EXPECT_EQ(kImageActiveProject, nImage);
    EXPECT_EQ(pDoc, TreeBar().GetItemDocument(pDoc->GetTreeItems().GetTableItem(122)));
}

TEST_F(CShellWindowsTest, KnowsWhileTheTreeHasTheFocus)
{
    NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});

    TreeBar().GetTreeCtrl().SetFocus();
    PumpMessages();
    EXPECT_TRUE(TreeBar().m_bActive);

    MainFrame().SetFocus();
    PumpMessages();
    EXPECT_FALSE(TreeBar().m_bActive);
}

// Only projects and measurements have names to edit: the workspace item
// and the folders open no label editor.
TEST_F(CShellWindowsTest, OpensNoLabelEditorOnTheWorkspaceOrAFolder)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    CTreeCtrl& tree = TreeBar().GetTreeCtrl();
    const HTREEITEM hProject = pDoc->GetTreeItems().GetProjectItem();
    for (HTREEITEM hItem : {tree.GetRootItem(), tree.GetChildItem(hProject)}) {
        tree.SetFocus();
        tree.SelectItem(hItem);
        PumpMessages();

        EXPECT_EQ(nullptr, tree.EditLabel(hItem));
        EXPECT_EQ(nullptr, tree.GetEditControl());
    }
}

} // namespace
