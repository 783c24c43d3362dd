// Behaviours of Extras > Options...: the six pages in order under "Options"
// with no Apply button; the band range lists (the lower never above the
// upper, a stored band outside 6.3 Hz to 20 kHz shown and kept as the
// nearest offered one); the export folder's browser; a skin or pop-up
// value the pages do not know; Cancel writing nothing; the toolbar of the
// export target; a recalculation only after a new band range.

#include "ShellWindowsFixture.h"

#include "res/resource.h"

#include "ThirdOctaveBandLabels.h"

#include <functional>

namespace {

enum { kFreqPage = 0, kExportPage = 2, kLookPage = 3, kPopupPage = 4, kReportPage = 5 };

HWND ShowPage(HWND hSheet, int nPage)
{
    PropSheet_SetCurSel(hSheet, nullptr, nPage);
    return PropSheet_GetCurrentPageHwnd(hSheet);
}

void Click(HWND hPage, int nID)
{
    ::SendMessage(::GetDlgItem(hPage, nID), BM_CLICK, 0, 0);
}

std::vector<std::string> ComboTexts(HWND hPage, int nID)
{
    std::vector<std::string> aTexts;
    HWND hCombo = ::GetDlgItem(hPage, nID);
    const int nCount = static_cast<int>(::SendMessage(hCombo, CB_GETCOUNT, 0, 0));
    for (int n = 0; n < nCount; ++n) {
        char szText[32] = {};
        ::SendMessage(hCombo, CB_GETLBTEXT, n, reinterpret_cast<LPARAM>(szText));
        aTexts.push_back(szText);
    }
    return aTexts;
}

std::vector<std::string> BandLabels(int nFirst, int nLast)
{
    std::vector<std::string> aLabels;
    for (int nBand = nFirst; nBand <= nLast; ++nBand)
        aLabels.push_back(static_cast<LPCTSTR>(ThirdOctaveBandLabels[nBand]));
    return aLabels;
}

std::string SelectedText(HWND hPage, int nID)
{
    char szText[32] = {};
    ::GetDlgItemTextA(hPage, nID, szText, sizeof(szText));
    return szText;
}

// Chooses a band label in a combo as the user does.
void ChooseBand(HWND hPage, int nID, int nBand)
{
    HWND hCombo = ::GetDlgItem(hPage, nID);
    ::SendMessage(hCombo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                  reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(ThirdOctaveBandLabels[nBand])));
    ::SendMessage(hPage, WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hCombo));
}

int CheckedButton(HWND hPage, int nFirst, int nLast)
{
    for (int nID = nFirst; nID <= nLast; ++nID) {
        if (::IsDlgButtonChecked(hPage, nID) == BST_CHECKED)
            return nID;
    }
    return 0;
}

class COptionsSheetTest : public CShellWindowsTest {
protected:
    // Extras > Options... with the action on the sheet, which ends it.
    void RunOptions(const std::function<void(HWND hSheet)>& action)
    {
        CModalDialogWatch watch(action);
        Command(ID_EXTRAS_OPTIONS);
        EXPECT_EQ(1, watch.GetDialogCount());
    }
};

TEST_F(COptionsSheetTest, ShowsSixPagesInOrderUnderOptionsWithoutApply)
{
    std::string sTitle;
    std::vector<std::string> aPages;
    bool bApplyShown = true;
    RunOptions([&](HWND hSheet) {
        char szText[64] = {};
        ::GetWindowTextA(hSheet, szText, sizeof(szText));
        sTitle = szText;
        HWND hTabs = PropSheet_GetTabControl(hSheet);
        for (int n = 0; n < TabCtrl_GetItemCount(hTabs); ++n) {
            char szTab[64] = {};
            TCITEMA item = {};
            item.mask = TCIF_TEXT;
            item.pszText = szTab;
            item.cchTextMax = sizeof(szTab);
            ::SendMessageA(hTabs, TCM_GETITEMA, n, reinterpret_cast<LPARAM>(&item));
            aPages.push_back(szTab);
        }
        HWND hApply = ::GetDlgItem(hSheet, 0x3021);
        bApplyShown = hApply != nullptr && ::IsWindowVisible(hApply);
        PropSheet_PressButton(hSheet, PSBTN_CANCEL);
    });

    EXPECT_EQ("Options", sTitle);
    const std::vector<std::string> aExpected = {"Frequency Range Display", "Reverberation Time Import",
                                                "Export Template", "Look and Feel", "Pop-up Window", "Test Report"};
    EXPECT_EQ(aExpected, aPages);
    EXPECT_FALSE(bApplyShown);
}

