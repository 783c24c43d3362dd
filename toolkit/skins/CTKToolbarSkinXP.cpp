#include "CTKToolbarSkinXP.h"

#include "CTKMemoryBitmapDC.h"
#include "CTKMenuBar.h"
#include "CTKSkinXP.h"

#include <algorithm>

namespace {

const int kDropArrowPadding = 4;  // beside the arrow glyph in a drop-down part
const int kImageMargin = 3;
const int kListTextGap = 6;       // between a list button's image and its text
const UINT kTextFlags = DT_END_ELLIPSIS | DT_WORDBREAK;
const DWORD kShadowRop = 0x00B8074A;  // paints the brush where the mask is set
const UINT kFrameClose = 0;
const UINT kFrameMinimize = 1;
const UINT kFrameRestore = 3;

TBBUTTON GetButton(CTKCoolToolBar* pBar, int nIndex)
{
    TBBUTTON button = {};
    pBar->SendMessage(TB_GETBUTTON, nIndex, reinterpret_cast<LPARAM>(&button));
    return button;
}

CString GetButtonText(CTKCoolToolBar* pBar, const TBBUTTON& button, int nIndex)
{
    auto* pMenuBar = dynamic_cast<CTKMenuBar*>(pBar);
    if (pMenuBar != nullptr && (button.fsStyle & TBSTYLE_DROPDOWN) && !pBar->IsDropDownArrow())
        return pMenuBar->GetMenuItemText(nIndex);
    const int nLength = static_cast<int>(pBar->SendMessage(TB_GETBUTTONTEXT, button.idCommand, 0));
    if (nLength <= 0)
        return CString();
    CString sText;
    pBar->SendMessage(TB_GETBUTTONTEXT, button.idCommand,
                      reinterpret_cast<LPARAM>(sText.GetBuffer(nLength + 1)));
    sText.ReleaseBuffer();
    return sText;
}

// The drop-down part's width: the arrow glyph of an 8-point symbol font.
int MeasureArrowPart(CDC* pDC, CFont* pArrowFont)
{
    CFont* pOld = pDC->SelectObject(pArrowFont);
    CRect rect(0, 0, 0, 0);
    pDC->DrawText("6", 1, &rect, DT_CALCRECT | DT_SINGLELINE);
    pDC->SelectObject(pOld);
    return rect.Width() + kDropArrowPadding;
}

BOOL DrawsDropDownPart(const TBBUTTON& button, CTKCoolToolBar* pBar)
{
    return (button.fsStyle & TBSTYLE_DROPDOWN) &&
           (pBar->SendMessage(TB_GETEXTENDEDSTYLE) & TBSTYLE_EX_DRAWDDARROWS);
}

}  // namespace

CTKToolbarSkinXP::CTKToolbarSkinXP(CTKSkinXP* pSkin) : m_pSkin(pSkin)
{
}

BOOL CTKToolbarSkinXP::UseDefaultBackground()
{
    return FALSE;
}

// Dotted lines, every second pixel, across the bar's start.
void CTKToolbarSkinXP::DrawGripper(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar)
{
    if (pBar->GetBarStyle() & CBRS_FLOATING)
        return;
    static const CGripperShape kShape = {CRect(2, 6, 2, 5), CPoint(0, 0), CRect(3, 4, 7, 4), CPoint(0, 0), 3};
    const CRect rect = PlaceGripper(*pRect, pBar, kShape);
    const COLORREF clrGripper = m_pSkin->GetGripperColor();
    if (IsHorizontalBar(pBar)) {
        for (int y = rect.top; y <= rect.bottom; y += 2)
            pDC->FillSolidRect(rect.left, y, rect.Width(), 1, clrGripper);
    } else {
        for (int x = rect.left; x <= rect.right; x += 2)
            pDC->FillSolidRect(x, rect.top, 1, rect.Height(), clrGripper);
    }
}

