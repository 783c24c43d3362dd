#include "CTKSkinXP.h"

#include "CTKTabSkinXP.h"
#include "CTKToolbarSkinXP.h"

CTKSkinXP::CTKSkinXP() : CTKSkin("Office XP")
{
    m_pToolbarSkin = std::make_unique<CTKToolbarSkinXP>(this);
    m_pMenuBarToolbarSkin = std::make_unique<CTKToolbarSkinXP>(this);
    m_pTabSkin = std::make_unique<CTKTabSkinXP>(this);
}

// The virtual base is made by the most derived skin, with that skin's name.
CTKSkinXP::CTKSkinXP(NoPartSkins) : CTKSkin("")
{
}

int CTKSkinXP::GetType() const
{
    return 1;
}
