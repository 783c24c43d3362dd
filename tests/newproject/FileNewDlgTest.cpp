// Tests of the "New Project" dialog under Wine: the dialog run modally, the
// method tree dropped from its combo picker, methods chosen with the mouse
// and with the keys, and the descriptor it hands back, checked field by field
// against the catalogue.
// Not tested here: the picker's face pixels.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "DialogDriver.h"
#include "afxwin.h"
#include "newproject/BasicElementDlg.h"
#include "newproject/CatalogueItemPath.h"
#include "newproject/FileNewDlg.h"
#include "newproject/NewProjectChoice.h"
#include "newproject/ProfileMruStore.h"
#include "newproject/ReportInfoFlags.h"

namespace {

const char kMruRoot[] = "MRU (Most Recently Used)";
const char kOenF1[] = "Apparent sound reduction index according to \xD6NORM EN ISO 16283-1";
const char kIsoRooms[] = "Apparent sound reduction index of rooms according to ISO 140-4";
const char kLabImprovement[] = "Sound reduction improvement index according to ISO 10140";

// The dialog of a program of the given major version.
class CTestFileNewDlg : public CFileNewDlg {
public:
    CTestFileNewDlg(CMruReportInfoList& mruList, CMruStore& mruStore, int nVersion)
        : CFileNewDlg(mruList, mruStore), m_nTestVersion(nVersion)
    {
    }

protected:
    int ReadProgramVersion() override { return m_nTestVersion; }

private:
    int m_nTestVersion;
};

class FileNewDlgTest : public ::testing::Test {
protected:
    // Runs the dialog modally; the steps drive it from inside its modal loop.
    // A dialog the steps left open is cancelled, so a failed step cannot hang.
    INT_PTR Run(CFileNewDlg& dlg, const std::function<void(HWND hDlg)>& steps)
    {
        m_pDlg = &dlg;
        CModalDialogWatch watch([&](HWND hDlg) {
            steps(hDlg);
            if (::IsWindowVisible(hDlg))
                ::EndDialog(hDlg, IDABORT);
        });
        return dlg.DoModal();
    }

    HWND Combo() const { return m_pDlg->m_comboPicker.GetSafeHwnd(); }
    HWND Tree() const { return m_pDlg->m_treeDropDown.GetSafeHwnd(); }
    HWND Container() const { return m_pDlg->m_treeDropDown.GetContainer().GetSafeHwnd(); }
    BOOL IsOpen() const { return m_pDlg->m_comboPicker.IsDroppedDown(); }
    HTREEITEM Caret() const { return TreeView_GetSelection(Tree()); }
    HTREEITEM Chosen() const { return m_pDlg->m_treeDropDown.GetChosenItem(); }

    int FindItem(const std::vector<std::string>& path) const
    {
        return ::FindItem(*m_pDlg->GetCatalogue(), path);
    }
    HTREEITEM TreeItem(const std::vector<std::string>& path) const
    {
        const int nItem = FindItem(path);
        return nItem < 0 ? nullptr : m_pDlg->GetTreeItem(nItem);
    }

    void OpenByClick() { Click(Combo(), POINT{10, 5}); }
    void ClickItem(HTREEITEM hItem) { Click(Tree(), ItemTextCentre(Tree(), hItem)); }
    static void PressButton(HWND hDlg, int nID)
    {
        ::SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                      reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, nID)));
    }

    CMruReportInfoList m_mru;
    CProfileMruStore m_store;
    CFileNewDlg* m_pDlg = nullptr;
};

// The items of the tree control without the children flag, below and after
// the given item.
int CountLeaves(HWND hTree, HTREEITEM hItem)
{
    int nLeaves = 0;
    for (; hItem != nullptr; hItem = TreeView_GetNextSibling(hTree, hItem)) {
        TVITEM item = {};
        item.mask = TVIF_CHILDREN;
        item.hItem = hItem;
        TreeView_GetItem(hTree, &item);
        nLeaves += item.cChildren == 0 ? 1 : CountLeaves(hTree, TreeView_GetChild(hTree, hItem));
    }
    return nLeaves;
}

CReportInfo Entry(LPCTSTR szTreeTitle)
{
    CReportInfo info(true);
    info.m_bField = true;
    info.m_sTreeTitle = szTreeTitle;
    info.m_sGraphTitle = "Graph title";
    info.m_sTemplateFileName = "Entry.xls";
    return info;
}

}  // namespace

