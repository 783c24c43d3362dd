#pragma once
// Classes in this file: CResponsiveWait, waits of the link that keep the
// program's windows painted while the GUI thread is held.

#include "afx.h"

class CResponsiveWait {
public:
    static void PaintPendingWindows();
    static void Wait(DWORD dwMilliseconds);
};
