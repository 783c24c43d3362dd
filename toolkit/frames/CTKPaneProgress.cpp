#include "CTKPaneProgress.h"

#include <algorithm>

// The control gets the static edge of the sunken panes; it never takes the
// focus or moves in the z-order, so a status bar in update does not
// disturb the window the user works in.
BOOL CTKPaneProgress::Place(CWnd* pBar, UINT nID, const CRect& rectPane, int cxPercent)
{
    CRect rect = rectPane;
    if (m_bShowPercent)
        rect.left = std::min(rect.right, rect.left + cxPercent);
    if (m_hWnd == nullptr) {
        if (!Create(WS_CHILD | WS_VISIBLE, rect, pBar, nID))
            return FALSE;
        ModifyStyleEx(0, WS_EX_STATICEDGE, SWP_FRAMECHANGED);
    }
    return SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                        SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}
