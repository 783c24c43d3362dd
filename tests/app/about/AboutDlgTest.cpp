// Behaviours of the About box and its version details, in a folder of their
// own beside a library named Mestrel.dll (with a version) and none named
// Filvex32.dll: the version line and copyright of the program's version
// resource, the two contact links' actions, Details with one library found
// and one missing.

#include "app/AboutDlg.h"
#include "app/DetailsDlg.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string TextOf(HWND hDlg, int nID)
{
    char szText[512] = {};
    ::GetDlgItemTextA(hDlg, nID, szText, sizeof(szText));
    return szText;
}

std::string TitleOf(HWND hDlg)
{
    char szText[64] = {};
    ::GetWindowTextA(hDlg, szText, sizeof(szText));
    return szText;
}

} // namespace

TEST(CAboutDlg, ShowsTheProgramsVersionCopyrightAndContactLinks)
{
    CAboutDlg dlg;
    std::string sTitle, sVersion, sCopyright;
    CModalDialogWatch watch([&](HWND hDlg) {
        sTitle = TitleOf(hDlg);
        sVersion = TextOf(hDlg, IDC_ABOUT_VERSION);
        sCopyright = TextOf(hDlg, IDC_ABOUT_COPYRIGHT);
        ::PostMessage(hDlg, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());

    EXPECT_EQ("About Vestolar", sTitle);
    EXPECT_EQ("Vestolar Version 3.0.0 ", sVersion);
    EXPECT_EQ("Copyright \xa9 2026 Kelvaron", sCopyright);
    EXPECT_EQ(CTKHyperLinkAction::open, dlg.m_wndWebPage.GetAction().m_nAction);
    EXPECT_STREQ("https://www.example.com/vestolar", dlg.m_wndWebPage.GetAction().m_sTarget);
    EXPECT_EQ(CTKHyperLinkAction::mail, dlg.m_wndMail.GetAction().m_nAction);
    EXPECT_STREQ("vestolar@example.com", dlg.m_wndMail.GetAction().m_sTarget);
}

TEST(CAboutDlg, DetailsShowTheBuildRemarksAndTheLibrariesVersionsEmptyForAMissingOne)
{
    CAboutDlg dlg;
    std::string sTitle, sDetails;
    CModalDialogWatch watch([&](HWND hDlg) {
        if (TitleOf(hDlg) == "About Vestolar") {
            ::PostMessage(hDlg, WM_COMMAND, MAKEWPARAM(IDC_VERSION_DETAILS, BN_CLICKED),
                          reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, IDC_VERSION_DETAILS)));
            return;
        }
        sTitle = TitleOf(hDlg);
        sDetails = TextOf(hDlg, IDC_VERSION_DETAILS_TEXT);
        ::PostMessage(hDlg, WM_COMMAND, IDOK, 0);
        ::PostMessage(::GetParent(hDlg), WM_COMMAND, IDOK, 0);
    });
    dlg.DoModal();

    EXPECT_EQ(2, watch.GetDialogCount());
    EXPECT_EQ("Version Details", sTitle);
    EXPECT_EQ("Version information:\r\n   3.0.0.0\r\n   Designed for Windows NT/Windows 2000\r\n"
              "\r\n   Mestrel.dll: 7.1.0.3\r\n   Filvex32.dll: ",
              sDetails);
}
