#include "CTKTabSkinXP.h"

CTKTabSkinXP::CTKTabSkinXP(CTKSkinXP* pSkin) : m_pSkin(pSkin)
{
}
