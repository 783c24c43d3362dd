#include "CTKStatic.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CTKStatic, CStatic)

BEGIN_MESSAGE_MAP(CTKStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

// The one tool of the tip: the control's client area.
const UINT_PTR kToolID = 1;

// The strip width of a fall-off over nRange pixels cut into nParts strips;
// never under 2 pixels but for 1.
int StripWidth(int nRange, int nParts)
{
    int nWidth = nRange / nParts;
    return nWidth < 2 ? 1 : nWidth;
}

}  // namespace

CTKStatic::CTKStatic()
    : m_crText(::GetSysColor(COLOR_WINDOWTEXT)), m_crBackground(::GetSysColor(COLOR_BTNFACE))
{
}

void CTKStatic::SetBackground(COLORREF crBackground, int nMode)
{
    m_crBackground = crBackground;
    m_nBackgroundMode = nMode;
    if (m_hWnd != nullptr)
        Invalidate();
}

void CTKStatic::SetTextColor(COLORREF crText)
{
    m_crText = crText;
    if (m_hWnd != nullptr)
        Invalidate();
}

void CTKStatic::EnableTooltip(BOOL bEnable)
{
    m_bTooltip = bEnable;
    RefreshTooltipText();
}

void CTKStatic::SetTooltipText(LPCTSTR lpszText)
{
    m_bExplicitTooltipText = lpszText != nullptr;
    if (m_bExplicitTooltipText)
        SetToolText(lpszText);
    else
        RefreshTooltipText();
}

void CTKStatic::SetFitToText(BOOL bFit)
{
    m_bFitToText = bFit;
    if (bFit && m_bInitialized)
        FitToText();
}

void CTKStatic::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    if (!m_bInitialized)
        Initialize();
}

void CTKStatic::Initialize()
{
    StoreRect();
    m_wndToolTip.Create(this);
    CRect rectClient = ClientRect();
    m_wndToolTip.AddTool(this, m_sTooltipText, &rectClient, kToolID);
    m_bInitialized = TRUE;
    RefreshFont();
    RefreshTooltipText();
}

void CTKStatic::RefreshFont()
{
    if (!IsTextStyle())
        return;
    LOGFONT lf = {};
    CFont* pFont = GetFont();
    ::GetObject(pFont != nullptr ? pFont->m_hObject : ::GetStockObject(SYSTEM_FONT), sizeof(lf), &lf);
    lf.lfUnderline = static_cast<BYTE>(m_bUnderlineFont);
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&lf);
    if (m_bFitToText)
        FitToText();
}

void CTKStatic::RefreshTooltipText()
{
    if (!m_bTooltip || m_bExplicitTooltipText)
        return;
    CString sText;
    if (IsTextStyle() && m_hWnd != nullptr)
        GetWindowText(sText);
    SetToolText(sText);
}

void CTKStatic::SetToolText(const CString& sText)
{
    m_sTooltipText = sText;
    if (m_wndToolTip.m_hWnd != nullptr)
        m_wndToolTip.UpdateTipText(sText, this, kToolID);
}

// Sets SS_NOTIFY so that clicks reach the parent and the link; the
// background comes from WM_ERASEBKGND, so the text is drawn transparent.
HBRUSH CTKStatic::OnCtlColor(CDC* pDC)
{
    if ((GetStyle() & SS_NOTIFY) == 0)
        ModifyStyle(0, SS_NOTIFY);
    if (IsTextStyle()) {
        pDC->SelectObject(&m_font);
        pDC->SetTextColor(m_crText);
        pDC->SetBkMode(TRANSPARENT);
    }
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

HBRUSH CTKStatic::CtlColor(CDC* pDC, UINT)
{
    return OnCtlColor(pDC);
}

BOOL CTKStatic::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST && m_wndToolTip.m_hWnd != nullptr) {
        m_wndToolTip.Activate(m_bTooltip);
        m_wndToolTip.RelayEvent(pMsg);
    }
    return CStatic::PreTranslateMessage(pMsg);
}

LRESULT CTKStatic::OnSetText(WPARAM, LPARAM)
{
    LRESULT lResult = Default();
    RefreshTooltipText();
    if (m_bFitToText)
        FitToText();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return lResult;
}

void CTKStatic::OnSize(UINT nType, int cx, int cy)
{
    CStatic::OnSize(nType, cx, cy);
    if (!m_bInitialized)
        return;
    if (m_bFitToText) {
        FitToText();
        return;
    }
    StoreRect();
    CRect rectClient = ClientRect();
    m_wndToolTip.SetToolRect(this, kToolID, &rectClient);
}

