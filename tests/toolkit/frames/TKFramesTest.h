#pragma once
// Classes in this file: TKFramesTest, the fixture of the toolkit frame
// tests that measure where the bars lie in the frame.

#include "TKFrameTestFixture.h"

// Docked bars lie in the frame's dock bars: their places are measured in
// the client area of the frame (or the window named).
inline CRect RectIn(CWnd& wnd, CWnd& wndArea)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    wndArea.ScreenToClient(&rect);
    return rect;
}

class TKFramesTest : public TKFrameTestFixture {
protected:
    CRect RectInFrame(CWnd& wnd) { return RectIn(wnd, *m_pFrame); }
    CRect MDIClientRect() { return RectInFrame(*CWnd::FromHandle(m_pFrame->m_hWndMDIClient)); }
};
