#pragma once
// Classes in this file: CMiniFrameWnd, a small frame with a tool caption
// (a floating bar's frame). MFS_MOVEFRAME makes its edges move it like the
// caption; MFS_4THICKFRAME sizes it by the sides only, never the corners;
// with MFS_SYNCACTIVE its caption is active exactly when its owner frame's
// is (WM_FLOATSTATUS).

#include "CFrameWnd.h"

#define MFS_SYNCACTIVE 0x0100L
#define MFS_4THICKFRAME 0x0200L
#define MFS_THICKFRAME 0x0400L
#define MFS_MOVEFRAME 0x0800L
#define MFS_BLOCKSYSMENU 0x1000L

class CMiniFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd() = default;

    // dwStyle: window styles and MFS_ styles; pParentWnd owns the frame.
    BOOL Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd = nullptr, UINT nID = 0);

    BOOL m_bActive = FALSE;  // the caption shows active (MFS_SYNCACTIVE)

protected:
    CFrameWnd* GetOwnerFrame() const;

    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);

    DWORD m_dwMiniFrameStyle = 0;  // the MFS_ styles

    DECLARE_MESSAGE_MAP()
};
