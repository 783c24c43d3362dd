// The default drawing of a cell: background, bitmap, text and borders.
#include "CGRCellType.h"

#include "afxwin.h"

#include <algorithm>
#include <optional>

#include "CGRCell.h"
#include "CGRCtrlCore.h"
#include "CGRDataSource.h"
#include "CGRDibCopy.h"
#include "CGRDrawPass.h"
#include "CGRGridInfo.h"
#include "CGRKeptObject.h"
#include "GridRecordingDC.h"

namespace {

const COLORREF kDisabledText = 0x8C8C8C;
const long kStyleSingleLineMeasure = 1;
const long kStyleWordWrap = 2;
const long kStyleEllipsis = 4;
const long kStyleLabel = 8;
const long kStyleDisabled = 0x4000;
const int kBitmapMargin = 2;

// The lines one side of a border gets: triple, thick, thin, or a default
// line when default borders are on and the side is right or bottom.
struct SideLines {
    int nCount;
    bool bDefault;
};

SideLines LinesOfSide(short nStyle, short nThin, bool bDefaultSide)
{
    if (nStyle & (nThin << 8))
        return {3, false};
    if (nStyle & (nThin << 4))
        return {2, false};
    if (nStyle & nThin)
        return {1, false};
    return {bDefaultSide ? 1 : 0, true};
}

// The height of a line of text in the selected font, as a measure of any
// text in it gives; a drawing pass has it from its first cell in the font.
int LineHeight(CDC* pDC, CGRDrawPass* pPass)
{
    if (pPass)
        return pPass->LineHeight();
    TEXTMETRIC metrics = {};
    pDC->GetTextMetrics(&metrics);
    return metrics.tmHeight;
}

// Through the drawing pass when there is one: it selects only a pen that is
// not selected already.
void SelectPen(CDC* pDC, CGRDrawPass* pPass, CPen* pPen)
{
    if (pPass)
        pPass->SelectPen(pPen);
    else
        pDC->SelectObject(pPen);
}

void DrawLine(CDC* pDC, int x1, int y1, int x2, int y2)
{
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}

// The lines of a border that share one pen, drawn together when the pen is
// about to change or the border is done: one call on a context that puts
// pixels (each line as a move and a line would draw it, its end point left
// out), a move and a line each in a recording, whose readers see the calls.
class CBorderLines {
public:
    // A drawing pass is never over a recording.
    CBorderLines(CDC* pDC, const CGRDrawPass* pPass) : m_pDC(pDC), m_bRecording(!pPass && IsRecordingDC(*pDC)) {}
    CBorderLines(const CBorderLines&) = delete;
    CBorderLines& operator=(const CBorderLines&) = delete;

    void Add(int x1, int y1, int x2, int y2)
    {
        if (m_bRecording) {
            DrawLine(m_pDC, x1, y1, x2, y2);
            return;
        }
        if (m_nLines == kMaxLines)
            Draw();
        m_aPoints[2 * m_nLines] = {x1, y1};
        m_aPoints[2 * m_nLines + 1] = {x2, y2};
        ++m_nLines;
    }
    void Draw()
    {
        if (m_nLines == 0)
            return;
        DWORD aPointCounts[kMaxLines];
        std::fill_n(aPointCounts, m_nLines, 2);
        ::PolyPolyline(m_pDC->m_hDC, m_aPoints, aPointCounts, m_nLines);
        m_nLines = 0;
    }

private:
    static const int kMaxLines = 12;  // four sides of up to three lines
    CDC* m_pDC;
    bool m_bRecording;
    POINT m_aPoints[2 * kMaxLines] = {};
    int m_nLines = 0;
};

}

// In a drawing pass the background mode is transparent from its start.
void CGRCellType::DrawBackground(CDC* pDC, CRect* pRect, COLORREF crBack, int, int, CGRCell*, int, int)
{
    if (CGRDrawPass* pPass = CGRDrawPass::Current(*pDC)) {
        pPass->Fill(*pRect, crBack);
        return;
    }
    pDC->FillSolidRect(pRect, crBack);
    pDC->SetBkMode(TRANSPARENT);
}

