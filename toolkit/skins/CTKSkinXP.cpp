#include "CTKSkinXP.h"

#include "CTKFrameSkinXP.h"
#include "CTKDockbarSkinXP.h"
#include "CTKMiniFrameSkinXP.h"
#include "CTKMemoryBitmapDC.h"
#include "CTKMenuSkinXP.h"
#include "CTKStatusbarSkinXP.h"
#include "CTKSystem.h"
#include "CTKTabSkinXP.h"
#include "CTKToolbarSkinXP.h"

#include <algorithm>

namespace {

int Red(COLORREF c) { return GetRValue(c); }
int Green(COLORREF c) { return GetGValue(c); }
int Blue(COLORREF c) { return GetBValue(c); }

int ClampChannel(int n)
{
    return std::clamp(n, 0, 255);
}

// The weights are single-precision; the sum is formed in double. Summed in
// single precision some blends come out one higher: the checked item's blue,
// 212 * 0.42 + 255 * 0.48 + 106 * 0.1, is 216.99999... in double and 217 in
// float. Double matches the colours the look was drawn with.
int BlendChannel(int n1, int n2, int n3, float w1, float w2, float w3)
{
    double dValue = n1 * static_cast<double>(w1) + n2 * static_cast<double>(w2) + n3 * static_cast<double>(w3);
    return ClampChannel(static_cast<int>(dValue));
}

int ScaleChannel(int n, float f)
{
    return ClampChannel(static_cast<int>(n * static_cast<double>(f)));
}

}  // namespace

CTKSkinXP::CTKSkinXP() : CTKSkin("Office XP")
{
    m_pToolbarSkin = std::make_unique<CTKToolbarSkinXP>(this);
    m_pMenuBarToolbarSkin = std::make_unique<CTKToolbarSkinXP>(this);
    m_pMenuSkin = std::make_unique<CTKMenuSkinXP>(this);
    m_pTabSkin = std::make_unique<CTKTabSkinXP>(this);
    m_pStatusbarSkin = std::make_unique<CTKStatusbarSkinXP>(this);
    m_pFrameSkin = std::make_unique<CTKFrameSkinXP>(this);
    m_pDockbarSkin = std::make_unique<CTKDockbarSkinXP>(this);
    m_pMiniFrameSkin = std::make_unique<CTKMiniFrameSkinXP>(this);
}

// The virtual base is made by the most derived skin, with that skin's name.
CTKSkinXP::CTKSkinXP(NoPartSkins) : CTKSkin("")
{
}

int CTKSkinXP::GetType() const
{
    return 1;
}

COLORREF CTKSkinXP::BlendColors(COLORREF c1, COLORREF c2, COLORREF c3, float w1, float w2, float w3)
{
    return RGB(BlendChannel(Red(c1), Red(c2), Red(c3), w1, w2, w3),
               BlendChannel(Green(c1), Green(c2), Green(c3), w1, w2, w3),
               BlendChannel(Blue(c1), Blue(c2), Blue(c3), w1, w2, w3));
}

COLORREF CTKSkinXP::AdjustColor(COLORREF c, int dr, int dg, int db)
{
    return RGB(ClampChannel(Red(c) + dr), ClampChannel(Green(c) + dg), ClampChannel(Blue(c) + db));
}

COLORREF CTKSkinXP::ScaleColor(COLORREF c, float fr, float fg, float fb)
{
    return RGB(ScaleChannel(Red(c), fr), ScaleChannel(Green(c), fg), ScaleChannel(Blue(c), fb));
}

COLORREF CTKSkinXP::InvertColor(COLORREF c)
{
    return RGB(255 - Red(c), 255 - Green(c), 255 - Blue(c));
}

COLORREF CTKSkinXP::GetLightButtonFaceColor()
{
    return ScaleColor(SysColor(COLOR_BTNFACE), 1.2f, 1.2f, 1.2f);
}

COLORREF CTKSkinXP::SysColor(int nIndex)
{
    return CTKSystem::Current().GetSysColor(nIndex);
}

COLORREF CTKSkinXP::HotItemColorXP()
{
    return BlendColors(SysColor(COLOR_WINDOW), SysColor(COLOR_HIGHLIGHT), 0, 0.7f, 0.3f, 0);
}

COLORREF CTKSkinXP::CheckedItemColorXP()
{
    return BlendColors(SysColor(COLOR_BTNFACE), SysColor(COLOR_WINDOW), SysColor(COLOR_HIGHLIGHT), 0.42f,
                       0.48f, 0.1f);
}

