#include "CTKSizeDockBar.h"

IMPLEMENT_DYNAMIC(CTKSizeDockBar, CControlBar)

// A dock bar has no items of its own; its bars update themselves.
void CTKSizeDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
}
