#pragma once
// A window-free grid for the tests: a client size of the test's choosing,
// notifications written to a log in the order they come, and switches that
// make the program-grid notifications refuse or add rows.

#include "grid/CGRCtrlCore.h"

#include <string>
#include <vector>

class CRecordingGrid : public CGRCtrlCore {
public:
    // A sheet of nCols x nRows cells of the default sizes (75 x 20) in a
    // client area that shows the side heading (40), the top heading (20),
    // the scroll bars (17) the cells need, and exactly nVisibleCols x
    // nVisibleRows cells.
    void Build(int nCols, int nRows, int nVisibleCols, int nVisibleRows)
    {
        int nVScroll = nRows > nVisibleRows ? 17 : 0;
        int nHScroll = nCols > nVisibleCols ? 17 : 0;
        m_client = CSize(40 + nVisibleCols * 75 + nVScroll, 20 + nVisibleRows * 20 + nHScroll);
        SetColCount(nCols, 0);
        SetRowCount(nRows, 0);
        AdjustComponentSizes();
        m_log.clear();
    }

    std::string Log() const
    {
        std::string sLog;
        for (const std::string& sEntry : m_log)
            sLog += (sLog.empty() ? "" : " ") + sEntry;
        return sLog;
    }

    CSize m_client = CSize(0, 0);
    std::vector<std::string> m_log;
    bool m_bRefuseMove = false;
    bool m_bRefuseViewMove = false;
    bool m_bRefuseMenu = false;
    int m_nRowsToAddAtBottom = 0;
    int m_nShowMenuResult = 0;
    bool m_bRefuseEditStart = false;
    bool m_bRefuseEditFinish = false;
    bool m_bRefuseEditContinue = false;
    UINT m_nLastMenuCommand = 0;
    int m_nMenuCommandCol = 0, m_nMenuCommandRow = 0, m_nMenuCommandSection = 0;

protected:
    CSize GetControlClientSize() const override { return m_client; }
    int ShowPopupMenu(const CPoint&) override { return m_nShowMenuResult; }
    void ShowEditControl(CWnd*, int nCol, int nRow, const CRect&, CGRCell& cell, UINT nKey) override
    {
        LPCTSTR lpszText = cell.GetText();
        m_log.push_back("Show(" + std::to_string(nCol) + "," + std::to_string(nRow) + ","
                        + std::to_string(nKey) + ",\"" + (lpszText ? lpszText : "") + "\")");
    }
    void HideEditControl() override { m_log.push_back("Hide"); }
    int OnEditStart(int nCol, int nRow, CWnd**) override
    {
        Record("EditStart", nCol, nRow);
        return m_bRefuseEditStart ? 0 : 1;
    }
    int OnEditFinish(int nCol, int nRow, CWnd*, LPCTSTR, BOOL bCancelled) override
    {
        Record(bCancelled ? "EditCancel" : "EditFinish", nCol, nRow);
        return m_bRefuseEditFinish ? 0 : 1;
    }
    int OnEditContinue(int nCol, int nRow, int* pnNewCol, int* pnNewRow) override
    {
        Record("EditContinue", *pnNewCol, *pnNewRow);
        return m_bRefuseEditContinue ? 0 : 1;
    }

    int OnCanMove(int nOldCol, int nOldRow, int nNewCol, int nNewRow) override
    {
        Record("CanMove", nNewCol, nNewRow);
        return m_bRefuseMove ? 0 : 1;
    }
    int OnCanViewMove(int, int, int nNewLeftCol, int nNewTopRow) override
    {
        Record("CanViewMove", nNewLeftCol, nNewTopRow);
        return m_bRefuseViewMove ? 0 : 1;
    }
    void OnHitBottom(int nRows, int nRowsPast, int nRowsAdded) override
    {
        Record("HitBottom", nRows, nRowsPast);
        if (m_nRowsToAddAtBottom > 0)
            SetRowCount(nRows + m_nRowsToAddAtBottom, 0);
    }
    void OnColChange(int nOld, int nNew) override { Record("ColChange", nOld, nNew); }
    void OnRowChange(int nOld, int nNew) override { Record("RowChange", nOld, nNew); }
    void OnCellChange(int nOldCol, int nNewCol, int nOldRow, int nNewRow) override
    {
        Record("CellChange", nNewCol, nNewRow);
    }
    void OnLeftColChange(int nOld, int nNew) override { Record("LeftColChange", nOld, nNew); }
    void OnTopRowChange(int nOld, int nNew) override { Record("TopRowChange", nOld, nNew); }
    void OnColSized(int nCol, int* pnWidth) override { Record("ColSized", nCol, *pnWidth); }
    int OnMenuStart(int nCol, int nRow, int) override { return m_bRefuseMenu ? 0 : 1; }
    void OnMenuCommand(int nCol, int nRow, int nSection, UINT nItem) override
    {
        m_nMenuCommandCol = nCol;
        m_nMenuCommandRow = nRow;
        m_nMenuCommandSection = nSection;
        m_nLastMenuCommand = nItem;
    }

private:
    void Record(const char* lpszName, int nFirst, int nSecond)
    {
        m_log.push_back(std::string(lpszName) + "(" + std::to_string(nFirst) + ","
                        + std::to_string(nSecond) + ")");
    }
};
