#pragma once
// AfxCancelModes: a press about to reach hWndRcvr first closes the list of a
// combo box that holds the focus elsewhere, as a click outside a dropped
// list closes it.

#include <windows.h>

void AfxCancelModes(HWND hWndRcvr);
