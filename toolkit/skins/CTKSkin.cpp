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

// No skin makes shortcut-bar part skins yet: the shortcut bar then draws
// with its own classic part skin.
CTKShortcutBarSkin* CTKSkin::GetShortcutBarSkin() const
{
    return nullptr;
}
