#pragma once
// Classes in this file: CTKSHBDropTarget, the drop target of the toolkit's
// customisable windows: it hands each step of a drag passing over its window
// to that window (CTKDropParams) and behaves as the plain drop target where
// the window does not answer. A window that is not a view scrolls itself
// near its edges.

#include "afxwin.h"
#include "CDragAutoScroll.h"

class CTKSHBDropTarget : public COleDropTarget {
public:
    CTKSHBDropTarget() = default;

    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;
    DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                        CPoint point) override;
    void OnDragLeave(CWnd* pWnd) override;
    DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point) override;

private:
    CDragAutoScroll m_autoScroll;
    COleDataObject* m_pDragData = nullptr;  // the data of the drag in progress
};
