#include "AfxShell.h"

#include <shellapi.h>

namespace {

AfxShellExecuteHook& ShellExecuteHook()
{
    static AfxShellExecuteHook hook;
    return hook;
}

AfxMessageBeepHook& MessageBeepHook()
{
    static AfxMessageBeepHook hook;
    return hook;
}

}  // namespace

void AfxSetShellExecuteHook(AfxShellExecuteHook hook)
{
    ShellExecuteHook() = std::move(hook);
}

void AfxSetMessageBeepHook(AfxMessageBeepHook hook)
{
    MessageBeepHook() = std::move(hook);
}

HINSTANCE AfxShellExecute(HWND hWnd, LPCTSTR lpszVerb, LPCTSTR lpszFile, LPCTSTR lpszParameters,
                          LPCTSTR lpszDirectory, int nShowCmd)
{
    if (ShellExecuteHook())
        return ShellExecuteHook()(hWnd, lpszVerb, lpszFile, lpszParameters, lpszDirectory, nShowCmd);
    return ::ShellExecuteA(hWnd, lpszVerb, lpszFile, lpszParameters, lpszDirectory, nShowCmd);
}

void AfxMessageBeep(UINT nType)
{
    if (MessageBeepHook())
        MessageBeepHook()(nType);
    else
        ::MessageBeep(nType);
}