// Lines are drawn inside the rectangle: left at its left edge, right one
// pixel in from its right edge; each line moves the inner rectangle in by
// one. The 3D frames draw rings in the button shadow and highlight pens.
void CGRCellType::DrawBorder(CDC* pDC, CRect* pRect, CRect* pInnerRect, CGRCell* pCell)
{
    CRect rect = *pRect;
    const CGRGridInfo* pInfo = m_pCtrl ? m_pCtrl->GetGridInfo() : nullptr;
    short nStyle = pCell->GetBorderStyle();
    bool b3D = (nStyle & (kBorderSunken | kBorderRaised)) != 0;
    bool bDefaultBorders = pInfo && pInfo->m_nDefaultBorders && !b3D;
    *pInnerRect = rect;
    if (nStyle == 0 && !bDefaultBorders)
        return;
    CPen* pDefaultPen = m_pCtrl ? m_pCtrl->GetGridPen(CGRCtrlCore::kDefaultBorderPen) : nullptr;
    CPen* pCellPen = pCell->GetBorderPen() ? pCell->GetBorderPen() : pDefaultPen;
    // A drawing pass keeps the last pen for the next cell, which most
    // likely draws in it too; without one the context gets its pen back.
    CGRDrawPass* pPass = CGRDrawPass::Current(*pDC);
    std::optional<CGRKeptObject> keptPen;
    if (!pPass)
        keptPen.emplace(*pDC, OBJ_PEN);
    // A pen is selected only for a side that has lines, and only when it is
    // not the one selected already: most cells draw two sides in one pen.
    CPen* pSelected = nullptr;
    CBorderLines lines(pDC, pPass);
    auto selectPen = [&](const SideLines& side) {
        CPen* pPen = side.bDefault ? pDefaultPen : pCellPen;
        if (side.nCount > 0 && pPen && pPen != pSelected) {
            lines.Draw();
            SelectPen(pDC, pPass, pPen);
            pSelected = pPen;
        }
    };
    SideLines left = LinesOfSide(nStyle, kBorderLeft, false);
    SideLines top = LinesOfSide(nStyle, kBorderTop, false);
    SideLines right = LinesOfSide(nStyle, kBorderRight, bDefaultBorders);
    SideLines bottom = LinesOfSide(nStyle, kBorderBottom, bDefaultBorders);
    selectPen(left);
    for (int i = 0; i < left.nCount; ++i)
        lines.Add(rect.left + i, rect.top, rect.left + i, rect.bottom);
    selectPen(top);
    for (int i = 0; i < top.nCount; ++i)
        lines.Add(rect.left, rect.top + i, rect.right, rect.top + i);
    selectPen(right);
    for (int i = 0; i < right.nCount; ++i)
        lines.Add(rect.right - 1 - i, rect.top, rect.right - 1 - i, rect.bottom);
    selectPen(bottom);
    for (int i = 0; i < bottom.nCount; ++i)
        lines.Add(rect.left, rect.bottom - 1 - i, rect.right, rect.bottom - 1 - i);
    lines.Draw();
    pInnerRect->DeflateRect(left.nCount, top.nCount, right.nCount, bottom.nCount);

    if (b3D && m_pCtrl) {
        bool bSunken = (nStyle & kBorderSunken) != 0;
        CPen* pShadow = m_pCtrl->GetGridPen(CGRCtrlCore::kShadowPen);
        CPen* pHighlight = m_pCtrl->GetGridPen(CGRCtrlCore::kHighlightPen);
        CPen* pTopLeft = bSunken ? pShadow : pHighlight;
        CPen* pBottomRight = bSunken ? pHighlight : pShadow;
        int nWidth = pInfo ? pInfo->m_nDrawingOptions[2] : 1;
        CRect ring = *pInnerRect;
        for (int i = 0; i < nWidth; ++i) {
            if (pTopLeft)
                SelectPen(pDC, pPass, pTopLeft);
            DrawLine(pDC, ring.left, ring.bottom - 1, ring.left, ring.top);
            DrawLine(pDC, ring.left, ring.top, ring.right, ring.top);
            if (pBottomRight)
                SelectPen(pDC, pPass, pBottomRight);
            DrawLine(pDC, ring.right - 1, ring.top, ring.right - 1, ring.bottom);
            DrawLine(pDC, ring.left, ring.bottom - 1, ring.right, ring.bottom - 1);
            ring.DeflateRect(1, 1);
        }
        pInnerRect->DeflateRect(nWidth, nWidth);
    }
}

