#include "CTKStatusBar.h"

#include "CTKSystem.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CTKStatusBar, CStatusBar)

BEGIN_MESSAGE_MAP(CTKStatusBar, CStatusBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CTKStatusBar::CTKStatusBar() : m_skin(&CTKSkin::GetStatusbarSkin)
{
}

CTKStatusBar::~CTKStatusBar() = default;

BOOL CTKStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    const size_t nPanes = static_cast<size_t>(std::max(nIDCount, 0));
    m_arrBitmaps.clear();
    m_arrBitmaps.resize(nPanes);
    m_arrFonts.clear();
    m_arrFonts.resize(nPanes);
    m_arrTextColors.assign(nPanes, CTKSystem::Current().GetSysColor(COLOR_BTNTEXT));
    return CStatusBar::SetIndicators(lpIDArray, nIDCount);
}

BOOL CTKStatusBar::IsPane(int nIndex) const
{
    return nIndex >= 0 && static_cast<size_t>(nIndex) < m_arrTextColors.size();
}

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

// New parts lose the control's texts: the parts are set and moved off the
// gripper before the texts are shown.
void CTKStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText)
{
    CStatusBar::UpdateAllPanes(bUpdateRects, FALSE);
    if (bUpdateRects)
        KeepPanesOffTheGripper();
    CStatusBar::UpdateAllPanes(FALSE, bUpdateText);
}

// The stretching pane gives up the gripper's width, so the key indicators
// at the right stay readable.
void CTKStatusBar::KeepPanesOffTheGripper()
{
    const int cxGripper = m_hWnd != nullptr ? GetSkin()->GetGripperWidth(this) : 0;
    const int nParts = static_cast<int>(SendMessage(SB_GETPARTS, 0, 0));
    if (cxGripper <= 0 || nParts <= 0)
        return;
    std::vector<int> rightEdges(static_cast<size_t>(nParts));
    SendMessage(SB_GETPARTS, static_cast<WPARAM>(nParts), reinterpret_cast<LPARAM>(rightEdges.data()));
    int nStretch = 0;
    while (nStretch < nParts && (GetPaneStyle(nStretch) & SBPS_STRETCH) == 0)
        ++nStretch;
    if (nStretch == nParts)
        return;
    const int cxStretch = rightEdges[nStretch] - (nStretch > 0 ? rightEdges[nStretch - 1] : 0);
    const int cxGiven = std::min(cxGripper, std::max(0, cxStretch));
    for (int i = nStretch; i < nParts; ++i)
        rightEdges[i] -= cxGiven;
    SendMessage(SB_SETPARTS, static_cast<WPARAM>(nParts), reinterpret_cast<LPARAM>(rightEdges.data()));
}

void CTKStatusBar::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const int nIndex = static_cast<int>(lpDrawItemStruct->itemID);
    if (GetPaneStyle(nIndex) & SBPS_DISABLED)
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const BOOL bPane = IsPane(nIndex);
    CFont* pOldFont = pDC->SelectObject(bPane && m_arrFonts[nIndex] ? m_arrFonts[nIndex].get() : GetFont());
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(bPane ? m_arrTextColors[nIndex] : CTKSystem::Current().GetSysColor(COLOR_BTNTEXT));
    CRect rectText = lpDrawItemStruct->rcItem;
    rectText.left += 2;
    pDC->DrawText(GetPaneText(nIndex), &rectText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}
