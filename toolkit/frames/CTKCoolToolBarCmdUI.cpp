#include "CTKCoolToolBarCmdUI.h"

BYTE CTKCoolToolBarCmdUI::GetState() const
{
    TBBUTTON button = {};
    m_pOther->SendMessage(TB_GETBUTTON, m_nIndex, reinterpret_cast<LPARAM>(&button));
    return button.fsState;
}

void CTKCoolToolBarCmdUI::SetState(BYTE fsState)
{
    if (GetState() == fsState)
        return;
    TBBUTTONINFO info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_STATE | TBIF_BYINDEX;
    info.fsState = fsState;
    m_pOther->SendMessage(TB_SETBUTTONINFO, m_nIndex, reinterpret_cast<LPARAM>(&info));
}

void CTKCoolToolBarCmdUI::Enable(BOOL bOn)
{
    const BYTE fsState = GetState();
    SetState(static_cast<BYTE>(bOn ? (fsState | TBSTATE_ENABLED) : (fsState & ~TBSTATE_ENABLED)));
    m_bEnableChanged = TRUE;
}

void CTKCoolToolBarCmdUI::SetCheck(int nCheck)
{
    BYTE fsState = static_cast<BYTE>(GetState() & ~(TBSTATE_CHECKED | TBSTATE_INDETERMINATE));
    if (nCheck == 1)
        fsState |= TBSTATE_CHECKED;
    else if (nCheck == 2)
        fsState |= TBSTATE_INDETERMINATE;
    SetState(fsState);
}
