#pragma once
// A grid of 50 x 50 cells on a real window under Xvfb, for the tests of the
// control and its cell area: what the area shows on the screen and what it
// draws into a memory bitmap (WM_PRINT), and the texts and fonts it draws
// into an enhanced metafile.

#include "grid/CGRCtrl.h"

#include "support/CTextRecorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

const COLORREF kGreen = RGB(0, 128, 0);
const COLORREF kDefaultBorder = RGB(220, 220, 220);
const int kBold = 600;

// 50 x 50 cells of 75 x 20 with coloured, framed, aligned, bold and joined
// ones; the help context of a cell is 1000 + 100 x column + row, none for
// column 0. Help requests are recorded instead of reaching a help file.
class CFiftyGrid : public CGRCtrl {
public:
    void OnSetup() override
    {
        SetColCount(50, 0);
        SetRowCount(50, 0);
        SetCellBackColor(1, 1, kGreen);
        SetCellBorder(2, 2, kBorderSunken);
        SetCellBackColor(2, 2, RGB(255, 255, 0));
        SetCellText(3, 1, "text");
        SetCellAlignment(3, 1, kAlignRight | kAlignVCenter);
        SetCellText(1, 3, "bold");
        SetCellFontIndex(1, 3, AddFont("Arial", 15, kBold));
        SetCellText(2, 3, "plain");
        JoinCells(4, 4, 5, 5);
        SetCellText(0, 7, "A text that runs on over empty cells");
        SetCellBackColor(4, 4, RGB(0, 0, 255));
    }
    int OnGetContextHelpID(int nCol, int nRow, int nSection) override
    {
        return nCol > 0 ? 1000 + 100 * nCol + nRow : 0;
    }
    void WinHelp(DWORD_PTR dwData, UINT nCmd) override
    {
        m_helpCalls.push_back(std::to_string(dwData) + "/" + std::to_string(nCmd));
    }
    std::vector<std::string> m_helpCalls;
};

// A memory bitmap of the cell area's size and a DC on it.
class CAreaBitmap {
public:
    explicit CAreaBitmap(CWnd* pArea)
    {
        pArea->GetClientRect(&m_rect);
        HDC hScreen = ::GetDC(nullptr);
        m_hDC = ::CreateCompatibleDC(hScreen);
        m_hBitmap = ::CreateCompatibleBitmap(hScreen, m_rect.Width(), m_rect.Height());
        m_hOld = ::SelectObject(m_hDC, m_hBitmap);
        ::ReleaseDC(nullptr, hScreen);
    }
    ~CAreaBitmap()
    {
        ::SelectObject(m_hDC, m_hOld);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hDC);
    }
    CAreaBitmap(const CAreaBitmap&) = delete;
    CAreaBitmap& operator=(const CAreaBitmap&) = delete;

    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

    CRect m_rect;
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};

template <class TGrid>
class CGridWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "Grid test", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      CRect(0, 0, 460, 360), nullptr, 0));
        ASSERT_TRUE(m_grid.CreateGrid(WS_VISIBLE, CRect(0, 0, 400, 300), &m_parent, 100));
        Area()->UpdateWindow();
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    CGRGrid* Area() { return m_grid.GetCellArea(); }
    HWND AreaHandle() { return Area()->GetSafeHwnd(); }

    // The whole cell area drawn anew into a memory bitmap.
    void Print(CAreaBitmap& bitmap)
    {
        ::SendMessage(AreaHandle(), WM_PRINT, reinterpret_cast<WPARAM>(bitmap.m_hDC), PRF_CLIENT);
    }
    COLORREF PixelAfterPrint(int x, int y)
    {
        CAreaBitmap bitmap(Area());
        Print(bitmap);
        return bitmap.Pixel(x, y);
    }
    // What the cell area shows on the screen.
    void CopyScreen(CAreaBitmap& bitmap)
    {
        HDC hArea = ::GetDC(AreaHandle());
        ::BitBlt(bitmap.m_hDC, 0, 0, bitmap.m_rect.Width(), bitmap.m_rect.Height(), hArea, 0, 0, SRCCOPY);
        ::ReleaseDC(AreaHandle(), hArea);
    }
    // The whole cell area drawn into an enhanced metafile.
    HENHMETAFILE RecordPrint()
    {
        HDC hMetafile = ::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
        ::SendMessage(AreaHandle(), WM_PRINT, reinterpret_cast<WPARAM>(hMetafile), PRF_CLIENT);
        return ::CloseEnhMetaFile(hMetafile);
    }
    std::string Cell() const
    {
        return std::to_string(m_grid.GetCurrentCol()) + "," + std::to_string(m_grid.GetCurrentRow());
    }
    static LPARAM PointParam(int x, int y) { return MAKELPARAM(x, y); }

    CWnd m_parent;
    TGrid m_grid;
};