TEST_F(COptionsSheetTest, ListsTheLowerBandsUpToTheUpperAndTheUpperFromTheLower)
{
    App().m_nLowerFreq = 17;
    App().m_nUpperFreq = 40;
    RunOptions([&](HWND hSheet) {
        HWND hPage = PropSheet_GetCurrentPageHwnd(hSheet);
        EXPECT_EQ(BandLabels(8, 40), ComboTexts(hPage, IDC_LOWER_FREQ));
        EXPECT_EQ(BandLabels(17, 43), ComboTexts(hPage, IDC_UPPER_FREQ));
        EXPECT_EQ("50.0", SelectedText(hPage, IDC_LOWER_FREQ));
        EXPECT_EQ("10.0k", SelectedText(hPage, IDC_UPPER_FREQ));

        ChooseBand(hPage, IDC_UPPER_FREQ, 30);
        EXPECT_EQ(BandLabels(8, 30), ComboTexts(hPage, IDC_LOWER_FREQ));
        EXPECT_EQ("50.0", SelectedText(hPage, IDC_LOWER_FREQ));

        ChooseBand(hPage, IDC_LOWER_FREQ, 20);
        EXPECT_EQ(BandLabels(20, 43), ComboTexts(hPage, IDC_UPPER_FREQ));
        EXPECT_EQ("1.0k", SelectedText(hPage, IDC_UPPER_FREQ));
        PropSheet_PressButton(hSheet, PSBTN_OK);
    });

    EXPECT_EQ(20, App().m_nLowerFreq);
    EXPECT_EQ(30, App().m_nUpperFreq);
}

// A profile edited by hand or left by an older version may hold any band;
// the page shows the nearest one it offers and OK stores only those.
TEST_F(COptionsSheetTest, ShowsAndStoresTheNearestOfferedBandForAStoredBandOutsideTheRange)
{
    struct CCase {
        int nStoredLower, nStoredUpper;
        int nLower, nUpper;
    };
    const CCase cases[] = {
        {3, 50, 8, 43},
        {-1, 44, 8, 43},
        {44, 44, 43, 43},
        {40, 20, 40, 40},
        {8, 43, 8, 43},
    };
    for (const CCase& row : cases) {
        SCOPED_TRACE(std::to_string(row.nStoredLower) + " to " + std::to_string(row.nStoredUpper));
        App().m_nLowerFreq = row.nStoredLower;
        App().m_nUpperFreq = row.nStoredUpper;
        RunOptions([&](HWND hSheet) {
            HWND hPage = PropSheet_GetCurrentPageHwnd(hSheet);
            EXPECT_EQ(static_cast<LPCTSTR>(ThirdOctaveBandLabels[row.nLower]), SelectedText(hPage, IDC_LOWER_FREQ));
            EXPECT_EQ(static_cast<LPCTSTR>(ThirdOctaveBandLabels[row.nUpper]), SelectedText(hPage, IDC_UPPER_FREQ));
            PropSheet_PressButton(hSheet, PSBTN_OK);
        });
        EXPECT_EQ(row.nLower, App().m_nLowerFreq);
        EXPECT_EQ(row.nUpper, App().m_nUpperFreq);
    }
}

