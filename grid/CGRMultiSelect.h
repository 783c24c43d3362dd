#pragma once
// Classes in this file: CGRMultiSelect, the selected cells of one sheet as a
// list of rectangular blocks. It follows the current cell as it moves,
// answers whether a cell is selected for painting and enumerates the
// selection for copying. Every sheet owns one.

#include "afx.h"

#include <vector>

class CGRCtrlCore;
class CGRGridInfo;

class CGRMultiSelect {
public:
    CGRMultiSelect(CGRCtrlCore* pCtrl, CGRGridInfo* pInfo);
    virtual ~CGRMultiSelect();

    // Modes: off, cells, whole rows; kFirstBlockDecides lets the first
    // block holding a cell answer for it instead of the last.
    static constexpr int kModeOff = 0;
    static constexpr int kModeCells = 1;
    static constexpr int kModeRows = 2;
    static constexpr int kFirstBlockDecides = 0x10000;
    // The mouse key flags of the key-state word.
    static constexpr UINT kKeyShift = 4;
    static constexpr UINT kKeyControl = 8;

// Blocks
    virtual int ClearAll();
    virtual int StartBlock(int nCol, int nRow);
    virtual int EndBlock(int nCol, int nRow);

// Following the current cell
    virtual void OnClick(int nCol, int nRow, UINT nFlags);
    virtual int OnRClick(int nCol, int nRow, UINT nFlags);
    virtual void OnKeyMove(int nCol, int nRow);
    virtual void OnDragMove(int nCol, int nRow, UINT nFlags);
    virtual int ToggleCell(int nCol, int nRow);

// Queries
    virtual int GetCurrentCell(int* pnCol, int* pnRow);
    virtual int GetCurrentBlock(int* pnLeft, int* pnTop, int* pnRight, int* pnBottom);
    virtual int GetTotalRange(int* pnLeft, int* pnTop, int* pnRight, int* pnBottom);
    virtual int GetNumberBlocks();
    virtual int IsSelected(int nCol, int nRow, int* pnBlock);
    virtual int IsColSelected(int nCol);
    virtual int IsRowSelected(int nRow);
    virtual int SelectMode(int nMode);
    virtual int GetSelectMode();

// Enumeration
    virtual int EnumFirstSelected(int* pnCol, int* pnRow);
    virtual int EnumNextSelected(int* pnCol, int* pnRow);
    virtual int EnumFirstBlock(int* pnLeft, int* pnTop, int* pnRight, int* pnBottom);
    virtual int EnumNextBlock(int* pnLeft, int* pnTop, int* pnRight, int* pnBottom);

    void SetGridInfo(CGRGridInfo* pInfo);

private:
    struct Block {
        int nAnchorCol, nMovingCol, nAnchorRow, nMovingRow;
        int nLeft, nRight, nTop, nBottom;
        int nSelected;
        bool Contains(int nCol, int nRow) const;
    };

    bool IsRowMode() const;
    void Normalise(Block& block) const;
    void NotifyChanged(const Block& block);
    void RedrawChangedStripes(const Block& before, const Block& after);
    void RedrawSelection();
    void ReplaceSelection(int nCol, int nRow);
    bool IsLastCell(int nCol, int nRow) const;
    const Block* DecidingBlock(int nCol, int nRow, int* pnIndex) const;

    CGRCtrlCore* m_pCtrl;
    CGRGridInfo* m_pInfo;
    std::vector<Block> m_blocks;
    int m_bBlocksExist = 0;
    int m_nMode = kModeOff;
    int m_bNewBlock = 0;
    int m_nEnumLeft = 0, m_nEnumTop = 0, m_nEnumRight = -1, m_nEnumBottom = -1;
    int m_nEnumCol = 0, m_nEnumRow = 0;
    int m_bEnumerating = 0;
    size_t m_nEnumBlock = 0;
    int m_nLastCol = -1, m_nLastRow = -1;
    int m_nAnchorCol = -1, m_nAnchorRow = -1;
};
