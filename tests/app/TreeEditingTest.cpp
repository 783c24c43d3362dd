// Behaviours of the tree's label editing and keys: F2 and Rename start an
// edit only on a project node or a measurement leaf, the new name reaches
// the project or the record, an empty or refused name changes nothing,
// Enter and Escape finish the edit or open a leaf, Del deletes.

#include "TreeBarTest.h"

#include "import/TreeItemData.h"
#include "res/resource.h"

#include "CCommonDialog.h"
#include "CModalDialogWatch.h"
#include "CFileDialog.h"

#include <cstring>

namespace {

class CTreeEditingTest : public CTreeBarTest {
protected:
    // F2 as the tree gets it; the label edit, or null when it was refused.
    CEdit* PressF2()
    {
        TreeBar().GetTreeCtrl().SendMessage(WM_KEYDOWN, VK_F2, 0);
        return TreeBar().GetTreeCtrl().GetEditControl();
    }
    // A key as the message loop offers it to the bar first; true when taken.
    bool PreTranslateKey(UINT nKey, HWND hWnd)
    {
        MSG msg = {hWnd, WM_KEYDOWN, nKey, 0};
        return TreeBar().PreTranslateMessage(&msg) != FALSE;
    }
    // Types sText into the open label edit and finishes it with Enter.
    void FinishEdit(CEdit* pEdit, const char* lpszText)
    {
        pEdit->SetWindowText(lpszText);
        EXPECT_TRUE(PreTranslateKey(VK_RETURN, TreeBar().GetTreeCtrl().GetSafeHwnd()));
        EXPECT_EQ(nullptr, TreeBar().GetTreeCtrl().GetEditControl());
    }
    POSITION AddLevel(CVestolarDoc* pDoc, const char* lpszTitle, int nStatus = NSpectrum::kIncluded)
    {
        NBuildData rec;
        rec.m_MeasSetup.SetMeasurementMode(0);
        rec.m_MeasSetup.SetActivateChannel(1);
        rec.m_MeasSetup.SetDescription(1, 1);
        rec.m_Spectrum.SetTitle(lpszTitle);
        rec.m_Spectrum.SetStatus(nStatus);
        pDoc->GetProject().AddMeasurement(rec, FALSE);
        return pDoc->GetProject().GetMeasurementList(123)->GetTailPosition();
    }
};

}  // namespace

TEST_F(CTreeEditingTest, F2OnTheWorkspaceItemIsRefusedAndOnAProjectRenamesIt)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    Select(TreeBar().GetTreeCtrl().GetRootItem());
    EXPECT_EQ(nullptr, PressF2());

    HTREEITEM hProject = pDoc->GetTreeItems().GetProjectItem();
    Select(hProject);
    ASSERT_TRUE(IsCommandEnabled(ID_EDIT_RENAME));
    CEdit* pEdit = PressF2();
    ASSERT_NE(nullptr, pEdit);
    EXPECT_EQ(127u, pEdit->GetLimitText());
    FinishEdit(pEdit, "Flat 3");

    EXPECT_EQ("Flat 3", std::string(pDoc->GetProject().m_sName));
    EXPECT_EQ("Flat 3", std::string(pDoc->GetProject().m_ReportInfo.m_sTreeTitle));
    EXPECT_EQ("Flat 3", std::string(TreeBar().GetTreeCtrl().GetItemText(hProject)));
}

TEST_F(CTreeEditingTest, AnEmptyNameLeavesTheProjectAsItWas)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    const std::string sTitle = static_cast<LPCTSTR>(pDoc->GetProject().m_ReportInfo.m_sTreeTitle);
    Select(pDoc->GetTreeItems().GetProjectItem());

    CEdit* pEdit = PressF2();
    ASSERT_NE(nullptr, pEdit);
    FinishEdit(pEdit, "");

    EXPECT_EQ(sTitle, std::string(pDoc->GetProject().m_ReportInfo.m_sTreeTitle));
    EXPECT_EQ(sTitle, std::string(TreeBar().GetTreeCtrl().GetItemText(pDoc->GetTreeItems().GetProjectItem())));
}

TEST_F(CTreeEditingTest, AMeasurementIsRenamedUnlessItIsTheSummaryOrExcluded)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    const POSITION posIncluded = AddLevel(pDoc, "L2 #1");
    AddLevel(pDoc, "L2 #2", NSpectrum::kExcluded);
    CMeasurementList& list = *pDoc->GetProject().GetMeasurementList(123);
    HTREEITEM hGroup = pDoc->GetTreeItems().GetTableItem(123);

    Select(TreeBar().GetTreeCtrl().GetChildItem(hGroup));
    EXPECT_FALSE(IsCommandEnabled(ID_EDIT_RENAME));
    EXPECT_EQ(nullptr, PressF2());

    Select(LastLeaf(pDoc, 123));
    CEdit* pEdit = PressF2();
    ASSERT_NE(nullptr, pEdit);
    FinishEdit(pEdit, "renamed");
    EXPECT_EQ("L2 #2", std::string(list.GetTail().m_Spectrum.GetTitle()));

    Select(TreeBar().GetTreeCtrl().GetNextSiblingItem(TreeBar().GetTreeCtrl().GetChildItem(hGroup)));
    pEdit = PressF2();
    ASSERT_NE(nullptr, pEdit);
    FinishEdit(pEdit, "Position 1");
    EXPECT_EQ("Position 1", std::string(list.GetAt(posIncluded).m_Spectrum.GetTitle()));
    EXPECT_EQ((std::vector<std::string>{"Average", "Position 1", "L2 #2"}), ChildTexts(hGroup));
}

