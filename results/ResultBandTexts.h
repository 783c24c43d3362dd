#pragma once
// Classes in this file: CResultBandTexts, the texts of a result table's
// band rows (50 Hz to 5 kHz): the rated values, the source and receiving
// levels (the receiving level with the project's background and airborne
// corrections, or the level difference of the "D" layout), the
// reverberation times, the corrections, the unfavourable deviations and
// the background-noise note. A missing value leaves its cell empty.

#include "ResultLayout.h"

#include "calc/Calc.h"

#include <vector>

// What a band row is made from: a result and the averages of the
// project's level, reverberation and background tables.
struct CResultSources {
    const CCalc* pCalc = nullptr;
    NSpectrum l1, l2, t, bg;
    bool bBgnCorrection = false;
    bool bTenth = false;
    bool bMultiSet = false;  // several per-set results averaged
    CString sTooHigh;        // the note of a band limited by background noise
    char cDecimal = '.';
};

class CResultBandTexts {
public:
    // Band status of a correction that reached its limit, and of a corrected band.
    static constexpr BYTE kStatusAtLimit = 2;
    static constexpr BYTE kStatusCorrected = 16;

    // Keeps references: info, layout and sources must outlive the texts.
    CResultBandTexts(const CReportInfo& info, const CResultLayout& layout, const CResultSources& sources);

    // The texts of the band's row from the project's working result.
    std::vector<CCellText> Row(int nBand) const;
    // The texts of the band's row on the page of one set result.
    std::vector<CCellText> PositionRow(int nBand) const;
    // The note of a band whose correction reached its limit or was made.
    CString BackgroundMark(int nBand) const;

private:
    CString Spec(int nIndex, int nBand, int nDecimals) const;
    CString Text(const NSpectrum& spec, int nBand, int nDecimals) const;
    CString Sum(double dValue) const;
    CString ValueText(int nBand) const;
    CString ReceivingLevel(int nBand, bool& bWithMark) const;
    bool IsDifferenceLayout() const;
    void Put(std::vector<CCellText>& row, int nCol, int nBand, const CString& sText) const;

    const CReportInfo& m_info;
    const CResultLayout& m_layout;
    const CResultSources& m_sources;
};
