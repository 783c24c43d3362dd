// CTKComboDropDown: the parts of the drop-down interface that every dropped
// control shares — its owner, its container and the minimum width that
// keeps the popup at least as wide as the combo box.

#include "toolkit/skins/CTKComboDropDown.h"

#include "toolkit/skins/CTKComboPickerCtrl.h"

CTKComboPickerCtrl* CTKComboDropDown::SetOwnerCombo(CTKComboPickerCtrl* pCombo)
{
    m_pCombo = pCombo;
    return m_pCombo;
}

CTKDropDownContainer& CTKComboDropDown::GetContainer()
{
    return m_container;
}

// The popup's screen rectangle, or the control's while it has no popup.
void CTKComboDropDown::GetWindowRect(LPRECT lpRect)
{
    if (!HasWindow())
        return;
    if (::IsWindow(m_container.GetSafeHwnd()))
        m_container.CWnd::GetWindowRect(lpRect);
    else
        GetWindow()->CWnd::GetWindowRect(lpRect);
}

BOOL CTKComboDropDown::IsVisible()
{
    return HasWindow() && GetWindow()->IsWindowVisible();
}

// The combo box's width less the popup's frame is the narrowest client area:
// the popup then lines up with the combo box or overhangs it to the right.
void CTKComboDropDown::OnAttach()
{
    if (m_pCombo == nullptr || !::IsWindow(m_pCombo->GetSafeHwnd()) || !HasWindow() ||
        !::IsWindow(m_container.GetSafeHwnd()))
        return;
    CRect rectCombo;
    m_pCombo->CWnd::GetWindowRect(&rectCombo);
    m_nMinWidth = rectCombo.Width() - GetContainerFrameSize().cx;
    AdjustSize();
}

// A resized combo box drops the minimum height its owner asked for.
void CTKComboDropDown::OnComboResized()
{
    m_nMinHeight = -1;
    OnAttach();
}

BOOL CTKComboDropDown::HasWindow()
{
    CWnd* pWnd = GetWindow();
    return pWnd != nullptr && ::IsWindow(pWnd->GetSafeHwnd());
}

// Width and height the container's frame adds to its client area.
CSize CTKComboDropDown::GetContainerFrameSize()
{
    CRect rectFrame(0, 0, 0, 0);
    ::AdjustWindowRectEx(&rectFrame, m_container.GetStyle(), FALSE, m_container.GetExStyle());
    return CSize(rectFrame.Width(), rectFrame.Height());
}
