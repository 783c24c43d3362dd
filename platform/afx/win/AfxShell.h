#pragma once
// The shell calls of the framework: running a file or address through its
// association and the system's beep. A test installs a hook that records the
// call and answers as the test scripts it; nothing is started and no sound
// plays.

#include "afx.h"

#include <functional>

using AfxShellExecuteHook = std::function<HINSTANCE(HWND hWnd, LPCTSTR lpszVerb, LPCTSTR lpszFile,
                                                    LPCTSTR lpszParameters, LPCTSTR lpszDirectory, int nShowCmd)>;
using AfxMessageBeepHook = std::function<void(UINT nType)>;

// An empty hook brings the real calls back.
void AfxSetShellExecuteHook(AfxShellExecuteHook hook);
void AfxSetMessageBeepHook(AfxMessageBeepHook hook);

// ShellExecute: a result of 32 or less is the shell's error code.
HINSTANCE AfxShellExecute(HWND hWnd, LPCTSTR lpszVerb, LPCTSTR lpszFile, LPCTSTR lpszParameters,
                          LPCTSTR lpszDirectory, int nShowCmd);
void AfxMessageBeep(UINT nType);
