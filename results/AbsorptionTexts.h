#pragma once
// Classes in this file: CAbsorptionTexts, the texts of the result table of
// a sound-absorption measurement: the weighted coefficient with its shape
// indicators, and the band rows of the practical (octave) and the
// one-third-octave absorption coefficients, the absorption area and the
// reverberation times with and without the test object. The practical
// coefficients and the weighted one are left out of a page that shows
// alpha_s only.

#include "ResultLayout.h"

#include "calc/Calc.h"

#include <vector>

class CAbsorptionTexts {
public:
    CAbsorptionTexts(bool bAlphaSOnly, int nFirstBandRow, char cDecimal);

    // Column starts of the band table; -1 where the page has none.
    int AlphaPCol() const { return m_bAlphaSOnly ? -1 : 9; }
    int AlphaSCol() const { return m_bAlphaSOnly ? 9 : 15; }
    int AreaCol() const { return AlphaSCol() + 6; }
    int T2Col() const { return AlphaSCol() + 12; }
    int T1Col() const { return AlphaSCol() + 18; }

    static CString WeightedLine(const CCalc& calc, char cDecimal);
    // t1 and t2: the averages of the reverberation times without and with the object.
    std::vector<CCellText> BandRow(const CCalc& calc, const NSpectrum& t1, const NSpectrum& t2, int nBand) const;

private:
    CString Text(const NSpectrum& spec, int nBand, int nDecimals) const;

    bool m_bAlphaSOnly;
    int m_nFirstBandRow;
    char m_cDecimal;
};
