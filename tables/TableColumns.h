#pragma once
// Classes in this file: CTableColumns, where the measurements of one table sit
// in its grid: five columns per measurement in the level tables, three in the
// reverberation tables (124, 126), the first group at column 4. List
// position 0 is the table's summary record; measurements start at 1.

class CTableColumns {
public:
    explicit CTableColumns(int nTableId) : m_nTableId(nTableId) {}

    static bool IsReverberationTable(int nTableId) { return nTableId == 124 || nTableId == 126; }
    bool IsReverberation() const { return IsReverberationTable(m_nTableId); }
    int GetTableId() const { return m_nTableId; }

    // Columns of one measurement: 5 (level) or 3 (reverberation).
    int GroupWidth() const;
    // First column of the measurement at list position nPosition (1, 2, ...).
    int FirstColOf(int nPosition) const;
    // List position of the measurement whose group holds nCol among nMeasCount
    // groups, or 0 when nCol lies outside every group (the average columns,
    // the closing column, columns past the last group).
    int PositionOf(int nCol, int nMeasCount) const;
    // Offset of nCol inside its group: 0 the value column, 3 the correction
    // column of a level table.
    int OffsetInGroup(int nCol) const;

    static constexpr int kFirstGroupCol = 4;
    static constexpr int kCorrectionOffset = 3;

private:
    int m_nTableId;
};
