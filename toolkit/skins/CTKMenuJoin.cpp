#include "CTKMenuJoin.h"

// A button that straddles x = 0 on a monitor starting there is cut at the
// monitor's left edge; on a monitor that reaches further left the strip is
// shortened on the right instead. A button past its monitor's right edge is
// cut there. So the join never shows on a neighbouring monitor.
void CTKMenuJoin::GetOverhangs(const CRect& rectButtonScreen, const CRect* pMonitor, int* pnLeft, int* pnRight)
{
    *pnLeft = 0;
    *pnRight = 0;
    if (pMonitor == nullptr)
        return;
    const CRect& b = rectButtonScreen;
    if (b.left < 0 && b.right >= 0) {
        if (pMonitor->left >= 0)
            *pnLeft = b.left;
        else
            *pnRight = b.right + 1;
    } else if (b.right >= pMonitor->right) {
        *pnRight = b.right - pMonitor->right + 1;
    }
}

CTKMenuJoin CTKMenuJoin::Compute(const CRect& rectFrame, const CRect& rectButton, const CRect& rectButtonScreen,
                                 const CRect* pMonitor)
{
    int nLeftOverhang = 0;
    int nRightOverhang = 0;
    GetOverhangs(rectButtonScreen, pMonitor, &nLeftOverhang, &nRightOverhang);
    const CRect& F = rectFrame;
    const CRect& B = rectButton;
    const int nStripLeft = B.left + 1 - nLeftOverhang;
    const int nStripRight = B.right - 1 - nRightOverhang;
    CTKMenuJoin join;
    // A menu not dropped from a button keeps its frame closed, even where
    // the empty rectangle happens to touch it.
    if (rectButtonScreen.IsRectEmpty())
        return join;
    join.m_bHasStrip = TRUE;
    if (B.bottom == F.top) {
        join.m_rectStrip.SetRect(nStripLeft, F.top, nStripRight, F.top + 1);
    } else if (B.top == F.bottom) {
        join.m_rectStrip.SetRect(nStripLeft, F.bottom - 1, nStripRight, F.bottom);
        join.m_nShadowKind = shadowButtonBelow;
    } else if (B.right == F.left) {
        join.m_rectStrip.SetRect(F.left, B.top + 1, F.left + 1, B.bottom - 1);
    } else if (B.left == F.right) {
        join.m_rectStrip.SetRect(F.right - 1, B.top + 1, F.right, B.bottom - 1);
        join.m_nShadowKind = shadowButtonRight;
    } else {
        join.m_bHasStrip = FALSE;
    }
    return join;
}
