#include "InstrumentBandRules.h"

#include <charconv>

namespace
{

// Bits of the instrument's status word of a band.
const int32_t kWordOverload = 1;
const int32_t kWordSuspicious = 4;

// Band status bytes written into the spectrum.
const BYTE kStatusValid = 1;
const BYTE kStatusMarked = 2;
const BYTE kStatusInvalid = 4;
const BYTE kStatusSuspicious = 8;
const BYTE kStatusOverload = 16;

const double kConverterLowest = -99.0;
const double kConverterHighest = 199.9;

BYTE StatusOfValidBand(int32_t nWord, bool bMarkers)
{
    BYTE nStatus = kStatusValid;
    if (nWord & kWordOverload)
        nStatus = kStatusOverload;
    else if (nWord & kWordSuspicious)
        nStatus = kStatusSuspicious;
    // Markers in the period turn 1 into 2, 8 into 10 and 16 into 18.
    if (!bMarkers)
        return nStatus;
    return nStatus == kStatusValid ? kStatusMarked : BYTE(nStatus + kStatusMarked);
}

// The upper 16 bits of the word as a signed number; fewer than 1 count as 1.
int AveragesOf(int32_t nWord)
{
    int nAverages = int16_t(uint32_t(nWord) >> 16);
    return nAverages < 1 ? 1 : nAverages;
}

} // namespace

// Limits compared in single precision, the precision of the file, so that a
// value written as 59.99 or 199.9 is inside its range.
const CInstrumentBandRules::CValidity CInstrumentBandRules::kLevel{-99.0f, 199.9f};
const CInstrumentBandRules::CValidity CInstrumentBandRules::kReverberation{0.001f, 59.99f};

CInstrumentBandRules::CBand CInstrumentBandRules::Read(float fValue, int32_t nStatusWord,
                                                       bool bMarkers, const CValidity& validity)
{
    CBand band;
    bool bValid = fValue >= validity.m_fLowest && fValue <= validity.m_fHighest;
    band.m_dValue = FiveDecimals(bValid ? double(fValue) : kMissingValue);
    band.m_nStatus = bValid ? StatusOfValidBand(nStatusWord, bMarkers) : kStatusInvalid;
    band.m_nAverages = AveragesOf(nStatusWord);
    return band;
}

CInstrumentBandRules::CBand CInstrumentBandRules::ReadConverterLevel(double dValue)
{
    CBand band;
    bool bValid = dValue >= kConverterLowest && dValue <= kConverterHighest;
    band.m_dValue = FiveDecimals(bValid ? dValue : kMissingValue);
    band.m_nStatus = bValid ? kStatusValid : kStatusInvalid;
    band.m_nAverages = 1;
    return band;
}

// to_chars and from_chars are independent of the program's locale, so the
// round trip never meets a decimal comma.
double CInstrumentBandRules::FiveDecimals(double dValue)
{
    char szText[64];
    auto written = std::to_chars(szText, szText + sizeof(szText), dValue, std::chars_format::fixed, 5);
    double dRead = dValue;
    std::from_chars(szText, written.ptr, dRead);
    return dRead;
}

void CInstrumentBandRules::CombineDecays(NSpectrum& primary, const NSpectrum& secondary)
{
    for (int nBand = primary.GetLowerFreq(); nBand >= 0 && nBand <= primary.GetUpperFreq(); ++nBand)
    {
        BYTE nPrimary = primary.GetMeasStatus(nBand);
        BYTE nSecondary = secondary.GetMeasStatus(nBand);
        bool bInvalid = (nPrimary & kStatusInvalid) != 0;
        bool bSecondaryBetter = !(nPrimary & kStatusValid) && (nSecondary & kStatusValid);
        if (!bInvalid && !bSecondaryBetter)
            continue;
        primary.InsertSpecLine(nBand, secondary.GetSpecLine(nBand), 1, kStatusValid);
        primary.SetMeasStatus(nBand, nSecondary);
        primary.SetAvrCnt(nBand, secondary.GetAvrCnt(nBand));
    }
}
