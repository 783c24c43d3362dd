#pragma once
// Classes in this file: CCmdUI, the enable/check/text state of one command's
// user-interface item (a menu item, a bar button, a dialog control) while an
// update handler decides it.

#include "afx.h"

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI {
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

// Attributes
    UINT m_nID = 0;
    UINT m_nIndex = 0;           // position of a menu item
    CMenu* m_pMenu = nullptr;    // the popup of a menu item
    CMenu* m_pSubMenu = nullptr;
    CWnd* m_pOther = nullptr;    // the window of a bar item or control
    UINT m_nIndexMax = 0;        // item count of m_pMenu; handlers that add or
                                 // remove items keep it and m_nIndex right
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;

// Operations
    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);  // 0 clear, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Runs the update handler of m_nID found through pTarget. Without one, and
    // when bDisableIfNoHandler is set, the item is enabled exactly when the
    // command itself has a handler.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);
};
