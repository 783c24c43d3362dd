#pragma once
// The reference curves and fixed spectra of the rating standards, by band
// number. Each holds exactly the bands its standard lists; the others are
// missing.

#include "BandArray.h"

CBandArray RefAirborneCurve();
CBandArray RefImpactCurve();
CBandArray StcContour();
CBandArray RefAbsorptionCurve();

CBandArray SpectrumC3150();
CBandArray SpectrumC5000();
CBandArray SpectrumCtr();
CBandArray SpectrumCIWeight();

CBandArray RefFloorHeavy();
CBandArray RefFloorLight(int nFloorNumber);
CBandArray BasicWallCurve1();
CBandArray BasicWallCurve2();
CBandArray BasicWallCurve3();
