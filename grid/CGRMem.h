#pragma once
// Classes in this file: CGRMem, the in-memory data source every sheet keeps
// its cells in. Rows and cells exist only as far as cells were written;
// heading cells live at negative rows and columns like any other.

#include "CGRDataSource.h"

#include <deque>
#include <memory>
#include <string>

class CGRMem : public CGRDataSource {
public:
    ~CGRMem() override;

// Storage
    int GetLastRow() override;
    int InsertRow(int nRow) override;
    int AppendCol() override;
    int InsertCol(int nCol) override;
    int DeleteRow(int nRow) override;
    int DeleteCol(int nCol) override;
    int DeleteCell(int nCol, int nRow) override;
    int Empty() override;
    int GetCell(int nCol, int nRow, CGRCell* pCell) override;
    int SetCell(int nCol, int nRow, CGRCell* pCell) override;
    int FindFirst(LPCTSTR lpszText, int* pnCol, int* pnRow, long lFlags) override;
    int FindNext(LPCTSTR lpszText, int* pnCol, int* pnRow, long lFlags) override;
    int SortBy(int* pnCols, int nCount, int nFlags) override;
    int SortByCol(int nCol, int nFlags) override;
    int GetPrevNonBlankCol(int* pnCol, int nRow) override;

    // Find flags
    static constexpr long kFindPartial = 1;
    static constexpr long kFindIgnoreCase = 2;
    static constexpr long kFindBackwards = 4;
    static constexpr long kFindAcrossColumns = 8;

private:
    struct CellDeleter {
        void operator()(CGRCell* pCell) const;
    };
    using StoredCell = std::unique_ptr<CGRCell, CellDeleter>;
    struct Row {
        int nFirstCol = 0;
        std::deque<StoredCell> cells;
    };

    Row* FindRow(int nRow);
    CGRCell* FindCell(int nCol, int nRow);
    Row& MakeRow(int nRow);
    StoredCell& MakeSlot(Row& row, int nCol);
    int LastStoredCol() const;
    int ShiftColumns(int nCol, int nDelta);
    void AdjustCtrlColumns(int nFromCol, int nDelta);
    bool CellMatches(int nCol, int nRow, const std::string& sFind, long lFlags);
    void StepFindPosition(int& nCol, int& nRow, long lFlags, int& nRowSteps) const;
    int CompareRows(CGRCell* const* ppKeysA, CGRCell* const* ppKeysB, int nCount, int nFlags);

    std::deque<Row> m_rows;
    int m_nFirstRow = 0;
    int m_nFindCol = 0;
    int m_nFindRow = 0;
};
