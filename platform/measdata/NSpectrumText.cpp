// NSpectrum: the display and export texts. The decimal separator is always a
// point; callers that show a comma replace it.

#include "NSpectrum.h"

#include <algorithm>

namespace {

// The text of a band without a value; the tables and exporters test for it.
const char kNoData[] = "N_A_MT";

} // namespace

CString NSpectrum::FloatToString(double dValue, int nDecimals)
{
    if (IsMissingValue(dValue))
        return kNoData;
    const int nClamped = std::clamp(nDecimals, 0, 9);
    CString sText;
    sText.Format("%.*f", nClamped, RoundValue(dValue, nClamped));
    return sText;
}

CString NSpectrum::GetSpecLineStr(int nBand, int nDecimals) const
{
    return FloatToString(GetSpecLine(nBand), nDecimals);
}

CString NSpectrum::GetSDStr(int nBand, int nDecimals) const
{
    if (!IsBand(nBand) || !HasValue(nBand))
        return kNoData;
    return FloatToString(m_aBands[nBand].m_dSD, nDecimals);
}

CString NSpectrum::GetAvrCntStr(int nBand) const
{
    if (!IsBand(nBand) || !HasValue(nBand))
        return kNoData;
    CString sText;
    sText.Format("%d", m_aBands[nBand].m_nAvrCnt);
    return sText;
}

// Two lines: the centre frequencies and the values of the written bands from
// the lowest to the highest; a band without a value gives an empty field.
CString NSpectrum::ExportText(const CString& sTitle, const CString& sSeparator) const
{
    const int nDecimals = m_nType == kTypeReverberation ? 3 : 2;
    CString sFrequencies = "Frequency [Hz]";
    CString sValues = sTitle;
    const int nLower = GetLowerFreq();
    for (int nBand = nLower; nLower >= 0 && nBand <= GetUpperFreq(); ++nBand) {
        CString sFrequency;
        sFrequency.Format("%g", IndexToFreq(nBand));
        sFrequencies += sSeparator + sFrequency;
        sValues += sSeparator;
        if (HasValue(nBand))
            sValues += FloatToString(m_aBands[nBand].m_dValue, nDecimals);
    }
    return sFrequencies + "\r\n" + sValues + "\r\n";
}
