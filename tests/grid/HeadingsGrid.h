#pragma once
// A grid of 10 x 30 cells (75 x 20) on a real window whose headings and
// sheet tabs the tests drive with mouse messages: the notifications they
// cause are written to a log, the popup menu is refused after its start is
// logged, and heading cells carry colours of their own.

#include "grid/CGRCtrl.h"

#include "GridWindowFixture.h"

#include <string>
#include <vector>

const COLORREF kHeadingColor = RGB(200, 100, 50);
const COLORREF kMarkedHeadingColor = RGB(0, 0, 255);

class CHeadingsGrid : public CGRCtrl {
public:
    void OnSetup() override
    {
        SetColCount(10, 0);
        SetRowCount(30, 0);
        CGRCell heading;
        GetHeadingDefault(&heading);
        heading.SetBackColor(kHeadingColor);
        SetHeadingDefault(&heading);
        SetCellBackColor(2, -1, kMarkedHeadingColor);
        SetCellBackColor(-1, 3, kMarkedHeadingColor);
        EnableMenu(1);
    }
    void OnTH_LClicked(int nCol, int nRow, int nUpDown, CRect*, CPoint*, int) override
    {
        Record("TH_L", nCol, nRow, nUpDown);
    }
    void OnTH_RClicked(int nCol, int nRow, int nUpDown, CRect*, CPoint*, int) override
    {
        Record("TH_R", nCol, nRow, nUpDown);
    }
    void OnTH_DClicked(int nCol, int nRow, CRect*, CPoint*, int) override { Record("TH_D", nCol, nRow, 0); }
    void OnSH_LClicked(int nCol, int nRow, int nUpDown, CRect*, CPoint*, int) override
    {
        Record("SH_L", nCol, nRow, nUpDown);
    }
    int OnMenuStart(int nCol, int nRow, int nSection) override
    {
        Record("Menu", nCol, nRow, nSection);
        return 0;
    }
    void OnColSized(int nCol, int* pnWidth) override { Record("ColSized", nCol, *pnWidth, 0); }
    void OnRowSized(int nRow, int* pnHeight) override { Record("RowSized", nRow, *pnHeight, 0); }
    int OnCanSizeCol(int nCol) override { return nCol != m_nUnsizableCol; }
    void OnTabSelected(int nTab) override { Record("Tab", nTab, 0, 0); }
    int OnGetContextHelpID(int nCol, int nRow, int nSection) override
    {
        return 1000 * nSection + 100 * (nCol + 10) + (nRow + 10);
    }

    std::string Log() const
    {
        std::string sLog;
        for (const std::string& sEntry : m_log)
            sLog += (sLog.empty() ? "" : " ") + sEntry;
        return sLog;
    }

    std::vector<std::string> m_log;
    int m_nUnsizableCol = -1;

private:
    void Record(const char* lpszName, int nFirst, int nSecond, int nThird)
    {
        m_log.push_back(std::string(lpszName) + "(" + std::to_string(nFirst) + "," + std::to_string(nSecond) + ","
                        + std::to_string(nThird) + ")");
    }
};

class CHeadingsWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "Grid headings test",
                                      WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 460, 360), nullptr, 0));
        ASSERT_TRUE(m_grid.CreateGrid(WS_VISIBLE, CRect(0, 0, 400, 300), &m_parent, 100));
        m_parent.SetForegroundWindow();
        m_grid.UpdateWindow();
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    static void Mouse(CWnd* pWnd, UINT message, UINT nFlags, int x, int y)
    {
        pWnd->SendMessage(message, nFlags, MAKELPARAM(x, y));
    }
    // A press at one point, a move to another and the release there.
    static void Drag(CWnd* pWnd, CPoint from, CPoint to)
    {
        Mouse(pWnd, WM_MOUSEMOVE, 0, from.x, from.y);
        Mouse(pWnd, WM_LBUTTONDOWN, MK_LBUTTON, from.x, from.y);
        Mouse(pWnd, WM_MOUSEMOVE, MK_LBUTTON, to.x, to.y);
        Mouse(pWnd, WM_LBUTTONUP, 0, to.x, to.y);
    }
    static void Print(CWnd* pWnd, CAreaBitmap& bitmap)
    {
        pWnd->SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(bitmap.m_hDC), PRF_CLIENT);
    }
    static void CopyScreen(CWnd* pWnd, CAreaBitmap& bitmap)
    {
        HDC hWnd = ::GetDC(pWnd->GetSafeHwnd());
        ::BitBlt(bitmap.m_hDC, 0, 0, bitmap.m_rect.Width(), bitmap.m_rect.Height(), hWnd, 0, 0, SRCCOPY);
        ::ReleaseDC(pWnd->GetSafeHwnd(), hWnd);
    }
    CRect RectInControl(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        m_grid.ScreenToClient(&rect);
        return rect;
    }

    CWnd m_parent;
    CHeadingsGrid m_grid;
};
