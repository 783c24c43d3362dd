#pragma once
// Classes in this file: CReportLabBandTexts, the band table and footnote
// lines of a laboratory report page: the frequency and the rated values
// of each band (on the improvement pages the reference-floor levels or
// the octave-band improvement beside it), the marks of the bands whose
// background or flanking correction reached its limit, the notes of the
// impact-plus-airborne method, and the three footnote lines, which are
// always written anew so no note outlives the data that caused it.

#include "ReportFields.h"

#include "calc/Calc.h"
#include "model/ReportInfo.h"

#include <vector>

// What the band table shows besides the calculation.
struct CReportLabSources {
    const CCalc* pCalc = nullptr;
    NSpectrum withoutCovering;   // first record of the bare reference floor (table 131)
    NSpectrum withCovering;      // first record with the covering (table 130)
    bool bShowBgnCorrection = false;
    bool bShowFootnoteIndex = false;
    bool bFlankingActive = false;
    bool bCorrectionZezur = false;
    CString sTooHigh;
    char cDecimal = '.';
};

class CReportLabBandTexts {
public:
    // The improvement pages' columns: second value, note index.
    static constexpr int kImprovementCol = 16, kImprovementNoteCol = 21;
    // The lightweight floor's columns: the two reference-floor levels, the
    // improvement and the note index right of its join.
    static constexpr int kBareCol = 8, kCoveredCol = 14, kLightImprovementCol = 19, kLightNoteCol = 23;

    // Keeps references: all three must outlive the texts.
    CReportLabBandTexts(const CReportInfo& info, const CReportFields& fields, const CReportLabSources& sources);

    std::vector<CCellText> Texts() const;

private:
    struct CNotes;

    void PlainRow(int nRow, int nBand, CNotes& notes, std::vector<CCellText>& texts) const;
    void PlainMarks(int nBand, bool bPresent, CNotes& notes, CString& sMark, CString& sIndex) const;
    void ImpactAirborneMarks(int nBand, bool bPresent, CNotes& notes, CString& sMark, CString& sIndex) const;
    void ImprovementRow(int nRow, int nBand, CNotes& notes, std::vector<CCellText>& texts) const;
    CString ImprovementIndex(int nBand, CNotes& notes) const;
    CString Rated(const NSpectrum& spec, int nBand) const;
    bool AtLimit(int nSpectrum, int nBand) const;
    bool IsRated() const;
    CString Footnote(int nNote, const CString& sText, bool bIndexed) const;

    const CReportInfo& m_info;
    const CReportFields& m_fields;
    const CReportLabSources& m_sources;
};
