#include "CTKTabSkinClassic.h"

CTKTabSkinClassic::CTKTabSkinClassic() = default;
