#pragma once
// Classes in this file: CTKSizableMiniDockFrameWnd, the floating frame of
// sizable control bars. For now the framework's floating frame under the
// toolkit's name, whose border, caption and close button its mini-frame
// skin paints; no sizing, frame kinds or reduced system menu yet.

#include "afxwin.h"

#include "CTKMiniFrameSkinClassic.h"
#include "CTKPartSkinSlot.h"

class CTKSizableMiniDockFrameWnd : public CMiniDockFrameWnd {
    DECLARE_DYNCREATE(CTKSizableMiniDockFrameWnd)
public:
    CTKSizableMiniDockFrameWnd();

    // The current skin's mini-frame skin, else a classic one of the frame's
    // own.
    CTKMiniFrameSkin* GetMiniFrameSkin() { return m_ownSkin.Get(); }

    // The frame has a close button only while its system menu has items.
    BOOL HasSystemMenuItems() const;

// What the classic skin leaves to the system and the framework
    void PaintSystemNonClient();
    BOOL ActivateAsMiniFrame(BOOL bActive);

protected:
    afx_msg void OnNcPaint();
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg LRESULT OnNcMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);

    CTKPartSkinSlot<CTKMiniFrameSkin, CTKMiniFrameSkinClassic> m_ownSkin;

    DECLARE_MESSAGE_MAP()
};
