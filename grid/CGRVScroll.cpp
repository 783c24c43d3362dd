#include "CGRVScroll.h"

#include "CGRCtrl.h"

CGRVScroll::CGRVScroll(CGRCtrl* pCtrl) : CGRScrollBar(pCtrl, kSectionVScrollBar)
{
}

// A new position is told to the control with the top row it came from.
void CGRVScroll::Update()
{
    const CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    if (Apply(m_model.Update(info)))
        m_pCtrl->OnViewMoved(kSectionVScrollBar, info.m_nLastTopRow, info.m_nTopRow);
}

int CGRVScroll::GetTrackedRow() const
{
    return m_nTrackedRow;
}

BOOL CGRVScroll::AreHintsOn() const
{
    return m_pCtrl->GetGridInfo()->m_nVScrollHints != 0;
}

void CGRVScroll::MoveView(int nCode)
{
    m_pCtrl->MoveTopRow(nCode);
}

void CGRVScroll::ThumbReleased(int nPosition)
{
    if (AreHintsOn())
        HideHint();
    m_pCtrl->SetTopRow(m_model.RowAt(nPosition));
}

// In mode 1 the view follows the thumb. With hints on, the hint names the
// row the view would show first.
void CGRVScroll::ThumbDragged(int nPosition)
{
    const CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    if (info.m_nVScrollMode == CGRVScrollModel::kModeFollowThumb)
        m_pCtrl->SetTopRow(m_model.RowAt(nPosition));
    m_nTrackedRow = m_model.TrackedRow(nPosition, info);
    if (!AreHintsOn())
        return;
    CString sText;
    if (!m_pCtrl->OnVScrollHint(m_nTrackedRow, &sText))
        return;
    CPoint point(info.m_componentRects[CGRGridInfo::kVScrollBar].left - 1, PointerInControl().y);
    ShowHint(sText, kHintFlags, point, kHintMinWidth);
}

// The side heading shows the rows: it follows the scroll at once.
void CGRVScroll::AfterScroll()
{
    CGRSideHdg* pSideHeading = m_pCtrl->GetSideHeading();
    if (pSideHeading && pSideHeading->GetSafeHwnd())
        pSideHeading->Invalidate(FALSE);
}
