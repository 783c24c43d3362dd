#include "CTKStatusbarSkinXP.h"

#include "CTKSkinXP.h"
#include "CTKStatusBar.h"

namespace {

// The lock indicators' command ids and their keys.
struct LockIndicator {
    UINT nID;
    int nVirtKey;
};
const LockIndicator kLockIndicators[] = {
    {0xE701, VK_CAPITAL},
    {0xE702, VK_NUMLOCK},
    {0xE703, VK_SCROLL},
};

int LockKeyOf(UINT nID)
{
    for (const LockIndicator& indicator : kLockIndicators) {
        if (indicator.nID == nID)
            return indicator.nVirtKey;
    }
    return 0;
}

}  // namespace

CTKStatusbarSkinXP::CTKStatusbarSkinXP(CTKSkinXP* pSkin) : m_pSkin(pSkin)
{
}

void CTKStatusbarSkinXP::DrawStatusBar(CTKStatusBar* pBar)
{
    CPaintDC dc(pBar);
    pBar->UpdateAllPanes(FALSE, TRUE);
    DrawPanes(&dc, pBar);
    DrawPaneFrames(&dc, pBar);
    DrawGripper(&dc, pBar);
    pBar->DrawPaneBitmaps(&dc);
}

CRect CTKStatusbarSkinXP::PaneRect(CTKStatusBar* pBar, int nIndex)
{
    CRect rect;
    pBar->GetItemRect(nIndex, &rect);
    if (nIndex == pBar->GetCount() - 1) {
        UINT nID = 0;
        UINT nStyle = 0;
        int cxWidth = 0;
        pBar->GetPaneInfo(nIndex, nID, nStyle, cxWidth);
        rect.right = rect.left + cxWidth + 6;
    }
    return rect;
}

void CTKStatusbarSkinXP::FillBackground(CDC* pDC, const CRect& rect)
{
    pDC->FillSolidRect(&rect, CTKSkinXP::SysColor(COLOR_BTNFACE));
}

void CTKStatusbarSkinXP::DrawPanes(CDC* pDC, CTKStatusBar* pBar)
{
    CRect rectClient;
    pBar->GetClientRect(&rectClient);
    FillBackground(pDC, rectClient);
    for (int nIndex = 0; nIndex < pBar->GetCount(); ++nIndex) {
        CRect rectPane = PaneRect(pBar, nIndex);
        const int nLockKey = LockKeyOf(pBar->GetItemID(nIndex));
        if (nLockKey != 0) {
            DrawLockIndicator(pDC, pBar, nIndex, rectPane, nLockKey);
            continue;
        }
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_STATIC;
        item.itemID = static_cast<UINT>(nIndex);
        item.itemAction = ODA_DRAWENTIRE;
        item.hwndItem = pBar->m_hWnd;
        item.hDC = pDC->GetSafeHdc();
        item.rcItem = rectPane;
        pBar->DrawItem(&item);
    }
}

// The indicator's text stays; its colour says whether the key is on.
void CTKStatusbarSkinXP::DrawLockIndicator(CDC* pDC, CTKStatusBar* pBar, int nIndex, const CRect& rectPane,
                                           int nVirtKey)
{
    CFont* pOldFont = pDC->SelectObject(pBar->GetFont());
    const BOOL bOn = (::GetKeyState(nVirtKey) & 1) != 0;
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(bOn ? CTKSkinXP::SysColor(COLOR_BTNTEXT) : m_pSkin->GetDisabledTextColor());
    CRect rectText = rectPane;
    CString sText = pBar->GetPaneText(nIndex);
    pDC->DrawText(sText, &rectText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

void CTKStatusbarSkinXP::DrawPaneFrames(CDC* pDC, CTKStatusBar* pBar)
{
    for (int nIndex = 0; nIndex < pBar->GetCount(); ++nIndex)
        DrawPaneFrame(pDC, PaneRect(pBar, nIndex));
}

void CTKStatusbarSkinXP::DrawPaneFrame(CDC* pDC, const CRect& rectPane)
{
    CBrush brush(CTKSkinXP::AdjustColor(CTKSkinXP::SysColor(COLOR_BTNFACE), 17, 12, 16));
    pDC->FrameRect(&rectPane, &brush);
}

// A frame without a sizing border, or a maximised one, cannot be sized from
// the corner. The side is even: an odd client height loses a pixel.
CRect CTKStatusbarSkinXP::GripperSquare(CTKStatusBar* pBar)
{
    CWnd* pFrame = pBar->GetParentFrame();
    if (pFrame != nullptr && ((pFrame->GetStyle() & WS_THICKFRAME) == 0 || (pFrame->GetStyle() & WS_MAXIMIZE)))
        return CRect();
    CRect rectClient;
    pBar->GetClientRect(&rectClient);
    const int nSide = rectClient.Height() & ~1;
    return CRect(rectClient.right - nSide, rectClient.top, rectClient.right, rectClient.top + nSide);
}

void CTKStatusbarSkinXP::DrawGripper(CDC* pDC, CTKStatusBar* pBar)
{
    CRect rectSquare = GripperSquare(pBar);
    if (!rectSquare.IsRectEmpty())
        DrawGripperSquare(pDC, rectSquare);
}

// Diagonal strokes every 4 pixels from the lower right corner: a shadow
// line with a white line one pixel further in.
void CTKStatusbarSkinXP::DrawGripperSquare(CDC* pDC, const CRect& rectSquare)
{
    pDC->FillSolidRect(&rectSquare, CTKSkinXP::SysColor(COLOR_BTNFACE));
    CPen penShadow(PS_SOLID, 1, CTKSkinXP::SysColor(COLOR_BTNSHADOW));
    CPen* pOldPen = pDC->SelectObject(&penShadow);
    const int nSide = rectSquare.Width();
    for (int nOffset = 4; nOffset < nSide; nOffset += 4) {
        pDC->SelectObject(&penShadow);
        pDC->MoveTo(rectSquare.right - nOffset, rectSquare.bottom);
        pDC->LineTo(rectSquare.right, rectSquare.bottom - nOffset);
        pDC->SelectStockObject(WHITE_PEN);
        pDC->MoveTo(rectSquare.right - nOffset + 1, rectSquare.bottom);
        pDC->LineTo(rectSquare.right, rectSquare.bottom - nOffset + 1);
    }
    pDC->SelectObject(pOldPen);
}
