#pragma once
// Dialog templates of the resource module, the dialog procedure of every
// framework dialog window and the owner of modal dialogs. Internal to the
// framework.

#include "afx.h"

class CWnd;

// The template lpszTemplateName of AfxGetResourceHandle(), null if missing.
LPCDLGTEMPLATE AfxLoadDialogTemplate(LPCTSTR lpszTemplateName);

// Hands WM_INITDIALOG to the CDialog attached to the window; every other
// message reaches the object through its window procedure.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// The owner of a modal dialog: the top-level window of pParentWnd, else of
// the main window; the system disables it while the dialog runs.
HWND AfxModalOwner(CWnd* pParentWnd);
