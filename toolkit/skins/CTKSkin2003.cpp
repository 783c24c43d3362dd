#include "CTKSkin2003.h"

#include "CTKMenuSkin2003.h"
#include "CTKFrameSkin2003.h"
#include "CTKDockbarSkin2003.h"
#include "CTKMiniFrameSkinXP.h"
#include "CTKSizeControlBar.h"
#include "CTKStatusbarSkin2003.h"
#include "CTKSystem.h"
#include "CTKTabSkin2003.h"
#include "CTKToolbarSkin2003.h"
#include "CTKToolbarSkinXP.h"

#include <algorithm>

namespace {

// Theme colour indexes of GetThemeSysColor.
const int kThemeHighlight = COLOR_HIGHLIGHT;
const int kThemeActiveCaption = COLOR_ACTIVECAPTION;

using GradientFillProc = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

// A gradient vertex: each 16-bit channel holds the 8-bit value in its high
// byte.
TRIVERTEX Vertex(LONG x, LONG y, COLORREF cr)
{
    TRIVERTEX vertex{};
    vertex.x = x;
    vertex.y = y;
    vertex.Red = static_cast<COLOR16>(GetRValue(cr) << 8);
    vertex.Green = static_cast<COLOR16>(GetGValue(cr) << 8);
    vertex.Blue = static_cast<COLOR16>(GetBValue(cr) << 8);
    return vertex;
}

int Interpolate(int nStart, int nEnd, int i, int n)
{
    return nStart + (nEnd - nStart) * i / n;
}

void DrawLine(CDC* pDC, int x1, int y1, int x2, int y2)
{
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}

}  // namespace

// The menu bar's toolbar keeps the XP look.
CTKSkin2003::CTKSkin2003() : CTKSkin("Office 2003"), CTKSkinXP(NoPartSkins{})
{
    m_pToolbarSkin = std::make_unique<CTKToolbarSkin2003>(this);
    m_pMenuBarToolbarSkin = std::make_unique<CTKToolbarSkinXP>(this);
    m_pMenuSkin = std::make_unique<CTKMenuSkin2003>(this);
    m_pTabSkin = std::make_unique<CTKTabSkin2003>(this);
    m_pStatusbarSkin = std::make_unique<CTKStatusbarSkin2003>(this);
    m_pFrameSkin = std::make_unique<CTKFrameSkin2003>(this);
    m_pDockbarSkin = std::make_unique<CTKDockbarSkin2003>(this);
    m_pMiniFrameSkin = std::make_unique<CTKMiniFrameSkinXP>(this);
    m_hMsimg32 = CTKSystem::Current().LoadLibrary("Msimg32.dll");
    m_pfnGradientFill = m_hMsimg32 != nullptr ? CTKSystem::Current().GetProcAddress(m_hMsimg32, "GradientFill")
                                               : nullptr;
}

CTKSkin2003::~CTKSkin2003()
{
    if (m_hMsimg32 != nullptr)
        CTKSystem::Current().FreeLibrary(m_hMsimg32);
}

// The theme data is closed again at once: the colours are read at every
// paint of every item, and a handle kept open per call would pile up for
// as long as the program runs.
CTKSkin2003::ThemeColors CTKSkin2003::ReadThemeColors() const
{
    ThemeColors colors;
    HTHEME hTheme = m_uxTheme.OpenThemeData(nullptr, "button");
    if (hTheme == nullptr)
        return colors;
    colors.bThemed = TRUE;
    colors.crHighlight = m_uxTheme.GetThemeSysColor(hTheme, kThemeHighlight);
    colors.crCaption = m_uxTheme.GetThemeSysColor(hTheme, kThemeActiveCaption);
    m_uxTheme.CloseThemeData(hTheme);
    return colors;
}

COLORREF CTKSkin2003::WindowHighlightBlend(float wWindow, float wHighlight, COLORREF crUnthemed) const
{
    ThemeColors theme = ReadThemeColors();
    return theme.bThemed ? BlendColors(SysColor(COLOR_WINDOW), theme.crHighlight, 0, wWindow, wHighlight, 0)
                         : crUnthemed;
}

COLORREF CTKSkin2003::WindowFaceBlend(float wWindow, float wFace)
{
    return BlendColors(SysColor(COLOR_WINDOW), SysColor(COLOR_BTNFACE), 0, wWindow, wFace, 0);
}