void CTKStatic::OnDestroy()
{
    if (m_wndToolTip.m_hWnd != nullptr) {
        m_wndToolTip.DelTool(this, kToolID);
        m_wndToolTip.DestroyWindow();
    }
    CStatic::OnDestroy();
}

BOOL CTKStatic::OnEraseBkgnd(CDC* pDC)
{
    if (m_crBackground == CLR_NONE)
        return TRUE;
    const CRect rectClient = ClientRect();
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rectClient);
    PaintBackground(pDC, rectClient);
    pDC->RestoreDC(nSaved);
    return TRUE;
}

void CTKStatic::PaintBackground(CDC* pDC, const CRect& rect) const
{
    if (m_nBackgroundMode == solid)
        pDC->FillSolidRect(&rect, m_crBackground);
    else
        PaintFallOff(pDC, rect);
}

// Vertical strips from each full-colour edge inwards; what no strip covers
// is black (the end of the fall-off). A control too narrow for a fall-off
// from both edges is the full colour.
void CTKStatic::PaintFallOff(CDC* pDC, const CRect& rect) const
{
    const int nWidth = rect.Width();
    const BOOL bFromLeft = m_nBackgroundMode != gradeFromRight;
    const BOOL bFromRight = m_nBackgroundMode != gradeFromLeft;
    const int nRange = bFromLeft && bFromRight ? nWidth / 2 : nWidth;
    if (nRange == 0) {
        pDC->FillSolidRect(&rect, m_crBackground);
        return;
    }
    pDC->FillSolidRect(&rect, RGB(0, 0, 0));
    const int nStrip = StripWidth(nRange, bFromLeft && bFromRight ? 256 : 128);
    for (int d = 0; d + nStrip <= nRange; d += nStrip) {
        const COLORREF crStrip = FallOffColor(m_crBackground, d, nRange);
        if (bFromLeft)
            pDC->FillSolidRect(rect.left + d, rect.top, nStrip, rect.Height(), crStrip);
        if (bFromRight)
            pDC->FillSolidRect(rect.right - d - nStrip, rect.top, nStrip, rect.Height(), crStrip);
    }
}

// In 64 bits: 255·d² passes the 32-bit range beyond about 2,900 pixels.
COLORREF CTKStatic::FallOffColor(COLORREF crFull, int d, int nRange)
{
    if (nRange <= 0)
        return crFull;
    const long long nSquare = static_cast<long long>(d) * d;
    const long long nRangeSquare = static_cast<long long>(nRange) * nRange;
    auto fall = [&](int c) { return static_cast<int>(c - c * nSquare / nRangeSquare); };
    return RGB(fall(GetRValue(crFull)), fall(GetGValue(crFull)), fall(GetBValue(crFull)));
}

BOOL CTKStatic::IsTextStyle() const
{
    switch (GetStyle() & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
        return TRUE;
    default:
        return FALSE;
    }
}

// The text's extent in the control's font, at most the parent's client
// size, placed by the alignment: the vertical centre stays with
// SS_CENTERIMAGE, else the top; the centre with SS_CENTER, the right edge
// with SS_RIGHT, else the left edge.
void CTKStatic::FitToText()
{
    if (m_hWnd == nullptr || !IsTextStyle())
        return;
    CString sText;
    GetWindowText(sText);
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(&m_font);
    CSize text = dc.GetTextExtent(sText);
    dc.SelectObject(pOldFont);
    const CRect rect = FittedRect(text);
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rectClient = ClientRect();
    m_wndToolTip.SetToolRect(this, kToolID, &rectClient);
}

CRect CTKStatic::FittedRect(CSize text) const
{
    CRect rectParent;
    GetParent()->GetClientRect(&rectParent);
    text.cx = std::min<int>(text.cx, rectParent.Width());
    text.cy = std::min<int>(text.cy, rectParent.Height());
    const DWORD dwStyle = GetStyle();
    const int nTop = (dwStyle & SS_CENTERIMAGE) != 0 ? m_rectStored.CenterPoint().y - text.cy / 2 : m_rectStored.top;
    int nLeft = m_rectStored.left;
    if ((dwStyle & SS_TYPEMASK) == SS_CENTER)
        nLeft = m_rectStored.CenterPoint().x - text.cx / 2;
    else if ((dwStyle & SS_TYPEMASK) == SS_RIGHT)
        nLeft = m_rectStored.right - text.cx;
    return CRect(nLeft, nTop, nLeft + text.cx, nTop + text.cy);
}

void CTKStatic::StoreRect()
{
    GetWindowRect(&m_rectStored);
    GetParent()->ScreenToClient(&m_rectStored);
}

CRect CTKStatic::ClientRect() const
{
    CRect rect;
    GetClientRect(&rect);
    return rect;
}
