// The reference curves and fixed spectra of the rating standards.
// Band numbers: 17 is 50 Hz, 20 is 100 Hz, 27 is 500 Hz, 30 is 1000 Hz,
// 35 is 3150 Hz, 37 is 5000 Hz.

#include "ReferenceCurves.h"

#include <initializer_list>

namespace {

// A curve of consecutive bands from nFirstBand on.
CBandArray ConsecutiveBands(int nFirstBand, std::initializer_list<double> values)
{
    CBandArray curve;
    int nBand = nFirstBand;
    for (double dValue : values)
        curve[nBand++] = dValue;
    return curve;
}

}  // namespace

// ISO 717-1 reference values for airborne sound insulation, dB, 100 to 3150 Hz.
CBandArray RefAirborneCurve()
{
    return ConsecutiveBands(20, {33, 36, 39, 42, 45, 48, 51, 52, 53, 54, 55, 56, 56, 56, 56, 56});
}

// ISO 717-2 reference values for impact sound, dB, 100 to 3150 Hz; also the
// ASTM E989 impact insulation class contour.
CBandArray RefImpactCurve()
{
    return ConsecutiveBands(20, {62, 62, 62, 62, 62, 62, 61, 60, 59, 58, 57, 54, 51, 48, 45, 42});
}

// ASTM E413 sound transmission class contour, dB, 125 to 4000 Hz, 52 dB at 500 Hz.
CBandArray StcContour()
{
    return ConsecutiveBands(21, {36, 39, 42, 45, 48, 51, 52, 53, 54, 55, 56, 56, 56, 56, 56, 56});
}

// ISO 11654 reference curve of the sound absorption coefficient at the
// octaves 250, 500, 1000, 2000 and 4000 Hz.
CBandArray RefAbsorptionCurve()
{
    CBandArray curve;
    curve[24] = 0.8;
    curve[27] = 1.0;
    curve[30] = 1.0;
    curve[33] = 1.0;
    curve[36] = 0.9;
    return curve;
}

// ISO 717-1 sound level spectrum No. 1 (pink noise, A-weighted) for the
// range up to 3150 Hz, dB, 50 to 3150 Hz.
CBandArray SpectrumC3150()
{
    return ConsecutiveBands(17, {-40, -36, -33, -29, -26, -23, -21, -19, -17, -15,
                                 -13, -12, -11, -10, -9, -9, -9, -9, -9});
}

// ISO 717-1 sound level spectrum No. 1 for the range up to 5000 Hz, dB,
// 50 to 5000 Hz.
CBandArray SpectrumC5000()
{
    return ConsecutiveBands(17, {-41, -37, -34, -30, -27, -24, -22, -20, -18, -16, -14,
                                 -13, -12, -11, -10, -10, -10, -10, -10, -10, -10});
}

// ISO 717-1 sound level spectrum No. 2 (urban traffic noise, A-weighted),
// dB, 50 to 5000 Hz.
CBandArray SpectrumCtr()
{
    return ConsecutiveBands(17, {-25, -23, -21, -20, -20, -18, -16, -15, -14, -13, -12,
                                 -11, -9, -8, -9, -10, -11, -13, -15, -16, -18});
}

// Weighting of the impact term over 20 to 2500 Hz, dB.
CBandArray SpectrumCIWeight()
{
    return ConsecutiveBands(13, {-7, -9, -11, -13, -15, -15, -15, -15, -15, -15, -15,
                                 -15, -15, -15, -14, -13, -12, -11, -10, -9, -8, -7});
}

// Heavyweight reference floor of ISO 717-2 (normalised impact level, dB,
// 100 to 3150 Hz); it rates 78 dB with CI -11 dB.
CBandArray RefFloorHeavy()
{
    return ConsecutiveBands(20, {67, 67.5, 68, 68.5, 69, 69.5, 70, 70.5, 71, 71.5, 72,
                                 72, 72, 72, 72, 72});
}

// Lightweight reference floors, dB, 100 to 3150 Hz: floor 3 rates 75 dB with
// CI -3 dB, floors 1 and 2 share one curve rating 72 dB with CI 0 dB.
CBandArray RefFloorLight(int nFloorNumber)
{
    if (nFloorNumber == 3)
        return ConsecutiveBands(20, {69, 72, 75, 78, 78, 78, 78, 78, 78, 76, 74, 72, 69,
                                     66, 63, 60});
    return ConsecutiveBands(20, {78, 78, 78, 78, 78, 78, 76, 74, 72, 69, 66, 63, 60, 57,
                                 54, 51});
}

// Basic-element curves of the airborne improvement by a lining, sound
// reduction index in dB, 50 to 5000 Hz: heavyweight wall, heavyweight floor,
// lightweight wall.
CBandArray BasicWallCurve1()
{
    return ConsecutiveBands(17, {35.3, 37.3, 39.4, 40, 40, 40, 40, 41, 43.5, 46.1, 48.5,
                                 51, 53.6, 56, 58.4, 61.1, 63.6, 65, 65, 65, 65});
}

CBandArray BasicWallCurve2()
{
    return ConsecutiveBands(17, {34, 36, 38.1, 40, 40, 40, 40, 40, 41.8, 44.4, 46.8, 49.3,
                                 51.9, 54.4, 56.8, 59.5, 61.9, 64.3, 65, 65, 65});
}

CBandArray BasicWallCurve3()
{
    return ConsecutiveBands(17, {21.3, 23.3, 25.3, 27, 27, 27, 27, 27, 27, 27, 27, 28,
                                 30.5, 32.8, 35.1, 37.6, 40, 42.3, 44.6, 47.1, 49.4});
}
