#include "CTKSizableMiniDockFrameWnd.h"

IMPLEMENT_DYNCREATE(CTKSizableMiniDockFrameWnd, CMiniDockFrameWnd)
