#pragma once
// Classes in this file: CGRNoteTypeEWnd, the pop-up a note cell shows its
// note in: a light yellow multi-line edit that sizes itself to its text.

#include "afxwin.h"

class CGRNoteTypeEWnd : public CWnd {
public:
    CGRNoteTypeEWnd();

    static constexpr UINT kNoteID = 300;
    static constexpr UINT_PTR kTimerID = 100;
    static constexpr UINT kTimerMilliseconds = 200;

    BOOL CreateNote(CWnd* pParent);
    void FitToText();
    // Where the pointer must stay for the note to stay shown (screen).
    void SetHoverRect(const CRect& rect);

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnUpdate();
    DECLARE_MESSAGE_MAP()

private:
    CBrush m_background;
    CFont m_font;
    CRect m_hoverRect;
};
