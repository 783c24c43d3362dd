#include "CTKMiniFrameSkinClassic.h"

#include "CTKSizableMiniDockFrameWnd.h"

void CTKMiniFrameSkinClassic::DrawNonClient(CTKSizableMiniDockFrameWnd* pFrame)
{
    pFrame->PaintSystemNonClient();
}

BOOL CTKMiniFrameSkinClassic::OnNcActivate(BOOL bActive, CTKSizableMiniDockFrameWnd* pFrame)
{
    return pFrame->ActivateAsMiniFrame(bActive);
}

// The system draws the caption with the rest of the frame.
void CTKMiniFrameSkinClassic::DrawCaption(CTKSizableMiniDockFrameWnd*)
{
}

BOOL CTKMiniFrameSkinClassic::DrawCloseButton(CTKSizableMiniDockFrameWnd*)
{
    return FALSE;
}
