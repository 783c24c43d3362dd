// Times one paint of a status bar in the "Office 2003" look under the
// window system's theme (the 2003 colours read the theme at every call):
// the band, six panes with the lock indicators, the etched separators and
// the gripper, drawn into a memory bitmap many times, in batches: the mean
// time per paint of all and of the fastest batch are printed.
#include "BatchTiming.h"

#include "res/resource.h"
#include "toolkit/frames/CTKStatusBar.h"
#include "toolkit/skins/CTKSkin2003.h"

#include <cstdio>

namespace {

const int kBatches = 5;
const int kPaintsPerBatch = 200;
const UINT kIndicators[] = {ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR,
                            ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

void PaintOnce(CTKStatusbarSkin* pSkin, CDC* pDC, CTKStatusBar* pBar)
{
    pSkin->DrawPanes(pDC, pBar);
    pSkin->DrawPaneFrames(pDC, pBar);
    pSkin->DrawGripper(pDC, pBar);
}

}  // namespace

int main()
{
    CWnd parent;
    if (!parent.CreateEx(0, AfxRegisterWndClass(0), "Status bar timing", WS_POPUP, CRect(0, 0, 1000, 200), nullptr,
                         0))
        return 1;
    CTKStatusBar bar;
    if (!bar.Create(&parent))
        return 1;
    bar.SetIndicators(kIndicators, 6);
    bar.SetWindowPos(nullptr, 0, 0, 1000, 24, SWP_NOMOVE | SWP_NOZORDER);
    CRect rectClient;
    bar.GetClientRect(&rectClient);

    CTKSkin2003 skin;
    CTKStatusbarSkin* pSkin = skin.GetStatusbarSkin();
    HDC hScreen = ::GetDC(nullptr);
    CDC memoryDC;
    memoryDC.Attach(::CreateCompatibleDC(hScreen));
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, rectClient.Width(), rectClient.Height());
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = ::SelectObject(memoryDC.GetSafeHdc(), hBitmap);

    PaintOnce(pSkin, &memoryDC, &bar);
    const BOOL bThemed = skin.GetMenuBarDarkColor() != CTKSkinXP::SysColor(COLOR_BTNFACE);
    std::printf("2003 status bar, themed: %s\n", bThemed ? "yes" : "no");
    PrintBatchTiming("Office 2003", kBatches, kPaintsPerBatch, [&] { PaintOnce(pSkin, &memoryDC, &bar); });
    ::SelectObject(memoryDC.GetSafeHdc(), hOld);
    ::DeleteObject(hBitmap);
    return 0;
}