COLORREF CTKSkin2003::GetHotItemColor() const
{
    return ReadThemeColors().bThemed ? RGB(255, 238, 194) : HotItemColorXP();
}

COLORREF CTKSkin2003::GetCheckedItemColor() const
{
    return ReadThemeColors().bThemed ? RGB(255, 192, 111) : CheckedItemColorXP();
}

COLORREF CTKSkin2003::GetCheckedHotItemColor() const
{
    return ReadThemeColors().bThemed ? RGB(254, 128, 62) : CheckedHotItemColorXP();
}

COLORREF CTKSkin2003::GetHotItemBorderColor() const
{
    ThemeColors theme = ReadThemeColors();
    return theme.bThemed ? AdjustColor(theme.crCaption, 0, -84, -99) : SysColor(COLOR_HIGHLIGHT);
}

COLORREF CTKSkin2003::GetMenuBackgroundColor() const
{
    return ReadThemeColors().bThemed ? RGB(246, 246, 246) : CTKSkinXP::GetMenuBackgroundColor();
}

COLORREF CTKSkin2003::GetMenuBorderColor() const
{
    ThemeColors theme = ReadThemeColors();
    return theme.bThemed ? BlendColors(theme.crCaption, 0, 0, 0.55f, 0.45f, 0) : SysColor(COLOR_BTNSHADOW);
}

COLORREF CTKSkin2003::GetDockbarBackgroundColor() const
{
    return ReadThemeColors().bThemed ? GetMenuBarLightColor() : SysColor(COLOR_BTNFACE);
}

COLORREF CTKSkin2003::GetInactiveTabTextColor() const
{
    return SysColor(COLOR_BTNTEXT);
}

COLORREF CTKSkin2003::GetSeparatorColor() const
{
    return WindowHighlightBlend(0.2f, 0.8f, SeparatorColorXP());
}

COLORREF CTKSkin2003::GetBorderColor() const
{
    ThemeColors theme = ReadThemeColors();
    return theme.bThemed ? BlendColors(theme.crHighlight, 0, 0, 0.5f, 0.5f, 0) : SeparatorColorXP();
}

COLORREF CTKSkin2003::GetGripperColor() const
{
    ThemeColors theme = ReadThemeColors();
    return theme.bThemed ? BlendColors(theme.crHighlight, 0, 0, 0.7f, 0.3f, 0) : CTKSkinXP::GetGripperColor();
}

COLORREF CTKSkin2003::GetMiniFrameCaptionColor() const
{
    ThemeColors theme = ReadThemeColors();
    return theme.bThemed ? theme.crHighlight : SysColor(COLOR_BTNSHADOW);
}

COLORREF CTKSkin2003::GetMiniFrameBorderColor() const
{
    ThemeColors theme = ReadThemeColors();
    return theme.bThemed ? theme.crHighlight : CTKSkinXP::GetMiniFrameBorderColor();
}

COLORREF CTKSkin2003::GetMiniFrameBackgroundColor() const
{
    return GetDockbarBackgroundColor();
}

COLORREF CTKSkin2003::GetDisabledTextColor() const
{
    return ReadThemeColors().bThemed ? RGB(141, 141, 141) : SysColor(COLOR_GRAYTEXT);
}

COLORREF CTKSkin2003::GetMenuDisabledColor() const
{
    return ReadThemeColors().bThemed ? RGB(141, 141, 141) : GetSeparatorColor();
}

COLORREF CTKSkin2003::GetToolbarLightColor() const
{
    return WindowHighlightBlend(0.95f, 0.05f, WindowFaceBlend(0.78f, 0.22f));
}

COLORREF CTKSkin2003::GetToolbarDarkColor() const
{
    return WindowHighlightBlend(0.2f, 0.8f, WindowFaceBlend(0.04f, 0.96f));
}

COLORREF CTKSkin2003::GetMenuBarDarkColor() const
{
    return WindowHighlightBlend(0.5f, 0.5f, SysColor(COLOR_BTNFACE));
}

COLORREF CTKSkin2003::GetMenuBarLightColor() const
{
    return WindowHighlightBlend(0.7f, 0.3f, WindowFaceBlend(0.8f, 0.2f));
}

COLORREF CTKSkin2003::GetCaptionDarkColor() const
{
    return WindowHighlightBlend(0.2f, 0.8f, SysColor(COLOR_BTNFACE));
}

