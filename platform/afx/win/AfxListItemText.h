#pragma once
// The text of one item of a list box or combo box, by the control's own
// length and text messages. Internal to the framework.

#include "afx.h"

// An index without an item gives an empty text.
CString AfxListItemText(HWND hWnd, UINT nLengthMessage, UINT nTextMessage, int nIndex);
