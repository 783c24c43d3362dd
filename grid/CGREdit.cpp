#include "CGREdit.h"

#include "CGRCtrl.h"

BEGIN_MESSAGE_MAP(CGREdit, CGREditBase)
    ON_WM_SETFOCUS()
    ON_WM_SETCURSOR()
    ON_CONTROL_REFLECT(EN_UPDATE, OnUpdate)
END_MESSAGE_MAP()

CGREdit::CGREdit(CGRCtrl* pCtrl) : CGREditBase(pCtrl)
{
}

void CGREdit::SetGrowOption(int nOn)
{
    m_bGrowOption = nOn ? 1 : 0;
}

// Esc cancels before a dialog around the grid could take it for its own
// Cancel button.
BOOL CGREdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE && pMsg->hwnd == m_hWnd) {
        Cancel();
        return TRUE;
    }
    return CGREditBase::PreTranslateMessage(pMsg);
}

// The start of an edit: a type whose text never runs on keeps the edit in
// its cell, and so does a heading cell (the edit grows over the cell
// area's empty cells only).
void CGREdit::OnSetFocus(CWnd* pOldWnd)
{
    CGREditBase::OnSetFocus(pOldWnd);
    m_bGrowing = m_bGrowOption;
    if (m_pCtrl) {
        CGRCell cell;
        int nCol = 0, nRow = 0;
        GetEditedCell(nCol, nRow);
        m_pCtrl->GetCellIndirect(nCol, nRow, &cell);
        if (nCol < 0 || nRow < 0 || !m_pCtrl->GetCellType(cell.GetCellType())->CanOverlap(&cell))
            m_bGrowing = 0;
    }
    CRect client;
    GetClientRect(&client);
    m_nStartHeight = m_nCurrentHeight = client.Height() + 4;
    GrowToText();
}

BOOL CGREdit::OnSetCursor(CWnd*, UINT, UINT)
{
    ::SetCursor(::LoadCursor(nullptr, IDC_IBEAM));
    return TRUE;
}

void CGREdit::OnUpdate()
{
    GrowToText();
}

// The text with a reserve is measured from the edit's left edge across the
// cell area; the edit widens to the edge of the cell the text reaches and,
// once the text wraps, grows down to the edge of the cell it reaches. It
// never shrinks and never leaves the cell area.
void CGREdit::GrowToText()
{
    if (!m_bGrowing || !m_pCtrl || !m_pCtrl->GetGridInfo()->m_nCellOverlap || !GetSafeHwnd())
        return;
    CGRGrid* pArea = m_pCtrl->GetCellArea();
    CString sText;
    GetWindowText(sText);
    sText += " X X";
    CRect editRect;
    GetWindowRect(&editRect);
    pArea->ScreenToClient(&editRect);
    CRect areaRect;
    pArea->GetClientRect(&areaRect);

    CRect measured(editRect.left + 2, editRect.top, areaRect.right, editRect.bottom);
    {
        CClientDC dc(this);
        CScopedSaveDC saved(dc);
        if (CFont* pFont = GetFont())
            dc.SelectObject(pFont);
        dc.DrawText(sText, &measured, DT_CALCRECT | DT_WORDBREAK);
    }
    measured.left -= 2;
    measured.bottom = std::min(measured.bottom, areaRect.bottom - 1);
    int nCol = 0, nRow = 0;
    CRect cellRect;
    if (measured.right > editRect.right) {
        int x = std::min(measured.right + 1, areaRect.right - 1);
        if (m_pCtrl->GetCellFromPoint(x, editRect.top, nCol, nRow, &cellRect) == kGridDone)
            measured.right = std::min(cellRect.right, areaRect.right) - 1;
    }
    if (measured.bottom > editRect.bottom) {
        measured.right = areaRect.right;
        int y = std::min(measured.bottom + 1, areaRect.bottom - 1);
        if (m_pCtrl->GetCellFromPoint(editRect.left, y, nCol, nRow, &cellRect) == kGridDone)
            measured.bottom = cellRect.bottom - 1;
    }
    measured.bottom = std::min(measured.bottom, areaRect.bottom - 1);
    measured.right = std::max(measured.right, editRect.right);
    measured.bottom = std::max(measured.bottom, editRect.bottom);
    measured.left = editRect.left;
    measured.top = editRect.top;
    if (measured == editRect)
        return;
    MoveWindow(&measured, TRUE);
    pArea->ValidateRect(&measured);
    m_nCurrentHeight = measured.Height();
}
