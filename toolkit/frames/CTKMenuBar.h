#pragma once
// Classes in this file: CTKMenuBar, the menu drawn as a docked cool toolbar:
// one text button per top-level item of its menu. For now only what the
// toolbar skins read: the menu's texts, the buttons of a maximised MDI child
// and the dropped item, and the menu skin it measures its buttons with; no
// popups, keyboard access or customising yet.

#include "CTKCoolToolBar.h"
#include "CTKMenuSkinClassic.h"

class CTKMenuBar : public CTKCoolToolBar {
    DECLARE_DYNAMIC(CTKMenuBar)
public:
    CTKMenuBar() = default;

    // The text of top-level item nIndex, empty when it has none.
    CString GetMenuItemText(int nIndex) const;
    // The MDI frame the bar serves, null for another frame.
    CMDIFrameWnd* GetMDIFrame() const;
    // The current skin's menu part; without one, a classic menu skin of the
    // bar's own.
    CTKMenuSkin* GetMenuSkin() { return m_pOwnMenuSkin.Get(); }

    HMENU m_hMenu = nullptr;
    CWnd* m_pFrameWnd = nullptr;
    int m_nActiveItem = -1;  // the item whose popup is open
    // The buttons of a maximised MDI child, window coordinates; empty when absent.
    CRect m_rectCloseBtn;
    CRect m_rectRestoreBtn;
    CRect m_rectMinimizeBtn;
    int m_nPressedSysBtn = -1;  // kSysBtnClose, kSysBtnRestore or kSysBtnMinimize while held

    static constexpr int kSysBtnClose = -4;
    static constexpr int kSysBtnRestore = -3;
    static constexpr int kSysBtnMinimize = -2;

private:
    CTKPartSkinSlot<CTKMenuSkin, CTKMenuSkinClassic> m_pOwnMenuSkin{&CTKSkin::GetMenuSkin};
};
