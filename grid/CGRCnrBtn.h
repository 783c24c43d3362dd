#pragma once
// Classes in this file: CGRCnrBtn, the corner button of a grid control
// (child id 4) above the side heading and left of the top heading. It shows
// the corner cell (-1, -1), reports clicks to the control, opens the popup
// menu, and sizes the headings from its edges when the sheet allows it.

#include "afxwin.h"

#include "CGRCellTip.h"
#include "CGRCornerSizing.h"

class CGRCtrl;

class CGRCnrBtn : public CWnd {
public:
    explicit CGRCnrBtn(CGRCtrl* pCtrl);

    // The corner cell drawn by its type over the client rectangle.
    void DrawCorner(CDC* pDC);
    CGRCornerSizing::Zone GetSizingZone() const;

    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    CRect ClientRect() const;
    void ShowSizingCursor() const;

    CGRCtrl* m_pCtrl;
    CGRCornerSizing m_sizing;
    mutable CGRCellTip m_tip;
};
