#pragma once
// The band range of an instrument or converter file: a lower and an upper
// band index counted in the file's bandwidth.

class CFileBandRange
{
public:
    static const int kHighestBand = 43;

    // Octave files (bandwidth 1) hold every third band number.
    static int Step(int nBandwidth) { return nBandwidth == 1 ? 3 : 1; }

    // Throws kFvxBandOutOfRange unless every band lower..upper has a band
    // number from 0 to 43.
    static void Check(long lLower, long lUpper, int nBandwidth);
};
