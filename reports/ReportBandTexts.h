#pragma once
// Classes in this file: CReportBandTexts, the band table of a test report
// page: each row's frequency and rated value, the mark of a band whose
// background-noise or corner correction reached its limit, the mark's
// footnote index, and the two footnote lines below the table. A missing
// rating leaves every value empty.

#include "ReportFields.h"

#include "calc/Calc.h"

#include <vector>

// What the band table is made from besides the project's kind.
struct CReportBandSources {
    const CCalc* pCalc = nullptr;
    bool bTenth = false;           // the application's 1/10 dB setting
    bool bShowBgnCorrection = false;
    bool bShowFootnoteIndex = true;
    CString sTooHigh;              // the footnote of a band at its limit
    CString sCorner;               // the word naming the corner correction
    char cDecimal = '.';
};

class CReportBandTexts {
public:
    static constexpr BYTE kStatusAtLimit = 2;

    // Keeps references: all three must outlive the texts.
    CReportBandTexts(const CReportInfo& info, const CReportFields& fields, const CReportBandSources& sources);

    // Every band row, then the two footnote lines.
    std::vector<CCellText> Texts() const;

private:
    struct CFootnotes {
        bool bBackground = false;
        bool bCorner = false;
    };
    void AddRow(std::vector<CCellText>& texts, int nRow, CFootnotes& used) const;
    CString ValueText(int nBand) const;
    CFootnotes FootnotesOf(int nBand) const;
    CString MarkText() const;
    CString NoteIndex(const CFootnotes& notes, int nBand) const;
    CString FootnoteLine(int nNote, bool bUsed) const;
    bool AtLimit(int nSpectrum, int nBand) const;

    const CReportInfo& m_info;
    const CReportFields& m_fields;
    const CReportBandSources& m_sources;
};
