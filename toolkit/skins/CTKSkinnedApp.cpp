#include "CTKSkinnedApp.h"

CTKSkinnedApp::CTKSkinnedApp() : m_skinNames{"Classic", "Office XP", "Office 2003"}
{
    SetCurrentSkin("Office XP");
}

// The names compare exactly. A live main window is laid out and painted
// again at once, as a change of look needs.
BOOL CTKSkinnedApp::SetCurrentSkin(LPCTSTR lpszSkinName)
{
    CString sName(lpszSkinName ? lpszSkinName : "");
    if (m_skinNames.count(sName) == 0) {
        m_sCurrentSkin.Empty();
        return FALSE;
    }
    m_sCurrentSkin = sName;
    CWnd* pMainWnd = GetMainWnd();
    if (pMainWnd != nullptr && ::IsWindow(pMainWnd->m_hWnd)) {
        pMainWnd->SetWindowPos(nullptr, 0, 0, 0, 0,
                               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        pMainWnd->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    return TRUE;
}
