#pragma once
// Classes in this file: CGRTab, the sheet tabs of a grid control (child id
// 5), left of the horizontal scroll bar: a small scroll bar that moves the
// strip, the tabs, and a splitter at the right end that sizes the tab
// area. Choosing a tab tells the control (OnTabSelected) which sheet the
// user wants.

#include "afxwin.h"

#include "CGRTabStrip.h"

class CGRCtrl;

class CGRTab : public CWnd {
public:
    explicit CGRTab(CGRCtrl* pCtrl);

    static constexpr UINT kScrollBarID = 100;

    // The tab area's width, at least 40; only the tabs and the scroll bar
    // move.
    void SetTabWidth(int nWidth);
    void Update();
    void CalcScrollRange();
    CGRTabStrip& GetStrip();
    // A tab's width for its label in the tab font.
    int MeasureLabel(LPCTSTR lpszLabel);

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void DrawTab(CDC* pDC, int nIndex, const CRect& client);
    void DrawSplitter(CDC* pDC, const CRect& client);
    int ClientWidth() const;
    bool InResizeZone(CPoint point) const;

    CGRCtrl* m_pCtrl;
    CScrollBar m_scrollBar;
    CFont m_font;
    CGRTabStrip m_strip;
    int m_bInResizeZone = 0;
    int m_bResizing = 0;
};
