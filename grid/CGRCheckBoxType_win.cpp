// The drawing of a check-box cell: border, background, the box with its
// frame and mark, and the label beside it.
#include "CGRCheckBoxType.h"

#include "afxwin.h"

#include "CGRCell.h"
#include "CGRCtrlCore.h"
#include "CGRSysColors.h"
#include "GridTheme.h"

namespace {

const COLORREF kLightFrame = 0xE1E1E1;
const int kAlignedWidth = 18;

void Line(CDC* pDC, int x1, int y1, int x2, int y2)
{
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}

// The third state and read-only boxes: a checkerboard of the button face and
// highlight colours.
void FillPattern(CDC* pDC, const CRect& rect)
{
    static const WORD kRows[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    CBitmap pattern;
    CBrush brush;
    if (!pattern.CreateBitmap(8, 8, 1, 1, kRows) || !brush.CreatePatternBrush(&pattern))
        return;
    CScopedSaveDC saved(*pDC);
    pDC->SetTextColor(GRSysColor(COLOR_BTNFACE));
    pDC->SetBkColor(GRSysColor(COLOR_BTNHIGHLIGHT));
    pDC->FillRect(&rect, &brush);
}

void DrawFrame(CDC* pDC, const CRect& box, long lStyle, bool bHighlight)
{
    CPen shadow(PS_SOLID, 1, GRSysColor(COLOR_BTNSHADOW));
    CPen light(PS_SOLID, 1, kLightFrame);
    CPen face(PS_SOLID, 1, GRSysColor(COLOR_BTNFACE));
    CPen flat(PS_SOLID, 1, bHighlight ? RGB(255, 255, 255) : RGB(0, 0, 0));
    CScopedSaveDC saved(*pDC);
    pDC->SelectStockObject(NULL_BRUSH);
    if (lStyle & CGRCheckBoxType::kStyleRound) {
        pDC->SelectObject(&flat);
        pDC->Ellipse(&box);
        return;
    }
    if (!(lStyle & (CGRCheckBoxType::kStyle3DFrame | CGRCheckBoxType::kStyle3DFrameSecond))) {
        pDC->SelectObject(&flat);
        pDC->Rectangle(&box);
        return;
    }
    bool bSecond = (lStyle & CGRCheckBoxType::kStyle3DFrameSecond) != 0;
    CRect ring = box;
    pDC->SelectObject(&shadow);
    Line(pDC, ring.left, ring.bottom - 1, ring.left, ring.top);
    Line(pDC, ring.left, ring.top, ring.right, ring.top);
    pDC->SelectObject(bSecond ? &face : &light);
    Line(pDC, ring.right - 1, ring.top, ring.right - 1, ring.bottom);
    Line(pDC, ring.left, ring.bottom - 1, ring.right, ring.bottom - 1);
    ring.DeflateRect(1, 1);
    pDC->SelectStockObject(BLACK_PEN);
    Line(pDC, ring.left, ring.bottom - 1, ring.left, ring.top);
    Line(pDC, ring.left, ring.top, ring.right, ring.top);
    pDC->SelectObject(bSecond ? &light : &face);
    Line(pDC, ring.right - 1, ring.top, ring.right - 1, ring.bottom);
    Line(pDC, ring.left, ring.bottom - 1, ring.right, ring.bottom - 1);
}

// A tick, a dot or a cross inside the box; the lines one pixel thicker in
// boxes of more than 9 pixels.
void DrawMark(CDC* pDC, const CRect& box, long lStyle, COLORREF crMark)
{
    CRect inner = box;
    inner.DeflateRect(3, 3);
    int nWidth = box.Height() > 9 ? 2 : 1;
    CPen pen(PS_SOLID, nWidth, crMark);
    CBrush brush(crMark);
    CScopedSaveDC saved(*pDC);
    pDC->SelectObject(&pen);
    pDC->SelectObject(&brush);
    if (lStyle & CGRCheckBoxType::kStyleTick) {
        int xMid = inner.left + inner.Width() / 3;
        Line(pDC, inner.left, inner.top + inner.Height() / 2, xMid, inner.bottom - 1);
        Line(pDC, xMid, inner.bottom - 1, inner.right, inner.top - 1);
    } else if (lStyle & CGRCheckBoxType::kStyleRound) {
        pDC->Ellipse(&inner);
    } else {
        Line(pDC, inner.left, inner.top, inner.right, inner.bottom);
        Line(pDC, inner.left, inner.bottom - 1, inner.right, inner.top - 1);
    }
}

}

void CGRCheckBoxType::OnDraw(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell, int nSelected,
                             int nCurrent)
{
    const CGRGridInfo* pInfo = m_pCtrl ? m_pCtrl->GetGridInfo() : nullptr;
    m_dPrintScale = pDC->IsPrinting() ? m_dPrintScale : 1.0;
    CRect inner;
    DrawBorder(pDC, pRect, &inner, pCell);
    bool bHighlight = nSelected || (nCurrent && pInfo && (pInfo->m_nDrawingOptions[0] & 2));
    COLORREF crBack = bHighlight ? pCell->GetHighlightBackColor() : pCell->GetBackColor();
    DrawBackground(pDC, &inner, crBack, nRow, nCol, pCell, nCurrent, nSelected);
    long lStyle = pCell->GetCellTypeEx();
    CRect box = GetBoxRect(*pRect, pCell);
    int nState = static_cast<int>(pCell->GetNumber());
    if (box.Height() >= 6 && !GridTheme::DrawBackground(nullptr, pDC, pCell->GetThemeStyle(), 0, &box, nullptr)) {
        if (pCell->GetReadOnly() || nState == 2) {
            CRect fill = box;
            fill.DeflateRect(1, 1);
            FillPattern(pDC, fill);
        }
        DrawFrame(pDC, box, lStyle, bHighlight);
        if (nState == 1 || nState == 2) {
            COLORREF crMark = nState == 2 ? GRSysColor(COLOR_BTNSHADOW)
                                          : (bHighlight ? RGB(255, 255, 255) : RGB(0, 0, 0));
            DrawMark(pDC, box, lStyle, crMark);
        }
    }
    if (lStyle & kStyleAligned)
        return;
    CRect label = inner;
    label.left = std::min(label.right, pRect->left + box.Height() + 6);
    DrawText(pDC, &label, 0, nCol, nRow, pCell, nSelected, nCurrent);
}

// The label measured as the default type measures text, and room for the
// box beside it.
void CGRCheckBoxType::GetBestSize(CDC* pDC, CSize* pSize, CGRCell* pCell)
{
    if (pCell->GetCellTypeEx() & kStyleAligned) {
        *pSize = CSize(kAlignedWidth, 2);
        return;
    }
    CGRCell label;
    label.CopyFrom(pCell);
    CString sLabel;
    pCell->GetLabelInto(sLabel);
    label.SetText(sLabel);
    label.SetCellTypeEx(0);
    CGRCellType::GetBestSize(pDC, pSize, &label);
    pSize->cx += kAlignedWidth;
}
