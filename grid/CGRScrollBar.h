#pragma once
// Classes in this file: CGRScrollBar, what the grid's two scroll bars share:
// the scroll messages the control passes on turned into moves of the view,
// the popup menu on a right click, context help, and the hint beside a
// dragged thumb. CGRVScroll and CGRHScroll say what a position means.

#include "afxwin.h"

#include "GridScrollBarUpdate.h"

class CGRCtrl;

class CGRScrollBar : public CScrollBar {
public:
    CGRScrollBar(CGRCtrl* pCtrl, int nSection);

    // A WM_VSCROLL or WM_HSCROLL of the control: its code and position.
    void OnScrollMessage(UINT nCode, UINT nPos);
    // The range and position after the view or the sheet changed.
    virtual void Update() = 0;

protected:
    // Line and page steps and the ends: the control's move codes 0 to 5.
    virtual void MoveView(int nCode) = 0;
    virtual void ThumbReleased(int nPosition) = 0;
    virtual void ThumbDragged(int nPosition) = 0;
    virtual void AfterScroll();
    virtual BOOL AreHintsOn() const = 0;

    // Sets what the update asks for; TRUE when the position was set.
    BOOL Apply(const GridScrollBarUpdate& update);
    void ShowHint(const CString& sText, int nFlags, CPoint point, int nMinWidth);
    void HideHint();
    // The pointer in the control's client coordinates.
    CPoint PointerInControl() const;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CGRCtrl* m_pCtrl;
    int m_nSection;
};
