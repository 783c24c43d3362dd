// The drop list in the window system: the list window below the cell, and
// the drawing of the cell with its button.
#include "CGRDropListType.h"

#include "afxwin.h"

#include "CGRCell.h"
#include "CGRCtrlCore.h"
#include "CGRLstBox.h"
#include "CGRSysColors.h"
#include "GridTheme.h"

#include <algorithm>

namespace {

const int kMostItemsShown = 15;
const int kDefaultItemHeight = 12;
const COLORREF kReadOnlyArrow = 0x808080;

// The item height a font promises before the list is made: its height in
// pixels, converted from points when negative.
int EstimatedItemHeight(CFont* pFont)
{
    LOGFONT logFont = {};
    if (!pFont || !pFont->GetLogFont(&logFont) || logFont.lfHeight == 0)
        return kDefaultItemHeight;
    if (logFont.lfHeight > 0)
        return logFont.lfHeight;
    CWindowDC screen(nullptr);
    return MulDiv(-logFont.lfHeight, screen.GetDeviceCaps(LOGPIXELSY), 72);
}

int WidestItem(CWnd* pList, CFont* pFont, const CStringArray& items)
{
    CClientDC dc(pList);
    CScopedSaveDC saved(dc);
    if (pFont)
        dc.SelectObject(pFont);
    int nWidest = 0;
    for (int i = 0; i < items.GetSize(); ++i)
        nWidest = std::max(nWidest, static_cast<int>(dc.GetTextExtent(items[i]).cx));
    return nWidest;
}

// Shifted up or left back into the window, never past its top or left.
void KeepInside(CRect& rect, const CRect& client)
{
    if (rect.bottom > client.bottom)
        rect.OffsetRect(0, -std::min(rect.bottom - client.bottom, rect.top));
    if (rect.right > client.right)
        rect.OffsetRect(-std::min(rect.right - client.right, rect.left), 0);
}

void Line(CDC* pDC, int x1, int y1, int x2, int y2)
{
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}

}

int CGRDropListType::ButtonWidth()
{
    return ::GetSystemMetrics(SM_CXVSCROLL);
}

// Below the cell, at most 15 items high, as wide as the widest item, kept
// inside the cell area. A grid without a window keeps the items unshown, as
// without a window system.
int CGRDropListType::ShowList(int nCol, int nRow)
{
    CWnd* pArea = m_pCtrl->GetCellAreaWindow();
    if (!pArea || !pArea->GetSafeHwnd())
        return 0;
    CGRCell cell;
    m_pCtrl->GetCellIndirect(nCol, nRow, &cell);
    CFont* pFont = cell.GetFont() ? cell.GetFont() : m_pCtrl->GetGridInfo()->m_pDefFont;
    if (!pFont)
        pFont = CFont::FromHandle(static_cast<HFONT>(::GetStockObject(SYSTEM_FONT)));
    int nShown = std::min(static_cast<int>(m_items.GetSize()), kMostItemsShown);
    CRect cellRect;
    m_pCtrl->GetCellRect(nCol, nRow, &cellRect);
    CRect rect(cellRect.left + 10, cellRect.bottom, cellRect.right + 10,
               cellRect.bottom + EstimatedItemHeight(pFont) * nShown + 6);

    m_pList = new CGRLstBox(this);
    const DWORD kListStyle = WS_CHILD | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    if (!m_pList->CreateEx(0, "LISTBOX", "", kListStyle, rect, pArea, CGRLstBox::kListID)) {
        delete m_pList;
        m_pList = nullptr;
        return 1;
    }
    m_pList->SetFont(pFont, FALSE);
    int nItemHeight = static_cast<int>(m_pList->SendMessage(LB_GETITEMHEIGHT, 0));
    rect.bottom = rect.top + nItemHeight * nShown + 6;
    int nWidth = WidestItem(m_pList, pFont, m_items) + 10;
    if (m_items.GetSize() >= kMostItemsShown)
        nWidth += ::GetSystemMetrics(SM_CXVSCROLL);
    rect.right = std::max(rect.right, rect.left + nWidth);
    CRect client;
    pArea->GetClientRect(&client);
    KeepInside(rect, client);
    m_pList->MoveWindow(&rect, FALSE);
    for (int i = 0; i < m_items.GetSize(); ++i)
        m_pList->SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(m_items[i])));
    m_pList->ShowWindow(SW_SHOW);
    m_pList->SetFocus();
    return 0;
}

