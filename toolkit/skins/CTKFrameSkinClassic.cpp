#include "CTKFrameSkinClassic.h"

#include "CTKSystem.h"

// The system frames the window itself.
void CTKFrameSkinClassic::DrawBorder(CWnd*)
{
}

void CTKFrameSkinClassic::AdjustBorderRect(RECT*, CWnd*)
{
}

COLORREF CTKFrameSkinClassic::GetFaceColor()
{
    return CTKSystem::Current().GetSysColor(COLOR_BTNFACE);
}

COLORREF CTKFrameSkinClassic::GetEdgeColor()
{
    return CTKSystem::Current().GetSysColor(COLOR_BTNSHADOW);
}
