#pragma once
// Classes in this file: CReportBandColumn, the band table of a report page
// with one value per band (absorption coefficients, loss factors): each
// row's nominal frequency and the band's value with the page's decimals.
// A result without its single number shows no band values at all.

#include "results/ResultLayout.h"

#include <vector>

class NSpectrum;

// A row of the band table and the band it shows.
struct CBandRow {
    int nRow;
    int nBand;
};

class CReportBandColumn {
public:
    CReportBandColumn(int nFreqCol, int nValueCol, int nDecimals, char cDecimal);

    std::vector<CCellText> Texts(const std::vector<CBandRow>& aRows, const NSpectrum& values, double dRating) const;

    // Consecutive one-third-octave bands from nFirstBand in rows nFirstRow to nLastRow.
    static std::vector<CBandRow> ThirdOctaveRows(int nFirstRow, int nLastRow, int nFirstBand);
    // nCount octave bands (every third band) from nFirstBand, one per row.
    static std::vector<CBandRow> OctaveRows(int nFirstRow, int nCount, int nFirstBand);
    // The column head of a quantity written with a Greek symbol.
    static CString SymbolValueHead(const CReportInfo& info);

private:
    int m_nFreqCol;
    int m_nValueCol;
    int m_nDecimals;
    char m_cDecimal;
};
