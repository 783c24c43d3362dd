// DialogDriver: messages as the user's mouse and keyboard would send them.

#include "DialogDriver.h"

#include <windowsx.h>

void PumpMessages()
{
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

void Click(HWND hWnd, POINT point)
{
    const LPARAM lParam = MAKELPARAM(point.x, point.y);
    ::PostMessage(hWnd, WM_LBUTTONUP, 0, lParam);
    ::SendMessage(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    PumpMessages();
}

void PressKey(UINT nKey)
{
    const HWND hFocus = ::GetFocus();
    ::SendMessage(hFocus, WM_KEYDOWN, nKey, 1);
    ::SendMessage(hFocus, WM_KEYUP, nKey, 0xC0000001);
    PumpMessages();
}

POINT ItemTextCentre(HWND hTree, HTREEITEM hItem)
{
    TreeView_EnsureVisible(hTree, hItem);
    RECT rect = {};
    TreeView_GetItemRect(hTree, hItem, &rect, TRUE);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT ItemButton(HWND hTree, HTREEITEM hItem)
{
    const POINT centre = ItemTextCentre(hTree, hItem);
    for (int x = 0; x < centre.x; x++) {
        TVHITTESTINFO hit = {};
        hit.pt = POINT{x, centre.y};
        if (TreeView_HitTest(hTree, &hit) == hItem && (hit.flags & TVHT_ONITEMBUTTON))
            return hit.pt;
    }
    return POINT{-1, -1};
}

namespace {

std::function<void(HWND)> s_innerAction;

void CALLBACK RunInnerAction(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(nullptr, nIDEvent);
    const std::function<void(HWND)> action = std::move(s_innerAction);
    s_innerAction = nullptr;
    if (action)
        action(::GetActiveWindow());
}

}  // namespace

// A thread timer is dispatched only by a message loop, here the inner
// dialog's, which runs once that dialog is up and active.
void OnNextInnerDialog(std::function<void(HWND hDlg)> action)
{
    s_innerAction = std::move(action);
    ::SetTimer(nullptr, 0, 0, &RunInnerAction);
}
