// Times a full repaint of a measurement-table-sized grid (44 band rows x 60
// columns, every cell with a number) under the window system: the cell area
// draws the whole sheet into a memory bitmap through WM_PRINT, many times,
// and the mean time per repaint is printed.
#include "grid/CGRCtrl.h"

#include <cstdio>

namespace {

const int kBands = 44;
const int kColumns = 60;
const int kColumnWidth = 45;
const int kRowHeight = 20;
const int kRepaints = 100;

class CBandTable : public CGRCtrl {
public:
    void OnSetup() override
    {
        SetDefColWidth(kColumnWidth);
        SetDefRowHeight(kRowHeight);
        SetColCount(kColumns, 0);
        SetRowCount(kBands, 0);
        for (int nRow = 0; nRow < kBands; ++nRow)
            for (int nCol = 0; nCol < kColumns; ++nCol) {
                CGRCell cell;
                cell.SetNumber(40.0 + nRow * 0.7 + nCol * 0.1);
                cell.SetNumberDecimals(1);
                cell.SetAlignment(kAlignRight | kAlignVCenter);
                if (nCol % 3 == 0)
                    cell.SetBackColor(RGB(220, 220, 220));
                SetCell(nCol, nRow, &cell);
            }
    }
};

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& frequency)
{
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}

int main()
{
    CWnd parent;
    int nWidth = 40 + kColumns * kColumnWidth + 40;
    int nHeight = 20 + kBands * kRowHeight + 40;
    if (!parent.CreateEx(0, AfxRegisterWndClass(0), "Grid repaint timing", WS_POPUP, CRect(0, 0, nWidth, nHeight),
                         nullptr, 0))
        return 1;
    CBandTable table;
    if (!table.CreateGrid(WS_VISIBLE, CRect(0, 0, nWidth, nHeight), &parent, 100))
        return 1;
    HWND hArea = table.GetCellArea()->GetSafeHwnd();
    CRect area;
    table.GetCellArea()->GetClientRect(&area);
    HDC hScreen = ::GetDC(nullptr);
    HDC hMemory = ::CreateCompatibleDC(hScreen);
    // A device-independent bitmap: drawn by the window system itself, as a
    // double-buffered cell area's off-screen bitmap would be.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = area.Width();
    info.bmiHeader.biHeight = -area.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hScreen, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(hMemory, hBitmap);

    table.GetCellArea()->ResetCellsDrawn();
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    for (int i = 0; i < kRepaints; ++i)
        ::SendMessage(hArea, WM_PRINT, reinterpret_cast<WPARAM>(hMemory), PRF_CLIENT);
    ::QueryPerformanceCounter(&end);
    int nCellsPerRepaint = table.GetCellArea()->GetCellsDrawn() / kRepaints;

    ::SelectObject(hMemory, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMemory);
    ::ReleaseDC(nullptr, hScreen);
    parent.DestroyWindow();
    printf("full repaint of %d x %d cells (%d drawn): %.2f ms per repaint over %d repaints\n", kBands, kColumns,
           nCellsPerRepaint, 1000.0 * Seconds(start, end, frequency) / kRepaints, kRepaints);
    return nCellsPerRepaint == kBands * kColumns ? 0 : 1;
}
