#include "CTKStatusbarSkinClassic.h"

#include "CTKStatusBar.h"

// The control's own paint, then the pane texts brought up to date.
void CTKStatusbarSkinClassic::DrawStatusBar(CTKStatusBar* pBar)
{
    pBar->PaintByControl();
    pBar->UpdateAllPanes(FALSE, TRUE);
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
