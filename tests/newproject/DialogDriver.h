#pragma once
// Helpers that drive the "New Project" dialog as a user would: clicks and
// keys sent to the windows, then the messages they cause handled.

#include <functional>

#include "afxwin.h"

// Handles every message waiting in the thread's queue.
void PumpMessages();

// A left click at a client point: the button-up waits in the queue, as the
// tree's own click tracking expects it.
void Click(HWND hWnd, POINT point);

// A key pressed and released on the window with the focus.
void PressKey(UINT nKey);

// The tree item's text centre, scrolled into view; the point where its
// expand button is, when it has one ({-1, -1} otherwise).
POINT ItemTextCentre(HWND hTree, HTREEITEM hItem);
POINT ItemButton(HWND hTree, HTREEITEM hItem);

// Runs the action on the next dialog that opens inside the current message
// handler's modal loop (a dialog asked for by a dialog).
void OnNextInnerDialog(std::function<void(HWND hDlg)> action);
