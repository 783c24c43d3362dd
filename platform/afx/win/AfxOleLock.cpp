#include "AfxOleLock.h"

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

// The last lock of a program the user does not control closes its main
// window, which ends the program.
void AfxOleUnlockApp()
{
    if (s_nLockCount == 0)
        return;
    if (--s_nLockCount == 0 && !s_bUserCtrl) {
        CWnd* pMainWnd = AfxGetMainWnd();
        if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr)
            pMainWnd->PostMessage(WM_CLOSE);
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