// The bitmap at its natural size, vertically centred, when it fits the
// cell's height less the margins; else stretched to that height. On paper
// the margin and the natural size grow with the print scale, and the
// picture goes to the printer as a device-independent copy: a printer DC
// cannot take a bitmap made for the screen.
int CGRCellType::DrawBitmap(CDC* pDC, CBitmap* pBitmap, CRect* pRect, COLORREF crBack)
{
    BITMAP info = {};
    if (!pBitmap || !pBitmap->GetBitmap(&info) || info.bmHeight <= 0)
        return 0;
    const bool bPrinting = pDC->IsPrinting() != FALSE;
    const double dScale = bPrinting ? m_dPrintScale : 1.0;
    const int nMargin = static_cast<int>(kBitmapMargin * dScale);
    const int nNaturalWidth = static_cast<int>(info.bmWidth * dScale);
    const int nNaturalHeight = static_cast<int>(info.bmHeight * dScale);
    bool bNatural = nNaturalHeight <= pRect->Height() - 2 * nMargin;
    int nHeight = bNatural ? nNaturalHeight : pRect->Height() - 4;
    int nWidth = bNatural ? nNaturalWidth : info.bmWidth * (nHeight * 100 / info.bmHeight) / 100;
    nWidth = std::min(nWidth, pRect->Width() - 2 * nMargin);
    CRect strip(pRect->left, pRect->top, pRect->left + 2 * nMargin + nWidth, pRect->bottom);
    DrawBackground(pDC, &strip, crBack, 0, 0, nullptr, 0, 0);
    int x = pRect->left + nMargin;
    int yCentred = pRect->top + (pRect->Height() - nHeight) / 2;
    if (bPrinting) {
        if (nWidth > 0 && nHeight > 0)
            CGRDibCopy(pBitmap).Stretch(pDC, CRect(x, yCentred, x + nWidth, yCentred + nHeight));
        return nWidth + 2 * nMargin;
    }
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC))
        return 0;
    CScopedSelectObject selected(memDC, *pBitmap);
    if (bNatural)
        pDC->BitBlt(x, yCentred, nWidth, nHeight, &memDC, 0, 0, SRCCOPY);
    else
        pDC->StretchBlt(x, pRect->top + nMargin, nWidth, nHeight, &memDC, 0, 0, info.bmWidth, info.bmHeight,
                        SRCCOPY);
    return nWidth + 2 * nMargin;
}

