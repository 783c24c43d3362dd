// Times the paint of an "Office XP" popup menu of 20 items: the skin draws
// every item and the popup's frame with its soft shadow. The first paint
// copies the screen behind the shadow and darkens it; a repaint takes the
// shadow's colours from the popup's cache. Both are timed many times, in
// batches; the mean per paint of all and of the fastest batch are printed.
#include "BatchTiming.h"

#include "toolkit/frames/CTKBitmapMenu.h"
#include "toolkit/skins/CTKMenuSkinXP.h"
#include "toolkit/skins/CTKSkinXP.h"

#include <cstdio>

namespace {

const int kItems = 20;
const int kItemHeight = 23;
const int kBatches = 5;
const int kPaintsPerBatch = 40;
const char kPopupClass[] = "MenuPopupTiming";

CTKMenuSkin* s_pSkin = nullptr;

LRESULT CALLBACK PopupProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return s_pSkin->PopupWindowProc(::DefWindowProc, hWnd, nMsg, wParam, lParam);
}

// Every item of the popup through the skin, into its client area.
void PaintItems(HWND hPopup, CTKMenuSkin* pSkin, CTKBitmapMenu& menu)
{
    CDC* pDC = CDC::FromHandle(::GetDC(hPopup));
    for (int i = 0; i < kItems; ++i) {
        const CRect rectItem(0, i * kItemHeight, 200, (i + 1) * kItemHeight);
        const UINT nState = i == 3 ? ODS_SELECTED : (i % 7 == 6 ? ODS_DISABLED : 0);
        CRect rectButton;
        CRect rectImage;
        CRect rectText;
        CRect rectShortcut;
        pSkin->LayoutItem(nState, nullptr, rectItem, &rectButton, &rectImage, &rectText, &rectShortcut, &menu);
        pSkin->DrawBackground(pDC, nState, nullptr, rectItem, rectButton, &menu);
        pSkin->DrawText(pDC, nState, "&Menu item\tCtrl+M", rectText, rectShortcut, &menu);
    }
    ::ReleaseDC(hPopup, pDC->GetSafeHdc());
}

// bFirst: the shadow cache is emptied before each paint.
void TimePaint(const char* pszCase, HWND hPopup, CTKMenuSkin* pSkin, CTKBitmapMenu& menu, BOOL bFirst)
{
    KTPOPUPWND* pPopup = menu.m_popupWnds.Find(hPopup);
    PrintBatchTiming(pszCase, kBatches, kPaintsPerBatch, [&] {
        if (bFirst)
            pPopup->shadowColors.clear();
        ::SendMessage(hPopup, WM_NCPAINT, 1, 0);
        PaintItems(hPopup, pSkin, menu);
    });
}

}  // namespace

int main()
{
    CTKSkinXP skin;
    s_pSkin = skin.GetMenuSkin();
    CTKBitmapMenu menu;
    menu.m_nImageExtent = 16;
    menu.m_nTextHeight = 13;
    menu.m_nTextWidth = 90;
    menu.m_nAccelWidth = 40;
    CTKBitmapMenu::SetTrackedMenu(&menu);

    WNDCLASS wc = {};
    wc.lpfnWndProc = PopupProc;
    wc.hInstance = ::GetModuleHandle(nullptr);
    wc.lpszClassName = kPopupClass;
    ::RegisterClass(&wc);
    HWND hPopup = ::CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kPopupClass, "", WS_POPUP, 0, 0, 10, 10,
                                   nullptr, nullptr, wc.hInstance, nullptr);
    if (hPopup == nullptr)
        return 1;
    ::SetWindowPos(hPopup, nullptr, 100, 100, 206, kItems * kItemHeight + 6,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);

    std::printf("%d-item XP popup, %d paints each\n", kItems, kBatches * kPaintsPerBatch);
    TimePaint("first paint", hPopup, s_pSkin, menu, TRUE);
    TimePaint("repaint from the cache", hPopup, s_pSkin, menu, FALSE);

    ::DestroyWindow(hPopup);
    CTKBitmapMenu::SetTrackedMenu(nullptr);
    return 0;
}
