#pragma once
// Classes in this file: CTKSkin, a named look of the whole toolkit: one part
// skin for each kind of toolkit window, owned by the skin.

#include "afx.h"

#include "CTKDockbarSkin.h"
#include "CTKFrameSkin.h"
#include "CTKMenuSkin.h"
#include "CTKMiniFrameSkin.h"
#include "CTKStatusbarSkin.h"
#include "CTKTabSkin.h"
#include "CTKToolbarSkin.h"

#include <memory>

class CTKShortcutBarSkin;

class CTKSkin {
public:
    explicit CTKSkin(LPCTSTR lpszName);
    CTKSkin(const CTKSkin&) = delete;
    CTKSkin& operator=(const CTKSkin&) = delete;
    virtual ~CTKSkin();

    // 0 classic, 1 XP and 2003, 3 a skin of no kind.
    virtual int GetType() const;

    CString GetName() const;

    CTKToolbarSkin* GetToolbarSkin() const { return m_pToolbarSkin.get(); }
    CTKMenuSkin* GetMenuSkin() const { return m_pMenuSkin.get(); }
    CTKDockbarSkin* GetDockbarSkin() const { return m_pDockbarSkin.get(); }
    CTKTabSkin* GetTabSkin() const { return m_pTabSkin.get(); }
    CTKShortcutBarSkin* GetShortcutBarSkin() const;
    CTKMiniFrameSkin* GetMiniFrameSkin() const { return m_pMiniFrameSkin.get(); }
    CTKStatusbarSkin* GetStatusbarSkin() const { return m_pStatusbarSkin.get(); }

protected:
    std::unique_ptr<CTKToolbarSkin> m_pToolbarSkin;
    std::unique_ptr<CTKToolbarSkin> m_pMenuBarToolbarSkin;  // asked for by no window
    std::unique_ptr<CTKMenuSkin> m_pMenuSkin;
    std::unique_ptr<CTKDockbarSkin> m_pDockbarSkin;
    std::unique_ptr<CTKTabSkin> m_pTabSkin;
    std::unique_ptr<CTKMiniFrameSkin> m_pMiniFrameSkin;
    std::unique_ptr<CTKStatusbarSkin> m_pStatusbarSkin;
    std::unique_ptr<CTKFrameSkin> m_pFrameSkin;  // asked for by no window

private:
    CString m_sName;
};
