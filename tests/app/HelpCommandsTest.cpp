// Behaviours of the Help menu: About Vestolar... opens the About box; Help >
// Contents (and F1, which the accelerators map to it) names a missing help
// file in a box, and with the file present loads HTML Help only then.

#include "ShellWindowsFixture.h"

#include "res/resource.h"

#include <cstdio>

namespace {

TEST_F(CShellWindowsTest, AboutOpensTheAboutBox)
{
    std::string sTitle;
    CModalDialogWatch watch([&](HWND hDlg) {
        char szTitle[64] = {};
        ::GetWindowTextA(hDlg, szTitle, sizeof(szTitle));
        sTitle = szTitle;
        ::PostMessage(hDlg, WM_COMMAND, IDOK, 0);
    });
    Command(ID_APP_ABOUT);
    EXPECT_EQ("About Vestolar", sTitle);
}

TEST_F(CShellWindowsTest, HelpContentsNamesAMissingHelpFile)
{
    const std::string sHelpFile = App().m_pszHelpFilePath;
    ASSERT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(sHelpFile.c_str()));
    EXPECT_EQ("\\Vestolar.chm", sHelpFile.substr(sHelpFile.rfind('\\')));

    Command(ID_HELP_CONTENTS);

    ASSERT_EQ(1u, m_boxes.m_boxes.size());
    EXPECT_EQ("The help file " + sHelpFile + " cannot be found.", m_boxes.m_boxes[0].sText);
}

TEST_F(CShellWindowsTest, HelpContentsLoadsHtmlHelpOnlyWhenAskedForAnExistingFile)
{
    ASSERT_EQ(nullptr, ::GetModuleHandleA("hhctrl.ocx"));
    const std::string sHelpFile = App().m_pszHelpFilePath;
    FILE* pFile = std::fopen(sHelpFile.c_str(), "wb");
    ASSERT_NE(nullptr, pFile);
    std::fclose(pFile);

    Command(ID_HELP_CONTENTS);

    EXPECT_NE(nullptr, ::GetModuleHandleA("hhctrl.ocx"));
    EXPECT_TRUE(m_boxes.m_boxes.empty());
    std::remove(sHelpFile.c_str());
}

} // namespace
