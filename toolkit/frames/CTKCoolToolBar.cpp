#include "CTKCoolToolBar.h"

#include "CTKSystem.h"

IMPLEMENT_DYNAMIC(CTKCoolToolBar, CToolBar)

BEGIN_MESSAGE_MAP(CTKCoolToolBar, CToolBar)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
    ON_NOTIFY_REFLECT(TBN_DROPDOWN, OnDropDown)
    ON_WM_NCPAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

namespace {

// From this version of the common controls on, the toolbar keeps the
// drop-down arrows in its extended style.
const DWORD kComCtl471 = 0x00040047;

BOOL HasExtendedStyles()
{
    return CTKSystem::Current().GetComCtlVersion() >= kComCtl471;
}

}  // namespace

CTKCoolToolBar::CTKCoolToolBar() : m_toolbarSkin(&CTKSkin::GetToolbarSkin)
{
    MeasureDropDownArrow();
}

void CTKCoolToolBar::EnableDocking(DWORD dwDockStyle, BOOL bFlag)
{
    CToolBar::EnableDocking(dwDockStyle);
    m_bDockContextFlag = bFlag;
}

void CTKCoolToolBar::UpdateSizes(BOOL bRecalcLayout, BOOL bRedraw)
{
    if (!IsWindowVisible())
        return;
    CFrameWnd* pFrame = GetDockingFrame();
    if (bRecalcLayout && pFrame != nullptr)
        pFrame->RecalcLayout();
    if (bRedraw)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    else if (!bRecalcLayout)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
}

// The arrow is the glyph "6" of the symbol font the system draws its own
// arrows with, as high as a menu check mark.
void CTKCoolToolBar::MeasureDropDownArrow()
{
    CFont font;
    font.CreateFont(::GetSystemMetrics(SM_CYMENUCHECK), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                    SYMBOL_CHARSET, 0, 0, 0, 0, "Marlett");
    const HDC hDC = ::GetDC(nullptr);
    const HGDIOBJ hOldFont = ::SelectObject(hDC, font.GetSafeHandle());
    SIZE size = {};
    ::GetTextExtentPoint32(hDC, "6", 1, &size);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(nullptr, hDC);
    m_nDropDownArrowWidth = size.cx;
}

void CTKCoolToolBar::OnSettingChange(UINT, LPCTSTR)
{
    MeasureDropDownArrow();
    Default();
}

void CTKCoolToolBar::SetDropDownArrow(BOOL bDropDownArrow)
{
    m_bDropDownArrow = bDropDownArrow;
    if (!HasExtendedStyles() || m_hWnd == nullptr)
        return;
    DWORD dwExStyle = static_cast<DWORD>(SendMessage(TB_GETEXTENDEDSTYLE));
    dwExStyle = bDropDownArrow ? dwExStyle | TBSTYLE_EX_DRAWDDARROWS : dwExStyle & ~TBSTYLE_EX_DRAWDDARROWS;
    SendMessage(TB_SETEXTENDEDSTYLE, 0, dwExStyle);
}

BOOL CTKCoolToolBar::IsDropDownArrow() const
{
    if (!HasExtendedStyles() || m_hWnd == nullptr)
        return m_bDropDownArrow;
    return (::SendMessage(m_hWnd, TB_GETEXTENDEDSTYLE, 0, 0) & TBSTYLE_EX_DRAWDDARROWS) != 0;
}

BOOL CTKCoolToolBar::IsCustomButton(int nIndex) const
{
    return m_mapCustomButtons.count(nIndex) != 0;
}

void CTKCoolToolBar::DrawGripper(CDC* pDC, CRect* pRect)
{
    GetToolbarSkin()->DrawGripper(pDC, pRect, this);
}

void CTKCoolToolBar::DrawSeparator(CDC* pDC, CRect* pRect)
{
    GetToolbarSkin()->DrawSeparator(pDC, pRect, this);
}

void CTKCoolToolBar::DrawSelectionFrame(CDC* pDC, CRect* pRect)
{
    GetToolbarSkin()->DrawSelectionFrame(pDC, pRect, this);
}

void CTKCoolToolBar::DrawNonClientArea(CDC* pDC, CRect* pRect)
{
    GetToolbarSkin()->DrawNonClientArea(pDC, pRect, this);
}

void CTKCoolToolBar::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    GetToolbarSkin()->OnCustomDraw(pNMHDR, pResult, this);
}

void CTKCoolToolBar::OnDropDown(NMHDR* pNMHDR, LRESULT* pResult)
{
    m_nDroppedButtonID = reinterpret_cast<NMTOOLBAR*>(pNMHDR)->iItem;
    *pResult = 0;
}

// The border, the background around the buttons and the gripper, in window
// coordinates; the client area is left to the custom draw.
void CTKCoolToolBar::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CRect rectClient;
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(&rectClient);
    DrawNonClientArea(&dc, &rectWindow);
    if (!m_bCool && (GetStyle() & TBSTYLE_FLAT) && (m_dwStyle & CBRS_GRIPPER))
        DrawGripper(&dc, &rectWindow);
}

BOOL CTKCoolToolBar::OnEraseBkgnd(CDC*)
{
    if (GetToolbarSkin()->UseDefaultBackground())
        return static_cast<BOOL>(Default());
    return FALSE;
}
