#include "CTKDragTestFrame.h"

#include "toolkit/frames/CTKSizableMiniDockFrameWnd.h"

BEGIN_MESSAGE_MAP(CTKDragTestFrame, CTKTestMainFrame)
    ON_MESSAGE(TKSBM_QUERYIMMEDIATEDRAG, OnQueryImmediateDrag)
END_MESSAGE_MAP()

CTKDragTestFrame::CTKDragTestFrame()
{
    m_pFloatingFrameClass = RUNTIME_CLASS(CTKSizableMiniDockFrameWnd);
}

LRESULT CTKDragTestFrame::OnQueryImmediateDrag(WPARAM, LPARAM)
{
    return m_lImmediateDrag;
}
