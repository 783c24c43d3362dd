#include "CTKDockbarSkinClassic.h"

#include "CTKMemoryBitmapDC.h"
#include "CTKSizeControlBar.h"
#include "CTKSizeDockBar.h"
#include "CTKSplitterRect.h"
#include "CTKSystem.h"
#include "CTKWindowGeometry.h"

#include <algorithm>

namespace {

const int kBorder = 5;
const int kCaptionThickness = 11;
const int kButtonSide = 11;
const int kTitleIndent = 6;
const int kGripperGap = 3;
const int kLeastGripperLength = 5;

// The caption font turned to read upwards along a vertical strip.
void MakeRotatedFont(const CFont& font, CFont& fontRotated)
{
    LOGFONT lf = {};
    font.GetLogFont(&lf);
    lf.lfEscapement = 900;
    lf.lfOrientation = 900;
    fontRotated.CreateFontIndirect(&lf);
}

// The longest start of sText that fits nLength pixels, with "..." when cut.
CString FitText(CDC* pDC, const CString& sText, int nLength)
{
    if (pDC->GetTextExtent(sText).cx <= nLength)
        return sText;
    for (int n = sText.GetLength() - 1; n > 0; --n) {
        CString sCut = sText.Left(n) + "...";
        if (pDC->GetTextExtent(sCut).cx <= nLength)
            return sCut;
    }
    return CString();
}

}  // namespace

CTKDockbarSkinClassic::CTKDockbarSkinClassic() : CTKDockbarSkinClassic(2)
{
    m_fontCaption.CreatePointFont(100, "Arial");
    m_fontSolidCaption.CreatePointFont(80, "Arial");
}

CTKDockbarSkinClassic::CTKDockbarSkinClassic(int nButtonSpacing) : m_nButtonSpacing(nButtonSpacing)
{
}

// --- geometry -------------------------------------------------------------

BOOL CTKDockbarSkinClassic::HasCaption(CTKSizeControlBar* pBar)
{
    return !(pBar->GetSizeBarStyle() & TKSBS_NOCAPTION) && !(pBar->GetBarStyle() & CBRS_FLOATING);
}

BOOL CTKDockbarSkinClassic::IsVerticalStrip(CTKSizeControlBar* pBar)
{
    return (pBar->GetBarStyle() & CBRS_ORIENT_HORZ) != 0;
}

BOOL CTKDockbarSkinClassic::IsSolidCaption(CTKSizeControlBar* pBar)
{
    return (pBar->GetSizeBarStyle() & TKSBS_SOLIDCAPTION) != 0;
}

COLORREF CTKDockbarSkinClassic::SysColor(int nIndex)
{
    return CTKSystem::Current().GetSysColor(nIndex);
}

void CTKDockbarSkinClassic::InsetClientRect(CTKSizeControlBar* pBar, LPRECT lpRect, int nCaption)
{
    ::InflateRect(lpRect, -kBorder, -kBorder);
    if (!HasCaption(pBar))
        return;
    if (IsVerticalStrip(pBar))
        lpRect->left = std::min(lpRect->left + nCaption, lpRect->right);
    else
        lpRect->top = std::min(lpRect->top + nCaption, lpRect->bottom);
}

void CTKDockbarSkinClassic::CalcClientRect(CTKSizeControlBar* pBar, LPRECT lpRect)
{
    InsetClientRect(pBar, lpRect, kBorder + kCaptionThickness);
}

CRect CTKDockbarSkinClassic::ButtonSquare(const CRect& rectCaption, BOOL bVertical, int nSide, int nOffset)
{
    if (bVertical)
        return CRect(rectCaption.left, rectCaption.top + nOffset, rectCaption.left + nSide,
                     rectCaption.top + nOffset + nSide);
    return CRect(rectCaption.right - nOffset - nSide, rectCaption.top, rectCaption.right - nOffset,
                 rectCaption.top + nSide);
}

void CTKDockbarSkinClassic::ShortenCaption(CRect& rectCaption, BOOL bVertical, int nLength)
{
    if (bVertical)
        rectCaption.top += nLength;
    else
        rectCaption.right -= nLength;
}

