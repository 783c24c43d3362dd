#include "CTKStatusBar.h"

#include "CClientDC.h"
#include "CScopedSelectObject.h"
#include "CTKSystem.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CTKStatusBar, CStatusBar)

BEGIN_MESSAGE_MAP(CTKStatusBar, CStatusBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDBLCLK()
    ON_MESSAGE(SB_SETMINHEIGHT, OnSetMinHeight)
END_MESSAGE_MAP()

namespace {

// Room beside a pane's text for the control's edges and text margin.
const int kPaneMargin = 6;
// Where a progress control leaves room for its percentage.
const char kWidestPercent[] = "999%";

// SB_GETBORDERS: the horizontal and vertical borders and the gap between
// panes.
struct CStatusBorders {
    int cxBorder = 0;
    int cyBorder = 0;
    int cxGap = 0;
};

CStatusBorders BordersOf(const CWnd* pBar)
{
    int borders[3] = {};
    ::SendMessage(pBar->m_hWnd, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    return {borders[0], borders[1], borders[2]};
}

}  // namespace

CTKStatusBar::CTKStatusBar() : m_skin(&CTKSkin::GetStatusbarSkin)
{
}

CTKStatusBar::~CTKStatusBar() = default;

BOOL CTKStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    const size_t nPanes = static_cast<size_t>(std::max(nIDCount, 0));
    m_arrCursors.assign(nPanes, nullptr);
    m_arrBitmaps.clear();
    m_arrBitmaps.resize(nPanes);
    m_arrTextColors.assign(nPanes, CTKSystem::Current().GetSysColor(COLOR_BTNTEXT));
    m_arrProgress.clear();
    m_arrProgress.resize(nPanes);
    m_arrFonts.clear();
    m_arrFonts.resize(nPanes);
    m_arrToolTips.assign(nPanes, CString());
    return CStatusBar::SetIndicators(lpIDArray, nIDCount);
}

BOOL CTKStatusBar::IsPane(int nIndex) const
{
    return nIndex >= 0 && static_cast<size_t>(nIndex) < m_arrTextColors.size() &&
           static_cast<size_t>(nIndex) < m_panes.size();
}

// --- per-pane extras ------------------------------------------------------------

BOOL CTKStatusBar::SetPaneBitmap(int nIndex, HBITMAP hBitmap, int nMode, COLORREF crTransparent)
{
    if (!IsPane(nIndex))
        return FALSE;
    m_arrBitmaps[nIndex] = hBitmap != nullptr ? std::make_unique<CTKPaneBitmap>(hBitmap, nMode, crTransparent)
                                              : nullptr;
    return TRUE;
}

BOOL CTKStatusBar::SetPaneFont(int nIndex, const LOGFONT* pLogFont)
{
    if (!IsPane(nIndex))
        return FALSE;
    std::unique_ptr<CFont> pFont;
    if (pLogFont != nullptr) {
        pFont = std::make_unique<CFont>();
        if (!pFont->CreateFontIndirect(pLogFont))
            return FALSE;
    }
    m_arrFonts[nIndex] = std::move(pFont);
    return TRUE;
}

BOOL CTKStatusBar::SetPaneTextColor(int nIndex, COLORREF crText)
{
    if (!IsPane(nIndex))
        return FALSE;
    m_arrTextColors[nIndex] = crText;
    return TRUE;
}

BOOL CTKStatusBar::SetPaneToolTip(int nIndex, LPCTSTR lpszTip)
{
    if (!IsPane(nIndex))
        return FALSE;
    m_arrToolTips[nIndex] = lpszTip != nullptr ? lpszTip : "";
    return TRUE;
}

BOOL CTKStatusBar::SetPaneCursor(int nIndex, HCURSOR hCursor)
{
    if (!IsPane(nIndex))
        return FALSE;
    m_arrCursors[nIndex] = hCursor;
    return TRUE;
}

// The pane's text gives way to the control; a percentage is the caller's
// to set as the pane's text.
BOOL CTKStatusBar::SetPaneProgress(int nIndex, BOOL bShow, BOOL bShowPercent)
{
    if (!IsPane(nIndex))
        return FALSE;
    const UINT nStyle = GetPaneStyle(nIndex);
    m_arrProgress[nIndex] = bShow ? std::make_unique<CTKPaneProgress>(bShowPercent) : nullptr;
    if (bShow)
        SetPaneText(nIndex, "");
    SetPaneStyle(nIndex, bShow ? (nStyle | kTKPaneProgress) : (nStyle & ~kTKPaneProgress));
    UpdateAllPanes(TRUE, TRUE);
    return TRUE;
}

CProgressCtrl* CTKStatusBar::GetPaneProgress(int nIndex)
{
    if (!IsPane(nIndex) || !m_arrProgress[nIndex] || m_arrProgress[nIndex]->m_hWnd == nullptr)
        return nullptr;
    return m_arrProgress[nIndex].get();
}

// --- layout ---------------------------------------------------------------------

BOOL CTKStatusBar::GetPaneRect(int nIndex, RECT* lpRect, BOOL bProgress) const
{
    GetItemRect(nIndex, lpRect);
    const int cyBorder = BordersOf(this).cyBorder + 1;
    lpRect->top += cyBorder;
    lpRect->bottom -= cyBorder + (bProgress ? 1 : 0);
    return !::IsRectEmpty(lpRect);
}

// New parts lose the control's texts: the parts are set and the progress
// controls placed before the texts are shown.
void CTKStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText)
{
    if (bUpdateRects && m_hWnd != nullptr && !m_panes.empty()) {
        SetStretchParts();
        PlaceProgressControls();
    }
    CStatusBar::UpdateAllPanes(FALSE, bUpdateText);
}

