#include "CGRScrollBar.h"

#include "CGRCtrl.h"

namespace {
const UINT kHelpHitTestMessage = 0x0366;
const int kMoveByScrollBar = 4;
}

BEGIN_MESSAGE_MAP(CGRScrollBar, CScrollBar)
    ON_WM_CREATE()
    ON_WM_RBUTTONDOWN()
    ON_WM_HELPINFO()
    ON_MESSAGE(kHelpHitTestMessage, OnHelpHitTest)
END_MESSAGE_MAP()

CGRScrollBar::CGRScrollBar(CGRCtrl* pCtrl, int nSection) : m_pCtrl(pCtrl), m_nSection(nSection)
{
}

int CGRScrollBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CScrollBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (AreHintsOn())
        EnableToolTips(TRUE);
    return 0;
}

void CGRScrollBar::OnScrollMessage(UINT nCode, UINT nPos)
{
    m_pCtrl->GetCellArea()->SetFocus();
    m_pCtrl->GetGridInfo()->m_nMoveReason = kMoveByScrollBar;
    switch (nCode) {
    case SB_LINEUP: MoveView(CGRCtrlCore::kMoveBack); break;
    case SB_LINEDOWN: MoveView(CGRCtrlCore::kMoveForward); break;
    case SB_PAGEUP: MoveView(CGRCtrlCore::kMovePageBack); break;
    case SB_PAGEDOWN: MoveView(CGRCtrlCore::kMovePageForward); break;
    case SB_TOP: MoveView(CGRCtrlCore::kMoveFirst); break;
    case SB_BOTTOM: MoveView(CGRCtrlCore::kMoveLast); break;
    case SB_THUMBPOSITION: ThumbReleased(static_cast<int>(nPos)); break;
    case SB_THUMBTRACK: ThumbDragged(static_cast<int>(nPos)); break;
    default: break;
    }
    AfterScroll();
}

void CGRScrollBar::AfterScroll()
{
}

BOOL CGRScrollBar::Apply(const GridScrollBarUpdate& update)
{
    if (!GetSafeHwnd())
        return FALSE;
    if (update.bSetRange) {
        SCROLLINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = SIF_RANGE | SIF_PAGE;
        info.nMin = update.nMin;
        info.nMax = update.nMax;
        info.nPage = static_cast<UINT>(update.nPage);
        SetScrollInfo(&info, TRUE);
    }
    if (update.bSetPosition)
        SetScrollPos(update.nPosition, TRUE);
    return update.bSetPosition;
}

void CGRScrollBar::ShowHint(const CString& sText, int nFlags, CPoint point, int nMinWidth)
{
    CGRHint* pHint = m_pCtrl->GetHint();
    pHint->SetTextAlign(nFlags);
    pHint->SetText(sText, 1);
    pHint->MoveHintWindow(point.x, point.y, nMinWidth);
}

void CGRScrollBar::HideHint()
{
    m_pCtrl->GetHint()->Hide();
}

CPoint CGRScrollBar::PointerInControl() const
{
    CPoint point;
    ::GetCursorPos(&point);
    m_pCtrl->ScreenToClient(&point);
    return point;
}

void CGRScrollBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (m_pCtrl->GetGridInfo()->m_nMenuEnabled) {
        CPoint screen = point;
        ClientToScreen(&screen);
        m_pCtrl->StartMenu(0, 0, screen, m_nSection);
    }
    Default();
}

LRESULT CGRScrollBar::OnHelpHitTest(WPARAM, LPARAM)
{
    return m_pCtrl->OnGetContextHelpID(m_pCtrl->GetCurrentCol(), m_pCtrl->GetCurrentRow(), m_nSection);
}

BOOL CGRScrollBar::OnHelpInfo(HELPINFO* pHelpInfo)
{
    if (pHelpInfo->iContextType != HELPINFO_WINDOW)
        return FALSE;
    return m_pCtrl->ShowContextHelp(m_pCtrl->GetCurrentCol(), m_pCtrl->GetCurrentRow(), m_nSection);
}
