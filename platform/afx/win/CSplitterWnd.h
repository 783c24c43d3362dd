#pragma once
// Classes in this file: CSplitterWnd with static panes: a window that holds
// a fixed grid of views (at most 16 rows and 16 columns), each row and
// column with an ideal and a minimum size, and bars between them. The last
// row and the last column take whatever the others leave.

#include "CWnd.h"
#include "res/resource.h"

#include <vector>

struct CCreateContext;

class CSplitterWnd : public CWnd {
    DECLARE_DYNAMIC(CSplitterWnd)
public:
    CSplitterWnd() = default;

    static constexpr int nMaxPanes = 16;   // rows, and columns
    static constexpr int nBarWidth = 7;    // the bar between two panes, pixels

// Creation
    BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                      UINT nID = AFX_IDW_PANE_FIRST);
    // The pane's view; sizeInit gives its row's and column's ideal size.
    virtual BOOL CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                            CCreateContext* pContext);

// Attributes
    int GetRowCount() const { return static_cast<int>(m_rowInfo.size()); }
    int GetColumnCount() const { return static_cast<int>(m_colInfo.size()); }
    // The present height and the minimum of a row (the width of a column).
    void GetRowInfo(int row, int& cyCur, int& cyMin) const;
    void GetColumnInfo(int col, int& cxCur, int& cxMin) const;
    // Take effect at the next RecalcLayout; an index the splitter lacks is
    // ignored, a negative size counts as 0.
    void SetRowInfo(int row, int cyIdeal, int cyMin);
    void SetColumnInfo(int col, int cxIdeal, int cxMin);
    CWnd* GetPane(int row, int col) const;
    int IdFromRowCol(int row, int col) const;

// Operations
    virtual void RecalcLayout();

protected:
    struct CRowColInfo {
        int nMinSize = 0;
        int nIdealSize = 0;
        int nCurSize = 0;
    };

    afx_msg void OnSize(UINT nType, int cx, int cy);

    std::vector<CRowColInfo> m_rowInfo;
    std::vector<CRowColInfo> m_colInfo;

    DECLARE_MESSAGE_MAP()

private:
    static void LayoutAxis(std::vector<CRowColInfo>& infos, int nSpace);
    static void SetInfo(std::vector<CRowColInfo>& infos, int index, int nIdeal, int nMin);
    static void GetInfo(const std::vector<CRowColInfo>& infos, int index, int& nCur, int& nMin);
};
