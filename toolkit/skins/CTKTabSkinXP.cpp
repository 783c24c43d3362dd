#include "CTKTabSkinXP.h"

#include "CTKMemoryBitmapDC.h"
#include "CTKSkinXP.h"
#include "CTKSkinnedTabCtrl.h"
#include "CTKSystem.h"

#include <algorithm>

namespace {

const int kMaxTabText = 255;
const int kStripGap = 3;       // between the display area and the strip's line
const int kThinBorder = 8;     // AdjustClientRect widens over borders thinner than this
const int kHiddenMargin = 3;   // a tab ending this close to the left edge is scrolled away
const char kSpinClass[] = "msctls_updown32";

// The tab control's scroll arrows, when it has them.
HWND FindSpinChild(CWnd* pTabCtrl)
{
    for (HWND hChild = ::GetWindow(pTabCtrl->m_hWnd, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        char szClass[17] = {};
        ::GetClassName(hChild, szClass, 16);
        if (lstrcmpi(szClass, kSpinClass) == 0)
            return hChild;
    }
    return nullptr;
}

// The first paint of a skinned tab control gives its scroll arrows the
// skinned spin control, so that they paint flat and show their hover look.
void SubclassSpin(CTabCtrl* pTabCtrl)
{
    CTKSkinnedSpinCtrl* pSpin = CTKSkinnedTabCtrl::GetSpinCtrl(pTabCtrl);
    if (pSpin == nullptr || pSpin->m_hWnd != nullptr)
        return;
    if (HWND hSpin = FindSpinChild(pTabCtrl))
        pSpin->SubclassWindow(hSpin);
}

CRect GetDisplayArea(CTabCtrl* pTabCtrl)
{
    CRect rect;
    pTabCtrl->GetClientRect(&rect);
    pTabCtrl->AdjustRect(FALSE, &rect);
    return rect;
}

void DrawLine(CDC* pDC, CPen* pPen, int x1, int y1, int x2, int y2)
{
    CPen* pOld = pDC->SelectObject(pPen);
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
    pDC->SelectObject(pOld);
}

CPen* StockPen(int nIndex)
{
    return CPen::FromHandle(static_cast<HPEN>(::GetStockObject(nIndex)));
}

}  // namespace

CTKTabSkinXP::CTKTabSkinXP(CTKSkinXP* pSkin) : m_pSkin(pSkin)
{
    m_penShadow.CreatePen(PS_SOLID, 1, CTKSkinXP::SysColor(COLOR_BTNSHADOW));
    NONCLIENTMETRICS ncm = {};
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    m_fontTab.CreateFontIndirect(&ncm.lfMenuFont);
    m_brushArrow.CreateSolidBrush(pSkin->GetInactiveTabTextColor());
    m_penArrow.CreatePen(PS_SOLID, 1, pSkin->GetInactiveTabTextColor());
}

void CTKTabSkinXP::DrawTabCtrl(CTabCtrl* pTabCtrl)
{
    CPaintDC dc(pTabCtrl);
    PaintTabCtrl(&dc, pTabCtrl);
    const HWND hSpin = FindSpinChild(pTabCtrl);
    if (hSpin != nullptr && ::IsWindowVisible(hSpin))
        ::InvalidateRect(hSpin, nullptr, TRUE);
}

// The picture is built off screen: every tab is drawn whole into one bitmap
// and only its visible part copied into the other, so that tabs scrolled
// under the arrows never show through them, and the selected tab is drawn
// last, over its neighbours.
void CTKTabSkinXP::PaintTabCtrl(CDC* pDC, CTabCtrl* pTabCtrl)
{
    CRect rectClient;
    pTabCtrl->GetClientRect(&rectClient);
    CTKMemoryBitmapDC picture(pDC, rectClient.Width(), rectClient.Height());
    CTKMemoryBitmapDC items(pDC, rectClient.Width(), rectClient.Height());
    CDC& dcPicture = picture.m_dc;
    CDC& dcItems = items.m_dc;

    SubclassSpin(pTabCtrl);
    FillTabArea(&dcPicture, &rectClient, pTabCtrl);
    const CRect rectDisplay = GetDisplayArea(pTabCtrl);
    CRect rectFrame = rectDisplay;
    rectFrame.bottom -= 1;
    CBrush brushShadow(CTKSkinXP::SysColor(COLOR_BTNSHADOW));
    dcPicture.FrameRect(&rectFrame, &brushShadow);

    const BOOL bBottom = (pTabCtrl->GetStyle() & TCS_BOTTOM) != 0;
    if (pTabCtrl->GetRowCount() < 2) {
        if (bBottom) {
            FillTabStrip(&dcPicture, CRect(rectClient.left, rectDisplay.bottom + kStripGap,
                                           rectClient.right, rectClient.bottom), TRUE);
            const int y = rectDisplay.bottom + kStripGap - 1;
            DrawLine(&dcPicture, StockPen(BLACK_PEN), rectClient.left, y, rectClient.right, y);
        } else {
            FillTabStrip(&dcPicture, CRect(rectClient.left, rectClient.top, rectClient.right,
                                           rectDisplay.top - kStripGap), FALSE);
            const int y = rectDisplay.top - kStripGap;
            DrawLine(&dcPicture, StockPen(WHITE_PEN), rectClient.left, y, rectClient.right, y);
        }
    }

    // Tabs right of this limit lie under the scroll arrows.
    int nLimit = rectClient.right;
    const HWND hSpin = FindSpinChild(pTabCtrl);
    const BOOL bSpinShown = hSpin != nullptr && ::IsWindowVisible(hSpin);
    if (bSpinShown) {
        CRect rectSpin;
        ::GetWindowRect(hSpin, &rectSpin);
        nLimit = rectClient.Width() - rectSpin.Width();
    }
    const int nSelected = pTabCtrl->GetCurSel();
    const int nCount = pTabCtrl->GetItemCount();
    for (int nOrder = 0; nOrder < nCount; ++nOrder) {
        // Every other tab in index order, the selected one last.
        int nItem = nOrder;
        if (nSelected >= 0)
            nItem = nOrder == nCount - 1 ? nSelected : nOrder + (nOrder >= nSelected ? 1 : 0);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_TAB;
        dis.CtlID = pTabCtrl->GetDlgCtrlID();
        dis.itemID = nItem;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = nItem == nSelected ? ODS_SELECTED : 0;
        dis.hwndItem = pTabCtrl->m_hWnd;
        dis.hDC = dcItems.GetSafeHdc();
        pTabCtrl->GetItemRect(nItem, &dis.rcItem);
        DrawItem(&dis, pTabCtrl);
        DrawItemBorder(&dis, pTabCtrl);
        CRect rectCopy = dis.rcItem;
        if (bSpinShown) {
            if (rectCopy.left > nLimit || rectCopy.right <= rectClient.left + kHiddenMargin)
                continue;
            rectCopy.right = std::min<LONG>(rectCopy.right, nLimit);
        }
        dcPicture.BitBlt(rectCopy.left, rectCopy.top, rectCopy.Width(), rectCopy.Height(), &dcItems,
                         rectCopy.left, rectCopy.top, SRCCOPY);
    }

    pDC->BitBlt(0, 0, rectClient.Width(), rectClient.Height(), &dcPicture, 0, 0, SRCCOPY);
}

void CTKTabSkinXP::FillTabArea(CDC* pDC, CRect* pRect, CTabCtrl*)
{
    pDC->FillSolidRect(pRect, CTKSkinXP::SysColor(COLOR_BTNFACE));
}

void CTKTabSkinXP::FillTabStrip(CDC* pDC, const CRect& rect, BOOL)
{
    pDC->FillSolidRect(&rect, CTKSkinXP::GetLightButtonFaceColor());
}

COLORREF CTKTabSkinXP::FillItem(CDC* pDC, const CRect& rect, BOOL bSelected, BOOL)
{
    if (bSelected) {
        pDC->FillSolidRect(&rect, CTKSkinXP::SysColor(COLOR_BTNFACE));
        return CTKSkinXP::SysColor(COLOR_BTNTEXT);
    }
    pDC->FillSolidRect(&rect, CTKSkinXP::GetLightButtonFaceColor());
    return m_pSkin->GetInactiveTabTextColor();
}

void CTKTabSkinXP::DrawItem(LPDRAWITEMSTRUCT lpDis, CTabCtrl* pTabCtrl)
{
    CDC* pDC = CDC::FromHandle(lpDis->hDC);
    const CRect rect(lpDis->rcItem);
    const BOOL bSelected = (lpDis->itemState & ODS_SELECTED) != 0;
    const COLORREF clrText = FillItem(pDC, rect, bSelected, (pTabCtrl->GetStyle() & TCS_BOTTOM) != 0);
    DrawItemTexts(pDC, lpDis, pTabCtrl, clrText);
}

void CTKTabSkinXP::DrawItemTexts(CDC* pDC, LPDRAWITEMSTRUCT lpDis, CTabCtrl* pTabCtrl, COLORREF clrText)
{
    char szText[kMaxTabText + 1] = {};
    TCITEM item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = szText;
    item.cchTextMax = kMaxTabText;
    pTabCtrl->GetItem(static_cast<int>(lpDis->itemID), &item);

    const CRect rect(lpDis->rcItem);
    CRect rectText = rect;
    rectText.top += 3;
    const HIMAGELIST hImages = reinterpret_cast<HIMAGELIST>(pTabCtrl->SendMessage(TCM_GETIMAGELIST));
    int cxImage = 0;
    int cyImage = 0;
    if (item.iImage >= 0 && hImages != nullptr && ImageList_GetIconSize(hImages, &cxImage, &cyImage)) {
        ImageList_Draw(hImages, item.iImage, pDC->GetSafeHdc(), rect.left + 3, rect.top + 2,
                       ILD_TRANSPARENT);
        rectText.left += cxImage + 3;
    }
    CFont* pOldFont = pDC->SelectObject(&m_fontTab);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    pDC->DrawText(szText, -1, &rectText, DT_CENTER);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);

