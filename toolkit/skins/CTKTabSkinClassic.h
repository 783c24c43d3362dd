#pragma once
// Classes in this file: CTKTabSkinClassic, the tab part skin of the
// "Classic" look: the system's own drawing.

#include "CTKTabSkin.h"

class CTKTabSkinClassic : public CTKTabSkin {
public:
    CTKTabSkinClassic();
};
