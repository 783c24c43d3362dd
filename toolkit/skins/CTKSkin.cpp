#include "CTKSkin.h"

CTKSkin::CTKSkin(LPCTSTR lpszName) : m_sName(lpszName)
{
}

CTKSkin::~CTKSkin() = default;

int CTKSkin::GetType() const
{
    return 3;
}

CString CTKSkin::GetName() const
{
    return m_sName;
}

// No skin makes menu or shortcut-bar part skins yet: the menus and the
// shortcut bar then draw with their own classic part skins.
CTKMenuSkin* CTKSkin::GetMenuSkin() const
{
    return nullptr;
}

CTKShortcutBarSkin* CTKSkin::GetShortcutBarSkin() const
{
    return nullptr;
}
