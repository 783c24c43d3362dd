#pragma once
// Classes in this file: CTKSizableMiniDockFrameWnd, the floating frame of
// sizable control bars. For now the framework's floating frame under the
// toolkit's name, so that a change of skin finds and repaints it.

#include "afxwin.h"

class CTKSizableMiniDockFrameWnd : public CMiniDockFrameWnd {
    DECLARE_DYNCREATE(CTKSizableMiniDockFrameWnd)
public:
    CTKSizableMiniDockFrameWnd() = default;
};