COLORREF CTKSkinXP::CheckedHotItemColorXP()
{
    return BlendColors(SysColor(COLOR_WINDOW), SysColor(COLOR_HIGHLIGHT), 0, 0.5f, 0.5f, 0);
}

COLORREF CTKSkinXP::SeparatorColorXP()
{
    return AdjustColor(SysColor(COLOR_BTNSHADOW), 38, 38, 38);
}

COLORREF CTKSkinXP::GetHotItemColor() const { return HotItemColorXP(); }
COLORREF CTKSkinXP::GetCheckedItemColor() const { return CheckedItemColorXP(); }
COLORREF CTKSkinXP::GetCheckedHotItemColor() const { return CheckedHotItemColorXP(); }
COLORREF CTKSkinXP::GetHotItemBorderColor() const { return SysColor(COLOR_HIGHLIGHT); }

COLORREF CTKSkinXP::GetMenuBackgroundColor() const
{
    return BlendColors(SysColor(COLOR_WINDOW), SysColor(COLOR_BTNFACE), 0, 0.86f, 0.14f, 0);
}

COLORREF CTKSkinXP::GetMenuBorderColor() const { return SysColor(COLOR_BTNSHADOW); }

COLORREF CTKSkinXP::GetToolbarBackgroundColor() const
{
    return BlendColors(SysColor(COLOR_WINDOW), SysColor(COLOR_BTNFACE), 0, 0.16f, 0.84f, 0);
}

COLORREF CTKSkinXP::GetDockbarBackgroundColor() const { return SysColor(COLOR_BTNFACE); }

COLORREF CTKSkinXP::GetInactiveTabTextColor() const
{
    return AdjustColor(SysColor(COLOR_GRAYTEXT), -8, -12, -22);
}

COLORREF CTKSkinXP::GetSeparatorColor() const { return SeparatorColorXP(); }
COLORREF CTKSkinXP::GetBorderColor() const { return SysColor(COLOR_BTNSHADOW); }

COLORREF CTKSkinXP::GetGripperColor() const
{
    return AdjustColor(SysColor(COLOR_BTNSHADOW), 32, 32, 32);
}

COLORREF CTKSkinXP::GetMiniFrameCaptionColor() const { return SysColor(COLOR_BTNSHADOW); }
COLORREF CTKSkinXP::GetMiniFrameCaptionTextColor() const { return SysColor(COLOR_CAPTIONTEXT); }

COLORREF CTKSkinXP::GetMiniFrameBorderColor() const
{
    return AdjustColor(SysColor(COLOR_BTNSHADOW), -9, -9, -9);
}

COLORREF CTKSkinXP::GetMiniFrameBackgroundColor() const { return GetToolbarBackgroundColor(); }
COLORREF CTKSkinXP::GetDisabledTextColor() const { return SysColor(COLOR_GRAYTEXT); }
COLORREF CTKSkinXP::GetMenuDisabledColor() const { return GetSeparatorColor(); }

// The mask method: the bitmap XORed in, the mask ANDed, the bitmap XORed
// again leaves the target unchanged where the mask is white.
void CTKSkinXP::DrawTransparent(CBitmap* pBitmap, CDC* pDC, int x, int y, int cx, int cy,
                                COLORREF crTransparent)
{
    DrawTransparentStretched(pBitmap, pDC, CRect(x, y, x + cx, y + cy), CRect(0, 0, cx, cy), crTransparent);
}