TEST_F(FileNewDlgTest, OpensWithTheCatalogueOfTheProgramsOwnVersion)
{
    CFileNewDlg dlg(m_mru, m_store);
    int nLeaves = 0;
    std::string sCaret;
    Run(dlg, [&](HWND hDlg) {
        nLeaves = CountLeaves(Tree(), TreeView_GetRoot(Tree()));
        sCaret = static_cast<LPCTSTR>(dlg.m_treeDropDown.GetItemText(Caret()));
        EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(hDlg, IDC_ADD_TO_PROJECTS));
        EXPECT_FALSE(IsOpen());
        PressButton(hDlg, IDCANCEL);
    });
    EXPECT_EQ(3, dlg.m_nVersion);
    EXPECT_EQ(183, nLeaves);
    EXPECT_EQ(kOenF1, sCaret);
}

TEST_F(FileNewDlgTest, OffersTheOlderCatalogueToAProgramOfVersionTwo)
{
    CTestFileNewDlg dlg(m_mru, m_store, 2);
    std::string sCaret;
    Run(dlg, [&](HWND hDlg) {
        EXPECT_EQ(TreeView_GetCount(Tree()), dlg.GetCatalogue()->GetItems().size());
        sCaret = static_cast<LPCTSTR>(dlg.m_treeDropDown.GetItemText(Caret()));
        PressButton(hDlg, IDOK);
    });
    EXPECT_EQ(138u, dlg.GetCatalogue()->GetMethods().size());
    EXPECT_EQ(kIsoRooms, sCaret);
    EXPECT_STREQ(kIsoRooms, dlg.m_reportInfo.m_sTreeTitle);
}

TEST_F(FileNewDlgTest, DropsTheTreeBelowTheComboWithinItsHeightLimits)
{
    CTestFileNewDlg dlg(m_mru, m_store, 4);
    Run(dlg, [&](HWND hDlg) {
        OpenByClick();
        ASSERT_TRUE(IsOpen());
        EXPECT_EQ(Tree(), ::GetFocus());
        CRect rectCombo;
        CRect rectContainer;
        CRect rectClient;
        ::GetWindowRect(Combo(), &rectCombo);
        ::GetWindowRect(Container(), &rectContainer);
        ::GetClientRect(Container(), &rectClient);
        EXPECT_EQ(rectCombo.left, rectContainer.left);
        EXPECT_EQ(rectCombo.bottom - 1, rectContainer.top);
        EXPECT_GE(rectContainer.Width(), rectCombo.Width());
        EXPECT_GE(rectClient.Height(), 100);
        EXPECT_LE(rectClient.Height(), 300);

        OpenByClick();
        EXPECT_TRUE(IsOpen());

        CRect rectBest;
        m_pDlg->m_treeDropDown.GetBestSize(&rectBest);
        ASSERT_GT(rectBest.Height(), 300);
        m_pDlg->m_comboPicker.SetMaxDropDownHeight(-1);
        ::GetClientRect(Container(), &rectClient);
        EXPECT_EQ(rectBest.Height(), rectClient.Height());
        PressButton(hDlg, IDCANCEL);
    });
}

TEST_F(FileNewDlgTest, ShowsNoChoiceOnTheFaceOfAnEmptyTree)
{
    CTestFileNewDlg dlg(m_mru, m_store, 4);
    Run(dlg, [&](HWND hDlg) {
        CTKComboDropDown* pDropDown = dlg.m_comboPicker.GetDropDown();
        EXPECT_TRUE(pDropDown->HasSelection());
        pDropDown->ResetContent();
        EXPECT_EQ(16, pDropDown->GetItemHeight());
        EXPECT_FALSE(pDropDown->HasSelection());
        EXPECT_STREQ("", pDropDown->GetSelectionText());
        EXPECT_EQ(nullptr, pDropDown->GetSelectionImage());
        EXPECT_EQ(nullptr, pDropDown->GetFont());
        PressButton(hDlg, IDCANCEL);
    });
}

