#pragma once
// Classes in this file: CGRHint, the grid's hint window: a small bordered
// popup beside the pointer that shows a short text, such as the row a
// dragged scroll-bar thumb stands for. The control creates it (without an
// id) and destroys it with its own window.

#include "afxwin.h"

class CGRCtrl;

class CGRHint : public CWnd {
public:
    explicit CGRHint(CGRCtrl* pCtrl);

    // 0 when the window class or the window cannot be made; a null brush
    // gives the tool-tip background colour.
    int Create(CWnd* pParent, HBRUSH hBackground = nullptr);
    void SetTextAlign(int nFlags);
    void SetStyle(int nStyle);
    void SetText(LPCTSTR lpszText, int nRedraw);
    // x and y in the control's client coordinates.
    void MoveHintWindow(int x, int y, int nMinWidth);
    void Hide();
    void Show();

    const CString& GetText() const;
    int GetTextAlign() const;

    static constexpr LPCTSTR kClassName = "HintWnd";

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    static BOOL RegisterHintClass(HBRUSH hBackground);
    CSize TextExtent(LPCTSTR lpszText);

    CGRCtrl* m_pCtrl;
    CString m_sText;
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crBack = RGB(255, 255, 224);
    int m_nTextAlign = 1;
    int m_nStyle = 1;
    CFont* m_pFont = nullptr;
    int m_nTextHeight = 0;
};
