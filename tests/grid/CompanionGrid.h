#pragma once
// A grid of 50 x 50 cells on a real window in the virtual desktop for the
// tests of the corner button, the scroll bars, the hint and the drop
// target: the notifications those windows send are written to a log.

#include "grid/CGRCtrl.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

class CCompanionGrid : public CGRCtrl {
public:
    void OnSetup() override
    {
        SetColCount(m_nCols, 0);
        SetRowCount(m_nRows, 0);
    }
    void OnViewMoved(int nSection, int nOld, int nNew) override
    {
        if (m_bLogViewMoves)
            Record("ViewMoved", {nSection, nOld, nNew});
    }
    void OnCB_LClicked(int nUpDown, CRect*, CPoint*, int nProcessed) override
    {
        Record("CB_L", {nUpDown, nProcessed});
    }
    void OnCB_RClicked(int nUpDown, CRect*, CPoint*, int nProcessed) override
    {
        Record("CB_R", {nUpDown, nProcessed});
    }
    void OnCB_DClicked(CRect*, CPoint*, int nProcessed) override { Record("CB_D", {nProcessed}); }
    int OnTopHdgSized(int* pnHeight) override
    {
        Record("TopSized", {*pnHeight});
        return 1;
    }
    int OnMenuStart(int nCol, int nRow, int nSection) override
    {
        Record("MenuStart", {nCol, nRow, nSection});
        return 0;
    }
    int OnGetContextHelpID(int nCol, int nRow, int nSection) override
    {
        return 1000 * nSection + 10 * nCol + nRow;
    }
    void WinHelp(DWORD_PTR dwData, UINT) override { Record("Help", {static_cast<int>(dwData)}); }
    int OnVScrollHint(int nRow, CString* pText) override
    {
        pText->Format("Row %d", nRow);
        return 1;
    }
    int OnHScrollHint(int nCol, CString* pText) override
    {
        pText->Format("Column %d", nCol);
        return 1;
    }
    DROPEFFECT OnDragEnter(COleDataObject*) override
    {
        Record("DragEnter");
        return DROPEFFECT_COPY;
    }
    DROPEFFECT OnDragOver(COleDataObject*, int nCol, int nRow) override
    {
        Record("DragOver", {nCol, nRow});
        return DROPEFFECT_COPY;
    }
    int OnDragDrop(COleDataObject*, int nCol, int nRow) override
    {
        Record("DragDrop", {nCol, nRow});
        return m_nDropAnswer;
    }
    int OnCanMove(int, int, int, int) override { return !m_bRefuseMove; }

    std::string Log() const
    {
        std::string sLog;
        for (const std::string& sEntry : m_log)
            sLog += (sLog.empty() ? "" : " ") + sEntry;
        return sLog;
    }

    int m_nCols = 50;
    int m_nRows = 50;
    int m_nDropAnswer = 1;
    bool m_bRefuseMove = false;
    bool m_bLogViewMoves = true;
    std::vector<std::string> m_log;

private:
    void Record(const char* lpszName, std::initializer_list<int> args = {})
    {
        std::string sEntry = lpszName;
        const char* lpszSeparator = "(";
        for (int nArg : args) {
            sEntry += lpszSeparator + std::to_string(nArg);
            lpszSeparator = ",";
        }
        m_log.push_back(args.size() ? sEntry + ")" : sEntry);
    }
};

// The grid fills 400 x 300 pixels of a frame; the test may size the sheet
// before the window is made.
class CCompanionWindowTest : public testing::Test {
protected:
    void CreateGrid()
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "Grid companions test",
                                      WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 460, 360), nullptr, 0));
        ASSERT_TRUE(m_grid.CreateGrid(WS_VISIBLE, CRect(0, 0, 400, 300), &m_parent, 100));
        m_parent.SetForegroundWindow();
        m_grid.GetCellArea()->SetFocus();
        m_grid.m_log.clear();
    }
    void TearDown() override
    {
        if (m_parent.GetSafeHwnd())
            m_parent.DestroyWindow();
    }

    const CRect& Component(int nComponent) { return m_grid.GetGridInfo()->m_componentRects[nComponent]; }
    void Scroll(CGRScrollBar* pBar, UINT nMessage, UINT nCode, UINT nPos = 0)
    {
        m_grid.SendMessage(nMessage, MAKEWPARAM(nCode, nPos), reinterpret_cast<LPARAM>(pBar->GetSafeHwnd()));
    }
    void VScroll(UINT nCode, UINT nPos = 0) { Scroll(m_grid.GetVScrollBar(), WM_VSCROLL, nCode, nPos); }
    void HScroll(UINT nCode, UINT nPos = 0) { Scroll(m_grid.GetHScrollBar(), WM_HSCROLL, nCode, nPos); }
    SCROLLINFO BarInfo(CGRScrollBar* pBar)
    {
        SCROLLINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        pBar->GetScrollInfo(&info, SIF_ALL);
        return info;
    }
    static LPARAM PointParam(int x, int y) { return MAKELPARAM(x, y); }

    CWnd m_parent;
    CCompanionGrid m_grid;
};
