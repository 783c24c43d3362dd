#pragma once
// Classes in this file: CInstrumentBandRules, how one band of an instrument
// file becomes a value, a status and a count of averages in a spectrum, and
// how the automatic reverberation choice combines two decays.

#include "NSpectrum.h"

#include <cstdint>

class CInstrumentBandRules
{
public:
    // The values a band may hold; anything outside is stored as missing.
    struct CValidity
    {
        float m_fLowest;
        float m_fHighest;
    };
    static const CValidity kLevel;          // dB
    static const CValidity kReverberation;  // s

    struct CBand
    {
        double m_dValue = 0.0;
        BYTE m_nStatus = 0;
        int m_nAverages = 1;
    };

    static CBand Read(float fValue, int32_t nStatusWord, bool bMarkers, const CValidity& validity);
    // A value of a converter file: valid levels keep status 1.
    static CBand ReadConverterLevel(double dValue);

    // The value as "%5.5f" writes it, read back.
    static double FiveDecimals(double dValue);

    // The automatic choice: a band of the primary decay takes the secondary
    // band (value, status, count) when the primary one is invalid, or is not
    // plainly valid while the secondary one is.
    static void CombineDecays(NSpectrum& primary, const NSpectrum& secondary);
};
