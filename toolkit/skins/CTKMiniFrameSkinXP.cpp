#include "CTKMiniFrameSkinXP.h"

#include "CTKMemoryBitmapDC.h"
#include "CTKSizableMiniDockFrameWnd.h"
#include "CTKSkinXP.h"
#include "CTKSystem.h"
#include "CTKWindowGeometry.h"

namespace {

const int kBorder = 2;

}  // namespace

CTKMiniFrameSkinXP::CTKMiniFrameSkinXP(CTKSkinXP* pSkin) : m_pSkin(pSkin)
{
    m_fontCaption.CreatePointFont(85, "Tahoma BOLD");
}

CRect CTKMiniFrameSkinXP::CaptionRect(CWnd* pFrame)
{
    const CRect rectWindow = CTKWindowGeometry::WindowRect(pFrame);
    return CRect(kBorder + 1, kBorder + 1, rectWindow.right - kBorder - 1,
                 CTKWindowGeometry::ClientRectInWindow(pFrame).top - 2);
}

CRect CTKMiniFrameSkinXP::CloseButtonRect(CWnd* pFrame)
{
    const CRect rectCaption = CaptionRect(pFrame);
    return CRect(rectCaption.right - rectCaption.Height(), rectCaption.top, rectCaption.right, rectCaption.bottom);
}

// --- the operations the frame calls: its window DC ---------------------------

void CTKMiniFrameSkinXP::DrawNonClient(CTKSizableMiniDockFrameWnd* pFrame)
{
    CWindowDC dc(pFrame);
    PaintNonClient(&dc, pFrame);
}

// The skin paints the active and inactive frame alike.
BOOL CTKMiniFrameSkinXP::OnNcActivate(BOOL, CTKSizableMiniDockFrameWnd*)
{
    return TRUE;
}

void CTKMiniFrameSkinXP::DrawCaption(CTKSizableMiniDockFrameWnd* pFrame)
{
    CWindowDC dc(pFrame);
    PaintCaption(&dc, pFrame);
}

BOOL CTKMiniFrameSkinXP::DrawCloseButton(CTKSizableMiniDockFrameWnd* pFrame)
{
    CWindowDC dc(pFrame);
    PaintCloseButton(&dc, pFrame);
    return TRUE;
}

// --- painting ---------------------------------------------------------------

void CTKMiniFrameSkinXP::PaintNonClient(CDC* pDC, CTKSizableMiniDockFrameWnd* pFrame)
{
    const CRect rectWindow = CTKWindowGeometry::WindowRect(pFrame);
    const COLORREF crBorder = m_pSkin->GetMiniFrameBorderColor();
    const int nSaved = pDC->SaveDC();
    pDC->ExcludeClipRect(CTKWindowGeometry::ClientRectInWindow(pFrame));
    pDC->FillSolidRect(&rectWindow, crBorder);
    CRect rectInner = rectWindow;
    rectInner.DeflateRect(kBorder, kBorder);
    pDC->FillSolidRect(&rectInner, m_pSkin->GetMiniFrameBackgroundColor());
    // Rounds the inner rectangle's corners off.
    pDC->SetPixel(rectInner.left, rectInner.top, crBorder);
    pDC->SetPixel(rectInner.right - 1, rectInner.top, crBorder);
    pDC->SetPixel(rectInner.left, rectInner.bottom - 1, crBorder);
    pDC->SetPixel(rectInner.right - 1, rectInner.bottom - 1, crBorder);
    pDC->RestoreDC(nSaved);
    PaintCaption(pDC, pFrame);
}

void CTKMiniFrameSkinXP::PaintCaption(CDC* pDC, CTKSizableMiniDockFrameWnd* pFrame)
{
    CRect rectCaption = CaptionRect(pFrame);
    pDC->FillSolidRect(&rectCaption, m_pSkin->GetMiniFrameCaptionColor());
    CString sTitle;
    pFrame->GetWindowText(sTitle);
    CFont* pOldFont = pDC->SelectObject(&m_fontCaption);
    pDC->SetTextColor(m_pSkin->GetMiniFrameCaptionTextColor());
    pDC->SetBkMode(TRANSPARENT);
    CRect rectText = rectCaption;
    rectText.DeflateRect(3, 0);
    pDC->DrawText(sTitle, &rectText, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    pDC->SelectObject(pOldFont);
    PaintCloseButton(pDC, pFrame);
}

// Under the mouse the button lights up in the hot colours, pressed while
// the left button is down; composed in a memory bitmap and copied in one
// piece, so it does not flicker while the mouse moves over it.
void CTKMiniFrameSkinXP::PaintCloseButton(CDC* pDC, CTKSizableMiniDockFrameWnd* pFrame)
{
    if (!pFrame->HasSystemMenuItems())
        return;
    const CRect rectButton = CloseButtonRect(pFrame);
    if (rectButton.IsRectEmpty())
        return;
    CRect rectWindow;
    pFrame->GetWindowRect(&rectWindow);
    CPoint ptCursor = CTKSystem::Current().GetCursorPos();
    ptCursor.Offset(-rectWindow.left, -rectWindow.top);
    CRect rectHot = rectButton;
    rectHot.DeflateRect(0, 0, 1, 1);
    const BOOL bHot = rectHot.PtInRect(ptCursor);
    const BOOL bPressed = bHot && ::GetKeyState(VK_LBUTTON) < 0;

    CTKMemoryBitmapDC button(pDC, rectButton.Width(), rectButton.Height());
    CRect rectLocal(0, 0, rectButton.Width(), rectButton.Height());
    COLORREF crCross = m_pSkin->GetMiniFrameCaptionTextColor();
    if (bHot) {
        button.m_dc.FillSolidRect(&rectLocal, m_pSkin->GetHotItemBorderColor());
        CRect rectFill = rectLocal;
        rectFill.DeflateRect(1, 1);
        button.m_dc.FillSolidRect(&rectFill, bPressed ? m_pSkin->GetCheckedHotItemColor() : m_pSkin->GetHotItemColor());
        crCross = CTKSkinXP::SysColor(bPressed ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
    } else {
        button.m_dc.FillSolidRect(&rectLocal, m_pSkin->GetMiniFrameCaptionColor());
    }
    DrawCross(&button.m_dc, rectLocal, crCross);
    pDC->BitBlt(rectButton.left, rectButton.top, rectButton.Width(), rectButton.Height(), &button.m_dc, 0, 0,
                SRCCOPY);
}

// Both diagonals of the square less 4 on the left and top and 5 on the
// right and bottom, twice, the second time a pixel to the right.
void CTKMiniFrameSkinXP::DrawCross(CDC* pDC, const CRect& rectSquare, COLORREF crCross)
{
    const CRect rect(rectSquare.left + 4, rectSquare.top + 4, rectSquare.right - 5, rectSquare.bottom - 5);
    CPen pen(PS_SOLID, 1, crCross);
    CPen* pOldPen = pDC->SelectObject(&pen);
    for (int dx = 0; dx <= 1; ++dx) {
        pDC->MoveTo(rect.left + dx, rect.top);
        pDC->LineTo(rect.right + dx + 1, rect.bottom + 1);
        pDC->MoveTo(rect.left + dx, rect.bottom);
        pDC->LineTo(rect.right + dx + 1, rect.top - 1);
    }
    pDC->SelectObject(pOldPen);
}
