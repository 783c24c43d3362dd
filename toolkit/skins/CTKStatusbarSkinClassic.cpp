#include "CTKStatusbarSkinClassic.h"

#include "CTKStatusBar.h"

// The control's own paint, then the pane texts brought up to date and the
// pane bitmaps drawn over it.
void CTKStatusbarSkinClassic::DrawStatusBar(CTKStatusBar* pBar)
{
    pBar->PaintByControl();
    CClientDC dc(pBar);
    pBar->UpdateAllPanes(FALSE, TRUE);
    pBar->DrawPaneBitmaps(&dc);
}

void CTKStatusbarSkinClassic::DrawPanes(CDC*, CTKStatusBar*)
{
}

void CTKStatusbarSkinClassic::DrawPaneFrames(CDC*, CTKStatusBar*)
{
}

void CTKStatusbarSkinClassic::DrawGripper(CDC*, CTKStatusBar*)
{
}
