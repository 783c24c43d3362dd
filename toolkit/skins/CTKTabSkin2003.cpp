#include "CTKTabSkin2003.h"

#include "CTKSkin2003.h"

CTKTabSkin2003::CTKTabSkin2003(CTKSkin2003* pSkin) : CTKTabSkinXP(pSkin)
{
}
