#include "CGRNoteTypeEWnd.h"

namespace {
const COLORREF kNoteBackground = 0xDCFFFA;
const int kTextLeft = 4;
const int kTextTop = 6;
const int kExtra = 12;
}

BEGIN_MESSAGE_MAP(CGRNoteTypeEWnd, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_CONTROL_REFLECT(EN_UPDATE, OnUpdate)
END_MESSAGE_MAP()

CGRNoteTypeEWnd::CGRNoteTypeEWnd() : m_background(kNoteBackground)
{
    m_font.CreateFont(14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                      DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");
}

// Hidden until a note is shown.
BOOL CGRNoteTypeEWnd::CreateNote(CWnd* pParent)
{
    CRect empty(0, 0, 0, 0);
    if (!CreateEx(0, "EDIT", "", WS_CHILD | WS_BORDER | ES_MULTILINE, empty, pParent, kNoteID))
        return FALSE;
    SetFont(&m_font, FALSE);
    return TRUE;
}

void CGRNoteTypeEWnd::SetHoverRect(const CRect& rect)
{
    m_hoverRect = rect;
}

// The text and a space, wrapped at the current width, plus a margin.
void CGRNoteTypeEWnd::FitToText()
{
    CString sText;
    GetWindowText(sText);
    sText += " ";
    CRect rect;
    GetWindowRect(&rect);
    GetParent()->ScreenToClient(&rect);
    CRect measured(0, 0, rect.Width(), 0);
    {
        CClientDC dc(this);
        CScopedSaveDC saved(dc);
        dc.SelectObject(&m_font);
        dc.DrawText(sText, &measured, DT_CALCRECT | DT_WORDBREAK);
    }
    SetWindowPos(nullptr, 0, 0, measured.Width() + kExtra, measured.Height() + kExtra,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CGRNoteTypeEWnd::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillRect(&client, &m_background);
    return TRUE;
}

void CGRNoteTypeEWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillRect(&client, &m_background);
    CString sText;
    GetWindowText(sText);
    dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    client.left += kTextLeft;
    client.top += kTextTop;
    dc.DrawText(sText, &client, DT_WORDBREAK);
}

// The note goes once the pointer has left the cell.
void CGRNoteTypeEWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kTimerID)
        return;
    CPoint cursor;
    ::GetCursorPos(&cursor);
    if (!m_hoverRect.PtInRect(cursor)) {
        KillTimer(kTimerID);
        ShowWindow(SW_HIDE);
    }
}

void CGRNoteTypeEWnd::OnUpdate()
{
    FitToText();
}