TEST_F(COptionsSheetTest, BrowsingReplacesTheFolderOnlyWhenOneIsPicked)
{
    struct CCase {
        const char* szPicked;  // null: the browser is cancelled
        const char* szFolder;
    };
    const CCase cases[] = {
        {"C:\\templates", "C:\\templates"},
        {nullptr, "C:\\old"},
    };
    for (const CCase& row : cases) {
        SCOPED_TRACE(row.szPicked ? row.szPicked : "cancelled");
        App().m_sTemplateDir = "C:\\old";
        AfxSetCommonDialogHook([&](CCommonDialog& dlg) {
            if (row.szPicked == nullptr)
                return static_cast<INT_PTR>(IDCANCEL);
            static_cast<CFolderDialog&>(dlg).SetFolderPath(row.szPicked);
            return static_cast<INT_PTR>(IDOK);
        });
        std::string sShown;
        RunOptions([&](HWND hSheet) {
            HWND hPage = ShowPage(hSheet, kExportPage);
            ::SetDlgItemTextA(hPage, IDC_TEMPLATE_DIR, "C:\\typed");
            Click(hPage, IDC_BROWSE_TEMPLATE_DIR);
            sShown = SelectedText(hPage, IDC_TEMPLATE_DIR);
            PropSheet_PressButton(hSheet, PSBTN_OK);
        });
        AfxSetCommonDialogHook({});
        EXPECT_EQ(row.szFolder, sShown);
        EXPECT_STREQ(row.szFolder, App().m_sTemplateDir);
    }
}

TEST_F(COptionsSheetTest, ShowsAnUnknownSkinAsClassicAndStoresClassic)
{
    App().m_sSkin = "Aqua";
    int nChecked = 0;
    RunOptions([&](HWND hSheet) {
        nChecked = CheckedButton(ShowPage(hSheet, kLookPage), IDC_SKIN_CLASSIC, IDC_SKIN_OFFICE_2003);
        PropSheet_PressButton(hSheet, PSBTN_OK);
    });
    EXPECT_EQ(IDC_SKIN_CLASSIC, nChecked);
    EXPECT_STREQ("Classic", App().m_sSkin);
}

TEST_F(COptionsSheetTest, KeepsAPopupValueOfNoButtonUnlessOneIsChosen)
{
    struct CCase {
        int nStored;
        int nClicked;  // 0: none
        int nShown;
        int nStoredAfter;
    };
    const CCase cases[] = {
        {7, 0, 0, 7},
        {7, IDC_POPUP_RESULT_TABLE, 0, 103},
        {102, IDC_POPUP_NO_CHANGE, IDC_POPUP_TEST_REPORT, 0},
        {0, IDC_POPUP_TEST_REPORT, IDC_POPUP_NO_CHANGE, 102},
    };
    for (const CCase& row : cases) {
        SCOPED_TRACE(std::to_string(row.nStored) + ", clicked " + std::to_string(row.nClicked));
        App().m_nPopupWindow = row.nStored;
        int nShown = -1;
        RunOptions([&](HWND hSheet) {
            HWND hPage = ShowPage(hSheet, kPopupPage);
            nShown = CheckedButton(hPage, IDC_POPUP_NO_CHANGE, IDC_POPUP_RESULT_TABLE);
            if (row.nClicked != 0)
                Click(hPage, row.nClicked);
            PropSheet_PressButton(hSheet, PSBTN_OK);
        });
        EXPECT_EQ(row.nShown, nShown);
        EXPECT_EQ(row.nStoredAfter, App().m_nPopupWindow);
    }
}

// Every page changed, then Cancel: no setting moves.
TEST_F(COptionsSheetTest, CancelWritesNothing)
{
    App().m_nLowerFreq = 17;
    App().m_nUpperFreq = 37;
    App().m_bLaunchExcel = true;
    App().m_nExportTyp = 11;
    App().m_sSkin = "Office XP";
    App().m_nPopupWindow = 102;
    App().m_bExtendedReport = false;
    App().m_bShowReportBgnIndex = true;
    App().m_sTextBgnTooHigh = "too loud";
    RunOptions([&](HWND hSheet) {
        HWND hPage = PropSheet_GetCurrentPageHwnd(hSheet);
        ChooseBand(hPage, IDC_UPPER_FREQ, 30);
        hPage = ShowPage(hSheet, kExportPage);
        Click(hPage, IDC_LAUNCH_APPLICATION);
        Click(hPage, IDC_EXPORT_WORD);
        Click(ShowPage(hSheet, kLookPage), IDC_SKIN_OFFICE_2003);
        Click(ShowPage(hSheet, kPopupPage), IDC_POPUP_RESULT_TABLE);
        hPage = ShowPage(hSheet, kReportPage);
        Click(hPage, IDC_EXTENDED_REPORT);
        Click(hPage, IDC_SHOW_REPORT_BGN_INDEX);
        ::SetDlgItemTextA(hPage, IDC_BGN_TOO_HIGH_TEXT, "other");
        ShowPage(hSheet, kFreqPage);
        PropSheet_PressButton(hSheet, PSBTN_CANCEL);
    });

    EXPECT_EQ(37, App().m_nUpperFreq);
    EXPECT_TRUE(App().m_bLaunchExcel);
    EXPECT_EQ(11, App().m_nExportTyp);
    EXPECT_STREQ("Office XP", App().m_sSkin);
    EXPECT_EQ(102, App().m_nPopupWindow);
    EXPECT_FALSE(App().m_bExtendedReport);
    EXPECT_TRUE(App().m_bShowReportBgnIndex);
    EXPECT_STREQ("too loud", App().m_sTextBgnTooHigh);
}

