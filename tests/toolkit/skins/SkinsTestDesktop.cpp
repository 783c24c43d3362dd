// The edits' window tests run in a virtual desktop of their own: the switch
// runs before main, before the first window.
#include "afxwin.h"

namespace {

const BOOL s_bVirtualDesktop = AfxUseVirtualDesktop();

}  // namespace
