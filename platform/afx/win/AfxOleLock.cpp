#include "AfxOleLock.h"

#include "COleClassFactory.h"
#include "CWinApp.h"
#include "CWnd.h"

namespace {

LONG s_nLockCount = 0;
BOOL s_bUserCtrl = TRUE;

}  // namespace

void AfxOleLockApp()
{
    ++s_nLockCount;
}

// The last lock of a program the user does not control ends it: its class
// objects go at once, so a client that asks now starts a new program
// instead of reaching this one on its way out; then the main window closes,
// or without one the message loop ends.
void AfxOleUnlockApp()
{
    if (s_nLockCount == 0)
        return;
    if (--s_nLockCount == 0 && !s_bUserCtrl) {
        COleClassFactory::RevokeAllClassObjects();
        CWnd* pMainWnd = AfxGetMainWnd();
        if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr)
            pMainWnd->PostMessage(WM_CLOSE);
        else
            ::PostQuitMessage(0);
    }
}

LONG AfxOleGetLockCount()
{
    return s_nLockCount;
}

BOOL AfxOleCanExitApp()
{
    return s_nLockCount == 0;
}

void AfxOleSetUserCtrl(BOOL bUserCtrl)
{
    s_bUserCtrl = bUserCtrl;
}

BOOL AfxOleGetUserCtrl()
{
    return s_bUserCtrl;
}
