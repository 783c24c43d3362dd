#pragma once
// Classes in this file: CTKBitmapMenu, the owner-drawn popup menu whose items
// the menu skins paint. For now what the skins read of it: the measured
// column widths, whether it draws its submenu arrows itself, the screen
// rectangle of the menu-bar button it drops from, the popup windows that
// show it, and which menu the thread is tracking.

#include "afxwin.h"

#include "CTKPopupWndStack.h"

class CTKMenuSkin;

class CTKBitmapMenu : public CMenu {
    DECLARE_DYNAMIC(CTKBitmapMenu)
public:
    CTKBitmapMenu() = default;

// Measured extents, pixels
    int m_nImageExtent = 0;  // the widest image: the image column
    int m_nTextHeight = 0;
    int m_nAccelWidth = 0;   // the widest shortcut text
    int m_nTextWidth = 0;    // the widest item text

    // The menu draws the arrows of its submenu items itself.
    BOOL m_bOwnArrow = FALSE;
    // The menu-bar button the menu is dropped from, screen coordinates;
    // empty while it is not dropped from one.
    CRect m_rectButton;
    CTKPopupWndStack m_popupWnds;

    // The skin the menus paint with: the current skin's menu part, else one
    // classic skin shared by the whole program.
    static CTKMenuSkin* GetMenuSkin();

    // An 8x8 pattern brush of single pixels alternating between the two
    // colours; null when its bitmap cannot be made. The caller deletes it.
    static HBRUSH CreateDitherBrush(COLORREF crFirst, COLORREF crSecond);

    // The menu the thread tracks (null: none); the popup windows are
    // painted by the skins only while it is a bitmap menu.
    static void SetTrackedMenu(CMenu* pMenu);
    static CTKBitmapMenu* GetTrackedBitmapMenu();
};
