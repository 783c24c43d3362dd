#pragma once
// Classes in this file: CDataExchange, one run of a window's DoDataExchange:
// its direction, the control exchanged last (where a failed check puts the
// focus back) and the failure that ends the run.

#include "afx.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

// Attributes
    BOOL m_bSaveAndValidate;  // TRUE: controls to members, with checks
    CWnd* m_pDlgWnd;          // the window whose controls are exchanged

// Operations (for the DDX_ and DDV_ functions)
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Focuses the control exchanged last and ends the exchange; the caller
    // has told the user what is wrong.
    [[noreturn]] void Fail();

    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
};
