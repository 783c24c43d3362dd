#include "CGRHint.h"

#include "CGRCtrl.h"
#include "CGRHintPlacement.h"

BEGIN_MESSAGE_MAP(CGRHint, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CGRHint::CGRHint(CGRCtrl* pCtrl) : m_pCtrl(pCtrl)
{
}

// Every grid's hint shares the class; the first grid's brush paints all of
// them.
BOOL CGRHint::RegisterHintClass(HBRUSH hBackground)
{
    WNDCLASSA wc = {};
    if (::GetClassInfoA(AfxGetInstanceHandle(), kClassName, &wc))
        return TRUE;
    wc.style = CS_SAVEBITS | CS_DBLCLKS;
    wc.lpfnWndProc = &AfxWndProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = hBackground ? hBackground : reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_INFOBK + 1));
    wc.lpszClassName = kClassName;
    return ::RegisterClassA(&wc) != 0;
}

int CGRHint::Create(CWnd* pParent, HBRUSH hBackground)
{
    if (!RegisterHintClass(hBackground))
        return 0;
    if (!CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP | WS_BORDER, CRect(0, 0, 0, 0),
                  pParent, 0))
        return 0;
    m_sText.Empty();
    m_crText = RGB(0, 0, 0);
    m_crBack = RGB(255, 255, 224);
    m_nTextAlign = 1;
    m_nStyle = 1;
    m_pFont = nullptr;
    m_nTextHeight = TextExtent("X").cy;
    return 1;
}

void CGRHint::SetTextAlign(int nFlags)
{
    m_nTextAlign = nFlags;
}

void CGRHint::SetStyle(int nStyle)
{
    m_nStyle = nStyle;
}

void CGRHint::SetText(LPCTSTR lpszText, int nRedraw)
{
    m_sText = lpszText;
    if (nRedraw && GetSafeHwnd())
        Invalidate();
}

const CString& CGRHint::GetText() const
{
    return m_sText;
}

int CGRHint::GetTextAlign() const
{
    return m_nTextAlign;
}

CSize CGRHint::TextExtent(LPCTSTR lpszText)
{
    CClientDC dc(this);
    if (m_pFont)
        dc.SelectObject(m_pFont);
    return dc.GetTextExtent(CString(lpszText));
}

// Placed beside the point after the placement flags and inside the
// control, then shown at once without taking the activation.
void CGRHint::MoveHintWindow(int x, int y, int nMinWidth)
{
    if (!GetSafeHwnd())
        return;
    CRect client;
    m_pCtrl->GetClientRect(&client);
    CSize size(CGRHintPlacement::Width(TextExtent(m_sText).cx, nMinWidth), m_nTextHeight);
    CRect rect = CGRHintPlacement::Place(CPoint(x, y), size, m_nTextAlign, client.Size());
    m_pCtrl->ClientToScreen(&rect);
    ShowWindow(SW_HIDE);
    MoveWindow(&rect, FALSE);
    ShowWindow(SW_SHOWNOACTIVATE);
    UpdateWindow();
}

void CGRHint::Hide()
{
    if (GetSafeHwnd())
        ShowWindow(SW_HIDE);
}

void CGRHint::Show()
{
    if (GetSafeHwnd() && !IsWindowVisible())
        ShowWindow(SW_SHOWNOACTIVATE);
}

void CGRHint::OnPaint()
{
    CPaintDC dc(this);
    if (!m_pCtrl->GetGridInfo()->m_bUpdateEnabled)
        return;
    if (m_pFont)
        dc.SelectObject(m_pFont);
    dc.SetTextColor(m_crText);
    dc.SetBkColor(m_crBack);
    dc.SetBkMode(OPAQUE);
    CRect client;
    GetClientRect(&client);
    dc.DrawText(m_sText, m_sText.GetLength(), &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
