// Times the layout of a docking frame under the window system: a frame with
// a dock bar on each edge and ten toolbars docked on them (rows of one and
// of two on the top and bottom edges, columns on the sides) is laid out
// many times, and the mean time per RecalcLayout pass is printed.
#include "afxwin.h"

#include "Stopwatch.h"

#include <cstdio>
#include <iterator>
#include <memory>
#include <vector>

namespace {

const int kPasses = 500;
const UINT kButtons[] = {0x7101, 0x7102, ID_SEPARATOR, 0x7103, 0x7104, 0x7105, 0x7106, 0x7107};

// The edge each of the ten bars docks on; a bar docked beside the one
// before it (same edge, second entry of a pair) shares its row.
const struct {
    UINT nDockBarID;
    bool bBesidePrevious;
} kPlaces[] = {
    {AFX_IDW_DOCKBAR_TOP, false},    {AFX_IDW_DOCKBAR_TOP, true},     {AFX_IDW_DOCKBAR_TOP, false},
    {AFX_IDW_DOCKBAR_BOTTOM, false}, {AFX_IDW_DOCKBAR_BOTTOM, true},  {AFX_IDW_DOCKBAR_BOTTOM, false},
    {AFX_IDW_DOCKBAR_LEFT, false},   {AFX_IDW_DOCKBAR_LEFT, false},   {AFX_IDW_DOCKBAR_RIGHT, false},
    {AFX_IDW_DOCKBAR_RIGHT, false},
};

}  // namespace

int main()
{
    CWinApp app("Recalc layout timing");
    static char szNoArguments[] = "";
    if (!AfxWinInit(::GetModuleHandle(nullptr), szNoArguments, SW_SHOWNORMAL))
        return 1;
    auto* pFrame = new CFrameWnd;  // deletes itself with its window
    if (!pFrame->Create(nullptr, "Recalc layout timing", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1024, 768)))
        return 1;
    app.m_pMainWnd = pFrame;
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    std::vector<std::unique_ptr<CToolBar>> bars;
    for (const auto& place : kPlaces) {
        auto pBar = std::make_unique<CToolBar>();
        const UINT nID = AFX_IDW_TOOLBAR + static_cast<UINT>(bars.size()) + 1;
        if (!pBar->CreateEx(pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC,
                            CRect(0, 0, 0, 0), nID) ||
            !pBar->SetButtons(kButtons, static_cast<int>(std::size(kButtons))))
            return 1;
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        CRect rectBeside;
        if (place.bBesidePrevious) {
            bars.back()->GetWindowRect(&rectBeside);
            rectBeside.OffsetRect(rectBeside.Width() + 10, 0);
        }
        pFrame->DockControlBar(pBar.get(), place.nDockBarID, place.bBesidePrevious ? &rectBeside : nullptr);
        pFrame->RecalcLayout();
        bars.push_back(std::move(pBar));
    }

    CStopwatch stopwatch;
    for (int i = 0; i < kPasses; ++i)
        pFrame->RecalcLayout();
    const double dMilliseconds = stopwatch.Milliseconds();
    std::printf("RecalcLayout, 4 dock bars, %zu toolbars: %.3f ms per pass (%d passes)\n", bars.size(),
                dMilliseconds / kPasses, kPasses);
    pFrame->DestroyWindow();
    return 0;
}