TEST_F(COptionsSheetTest, OKTakesEveryPagesValues)
{
    App().m_nExportTyp = 11;
    App().m_bLaunchExcel = true;
    App().m_bExtendedReport = false;
    App().m_bShowReportBgnIndex = true;
    App().m_sTextBgnTooHigh = "";
    RunOptions([&](HWND hSheet) {
        HWND hPage = ShowPage(hSheet, kExportPage);
        ::SetDlgItemTextA(hPage, IDC_TEMPLATE_DIR, "C:\\typed");
        Click(hPage, IDC_LAUNCH_APPLICATION);
        Click(hPage, IDC_EXPORT_WORD);
        Click(ShowPage(hSheet, kLookPage), IDC_SKIN_OFFICE_2003);
        hPage = ShowPage(hSheet, kReportPage);
        Click(hPage, IDC_EXTENDED_REPORT);
        Click(hPage, IDC_SHOW_REPORT_BGN_INDEX);
        ::SetDlgItemTextA(hPage, IDC_BGN_TOO_HIGH_TEXT, "L too high");
        PropSheet_PressButton(hSheet, PSBTN_OK);
    });

    EXPECT_STREQ("C:\\typed", App().m_sTemplateDir);
    EXPECT_FALSE(App().m_bLaunchExcel);
    EXPECT_EQ(12, App().m_nExportTyp);
    EXPECT_STREQ("Office 2003", App().m_sSkin);
    EXPECT_TRUE(App().m_bExtendedReport);
    EXPECT_FALSE(App().m_bShowReportBgnIndex);
    EXPECT_STREQ("L too high", App().m_sTextBgnTooHigh);
}

TEST_F(COptionsSheetTest, ShowsTheToolbarOfTheNewExportTargetAtOnce)
{
    App().m_nExportTyp = 11;
    RunOptions([&](HWND hSheet) {
        Click(ShowPage(hSheet, kExportPage), IDC_EXPORT_WORD);
        PropSheet_PressButton(hSheet, PSBTN_OK);
    });

    // The frame was made for the workbook target: the Word toolbar is the second.
    const std::vector<CControlBar*> aBars = ToolBars();
    ASSERT_EQ(2u, aBars.size());
    EXPECT_FALSE(IsShown(aBars[0]));
    EXPECT_FALSE(aBars[0]->IsWindowEnabled());
    EXPECT_TRUE(IsShown(aBars[1]));
    EXPECT_TRUE(aBars[1]->IsWindowEnabled());
}

TEST_F(COptionsSheetTest, RecalculatesOnlyAfterANewBandRange)
{
    NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    struct CCase {
        int nChosenUpper;  // 0: unchanged
        bool bRecalculated;
    };
    const CCase cases[] = {{0, false}, {30, true}};
    for (const CCase& row : cases) {
        SCOPED_TRACE(row.nChosenUpper);
        App().m_nLowerFreq = 17;
        App().m_nUpperFreq = 37;
        App().m_bWorkspaceModified = false;
        RunOptions([&](HWND hSheet) {
            if (row.nChosenUpper != 0)
                ChooseBand(PropSheet_GetCurrentPageHwnd(hSheet), IDC_UPPER_FREQ, row.nChosenUpper);
            Click(ShowPage(hSheet, kPopupPage), IDC_POPUP_RESULT_TABLE);
            PropSheet_PressButton(hSheet, PSBTN_OK);
        });
        EXPECT_EQ(row.bRecalculated, App().m_bWorkspaceModified);
    }
}

} // namespace
