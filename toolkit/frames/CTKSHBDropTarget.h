#pragma once
// Classes in this file: CTKSHBDropTarget, the drop target of the toolkit's
// customisable windows: it hands each step of a drag passing over its window
// to that window and behaves as the plain drop target where the window does
// not answer. Stand-in: the plain drop target.

#include "afxwin.h"

class CTKSHBDropTarget : public COleDropTarget {
public:
    CTKSHBDropTarget() = default;
};