void CTKDockbarSkinClassic::LayoutCaption(CTKSizeControlBar* pBar)
{
    CRect rectCaption = CTKWindowGeometry::WindowRect(pBar);
    rectCaption.DeflateRect(kBorder, kBorder);
    pBar->m_rectCloseButton.SetRectEmpty();
    pBar->m_rectExpandButton.SetRectEmpty();
    if (!HasCaption(pBar)) {
        pBar->m_rectCaption = rectCaption;
        return;
    }
    const BOOL bVertical = IsVerticalStrip(pBar);
    if (bVertical)
        rectCaption.right = rectCaption.left + kCaptionThickness;
    else
        rectCaption.bottom = rectCaption.top + kCaptionThickness;
    const DWORD dwStyle = pBar->GetSizeBarStyle();
    if (!(dwStyle & TKSBS_NOCLOSEBUTTON)) {
        pBar->m_rectCloseButton = ButtonSquare(rectCaption, bVertical, kButtonSide, 0);
        ShortenCaption(rectCaption, bVertical, kButtonSide + m_nButtonSpacing);
    }
    if (!(dwStyle & TKSBS_NOEXPANDBUTTON)) {
        pBar->m_rectExpandButton = ButtonSquare(rectCaption, bVertical, kButtonSide, 0);
        ShortenCaption(rectCaption, bVertical, kButtonSide + m_nButtonSpacing);
    }
    pBar->m_rectCaption = rectCaption;
}

int CTKDockbarSkinClassic::GetButtonSpacing() const
{
    return m_nButtonSpacing;
}

// --- caption ----------------------------------------------------------------

int CTKDockbarSkinClassic::DrawTitle(CDC* pDC, CTKSizeControlBar* pBar, const CRect& rectCaption,
                                     CFont& font, COLORREF crText)
{
    CString sTitle;
    pBar->GetWindowText(sTitle);
    if ((pBar->GetSizeBarStyle() & TKSBS_NOCAPTIONTEXT) || sTitle.IsEmpty())
        return 0;
    const BOOL bVertical = IsVerticalStrip(pBar);
    CFont fontRotated;
    if (bVertical)
        MakeRotatedFont(font, fontRotated);
    CFont* pOldFont = pDC->SelectObject(bVertical ? &fontRotated : &font);
    const int nLength = (bVertical ? rectCaption.Height() : rectCaption.Width()) - kTitleIndent;
    const CString sShown = FitText(pDC, sTitle, nLength);
    const CSize sizeText = pDC->GetTextExtent(sShown);
    pDC->SetTextColor(crText);
    pDC->SetBkMode(TRANSPARENT);
    if (bVertical)
        pDC->TextOut(rectCaption.left + (rectCaption.Width() - sizeText.cy) / 2, rectCaption.bottom - kTitleIndent,
                     sShown);
    else
        pDC->TextOut(rectCaption.left + kTitleIndent, rectCaption.top + (rectCaption.Height() - sizeText.cy) / 2,
                     sShown);
    pDC->SelectObject(pOldFont);
    return sShown.IsEmpty() ? 0 : kTitleIndent + sizeText.cx;
}

CRect CTKDockbarSkinClassic::GripperSpace(const CRect& rectCaption, BOOL bVertical, int nUsed)
{
    CRect rect = rectCaption;
    const int nSkip = nUsed > 0 ? nUsed + kGripperGap : 0;
    if (bVertical)
        rect.bottom -= nSkip;
    else
        rect.left += nSkip;
    if ((bVertical ? rect.Height() : rect.Width()) <= kLeastGripperLength)
        rect.SetRectEmpty();
    return rect;
}

