#include "CTKShadowedItemWnd.h"

#include "CTKBitmapMenu.h"
#include "CTKMenuSkin.h"

BEGIN_MESSAGE_MAP(CTKShadowedItemWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CTKShadowedItemWnd::OnPaint()
{
    CTKBitmapMenu::GetMenuSkin()->DrawButtonJoinWindow(this);
}
