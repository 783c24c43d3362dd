#include "CScrollBar.h"

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("SCROLLBAR", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CScrollBar::GetScrollPos() const { return CWnd::GetScrollPos(SB_CTL); }
int CScrollBar::SetScrollPos(int nPos, BOOL bRedraw) { return CWnd::SetScrollPos(SB_CTL, nPos, bRedraw); }
void CScrollBar::GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const { CWnd::GetScrollRange(SB_CTL, lpMinPos, lpMaxPos); }
void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw) { CWnd::SetScrollRange(SB_CTL, nMinPos, nMaxPos, bRedraw); }
BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask) { return CWnd::GetScrollInfo(SB_CTL, lpScrollInfo, nMask); }
BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw) { return CWnd::SetScrollInfo(SB_CTL, lpScrollInfo, bRedraw); }
int CScrollBar::GetScrollLimit() { return CWnd::GetScrollLimit(SB_CTL); }
void CScrollBar::ShowScrollBar(BOOL bShow) { CWnd::ShowScrollBar(SB_CTL, bShow); }
BOOL CScrollBar::EnableScrollBar(UINT nArrowFlags) { return CWnd::EnableScrollBar(SB_CTL, nArrowFlags); }
