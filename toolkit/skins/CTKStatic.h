#pragma once
// Classes in this file: CTKStatic, a static control with a font of its own,
// its own text colour, a plain or graded background (or none: the parent
// shows through), an optional tool tip and an optional sizing to its text.

#include "afxwin.h"

class CTKStatic : public CStatic {
    DECLARE_DYNAMIC(CTKStatic)
public:
    // How the background is painted: a plain fill, or vertical strips
    // falling off to black from the right edge, from both edges, or from
    // the left edge.
    enum BackgroundMode { solid = 0, gradeFromRight = 1, gradeFromBothEdges = 2, gradeFromLeft = 3 };

    CTKStatic();

    // CLR_NONE: the background is not erased.
    void SetBackground(COLORREF crBackground, int nMode = solid);
    void SetTextColor(COLORREF crText);
    void EnableTooltip(BOOL bEnable);
    // An explicit tip text; null gives the implicit one back.
    void SetTooltipText(LPCTSTR lpszText);
    void SetFitToText(BOOL bFit);

    virtual void RefreshFont();
    virtual void Initialize();
    virtual void RefreshTooltipText();
    virtual HBRUSH OnCtlColor(CDC* pDC);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The strip colour d pixels from the full colour edge of a fall-off over
    // nRange pixels: each channel c becomes c - c·d²/nRange²; the full
    // colour over no range.
    static COLORREF FallOffColor(COLORREF crFull, int d, int nRange);

protected:
    void PreSubclassWindow() override;
    // Text styles (left, centred, right, simple, left without wrap) take the
    // font, the text colour and the fit to the text.
    BOOL IsTextStyle() const;
    void SetToolText(const CString& sText);
    void FitToText();

    COLORREF m_crText;
    BOOL m_bUnderlineFont = FALSE;
    BOOL m_bTooltip = FALSE;
    BOOL m_bExplicitTooltipText = FALSE;
    BOOL m_bFitToText = FALSE;
    CFont m_font;

    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    CRect ClientRect() const;
    CRect FittedRect(CSize text) const;
    void StoreRect();
    void PaintBackground(CDC* pDC, const CRect& rect) const;
    void PaintFallOff(CDC* pDC, const CRect& rect) const;

    COLORREF m_crBackground;
    int m_nBackgroundMode = solid;
    CString m_sTooltipText;
    CToolTipCtrl m_wndToolTip;
    CRect m_rectStored;  // in the parent's client coordinates, before fitting
    BOOL m_bInitialized = FALSE;
};
