// Behaviours of the tree bar's commands on the selection: deleting a project
// or a measurement after the user's confirmation, the active project, and
// opening an item's window.

#include "ShellWindowsFixture.h"

#include "import/TreeItemData.h"

namespace {

class CTreeCommandsTest : public CShellWindowsTest {
protected:
    // Selects hItem with the tree focused, as a click would.
    void Select(HTREEITEM hItem)
    {
        TreeBar().GetTreeCtrl().SetFocus();
        TreeBar().GetTreeCtrl().SelectItem(hItem);
        TreeBar().m_bActive = true;
        m_boxes.m_boxes.clear();  // boxes of the project's set-up
    }
    POSITION AddLevel(CVestolarDoc* pDoc, const char* lpszTitle)
    {
        NBuildData rec;
        rec.m_MeasSetup.SetMeasurementMode(0);
        rec.m_MeasSetup.SetActivateChannel(1);
        rec.m_MeasSetup.SetDescription(1, 1);
        rec.m_Spectrum.SetTitle(lpszTitle);
        pDoc->GetProject().AddMeasurement(rec, FALSE);
        return pDoc->GetProject().GetMeasurementList(123)->GetTailPosition();
    }
    HTREEITEM LeafOf(CVestolarDoc* pDoc, POSITION pos)
    {
        CTreeCtrl& tree = TreeBar().GetTreeCtrl();
        for (HTREEITEM h = tree.GetChildItem(pDoc->GetTreeItems().GetTableItem(123)); h != nullptr;
             h = tree.GetNextSiblingItem(h)) {
            if (tree.GetItemData(h) == reinterpret_cast<DWORD_PTR>(pos))
                return h;
        }
        return nullptr;
    }
};

TEST_F(CTreeCommandsTest, DeletesAMeasurementOnlyWhenTheUserAgrees)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    POSITION pos = AddLevel(pDoc, "L2 #1");
    HTREEITEM hGroup = pDoc->GetTreeItems().GetTableItem(123);

    Select(LeafOf(pDoc, pos));
    ASSERT_TRUE(IsCommandEnabled(ID_EDIT_DELETE_MEASUREMENT));
    m_boxes.Answer({IDNO});
    Command(ID_EDIT_DELETE_MEASUREMENT);
    ASSERT_EQ(1u, m_boxes.m_boxes.size());
    EXPECT_EQ("Are you sure you want to delete the 'L2 #1' measurement?", m_boxes.m_boxes[0].sText);
    EXPECT_EQ("Confirm Measurement Delete", m_boxes.m_boxes[0].sCaption);
    EXPECT_EQ((std::vector<std::string>{"Average", "L2 #1"}), ChildTexts(hGroup));

    Select(LeafOf(pDoc, pos));
    m_boxes.Answer({IDYES});
    Command(ID_EDIT_DELETE_MEASUREMENT);
    EXPECT_EQ((std::vector<std::string>{"Average"}), ChildTexts(hGroup));
    EXPECT_EQ(1, pDoc->GetProject().GetMeasurementList(123)->GetCount());
}

TEST_F(CTreeCommandsTest, LeavesTheSummaryLeafOfALevelTable)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    HTREEITEM hGroup = pDoc->GetTreeItems().GetTableItem(123);
    Select(TreeBar().GetTreeCtrl().GetChildItem(hGroup));
    EXPECT_FALSE(IsCommandEnabled(ID_EDIT_DELETE_MEASUREMENT));
    TreeBar().SendMessage(WM_COMMAND, ID_EDIT_DELETE_MEASUREMENT, 0);
    EXPECT_TRUE(m_boxes.m_boxes.empty());
    EXPECT_EQ((std::vector<std::string>{"Average"}), ChildTexts(hGroup));
}

TEST_F(CTreeCommandsTest, DeletingTheActiveProjectActivatesTheNextOne)
{
    CVestolarDoc* pFirst = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    CVestolarDoc* pSecond = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bImpact});
    const int nSecond = pSecond->GetProject().m_nProjectNumber;
    App().m_nActiveProject = pFirst->GetProject().m_nProjectNumber;
    App().m_sWorkspacePath.Empty();
    App().m_saDeletedProjectFiles.RemoveAll();

    Select(pFirst->GetTreeItems().GetProjectItem());
    m_boxes.Answer({IDYES});
    Command(ID_EDIT_DELETE_MEASUREMENT);
    ASSERT_EQ(1u, m_boxes.m_boxes.size());
    EXPECT_EQ("Confirm Project Delete", m_boxes.m_boxes[0].sCaption);
    EXPECT_EQ(nSecond, App().m_nActiveProject);
    EXPECT_TRUE(App().m_bWorkspaceModified);
    EXPECT_EQ(0, App().m_saDeletedProjectFiles.GetSize());  // an unsaved workspace has no files

    Select(pSecond->GetTreeItems().GetProjectItem());
    App().m_sWorkspacePath = "C:\\work\\site";
    m_boxes.Answer({IDYES});
    Command(ID_EDIT_DELETE_MEASUREMENT);
    EXPECT_EQ(-1, App().m_nActiveProject);
    ASSERT_EQ(1, App().m_saDeletedProjectFiles.GetSize());
    CString sExpected;
    sExpected.Format("C:\\work\\site.%03d", nSecond);
    EXPECT_STREQ(sExpected, App().m_saDeletedProjectFiles[0]);
    App().m_sWorkspacePath.Empty();
    App().m_saDeletedProjectFiles.RemoveAll();
}

TEST_F(CTreeCommandsTest, RefusingAProjectDeleteKeepsTheProject)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    HTREEITEM hProject = pDoc->GetTreeItems().GetProjectItem();
    Select(hProject);
    m_boxes.Answer({IDNO});
    Command(ID_EDIT_DELETE_MEASUREMENT);
    EXPECT_EQ(pDoc, TreeBar().GetItemDocument(hProject));
}

TEST_F(CTreeCommandsTest, SetsTheActiveProjectOnAProjectNodeOnly)
{
    NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    CVestolarDoc* pSecond = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bImpact});
    Select(pSecond->GetTreeItems().GetTableItem(123));
    EXPECT_FALSE(IsCommandEnabled(ID_PROJECT_SET_ACTIVE));

    Select(pSecond->GetTreeItems().GetProjectItem());
    ASSERT_TRUE(IsCommandEnabled(ID_PROJECT_SET_ACTIVE));
    Command(ID_PROJECT_SET_ACTIVE);
    EXPECT_EQ(pSecond->GetProject().m_nProjectNumber, App().m_nActiveProject);
    int nImage = -1;
    int nSelected = -1;
    TreeBar().GetTreeCtrl().GetItemImage(pSecond->GetTreeItems().GetProjectItem(), nImage, nSelected);
    EXPECT_EQ(kImageActiveProject, nImage);
}

TEST_F(CTreeCommandsTest, OpensTheWindowOfALeafButNotOfAGroup)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    Select(pDoc->GetTreeItems().GetTableItem(123));
    EXPECT_FALSE(IsCommandEnabled(ID_VIEW_OPEN));

    Select(TreeBar().GetTreeCtrl().GetChildItem(pDoc->GetTreeItems().GetTableItem(123)));
    ASSERT_TRUE(IsCommandEnabled(ID_VIEW_OPEN));
    const int nViews = ViewCount(pDoc);
    Command(ID_VIEW_OPEN);
    EXPECT_EQ(nViews + 1, ViewCount(pDoc));
}

}  // namespace