TEST_F(CTreeEditingTest, EnterOpensALeafAndLeavesAProjectNodeAlone)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    const HWND hTree = TreeBar().GetTreeCtrl().GetSafeHwnd();
    const int nViews = ViewCount(pDoc);
    Select(pDoc->GetTreeItems().GetProjectItem());
    PreTranslateKey(VK_RETURN, hTree);
    EXPECT_EQ(nViews, ViewCount(pDoc));

    Select(ChildWithText(ChildWithText(pDoc->GetTreeItems().GetProjectItem(), "Results"), "Test report"));
    EXPECT_TRUE(PreTranslateKey(VK_RETURN, hTree));
    EXPECT_EQ(nViews + 1, ViewCount(pDoc));
}

TEST_F(CTreeEditingTest, DelDeletesTheSelectedMeasurement)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    AddLevel(pDoc, "L2 #1");
    Select(LastLeaf(pDoc, 123));
    m_boxes.Answer({IDYES});

    TreeBar().GetTreeCtrl().SendMessage(WM_KEYDOWN, VK_DELETE, 0);

    EXPECT_EQ(1u, Boxes().size());
    EXPECT_EQ((std::vector<std::string>{"Average"}), ChildTexts(pDoc->GetTreeItems().GetTableItem(123)));
}

TEST_F(CTreeEditingTest, ImportReadsEveryChosenFileInTheDialogsOrder)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    Select(pDoc->GetTreeItems().GetTableItem(122));
    ASSERT_TRUE(IsCommandEnabled(ID_FILE_IMPORT));
    std::string sTitle;
    DWORD nMaxFile = 0;
    AfxSetCommonDialogHook([&](CCommonDialog& dlg) {
        OPENFILENAME& ofn = static_cast<CFileDialog&>(dlg).m_ofn;
        sTitle = ofn.lpstrTitle;
        nMaxFile = ofn.nMaxFile;
        const char kChoice[] = "C:\\none\0first.xyz\0second.xyz\0";
        std::memcpy(ofn.lpstrFile, kChoice, sizeof kChoice);
        return static_cast<INT_PTR>(IDOK);
    });

    Command(ID_FILE_IMPORT);
    AfxSetCommonDialogHook(nullptr);

    EXPECT_EQ("Import Measurement Data", sTitle);
    EXPECT_EQ(2048u, nMaxFile);
    ASSERT_EQ(2u, Boxes().size());
    EXPECT_NE(std::string::npos, Boxes()[0].sText.find("C:\\none\\first.xyz"));
    EXPECT_NE(std::string::npos, Boxes()[1].sText.find("C:\\none\\second.xyz"));
}

TEST_F(CTreeEditingTest, AChoiceTooLongForTheNameBufferIsReportedNotDropped)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    Select(pDoc->GetTreeItems().GetTableItem(122));
    AfxSetCommonDialogHook([](CCommonDialog& dlg) {
        OPENFILENAME& ofn = static_cast<CFileDialog&>(dlg).m_ofn;
        const WORD nNeeded = 5000;
        std::memcpy(ofn.lpstrFile, &nNeeded, sizeof nNeeded);
        return static_cast<INT_PTR>(IDCANCEL);
    });

    Command(ID_FILE_IMPORT);
    AfxSetCommonDialogHook(nullptr);

    ASSERT_EQ(1u, Boxes().size());
    EXPECT_NE(std::string::npos, Boxes()[0].sText.find("choose fewer files"));
}

TEST_F(CTreeEditingTest, ACancelledImportSaysNothing)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    Select(pDoc->GetTreeItems().GetTableItem(122));
    AfxSetCommonDialogHook([](CCommonDialog&) { return static_cast<INT_PTR>(IDCANCEL); });

    Command(ID_FILE_IMPORT);
    AfxSetCommonDialogHook(nullptr);

    EXPECT_TRUE(Boxes().empty());
}

TEST_F(CTreeEditingTest, ReadInKel620WithoutAnAnalyserAsksAgainAndFilesNothing)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    Select(pDoc->GetTreeItems().GetTableItem(122));
    ASSERT_TRUE(IsCommandEnabled(ID_FILE_READ_KEL620));
    CModalDialogWatch watch([](HWND hDlg) {
        // COM19: no port of the test prefix.
        ::SendDlgItemMessage(hDlg, IDC_RIRO_READ_COM, CB_SETCURSEL, 18, 0);
        ::SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });

    Command(ID_FILE_READ_KEL620);

    ASSERT_EQ(1u, Boxes().size());
    EXPECT_NE(std::string::npos, Boxes()[0].sText.find("Wollen Sie den Vorgang wiederholen?"));
    EXPECT_EQ((std::vector<std::string>{"Average"}), ChildTexts(pDoc->GetTreeItems().GetTableItem(122)));
}

