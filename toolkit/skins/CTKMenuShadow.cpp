#include "CTKMenuShadow.h"

int CTKMenuShadow::Darkness(const Run& run, int k, int nPos)
{
    if (nPos < run.nFirst)
        return 0;
    if (run.bFadeOut && nPos >= run.nLength - kWidth)
        return 3 * k * (run.nLength - nPos);
    if (nPos >= run.nKeepFirst && nPos <= run.nKeepLast)
        return 0;
    if (run.bFadeIn && nPos < run.nFirst + kWidth)
        return 3 * k * (nPos - run.nFirst + 1);
    return 15 * k;
}

COLORREF CTKMenuShadow::Darken(COLORREF cr, int nDarkness)
{
    const int nKeep = 255 - nDarkness;
    return RGB(::MulDiv(GetRValue(cr), nKeep, 255), ::MulDiv(GetGValue(cr), nKeep, 255),
               ::MulDiv(GetBValue(cr), nKeep, 255));
}

// The right shadow runs the window's whole height: the corner below it is
// its fade-out. The bottom shadow stops where the right one begins.
CTKMenuShadow::Run CTKMenuShadow::RightRun(CSize sizeWindow)
{
    Run run;
    run.nLength = sizeWindow.cy;
    run.bFadeOut = TRUE;
    return run;
}

CTKMenuShadow::Run CTKMenuShadow::BottomRun(CSize sizeWindow)
{
    Run run;
    run.nLength = sizeWindow.cx - kWidth;
    return run;
}

// The shadow goes where the menu's own shadow does not: a menu below takes
// over the right shadow before it fades out, and a menu to the right casts
// the right shadow itself. Beside a menu to the left or above, the shadow
// starts at full strength, as it continues the menu's.
void CTKMenuShadow::GetJoinWindowRuns(CSize sizeWindow, int nSideKind, Run* pRight, Run* pBottom)
{
    *pRight = RightRun(sizeWindow);
    *pBottom = BottomRun(sizeWindow);
    switch (nSideKind) {
    case 1:
        pRight->nLength = sizeWindow.cy - kWidth;
        pRight->bFadeOut = FALSE;
        pBottom->nLength = 0;
        break;
    case 2:
        pRight->nLength = 0;
        break;
    case 3:
        pBottom->nFirst = 1;
        pBottom->bFadeIn = FALSE;
        break;
    case 4:
        pRight->nFirst = 1;
        pRight->bFadeIn = FALSE;
        break;
    default:
        pRight->nLength = 0;
        pBottom->nLength = 0;
        break;
    }
}

CRect CTKMenuShadow::RightArea(CSize sizeWindow, const Run& run)
{
    return CRect(sizeWindow.cx - kWidth, 0, sizeWindow.cx, run.nLength);
}

CRect CTKMenuShadow::BottomArea(CSize sizeWindow, const Run& run)
{
    return CRect(0, sizeWindow.cy - kWidth, run.nLength, sizeWindow.cy);
}

size_t CTKMenuShadow::CountPixels(const Run* pRight, const Run* pBottom)
{
    size_t nCount = 0;
    for (const Run* pRun : {pRight, pBottom}) {
        if (pRun != nullptr && pRun->nLength > 0)
            nCount += static_cast<size_t>(pRun->nLength) * kWidth;
    }
    return nCount;
}

namespace {

COLORREF PixelToColor(DWORD dwPixel)
{
    return RGB((dwPixel >> 16) & 0xFF, (dwPixel >> 8) & 0xFF, dwPixel & 0xFF);
}

DWORD ColorToPixel(COLORREF cr)
{
    return (static_cast<DWORD>(GetRValue(cr)) << 16) | (static_cast<DWORD>(GetGValue(cr)) << 8) | GetBValue(cr);
}

}  // namespace

// Lines across the edge count from the outside: the outermost is k = 1 and
// the lightest.
void CTKMenuShadow::ShadeArea(DWORD* pPixels, const CRect& rectArea, const Run& run, BOOL bVertical,
                              const COLORREF** ppCached, std::vector<COLORREF>* pCache)
{
    const int cx = rectArea.Width();
    const int cy = rectArea.Height();
    for (int y = 0; y < cy; ++y) {
        for (int x = 0; x < cx; ++x) {
            DWORD& dwPixel = pPixels[static_cast<size_t>(y) * cx + x];
            if (*ppCached != nullptr) {
                dwPixel = ColorToPixel(*(*ppCached)++);
                continue;
            }
            const int k = bVertical ? kWidth - x : kWidth - y;
            const int nPos = bVertical ? y : x;
            const COLORREF cr = Darken(PixelToColor(dwPixel), Darkness(run, k, nPos));
            dwPixel = ColorToPixel(cr);
            if (pCache != nullptr)
                pCache->push_back(cr);
        }
    }
}

void CTKMenuShadow::PaintArea(CDC* pDC, const CRect& rectArea, CPoint ptScreen, const Run& run, BOOL bVertical,
                              const COLORREF** ppCached, std::vector<COLORREF>* pCache)
{
    const int cx = rectArea.Width();
    const int cy = rectArea.Height();
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (hBitmap == nullptr)
        return;
    HDC hMemDC = ::CreateCompatibleDC(pDC->GetSafeHdc());
    HGDIOBJ hOldBitmap = ::SelectObject(hMemDC, hBitmap);
    if (*ppCached == nullptr) {
        HWND hDesktop = ::GetDesktopWindow();
        HDC hScreenDC = ::GetDC(hDesktop);
        ::BitBlt(hMemDC, 0, 0, cx, cy, hScreenDC, ptScreen.x + rectArea.left, ptScreen.y + rectArea.top, SRCCOPY);
        ::ReleaseDC(hDesktop, hScreenDC);
    }
    ::GdiFlush();
    ShadeArea(static_cast<DWORD*>(pBits), rectArea, run, bVertical, ppCached, pCache);
    ::BitBlt(pDC->GetSafeHdc(), rectArea.left, rectArea.top, cx, cy, hMemDC, 0, 0, SRCCOPY);
    ::SelectObject(hMemDC, hOldBitmap);
    ::DeleteDC(hMemDC);
    ::DeleteObject(hBitmap);
}

// A cache of another length belongs to the window as it was before it
// grew or shrank: read as it stands it would run past its end or paint the
// colours at the wrong places, so the shadow is computed again.
void CTKMenuShadow::Paint(CDC* pDC, CSize sizeWindow, CPoint ptScreen, const Run* pRight, const Run* pBottom,
                          std::vector<COLORREF>* pCache)
{
    const COLORREF* pCached = nullptr;
    if (pCache != nullptr) {
        if (!pCache->empty() && pCache->size() == CountPixels(pRight, pBottom))
            pCached = pCache->data();
        else
            pCache->clear();
    }
    if (pRight != nullptr && pRight->nLength > 0)
        PaintArea(pDC, RightArea(sizeWindow, *pRight), ptScreen, *pRight, TRUE, &pCached, pCache);
    if (pBottom != nullptr && pBottom->nLength > 0)
        PaintArea(pDC, BottomArea(sizeWindow, *pBottom), ptScreen, *pBottom, FALSE, &pCached, pCache);
}
