#include "CTKStatusBar.h"

#include "CTKSystem.h"

IMPLEMENT_DYNAMIC(CTKStatusBar, CStatusBar)

BEGIN_MESSAGE_MAP(CTKStatusBar, CStatusBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CTKStatusBar::CTKStatusBar() : m_skin(&CTKSkin::GetStatusbarSkin)
{
}

void CTKStatusBar::OnPaint()
{
    m_skin.Get()->DrawStatusBar(this);
}

// The skins paint the whole bar; erasing first would only flicker. The
// classic look keeps the control's own erasing.
BOOL CTKStatusBar::OnEraseBkgnd(CDC*)
{
    if (dynamic_cast<CTKStatusbarSkinClassic*>(m_skin.Get()) != nullptr)
        return static_cast<BOOL>(Default());
    return TRUE;
}

void CTKStatusBar::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const int nIndex = static_cast<int>(lpDrawItemStruct->itemID);
    if (GetPaneStyle(nIndex) & SBPS_DISABLED)
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CFont* pOldFont = pDC->SelectObject(GetFont());
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(CTKSystem::Current().GetSysColor(COLOR_BTNTEXT));
    CRect rectText = lpDrawItemStruct->rcItem;
    rectText.left += 2;
    pDC->DrawText(GetPaneText(nIndex), &rectText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}
