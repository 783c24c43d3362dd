#include "CCmdUI.h"

#include "CCmdTarget.h"
#include "CMenu.h"
#include "CWnd.h"

namespace {

// Buttons take check states; other controls have none.
BOOL IsCheckableButton(HWND hWnd)
{
    if ((::SendMessage(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) == 0)
        return FALSE;
    UINT nType = static_cast<UINT>(::GetWindowLongPtr(hWnd, GWL_STYLE)) & BS_TYPEMASK;
    return nType != BS_PUSHBUTTON && nType != BS_DEFPUSHBUTTON && nType != BS_GROUPBOX;
}

}  // namespace

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu != nullptr) {
        m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_DISABLED | MF_GRAYED));
    } else if (m_pOther != nullptr) {
        // Moving the focus off a control that is being disabled keeps the
        // keyboard usable.
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd) {
            HWND hWndParent = ::GetParent(m_pOther->m_hWnd);
            if (hWndParent)
                ::SendMessage(hWndParent, WM_NEXTDLGCTL, 0, FALSE);
        }
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu != nullptr) {
        m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    } else if (m_pOther != nullptr && IsCheckableButton(m_pOther->m_hWnd)) {
        m_pOther->SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
    }
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (m_pMenu != nullptr) {
        MENUITEMINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        ::GetMenuItemInfo(m_pMenu->m_hMenu, m_nIndex, TRUE, &info);
        info.fType |= MFT_RADIOCHECK;
        ::SetMenuItemInfo(m_pMenu->m_hMenu, m_nIndex, TRUE, &info);
    }
    SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCTSTR lpszText)
{
    if (m_pMenu != nullptr) {
        UINT nState = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION) &
                      (MF_GRAYED | MF_DISABLED | MF_CHECKED);
        m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
    } else if (m_pOther != nullptr) {
        m_pOther->SetWindowText(lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler)
{
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE;  // separators and popups have no command
    m_bEnableChanged = FALSE;
    BOOL bHandled = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    if (bDisableIfNoHandler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info = {};
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return bHandled;
}