TEST_F(FileNewDlgTest, HandsBackTheMethodChosenWithTheMouseFieldByField)
{
    CTestFileNewDlg dlg(m_mru, m_store, 4);
    const std::vector<std::string> path = {"Field", "\xD6NORM", "Airborne", "Fa\xE7" "ade", "Road traffic"};
    int nChosen = -1;
    const INT_PTR nResult = Run(dlg, [&](HWND hDlg) {
        OpenByClick();
        const HTREEITEM hRoad = TreeItem(path);
        ASSERT_NE(nullptr, hRoad);
        Click(Tree(), ItemButton(Tree(), hRoad));
        EXPECT_TRUE(IsOpen());
        EXPECT_TRUE(TreeView_GetItemState(Tree(), hRoad, TVIS_EXPANDED) & TVIS_EXPANDED);

        ClickItem(hRoad);
        EXPECT_TRUE(IsOpen());
        EXPECT_EQ(TreeItem({"Field", "\xD6NORM", "Airborne", kOenF1}), Chosen());

        const HTREEITEM hLeaf = TreeView_GetChild(Tree(), hRoad);
        nChosen = FindItem({"Field", "\xD6NORM", "Airborne", "Fa\xE7" "ade", "Road traffic"}) + 1;
        ASSERT_EQ(dlg.GetTreeItem(nChosen), hLeaf);
        ClickItem(hLeaf);
        EXPECT_FALSE(IsOpen());
        EXPECT_EQ(hLeaf, Chosen());
        EXPECT_EQ(Combo(), ::GetFocus());
        EXPECT_STREQ(dlg.GetCatalogue()->GetItems()[nChosen].m_sText,
                     dlg.m_comboPicker.GetDropDown()->GetSelectionText());
        CImageList* pImage = dlg.m_comboPicker.GetDropDown()->GetSelectionImage();
        ASSERT_NE(nullptr, pImage);
        EXPECT_EQ(1, pImage->GetImageCount());
        delete pImage;
        PressButton(hDlg, IDOK);
    });
    EXPECT_EQ(IDOK, nResult);
    const CMethodCatalogue catalogue(4, {});
    ExpectSameMethod(catalogue.GetChosenMethod(nChosen), dlg.m_reportInfo);
    EXPECT_TRUE(dlg.m_reportInfo.m_bRoadTraffic);
    EXPECT_TRUE(dlg.m_reportInfo.m_bOEN);
}

TEST_F(FileNewDlgTest, ChoosesWithTheKeysAndRestoresTheChoiceOnEscape)
{
    m_mru.SetEntries({Entry("First"), Entry("Second")});
    CTestFileNewDlg dlg(m_mru, m_store, 4);
    Run(dlg, [&](HWND hDlg) {
        const HTREEITEM hFirst = TreeItem({kMruRoot, "First"});
        const HTREEITEM hSecond = TreeItem({kMruRoot, "Second"});
        ASSERT_EQ(hFirst, Caret());
        ::SetFocus(Combo());
        PressKey(VK_DOWN);
        ASSERT_TRUE(IsOpen());
        EXPECT_EQ(hFirst, Chosen());

        PressKey(VK_DOWN);
        EXPECT_EQ(hSecond, Caret());
        PressKey(VK_ESCAPE);
        EXPECT_FALSE(IsOpen());
        EXPECT_EQ(hFirst, Caret());

        PressKey(VK_RETURN);
        ASSERT_TRUE(IsOpen());
        PressKey(VK_UP);
        EXPECT_EQ(TreeItem({kMruRoot}), Caret());
        PressKey(VK_RETURN);
        EXPECT_FALSE(IsOpen());
        EXPECT_EQ(hFirst, Caret());

        PressKey(VK_DOWN);
        PressKey(VK_DOWN);
        PressKey(VK_RETURN);
        EXPECT_FALSE(IsOpen());
        EXPECT_EQ(hSecond, Caret());
        PressButton(hDlg, IDOK);
    });
    EXPECT_STREQ("Second", dlg.m_reportInfo.m_sTreeTitle);
    EXPECT_STREQ("Entry.xls", dlg.m_reportInfo.m_sTemplateFileName);
}

TEST_F(FileNewDlgTest, TakesTheChosenMethodNotTheOneBrowsedToWhenOkComesWhileOpen)
{
    m_mru.SetEntries({Entry("First"), Entry("Second")});
    CTestFileNewDlg dlg(m_mru, m_store, 4);
    Run(dlg, [&](HWND hDlg) {
        OpenByClick();
        PressKey(VK_DOWN);
        ASSERT_EQ(TreeItem({kMruRoot, "Second"}), Caret());
        PressButton(hDlg, IDOK);
    });
    EXPECT_STREQ("First", dlg.m_reportInfo.m_sTreeTitle);
}

