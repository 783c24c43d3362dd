#include "CTKSHBDropTarget.h"

#include "CTKDropParams.h"

namespace {

CTKDropParams ParamsOf(CWnd* pWnd, COleDataObject* pDataObject, CPoint point)
{
    CTKDropParams params;
    params.pWnd = pWnd;
    params.pDataObject = pDataObject;
    params.point = point;
    return params;
}

// Tells pWnd of a move of the drag (an enter or a move over it); TRUE with
// its effect where it answered.
BOOL AskOfMove(UINT nMessage, CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point,
               DROPEFFECT& effect)
{
    CTKDropParams params = ParamsOf(pWnd, pDataObject, point);
    params.dwKeyState = dwKeyState;
    if (!params.SendTo(pWnd, nMessage))
        return FALSE;
    effect = params.dwResult;
    return TRUE;
}

}  // namespace

// A new drag starts without a scroll in progress, so its first step near an
// edge takes the feedback away before it scrolls.
DROPEFFECT CTKSHBDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    m_pDragData = pDataObject;
    m_autoScroll.Stop();
    DROPEFFECT effect = DROPEFFECT_NONE;
    if (AskOfMove(kTKDropMsgDragEnter, pWnd, pDataObject, dwKeyState, point, effect))
        return effect;
    return COleDropTarget::OnDragEnter(pWnd, pDataObject, dwKeyState, point);
}

DROPEFFECT CTKSHBDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    m_pDragData = pDataObject;
    DROPEFFECT effect = DROPEFFECT_NONE;
    if (AskOfMove(kTKDropMsgDragOver, pWnd, pDataObject, dwKeyState, point, effect))
        return effect;
    return COleDropTarget::OnDragOver(pWnd, pDataObject, dwKeyState, point);
}

BOOL CTKSHBDropTarget::OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    CTKDropParams params = ParamsOf(pWnd, pDataObject, point);
    params.dropEffect = dropEffect;
    if (params.SendTo(pWnd, kTKDropMsgDrop))
        return static_cast<BOOL>(params.dwResult);
    return COleDropTarget::OnDrop(pWnd, pDataObject, dropEffect, point);
}

DROPEFFECT CTKSHBDropTarget::OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                      DROPEFFECT dropList, CPoint point)
{
    CTKDropParams params = ParamsOf(pWnd, pDataObject, point);
    params.dropEffect = dropDefault;
    params.dropList = dropList;
    if (params.SendTo(pWnd, kTKDropMsgDropEx))
        return params.dwResult;
    return COleDropTarget::OnDropEx(pWnd, pDataObject, dropDefault, dropList, point);
}

void CTKSHBDropTarget::OnDragLeave(CWnd* pWnd)
{
    CTKDropParams params;
    params.pWnd = pWnd;
    if (!params.SendTo(pWnd, kTKDropMsgDragLeave))
        COleDropTarget::OnDragLeave(pWnd);
}

// The window may scroll itself: its answer counts unless it leaves the
// result at scroll alone. Then a view scrolls as the plain target scrolls
// it, and any other window by its own scroll bars near its edges.
DROPEFFECT CTKSHBDropTarget::OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point)
{
    CTKDropParams params = ParamsOf(pWnd, m_pDragData, point);
    params.dwKeyState = dwKeyState;
    params.dwResult = DROPEFFECT_SCROLL;
    if (params.SendTo(pWnd, kTKDropMsgDragScroll) && params.dwResult != DROPEFFECT_SCROLL)
        return params.dwResult;
    if (pWnd->IsKindOf(RUNTIME_CLASS(CView)))
        return COleDropTarget::OnDragScroll(pWnd, dwKeyState, point);
    return m_autoScroll.Step(this, pWnd, m_pDragData, dwKeyState, point);
}