void CTKToolbarSkinXP::DrawNonClientArea(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar)
{
    const COLORREF clrFace = CTKSkinXP::SysColor(COLOR_BTNFACE);
    const BOOL bMenuBar = dynamic_cast<CTKMenuBar*>(pBar) != nullptr;
    CRect rect = *pRect;
    pDC->FillSolidRect(&rect, bMenuBar ? clrFace : m_pSkin->GetToolbarBackgroundColor());
    CBrush brushFace(clrFace);
    pDC->FrameRect(&rect, &brushFace);
    rect.DeflateRect(1, 1);
    pDC->FrameRect(&rect, &brushFace);
    // Round corners.
    rect.DeflateRect(1, 1);
    pDC->SetPixel(rect.left, rect.top, clrFace);
    pDC->SetPixel(rect.right - 1, rect.top, clrFace);
    pDC->SetPixel(rect.left, rect.bottom - 1, clrFace);
    pDC->SetPixel(rect.right - 1, rect.bottom - 1, clrFace);
}

void CTKToolbarSkinXP::DrawSeparator(CDC* pDC, CRect* pRect, CTKCoolToolBar*)
{
    const CRect& r = *pRect;
    const COLORREF clr = m_pSkin->GetSeparatorColor();
    if (r.Width() >= r.Height())
        pDC->FillSolidRect(r.left, (r.top + r.bottom) / 2 - 1, r.Width(), 1, clr);
    else
        pDC->FillSolidRect((r.left + r.right) / 2 - 1, r.top, 1, r.Height(), clr);
}

void CTKToolbarSkinXP::DrawSelectionFrame(CDC* pDC, CRect* pRect, CTKCoolToolBar*)
{
    CBrush brush(CTKSkinXP::SysColor(COLOR_BTNTEXT));
    CRect rect = *pRect;
    pDC->FrameRect(&rect, &brush);
    rect.DeflateRect(1, 1);
    pDC->FrameRect(&rect, &brush);
}

void CTKToolbarSkinXP::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult, CTKCoolToolBar* pBar)
{
    if (!BeginCustomDraw(pNMHDR, pResult, pBar))
        return;
    auto* pDraw = reinterpret_cast<NMCUSTOMDRAW*>(pNMHDR);
    if (pDraw->dwDrawStage != CDDS_PREPAINT) {
        *pResult = 0;
        return;
    }
    PaintBar(CDC::FromHandle(pDraw->hdc), pBar);
    *pResult = CDRF_SKIPDEFAULT;
}

// The bar is composed off screen and copied in one piece, so buttons never
// flicker over their background.
void CTKToolbarSkinXP::PaintBar(CDC* pDC, CTKCoolToolBar* pBar)
{
    CRect rectClient;
    pBar->GetClientRect(&rectClient);
    CTKMemoryBitmapDC canvas(pDC, rectClient.Width(), rectClient.Height());
    CDC& dcMem = canvas.m_dc;
    DrawBackground(&dcMem, pBar);

    const int nCount = static_cast<int>(pBar->SendMessage(TB_BUTTONCOUNT));
    for (int i = 0; i < nCount; ++i) {
        const TBBUTTON button = GetButton(pBar, i);
        if (button.fsState & TBSTATE_HIDDEN)
            continue;
        CRect rect;
        pBar->SendMessage(TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rect));
        if (!(button.fsStyle & TBSTYLE_SEP)) {
            DrawButton(&dcMem, button, rect, pBar, TRUE);
        } else if (button.fsState & TBSTATE_WRAP) {
            // A wrapping separator becomes a line across the bar between rows.
            CRect rectLine(rectClient.left, rect.bottom - rect.Width(), rectClient.right, rect.bottom);
            pBar->DrawSeparator(&dcMem, &rectLine);
        } else if (rect.Height() > rect.Width()) {
            pBar->DrawSeparator(&dcMem, &rect);
        }
        if (i == pBar->m_nCustomizedButtonIndex && !pBar->IsCustomButton(i))
            pBar->DrawSelectionFrame(&dcMem, &rect);
    }
    DrawInsertMark(&dcMem, pBar);

    pDC->BitBlt(0, 0, rectClient.Width(), rectClient.Height(), &dcMem, 0, 0, SRCCOPY);
}

