#include "TablePrintRanges.h"

#include <algorithm>

CTablePrintRanges::CTablePrintRanges(bool bReverberation, bool bCorrection, bool bAverages, bool bStatus)
    : m_bReverberation(bReverberation), m_bCorrection(bCorrection),
      m_nExtraColumns((bAverages ? 1 : 0) + (bStatus ? 1 : 0))
{
}

// A level range ends on the hidden signal-to-noise column of a group; a
// reverberation range ends on the first column of a group, which the next
// page shows again in full.
int CTablePrintRanges::Span(bool bFirstPage) const
{
    struct Spans {
        int nFirst;
        int nLater;
    };
    static const Spans kLevelWithCorrection[] = {{43, 49}, {33, 39}, {28, 29}};
    static const Spans kLevelWithoutCorrection[] = {{73, 94}, {48, 54}, {38, 39}};
    static const Spans kReverberation[] = {{46, 54}, {31, 36}, {22, 27}};
    const Spans* pTable = m_bReverberation ? kReverberation
                          : m_bCorrection  ? kLevelWithCorrection
                                           : kLevelWithoutCorrection;
    const Spans& spans = pTable[m_nExtraColumns];
    return bFirstPage ? spans.nFirst : spans.nLater;
}

std::vector<CTablePrintRanges::CRange> CTablePrintRanges::Ranges(int nLastCol) const
{
    std::vector<CRange> ranges;
    int nStartCol = 0;
    while (true) {
        const int nEndCol = std::min(nStartCol + Span(ranges.empty()), nLastCol);
        ranges.push_back({nStartCol, nEndCol});
        if (nEndCol >= nLastCol)
            return ranges;
        nStartCol = m_bReverberation ? nEndCol : nEndCol + 1;
    }
}
