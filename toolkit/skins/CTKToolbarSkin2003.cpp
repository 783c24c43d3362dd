#include "CTKToolbarSkin2003.h"

#include "CTKSkin2003.h"

CTKToolbarSkin2003::CTKToolbarSkin2003(CTKSkin2003* pSkin) : CTKToolbarSkinXP(pSkin)
{
}
