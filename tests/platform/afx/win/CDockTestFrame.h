#pragma once
// Classes in this file: CDockTestFrame, a frame with docking on every edge
// and three dockable bars: A and B on the top edge in rows of their own,
// the side bar S on the left edge.

#include "CDockTestBar.h"

#define ID_DOCKTEST_BAR_A 0x7001
#define ID_DOCKTEST_BAR_B 0x7002
#define ID_DOCKTEST_BAR_S 0x7003

class CDockTestFrame : public CFrameWnd {
public:
    CDockTestFrame();

    CDockTestBar m_wndBarA;
    CDockTestBar m_wndBarB;
    CDockTestBar m_wndBarS;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);

    DECLARE_MESSAGE_MAP()
};
