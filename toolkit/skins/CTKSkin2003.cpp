#include "CTKSkin2003.h"

#include "CTKTabSkin2003.h"
#include "CTKToolbarSkin2003.h"
#include "CTKToolbarSkinXP.h"

// The menu bar's toolbar keeps the XP look.
CTKSkin2003::CTKSkin2003() : CTKSkin("Office 2003"), CTKSkinXP(NoPartSkins{})
{
    m_pToolbarSkin = std::make_unique<CTKToolbarSkin2003>(this);
    m_pMenuBarToolbarSkin = std::make_unique<CTKToolbarSkinXP>(this);
    m_pTabSkin = std::make_unique<CTKTabSkin2003>(this);
}
