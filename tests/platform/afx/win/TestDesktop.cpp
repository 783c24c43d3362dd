// Every window test executable runs in a virtual desktop of its own, so
// windows hide at once and focus does not depend on a window manager. The
// switch runs before main, before the first window; this file is linked
// into each executable as an object of its own.
#include "afxwin.h"

namespace {

const BOOL s_bVirtualDesktop = AfxUseVirtualDesktop();

}  // namespace
