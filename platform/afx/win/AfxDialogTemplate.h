#pragma once
// Dialog templates of the resource module and the dialog procedure of every
// framework dialog window. Internal to the framework.

#include "afx.h"

// The template lpszTemplateName of AfxGetResourceHandle(), null if missing.
LPCDLGTEMPLATE AfxLoadDialogTemplate(LPCTSTR lpszTemplateName);

// Hands WM_INITDIALOG to the CDialog attached to the window; every other
// message reaches the object through its window procedure.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
