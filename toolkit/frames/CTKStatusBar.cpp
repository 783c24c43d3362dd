#include "CTKStatusBar.h"

IMPLEMENT_DYNAMIC(CTKStatusBar, CStatusBar)
