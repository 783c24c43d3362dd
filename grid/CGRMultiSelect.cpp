#include "CGRMultiSelect.h"

#include "CGRCtrlCore.h"
#include "CGRGridInfo.h"

#include <algorithm>

CGRMultiSelect::CGRMultiSelect(CGRCtrlCore* pCtrl, CGRGridInfo* pInfo) : m_pCtrl(pCtrl), m_pInfo(pInfo)
{
}

CGRMultiSelect::~CGRMultiSelect() = default;

void CGRMultiSelect::SetGridInfo(CGRGridInfo* pInfo)
{
    m_pInfo = pInfo;
}

bool CGRMultiSelect::Block::Contains(int nCol, int nRow) const
{
    return nCol >= nLeft && nCol <= nRight && nRow >= nTop && nRow <= nBottom;
}

bool CGRMultiSelect::IsRowMode() const
{
    return (m_nMode & 0xFFFF) == kModeRows;
}

// A block in whole-row mode spans from column 0 to the number of columns.
void CGRMultiSelect::Normalise(Block& block) const
{
    block.nLeft = std::min(block.nAnchorCol, block.nMovingCol);
    block.nRight = std::max(block.nAnchorCol, block.nMovingCol);
    block.nTop = std::min(block.nAnchorRow, block.nMovingRow);
    block.nBottom = std::max(block.nAnchorRow, block.nMovingRow);
    if (IsRowMode()) {
        block.nLeft = 0;
        block.nRight = m_pInfo->m_nNumberCols;
    }
}

void CGRMultiSelect::NotifyChanged(const Block& block)
{
    m_pCtrl->OnSelectionChanged(block.nLeft, block.nTop, block.nRight, block.nBottom,
                                static_cast<int>(m_blocks.size()));
}

int CGRMultiSelect::ClearAll()
{
    m_blocks.clear();
    m_bBlocksExist = 0;
    m_bNewBlock = 0;
    m_nLastCol = m_nLastRow = -1;
    m_bEnumerating = 0;
    return 0;
}

int CGRMultiSelect::StartBlock(int nCol, int nRow)
{
    m_nAnchorCol = nCol;
    m_nAnchorRow = nRow;
    Block block = {nCol, nCol, nRow, nRow, 0, 0, 0, 0, 1};
    Normalise(block);
    m_blocks.push_back(block);
    m_bBlocksExist = 1;
    m_bNewBlock = 1;
    NotifyChanged(block);
    return 0;
}

// The block in progress stretches from its anchor to (col, row); the cells
// that came in or went out are drawn again.
int CGRMultiSelect::EndBlock(int nCol, int nRow)
{
    if (m_blocks.empty())
        return 1;
    Block& block = m_blocks.back();
    Block before = block;
    block.nMovingCol = nCol;
    block.nMovingRow = nRow;
    Normalise(block);
    m_bNewBlock = 0;
    NotifyChanged(block);
    RedrawChangedStripes(before, block);
    return 0;
}

void CGRMultiSelect::RedrawChangedStripes(const Block& before, const Block& after)
{
    int nLeft = std::min(before.nLeft, after.nLeft), nRight = std::max(before.nRight, after.nRight);
    int nTop = std::min(before.nTop, after.nTop), nBottom = std::max(before.nBottom, after.nBottom);
    for (int nRow = nTop; nRow <= nBottom; ++nRow)
        for (int nCol = nLeft; nCol <= nRight; ++nCol)
            if (before.Contains(nCol, nRow) != after.Contains(nCol, nRow))
                m_pCtrl->AddToRedrawList(nCol, nRow);
}

// The cells of every block go to the next drawing pass, which then draws
// them unselected once the blocks are gone.
void CGRMultiSelect::RedrawSelection()
{
    for (const Block& block : m_blocks)
        for (int nRow = block.nTop; nRow <= block.nBottom; ++nRow)
            for (int nCol = block.nLeft; nCol <= block.nRight; ++nCol)
                m_pCtrl->AddToRedrawList(nCol, nRow);
}

void CGRMultiSelect::ReplaceSelection(int nCol, int nRow)
{
    RedrawSelection();
    ClearAll();
    StartBlock(nCol, nRow);
}