// Every pane is as wide as its text and margin; what the inside of the bar
// leaves beyond them and the gaps between panes goes to the stretching
// panes in pane order, each taking an equal share of what is still left,
// so that the last one gets the remainder (101 pixels: 50 and 51). The
// gripper the skin draws at the right end is left free, so the key
// indicators there stay readable.
void CTKStatusBar::SetStretchParts()
{
    CRect rectInside;
    GetClientRect(&rectInside);
    CalcInsideRect(rectInside, TRUE);
    const CStatusBorders borders = BordersOf(this);
    const int nPanes = static_cast<int>(m_panes.size());
    int cxLeftOver = rectInside.Width() - GetSkin()->GetGripperWidth(this) - borders.cxGap * (nPanes - 1);
    int nStretch = 0;
    for (const CPane& pane : m_panes) {
        cxLeftOver -= pane.cxText + kPaneMargin;
        nStretch += (pane.nStyle & SBPS_STRETCH) ? 1 : 0;
    }
    cxLeftOver = std::max(0, cxLeftOver);

    std::vector<int> rightEdges;
    int nRight = rectInside.left;
    for (CPane& pane : m_panes) {
        if (!rightEdges.empty())
            nRight += borders.cxGap;
        nRight += pane.cxText + kPaneMargin;
        if (pane.nStyle & SBPS_STRETCH) {
            const int cxShare = cxLeftOver / nStretch--;
            nRight += cxShare;
            cxLeftOver -= cxShare;
        }
        rightEdges.push_back(nRight);
        pane.bUpdate = TRUE;
    }
    SendMessage(SB_SETPARTS, rightEdges.size(), reinterpret_cast<LPARAM>(rightEdges.data()));
}

void CTKStatusBar::PlaceProgressControls()
{
    for (int nIndex = 0; nIndex < static_cast<int>(m_arrProgress.size()); ++nIndex) {
        CTKPaneProgress* pProgress = m_arrProgress[nIndex].get();
        if (pProgress == nullptr || !(GetPaneStyle(nIndex) & kTKPaneProgress))
            continue;
        CRect rectPane;
        GetPaneRect(nIndex, &rectPane, TRUE);
        const int cxPercent = pProgress->IsShowingPercent() ? PercentWidth(nIndex) : 0;
        pProgress->Place(this, GetItemID(nIndex), rectPane, cxPercent);
    }
}

int CTKStatusBar::PercentWidth(int nIndex)
{
    CClientDC dc(this);
    CScopedSelectObject font(dc, *PaneFont(nIndex));
    return dc.GetTextExtent(kWidestPercent).cx;
}

CFont* CTKStatusBar::PaneFont(int nIndex) const
{
    return IsPane(nIndex) && m_arrFonts[nIndex] ? m_arrFonts[nIndex].get() : GetFont();
}

// At least the minimum height the control was given, with its borders.
CSize CTKStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = CStatusBar::CalcFixedLayout(bStretch, bHorz);
    if (m_nMinHeight > 0 && m_hWnd != nullptr)
        size.cy = std::max<int>(size.cy, m_nMinHeight + 2 * BordersOf(this).cyBorder);
    return size;
}

void CTKStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CStatusBar::OnSize(nType, cx, cy);
    for (int nIndex = 0; nIndex < GetCount(); ++nIndex) {
        CRect rectPane;
        GetItemRect(nIndex, &rectPane);
        InvalidateRect(&rectPane, FALSE);
    }
}

LRESULT CTKStatusBar::OnSetMinHeight(WPARAM wParam, LPARAM)
{
    m_nMinHeight = static_cast<int>(wParam);
    return Default();
}