void CGRCellType::DrawText(CDC* pDC, CRect* pRect, int nOffset, int nCol, int nRow, CGRCell* pCell,
                           int nSelected, int nCurrent)
{
    const CGRGridInfo* pInfo = m_pCtrl ? m_pCtrl->GetGridInfo() : nullptr;
    long lStyle = pCell->GetCellTypeEx();
    LPCTSTR lpszText = (m_nShowLabel || (lStyle & kStyleLabel)) ? pCell->GetLabel() : pCell->GetText();
    CString sText = lpszText ? lpszText : "";
    short nAlignment = pCell->GetAlignment();
    // In a drawing pass the pass keeps font, colours and alignment for the
    // cells after this one. Without one, background mode and colours are set
    // for every cell and only the font is put back.
    CGRDrawPass* pPass = CGRDrawPass::Current(*pDC);
    std::optional<CGRKeptObject> keptFont;
    if (pPass) {
        pPass->SelectFont(pCell->GetFont());
    } else if (pCell->GetFont()) {
        keptFont.emplace(*pDC, OBJ_FONT);
        pDC->SelectObject(pCell->GetFont());
    }

    bool bHighlight = nSelected || (nCurrent && pInfo && (pInfo->m_nDrawingOptions[0] & 2));
    COLORREF crText = bHighlight ? pCell->GetHighlightTextColor() : pCell->GetTextColor();
    COLORREF crBack = bHighlight ? pCell->GetHighlightBackColor() : pCell->GetBackColor();
    if (lStyle & kStyleDisabled) {
        crText = kDisabledText;
        crBack = pCell->GetBackColor();
    }
    DrawBackground(pDC, pRect, crBack, nRow, nCol, pCell, nCurrent, nSelected);
    if (pCell->GetBitmap()) {
        CRect bitmapRect = *pRect;
        bitmapRect.left += nOffset;
        nOffset += DrawBitmap(pDC, pCell->GetBitmap(), &bitmapRect, crBack);
    }
    if (pPass)
        pPass->SetTextColor(crText);
    else
        pDC->SetTextColor(crText);

    int nMargin = pInfo ? pInfo->m_nTextMargin : 4;
    // Right-aligned text goes on pixels by its right edge (TA_RIGHT): the
    // window system lays it out from the same advance widths a measure would
    // give, so the measure is saved. A recording keeps the text's left edge
    // as its reference point, as readers of a report's picture expect.
    const bool bRightEdge =
        (nAlignment & kAlignRight) && !(nAlignment & kAlignCenter) && (pPass || !IsRecordingDC(*pDC));
    int x = pRect->left + nMargin + nOffset;
    if (bRightEdge)
        x = pRect->right - nMargin;
    else if (nAlignment & kAlignCenter)
        x = pRect->left + (pRect->Width() - pDC->GetTextExtent(sText).cx) / 2;
    else if (nAlignment & kAlignRight)
        x = pRect->right - nMargin - pDC->GetTextExtent(sText).cx;
    int y = pRect->top + 1;
    if (nAlignment & (kAlignVCenter | kAlignBottom)) {
        // A line's height is the font's; an empty text keeps what its
        // measure gives (a recording still holds its empty text call).
        const int nTextHeight = sText.IsEmpty() ? pDC->GetTextExtent(sText).cy : LineHeight(pDC, pPass);
        y = (nAlignment & kAlignVCenter) ? pRect->top + (pRect->Height() - nTextHeight) / 2
                                         : pRect->bottom - nTextHeight - 1;
    }
    CRect rect = *pRect;
    if (nOffset < 0)
        rect.left -= 1;
    if (pPass)
        pPass->SetTextAlign(bRightEdge ? TA_RIGHT | TA_TOP : pPass->GetFormerTextAlign());

    if (lStyle & kStyleWordWrap) {
        UINT nFormat = DT_NOPREFIX | DT_WORDBREAK;
        if (nAlignment & kAlignCenter)
            nFormat |= DT_CENTER;
        else if (nAlignment & kAlignRight)
            nFormat |= DT_RIGHT;
        if (nAlignment & (kAlignCenter | kAlignRight))
            rect.right -= nMargin + nOffset;
        if (!(nAlignment & kAlignRight))
            rect.left += nMargin + nOffset;
        if (nAlignment & (kAlignVCenter | kAlignBottom)) {
            CRect measure = rect;
            int nTextHeight = pDC->DrawText(sText, &measure, nFormat | DT_CALCRECT);
            rect.top = (nAlignment & kAlignBottom) ? rect.bottom - nTextHeight - 1
                                                   : rect.top + (rect.Height() - nTextHeight) / 2;
        }
        pDC->DrawText(sText, &rect, nFormat);
    } else if (lStyle & kStyleEllipsis) {
        rect.top = y;
        rect.left += 3;
        pDC->DrawText(sText, &rect, DT_NOPREFIX | DT_SINGLELINE | DT_END_ELLIPSIS);
    } else if (bRightEdge && !pPass) {
        const UINT nFormerAlign = pDC->SetTextAlign(TA_RIGHT | TA_TOP);
        pDC->ExtTextOut(x, y, ETO_CLIPPED, &rect, sText, nullptr);
        pDC->SetTextAlign(nFormerAlign);
    } else {
        pDC->ExtTextOut(x, y, ETO_CLIPPED, &rect, sText, nullptr);
    }
}