bool CGRMultiSelect::IsLastCell(int nCol, int nRow) const
{
    return nCol == m_nLastCol && nRow == m_nLastRow;
}

// Ctrl adds a block, Shift stretches the block in progress, a plain click
// starts over.
void CGRMultiSelect::OnClick(int nCol, int nRow, UINT nFlags)
{
    m_nLastCol = nCol;
    m_nLastRow = nRow;
    if (nFlags & kKeyControl)
        StartBlock(nCol, nRow);
    else if (nFlags & kKeyShift)
        EndBlock(nCol, nRow);
    else
        ReplaceSelection(nCol, nRow);
    m_nLastCol = nCol;
    m_nLastRow = nRow;
}

// A right click inside the selection keeps it (for a menu on it).
int CGRMultiSelect::OnRClick(int nCol, int nRow, UINT)
{
    int nSelected = IsSelected(nCol, nRow, nullptr);
    if (!nSelected) {
        ReplaceSelection(nCol, nRow);
        m_nLastCol = nCol;
        m_nLastRow = nRow;
    }
    return nSelected;
}

// The keys held come from the sheet's key-state word.
void CGRMultiSelect::OnKeyMove(int nCol, int nRow)
{
    if (IsLastCell(nCol, nRow))
        return;
    UINT nKeys = static_cast<UINT>(m_pInfo->m_nKeyState);
    if (nKeys & kKeyShift)
        EndBlock(nCol, nRow);
    else if (nKeys & kKeyControl)
        StartBlock(nCol, nRow);
    else
        ReplaceSelection(nCol, nRow);
    m_nLastCol = nCol;
    m_nLastRow = nRow;
}

void CGRMultiSelect::OnDragMove(int nCol, int nRow, UINT)
{
    if (IsLastCell(nCol, nRow))
        return;
    EndBlock(nCol, nRow);
    m_nLastCol = nCol;
    m_nLastRow = nRow;
}

// A one-cell block right on the cell flips; otherwise a new one-cell block
// takes the opposite of the cell's state.
int CGRMultiSelect::ToggleCell(int nCol, int nRow)
{
    for (auto it = m_blocks.rbegin(); it != m_blocks.rend(); ++it)
        if (it->nLeft == nCol && it->nRight == nCol && it->nTop == nRow && it->nBottom == nRow) {
            it->nSelected = !it->nSelected;
            m_pCtrl->AddToRedrawList(nCol, nRow);
            return 0;
        }
    int nWasSelected = IsSelected(nCol, nRow, nullptr);
    StartBlock(nCol, nRow);
    m_blocks.back().nSelected = nWasSelected ? 0 : 1;
    m_pCtrl->AddToRedrawList(nCol, nRow);
    return 0;
}

int CGRMultiSelect::GetCurrentCell(int* pnCol, int* pnRow)
{
    if (!m_bBlocksExist)
        return 1;
    *pnCol = m_nAnchorCol;
    *pnRow = m_nAnchorRow;
    return 0;
}

int CGRMultiSelect::GetCurrentBlock(int* pnLeft, int* pnTop, int* pnRight, int* pnBottom)
{
    if (m_blocks.empty())
        return 1;
    const Block& block = m_blocks.back();
    *pnLeft = block.nLeft;
    *pnTop = block.nTop;
    *pnRight = block.nRight;
    *pnBottom = block.nBottom;
    return 0;
}

int CGRMultiSelect::GetTotalRange(int* pnLeft, int* pnTop, int* pnRight, int* pnBottom)
{
    if (m_blocks.empty())
        return 1;
    Block total = m_blocks.front();
    for (const Block& block : m_blocks) {
        total.nLeft = std::min(total.nLeft, block.nLeft);
        total.nTop = std::min(total.nTop, block.nTop);
        total.nRight = std::max(total.nRight, block.nRight);
        total.nBottom = std::max(total.nBottom, block.nBottom);
    }
    *pnLeft = total.nLeft;
    *pnTop = total.nTop;
    *pnRight = total.nRight;
    *pnBottom = total.nBottom;
    return 0;
}

int CGRMultiSelect::GetNumberBlocks()
{
    return static_cast<int>(m_blocks.size());
}

