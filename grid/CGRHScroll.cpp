#include "CGRHScroll.h"

#include "CGRCtrl.h"

CGRHScroll::CGRHScroll(CGRCtrl* pCtrl) : CGRScrollBar(pCtrl, kSectionHScrollBar)
{
}

// A new position is told to the control with the left column it came from.
// A new range for a bar that has no room lays the control out again.
void CGRHScroll::Update()
{
    const CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    GridScrollBarUpdate update = m_model.Update(info);
    if (Apply(update))
        m_pCtrl->OnViewMoved(kSectionHScrollBar, info.m_nLastLeftCol, info.m_nLeftCol);
    if (update.bLayOutAgain)
        m_pCtrl->AdjustComponentSizes();
}

int CGRHScroll::GetTrackedCol() const
{
    return m_nTrackedCol;
}

BOOL CGRHScroll::AreHintsOn() const
{
    return m_pCtrl->GetGridInfo()->m_nHScrollHints != 0;
}

void CGRHScroll::MoveView(int nCode)
{
    m_pCtrl->MoveLeftCol(nCode);
}

void CGRHScroll::ThumbReleased(int nPosition)
{
    if (AreHintsOn())
        HideHint();
    m_pCtrl->SetLeftCol(CGRHScrollModel::ColumnAt(nPosition, *m_pCtrl->GetGridInfo()));
}

void CGRHScroll::ThumbDragged(int nPosition)
{
    const CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    m_nTrackedCol = CGRHScrollModel::ColumnAt(nPosition, info);
    if (info.m_nHThumbTrack)
        m_pCtrl->SetLeftCol(m_nTrackedCol);
    if (!AreHintsOn())
        return;
    CString sText;
    if (!m_pCtrl->OnHScrollHint(m_nTrackedCol, &sText))
        return;
    CPoint point(PointerInControl().x, info.m_componentRects[CGRGridInfo::kHScrollBar].top - 1);
    ShowHint(sText, kHintFlags, point, kHintMinWidth);
}
