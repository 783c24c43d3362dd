#pragma once
// Functions in this file: the rules of a drag inside the measurement tree,
// apart from any window: which item may be dragged, which item shows that it
// would take the drop, which drop goes to the bar, and when the scroll timer
// scrolls the tree while the cursor stays near or beyond its top or bottom.

#include "afx.h"

// What the rules need to know of one tree item.
struct CDragItemInfo {
    bool m_bExists = false;
    bool m_bWorkspace = false;  // the tree's first root item
    bool m_bHasChildren = false;
    DWORD_PTR m_dwData = 0;
};

bool CanDragItem(const CDragItemInfo& item);
// Cursor 117 over the item rather than 118.
bool ShowsDropPossible(const CDragItemInfo& item);
bool CanDropOn(const CDragItemInfo& target, bool bIsDragItem);

struct CTreeScrollStep {
    bool m_bUp = false;
    bool m_bDown = false;
};

// Ticks between two scrolled lines for a cursor nDepth pixels past the line
// 10 pixels inside an edge of the tree.
int EdgeScrollDivisor(int nDepth);
// What tick number nTick of the scroll timer does with the cursor at
// nCursorY and the tree's client area from nTop to nBottom (all in screen
// coordinates).
CTreeScrollStep TreeScrollStepAt(int nCursorY, int nTop, int nBottom, int nTick);