// Border first; the text and its background go inside it. With cell
// overlap on, an empty cell shows the part of a left neighbour's text that
// runs into it, and the cell to the right of a text is drawn in the same
// pass, since the text may reach it.
void CGRCellType::OnDraw(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell, int nSelected,
                         int nCurrent)
{
    if (pDC->IsPrinting()) {
        OnDrawPrint(pDC, pRect, nCol, nRow, pCell, nSelected, nCurrent);
        return;
    }
    const CGRGridInfo* pInfo = m_pCtrl ? m_pCtrl->GetGridInfo() : nullptr;
    CRect inner;
    if (pInfo && pInfo->m_nCellOverlap && CanOverlap(pCell)) {
        if (!pCell->IsPropertySet(kPropText)) {
            int nSourceCol = 0;
            CGRCell source;
            int nOffset = GetOverlapOffset(pDC, nCol, nRow, &nSourceCol, &source);
            if (nOffset != 0) {
                DrawBorder(pDC, pRect, &inner, pCell);
                DrawText(pDC, &inner, nOffset, nCol, nRow, &source, nSelected, nCurrent);
                m_pCtrl->AddToRedrawList(nCol + 1, nRow);
                return;
            }
        } else {
            m_pCtrl->AddToRedrawList(nCol + 1, nRow);
        }
    }
    DrawBorder(pDC, pRect, &inner, pCell);
    DrawText(pDC, &inner, 0, nCol, nRow, pCell, nSelected, nCurrent);
}

// How far left of this cell the text of the nearest written cell to the
// left starts, when that text is wider than its column and reaches this
// cell: minus the widths of the columns in between. 0 when nothing runs in.
int CGRCellType::GetOverlapOffset(CDC* pDC, int nCol, int nRow, int* pnSourceCol, CGRCell* pSourceCell)
{
    const CGRGridInfo* pInfo = m_pCtrl ? m_pCtrl->GetGridInfo() : nullptr;
    if (!pInfo || !pInfo->m_nCellOverlap)
        return 0;
    int nSourceCol = nCol;
    if (pInfo->m_pDefDataSource->GetPrevNonBlankCol(&nSourceCol, nRow) != 0)
        return 0;
    m_pCtrl->GetCellIndirect(nSourceCol, nRow, pSourceCell);
    int nSourceWidth = pInfo->GetColWidth(nSourceCol);
    CSize best(nSourceWidth, pInfo->GetRowHeight(nRow));
    CGRCellType* pSourceType = m_pCtrl->GetCellType(pSourceCell->GetCellType());
    pSourceType->GetBestSize(pDC, &best, pSourceCell);
    if (best.cx <= nSourceWidth || !pSourceType->CanOverlap(pSourceCell))
        return 0;
    int nSum = 0;
    int nReached = nSourceCol;
    while (nReached < nCol && nSum <= best.cx)
        nSum += pInfo->GetColWidth(nReached++);
    if (nReached < nCol || nSum > best.cx)
        return 0;
    *pnSourceCol = nSourceCol;
    if (!pDC->IsPrinting())
        m_dPrintScale = 1.0;
    return -static_cast<int>(nSum * m_dPrintScale);
}

// On paper a text does not borrow from the next cell's drawing: the cell
// that holds it draws it over as many empty cells to its right as it needs,
// within the page, and those cells draw nothing.
void CGRCellType::OnDrawPrint(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell, int nSelected,
                              int nCurrent)
{
    const CGRGridInfo* pInfo = m_pCtrl ? m_pCtrl->GetGridInfo() : nullptr;
    double dScale = (pDC->IsPrinting() && m_pCtrl) ? m_pCtrl->GetPrintScale() : 1.0;
    m_dPrintScale = dScale;
    bool bOverlap = pInfo && pInfo->m_nCellOverlap && CanOverlap(pCell);
    if (bOverlap && !pCell->IsPropertySet(kPropText)) {
        int nSourceCol = 0;
        CGRCell source;
        if (GetOverlapOffset(pDC, nCol, nRow, &nSourceCol, &source) != 0)
            return;
    }
    CRect textRect = *pRect;
    if (bOverlap)
        GrowOverEmptyCells(pDC, textRect, nCol, nRow, pCell, dScale);
    CRect inner;
    DrawBorder(pDC, pRect, &inner, pCell);
    DrawText(pDC, &textRect, 0, nCol, nRow, pCell, nSelected, nCurrent);
}

void CGRCellType::GrowOverEmptyCells(CDC* pDC, CRect& rect, int nCol, int nRow, CGRCell* pCell, double dScale)
{
    const CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    LPCTSTR lpszText = pCell->GetText();
    CScopedSaveDC savedDC(*pDC);
    if (pCell->GetFont())
        pDC->SelectObject(pCell->GetFont());
    int nNeeded = pDC->GetTextExtent(lpszText ? lpszText : "").cx + static_cast<int>(info.m_nTextMargin * dScale);
    int nLastCol = m_pCtrl->GetPrintLastCol();
    for (int nNext = nCol + 1; rect.Width() < nNeeded && nNext <= nLastCol; ++nNext) {
        CGRCell next;
        m_pCtrl->GetCellIndirect(nNext, nRow, &next);
        if (next.IsPropertySet(kPropText) && *next.GetText())
            break;
        rect.right += static_cast<int>(info.GetColWidth(nNext) * dScale);
    }
}