TEST_F(FileNewDlgTest, ClosesTheDropDownWhenTheFocusMovesToAnotherControl)
{
    CTestFileNewDlg dlg(m_mru, m_store, 4);
    Run(dlg, [&](HWND hDlg) {
        OpenByClick();
        ASSERT_TRUE(IsOpen());
        ::SetFocus(::GetDlgItem(hDlg, IDC_ADD_TO_PROJECTS));
        PumpMessages();
        EXPECT_FALSE(IsOpen());
        EXPECT_FALSE(::IsWindowVisible(Container()));
        PressButton(hDlg, IDCANCEL);
    });
}

TEST_F(FileNewDlgTest, PutsTheChosenMethodFirstInTheRecentlyUsedListOnOk)
{
    m_mru.SetEntries({Entry("First"), Entry("Second"), Entry("Third")});
    CTestFileNewDlg dlg(m_mru, m_store, 4);
    Run(dlg, [&](HWND hDlg) {
        OpenByClick();
        ClickItem(TreeItem({kMruRoot, "Third"}));
        ::CheckDlgButton(hDlg, IDC_ADD_TO_PROJECTS, BST_UNCHECKED);
        PressButton(hDlg, IDOK);
    });
    ASSERT_EQ(3u, m_mru.GetEntries().size());
    EXPECT_STREQ("Third", m_mru.GetEntries()[0].m_sTreeTitle);
    EXPECT_STREQ("First", m_mru.GetEntries()[1].m_sTreeTitle);
    EXPECT_STREQ("Second", m_mru.GetEntries()[2].m_sTreeTitle);
    EXPECT_FALSE(dlg.m_bAddToProjects);
}

