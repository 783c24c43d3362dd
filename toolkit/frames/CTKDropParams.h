#pragma once
// Classes in this file: CTKDropParams, what the toolkit's drop source and
// drop target tell their owner window of one step of a drag: sent as the
// lParam of a private message (wParam 0), the owner fills in the result and
// answers non-zero where it handled the step. Zero leaves the plain
// behaviour.

#include "afxwin.h"

// The steps, one message each.
constexpr UINT kTKDropMsgDragEnter = WM_APP + 173;
constexpr UINT kTKDropMsgDragLeave = WM_APP + 174;
constexpr UINT kTKDropMsgDragOver = WM_APP + 175;
constexpr UINT kTKDropMsgDragScroll = WM_APP + 176;
constexpr UINT kTKDropMsgDrop = WM_APP + 177;
constexpr UINT kTKDropMsgDropEx = WM_APP + 178;
constexpr UINT kTKDropMsgGiveFeedback = WM_APP + 179;
constexpr UINT kTKDropMsgBeginDrag = WM_APP + 180;
constexpr UINT kTKDropMsgQueryContinueDrag = WM_APP + 181;

struct CTKDropParams {
    CWnd* pWnd = nullptr;
    COleDataObject* pDataObject = nullptr;
    DWORD dwKeyState = 0;
    CPoint point;
    DROPEFFECT dropEffect = DROPEFFECT_NONE;
    DROPEFFECT dropList = DROPEFFECT_NONE;
    BOOL bEscapePressed = FALSE;
    // A DROPEFFECT, an SCODE or a BOOL, as the step returns.
    DWORD dwResult = 0;

    // TRUE where the owner handled the step.
    BOOL SendTo(CWnd* pOwner, UINT nMessage)
    {
        return pOwner->SendMessage(nMessage, 0, reinterpret_cast<LPARAM>(this)) != 0;
    }
};
