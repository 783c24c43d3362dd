#include "CBarTestFrame.h"

#include "BarTestResources.h"

IMPLEMENT_DYNAMIC(CBarTestFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CBarTestFrame, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_BAR_HANDLED, OnHandled)
    ON_COMMAND(ID_BAR_CHECKED, OnChecked)
    ON_UPDATE_COMMAND_UI(ID_BAR_CHECKED, OnUpdateChecked)
END_MESSAGE_MAP()

namespace {

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

}  // namespace

int CBarTestFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_FLYBY) ||
        !m_wndToolBar.LoadToolBar(IDR_BARFRAME))
        return -1;
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(kIndicators, _countof(kIndicators)))
        return -1;
    RecalcLayout();
    return 0;
}

void CBarTestFrame::OnHandled()
{
    ++m_nHandledCount;
}

void CBarTestFrame::OnChecked()
{
    m_bChecked = !m_bChecked;
}

void CBarTestFrame::OnUpdateChecked(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bChecked);
}
