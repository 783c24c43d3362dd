#pragma once
// Classes in this file: CTKHostedControl, what a control must offer to be
// hosted in a toolbar button: its window, made on demand as a child of the
// bar, a copy of itself for a second bar, and its own settings for the
// bar's saved state. The bar reaches the control's window only through it.

#include "afxwin.h"

class CArchive;

class CTKHostedControl {
public:
    virtual ~CTKHostedControl() = default;

    // The window object; its window may not exist yet.
    virtual CWnd* GetHostedWindow() = 0;
    virtual BOOL CreateHostedWindow(UINT nID, CWnd* pParentWnd, DWORD dwStyle, DWORD dwValue,
                                    LPCTSTR lpszClassName, LPCTSTR lpszWindowName) = 0;
    // A new control of the same kind whose window is a child of pParentWnd;
    // null when that fails.
    virtual CTKHostedControl* CreateCopy(CWnd* pParentWnd) = 0;
    // The button that hosts the control has been deleted from its bar.
    virtual void OnButtonDeleted() = 0;
    virtual void OnCustomizationMode(BOOL bCustomizing) = 0;
    // A copy is never used again once its button has been deleted.
    virtual BOOL IsCopy() = 0;
    virtual void SaveState(CArchive& ar) = 0;
    virtual void LoadState(CArchive& ar) = 0;
};
