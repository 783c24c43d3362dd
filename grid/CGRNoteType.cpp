#include "CGRNoteType.h"

#include "CGRCell.h"
#include "CGRCtrlCore.h"

namespace {
const CGRTypeId kNoteTypeId = {{'G', 'R', 'N', 'o', 't', 'e', 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}};
const int kPopupRightOfCell = 5;
const int kPopupAboveCell = 15;
}

// A note's text never runs on into its neighbours.
CGRNoteType::CGRNoteType()
{
    m_nCanOverlap = 0;
}

CGRNoteType::~CGRNoteType()
{
    StopTimer();
}

LPCTSTR CGRNoteType::GetName()
{
    return "Note";
}

const CGRTypeId& CGRNoteType::GetTypeId()
{
    return kNoteTypeId;
}

CGRNoteTypeEWnd* CGRNoteType::GetPopup()
{
    return &m_popup;
}

void CGRNoteType::StopTimer()
{
    if (m_nTimer && m_popup.GetSafeHwnd())
        m_popup.KillTimer(m_nTimer);
    m_nTimer = 0;
}

void CGRNoteType::HidePopup()
{
    StopTimer();
    if (m_popup.GetSafeHwnd())
        m_popup.ShowWindow(SW_HIDE);
}

// Beside the cell, a little above it, over the other windows; a timer takes
// it away once the pointer has left the cell.
void CGRNoteType::ShowPopup(const CRect& cellRect, const CString& sNote)
{
    int y = cellRect.top <= kPopupAboveCell ? cellRect.top : cellRect.top - kPopupAboveCell;
    m_popup.SetWindowText(sNote);
    m_popup.SetWindowPos(nullptr, cellRect.right + kPopupRightOfCell, y, m_nPopupWidth, m_nPopupHeight,
                         SWP_NOACTIVATE);
    m_popup.ShowWindow(SW_SHOWNOACTIVATE);
    m_popup.FitToText();
    CRect screenRect = cellRect;
    m_popup.GetParent()->ClientToScreen(&screenRect);
    m_popup.SetHoverRect(screenRect);
    StopTimer();
    m_nTimer = m_popup.SetTimer(CGRNoteTypeEWnd::kTimerID, CGRNoteTypeEWnd::kTimerMilliseconds);
}

int CGRNoteType::OnMouseMove(int nCol, int nRow, CPoint* pPoint, UINT)
{
    if (!m_pCtrl || !m_bPopupCreated)
        return 0;
    CRect cellRect;
    m_pCtrl->GetCellRect(nCol, nRow, &cellRect);
    bool bInside = pPoint->x > cellRect.left && pPoint->x < cellRect.right - 1 && pPoint->y > cellRect.top
                   && pPoint->y < cellRect.bottom - 1;
    if (!bInside) {
        HidePopup();
        return 0;
    }
    if (m_popup.IsWindowVisible()) {
        if (!m_nTimer)
            HidePopup();
        return 0;
    }
    CGRCell cell;
    m_pCtrl->GetCellIndirect(nCol, nRow, &cell);
    CString sNote;
    cell.GetLabelInto(sNote);
    if (!sNote.IsEmpty())
        ShowPopup(cellRect, sNote);
    return 0;
}

void CGRNoteType::OnKillFocus(int nCol, int nRow, CGRCell*)
{
    HidePopup();
    if (m_pCtrl)
        m_pCtrl->RedrawCell(nCol, nRow);
}

void CGRNoteType::OnViewMoved(int, int, CGRCell*)
{
    if (!m_popup.GetSafeHwnd() || !m_popup.IsWindowVisible())
        return;
    HidePopup();
    if (CWnd* pArea = m_pCtrl ? m_pCtrl->GetCellAreaWindow() : nullptr)
        pArea->Invalidate(FALSE);
}

// The default drawing and, for a cell with a note, a red triangle in the
// top right corner.
void CGRNoteType::OnDraw(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell, int nSelected,
                         int nCurrent)
{
    CWnd* pArea = m_pCtrl ? m_pCtrl->GetCellAreaWindow() : nullptr;
    if (!m_bPopupCreated && pArea && pArea->GetSafeHwnd())
        m_bPopupCreated = m_popup.CreateNote(pArea) ? 1 : 0;
    CRect inner;
    DrawBorder(pDC, pRect, &inner, pCell);
    DrawText(pDC, &inner, 0, nCol, nRow, pCell, nSelected, nCurrent);
    LPCTSTR lpszLabel = pCell->GetLabel();
    if (!lpszLabel || !*lpszLabel)
        return;
    CBrush red(kMarkColor);
    CPen pen(PS_SOLID, 1, kMarkColor);
    CScopedSaveDC saved(*pDC);
    pDC->SelectObject(&red);
    pDC->SelectObject(&pen);
    POINT points[3] = {{inner.right - kMarkSize, inner.top}, {inner.right - 1, inner.top},
                       {inner.right - 1, inner.top + kMarkSize - 1}};
    pDC->Polygon(points, 3);
}
