#pragma once
// Classes in this file: CTKDragDockContext, the dock context of a sizable
// bar: an outline drag that docks into rows, shares a row among its bars
// and floats with Ctrl held. Stand-in: the framework's dock context.

#include "afxwin.h"

class CTKDragDockContext : public CDockContext {
public:
    explicit CTKDragDockContext(CControlBar* pBar);
};
