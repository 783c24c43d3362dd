#pragma once
// Classes in this file: CTKToolbarSkinClassic, the toolbar part skin of the
// "Classic" look: the system's own drawing.

#include "CTKToolbarSkin.h"

class CTKToolbarSkinClassic : public CTKToolbarSkin {
public:
    CTKToolbarSkinClassic();
};