// The last block holding the cell decides (the first with
// kFirstBlockDecides), so a cell toggled off after its block was made
// reads unselected.
const CGRMultiSelect::Block* CGRMultiSelect::DecidingBlock(int nCol, int nRow, int* pnIndex) const
{
    const Block* pFound = nullptr;
    for (size_t i = 0; i < m_blocks.size(); ++i) {
        if (!m_blocks[i].Contains(nCol, nRow))
            continue;
        pFound = &m_blocks[i];
        if (pnIndex)
            *pnIndex = static_cast<int>(i);
        if (m_nMode & kFirstBlockDecides)
            break;
    }
    return pFound;
}

int CGRMultiSelect::IsSelected(int nCol, int nRow, int* pnBlock)
{
    const Block* pBlock = DecidingBlock(nCol, nRow, pnBlock);
    return pBlock ? pBlock->nSelected : 0;
}

int CGRMultiSelect::IsColSelected(int nCol)
{
    for (const Block& block : m_blocks)
        if (block.nSelected && (IsRowMode() || (nCol >= block.nLeft && nCol <= block.nRight)))
            return 1;
    return 0;
}

int CGRMultiSelect::IsRowSelected(int nRow)
{
    for (const Block& block : m_blocks)
        if (block.nSelected && nRow >= block.nTop && nRow <= block.nBottom)
            return 1;
    return 0;
}

int CGRMultiSelect::SelectMode(int nMode)
{
    ClearAll();
    m_nMode = nMode;
    return 0;
}

int CGRMultiSelect::GetSelectMode()
{
    return m_nMode;
}

// Without blocks the control's current cell is the selection; otherwise the
// box holding every block and the current cell is walked row by row.
int CGRMultiSelect::EnumFirstSelected(int* pnCol, int* pnRow)
{
    int nCurrentCol = m_pCtrl->GetCurrentCol(), nCurrentRow = m_pCtrl->GetCurrentRow();
    if (m_blocks.empty()) {
        *pnCol = nCurrentCol;
        *pnRow = nCurrentRow;
        m_bEnumerating = 0;
        return 0;
    }
    GetTotalRange(&m_nEnumLeft, &m_nEnumTop, &m_nEnumRight, &m_nEnumBottom);
    m_nEnumLeft = std::min(m_nEnumLeft, nCurrentCol);
    m_nEnumTop = std::min(m_nEnumTop, nCurrentRow);
    m_nEnumRight = std::max(m_nEnumRight, nCurrentCol);
    m_nEnumBottom = std::max(m_nEnumBottom, nCurrentRow);
    m_nEnumCol = m_nEnumLeft;
    m_nEnumRow = m_nEnumTop;
    m_bEnumerating = 1;
    EnumNextSelected(pnCol, pnRow);
    return 0;
}

int CGRMultiSelect::EnumNextSelected(int* pnCol, int* pnRow)
{
    if (!m_bEnumerating)
        return 1;
    while (m_nEnumRow <= m_nEnumBottom) {
        int nCol = m_nEnumCol, nRow = m_nEnumRow;
        if (IsRowMode() || ++m_nEnumCol > m_nEnumRight) {
            m_nEnumCol = m_nEnumLeft;
            ++m_nEnumRow;
        }
        bool bSelected = IsRowMode() ? IsRowSelected(nRow) != 0 : IsSelected(nCol, nRow, nullptr) != 0;
        if (bSelected) {
            *pnCol = IsRowMode() ? m_nEnumLeft : nCol;
            *pnRow = nRow;
            return 0;
        }
    }
    m_bEnumerating = 0;
    return 1;
}

int CGRMultiSelect::EnumFirstBlock(int* pnLeft, int* pnTop, int* pnRight, int* pnBottom)
{
    m_nEnumBlock = 0;
    return EnumNextBlock(pnLeft, pnTop, pnRight, pnBottom);
}

int CGRMultiSelect::EnumNextBlock(int* pnLeft, int* pnTop, int* pnRight, int* pnBottom)
{
    if (m_nEnumBlock >= m_blocks.size())
        return 1;
    const Block& block = m_blocks[m_nEnumBlock++];
    *pnLeft = block.nLeft;
    *pnTop = block.nTop;
    *pnRight = block.nRight;
    *pnBottom = block.nBottom;
    return 0;
}