    if ((lpDis->itemState & ODS_SELECTED) && !(pTabCtrl->GetStyle() & TCS_FOCUSNEVER)) {
        CRect rectFocus = rectText;
        rectFocus.top -= 3;
        rectFocus.DeflateRect(2, 2);
        pDC->DrawFocusRect(&rectFocus);
    }
}

void CTKTabSkinXP::DrawTabSeparator(CDC* pDC, const CRect& rect)
{
    DrawLine(pDC, &m_penShadow, rect.right - 1, rect.top + 3, rect.right - 1, rect.bottom - 3);
}

// The selected tab is raised with a white and a black edge; the others get
// a separator and the line that joins them to the display area.
void CTKTabSkinXP::DrawItemBorder(LPDRAWITEMSTRUCT lpDis, CTabCtrl* pTabCtrl)
{
    CDC* pDC = CDC::FromHandle(lpDis->hDC);
    const CRect r(lpDis->rcItem);
    const BOOL bBottom = (pTabCtrl->GetStyle() & TCS_BOTTOM) != 0;
    CPen* pWhite = StockPen(WHITE_PEN);
    CPen* pBlack = StockPen(BLACK_PEN);
    if (lpDis->itemState & ODS_SELECTED) {
        CPen* pOld = pDC->SelectObject(pWhite);
        if (bBottom) {
            pDC->MoveTo(r.left, r.top);
            pDC->LineTo(r.left, r.bottom - 1);
            pDC->SelectObject(pBlack);
            pDC->LineTo(r.right, r.bottom - 1);
            pDC->MoveTo(r.right - 1, r.top);
            pDC->LineTo(r.right - 1, r.bottom - 1);
        } else {
            pDC->MoveTo(r.left, r.bottom - 1);
            pDC->LineTo(r.left, r.top);
            pDC->LineTo(r.right, r.top);
            pDC->SelectObject(pBlack);
            pDC->MoveTo(r.right - 1, r.top + 1);
            pDC->LineTo(r.right - 1, r.bottom - 1);
        }
        pDC->SelectObject(pOld);
        return;
    }
    if (static_cast<int>(lpDis->itemID) + 1 != pTabCtrl->GetCurSel())
        DrawTabSeparator(pDC, r);
    const CRect rectDisplay = GetDisplayArea(pTabCtrl);
    CPen* pPen = &m_penShadow;
    int y = r.top;
    if (bBottom) {
        const int nGap = r.top - rectDisplay.bottom;
        if (nGap < 0)
            y = r.bottom - 1;
        else if (nGap < 4)
            pPen = pBlack;
    } else {
        const int nGap = rectDisplay.top - r.top;
        if (nGap > r.Height() + 3) {
            y = r.bottom - 1;
        } else if (nGap > 0) {
            y = r.bottom - 1;
            pPen = pWhite;
        }
    }
    DrawLine(pDC, pPen, r.left, y, r.right, y);
}

