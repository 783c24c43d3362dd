#include "COleDropTarget.h"

#include "AfxComCall.h"
#include "CDragAutoScroll.h"
#include "CView.h"
#include "CWnd.h"

#include <cassert>

IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

namespace {

// What the target answered, within what the source allows; the scroll flag
// is the target's own and stays.
DROPEFFECT Narrow(DROPEFFECT effect, DWORD dwAllowed)
{
    return effect & (dwAllowed | DROPEFFECT_SCROLL);
}

CView* AsView(CWnd* pWnd)
{
    return pWnd->IsKindOf(RUNTIME_CLASS(CView)) ? static_cast<CView*>(pWnd) : nullptr;
}

// OLE runs one drag at a time, on the GUI thread: the auto-scroll of the
// drag in progress, started afresh when a drag enters a target.
CDragAutoScroll g_dragScroll;

}  // namespace

COleDropTarget::~COleDropTarget()
{
    COleDropTarget::Revoke();
}

// --- registration -----------------------------------------------------------

// The window keeps a pointer to its target, so that its destruction revokes
// the registration while the handle is still valid.
BOOL COleDropTarget::Register(CWnd* pWnd)
{
    assert(pWnd != nullptr && ::IsWindow(pWnd->m_hWnd));
    assert(!IsRegistered());
    if (FAILED(::RegisterDragDrop(pWnd->m_hWnd, this)))
        return FALSE;
    m_hWnd = pWnd->m_hWnd;
    pWnd->m_pDropTarget = this;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (m_hWnd == nullptr)
        return;
    ::RevokeDragDrop(m_hWnd);
    CWnd* pWnd = CWnd::FromHandlePermanent(m_hWnd);
    if (pWnd != nullptr && pWnd->m_pDropTarget == this)
        pWnd->m_pDropTarget = nullptr;
    m_hWnd = nullptr;
    m_dataObject.Release();
}

// --- overridables: a view answers for itself ---------------------------------

DROPEFFECT COleDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    CView* pView = AsView(pWnd);
    return pView != nullptr ? pView->OnDragEnter(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    CView* pView = AsView(pWnd);
    return pView != nullptr ? pView->OnDragOver(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

BOOL COleDropTarget::OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    CView* pView = AsView(pWnd);
    return pView != nullptr && pView->OnDrop(pDataObject, dropEffect, point);
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                    DROPEFFECT dropList, CPoint point)
{
    CView* pView = AsView(pWnd);
    return pView != nullptr ? pView->OnDropEx(pDataObject, dropDefault, dropList, point)
                            : static_cast<DROPEFFECT>(-1);
}

void COleDropTarget::OnDragLeave(CWnd* pWnd)
{
    CView* pView = AsView(pWnd);
    if (pView != nullptr)
        pView->OnDragLeave();
}

// A view that answers DROPEFFECT_SCROLL alone (its default) is scrolled by
// its scroll bars while the point lies within the scroll inset of its
// edges, in place of its drop feedback.
DROPEFFECT COleDropTarget::OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point)
{
    CView* pView = AsView(pWnd);
    if (pView == nullptr)
        return DROPEFFECT_NONE;
    const DROPEFFECT answer = pView->OnDragScroll(dwKeyState, point);
    if (answer != DROPEFFECT_SCROLL)
        return answer;
    return g_dragScroll.Step(this, pWnd, &m_dataObject, dwKeyState, point);
}

// --- IDropTarget --------------------------------------------------------------

HRESULT COleDropTarget::DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
{
    return AfxComCall([&] {
        if (pDataObj != nullptr)
            pDataObj->AddRef();
        m_dataObject.Attach(pDataObj, TRUE);
        g_dragScroll.Stop();
        CWnd* pWnd = GetWindow();
        DROPEFFECT effect = DROPEFFECT_NONE;
        if (pWnd != nullptr)
            effect = OnDragEnter(pWnd, &m_dataObject, grfKeyState, ToClient(pt));
        *pdwEffect = Narrow(effect, *pdwEffect);
        return S_OK;
    });
}

HRESULT COleDropTarget::DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
{
    return AfxComCall([&] {
        *pdwEffect = Narrow(DragStep(grfKeyState, pt), *pdwEffect);
        return S_OK;
    });
}

HRESULT COleDropTarget::DragLeave()
{
    return AfxComCall([&] {
        CWnd* pWnd = GetWindow();
        if (pWnd != nullptr)
            OnDragLeave(pWnd);
        m_dataObject.Release();
        return S_OK;
    });
}

HRESULT COleDropTarget::Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
{
    return AfxComCall([&] {
        if (pDataObj != nullptr)
            pDataObj->AddRef();
        m_dataObject.Attach(pDataObj, TRUE);
        *pdwEffect = DoDrop(grfKeyState, pt, *pdwEffect);
        m_dataObject.Release();
        return S_OK;
    });
}

// --- helpers ------------------------------------------------------------------

CWnd* COleDropTarget::GetWindow() const
{
    return m_hWnd != nullptr ? CWnd::FromHandle(m_hWnd) : nullptr;
}

CPoint COleDropTarget::ToClient(POINTL pt) const
{
    POINT point = {pt.x, pt.y};
    ::ScreenToClient(m_hWnd, &point);
    return CPoint(point.x, point.y);
}

// One move: the window may scroll first; otherwise it says what a drop here
// would do.
DROPEFFECT COleDropTarget::DragStep(DWORD grfKeyState, POINTL pt)
{
    CWnd* pWnd = GetWindow();
    if (pWnd == nullptr)
        return DROPEFFECT_NONE;
    const CPoint point = ToClient(pt);
    const DROPEFFECT scroll = OnDragScroll(pWnd, grfKeyState, point);
    if (scroll & DROPEFFECT_SCROLL)
        return scroll;
    return OnDragOver(pWnd, &m_dataObject, grfKeyState, point);
}

// The effect of the last move decides; a place that takes nothing is left
// as if the drag had passed on.
DROPEFFECT COleDropTarget::DoDrop(DWORD grfKeyState, POINTL pt, DROPEFFECT dropList)
{
    CWnd* pWnd = GetWindow();
    if (pWnd == nullptr)
        return DROPEFFECT_NONE;
    const CPoint point = ToClient(pt);
    const DROPEFFECT dropDefault = OnDragOver(pWnd, &m_dataObject, grfKeyState, point) & dropList;
    if (dropDefault == DROPEFFECT_NONE) {
        OnDragLeave(pWnd);
        return DROPEFFECT_NONE;
    }
    const DROPEFFECT dropEx = OnDropEx(pWnd, &m_dataObject, dropDefault, dropList, point);
    if (dropEx != static_cast<DROPEFFECT>(-1))
        return dropEx;
    return OnDrop(pWnd, &m_dataObject, dropDefault, point) ? dropDefault : DROPEFFECT_NONE;
}
