#include "CTKToolbarSkinClassic.h"

CTKToolbarSkinClassic::CTKToolbarSkinClassic() = default;
