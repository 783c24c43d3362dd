// Times the result table's graph under the window system: a chart of 10
// sets x 21 points exported as a metafile file (render, custom drawing,
// recording, writing), and a graph cell's first drawing of that file
// (loading, deleting, playing into a bitmap). Prints the mean of each.
#include "reports/cells/CKelWmfCellType.h"
#include "reports/chart/CGraphProps.h"

#include "grid/CGRCell.h"

#include <cstdio>

namespace {

const int kSets = 10;
const int kPoints = 21;
const int kRounds = 50;

class CChartParent : public CWnd {
public:
    CGraphProps m_graph;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_GRAPHPAINT)
            return CWnd::WindowProc(message, wParam, lParam);
        m_graph.SDKPaint.SetInt(0);
        m_graph.DrawTextAt(100, 40, 3, 0, 0, "Lb");
        GraphEndPass(3);
        m_graph.SDKPaint.SetInt(1);
        return 0;
    }
};

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& frequency)
{
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void FillResultChart(CGraphProps& graph)
{
    graph.SDKPaint.SetInt(1);
    graph.Background.At(0).SetInt(15);
    graph.MissingData.SetInt(2);
    graph.LimitLowValue.SetDouble(-998.0);
    graph.NumSets.SetInt(kSets);
    graph.NumPoints.SetInt(kPoints);
    graph.ThickLines.SetInt(1);
    graph.ClipGraph.SetInt(1);
    graph.YAxisMax.At(0).SetDouble(120.0);
    graph.YAxisMin.At(0).SetDouble(20.0);
    for (int s = 0; s < kSets; ++s) {
        graph.ColorData.At(s).SetInt(s);
        graph.PatternData.At(s).SetInt(2);
        for (int p = 0; p < kPoints; ++p)
            graph.GraphData.AtRow(s).At(p).SetDouble(p == s ? -999.0 : 40.0 + s * 5 + p * 0.5);
    }
}

}

int main()
{
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    const CString sFile = CString(szTemp) + "resultgraph1.wmf";
    CChartParent parent;
    if (!parent.CreateEx(0, AfxRegisterWndClass(0), "Chart timing", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0))
        return 1;
    if (!parent.m_graph.Create(0, WS_CHILD | WS_VISIBLE, CRect(2000, 2000, 2470, 2950), &parent, 1003))
        return 1;
    FillResultChart(parent.m_graph);
    CKelWmfCellType cellType;
    cellType.SetGraphFile(sFile);
    CGRCell cell;
    cell.SetBackColor(RGB(255, 255, 255));
    HDC hScreen = ::GetDC(nullptr);
    CDC memory;
    memory.Attach(::CreateCompatibleDC(hScreen));
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 470, 950);
    HGDIOBJ hOld = ::SelectObject(memory.m_hDC, hBitmap);

    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    double dExport = 0.0, dFirstDraw = 0.0;
    for (int i = 0; i < kRounds; ++i) {
        ::QueryPerformanceCounter(&start);
        parent.m_graph.DrawMode.SetInt(3);
        parent.m_graph.ImageFile.SetString(sFile);
        parent.m_graph.DrawMode.SetInt(2);
        parent.m_graph.DrawMode.SetInt(6);
        ::QueryPerformanceCounter(&end);
        dExport += Milliseconds(start, end, frequency);
        CRect rect(0, 0, 470, 950);
        ::QueryPerformanceCounter(&start);
        cellType.OnDraw(&memory, &rect, 1, 1, &cell, 0, 0);
        ::QueryPerformanceCounter(&end);
        dFirstDraw += Milliseconds(start, end, frequency);
    }
    ::SelectObject(memory.m_hDC, hOld);
    ::DeleteObject(hBitmap);
    ::ReleaseDC(nullptr, hScreen);
    parent.DestroyWindow();
    printf("result chart %d x %d: export %.2f ms, first drawing in the cell %.2f ms (mean of %d)\n", kSets,
           kPoints, dExport / kRounds, dFirstDraw / kRounds, kRounds);
    return cellType.GetMetaFile().GetHandle() ? 0 : 1;
}
