#include "AbsorptionTexts.h"

#include "ResultNumbers.h"

CAbsorptionTexts::CAbsorptionTexts(bool bAlphaSOnly, int nFirstBandRow, char cDecimal)
    : m_bAlphaSOnly(bAlphaSOnly), m_nFirstBandRow(nFirstBandRow), m_cDecimal(cDecimal)
{
}

CString CAbsorptionTexts::WeightedLine(const CCalc& calc, char cDecimal)
{
    const CString sValue =
        CResultNumbers::IsPresent(calc.m_dRating) ? CResultNumbers::Fixed(calc.m_dRating, 2, cDecimal) : CString(" ");
    return "<:F,Symbol,13,500>  a<:F,Arial,13,500><:S,-1>w <:S,0>= " + sValue + " " + calc.m_sLabel;
}

CString CAbsorptionTexts::Text(const NSpectrum& spec, int nBand, int nDecimals) const
{
    if (!CResultNumbers::IsPresent(spec.GetSpecLine(nBand)))
        return CString();
    return CResultNumbers::WithSeparator(spec.GetSpecLineStr(nBand, nDecimals), m_cDecimal);
}

std::vector<CCellText> CAbsorptionTexts::BandRow(const CCalc& calc, const NSpectrum& t1, const NSpectrum& t2,
                                                 int nBand) const
{
    const int nRow = m_nFirstBandRow + nBand - 17;
    const bool bRated = CResultNumbers::IsPresent(calc.m_dRating);
    std::vector<CCellText> row = {{2, nRow, CResultNumbers::FrequencyText(nBand)}};
    // The practical coefficients stand in the octave rows (63 Hz, 125 Hz, ...).
    const bool bOctave = (nBand - 18) % 3 == 0 && nBand >= 18;
    if (!m_bAlphaSOnly)
        row.push_back({AlphaPCol(), nRow, bRated && bOctave ? Text(calc.m_aSpec[9], nBand, 2) : CString()});
    row.push_back({AlphaSCol(), nRow, bRated ? Text(calc.m_aSpec[0], nBand, 2) : CString()});
    row.push_back({AreaCol(), nRow, Text(calc.m_aSpec[8], nBand, 1)});
    row.push_back({T2Col(), nRow, Text(t2, nBand, 2)});
    row.push_back({T1Col(), nRow, Text(t1, nBand, 2)});
    return row;
}