// Prints one cell with its font scaled to the printed row's height, so the
// text keeps its place in the row whatever the printer's resolution.
void CGRCellType::OnPrintCell(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell)
{
    const CGRGridInfo* pInfo = m_pCtrl ? m_pCtrl->GetGridInfo() : nullptr;
    CFont* pFont = pCell->GetFont() ? pCell->GetFont() : (pInfo ? pInfo->m_pDefFont : nullptr);
    LOGFONT logFont = {};
    if (pFont)
        pFont->GetLogFont(&logFont);
    else
        ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont);
    logFont.lfHeight = static_cast<LONG>(logFont.lfHeight * PrintedFontScale(*pRect, nCol, nRow, pCell));
    CFont printFont;
    printFont.CreateFontIndirect(&logFont);
    CScopedSelectObject selected(*pDC, printFont);
    CGRCell printed;
    printed.CopyFrom(pCell);
    printed.SetFont(&printFont);
    OnDraw(pDC, pRect, nCol, nRow, &printed, 0, 0);
    CRect inner;
    DrawBorder(pDC, pRect, &inner, &printed);
}

// Printed height over screen height of one row: the row's own, a joined
// range's share per row, or for the corner cell the share of one heading row.
double CGRCellType::PrintedFontScale(const CRect& rect, int nCol, int nRow, CGRCell* pCell) const
{
    const CGRGridInfo* pInfo = m_pCtrl ? m_pCtrl->GetGridInfo() : nullptr;
    int nRowHeight = 0;
    if (!m_pCtrl || m_pCtrl->QueryRowHeight(nRow, &nRowHeight) != 0 || nRowHeight <= 0)
        return 1.0;
    double dHeight = rect.Height();
    int nOrigin = 0, nColSpan = 0, nRowSpan = 0;
    if (pCell->GetJoinInfo(&nOrigin, &nColSpan, &nRowSpan) == 0 && nOrigin && nRowSpan >= 1)
        return dHeight / (nRowSpan + 1) / nRowHeight;
    if (nCol < 0 && nRow < 0)
        return dHeight / pInfo->m_nNumberTopHdgRows / nRowHeight;
    return dHeight / (nRowHeight + 1.5);
}

int CGRCellType::DrawFocus(CDC*, CRect*, int, int)
{
    return 0;
}

// The room the cell's text and bitmap need: 6 pixels wider and 2 higher
// than what they cover.
void CGRCellType::GetBestSize(CDC* pDC, CSize* pSize, CGRCell* pCell)
{
    const CGRGridInfo* pInfo = m_pCtrl ? m_pCtrl->GetGridInfo() : nullptr;
    CScopedSaveDC savedDC(*pDC);
    CFont* pFont = pCell->GetFont() ? pCell->GetFont() : (pInfo ? pInfo->m_pDefFont : nullptr);
    if (pFont)
        pDC->SelectObject(pFont);
    int nBitmapWidth = 0;
    BITMAP info = {};
    if (pCell->GetBitmap() && pCell->GetBitmap()->GetBitmap(&info) && info.bmHeight > 0)
        nBitmapWidth = info.bmWidth * pSize->cy / info.bmHeight;
    CRect textRect(0, 0, 0, 0);
    LPCTSTR lpszText = pCell->GetText();
    if (lpszText) {
        long lStyle = pCell->GetCellTypeEx();
        UINT nFormat = DT_CALCRECT | DT_NOPREFIX;
        if (lStyle == 0 || (lStyle & kStyleSingleLineMeasure))
            nFormat |= DT_SINGLELINE;
        if (lStyle & kStyleEllipsis)
            nFormat |= DT_END_ELLIPSIS;
        pDC->DrawText(lpszText, -1, &textRect, nFormat);
    }
    *pSize = CSize(textRect.Width() + nBitmapWidth + 6, textRect.Height() + 2);
}