// Where a dragged button would go: a 3-pixel strip at the near or far edge
// of the marked button.
void CTKToolbarSkinXP::DrawInsertMark(CDC* pDC, CTKCoolToolBar* pBar)
{
    TBINSERTMARK mark = {-1, 0};
    pBar->SendMessage(TB_GETINSERTMARK, 0, reinterpret_cast<LPARAM>(&mark));
    if (mark.iButton == -1 || (mark.dwFlags != 0 && mark.dwFlags != TBIMHT_AFTER))
        return;
    CRect rect;
    pBar->SendMessage(TB_GETITEMRECT, mark.iButton, reinterpret_cast<LPARAM>(&rect));
    if (mark.dwFlags == TBIMHT_AFTER)
        rect.left = rect.right - 3;
    else
        rect.right = rect.left + 3;
    pDC->FillSolidRect(&rect, CTKSkinXP::SysColor(COLOR_BTNTEXT));
}

void CTKToolbarSkinXP::DrawBackground(CDC* pDC, CTKCoolToolBar* pBar)
{
    CRect rect;
    pBar->GetClientRect(&rect);
    const BOOL bMenuBar = dynamic_cast<CTKMenuBar*>(pBar) != nullptr;
    pDC->FillSolidRect(&rect, bMenuBar ? CTKSkinXP::SysColor(COLOR_BTNFACE) : m_pSkin->GetToolbarBackgroundColor());
}

void CTKToolbarSkinXP::FillBackgroundRect(CDC* pDC, CRect* pRect)
{
    pDC->FillSolidRect(pRect, m_pSkin->GetToolbarBackgroundColor());
}

void CTKToolbarSkinXP::FillButtonBox(CDC* pDC, const CRect& rect, ButtonLook look)
{
    const COLORREF clr = look == lookPressedHot ? m_pSkin->GetCheckedHotItemColor()
                         : look == lookChecked  ? m_pSkin->GetCheckedItemColor()
                                                : m_pSkin->GetHotItemColor();
    pDC->FillSolidRect(&rect, clr);
}

COLORREF CTKToolbarSkinXP::GetDisabledTextColor()
{
    return CTKSkinXP::SysColor(COLOR_GRAYTEXT);
}

CTKToolbarSkinXP::ButtonLook CTKToolbarSkinXP::GetButtonLook(const TBBUTTON& button, int nIndex,
                                                             CTKCoolToolBar* pBar)
{
    const BOOL bChecked = (button.fsState & TBSTATE_CHECKED) != 0;
    const BOOL bPressed = (button.fsState & TBSTATE_PRESSED) != 0;
    const BOOL bDisabled = (button.fsState & TBSTATE_ENABLED) == 0;
    BOOL bHot = static_cast<int>(pBar->SendMessage(TB_GETHOTITEM)) == nIndex;
    if (auto* pMenuBar = dynamic_cast<CTKMenuBar*>(pBar); pMenuBar != nullptr && bPressed)
        bHot = pMenuBar->m_nActiveItem == nIndex;
    if (button.idCommand == pBar->m_nDroppedButtonID) {
        pBar->m_nDroppedButtonID = -1;
        return lookDropped;
    }
    if ((bPressed || bChecked) && bHot)
        return lookPressedHot;
    if (bChecked)
        return lookChecked;
    if (bHot)
        return lookHot;
    if (bPressed)
        return lookPressed;
    return bDisabled ? lookDisabled : lookNormal;
}

