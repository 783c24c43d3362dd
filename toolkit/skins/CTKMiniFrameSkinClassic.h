#pragma once
// Classes in this file: CTKMiniFrameSkinClassic, the floating frames of
// the "Classic" look: the system's own caption and border.

#include "CTKMiniFrameSkin.h"

class CTKMiniFrameSkinClassic : public CTKMiniFrameSkin {
public:
    void DrawNonClient(CTKSizableMiniDockFrameWnd* pFrame) override;
    BOOL OnNcActivate(BOOL bActive, CTKSizableMiniDockFrameWnd* pFrame) override;
    void DrawCaption(CTKSizableMiniDockFrameWnd* pFrame) override;
    BOOL DrawCloseButton(CTKSizableMiniDockFrameWnd* pFrame) override;
};
