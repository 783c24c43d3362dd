// Times the layout of sizable dock bars under the window system: a frame
// whose edges hold size dock bars, two toolbars in the top one and three
// rows of three sizable bars in the bottom one, is laid out many times; the
// mean time per RecalcLayout pass is printed for passes that only place the
// bars, and for passes whose changing frame width fits every row anew.
#include "afxwin.h"

#include "toolkit/frames/CTKMenuBarFrame.h"
#include "toolkit/frames/CTKSizeControlBar.h"
#include "toolkit/frames/CTKSizeDockBar.h"

#include "Stopwatch.h"

#include <cstdio>
#include <iterator>
#include <memory>
#include <vector>

namespace {

const int kPasses = 500;
const int kRows = 3;
const int kBarsPerRow = 3;
const UINT kButtons[] = {0x7101, 0x7102, ID_SEPARATOR, 0x7103, 0x7104, 0x7105, 0x7106, 0x7107};

typedef CTKMenuBarFrame<CFrameWnd, CTKSizeDockBar> CTimingFrame;

// A sizable bar with nothing inside.
class CTimingSizeBar : public CTKSizeControlBar {
public:
    BOOL Create(CFrameWnd* pFrame, UINT nID)
    {
        if (!CreateEx(0, AfxDefaultWndClass(COLOR_BTNFACE), "Bar", SplitBarStyle(WS_CHILD | WS_VISIBLE | CBRS_BOTTOM),
                      CRect(0, 0, 0, 0), pFrame, nID))
            return FALSE;
        AttachToFrame(pFrame);
        m_HorzDockSize = CSize(250, 120);
        m_VertDockSize = CSize(120, 250);
        m_FloatSize = CSize(250, 120);
        EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }
};

double TimePasses(CFrameWnd* pFrame, bool bResize)
{
    CStopwatch stopwatch;
    for (int i = 0; i < kPasses; ++i) {
        if (bResize)
            pFrame->SetWindowPos(nullptr, 0, 0, 1024 - (i & 1) * 40, 768, SWP_NOZORDER | SWP_NOACTIVATE);
        else
            pFrame->RecalcLayout();
    }
    return stopwatch.Milliseconds() / kPasses;
}

}  // namespace

int main()
{
    CWinApp app("Size dock layout timing");
    static char szNoArguments[] = "";
    if (!AfxWinInit(::GetModuleHandle(nullptr), szNoArguments, SW_SHOWNORMAL))
        return 1;
    auto* pFrame = new CTimingFrame;  // deletes itself with its window
    if (!pFrame->Create(nullptr, "Size dock layout timing", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1024, 768)))
        return 1;
    app.m_pMainWnd = pFrame;
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    std::vector<std::unique_ptr<CToolBar>> toolBars;
    for (int i = 0; i < 2; ++i) {
        auto pBar = std::make_unique<CToolBar>();
        if (!pBar->CreateEx(pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC,
                            CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR + 1 + static_cast<UINT>(i)) ||
            !pBar->SetButtons(kButtons, static_cast<int>(std::size(kButtons))))
            return 1;
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBar(pBar.get(), AFX_IDW_DOCKBAR_TOP);
        toolBars.push_back(std::move(pBar));
    }
    auto* pBottom = static_cast<CTKSizeDockBar*>(pFrame->GetControlBar(AFX_IDW_DOCKBAR_BOTTOM));
    std::vector<std::unique_ptr<CTimingSizeBar>> sizeBars;
    for (int nRow = 0; nRow < kRows; ++nRow) {
        for (int nBar = 0; nBar < kBarsPerRow; ++nBar) {
            auto pBar = std::make_unique<CTimingSizeBar>();
            if (!pBar->Create(pFrame, 0xE900 + static_cast<UINT>(sizeBars.size())))
                return 1;
            CRect rectBeside;
            if (nBar > 0) {
                sizeBars.back()->GetWindowRect(&rectBeside);
                rectBeside.OffsetRect(rectBeside.Width() / 2, 0);
            }
            if (nBar > 0)
                pFrame->DockControlBar(pBar.get(), pBottom, &rectBeside);
            else
                pFrame->DockControlBar(pBar.get(), AFX_IDW_DOCKBAR_BOTTOM);
            pFrame->RecalcLayout();
            sizeBars.push_back(std::move(pBar));
        }
    }

    const double dPlace = TimePasses(pFrame, false);
    const double dRefit = TimePasses(pFrame, true);
    std::printf("RecalcLayout, size dock bars, %d rows of %d sizable bars, %zu toolbars: %.3f ms per pass, "
                "%.3f ms per pass with every row fitted anew (%d passes each)\n",
                kRows, kBarsPerRow, toolBars.size(), dPlace, dRefit, kPasses);
    pFrame->DestroyWindow();
    return 0;
}
