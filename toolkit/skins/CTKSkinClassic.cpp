#include "CTKSkinClassic.h"

#include "CTKMenuSkinClassic.h"
#include "CTKFrameSkinClassic.h"
#include "CTKDockbarSkinClassic.h"
#include "CTKMiniFrameSkinClassic.h"
#include "CTKStatusbarSkinClassic.h"
#include "CTKTabSkinClassic.h"
#include "CTKToolbarSkinClassic.h"

CTKSkinClassic::CTKSkinClassic() : CTKSkin("Classic")
{
    m_pToolbarSkin = std::make_unique<CTKToolbarSkinClassic>();
    m_pMenuBarToolbarSkin = std::make_unique<CTKToolbarSkinClassic>();
    m_pMenuSkin = std::make_unique<CTKMenuSkinClassic>();
    m_pTabSkin = std::make_unique<CTKTabSkinClassic>();
    m_pStatusbarSkin = std::make_unique<CTKStatusbarSkinClassic>();
    m_pFrameSkin = std::make_unique<CTKFrameSkinClassic>();
    m_pDockbarSkin = std::make_unique<CTKDockbarSkinClassic>();
    m_pMiniFrameSkin = std::make_unique<CTKMiniFrameSkinClassic>();
}

int CTKSkinClassic::GetType() const
{
    return 0;
}