void CTKToolbarSkinXP::DrawButton(CDC* pDC, const TBBUTTON& button, CRect rect, CTKCoolToolBar* pBar,
                                  BOOL bDrawBackground)
{
    const int nIndex = static_cast<int>(pBar->SendMessage(TB_COMMANDTOINDEX, button.idCommand));
    const ButtonLook look = GetButtonLook(button, nIndex, pBar);
    const BOOL bDropPart = DrawsDropDownPart(button, pBar);
    CFont fontArrow;
    fontArrow.CreatePointFont(80, "Marlett");
    const int cxDropPart = bDropPart ? MeasureArrowPart(pDC, &fontArrow) : 0;
    const CRect rectDrop(rect.right - cxDropPart, rect.top, rect.right, rect.bottom);

    if (bDrawBackground) {
        if (look == lookDropped) {
            FillBackgroundRect(pDC, &rect);
        } else if (look == lookPressed) {
            CRect rectFill(rect.left, rect.top + 1, rect.right, rect.bottom - 1);
            FillBackgroundRect(pDC, &rectFill);
        } else if (look == lookPressedHot || look == lookChecked || look == lookHot) {
            CRect rectBox = rect;
            rectBox.DeflateRect(1, 1);
            FillButtonBox(pDC, rectBox, look);
            CBrush brushBorder(m_pSkin->GetHotItemBorderColor());
            pDC->FrameRect(&rect, &brushBorder);
            if (bDropPart)
                pDC->FrameRect(&rectDrop, &brushBorder);
        }
    }

    const COLORREF clrText = look == lookPressedHot ? CTKSkinXP::SysColor(COLOR_HIGHLIGHTTEXT)
                             : look == lookDisabled ? GetDisabledTextColor()
                                                    : CTKSkinXP::SysColor(COLOR_BTNTEXT);
    CRect rectContent = rect;
    if (bDropPart) {
        rectContent.right = rectDrop.left;
        CFont* pOldFont = pDC->SelectObject(&fontArrow);
        const int nOldMode = pDC->SetBkMode(TRANSPARENT);
        const COLORREF clrOld = pDC->SetTextColor(clrText);
        CRect rectGlyph = rectDrop;
        pDC->DrawText("6", 1, &rectGlyph, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        pDC->SetTextColor(clrOld);
        pDC->SetBkMode(nOldMode);
        pDC->SelectObject(pOldFont);
    }

    const CString sText = GetButtonText(pBar, button, nIndex);
    CRect rectImage(rectContent.left, rectContent.top, rectContent.left, rectContent.top);
    if (dynamic_cast<CTKMenuBar*>(pBar) == nullptr && button.iBitmap >= 0 &&
        GetImageRect(button, rectContent, !sText.IsEmpty(), pBar, &rectImage))
        DrawButtonImage(pDC, button, rectImage, look, pBar);
    if (!sText.IsEmpty())
        DrawButtonText(pDC, button, nIndex, rectContent, rectImage, clrText, pBar);
}

// Centred across the content; below its top margin when a text follows,
// else centred; a list button's image stands at the left, centred.
BOOL CTKToolbarSkinXP::GetImageRect(const TBBUTTON& button, const CRect& rectContent, BOOL bHasText,
                                    CTKCoolToolBar* pBar, CRect* pRect)
{
    const HIMAGELIST hImages = reinterpret_cast<HIMAGELIST>(pBar->SendMessage(TB_GETIMAGELIST));
    IMAGEINFO info = {};
    if (hImages == nullptr || !ImageList_GetImageInfo(hImages, button.iBitmap, &info))
        return FALSE;
    const int cx = info.rcImage.right - info.rcImage.left;
    const int cy = info.rcImage.bottom - info.rcImage.top;
    int x = rectContent.left + (rectContent.Width() - cx) / 2;
    int y = bHasText ? rectContent.top + kImageMargin : rectContent.top + (rectContent.Height() - cy) / 2;
    if ((pBar->GetStyle() & TBSTYLE_LIST) && bHasText) {
        x = rectContent.left + kImageMargin;
        y = rectContent.top + (rectContent.Height() - cy) / 2;
    }
    pRect->SetRect(x, y, x + cx, y + cy);
    return TRUE;
}

// A hot image stands out of its own shadow; a disabled one without a
// disabled list is drawn grey.
void CTKToolbarSkinXP::DrawButtonImage(CDC* pDC, const TBBUTTON& button, const CRect& rectImage,
                                       ButtonLook look, CTKCoolToolBar* pBar)
{
    const HIMAGELIST hImages = reinterpret_cast<HIMAGELIST>(pBar->SendMessage(TB_GETIMAGELIST));
    const int x = rectImage.left;
    const int y = rectImage.top;
    const int cx = rectImage.Width();
    const int cy = rectImage.Height();
    const HDC hDC = pDC->GetSafeHdc();
    if (look == lookDropped || look == lookHot || look == lookPressed) {
        HIMAGELIST hHot = reinterpret_cast<HIMAGELIST>(pBar->SendMessage(TB_GETHOTIMAGELIST));
        if (hHot == nullptr)
            hHot = hImages;
        CBrush brushShadow(CTKSkinXP::SysColor(COLOR_BTNSHADOW));
        CBrush* pOldBrush = pDC->SelectObject(&brushShadow);
        IMAGELISTDRAWPARAMS params = {};
        params.cbSize = sizeof(params);
        params.himl = hHot;
        params.i = button.iBitmap;
        params.hdcDst = hDC;
        params.x = x + 1;
        params.y = y + 1;
        params.rgbBk = RGB(255, 255, 255);
        params.rgbFg = CLR_DEFAULT;
        params.fStyle = ILD_ROP | ILD_MASK;
        params.dwRop = kShadowRop;
        ImageList_DrawIndirect(&params);
        pDC->SelectObject(pOldBrush);
        ImageList_Draw(hHot, button.iBitmap, hDC, x - 1, y - 1, ILD_TRANSPARENT);
        return;
    }
    if (look == lookDisabled) {
        const HIMAGELIST hDisabled = reinterpret_cast<HIMAGELIST>(pBar->SendMessage(TB_GETDISABLEDIMAGELIST));
        if (hDisabled != nullptr) {
            ImageList_Draw(hDisabled, button.iBitmap, hDC, x, y, ILD_TRANSPARENT);
            return;
        }
        const HICON hIcon = ImageList_GetIcon(hImages, button.iBitmap, ILD_NORMAL);
        CBrush brushGrey(m_pSkin->GetDisabledTextColor());
        ::DrawState(hDC, brushGrey, nullptr, reinterpret_cast<LPARAM>(hIcon), 0, x, y, cx, cy,
                    DST_ICON | DSS_MONO);
        ::DestroyIcon(hIcon);
        return;
    }
    ImageList_Draw(hImages, button.iBitmap, hDC, x, y, ILD_TRANSPARENT);
}

void CTKToolbarSkinXP::DrawButtonText(CDC* pDC, const TBBUTTON& button, int nIndex, const CRect& rectContent,
                                      const CRect& rectImage, COLORREF clrText, CTKCoolToolBar* pBar)
{
    const BOOL bList = (pBar->GetStyle() & TBSTYLE_LIST) != 0;
    UINT nFlags = kTextFlags | (bList ? DT_VCENTER : DT_CENTER);
    if (pBar->SendMessage(TB_GETTEXTROWS) == 1)
        nFlags |= DT_SINGLELINE;
    CRect rectText = rectContent;
    if (bList) {
        rectText.left = rectImage.right + kListTextGap;
        rectText.right = rectContent.right - kImageMargin;
    } else {
        rectText.DeflateRect(kImageMargin, kImageMargin);
        rectText.top = std::max(rectText.top, rectImage.bottom);
    }
    CFont* pFont = CFont::FromHandle(reinterpret_cast<HFONT>(pBar->SendMessage(WM_GETFONT)));
    CFont* pOldFont = pFont->GetSafeHandle() != nullptr ? pDC->SelectObject(pFont) : nullptr;
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    pDC->DrawText(GetButtonText(pBar, button, nIndex), &rectText, nFlags);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

void CTKToolbarSkinXP::DrawMDIButtons(CDC* pDC, CTKMenuBar* pMenuBar)
{
    CWnd* pChild = nullptr;
    if (!HasMDIButtons(pMenuBar, &pChild))
        return;
    const struct {
        const CRect& rect;
        UINT nState;
    } buttons[] = {
        {pMenuBar->m_rectCloseBtn, kFrameClose},
        {pMenuBar->m_rectRestoreBtn, kFrameRestore},
        {pMenuBar->m_rectMinimizeBtn, kFrameMinimize},
    };
    for (const auto& button : buttons) {
        if (button.rect.IsRectEmpty())
            continue;
        m_pSkin->DrawFrameButton(pDC, button.rect, button.nState, FALSE, FALSE, CTKSkinXP::SysColor(COLOR_BTNFACE),
                                 pMenuBar);
    }
}

// The control paints its text and list first; the skin then paints its
// flat frame and drop button over the control's 3-D ones.
void CTKToolbarSkinXP::OnPaintComboBox(CComboBox* pComboBox)
{
    pComboBox->DefWindowProc(WM_PAINT, 0, 0);
    CPaintDC dc(pComboBox);
    DrawComboBox(pComboBox);
}

void CTKToolbarSkinXP::FillControlSurround(CDC* pDC, const CRect& rect, const CPoint&, CWnd*)
{
    pDC->FillSolidRect(&rect, m_pSkin->GetToolbarBackgroundColor());
}

// The edit field stays as the control drew it; around it the bar's colour,
// a window-coloured edge, and a flat drop button with a small arrow. While
// the list is dropped, or the control is under the cursor or has the focus,
// the field and the button get the hot border and the button the hot fill.
void CTKToolbarSkinXP::DrawComboBox(CComboBox* pComboBox)
{
    CClientDC dc(pComboBox);
    CRect rectClient;
    pComboBox->GetClientRect(&rectClient);
    CRect rectEdit = rectClient;
    rectEdit.DeflateRect(3, 3, rectClient.Height() - 2, 3);
    CRect rectButton = rectClient;
    rectButton.DeflateRect(2, 2, 3, 2);
    rectButton.left = rectEdit.Width() + 2;
    dc.ExcludeClipRect(&rectEdit);

    CPoint ptOrigin(0, 0);
    pComboBox->ClientToScreen(&ptOrigin);
    FillControlSurround(&dc, rectClient, ptOrigin, pComboBox);
    const COLORREF clrWindow = CTKSkinXP::SysColor(COLOR_WINDOW);
    dc.FillSolidRect(CRect(rectEdit.left - 1, rectEdit.top - 1, rectEdit.right, rectEdit.bottom), clrWindow);
    CBrush brushWindow(clrWindow);
    dc.FrameRect(CRect(rectButton.left - 1, rectButton.top - 1, rectButton.right, rectButton.bottom), &brushWindow);

    const BOOL bDropped = pComboBox->GetDroppedState();
    const BOOL bHot = bDropped || IsControlHot(pComboBox);
    if (bHot) {
        CBrush brushBorder(m_pSkin->GetHotItemBorderColor());
        dc.FrameRect(CRect(rectEdit.left - 1, rectEdit.top - 1, rectEdit.right, rectEdit.bottom + 1), &brushBorder);
        const CRect rectHotButton(rectButton.left, rectButton.top - 1, rectButton.right + 1, rectButton.bottom + 1);
        // A dropped list looks like a pressed button, a hot control like a hot one.
        FillButtonBox(&dc, rectHotButton, bDropped ? lookPressedHot : lookHot);
        dc.FrameRect(&rectHotButton, &brushBorder);
    }
    const COLORREF clrArrow = CTKSkinXP::SysColor(bDropped ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
    const CPoint ptCentre = rectButton.CenterPoint();
    dc.FillSolidRect(ptCentre.x - 2, ptCentre.y - 1, 5, 1, clrArrow);
    dc.FillSolidRect(ptCentre.x - 1, ptCentre.y, 3, 1, clrArrow);
    dc.FillSolidRect(ptCentre.x, ptCentre.y + 1, 1, 1, clrArrow);
}

// The non-client edge of a hosted control: the bar's colour, a
// window-coloured ring inside it and, while the control is hot, the hot
// border outside.
void CTKToolbarSkinXP::DrawControlFrame(CWnd* pWnd)
{
    CWindowDC dc(pWnd);
    CRect rectWindow;
    pWnd->GetWindowRect(&rectWindow);
    CRect rectClient;
    pWnd->GetClientRect(&rectClient);
    pWnd->ClientToScreen(&rectClient);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    const CRect rectFrame(0, 0, rectWindow.Width(), rectWindow.Height());
    dc.ExcludeClipRect(&rectClient);

    FillControlSurround(&dc, rectFrame, rectWindow.TopLeft(), pWnd);
    CRect rectRing = rectFrame;
    rectRing.DeflateRect(1, 1);
    CBrush brushWindow(CTKSkinXP::SysColor(COLOR_WINDOW));
    dc.FrameRect(&rectRing, &brushWindow);
    if (IsControlHot(pWnd)) {
        CBrush brushBorder(m_pSkin->GetHotItemBorderColor());
        dc.FrameRect(&rectFrame, &brushBorder);
    }
}
