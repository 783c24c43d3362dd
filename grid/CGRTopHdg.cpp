#include "CGRTopHdg.h"

#include "CGRCtrl.h"

CGRTopHdg::CGRTopHdg(CGRCtrl* pCtrl) : CGRHeading(pCtrl, true)
{
}

// Like the cell area, the heading keeps its drawing off the windows beside
// and inside it (an in-cell edit placed on a heading cell).
BOOL CGRTopHdg::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    return CGRHeading::PreCreateWindow(cs);
}

// The heading shows nothing of the current cell, so only a horizontal
// scroll changes it.
void CGRTopHdg::Moved()
{
    const CGRGridInfo& info = Info();
    if (info.m_nLeftCol != info.m_nLastLeftCol)
        RepaintWhole();
}

int CGRTopHdg::GetRowHeight(int nRow) const
{
    return Info().GetTopHdgRowHeight(nRow);
}

void CGRTopHdg::FitToHeight()
{
    FitOutermost();
}
