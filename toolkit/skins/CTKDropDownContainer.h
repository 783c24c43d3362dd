#pragma once
// Classes in this file: CTKDropDownContainer, the popup window that hosts the
// control a combo picker drops: it gives the control its whole client area
// and the focus, and hands the control's tree and list notifications back to
// it.

#include "afxwin.h"

// Notifications of the hosted control, sent back to it as these messages
// (wParam: the notification's result, lParam: the notification).
#define WM_TK_TREE_ITEMEXPANDING 0x8076
#define WM_TK_TREE_ITEMEXPANDED 0x8077
#define WM_TK_TREE_SELCHANGING 0x8078
#define WM_TK_TREE_SELCHANGED 0x8079
#define WM_TK_LIST_ITEMCHANGING 0x807A

// The container's own style bit, in the class-specific low word.
#define TKS_DROPDOWN_CONTAINER 0x0100L

class CTKDropDownContainer : public CWnd {
public:
    CTKDropDownContainer() = default;

    BOOL Create(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pOwner);
    BOOL SetDropDownCtrl(CWnd* pWnd);
    CWnd* GetDropDownCtrl() const { return m_pDropDownCtrl; }

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    void FitDropDownCtrl();

    CWnd* m_pDropDownCtrl = nullptr;
};