void CTKSkinXP::DrawTransparentStretched(CBitmap* pBitmap, CDC* pDC, const CRect& rectTarget,
                                         const CRect& rectSource, COLORREF crTransparent)
{
    const int cx = rectSource.right;
    const int cy = rectSource.bottom;
    CDC imageDC;
    imageDC.CreateCompatibleDC(pDC);
    CBitmap* pOldImage = imageDC.SelectObject(pBitmap);
    CDC maskDC;
    maskDC.CreateCompatibleDC(pDC);
    CBitmap mask;
    mask.CreateBitmap(cx, cy, 1, 1, nullptr);
    CBitmap* pOldMask = maskDC.SelectObject(&mask);
    COLORREF crOldImageBk = imageDC.SetBkColor(crTransparent);
    maskDC.BitBlt(0, 0, cx, cy, &imageDC, 0, 0, SRCCOPY);
    imageDC.SetBkColor(crOldImageBk);

    COLORREF crOldText = pDC->SetTextColor(RGB(0, 0, 0));
    COLORREF crOldBk = pDC->SetBkColor(RGB(255, 255, 255));
    // Whole pixels are dropped or repeated, so that the mask and the image
    // stay in step.
    const int nOldMode = pDC->SetStretchBltMode(COLORONCOLOR);
    const auto blit = [&](CDC* pSourceDC, DWORD dwRop) {
        pDC->StretchBlt(rectTarget.left, rectTarget.top, rectTarget.Width(), rectTarget.Height(), pSourceDC,
                        rectSource.left, rectSource.top, rectSource.Width(), rectSource.Height(), dwRop);
    };
    blit(&imageDC, SRCINVERT);
    blit(&maskDC, SRCAND);
    blit(&imageDC, SRCINVERT);
    pDC->SetStretchBltMode(nOldMode);
    pDC->SetTextColor(crOldText);
    pDC->SetBkColor(crOldBk);
    maskDC.SelectObject(pOldMask);
    imageDC.SelectObject(pOldImage);
}

BOOL CTKSkinXP::FillFrameButtonBackground(CDC* pDC, const CRect& rectButton, const CRect&, COLORREF crBackground,
                                          CWnd*) const
{
    pDC->FillSolidRect(&rectButton, crBackground);
    return TRUE;
}

// The button is composed off screen and copied in one piece, so it does not
// flicker while the mouse moves over it.
void CTKSkinXP::DrawFrameButton(CDC* pDC, CRect rect, UINT nState, BOOL bOverlay, BOOL bActive,
                                COLORREF crBackground, CWnd* pWnd) const
{
    const int d = bActive ? 64 : -96;
    COLORREF crOverlay = AdjustColor(crBackground, d, d, d);
    if (bOverlay)
        bActive = FALSE;

    CPoint ptCursor = CTKSystem::Current().GetCursorPos();
    CRect rectWindow;
    pWnd->GetWindowRect(&rectWindow);
    ptCursor.Offset(-rectWindow.left, -rectWindow.top);
    const BOOL bCaptured = CTKSystem::Current().GetCapture() != nullptr;
    const BOOL bInside = rect.PtInRect(ptCursor);

    const int cx = rect.Width();
    const int cy = rect.Height();
    CTKMemoryBitmapDC button(pDC, cx, cy);
    CRect rectLocal(0, 0, cx, cy);
    if (bInside && !bOverlay) {
        CBrush brush(bCaptured ? GetCheckedHotItemColor() : GetHotItemColor());
        CPen pen(PS_SOLID, 1, GetHotItemBorderColor());
        CBrush* pOldBrush = button.m_dc.SelectObject(&brush);
        CPen* pOldPen = button.m_dc.SelectObject(&pen);
        button.m_dc.Rectangle(&rectLocal);
        button.m_dc.SelectObject(pOldPen);
        button.m_dc.SelectObject(pOldBrush);
    } else if (!FillFrameButtonBackground(&button.m_dc, rectLocal, rect, crBackground, pWnd)) {
        return;
    }

    CTKMemoryBitmapDC glyph(pDC, std::max(cx - 4, 1), std::max(cy - 4, 1));
    CRect rectGlyph(-2, -2, cx - 2, cy - 2);
    glyph.m_dc.DrawFrameControl(&rectGlyph, DFC_CAPTION, nState | DFCS_FLAT);
    COLORREF crTransparent = SysColor(COLOR_BTNFACE);
    if ((bInside && bCaptured) || (bActive && !bInside)) {
        glyph.m_dc.PatBlt(0, 0, cx - 4, cy - 4, PATINVERT);
        crTransparent = InvertColor(crTransparent);
    }
    DrawTransparent(glyph.TakeBitmap(), &button.m_dc, 2, 2, cx - 4, cy - 4, crTransparent);

    if (!bOverlay) {
        pDC->BitBlt(rect.left, rect.top, cx, cy, &button.m_dc, 0, 0, SRCCOPY);
        return;
    }
    CTKMemoryBitmapDC overlay(pDC, cx, cy);
    overlay.m_dc.FillSolidRect(&rectLocal, crOverlay);
    DrawTransparent(button.TakeBitmap(), &overlay.m_dc, 0, 0, cx, cy, RGB(0, 0, 0));
    pDC->BitBlt(rect.left, rect.top, cx, cy, &overlay.m_dc, 0, 0, SRCCOPY);
}
