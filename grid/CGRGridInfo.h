#pragma once
// Classes in this file: CGRGridInfo, the state of one sheet of a grid: its
// columns and rows, the current cell and the view, headings, component
// rectangles and options. The control and every child window share it.

#include "afx.h"

#include "CGRCell.h"

#include <memory>
#include <vector>

class CFont;
class CGRDataSource;
class CGRMem;
class CGRMultiSelect;

class CGRGridInfo : public CObject {
public:
    CGRGridInfo();
    ~CGRGridInfo() override;
    CGRGridInfo(const CGRGridInfo&) = delete;
    CGRGridInfo& operator=(const CGRGridInfo&) = delete;

    struct ColumnRecord {
        int nWidth = 0;
        CGRDataSource* pDataSource = nullptr;  // null: the sheet's default
        std::unique_ptr<CGRCell> pDefaultCell;
        int nDataSourceCol = 0;
    };

    enum Component {
        kCellArea, kTopHeading, kSideHeading, kCornerButton, kSheetTabs, kVScrollBar, kHScrollBar,
        kComponentCount
    };

    static constexpr int kMaxHeadingSize = 1024;
    static constexpr int kClassicScrollBarSize = 17;
    // Heading option: a double click on a column's edge fits the column.
    static constexpr int kBestFitOnDoubleClick = 0;

// Columns
    int m_nNumberCols = 0;
    int m_nCurrentCol = -1;
    int m_nLastCurrentCol = -1;
    int m_nLeftCol = 0;
    int m_nLastLeftCol = 0;
    int m_nMaxLeftCol = 0;
    int m_nDefColWidth = 75;
    int m_nRightCol = 0;
    int m_nTargetCol = -1;
    std::vector<int> m_savedColWidths;
    std::vector<ColumnRecord> m_columns;

// Rows
    int m_nNumberRows = 0;
    int m_nCurrentRow = -1;
    int m_nLastCurrentRow = -1;
    int m_nTopRow = 0;
    int m_nLastTopRow = 0;
    int m_nMaxTopRow = 0;
    std::vector<int> m_rowHeights;  // empty while heights are uniform
    int m_nDefRowHeight = 20;
    int m_nUniformRowHeight = 0;
    int m_nBottomRow = 0;
    int m_nTargetRow = -1;
    std::vector<int> m_savedRowHeights;

// Headings: row -1 and column -1 lie next to the cells
    int m_nNumberTopHdgRows = 1;
    std::vector<int> m_topHdgHeights;
    int m_nNumberSideHdgCols = 1;
    std::vector<int> m_sideHdgWidths;
    CGRCell m_gridDefault;
    CGRCell m_headingDefault;
    int m_nTopHdgHeight = 20;
    int m_nSideHdgWidth = 40;

// Components
    int m_nVScrollWidth = kClassicScrollBarSize;
    int m_nHScrollHeight = kClassicScrollBarSize;
    int m_nTabWidth = 0;
    int m_nHeadingOptions[2] = {1, 1};
    int m_nAreaWidth = 0;
    int m_nAreaHeight = 0;
    CRect m_componentRects[kComponentCount];

// Options
    int m_nWholeRowSelect = 0;
    int m_nMultiSelectMode = 0;
    int m_nDrawingOptions[3] = {1, 1, 1};
    int m_bUpdateEnabled = 0;
    int m_nMenuEnabled = 0;
    int m_nVScrollHints = 0;
    int m_nHScrollHints = 0;
    int m_nUserSizingMode = 1;
    int m_nJoinsInUse = 1;
    int m_nCellOverlap = 1;
    int m_nDefaultBorders = 1;
    int m_nVScrollMode = 0;
    int m_nHThumbTrack = 0;
    int m_nCellTips = 0;
    int m_nLockedCols = 0;
    int m_nLockedRows = 0;
    int m_nLockedColsWidth = 0;
    int m_nLockedRowsHeight = 0;
    CFont* m_pDefFont = nullptr;
    int m_nMoveReason = 0;   // 0 keyboard, 1 left button, 2 right button, 3 drag, 4 scroll
    int m_nKeyState = 0;
    int m_nTextMargin = 4;
    int m_nTrackingOption = 0;
    int m_nEndEditOnFocusLoss = 0;

// Cell storage
    CGRDataSource* m_pDefDataSource = nullptr;
    std::unique_ptr<CGRMem> m_pMem;

// Selection
    std::unique_ptr<CGRMultiSelect> m_pMultiSelect;

// Sizes
    int GetColWidth(int nCol) const;      // 0 outside the columns
    int GetRowHeight(int nRow) const;     // 0 outside the rows
    int GetTopHdgRowHeight(int nRow) const;   // rows -1 to -n; 0 outside
    int GetSideHdgColWidth(int nCol) const;   // columns -1 to -n; 0 outside
    int SumColWidths(int nFirst, int nLast) const;  // inclusive; 0 when empty
    int SumRowHeights(int nFirst, int nLast) const;
};
