#pragma once
// Classes in this file: COleDropTarget, a window's part in OLE drag and
// drop. Registered for a window, it receives the drags that pass over it and
// hands each step to its virtuals with the dragged data as a COleDataObject
// and the point in the window's client coordinates. Without an override a
// view's own drag members answer; any other window takes no drop. The
// registration ends with the window.

#include "COleDataObject.h"
#include "CCmdTarget.h"
#include "COleOwnedInterface.h"
#include "CPoint.h"

class CWnd;

// DROPEFFECT_NONE, _COPY, _MOVE, _LINK, _SCROLL
typedef DWORD DROPEFFECT;

class COleDropTarget : public CCmdTarget, public COleOwnedInterface<IDropTarget, &IID_IDropTarget> {
    DECLARE_DYNAMIC(COleDropTarget)
public:
    COleDropTarget() = default;
    ~COleDropTarget() override;

// Operations
    // The window must exist; OLE must be initialised (AfxOleInit).
    BOOL Register(CWnd* pWnd);
    virtual void Revoke();
    BOOL IsRegistered() const { return m_hWnd != nullptr; }

// Overridables
    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    // (DROPEFFECT)-1 lets OnDrop do the drop.
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    // Asked first on every move; an effect with DROPEFFECT_SCROLL ends the step.
    virtual DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point);

// IDropTarget, as OLE calls it: points in screen coordinates
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                                        DWORD* pdwEffect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                                   DWORD* pdwEffect) override;

private:
    CWnd* GetWindow() const;
    CPoint ToClient(POINTL pt) const;
    DROPEFFECT DragStep(DWORD grfKeyState, POINTL pt);
    DROPEFFECT DoDrop(DWORD grfKeyState, POINTL pt, DROPEFFECT dropList);

    HWND m_hWnd = nullptr;
    COleDataObject m_dataObject;  // the data of the drag in progress
};
