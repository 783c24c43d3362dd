#include "CDockTestFrame.h"

BEGIN_MESSAGE_MAP(CDockTestFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CDockTestFrame::CDockTestFrame() : m_wndBarA(CSize(100, 20)), m_wndBarB(CSize(120, 24)), m_wndBarS(CSize(200, 60))
{
}

int CDockTestFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndBarA.Create(this, "Bar A", CBRS_TOP, ID_DOCKTEST_BAR_A) ||
        !m_wndBarB.Create(this, "Bar B", CBRS_TOP, ID_DOCKTEST_BAR_B) ||
        !m_wndBarS.Create(this, "Side Bar", CBRS_LEFT, ID_DOCKTEST_BAR_S))
        return -1;
    EnableDocking(CBRS_ALIGN_ANY);
    for (CControlBar* pBar : {static_cast<CControlBar*>(&m_wndBarA), static_cast<CControlBar*>(&m_wndBarB),
                              static_cast<CControlBar*>(&m_wndBarS)}) {
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(pBar);
    }
    return 0;
}
