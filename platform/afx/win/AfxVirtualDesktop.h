#pragma once
// A desktop of the calling thread's own, for tests under Wine. Without a
// window manager (Xvfb) every hide of a top-level window waits two seconds
// for one, and focus and activation follow the X server; inside a Wine
// virtual desktop windows show, hide and take the focus at once and alike on
// every run. Call before the thread makes its first window.

#include "afx.h"

// Moves the calling thread to a new virtual desktop of cx by cy pixels,
// named after the process. FALSE when the system refused.
BOOL AfxUseVirtualDesktop(int cx = 1024, int cy = 768);