// --- mouse --------------------------------------------------------------------------

int CTKStatusBar::PaneAt(CPoint point) const
{
    for (int nIndex = 0; nIndex < GetCount(); ++nIndex) {
        CRect rectPane;
        GetItemRect(nIndex, &rectPane);
        if (rectPane.PtInRect(point))
            return nIndex;
    }
    return -1;
}

BOOL CTKStatusBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT) {
        CPoint point = CTKSystem::Current().GetCursorPos();
        ScreenToClient(&point);
        const int nIndex = PaneAt(point);
        if (IsPane(nIndex) && m_arrCursors[nIndex] != nullptr) {
            ::SetCursor(m_arrCursors[nIndex]);
            return TRUE;
        }
    }
    return CStatusBar::OnSetCursor(pWnd, nHitTest, message);
}

void CTKStatusBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    const int nIndex = PaneAt(point);
    CWnd* pParent = GetParent();
    if (nIndex >= 0 && pParent != nullptr)
        pParent->SendMessage(kTKStatusPaneDblClk, GetItemID(nIndex));
    CStatusBar::OnLButtonDblClk(nFlags, point);
}

// No tip while a button is down. A pane's progress control gives the tip
// of its pane (counted after the panes); a pane gives its own tip as a tool
// of its rectangle, with its id as the hit.
INT_PTR CTKStatusBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    if (::GetKeyState(VK_LBUTTON) < 0 || ::GetKeyState(VK_RBUTTON) < 0 || ::GetKeyState(VK_MBUTTON) < 0)
        return -1;
    for (int nIndex = 0; nIndex < static_cast<int>(m_arrProgress.size()); ++nIndex) {
        const CTKPaneProgress* pProgress = m_arrProgress[nIndex].get();
        if (pProgress == nullptr || pProgress->m_hWnd == nullptr || !pProgress->IsWindowVisible())
            continue;
        CRect rectControl;
        pProgress->GetWindowRect(&rectControl);
        ScreenToClient(&rectControl);
        if (!rectControl.PtInRect(point))
            continue;
        pTI->hwnd = m_hWnd;
        pTI->uId = reinterpret_cast<UINT_PTR>(pProgress->m_hWnd);
        pTI->uFlags |= TTF_IDISHWND;
        pTI->lpszText = const_cast<LPSTR>(static_cast<LPCTSTR>(m_arrToolTips[nIndex]));
        return GetCount() + nIndex;
    }
    const int nIndex = PaneAt(point);
    if (!IsPane(nIndex))
        return -1;
    pTI->hwnd = m_hWnd;
    pTI->uId = static_cast<UINT_PTR>(nIndex);
    GetItemRect(nIndex, &pTI->rect);
    pTI->lpszText = const_cast<LPSTR>(static_cast<LPCTSTR>(m_arrToolTips[nIndex]));
    return GetItemID(nIndex);
}

// --- paint --------------------------------------------------------------------------

void CTKStatusBar::DrawPaneBitmap(CDC* pDC, int nIndex, UINT nStyle)
{
    if ((nStyle & kTKPaneNoBitmap) || !IsPane(nIndex) || !m_arrBitmaps[nIndex])
        return;
    CRect rectPane;
    GetItemRect(nIndex, &rectPane);
    m_arrBitmaps[nIndex]->Draw(pDC, rectPane);
}

void CTKStatusBar::DrawPaneBitmaps(CDC* pDC)
{
    for (int nIndex = 0; nIndex < static_cast<int>(m_arrBitmaps.size()); ++nIndex)
        DrawPaneBitmap(pDC, nIndex, GetPaneStyle(nIndex));
}

void CTKStatusBar::OnPaint()
{
    m_skin.Get()->DrawStatusBar(this);
}

// The skins paint the whole bar; erasing first would only flicker. The
// classic look keeps the control's own erasing.
BOOL CTKStatusBar::OnEraseBkgnd(CDC*)
{
    if (dynamic_cast<CTKStatusbarSkinClassic*>(m_skin.Get()) != nullptr)
        return static_cast<BOOL>(Default());
    return TRUE;
}

void CTKStatusBar::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const int nIndex = static_cast<int>(lpDrawItemStruct->itemID);
    if (GetPaneStyle(nIndex) & SBPS_DISABLED)
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CFont* pOldFont = pDC->SelectObject(PaneFont(nIndex));
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(IsPane(nIndex) ? m_arrTextColors[nIndex] : CTKSystem::Current().GetSysColor(COLOR_BTNTEXT));
    CRect rectText = lpDrawItemStruct->rcItem;
    rectText.left += 2;
    pDC->DrawText(GetPaneText(nIndex), &rectText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}
