#pragma once
// Classes in this file: CResultLayout, where the fields of a result table
// page stand, as (row, column) pairs counted from the page's first row: the
// head, the single-number block, the band table with its column groups (the
// airborne layout has a source-level group that the impact layout lacks),
// the room fields, the remarks and the chart. Everything that writes a
// field finds it here, so a page that moves a field moves all its uses.

#include "model/ReportInfo.h"

struct CFieldPos {
    int nRow = -1;
    int nCol = -1;
};

// A text for the cell at (nCol, nRow).
struct CCellText {
    int nCol;
    int nRow;
    CString sText;
};

// A label, its value and its unit on one row.
struct CLabeledField {
    CFieldPos label;
    CFieldPos value;
    CFieldPos unit;
};

class CResultLayout {
public:
    static constexpr int kColumns = 71;
    static constexpr int kPageRows = 58;
    static constexpr int kTotalRows = 122;
    static constexpr int kBandRows = 21;
    static constexpr int kFirstBand = 17;

    CResultLayout() = default;
    CResultLayout(const CReportInfo& info, int nFirstRow);

    static bool IsImpactLayout(const CReportInfo& info);

    int m_nFirstRow = 0;
    bool m_bImpactLayout = false;

    CFieldPos m_title, m_subtitle, m_resultLine, m_singleNumber, m_note;
    CFieldPos m_adaptation[6];  // (30,6), (43,6), (56,6), (30,7), (43,7), (56,7)
    CFieldPos m_deviationSum, m_maxDeviation, m_usageNote;
    int m_nHeadingRow = 0;   // quantity headings; units one row below
    int m_nFirstBandRow = 0;
    int m_nFreqCol = 2;
    int m_nValueCol = 9;
    int m_nMarkCol = 14;
    // Column groups; -1 where the layout has none (L1 in the impact layout).
    int m_nL1Col = -1, m_nL2Col = 0, m_nTCol = 0, m_nCorrCol = 0, m_nDevCol = 0, m_nNoteCol = 0;
    CFieldPos m_footnote;
    CLabeledField m_receivingVolume, m_sourceVolume, m_area, m_extra, m_usage;
    CLabeledField m_astmTemperature, m_astmHumidity;
    CFieldPos m_remarks, m_reportNo, m_footer;
    CFieldPos m_chartTitle, m_chart;

    int BandRow(int nBand) const { return m_nFirstBandRow + nBand - kFirstBand; }
    // The column-group starts of the band table, left to right.
    int GroupCount() const;
    int GroupCol(int nGroup) const;
};
