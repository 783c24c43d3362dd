#pragma once
// The framework's message boxes. Every box of the program goes through
// AfxShowMessageBox; a test installs a hook there that records the text and
// answers as the test scripts it, and no box appears.

#include "afx.h"

#include <functional>

using AfxMessageBoxHook = std::function<int(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)>;

// An empty hook brings the real boxes back.
void AfxSetMessageBoxHook(AfxMessageBoxHook hook);

int AfxShowMessageBox(HWND hWndOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType);

// A box with the application's title as caption (through CWinApp::DoMessageBox).
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