void CTKTabSkinXP::DrawSpinCtrl(CSpinButtonCtrl* pSpinCtrl)
{
    CPaintDC dc(pSpinCtrl);
    PaintSpinCtrl(&dc, pSpinCtrl);
}

void CTKTabSkinXP::PaintSpinCtrl(CDC* pDC, CSpinButtonCtrl* pSpinCtrl)
{
    CRect rectClient;
    pSpinCtrl->GetClientRect(&rectClient);
    CTKMemoryBitmapDC canvas(pDC, rectClient.Width(), rectClient.Height());
    FillSpinBackground(&canvas.m_dc, rectClient, pSpinCtrl);
    DrawArrows(&canvas.m_dc, pSpinCtrl, rectClient);
    pDC->BitBlt(0, 0, rectClient.Width(), rectClient.Height(), &canvas.m_dc, 0, 0, SRCCOPY);
}

void CTKTabSkinXP::FillSpinBackground(CDC* pDC, const CRect& rect, CSpinButtonCtrl*)
{
    pDC->FillSolidRect(&rect, CTKSkinXP::GetLightButtonFaceColor());
}

// Two flat triangles; an arrow that cannot scroll further is hollow, and the
// one under the mouse gets a raised frame, sunken while the button is down.
void CTKTabSkinXP::DrawArrows(CDC* pDC, CSpinButtonCtrl* pSpinCtrl, const CRect& rectClient)
{
    CRect rect = rectClient;
    CWnd* pParent = pSpinCtrl->GetParent();
    if (pParent != nullptr && (pParent->GetStyle() & TCS_BOTTOM))
        rect.bottom -= 2;
    else
        rect.top += 2;
    rect.left += 2;
    rect.right -= 2;
    const int w = rect.Width();
    const CRect rectLeft(rect.left, rect.top, rect.left + w / 2 - 1, rect.bottom);
    const CRect rectRight(w / 2, rect.top, (w & ~1) - 1, rect.bottom);

    const int nPos = LOWORD(pSpinCtrl->SendMessage(UDM_GETPOS));
    int nLower = 0;
    int nUpper = 0;
    pSpinCtrl->GetRange32(nLower, nUpper);
    const BOOL bLeftLive = nPos != 0;
    const BOOL bRightLive = nPos != nUpper;

    CPen* pOldPen = pDC->SelectObject(&m_penArrow);
    for (const BOOL bLeft : {TRUE, FALSE}) {
        const CRect& btn = bLeft ? rectLeft : rectRight;
        const int cx = btn.left + (btn.Width() - 4) / 2;
        const int cy = btn.top + (btn.Height() - 8) / 2;
        const int xTip = bLeft ? cx : cx + 4;
        const int xBase = bLeft ? cx + 4 : cx;
        const POINT pts[] = {{xTip, cy + 3}, {xBase, cy - 1}, {xBase, cy + 7}};
        CBrush* pBrush = (bLeft ? bLeftLive : bRightLive)
                             ? &m_brushArrow
                             : CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH)));
        CBrush* pOldBrush = pDC->SelectObject(pBrush);
        pDC->Polygon(pts, 3);
        pDC->SelectObject(pOldBrush);
    }
    pDC->SelectObject(pOldPen);

    CPoint ptCursor = CTKSystem::Current().GetCursorPos();
    pSpinCtrl->ScreenToClient(&ptCursor);
    const CRect* pHot = rectRight.PtInRect(ptCursor) && bRightLive  ? &rectRight
                        : rectLeft.PtInRect(ptCursor) && bLeftLive ? &rectLeft
                                                                   : nullptr;
    if (pHot == nullptr)
        return;
    CRect rectHot = *pHot;
    rectHot.DeflateRect(1, 1);
    const COLORREF clrWhite = RGB(255, 255, 255);
    const COLORREF clrBlack = RGB(0, 0, 0);
    if (::GetKeyState(VK_LBUTTON) < 0)
        pDC->Draw3dRect(&rectHot, clrBlack, clrWhite);
    else
        pDC->Draw3dRect(&rectHot, clrWhite, clrBlack);
}

