#pragma once
// Classes in this file: CTKSkinnedSpinCtrl, the scroll arrows a skinned tab
// control shows when its tabs do not fit, painted by the tab part skin with a
// hover look that goes when the mouse leaves them.

#include "afxwin.h"

#include "CTKPartSkinSlot.h"
#include "CTKTabSkinClassic.h"

class CTKSkinnedSpinCtrl : public CSpinButtonCtrl {
    DECLARE_DYNCREATE(CTKSkinnedSpinCtrl)
public:
    CTKSkinnedSpinCtrl();

    CTKTabSkin* GetTabSkin() { return m_tabSkin.Get(); }

    // Whether the shared mouse hook of the spin controls is installed.
    static BOOL IsMouseHookInstalled();

protected:
    void PreSubclassWindow() override;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    static LRESULT CALLBACK MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    static CTKSkinnedSpinCtrl* FromHandleSpin(HWND hWnd);

    CTKPartSkinSlot<CTKTabSkin, CTKTabSkinClassic> m_tabSkin;
    BOOL m_bHoldsHook = FALSE;  // counted among the hook's users
};
