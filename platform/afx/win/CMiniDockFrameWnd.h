#pragma once
// Classes in this file: CMiniDockFrameWnd, the small frame a floating bar
// lies in: a floating dock bar as its client, the caption titled with the
// bar's name. A press on the caption drags the bar, on a side sizes it (a
// toolbar into rows), a double click docks it again, closing hides the
// bars (View brings them back).

#include "CDockBar.h"
#include "CMiniFrameWnd.h"

class CMiniDockFrameWnd : public CMiniFrameWnd {
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
    CMiniDockFrameWnd();

    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // The rectangle of a floating frame around a client rectangle (both
    // screen).
    static void CalcFrameRect(CRect& rect);

    CDockBar m_wndDockBar;

protected:
    CControlBar* GetFirstBar() const;

    afx_msg void OnClose();
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);

    DECLARE_MESSAGE_MAP()
};
