#include "CTKSHBDropSource.h"

#include "CTKDropParams.h"

// Without an owner the drag runs as the plain source's.

SCODE CTKSHBDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    CTKDropParams params;
    params.bEscapePressed = bEscapePressed;
    params.dwKeyState = dwKeyState;
    if (m_pOwner != nullptr && params.SendTo(m_pOwner, kTKDropMsgQueryContinueDrag))
        return static_cast<SCODE>(params.dwResult);
    return COleDropSource::QueryContinueDrag(bEscapePressed, dwKeyState);
}

SCODE CTKSHBDropSource::GiveFeedback(DROPEFFECT dropEffect)
{
    CTKDropParams params;
    params.dropEffect = dropEffect;
    if (m_pOwner != nullptr && params.SendTo(m_pOwner, kTKDropMsgGiveFeedback))
        return static_cast<SCODE>(params.dwResult);
    return COleDropSource::GiveFeedback(dropEffect);
}

// A drag the owner begins is one that has begun for the plain steps too, so
// that a release the owner leaves to them drops instead of cancelling.
BOOL CTKSHBDropSource::OnBeginDrag(CWnd* pWnd)
{
    CTKDropParams params;
    params.pWnd = pWnd;
    if (m_pOwner == nullptr || !params.SendTo(m_pOwner, kTKDropMsgBeginDrag))
        return COleDropSource::OnBeginDrag(pWnd);
    m_bDragStarted = params.dwResult != 0;
    return m_bDragStarted;
}
