#include "CTKSkinnedApp.h"

#include "CTKSizableMiniDockFrameWnd.h"
#include "CTKSkin2003.h"
#include "CTKSkinClassic.h"

IMPLEMENT_DYNAMIC(CTKSkinnedApp, CWinApp)

CTKSkinnedApp::CTKSkinnedApp()
{
    AddSkin(new CTKSkinClassic);
    AddSkin(new CTKSkinXP);
    AddSkin(new CTKSkin2003);
    SetCurrentSkin("Office XP");
}

CTKSkinnedApp::~CTKSkinnedApp()
{
    POSITION pos = m_mapSkins.GetStartPosition();
    while (pos != nullptr) {
        CString sName;
        void* pSkin = nullptr;
        m_mapSkins.GetNextAssoc(pos, sName, pSkin);
        delete static_cast<CTKSkin*>(pSkin);
    }
    m_mapSkins.RemoveAll();
}

void CTKSkinnedApp::AddSkin(CTKSkin* pSkin)
{
    m_mapSkins.SetAt(pSkin->GetName(), pSkin);
}

// The name compares exactly, case and spaces included. An unknown name
// leaves the application without a skin: every toolkit window then draws
// with its own classic part skin. A live main window, its children and its
// floating bar frames are laid out and painted again at once, since the new
// part skins may have other metrics.
BOOL CTKSkinnedApp::SetCurrentSkin(LPCTSTR lpszSkinName)
{
    void* pFound = nullptr;
    if (lpszSkinName == nullptr || !m_mapSkins.Lookup(lpszSkinName, pFound)) {
        m_pCurrentSkin = nullptr;
        return FALSE;
    }
    m_pCurrentSkin = static_cast<CTKSkin*>(pFound);
    m_nCurrentSkinType = m_pCurrentSkin->GetType();
    CWinThread* pThread = AfxGetThread();
    CWnd* pMainWnd = pThread != nullptr ? pThread->GetMainWnd() : nullptr;
    if (pMainWnd != nullptr && ::IsWindow(pMainWnd->m_hWnd)) {
        RedrawFloatingFrames(pMainWnd);
        RedrawWindowTree(pMainWnd);
    }
    return TRUE;
}

CTKSkinnedApp* CTKSkinnedApp::GetSkinnedApp()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || !pApp->IsKindOf(RUNTIME_CLASS(CTKSkinnedApp)))
        return nullptr;
    return static_cast<CTKSkinnedApp*>(pApp);
}

// A maximised window keeps its size, so it gets no WM_SIZE; every window is
// re-framed (its non-client area depends on the skin) and repainted.
void CTKSkinnedApp::RedrawWindowTree(CWnd* pWnd)
{
    CRect rectClient;
    pWnd->GetClientRect(&rectClient);
    if ((pWnd->GetStyle() & WS_MAXIMIZE) == 0)
        pWnd->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rectClient.Width(), rectClient.Height()));
    pWnd->SetWindowPos(nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED |
                           SWP_NOOWNERZORDER);
    pWnd->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (HWND hChild = ::GetWindow(pWnd->m_hWnd, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        RedrawWindowTree(CWnd::FromHandle(hChild));
    }
}

// The floating frames of the main window's docking bars are top-level
// windows of their own: the walk over the main window's children misses
// them.
void CTKSkinnedApp::RedrawFloatingFrames(CWnd* pMainWnd)
{
    for (HWND hTop = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hTop != nullptr;
         hTop = ::GetWindow(hTop, GW_HWNDNEXT)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hTop);
        if (pWnd != nullptr && pWnd != pMainWnd && AfxIsDescendant(pMainWnd->m_hWnd, hTop) &&
            pWnd->IsKindOf(RUNTIME_CLASS(CTKSizableMiniDockFrameWnd))) {
            RedrawWindowTree(pWnd);
        }
    }
}
