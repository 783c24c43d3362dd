#include "CGRDropTarget.h"

#include "CGRCtrl.h"

CGRDropTarget::CGRDropTarget(CGRCtrl* pCtrl) : m_pCtrl(pCtrl)
{
}

// Points come in the client coordinates of the registered window; the
// cells are found in the cell area's.
CPoint CGRDropTarget::ToCellArea(CWnd* pWnd, CPoint point) const
{
    pWnd->MapWindowPoints(m_pCtrl->GetCellArea(), &point, 1);
    return point;
}

void CGRDropTarget::CellAt(CWnd* pWnd, CPoint point, int& nCol, int& nRow) const
{
    CPoint inArea = ToCellArea(pWnd, point);
    nCol = nRow = -1;
    m_pCtrl->GetCellFromPoint(inArea.x, inArea.y, nCol, nRow);
}

DROPEFFECT CGRDropTarget::OnDragEnter(CWnd*, COleDataObject* pDataObject, DWORD, CPoint)
{
    return m_pCtrl->OnDragEnter(pDataObject);
}

DROPEFFECT CGRDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD, CPoint point)
{
    int nCol = -1, nRow = -1;
    CellAt(pWnd, point, nCol, nRow);
    return m_pCtrl->OnDragOver(pDataObject, nCol, nRow);
}

// Taken text goes in from the cell under the point. When that cell cannot
// become current (outside the cells, or the move is refused) nothing is
// pasted: the text would land on the cell that happened to be current.
BOOL CGRDropTarget::OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT, CPoint point)
{
    int nCol = -1, nRow = -1;
    CellAt(pWnd, point, nCol, nRow);
    int nTaken = m_pCtrl->OnDragDrop(pDataObject, nCol, nRow);
    CString sText;
    if (nTaken && pDataObject->IsDataAvailable(CF_TEXT) && m_pCtrl->GotoCell(nCol, nRow) == kGridDone
        && GetText(pDataObject, sText))
        m_pCtrl->PasteFromText(sText);
    return nTaken;
}

BOOL CGRDropTarget::GetText(COleDataObject* pDataObject, CString& sText)
{
    HGLOBAL hText = pDataObject->GetGlobalData(CF_TEXT);
    if (!hText)
        return FALSE;
    const char* lpszText = static_cast<const char*>(::GlobalLock(hText));
    if (lpszText) {
        size_t nSize = ::GlobalSize(hText);
        sText = CString(lpszText, static_cast<int>(strnlen(lpszText, nSize)));
        ::GlobalUnlock(hText);
    }
    ::GlobalFree(hText);
    return lpszText != nullptr;
}

// Near the left or right edge the view moves a column; else near the top
// or bottom edge a row. The drag itself goes on as before.
DROPEFFECT CGRDropTarget::OnDragScroll(CWnd* pWnd, DWORD, CPoint point)
{
    CPoint inArea = ToCellArea(pWnd, point);
    CRect area;
    m_pCtrl->GetCellArea()->GetClientRect(&area);
    if (inArea.x < area.left + kScrollZone)
        m_pCtrl->SetLeftCol(m_pCtrl->GetLeftCol() - 1);
    else if (inArea.x >= area.right - kScrollZone)
        m_pCtrl->SetLeftCol(m_pCtrl->GetLeftCol() + 1);
    else if (inArea.y < area.top + kScrollZone)
        m_pCtrl->SetTopRow(m_pCtrl->GetTopRow() - 1);
    else if (inArea.y >= area.bottom - kScrollZone)
        m_pCtrl->SetTopRow(m_pCtrl->GetTopRow() + 1);
    return DROPEFFECT_NONE;
}
