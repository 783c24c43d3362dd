// The application object: the command line, shell commands, the profile
// over the settings store and the registry, the recent-file list and its
// menu, the file dialog's filter, message boxes (hooked and real) and a
// language library's texts in place of the built-in ones.
//
// Not tested here: WinHelp (no help viewer under Wine's test prefix).
#include "TestApplicationFixture.h"
#include "TestResources.h"

#include <memory>

namespace {

HMENU FilePopup(HWND hWndFrame)
{
    return ::GetSubMenu(::GetMenu(hWndFrame), 0);
}

std::string MenuText(HMENU hMenu, UINT nPosition)
{
    char szText[128] = {};
    ::GetMenuStringA(hMenu, nPosition, szText, sizeof(szText), MF_BYPOSITION);
    return szText;
}

std::string RegistryText(const char* lpszKey, const char* lpszValue)
{
    char szText[256] = {};
    DWORD nSize = sizeof(szText);
    if (::RegGetValueA(HKEY_CURRENT_USER, lpszKey, lpszValue, RRF_RT_REG_SZ, nullptr, szText, &nSize) != ERROR_SUCCESS)
        return "<missing>";
    return szText;
}

}  // namespace

using Application = CTestApplicationTest;

TEST_F(Application, ParsesTheCommandLine)
{
    struct Row {
        const char* lpszCommandLine;
        int nShellCommand;
        const char* lpszFileName;
        BOOL bEmbedded;
        BOOL bAutomated;
        const char* lpszPrinter;
    } rows[] = {
        {"", CCommandLineInfo::FileNew, "", FALSE, FALSE, ""},
        {"project.vsp", CCommandLineInfo::FileOpen, "project.vsp", FALSE, FALSE, ""},
        {"\"C:\\My Files\\a b.vsp\"", CCommandLineInfo::FileOpen, "C:\\My Files\\a b.vsp", FALSE, FALSE, ""},
        {"/Embedding", CCommandLineInfo::FileNew, "", TRUE, FALSE, ""},
        {"-automation", CCommandLineInfo::FileNew, "", FALSE, TRUE, ""},
        {"/p x.vsp", CCommandLineInfo::FilePrint, "x.vsp", FALSE, FALSE, ""},
        {"/pt x.vsp Laser drv port", CCommandLineInfo::FilePrintTo, "x.vsp", FALSE, FALSE, "Laser"},
        {"/UNREGSERVER", CCommandLineInfo::AppUnregister, "", FALSE, FALSE, ""},
        {"-regserver", CCommandLineInfo::AppRegister, "", FALSE, FALSE, ""},
        {"REGSERVER", CCommandLineInfo::FileOpen, "REGSERVER", FALSE, FALSE, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCommandLine);
        std::string sCommandLine = row.lpszCommandLine;
        App().m_lpCmdLine = &sCommandLine[0];
        CCommandLineInfo info;
        AfxOleSetUserCtrl(TRUE);

        App().ParseCommandLine(info);

        EXPECT_EQ(info.m_nShellCommand, row.nShellCommand);
        EXPECT_EQ(info.m_strFileName, row.lpszFileName);
        EXPECT_EQ(info.m_bRunEmbedded, row.bEmbedded);
        EXPECT_EQ(info.m_bRunAutomated, row.bAutomated);
        EXPECT_EQ(info.m_strPrinterName, row.lpszPrinter);
        EXPECT_EQ(AfxOleGetUserCtrl(), !row.bEmbedded && !row.bAutomated);  // COM's program, not the user's
    }
    AfxOleSetUserCtrl(TRUE);
}

TEST_F(Application, TheShellCommandNothingOpensNoDocument)
{
    CCommandLineInfo info;
    info.m_nShellCommand = CCommandLineInfo::FileNothing;

    EXPECT_TRUE(App().ProcessShellCommand(info));
    EXPECT_EQ(App().GetOpenDocumentCount(), 0);

    info.m_nShellCommand = CCommandLineInfo::FileNew;
    EXPECT_TRUE(App().ProcessShellCommand(info));
    EXPECT_EQ(App().GetOpenDocumentCount(), 1);
}

TEST_F(Application, ProfileFunctionsWriteUnderTheRegistryKey)
{
    EXPECT_EQ(App().GetAppRegistryKey(), nullptr);
    App().SetRegistryKey("AfxTest Company");

    ASSERT_TRUE(App().WriteProfileString("Settings\\Nested", "m_sName", "Kelvin"));
    ASSERT_TRUE(App().WriteProfileInt("Settings", "m_nCount", -3));

    EXPECT_EQ(RegistryText("Software\\AfxTest Company\\Test Application\\Settings\\Nested", "m_sName"), "Kelvin");
    EXPECT_EQ(App().GetProfileString("Settings\\Nested", "m_sName"), "Kelvin");
    EXPECT_EQ(static_cast<int>(App().GetProfileInt("Settings", "m_nCount", 5)), -3);
    EXPECT_EQ(App().GetProfileInt("Settings", "missing", 5), 5u);
    HKEY hAppKey = App().GetAppRegistryKey();
    ASSERT_NE(hAppKey, nullptr);
    DWORD dwCount = 0;
    DWORD cbData = sizeof(dwCount);
    EXPECT_EQ(::RegGetValueA(hAppKey, "Settings", "m_nCount", RRF_RT_REG_DWORD, nullptr, &dwCount, &cbData),
              ERROR_SUCCESS);
    EXPECT_EQ(static_cast<int>(dwCount), -3);
    ::RegCloseKey(hAppKey);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\AfxTest Company");
}

