#pragma once
// Classes in this file: CTKSkinnedTabCtrl, a tab control whose whole client
// area the current tab part skin paints; base of the docking tab control and
// of the MDI tab workspace.

#include "afxwin.h"

#include "CTKPartSkinSlot.h"
#include "CTKSkinnedSpinCtrl.h"
#include "CTKTabSkinClassic.h"

class CTKSkinnedTabCtrl : public CTabCtrl {
    DECLARE_DYNAMIC(CTKSkinnedTabCtrl)
public:
    CTKSkinnedTabCtrl();

    CTKTabSkin* GetTabSkin() { return m_tabSkin.Get(); }

    // The spin member of a skinned tab control, null for any other window:
    // the skins subclass the control's scroll arrows with it.
    static CTKSkinnedSpinCtrl* GetSpinCtrl(CWnd* pWnd);

protected:
    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    CTKPartSkinSlot<CTKTabSkin, CTKTabSkinClassic> m_tabSkin;
    CTKSkinnedSpinCtrl m_wndSpin;
};
