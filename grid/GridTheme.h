#pragma once
// The grid's visual-theme layer. Its master switch stays off in this
// program, so themed drawing is never available: every operation answers
// that it drew nothing and each caller draws classically. The layer holds
// no state while the switch is off.

#include "afxwin.h"

namespace GridTheme {

BOOL IsAvailable();
BOOL DrawBackground(CWnd* pWnd, CDC* pDC, int nStyle, int nState, const RECT* pRect, const RECT* pClip);
BOOL DrawText(CWnd* pWnd, CDC* pDC, int nStyle, int nState, LPCTSTR lpszText, int nLength, UINT nFormat,
              RECT* pRect);
BOOL DrawEdge(CWnd* pWnd, CDC* pDC, int nStyle, int nState, const RECT* pRect, UINT nEdge, UINT nFlags,
              RECT* pContentRect);
// 1 for neither flag, 2 for the second alone, 4 for the first alone, 6 for
// both.
int StateFromFlags(BYTE bFirst, BYTE bSecond);
void Reset();

}