void CGRDropListType::CloseList()
{
    if (m_pList && m_pList->GetSafeHwnd())
        m_pList->DestroyWindow();
    m_pList = nullptr;
}

// The button at the right (only on the current cell with its style), a
// separator left of it, a downward arrow; the text in the rest.
void CGRDropListType::OnDraw(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell, int nSelected,
                             int nCurrent)
{
    long lStyle = pCell->GetCellTypeEx();
    if ((lStyle & kStyleButtonOnCurrent) && !nCurrent) {
        CGRCellType::OnDraw(pDC, pRect, nCol, nRow, pCell, nSelected, nCurrent);
        return;
    }
    double dScale = pDC->IsPrinting() ? m_dPrintScale : 1.0;
    int nButtonWidth = static_cast<int>(m_nButtonWidth * dScale);
    CRect inner;
    DrawBorder(pDC, pRect, &inner, pCell);
    CRect textRect = inner;
    textRect.right -= nButtonWidth + 1;
    DrawText(pDC, &textRect, 0, nCol, nRow, pCell, nSelected, nCurrent);

    CRect button(inner.right - nButtonWidth, inner.top, inner.right, inner.bottom);
    if (GridTheme::DrawBackground(nullptr, pDC, pCell->GetThemeStyle(), 0, &button, nullptr))
        return;
    CGRCell frame;
    frame.SetBorderStyle(m_bButtonPressed && nCurrent ? kBorderSunken : kBorderRaised);
    CRect face;
    DrawBorder(pDC, &button, &face, &frame);
    pDC->FillSolidRect(&face, GRSysColor(COLOR_BTNFACE));
    CScopedSaveDC saved(*pDC);
    CPen facePen(PS_SOLID, 1, GRSysColor(COLOR_BTNFACE));
    pDC->SelectObject(&facePen);
    Line(pDC, button.left - 1, inner.top, button.left - 1, inner.bottom);
    CPoint centre = face.CenterPoint();
    if (pDC->IsPrinting()) {
        int nHalf = static_cast<int>(3 * dScale);
        POINT points[3] = {{centre.x - nHalf, centre.y - nHalf / 2}, {centre.x + nHalf, centre.y - nHalf / 2},
                           {centre.x, centre.y + nHalf}};
        pDC->SelectStockObject(BLACK_PEN);
        pDC->SelectStockObject(BLACK_BRUSH);
        pDC->Polygon(points, 3);
        Line(pDC, button.left, button.top, button.right, button.top);
        return;
    }
    bool bReadOnly = pCell->GetReadOnly() != 0;
    CPen arrowPen(PS_SOLID, 1, bReadOnly ? kReadOnlyArrow : RGB(0, 0, 0));
    CPen shadowPen(PS_SOLID, 1, RGB(255, 255, 255));
    const int kHalfWidths[] = {2, 1, 0};
    for (int i = 0; i < 3; ++i) {
        int y = centre.y - 1 + i;
        if (bReadOnly) {
            pDC->SelectObject(&shadowPen);
            Line(pDC, centre.x - kHalfWidths[i] + 1, y + 1, centre.x + kHalfWidths[i] + 2, y + 1);
        }
        pDC->SelectObject(&arrowPen);
        Line(pDC, centre.x - kHalfWidths[i], y, centre.x + kHalfWidths[i] + 1, y);
    }
}

void CGRDropListType::GetBestSize(CDC* pDC, CSize* pSize, CGRCell* pCell)
{
    CGRCellType::GetBestSize(pDC, pSize, pCell);
    if (!(pCell->GetCellTypeEx() & kStyleButtonOnCurrent))
        pSize->cx += m_nButtonWidth;
}
