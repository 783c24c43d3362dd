#include "AfxMessageBox.h"

#include "CWinApp.h"

namespace {

AfxMessageBoxHook& Hook()
{
    static AfxMessageBoxHook hook;
    return hook;
}

}  // namespace

void AfxSetMessageBoxHook(AfxMessageBoxHook hook)
{
    Hook() = std::move(hook);
}

int AfxShowMessageBox(HWND hWndOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    if (Hook())
        return Hook()(lpszText, lpszCaption, nType);
    return ::MessageBox(hWndOwner, lpszText, lpszCaption, nType);
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (CWinApp* pApp = AfxGetApp())
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return AfxShowMessageBox(nullptr, lpszText, AfxGetAppName(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString sPrompt;
    sPrompt.LoadString(nIDPrompt);
    return AfxMessageBox(sPrompt, nType, nIDHelp == static_cast<UINT>(-1) ? nIDPrompt : nIDHelp);
}