void CTKTabSkinXP::DrawWorkspaceBorder(CDC* pDC, CRect* pRect, CWnd*)
{
    const COLORREF clrBorder = m_pSkin->GetBorderColor();
    pDC->Draw3dRect(pRect, clrBorder, clrBorder);
}

void CTKTabSkinXP::DrawClientEdge(CWnd* pMDIClient)
{
    pMDIClient->DefWindowProc(WM_NCPAINT, 1, 0);
    CWindowDC dc(pMDIClient);
    CRect rectWindow;
    pMDIClient->GetWindowRect(&rectWindow);
    CRect rectClient;
    pMDIClient->GetClientRect(&rectClient);
    pMDIClient->ClientToScreen(&rectClient);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(&rectClient);
    CBrush brushFace(CTKSkinXP::SysColor(COLOR_BTNFACE));
    dc.FrameRect(&rectWindow, &brushFace);
    rectWindow.DeflateRect(1, 1);
    CBrush brushDark(CTKSkinXP::SysColor(COLOR_3DDKSHADOW));
    dc.FrameRect(&rectWindow, &brushDark);
}

// Where the tab control's own border is thin, the client grows over it.
void CTKTabSkinXP::AdjustClientRect(CRect* pRect, CTabCtrl* pTabCtrl)
{
    CRect rectClient;
    pTabCtrl->GetClientRect(&rectClient);
    const CRect rectDisplay = GetDisplayArea(pTabCtrl);
    const int nLeft = rectDisplay.left - rectClient.left;
    const int nTop = rectDisplay.top - rectClient.top;
    const int nRight = rectClient.right - rectDisplay.right;
    const int nBottom = rectClient.bottom - rectDisplay.bottom;
    if (nLeft < kThinBorder)
        pRect->left -= nLeft;
    if (nTop < kThinBorder)
        pRect->top -= nTop;
    if (nRight < kThinBorder)
        pRect->right += nRight;
    if (nBottom < kThinBorder)
        pRect->bottom += nBottom;
}