TEST_F(FileNewDlgTest, CancelLeavesTheResultAndTheRecentlyUsedListAlone)
{
    m_mru.SetEntries({Entry("First"), Entry("Second")});
    CTestFileNewDlg dlg(m_mru, m_store, 4);
    const INT_PTR nResult = Run(dlg, [&](HWND hDlg) {
        OpenByClick();
        ClickItem(TreeItem({kMruRoot, "Second"}));
        PressButton(hDlg, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_STREQ("First", m_mru.GetEntries()[0].m_sTreeTitle);
    EXPECT_TRUE(dlg.m_reportInfo.m_sTreeTitle.IsEmpty());
}

TEST_F(FileNewDlgTest, AsksTheBasicElementOfALaboratoryImprovement)
{
    CTestFileNewDlg dlg(m_mru, m_store, 4);
    Run(dlg, [&](HWND hDlg) {
        OpenByClick();
        const HTREEITEM hLeaf = TreeItem({"Laboratory", "ISO", "Airborne", kLabImprovement});
        ASSERT_NE(nullptr, hLeaf);
        TreeView_EnsureVisible(Tree(), hLeaf);
        ClickItem(hLeaf);
        OnNextInnerDialog([](HWND hBasic) {
            EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(hBasic, IDC_HEAVYWEIGHT_WALL));
            ::CheckRadioButton(hBasic, IDC_HEAVYWEIGHT_WALL, IDC_DIRECT, IDC_DIRECT);
            PressButton(hBasic, IDOK);
        });
        PressButton(hDlg, IDOK);
    });
    EXPECT_STREQ(kLabImprovement, dlg.m_reportInfo.m_sTreeTitle);
    EXPECT_EQ(CBasicElementDlg::kDirect, dlg.m_reportInfo.m_nCoincidenceFreq);
}

TEST_F(FileNewDlgTest, GivesTheTreeItsTextsAsWindows1252Characters)
{
    CTestFileNewDlg dlg(m_mru, m_store, 4);
    Run(dlg, [&](HWND hDlg) {
        const struct {
            std::vector<std::string> path;
            const wchar_t* szWide;
        } kCases[] = {
            {{"Field", "\xD6NORM"}, L"\u00D6NORM"},
            {{"Field", "ISO", "Airborne", "Fa\xE7" "ade"}, L"Fa\u00E7ade"},
        };
        for (const auto& row : kCases) {
            SCOPED_TRACE(row.path.back());
            wchar_t szText[64] = {};
            TVITEMW item = {};
            item.mask = TVIF_TEXT;
            item.hItem = TreeItem(row.path);
            item.pszText = szText;
            item.cchTextMax = 64;
            ASSERT_TRUE(::SendMessageW(Tree(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
            EXPECT_STREQ(row.szWide, szText);
        }
        PressButton(hDlg, IDCANCEL);
    });
}

TEST_F(FileNewDlgTest, RefusesAPickerWithoutOwnerDrawnDropDownList)
{
    CTestFileNewDlg dlg(m_mru, m_store, 4);
    Run(dlg, [&](HWND hDlg) {
        const struct {
            const char* szCase;
            DWORD dwStyle;
            BOOL bCreated;
        } kCases[] = {
            {"list, owner-drawn", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, TRUE},
            {"drop-down, owner-drawn", CBS_DROPDOWN | CBS_OWNERDRAWVARIABLE, TRUE},
            {"not owner-drawn", CBS_DROPDOWNLIST, FALSE},
            {"simple", CBS_SIMPLE | CBS_OWNERDRAWFIXED, FALSE},
        };
        for (const auto& row : kCases) {
            SCOPED_TRACE(row.szCase);
            CTKComboPickerCtrl picker;
            EXPECT_EQ(row.bCreated, picker.Create(WS_CHILD | row.dwStyle, CRect(0, 0, 100, 100),
                                                  CWnd::FromHandle(hDlg), 2000));
        }
        PressButton(hDlg, IDCANCEL);
    });
}

TEST(BasicElementDlg, ShowsThePresetAndReturnsTheCheckedElement)
{
    const struct {
        int nPreset;
        int nChecked;  // button checked before OK, 0: none
        int nExpectedShown;
        int nExpected;
    } kCases[] = {
        {2, 0, IDC_LIGHTWEIGHT_WALL, 2},
        {3, IDC_HEAVYWEIGHT_FLOOR, IDC_DIRECT, 1},
        {7, IDC_DIRECT, IDC_HEAVYWEIGHT_WALL, 3},
        {-1, 0, IDC_HEAVYWEIGHT_WALL, 0},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.nPreset);
        CBasicElementDlg dlg;
        dlg.m_nBasicElement = row.nPreset;
        int nShown = 0;
        CModalDialogWatch watch([&](HWND hDlg) {
            for (int nID = IDC_HEAVYWEIGHT_WALL; nID <= IDC_DIRECT; nID++)
                if (::IsDlgButtonChecked(hDlg, nID) == BST_CHECKED)
                    nShown = nID;
            if (row.nChecked != 0)
                ::CheckRadioButton(hDlg, IDC_HEAVYWEIGHT_WALL, IDC_DIRECT, row.nChecked);
            ::SendMessage(hDlg, WM_COMMAND, IDOK, 0);
        });
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(row.nExpectedShown, nShown);
        EXPECT_EQ(row.nExpected, dlg.m_nBasicElement);
    }
}

// With no method used before, the program of version 3 preselects the
// ÖNORM EN ISO 16283-1 method.
TEST_F(FileNewDlgTest, AsksFileNewForTheMethodOverTheApplicationsRecentlyUsedMethods)
{
    const struct {
        const char* szCase;
        const char* szEarlier;  // the recently used method before, none when null
        int nButton;
        const char* szTemplate;
        const char* szFirstMru;
    } kCases[] = {
        {"nothing used before", nullptr, IDOK, "App_SRI_OEN16283_1.xls", kOenF1},
        {"used before", "Earlier", IDOK, "Entry.xls", "Earlier"},
        {"cancelled", "Earlier", IDCANCEL, "", "Earlier"},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.szCase);
        CMruReportInfoList mruList;
        if (row.szEarlier != nullptr)
            mruList.SetEntries({Entry(row.szEarlier)});
        CNewProjectChoice choice;
        CModalDialogWatch watch([&](HWND hDlg) { PressButton(hDlg, row.nButton); });
        EXPECT_EQ(row.nButton == IDOK, choice.Ask(mruList) != FALSE);
        EXPECT_STREQ(row.szTemplate, choice.m_reportInfo.m_sTemplateFileName);
        ASSERT_EQ(1u, mruList.GetEntries().size());
        EXPECT_STREQ(row.szFirstMru, mruList.GetEntries()[0].m_sTreeTitle);
    }
}
