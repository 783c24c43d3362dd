#pragma once
// Classes in this file: CTKSizableMiniDockFrameWnd, the floating frame of
// the bars a frame floats. A frame that holds one sizable bar is a sizable
// tool window whose size is the bar's floating size, with a reduced system
// menu (Move, Size, and Close, named Hide unless closing deletes the bar);
// a frame of a bar that lays itself out by length is sized by its sides;
// any other is moved by its edges. Its border, caption and close button are
// painted by the mini-frame skin.

#include "afxwin.h"

#include "CTKMiniFrameSkinClassic.h"
#include "CTKPartSkinSlot.h"

class CTKSharedMouseHook;
class CTKSizeControlBar;

class CTKSizableMiniDockFrameWnd : public CMiniDockFrameWnd {
    DECLARE_DYNCREATE(CTKSizableMiniDockFrameWnd)
public:
    // What the frame decided it is (m_nFrameKind).
    enum FrameKind { kindUndecided = 0, kindMiniDockFrame = 1, kindSizeBarFrame = 2 };

    CTKSizableMiniDockFrameWnd();

    // Decides the frame's kind once, from the bar it holds then, and shapes
    // its border and system menu.
    int GetFrameKind();

    // The current skin's mini-frame skin, else a classic one of the frame's
    // own.
    CTKMiniFrameSkin* GetMiniFrameSkin() { return m_pOwnSkin.Get(); }

    // The frame has a close button only while its system menu has items.
    BOOL HasSystemMenuItems() const;

    // The system cursor a frame edge (hit code) shows.
    static LPCTSTR CursorForHitTest(UINT nHitTest);
    // The shared mouse hook that clears the close button's hot look.
    static const CTKSharedMouseHook& GetMouseHook();

// What the classic skin leaves to the system and the framework
    void PaintSystemNonClient();
    BOOL ActivateAsMiniFrame(BOOL bActive);

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnClose();
    afx_msg void OnNcPaint();
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg LRESULT OnNcMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);

    BOOL m_bInClose = FALSE;
    int m_nFrameKind = kindUndecided;
    CTKPartSkinSlot<CTKMiniFrameSkin, CTKMiniFrameSkinClassic> m_pOwnSkin{&CTKSkin::GetMiniFrameSkin};

    DECLARE_MESSAGE_MAP()

private:
    BOOL IsMultiBarFrame() const;
    // The sizable bar the frame holds alone, or null.
    CTKSizeControlBar* GetSingleSizeBar() const;
    void ReduceSystemMenu(BOOL bCloseDeletesBar);
    void TrackSystemMenu(CPoint ptScreen);
    void PressCaption(UINT nHitTest, CPoint point);
};