TEST_F(Application, RecentFilesKeepTheLatestFirstAndFillTheFileMenu)
{
    App().LoadStdProfileSettings(4);
    HMENU hFile = FilePopup(MainFrame().m_hWnd);
    MainFrame().SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hFile), 0);
    EXPECT_EQ(MenuText(hFile, 1), "Recent File");
    EXPECT_TRUE(::GetMenuState(hFile, 1, MF_BYPOSITION) & MF_GRAYED);

    for (const char* lpszPath : {"C:\\a.tst", "C:\\b.tst", "C:\\c.tst", "C:\\d.tst", "C:\\e.tst", "C:\\B.TST"})
        App().AddToRecentFileList(lpszPath);
    MainFrame().SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hFile), 0);

    const char* expected[] = {"&1 C:\\B.TST", "&2 C:\\e.tst", "&3 C:\\d.tst", "&4 C:\\c.tst", "", "E&xit"};
    for (UINT i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(MenuText(hFile, i + 1), expected[i]);
    }
    EXPECT_FALSE(::GetMenuState(hFile, 1, MF_BYPOSITION) & MF_GRAYED);
    App().SaveStdProfileSettings();
    EXPECT_EQ(App().GetProfileString("Recent File List", "File1"), "C:\\B.TST");
    EXPECT_EQ(App().GetProfileString("Recent File List", "File4"), "C:\\c.tst");
}

TEST_F(Application, TheFileDialogListsTheTemplatesFileTypes)
{
    CString sDefaultExt;
    EXPECT_EQ(App().BuildFileDialogFilter(nullptr, &sDefaultExt),
              "Test Files (*.tst)|*.tst|All Files (*.*)|*.*|");
    EXPECT_EQ(sDefaultExt, "tst");

    std::string sTitle;
    std::string sFirstType;
    CModalDialogWatch watch([&](HWND hDlg) {
        char szText[128] = {};
        ::GetWindowTextA(hDlg, szText, sizeof(szText));
        sTitle = szText;
        HWND hWndTypes = ::GetDlgItem(hDlg, cmb1);
        ::SendMessageA(hWndTypes, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(szText));
        sFirstType = szText;
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    });
    MainFrame().SendMessage(WM_COMMAND, ID_FILE_OPEN);

    EXPECT_EQ(watch.GetDialogCount(), 1);
    EXPECT_EQ(sTitle, "Open");
    EXPECT_EQ(sFirstType, "Test Files (*.tst)");
    EXPECT_EQ(App().GetOpenDocumentCount(), 0);
}

TEST_F(Application, MessageBoxesCarryTheApplicationsTitleAndAnIcon)
{
    struct Row {
        UINT nType;
        UINT nExpectedIcon;
    } rows[] = {
        {MB_OK, MB_ICONEXCLAMATION},
        {MB_YESNO, MB_ICONQUESTION},
        {MB_OK | MB_ICONSTOP, MB_ICONSTOP},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nType);
        m_boxes.m_boxes.clear();
        AfxMessageBox(AFX_IDP_COMMAND_FAILURE, row.nType);
        ASSERT_EQ(m_boxes.m_boxes.size(), 1u);
        EXPECT_EQ(m_boxes.m_boxes[0].sText, "The command failed.");
        EXPECT_EQ(m_boxes.m_boxes[0].sCaption, "Test Application");
        EXPECT_EQ(m_boxes.m_boxes[0].nType & MB_ICONMASK, row.nExpectedIcon);
    }
}

TEST_F(Application, ATestCanAnswerARealMessageBox)
{
    AfxSetMessageBoxHook({});
    std::string sText;
    CModalDialogWatch watch([&](HWND hBox) {
        char szText[128] = {};
        ::GetDlgItemTextA(hBox, 0xFFFF, szText, sizeof(szText));
        sText = szText;
        ::PostMessageA(hBox, WM_COMMAND, IDNO, 0);
    });

    int nAnswer = AfxMessageBox("Keep the measurements?", MB_YESNO);

    EXPECT_EQ(nAnswer, IDNO);
    EXPECT_EQ(sText, "Keep the measurements?");
}

TEST_F(Application, ALanguageLibraryReplacesTheBuiltInTexts)
{
    HINSTANCE hLanguage = ::LoadLibraryA("AfxTestLanguage.dll");
    ASSERT_NE(hLanguage, nullptr);
    AfxSetResourceHandle(hLanguage);

    CString sIdle;
    sIdle.LoadString(AFX_IDS_IDLEMESSAGE);
    CTestDoc* pDoc = NewDocument();
    pDoc->SetTitle("Projekt 1");
    pDoc->SetModifiedFlag();
    m_boxes.Answer({IDNO});
    pDoc->SaveModified();
    MainFrame().SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    CString sMessageBar;
    MainFrame().m_wndMessageBar.GetWindowText(sMessageBar);
    auto pTemplate = std::make_unique<CMultiDocTemplate>(IDR_TESTTABLE, RUNTIME_CLASS(CTestDoc),
                                                         RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CTestView));
    CString sDocName;
    pTemplate->GetDocString(sDocName, CDocTemplate::docName);
    std::string sMenu = MenuText(pTemplate->m_hMenuShared, 0);

    AfxSetResourceHandle(nullptr);
    pTemplate.reset();
    ::FreeLibrary(hLanguage);

    EXPECT_EQ(sIdle, "Bereit");
    ASSERT_EQ(m_boxes.m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes.m_boxes[0].sText, "Aenderungen an Projekt 1 speichern?");
    EXPECT_EQ(sMessageBar, "Bereit");
    EXPECT_EQ(sDocName, "Tabelle");
    EXPECT_EQ(sMenu, "&Tabelle");
}
