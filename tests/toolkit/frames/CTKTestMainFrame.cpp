#include "CTKTestMainFrame.h"

#include "TKFramesTestResources.h"

BEGIN_MESSAGE_MAP(CTKTestMainFrame, CTKTestMainFrameBase)
    ON_WM_CREATE()
    ON_COMMAND_EX(ID_VIEW_TREEBAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TREEBAR, OnUpdateControlBarMenu)
END_MESSAGE_MAP()

namespace {

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
const DWORD kToolBarStyle =
    WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;

}  // namespace

int CTKTestMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTKTestMainFrameBase::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!CreateToolBar(m_wndToolBar, IDR_TKMAIN) || !CreateToolBar(m_wndWordToolBar, IDR_TKWORD))
        return -1;
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, ID_VIEW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, _countof(kIndicators)))
        return -1;
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY, TRUE);
    m_wndWordToolBar.EnableDocking(CBRS_ALIGN_ANY, TRUE);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    DockControlBar(&m_wndWordToolBar);
    m_wndTreeBar.SetSizeBarStyle(TKSBS_CONTEXTMENU | TKSBS_RESIZECHILDREN);
    if (!m_wndTreeBar.Create(this, IDD_TKTREE, CBRS_LEFT, ID_VIEW_TREEBAR))
        return -1;
    m_wndTreeBar.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndTreeBar);
    RecalcLayout(TRUE);
    ShowControlBar(&m_wndWordToolBar, FALSE, FALSE);
    m_wndWordToolBar.EnableWindow(FALSE);
    m_menuOrganizer.AttachFrameWnd(this);
    m_menuOrganizer.AutoSetMenuImage();
    m_tabClient.Attach(this, TCS_HOTTRACK);
    return 0;
}

BOOL CTKTestMainFrame::CreateToolBar(CTKCoolToolBar& toolBar, UINT nIDResource)
{
    if (!toolBar.CreateEx(this, TBSTYLE_FLAT, kToolBarStyle, CRect(0, 0, 0, 0), ID_VIEW_TOOLBAR) ||
        !toolBar.LoadToolBar(nIDResource))
        return FALSE;
    toolBar.SetBarStyle(toolBar.GetBarStyle() ^ CBRS_HIDE_INPLACE);
    return TRUE;
}
