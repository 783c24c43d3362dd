// CGRCtrl: the top and side heading and the sheet tabs as windows of the
// control, and the tab table's operations.
#include "CGRCtrl.h"

#include "CGRSysColors.h"

namespace {
const DWORD kChildStyle = WS_CHILD | WS_VISIBLE;
}

CGRTopHdg* CGRCtrl::GetTopHeading()
{
    return &m_topHeading;
}

CGRSideHdg* CGRCtrl::GetSideHeading()
{
    return &m_sideHeading;
}

CGRTab* CGRCtrl::GetSheetTabs()
{
    return &m_sheetTabs;
}

BOOL CGRCtrl::CreateHeadingsAndTabs()
{
    CRect empty(0, 0, 0, 0);
    return m_topHeading.CreateEx(0, nullptr, "", kChildStyle, empty, this, kTopHeadingID)
           && m_sideHeading.CreateEx(0, nullptr, "", kChildStyle, empty, this, kSideHeadingID)
           && m_sheetTabs.CreateEx(0, nullptr, "", kChildStyle, empty, this, kSheetTabsID);
}

// While the tab area is dragged only the tabs move (and the horizontal
// scroll bar beside them); the rest of the control stays as it is drawn.
void CGRCtrl::PlaceHeadingsAndTabs(BOOL bScrollBarAndTabsOnly)
{
    if (!m_sheetTabs.GetSafeHwnd())
        return;
    const CRect* rects = GetGridInfo()->m_componentRects;
    m_sheetTabs.MoveWindow(&rects[CGRGridInfo::kSheetTabs], FALSE);
    if (bScrollBarAndTabsOnly) {
        m_sheetTabs.Update();
        ValidateRect(nullptr);
        return;
    }
    m_topHeading.MoveWindow(&rects[CGRGridInfo::kTopHeading], FALSE);
    m_sideHeading.MoveWindow(&rects[CGRGridInfo::kSideHeading], FALSE);
}

void CGRCtrl::RedrawHeadingsAndTabs()
{
    CWnd* windows[] = {&m_topHeading, &m_sideHeading, &m_sheetTabs};
    for (CWnd* pWnd : windows)
        if (pWnd->GetSafeHwnd())
            pWnd->Invalidate(FALSE);
}

// A heading cell repaints its whole heading; the corner belongs to neither.
void CGRCtrl::RedrawHeadingCell(int nCol, int nRow)
{
    if ((nCol < 0) == (nRow < 0))
        return;
    CWnd* pHeading = nCol < 0 ? static_cast<CWnd*>(&m_sideHeading) : &m_topHeading;
    if (pHeading->GetSafeHwnd())
        pHeading->Invalidate(FALSE);
}

int CGRCtrl::GetCellRect(int nCol, int nRow, CRect* pRect)
{
    if ((nCol < 0) == (nRow < 0))
        return CGRCtrlCore::GetCellRect(nCol, nRow, pRect);
    CGRHeading& heading = nCol < 0 ? static_cast<CGRHeading&>(m_sideHeading) : m_topHeading;
    return heading.GetCellRect(&nCol, &nRow, pRect);
}

// A new tab is as wide as its label in the tab font, in the button colours,
// white while current so that it joins the cells above it.
int CGRCtrl::AddTab(LPCTSTR lpszLabel, long lID)
{
    GridSheetTab tab;
    tab.sLabel = lpszLabel ? lpszLabel : "";
    tab.nWidth = m_sheetTabs.MeasureLabel(tab.sLabel);
    tab.lID = lID;
    tab.crText = GRSysColor(COLOR_BTNTEXT);
    tab.crBack = GRSysColor(COLOR_BTNFACE);
    tab.crCurrentText = GRSysColor(COLOR_WINDOWTEXT);
    tab.crCurrentBack = GRSysColor(COLOR_WINDOW);
    int nIndex = m_sheetTabs.GetStrip().AddTab(tab);
    m_sheetTabs.CalcScrollRange();
    m_sheetTabs.Update();
    return nIndex;
}

int CGRCtrl::DeleteTab(long lID)
{
    int nResult = m_sheetTabs.GetStrip().DeleteTab(lID);
    m_sheetTabs.CalcScrollRange();
    m_sheetTabs.Update();
    return nResult;
}

int CGRCtrl::SetTabColors(long lID, COLORREF crText, COLORREF crBack, COLORREF crCurrentText,
                          COLORREF crCurrentBack)
{
    int nIndex = m_sheetTabs.GetStrip().FindTab(lID);
    if (nIndex < 0)
        return kGridOutOfRange;
    GridSheetTab& tab = m_sheetTabs.GetStrip().GetTab(nIndex);
    tab.crText = crText;
    tab.crBack = crBack;
    tab.crCurrentText = crCurrentText;
    tab.crCurrentBack = crCurrentBack;
    m_sheetTabs.Update();
    return kGridDone;
}

BOOL CGRCtrl::ShowContextHelp(int nCol, int nRow, int nSection)
{
    int nID = OnGetContextHelpID(nCol, nRow, nSection);
    if (nID == 0)
        return FALSE;
    WinHelp(static_cast<DWORD_PTR>(nID), HELP_CONTEXT);
    return TRUE;
}
