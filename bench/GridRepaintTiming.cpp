// Times a full repaint of a measurement-table-sized grid (44 band rows x 60
// columns, every cell with a number) under the window system: the cell area
// draws the whole sheet into a memory bitmap through WM_PRINT, many times,
// in batches: the mean time per repaint of all and of the fastest batch (the
// machine's other work weighs least on it) and the processor time per
// repaint are printed, with a checksum of the picture, so that a change to
// the drawing can show it draws the same pixels. One repaint before the
// timed ones counts the drawing library's calls (per cell and per function),
// a figure that does not depend on the machine's load.
#include "Stopwatch.h"
#include "grid/GdiCallCounter.h"

#include "grid/CGRCtrl.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

const int kBands = 44;
const int kColumns = 60;
const int kColumnWidth = 45;
const int kRowHeight = 20;
const int kBatches = 5;
const int kRepaintsPerBatch = 20;
const int kRepaints = kBatches * kRepaintsPerBatch;

// The processor time the drawing thread has used, in milliseconds: on a
// machine shared with other work it varies far less than the elapsed time.
double ThreadProcessorMs()
{
    FILETIME created, exited, kernel, user;
    ::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user);
    auto ticks = [](const FILETIME& time) {
        return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;  // 100 ns units
}

// FNV-1a over the picture's 32-bit pixels.
uint32_t PictureChecksum(const void* pBits, int nPixels)
{
    const auto* pPixels = static_cast<const uint32_t*>(pBits);
    uint32_t nHash = 2166136261u;
    for (int i = 0; i < nPixels; ++i)
        nHash = (nHash ^ (pPixels[i] & 0xFFFFFF)) * 16777619u;
    return nHash;
}

// The drawing library's calls of one repaint: in all, per cell, and per
// function, most called first.
template <class TRepaint>
void PrintCallCounts(const TRepaint& repaint)
{
    CGdiCallCounter counter;
    repaint();
    std::vector<std::pair<uint64_t, std::string>> calls;
    for (const auto& [sName, nCount] : counter.ByFunction())
        calls.emplace_back(nCount, sName);
    std::sort(calls.rbegin(), calls.rend());
    const unsigned long long nTotal = counter.Total();
    printf("drawing calls per repaint: %llu, %.2f per cell (", nTotal, static_cast<double>(nTotal) / (kBands * kColumns));
    for (size_t i = 0; i < calls.size(); ++i)
        printf("%s%s %llu", i ? ", " : "", calls[i].second.c_str(), static_cast<unsigned long long>(calls[i].first));
    printf(")\n");
}

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

    const auto print = [&] { ::SendMessage(hArea, WM_PRINT, reinterpret_cast<WPARAM>(hMemory), PRF_CLIENT); };
    print();  // the first repaint makes what later ones reuse
    PrintCallCounts(print);
    table.GetCellArea()->ResetCellsDrawn();
    double dTotalMs = 0.0, dFastestBatchMs = 0.0;
    const double dProcessorStartMs = ThreadProcessorMs();
    for (int nBatch = 0; nBatch < kBatches; ++nBatch) {
        CStopwatch stopwatch;
        for (int i = 0; i < kRepaintsPerBatch; ++i)
            print();
        const double dBatchMs = stopwatch.Milliseconds();
        dTotalMs += dBatchMs;
        dFastestBatchMs = nBatch == 0 ? dBatchMs : std::min(dFastestBatchMs, dBatchMs);
    }
    const double dProcessorMs = ThreadProcessorMs() - dProcessorStartMs;
    int nCellsPerRepaint = table.GetCellArea()->GetCellsDrawn() / kRepaints;
    ::GdiFlush();
    const uint32_t nChecksum = PictureChecksum(pBits, area.Width() * area.Height());

    ::SelectObject(hMemory, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMemory);
    ::ReleaseDC(nullptr, hScreen);
    parent.DestroyWindow();
    printf("full repaint of %d x %d cells (%d drawn): %.2f ms per repaint over %d repaints, %.2f ms in the fastest "
           "batch of %d, %.2f ms processor time per repaint; picture checksum %08x\n",
           kBands, kColumns, nCellsPerRepaint, dTotalMs / kRepaints, kRepaints, dFastestBatchMs / kRepaintsPerBatch,
           kRepaintsPerBatch, dProcessorMs / kRepaints, static_cast<unsigned>(nChecksum));
    return nCellsPerRepaint == kBands * kColumns ? 0 : 1;
}
