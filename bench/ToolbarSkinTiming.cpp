// Times the XP and 2003 custom draw of a 30-button toolbar: the skin paints
// the whole bar off screen and copies it into a memory bitmap, many times, in
// batches; the mean time per paint of all and of the fastest batch (the
// machine's other work weighs least on it) are printed for each look.
#include "BatchTiming.h"

#include "toolkit/frames/CTKCoolToolBar.h"
#include "toolkit/skins/CTKSkin2003.h"
#include "toolkit/skins/CTKToolbarSkinXP.h"

#include <cstdio>

namespace {

const int kButtons = 30;
const int kBatches = 5;
const int kPaintsPerBatch = 40;
const UINT kFirstID = 1000;

// Every fifth button checked, every seventh disabled, every tenth a separator.
void AddButtons(CTKCoolToolBar& bar)
{
    TBBUTTON buttons[kButtons] = {};
    for (int i = 0; i < kButtons; ++i) {
        const BOOL bSeparator = i % 10 == 9;
        buttons[i].iBitmap = bSeparator ? 8 : I_IMAGENONE;
        buttons[i].idCommand = bSeparator ? 0 : static_cast<int>(kFirstID + i);
        buttons[i].fsStyle = bSeparator ? BTNS_SEP : BTNS_BUTTON;
        buttons[i].fsState = static_cast<BYTE>((i % 7 == 6 ? 0 : TBSTATE_ENABLED) |
                                               (i % 5 == 4 ? TBSTATE_CHECKED : 0));
    }
    bar.SendMessage(TB_ADDBUTTONS, kButtons, reinterpret_cast<LPARAM>(buttons));
}

void TimeLook(const char* pszLook, CTKToolbarSkinXP* pSkin, CTKCoolToolBar& bar, CDC& dcTarget)
{
    PrintBatchTiming(pszLook, kBatches, kPaintsPerBatch, [&] { pSkin->PaintBar(&dcTarget, &bar); });
}

}  // namespace

int main()
{
    CWnd parent;
    if (!parent.CreateEx(0, AfxRegisterWndClass(0), "Toolbar skin timing", WS_POPUP, CRect(0, 0, 900, 60), nullptr,
                         0))
        return 1;
    CTKCoolToolBar bar;
    if (!bar.CreateEx(&parent, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP))
        return 1;
    bar.SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(24, 22));
    AddButtons(bar);
    bar.SetWindowPos(nullptr, 0, 0, 900, 30, SWP_NOZORDER | SWP_NOACTIVATE);
    bar.SendMessage(TB_SETHOTITEM, 2);

    CRect rectClient;
    bar.GetClientRect(&rectClient);
    CDC* pScreen = CDC::FromHandle(::GetDC(nullptr));
    CDC dcTarget;
    dcTarget.CreateCompatibleDC(pScreen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(pScreen, rectClient.Width(), rectClient.Height());
    ::ReleaseDC(nullptr, pScreen->GetSafeHdc());
    CBitmap* pOld = dcTarget.SelectObject(&bitmap);

    CTKSkinXP skinXP;
    CTKSkin2003 skin2003;
    std::printf("%d-button toolbar, %d paints per look\n", kButtons, kBatches * kPaintsPerBatch);
    TimeLook("Office XP", static_cast<CTKToolbarSkinXP*>(skinXP.GetToolbarSkin()), bar, dcTarget);
    TimeLook("Office 2003", static_cast<CTKToolbarSkinXP*>(skin2003.GetToolbarSkin()), bar, dcTarget);

    dcTarget.SelectObject(pOld);
    bar.DestroyWindow();
    parent.DestroyWindow();
    return 0;
}
