#pragma once
// Classes in this file: CCornerBandTexts, the band rows of the result table
// of a field project measured with corner positions: the result, the
// low-frequency levels and time, correction and deviations, the levels of
// the central and the corner positions (the receiving levels with their
// background corrections) and the numbered marks of bands whose background
// noise was too high (1 centre, 2 corner) or corrected (3 centre, 4 corner).

#include "ResultBandTexts.h"

#include <array>

class CCornerBandTexts {
public:
    // Column starts of the band table, left to right.
    static constexpr int kFreqCol = 2, kValueCol = 9, kL1LfCol = 15, kL2LfCol = 20, kTLfCol = 25, kCorrCol = 30,
                         kDevCol = 35, kL1Col = 40, kL2Col = 45, kL1CornerCol = 50, kL2CornerCol = 55, kMarkCol = 60;

    // Keeps references: info and sources must outlive the texts.
    CCornerBandTexts(const CReportInfo& info, int nFirstBandRow, const CResultSources& sources);

    // pFirstSet: the first set result, whose low-frequency time a project
    // with several sets shows.
    std::vector<CCellText> Row(int nBand, const CCalc* pFirstSet) const;
    std::vector<CCellText> PositionRow(int nBand) const;
    // The band's marks followed by "<:S,1>"; empty without marks.
    CString Marks(int nBand) const;
    // Which of the four footnotes the band calls for.
    std::array<bool, 4> Footnotes(int nBand) const;
    // The text of footnote n (0 to 3).
    static CString FootnoteLine(int nNote, const CString& sTooHigh);

private:
    CString Spec(const CCalc& calc, int nIndex, int nBand) const;
    CString Corrected(const NSpectrum& level, const NSpectrum& correction, int nBand) const;
    void Put(std::vector<CCellText>& row, int nCol, int nBand, const CString& sText) const;

    const CReportInfo& m_info;
    int m_nFirstBandRow;
    const CResultSources& m_sources;
};
