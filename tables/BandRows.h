#pragma once
// Classes in this file: CBandRows, the rows of a measurement table: the band
// rows 2 to 37 (row = band - 6, 6.3 Hz to 20 kHz), the "Sum A" row 38, the
// empty row 39 below the table, the legend from row 40 on, and the heights
// that show only the bands of a chosen range.

#include <map>

class CBandRows {
public:
    static constexpr int kBandOffset = 6;
    static constexpr int kFirstBandRow = 2;
    static constexpr int kSumRow = 38;
    static constexpr int kLastRow = 39;
    static constexpr int kLegendRow = 40;
    static constexpr int kRowCount = 60;
    static constexpr int kBandCount = 44;
    static constexpr int kBandHeight = 20;

    static int RowOfBand(int nBand) { return nBand - kBandOffset; }
    static int BandOfRow(int nRow) { return nRow + kBandOffset; }
    static bool IsBand(int nBand) { return nBand >= 0 && nBand < kBandCount; }
    // Tables without a "Sum A" row: the reverberation and multiplot tables.
    static bool HasSumRow(int nTableId) { return nTableId != 124 && nTableId != 126 && nTableId != 127; }

    // The row of the measurement areas in the intensity receiving-room
    // tables: the band above the range, or the empty row below the table
    // when the range ends at the last band (the "Sum A" row stays clear).
    static int AreaRowFor(int nUpperBand) { return nUpperBand < kBandCount - 1 ? RowOfBand(nUpperBand + 1) : kLastRow; }

    // The heights of rows 2 to 40 that show bands nLowBand to nHighBand;
    // false, and no heights, when a band lies outside 0..43.
    static bool HeightsFor(int nLowBand, int nHighBand, int nTableId, std::map<int, int>& heights);
};
