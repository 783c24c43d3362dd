#pragma once
// Classes in this file: CTablePrintRanges, the column ranges in which a
// measurement table prints, one landscape page each: as many measurement
// groups as fit beside the first page's frequency and average columns, then
// more on the later pages; fewer when the correction, number-of-averages or
// status columns show.

#include <vector>

class CTablePrintRanges {
public:
    struct CRange {
        int nStartCol;
        int nEndCol;
    };

    CTablePrintRanges(bool bReverberation, bool bCorrection, bool bAverages, bool bStatus);

    // The ranges over columns 0 to nLastCol.
    std::vector<CRange> Ranges(int nLastCol) const;
    // Columns after the start column of a page.
    int Span(bool bFirstPage) const;

private:
    bool m_bReverberation;
    bool m_bCorrection;
    int m_nExtraColumns;  // how many of averages and status show
};
