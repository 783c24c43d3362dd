// CVestolarApp: Help > About Vestolar... and the help of Help > Contents and F1.

#include "VestolarApp.h"

#include "AboutDlg.h"

#include "res/resource.h"

void CVestolarApp::OnAppAbout()
{
    CAboutDlg dlg;
    dlg.DoModal();
}

void CVestolarApp::OnHelpContents()
{
    WinHelp(0, HELP_FINDER);
}

// Whatever topic is asked, the language's help file opens at its default
// topic. No help file ships with the program yet, so a missing one is named
// in a box: otherwise F1 would seem to do nothing at all.
void CVestolarApp::WinHelp(DWORD_PTR, UINT)
{
    if (m_pszHelpFilePath == nullptr || ::GetFileAttributesA(m_pszHelpFilePath) == INVALID_FILE_ATTRIBUTES) {
        CString sMessage;
        AfxFormatString1(sMessage, IDS_HELP_FILE_MISSING, m_pszHelpFilePath ? m_pszHelpFilePath : "");
        AfxMessageBox(sMessage, MB_OK | MB_ICONINFORMATION);
        return;
    }
    m_HtmlHelp.DisplayTopic(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, m_pszHelpFilePath);
}
