// Behaviours of the reverberation import page in an options sheet of its
// own: the stored choice shown (unknown values as AUTO), the button checked
// on OK written to the application's setting, the choice kept while another
// page is shown, Cancel leaving the setting alone, and the page made from
// its runtime class.

#include "app/AppSettings.h"
#include "app/RevCalcPage.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

// An application that holds the program's settings, as the program's does.
class CSettingsApp : public CWinApp, public CAppSettings {
public:
    CSettingsApp() : CWinApp("Reverberation Page Test") {}
};

int CheckedButton(HWND hSheet)
{
    HWND hPage = PropSheet_GetCurrentPageHwnd(hSheet);
    for (int nID : { IDC_REVERB_SECONDARY, IDC_REVERB_PRIMARY, IDC_REVERB_AUTO }) {
        if (::IsDlgButtonChecked(hPage, nID) == BST_CHECKED)
            return nID;
    }
    return 0;
}

void Click(HWND hSheet, int nID)
{
    ::SendMessage(::GetDlgItem(PropSheet_GetCurrentPageHwnd(hSheet), nID), BM_CLICK, 0, 0);
}

class RevCalcPageTest : public ::testing::Test {
protected:
    // Shows a sheet with a page made from its runtime class (and the other
    // page when given); the action sees the sheet once it is up and ends it.
    INT_PTR RunSheet(const std::function<void(HWND)>& action, CPropertyPage* pOtherPage = nullptr)
    {
        m_pPage.reset(static_cast<CRevCalcPage*>(RUNTIME_CLASS(CRevCalcPage)->CreateObject()));
        CPropertySheet sheet("Options");
        sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
        sheet.AddPage(m_pPage.get());
        if (pOtherPage)
            sheet.AddPage(pOtherPage);
        CModalDialogWatch watch(action);
        const INT_PTR nResult = sheet.DoModal();
        PumpMessages(FALSE);
        return nResult;
    }

    CSettingsApp m_app;
    CMessageBoxRecorder m_boxes;
    std::unique_ptr<CRevCalcPage> m_pPage;
};

}  // namespace

TEST_F(RevCalcPageTest, ShowsTheStoredChoiceAndWritesTheCheckedOneOnOK)
{
    struct CCase {
        int nStored;
        int nShown;
        int nWritten;
    };
    const CCase cases[] = {
        { 0, IDC_REVERB_PRIMARY, 0 },
        { 1, IDC_REVERB_SECONDARY, 1 },
        { 2, IDC_REVERB_AUTO, 2 },
        { 3, IDC_REVERB_AUTO, 2 },
        { -1, IDC_REVERB_AUTO, 2 },
    };
    for (const CCase& row : cases) {
        SCOPED_TRACE("stored " + std::to_string(row.nStored));
        m_app.m_nReverbImport = row.nStored;
        int nShown = -1;

        EXPECT_EQ(RunSheet([&](HWND hSheet) {
            nShown = CheckedButton(hSheet);
            PropSheet_PressButton(hSheet, PSBTN_OK);
        }), IDOK);
        EXPECT_EQ(nShown, row.nShown);
        EXPECT_EQ(m_app.m_nReverbImport, row.nWritten);
    }
}

TEST_F(RevCalcPageTest, WritesTheUsersChoiceOnOKOnly)
{
    struct CCase {
        int nStored;
        int nClicked;
        int nSheetButton;
        int nWritten;
    };
    const CCase cases[] = {
        { 2, IDC_REVERB_PRIMARY, PSBTN_OK, 0 },
        { 0, IDC_REVERB_SECONDARY, PSBTN_OK, 1 },
        { 1, IDC_REVERB_AUTO, PSBTN_OK, 2 },
        { 7, IDC_REVERB_SECONDARY, PSBTN_CANCEL, 7 },
        { 0, IDC_REVERB_AUTO, PSBTN_CANCEL, 0 },
    };
    for (const CCase& row : cases) {
        SCOPED_TRACE("stored " + std::to_string(row.nStored) + ", clicked " + std::to_string(row.nClicked));
        m_app.m_nReverbImport = row.nStored;

        EXPECT_EQ(RunSheet([&](HWND hSheet) {
            Click(hSheet, row.nClicked);
            PropSheet_PressButton(hSheet, row.nSheetButton);
        }), row.nSheetButton == PSBTN_OK ? IDOK : IDCANCEL);
        EXPECT_EQ(m_app.m_nReverbImport, row.nWritten);
    }
}

TEST_F(RevCalcPageTest, KeepsTheChoiceWhileAnotherPageIsShown)
{
    CPropertyPage otherPage(IDD_REVCALC_PAGE);
    m_app.m_nReverbImport = 0;
    int nChoiceAway = -1;
    int nShownAgain = 0;
    const INT_PTR nResult = RunSheet(
        [&](HWND hSheet) {
            Click(hSheet, IDC_REVERB_SECONDARY);
            PropSheet_SetCurSel(hSheet, nullptr, 1);
            nChoiceAway = m_pPage->m_nReverbChoice;
            PropSheet_SetCurSel(hSheet, nullptr, 0);
            nShownAgain = CheckedButton(hSheet);
            PropSheet_PressButton(hSheet, PSBTN_CANCEL);
        },
        &otherPage);

    EXPECT_EQ(nResult, IDCANCEL);
    EXPECT_EQ(nChoiceAway, 1);
    EXPECT_EQ(nShownAgain, IDC_REVERB_SECONDARY);
    EXPECT_EQ(m_app.m_nReverbImport, 0);
}
