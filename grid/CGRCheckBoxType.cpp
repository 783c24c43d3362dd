#include "CGRCheckBoxType.h"

#include "CGRCell.h"
#include "CGRCtrlCore.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGRCheckBoxType, CGRCellType)

namespace {
const CGRTypeId kCheckBoxTypeId = {{'G', 'R', 'C', 'h', 'e', 'c', 'k', 'B', 'o', 'x', 0, 0, 0, 0, 0, 1}};
const int kLargestSide = 12;
const int kAlignTop = 8;
const UINT kCharSpace = 32;
}

// A check box is never edited in place; its label stands beside the box and
// never runs on.
CGRCheckBoxType::CGRCheckBoxType()
{
    m_nEditable = 0;
    m_nCanOverlap = 0;
    m_nShowLabel = 1;
}

LPCTSTR CGRCheckBoxType::GetName()
{
    return "CheckBox";
}

const CGRTypeId& CGRCheckBoxType::GetTypeId()
{
    return kCheckBoxTypeId;
}

// The box is the cell's height less 6, at most 12, centred down the cell at
// its left; an aligned box follows the cell's alignment instead.
CRect CGRCheckBoxType::GetBoxRect(const CRect& cellRect, CGRCell* pCell) const
{
    int nSide = static_cast<int>(std::min(cellRect.Height() - 6, kLargestSide) * m_dPrintScale);
    int nOffset = (cellRect.Height() - nSide) / 2;
    long lStyle = pCell->GetCellTypeEx();
    int nWidth = nSide + ((lStyle & kStyleRound) ? 1 : 0);
    int x = cellRect.left + 3;
    int y = cellRect.top + nOffset;
    if (lStyle & kStyleAligned) {
        short nAlignment = pCell->GetAlignment();
        if (nAlignment & kAlignCenter)
            x = cellRect.left + cellRect.Width() / 2 - nSide / 2;
        else if (nAlignment & kAlignRight)
            x = cellRect.right - nSide - 6;
        if (nAlignment & kAlignTop)
            y = cellRect.top + 3;
        else if (nAlignment & kAlignBottom)
            y = cellRect.bottom - nSide - 6;
    }
    return CRect(x, y, x + nWidth, y + nSide);
}

// The next state, stored, reported and shown; nothing for a read-only or
// disabled cell.
int CGRCheckBoxType::Toggle(int nCol, int nRow)
{
    CGRCell cell;
    m_pCtrl->GetCellIndirect(nCol, nRow, &cell);
    long lStyle = cell.GetCellTypeEx();
    if (cell.GetReadOnly() || (lStyle & kStyleDisabled))
        return 0;
    int nStates = (lStyle & kStyleThreeStates) ? 3 : 2;
    int nState = (static_cast<int>(cell.GetNumber()) + 1) % nStates;
    cell.SetNumber(nState);
    m_pCtrl->SetCell(nCol, nRow, &cell);
    OnCellTypeNotify(m_nTypeIndex, nCol, nRow, kMessageStateChanged, nState);
    m_pCtrl->RedrawCell(nCol, nRow);
    return 1;
}

int CGRCheckBoxType::OnLClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint)
{
    if (!nUpDown || !m_pCtrl)
        return 0;
    CGRCell cell;
    m_pCtrl->GetCellIndirect(nCol, nRow, &cell);
    if (!GetBoxRect(*pRect, &cell).PtInRect(*pPoint))
        return 0;
    return Toggle(nCol, nRow);
}

int CGRCheckBoxType::OnDClicked(int nCol, int nRow, CRect* pRect, CPoint* pPoint)
{
    return OnLClicked(nCol, nRow, 1, pRect, pPoint);
}

int CGRCheckBoxType::OnCharDown(int nCol, int nRow, UINT* pnChar)
{
    if (*pnChar != kCharSpace || !m_pCtrl)
        return 0;
    return Toggle(nCol, nRow);
}
