#include "CSplitterWnd.h"

#include "AfxWindowMessages.h"
#include "CCreateContext.h"

#include <algorithm>
#include <cassert>

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
    ON_WM_SIZE()
END_MESSAGE_MAP()

// --- creation -----------------------------------------------------------------------

// The bars are the splitter's own background between the panes.
BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
    assert(pParentWnd != nullptr && m_hWnd == nullptr);
    assert(nRows >= 1 && nRows <= nMaxPanes && nCols >= 1 && nCols <= nMaxPanes);
    m_rowInfo.assign(static_cast<size_t>(nRows), CRowColInfo());
    m_colInfo.assign(static_cast<size_t>(nCols), CRowColInfo());
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return Create(lpszClass, nullptr, dwStyle | WS_CHILD | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), pParentWnd, nID);
}

// The view is made from its run-time class for the context's document and
// deletes itself with its window.
BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext)
{
    assert(row >= 0 && row < GetRowCount() && col >= 0 && col < GetColumnCount());
    assert(GetPane(row, col) == nullptr);
    CCreateContext context;
    if (pContext != nullptr)
        context = *pContext;
    context.m_pNewViewClass = pViewClass;
    CObject* pObject = pViewClass->CreateObject();
    if (pObject == nullptr)
        return FALSE;
    auto* pView = static_cast<CWnd*>(pObject);
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, IdFromRowCol(row, col),
                       &context))
        return FALSE;
    m_rowInfo[static_cast<size_t>(row)].nIdealSize = std::max(0, static_cast<int>(sizeInit.cy));
    m_colInfo[static_cast<size_t>(col)].nIdealSize = std::max(0, static_cast<int>(sizeInit.cx));
    return TRUE;
}

// --- rows and columns ----------------------------------------------------------------

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const
{
    GetInfo(m_rowInfo, row, cyCur, cyMin);
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const
{
    GetInfo(m_colInfo, col, cxCur, cxMin);
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin)
{
    SetInfo(m_rowInfo, row, cyIdeal, cyMin);
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin)
{
    SetInfo(m_colInfo, col, cxIdeal, cxMin);
}

void CSplitterWnd::GetInfo(const std::vector<CRowColInfo>& infos, int index, int& nCur, int& nMin)
{
    assert(index >= 0 && index < static_cast<int>(infos.size()));
    nCur = infos[static_cast<size_t>(index)].nCurSize;
    nMin = infos[static_cast<size_t>(index)].nMinSize;
}

// Sizes may come from a stored layout, made for another splitter or damaged.
void CSplitterWnd::SetInfo(std::vector<CRowColInfo>& infos, int index, int nIdeal, int nMin)
{
    if (index < 0 || index >= static_cast<int>(infos.size()))
        return;
    infos[static_cast<size_t>(index)].nIdealSize = std::max(0, nIdeal);
    infos[static_cast<size_t>(index)].nMinSize = std::max(0, nMin);
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    return GetDlgItem(IdFromRowCol(row, col));
}

int CSplitterWnd::IdFromRowCol(int row, int col) const
{
    assert(row >= 0 && row < GetRowCount() && col >= 0 && col < GetColumnCount());
    return AFX_IDW_PANE_FIRST + row * nMaxPanes + col;
}

// --- layout ----------------------------------------------------------------------------

// Each row and column but the last takes its ideal size from what is left;
// one that would be smaller than its minimum shows nothing (0) rather than a
// pane too small to use. The last takes the rest.
void CSplitterWnd::LayoutAxis(std::vector<CRowColInfo>& infos, int nSpace)
{
    int nLeft = std::max(0, nSpace - nBarWidth * (static_cast<int>(infos.size()) - 1));
    for (size_t i = 0; i + 1 < infos.size(); ++i) {
        int nSize = std::min(infos[i].nIdealSize, nLeft);
        if (nSize < infos[i].nMinSize)
            nSize = 0;
        infos[i].nCurSize = nSize;
        nLeft -= nSize;
    }
    infos.back().nCurSize = nLeft;
}

void CSplitterWnd::RecalcLayout()
{
    if (m_hWnd == nullptr || m_rowInfo.empty())
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    LayoutAxis(m_rowInfo, rectClient.Height());
    LayoutAxis(m_colInfo, rectClient.Width());
    int y = 0;
    for (int row = 0; row < GetRowCount(); ++row) {
        const int cy = m_rowInfo[static_cast<size_t>(row)].nCurSize;
        int x = 0;
        for (int col = 0; col < GetColumnCount(); ++col) {
            const int cx = m_colInfo[static_cast<size_t>(col)].nCurSize;
            if (CWnd* pPane = GetPane(row, col))
                pPane->MoveWindow(x, y, cx, cy);
            x += cx + nBarWidth;
        }
        y += cy + nBarWidth;
    }
    Invalidate();
}

void CSplitterWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}