void CTKDockbarSkinClassic::DrawCaption(CDC* pDC, CTKSizeControlBar* pBar)
{
    if (!HasCaption(pBar))
        return;
    CRect rectCaption = pBar->m_rectCaption;
    const BOOL bActive = pBar->m_bActive;
    if (IsSolidCaption(pBar)) {
        pDC->FillSolidRect(&rectCaption, SysColor(bActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
        DrawTitle(pDC, pBar, rectCaption, m_fontSolidCaption,
                  SysColor(bActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        return;
    }
    rectCaption.DeflateRect(2, 2);
    const int nUsed = DrawTitle(pDC, pBar, rectCaption, m_fontCaption,
                                SysColor(bActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    const BOOL bVertical = IsVerticalStrip(pBar);
    DrawGripperBars(pDC, GripperSpace(rectCaption, bVertical, nUsed), bVertical);
}

// Two raised bars, 3 pixels thick, the second 4 pixels further across.
void CTKDockbarSkinClassic::DrawGripperBars(CDC* pDC, const CRect& rectSpace, BOOL bVertical)
{
    if (rectSpace.IsRectEmpty())
        return;
    for (int nAcross = 0; nAcross <= 4; nAcross += 4) {
        CRect rect = bVertical ? CRect(rectSpace.left + nAcross, rectSpace.top, rectSpace.left + nAcross + 3,
                                       rectSpace.bottom)
                               : CRect(rectSpace.left, rectSpace.top + nAcross, rectSpace.right,
                                       rectSpace.top + nAcross + 3);
        pDC->Draw3dRect(&rect, SysColor(COLOR_BTNHIGHLIGHT), SysColor(COLOR_BTNSHADOW));
    }
}

// --- caption buttons --------------------------------------------------------

// Composed in a memory bitmap and copied in one piece, so the button does
// not flicker while the mouse moves over it.
void CTKDockbarSkinClassic::DrawCaptionGlyph(CDC* pDC, const CRect& rect, UINT nState)
{
    if (rect.IsRectEmpty())
        return;
    CTKMemoryBitmapDC button(pDC, rect.Width(), rect.Height());
    CRect rectLocal(0, 0, rect.Width(), rect.Height());
    button.m_dc.DrawFrameControl(&rectLocal, DFC_CAPTION, nState);
    pDC->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &button.m_dc, 0, 0, SRCCOPY);
}

void CTKDockbarSkinClassic::DrawCloseButton(CDC* pDC, CTKSizeControlBar* pBar)
{
    const BOOL bPressed = pBar->m_nPressedButton == TKSB_PRESSED_CLOSE;
    DrawCaptionGlyph(pDC, pBar->m_rectCloseButton, DFCS_CAPTIONCLOSE | (bPressed ? DFCS_PUSHED : 0));
}

void CTKDockbarSkinClassic::DrawExpandButton(CDC* pDC, CTKSizeControlBar* pBar)
{
    UINT nState = pBar->m_bExpanded ? DFCS_CAPTIONMIN : DFCS_CAPTIONMAX;
    if (!pBar->CanExpand())
        nState |= DFCS_INACTIVE;
    if (pBar->m_nPressedButton == TKSB_PRESSED_EXPAND)
        nState |= DFCS_PUSHED;
    DrawCaptionGlyph(pDC, pBar->m_rectExpandButton, nState);
}

// --- backgrounds, splitters, dock bar ---------------------------------------

void CTKDockbarSkinClassic::DrawBackground(CDC* pDC, LPCRECT lpRect, CTKSizeControlBar*)
{
    pDC->FillSolidRect(lpRect, SysColor(COLOR_BTNFACE));
}

void CTKDockbarSkinClassic::DrawSplitter(CDC* pDC, CTKSplitterRect* pSplitter, CTKSizeDockBar*)
{
    struct EtchedLine {
        int nOffset;  // from the near edge when positive, else from the far edge
        int nColor;
    };
    static const EtchedLine kLines[] = {{1, COLOR_BTNFACE}, {2, COLOR_BTNHIGHLIGHT}, {-1, COLOR_WINDOWFRAME},
                                        {-2, COLOR_BTNSHADOW}};
    const CRect& rect = pSplitter->m_rect;
    const BOOL bVertical = pSplitter->m_nType == CTKSplitterRect::kVerticalStrip;
    for (const EtchedLine& line : kLines) {
        const COLORREF cr = SysColor(line.nColor);
        if (bVertical) {
            const int x = line.nOffset > 0 ? rect.left + line.nOffset : rect.right + line.nOffset;
            pDC->FillSolidRect(x, rect.top, 1, rect.Height(), cr);
        } else {
            const int y = line.nOffset > 0 ? rect.top + line.nOffset : rect.bottom + line.nOffset;
            pDC->FillSolidRect(rect.left, y, rect.Width(), 1, cr);
        }
    }
}

// The framework's non-client painting has drawn the border already.
void CTKDockbarSkinClassic::DrawDockBarBorder(CTKSizeDockBar*)
{
}

void CTKDockbarSkinClassic::FillDockBar(CDC* pDC, CTKSizeDockBar* pDockBar)
{
    CRect rect;
    pDockBar->GetClientRect(&rect);
    pDC->FillSolidRect(&rect, SysColor(COLOR_BTNFACE));
}

COLORREF CTKDockbarSkinClassic::GetFrameColor()
{
    return SysColor(COLOR_WINDOWFRAME);
}
