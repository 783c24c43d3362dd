#pragma once
// Classes in this file: CTKSkinnedApp, an application whose toolkit windows
// paint with the current skin ("Classic", "Office XP", "Office 2003").
// Stand-in: it knows the three names and which one is current, and redraws
// the main window when the skin changes; the windows still paint the
// system's way.

#include "afxwin.h"

#include <set>

class CTKSkinnedApp : public CWinApp {
public:
    CTKSkinnedApp();

    // FALSE for a name no skin has: the application is then without a skin.
    BOOL SetCurrentSkin(LPCTSTR lpszSkinName);
    // The current skin's name; empty without a skin.
    CString GetCurrentSkinName() const { return m_sCurrentSkin; }

private:
    std::set<CString> m_skinNames;
    CString m_sCurrentSkin;
};