COLORREF CTKSkin2003::GetCaptionLightColor() const
{
    return WindowHighlightBlend(0.95f, 0.05f, WindowFaceBlend(0.73f, 0.27f));
}

COLORREF CTKSkin2003::GetMenuGradientLightColor() const
{
    return WindowHighlightBlend(0.95f, 0.05f, WindowFaceBlend(0.86f, 0.14f));
}

COLORREF CTKSkin2003::GetMenuGradientDarkColor() const
{
    return WindowHighlightBlend(0.2f, 0.8f, WindowFaceBlend(0.08f, 0.92f));
}

COLORREF CTKSkin2003::GetMenuGradientSecondDarkColor() const
{
    return WindowHighlightBlend(0.2f, 0.8f, WindowFaceBlend(0.58f, 0.42f));
}

COLORREF CTKSkin2003::GetHalfHighlightColor() const
{
    return WindowHighlightBlend(0.5f, 0.5f, GetToolbarBackgroundColor());
}

COLORREF CTKSkin2003::GetDockbarSeparatorColor() const
{
    return ReadThemeColors().bThemed ? GetHalfHighlightColor() : SeparatorColorXP();
}

COLORREF CTKSkin2003::GetStatusbarColor1() const
{
    ThemeColors theme = ReadThemeColors();
    return theme.bThemed ? BlendColors(SysColor(COLOR_WINDOW), theme.crHighlight, 0, 0.3f, 0.3f, 0.4f)
                         : SysColor(COLOR_BTNSHADOW);
}

COLORREF CTKSkin2003::GetStatusbarColor2() const
{
    return WindowHighlightBlend(0.6f, 0.4f, WindowFaceBlend(0.5f, 0.5f));
}

COLORREF CTKSkin2003::GetStatusbarColor3() const
{
    return WindowHighlightBlend(0.3f, 0.7f, WindowFaceBlend(0.2f, 0.8f));
}

COLORREF CTKSkin2003::GetHotButtonLightColor() const
{
    return ReadThemeColors().bThemed ? RGB(255, 244, 204) : HotItemColorXP();
}

COLORREF CTKSkin2003::GetHotButtonDarkColor() const
{
    return ReadThemeColors().bThemed ? RGB(255, 208, 145) : HotItemColorXP();
}

COLORREF CTKSkin2003::GetCheckedButtonLightColor() const
{
    return ReadThemeColors().bThemed ? RGB(255, 213, 140) : CheckedItemColorXP();
}

COLORREF CTKSkin2003::GetCheckedButtonDarkColor() const
{
    return ReadThemeColors().bThemed ? RGB(255, 173, 85) : CheckedItemColorXP();
}

COLORREF CTKSkin2003::GetPressedButtonDarkColor() const
{
    return ReadThemeColors().bThemed ? RGB(254, 145, 78) : CheckedHotItemColorXP();
}

COLORREF CTKSkin2003::GetPressedButtonLightColor() const
{
    return ReadThemeColors().bThemed ? RGB(255, 211, 142) : CheckedHotItemColorXP();
}

COLORREF CTKSkin2003::GetLightOrangeColor() const
{
    return RGB(247, 192, 91);
}

COLORREF CTKSkin2003::GetDarkOrangeColor() const
{
    return RGB(238, 149, 21);
}

