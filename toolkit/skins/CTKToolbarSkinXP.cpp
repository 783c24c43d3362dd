#include "CTKToolbarSkinXP.h"

CTKToolbarSkinXP::CTKToolbarSkinXP(CTKSkinXP* pSkin) : m_pSkin(pSkin)
{
}
