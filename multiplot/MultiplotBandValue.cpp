#include "MultiplotBandValue.h"

#include "tables/PastedNumber.h"

namespace {
constexpr double kMissingLimit = -499.5;
} // namespace

// The correction counts only when it is present, so a curve without one
// shows its measured value.
CString CMultiplotBandValue::ShownText(const NBuildData& rec, int nBand, int nGraphType)
{
    double dValue = rec.m_Spectrum.GetSpecLine(nBand);
    if (dValue <= kMissingLimit)
        return CString();
    const double dCorrection = rec.m_CorrSpectrum.GetSpecLine(nBand);
    if (dCorrection > kMissingLimit)
        dValue += dCorrection;
    return NSpectrum::FloatToString(dValue, DecimalsOf(nGraphType));
}

// A line without a number is no measured 0 dB: it is stored as missing.
// Times and absorption take 0.001 up to below 60, levels -99.9 to 199.9.
double CMultiplotBandValue::PastedValue(const CString& sLine, int nGraphType)
{
    double dValue = 0.0;
    if (!CPastedNumber::ReadLeading(sLine, dValue))
        return kMissingValue;
    const bool bInRange = DecimalsOf(nGraphType) == 2 ? dValue >= 0.001 && dValue < 60.0
                                                      : dValue >= -99.9 && dValue <= 199.9;
    return bInRange ? dValue : kMissingValue;
}
