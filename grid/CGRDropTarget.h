#pragma once
// Classes in this file: CGRDropTarget, the OLE drop target of a grid
// control. Registered for the control or its cell area (the program
// registers it nowhere), it passes each step of a drag to the control's
// drag notifications with the cell under the point, pastes dropped text
// from that cell when the control takes the drop, and scrolls the view
// while the pointer rests near the cell area's edge.

#include "afxwin.h"

class CGRCtrl;

class CGRDropTarget : public COleDropTarget {
public:
    explicit CGRDropTarget(CGRCtrl* pCtrl);

    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;
    DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point) override;

    // How near the cell area's edge the pointer scrolls, pixels.
    static constexpr int kScrollZone = 10;

private:
    CPoint ToCellArea(CWnd* pWnd, CPoint point) const;
    void CellAt(CWnd* pWnd, CPoint point, int& nCol, int& nRow) const;
    static BOOL GetText(COleDataObject* pDataObject, CString& sText);

    CGRCtrl* m_pCtrl;
};