void CTKSkin2003::GradientFillRect(CDC* pDC, const CRect& rect, COLORREF crStart, COLORREF crEnd,
                                   int nDirection) const
{
    if (m_pfnGradientFill == nullptr) {
        GradientFillLines(pDC, rect, crStart, crEnd, nDirection);
        return;
    }
    TRIVERTEX vertices[2] = {Vertex(rect.left, rect.top, crStart), Vertex(rect.right, rect.bottom, crEnd)};
    GRADIENT_RECT gradientRect = {0, 1};
    reinterpret_cast<GradientFillProc>(reinterpret_cast<void*>(m_pfnGradientFill))(
        pDC->GetSafeHdc(), vertices, 2, &gradientRect, 1,
        nDirection == 0 ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

// Line by line, without GradientFill: the end colour itself is never
// reached.
void CTKSkin2003::GradientFillLines(CDC* pDC, const CRect& rect, COLORREF crStart, COLORREF crEnd,
                                    int nDirection) const
{
    const int n = nDirection == 0 ? rect.Width() : rect.Height();
    for (int i = 0; i < n; ++i) {
        COLORREF cr = RGB(Interpolate(GetRValue(crStart), GetRValue(crEnd), i, n),
                          Interpolate(GetGValue(crStart), GetGValue(crEnd), i, n),
                          Interpolate(GetBValue(crStart), GetBValue(crEnd), i, n));
        CPen pen(PS_SOLID, 1, cr);
        CPen* pOldPen = pDC->SelectObject(&pen);
        if (nDirection == 0)
            DrawLine(pDC, rect.left + i, rect.top, rect.left + i, rect.bottom);
        else
            DrawLine(pDC, rect.left, rect.top + i, rect.right, rect.top + i);
        pDC->SelectObject(pOldPen);
    }
}

void CTKSkin2003::GradientFillCorners(CDC* pDC, const CRect& rect, COLORREF crTopLeft, COLORREF crTopRight,
                                      COLORREF crBottomLeft, COLORREF crBottomRight) const
{
    if (m_pfnGradientFill == nullptr) {
        if (rect.Width() < rect.Height())
            GradientFillLines(pDC, rect, crTopLeft, crTopRight, 0);
        else
            GradientFillLines(pDC, rect, crTopLeft, crBottomLeft, 1);
        return;
    }
    TRIVERTEX vertices[6] = {
        Vertex(rect.left, rect.top, crTopLeft),     Vertex(rect.right, rect.top, crTopRight),
        Vertex(rect.left, rect.bottom, crBottomLeft), Vertex(rect.right, rect.top, crTopRight),
        Vertex(rect.left, rect.bottom, crBottomLeft), Vertex(rect.right, rect.bottom, crBottomRight),
    };
    GRADIENT_TRIANGLE triangles[2] = {{0, 1, 2}, {3, 4, 5}};
    reinterpret_cast<GradientFillProc>(reinterpret_cast<void*>(m_pfnGradientFill))(
        pDC->GetSafeHdc(), vertices, 6, triangles, 2, GRADIENT_FILL_TRIANGLE);
}

// Each group: two lines of the gripper colour, a highlight line of the
// window colour below and right of them, and a short highlight line at
// offset 1 that closes the group's corner.
void CTKSkin2003::DrawGripperDots(CDC* pDC, const CRect& rect, BOOL bHorizontal) const
{
    CPen penDot(PS_SOLID, 1, GetGripperColor());
    CPen penLight(PS_SOLID, 1, SysColor(COLOR_WINDOW));
    CPen* pOldPen = pDC->SelectObject(&penDot);
    if (bHorizontal) {
        for (int y = rect.top; y <= rect.bottom; y += 4) {
            pDC->SelectObject(&penDot);
            DrawLine(pDC, rect.left, y, rect.right, y);
            DrawLine(pDC, rect.left, y + 1, rect.right, y + 1);
            pDC->SelectObject(&penLight);
            DrawLine(pDC, rect.left + 1, y + 2, rect.right + 1, y + 2);
            DrawLine(pDC, rect.left + 1, y + 2, rect.left + 1, y + 1);
        }
    } else {
        for (int x = rect.left; x <= rect.right; x += 4) {
            pDC->SelectObject(&penDot);
            DrawLine(pDC, x, rect.top, x, rect.bottom);
            DrawLine(pDC, x + 1, rect.top, x + 1, rect.bottom);
            pDC->SelectObject(&penLight);
            DrawLine(pDC, x + 2, rect.top + 1, x + 2, rect.bottom + 1);
            DrawLine(pDC, x + 2, rect.top + 1, x + 1, rect.top + 1);
        }
    }
    pDC->SelectObject(pOldPen);
}

// Behind a 2003 frame button lies the caption gradient of the sizable bar
// it sits on; on other windows the 2003 skin draws no frame buttons.
BOOL CTKSkin2003::FillFrameButtonBackground(CDC* pDC, const CRect& rectButton, const CRect& rectOnWindow,
                                            COLORREF, CWnd* pWnd) const
{
    auto* pBar = dynamic_cast<CTKSizeControlBar*>(pWnd);
    if (pBar == nullptr)
        return FALSE;
    CRect rectCaption = pBar->m_rectCaption;
    rectCaption.OffsetRect(-rectOnWindow.left + rectButton.left, -rectOnWindow.top + rectButton.top);
    const BOOL bHorizontal = (pBar->GetBarStyle() & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0;
    GradientFillRect(pDC, rectCaption, GetCaptionLightColor(), GetCaptionDarkColor(), bHorizontal ? 0 : 1);
    return TRUE;
}
