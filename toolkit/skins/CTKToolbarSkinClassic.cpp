#include "CTKToolbarSkinClassic.h"

#include "CTKMenuBar.h"
#include "CTKSystem.h"

namespace {

const DWORD kComCtl471 = 0x00040047;
const int kGripperBar = 3;         // thickness of one gripper bar
const int kMaxSeparatorWidth = 9;  // wider separators are gaps, not lines

BOOL UsesToolbarRecord()
{
    return CTKSystem::Current().GetComCtlVersion() >= kComCtl471;
}

// The three colour options of a button state.
struct CStateColors {
    COLORREF clrText;
    COLORREF clrBorder;
    COLORREF clrBack;
};

CStateColors GetStateColors(const CTKCoolToolBar* pBar, UINT uItemState)
{
    const BOOL bChecked = (uItemState & CDIS_CHECKED) != 0;
    const BOOL bHot = (uItemState & CDIS_HOT) != 0;
    const BOOL bSelected = (uItemState & CDIS_SELECTED) != 0;
    const CStateColors selected = {pBar->SelectedTextColor, pBar->SelectedBorderColor, pBar->SelectedBkColor};
    if (bChecked) {
        if (bHot)
            return selected;
        return {pBar->CheckedTextColor, pBar->CheckedBorderColor, pBar->CheckedBkColor};
    }
    if (bSelected)
        return selected;
    if (bHot)
        return {pBar->HotTextColor, pBar->HotBorderColor, pBar->HotBkColor};
    return {pBar->DefaultTextColor, pBar->DefaultBorderColor, pBar->DefaultBkColor};
}

COLORREF GetArrowBorderColor(const CTKCoolToolBar* pBar, UINT uItemState)
{
    const BOOL bChecked = (uItemState & CDIS_CHECKED) != 0;
    const BOOL bHot = (uItemState & CDIS_HOT) != 0;
    if ((bChecked && bHot) || (uItemState & CDIS_SELECTED))
        return pBar->SelectedBorderColor;
    if (bChecked)
        return pBar->CheckedBorderColor;
    if (bHot)
        return pBar->HotBorderColor;
    return pBar->DefaultBorderColor;
}

void FrameWith(CDC* pDC, const CRect& rect, COLORREF clr)
{
    CBrush brush(clr);
    pDC->FrameRect(&rect, &brush);
}

TBBUTTON GetButton(CTKCoolToolBar* pBar, int nIndex)
{
    TBBUTTON button = {};
    pBar->SendMessage(TB_GETBUTTON, nIndex, reinterpret_cast<LPARAM>(&button));
    return button;
}

}  // namespace

// Two 3-D bars side by side along the bar's start.
void CTKToolbarSkinClassic::DrawGripper(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar)
{
    if (pBar->GetBarStyle() & CBRS_FLOATING)
        return;
    static const CGripperShape kShape = {CRect(1, 1, 1, 1), CPoint(0, 1), CRect(0, 1, 2, 1), CPoint(0, 1),
                                         kGripperBar};
    CRect rect = PlaceGripper(*pRect, pBar, kShape);
    const COLORREF clrLight = CTKSystem::Current().GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF clrDark = CTKSystem::Current().GetSysColor(COLOR_BTNSHADOW);
    pDC->Draw3dRect(&rect, clrLight, clrDark);
    if (IsHorizontalBar(pBar))
        rect.OffsetRect(kGripperBar, 0);
    else
        rect.OffsetRect(0, kGripperBar);
    pDC->Draw3dRect(&rect, clrLight, clrDark);
}

// The face around the buttons, then the bar's border lines over it (the
// framework's borders do not shrink the rectangle they draw in).
void CTKToolbarSkinClassic::DrawNonClientArea(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar)
{
    CRect rectWindow = *pRect;
    CRect rectScreen;
    pBar->GetWindowRect(&rectScreen);
    CRect rectClient;
    pBar->GetClientRect(&rectClient);
    pBar->ClientToScreen(&rectClient);
    rectClient.OffsetRect(-rectScreen.left, -rectScreen.top);
    const int nSaved = pDC->SaveDC();
    pDC->ExcludeClipRect(&rectClient);
    pDC->FillSolidRect(&rectWindow, CTKSystem::Current().GetSysColor(COLOR_BTNFACE));
    pDC->RestoreDC(nSaved);
    if (!pBar->m_bCool)
        pBar->DrawBorders(pDC, rectWindow);
}

void CTKToolbarSkinClassic::DrawSeparator(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar)
{
    if (pRect->Width() >= kMaxSeparatorWidth)
        return;
    CRect rect = *pRect;
    if (IsHorizontalBar(pBar)) {
        const int nCentre = (rect.left + rect.right) / 2;
        rect.left = nCentre - 1;
        rect.right = nCentre + 1;
    } else {
        const int cxButton = LOWORD(pBar->SendMessage(TB_GETBUTTONSIZE));
        rect.right = rect.left;
        rect.left -= cxButton;
        const int nCentre = (2 * rect.bottom + 5) / 2;
        rect.top = nCentre - 1;
        rect.bottom = nCentre + 1;
    }
    pDC->Draw3dRect(&rect, CTKSystem::Current().GetSysColor(COLOR_BTNSHADOW), CTKSystem::Current().GetSysColor(COLOR_BTNHIGHLIGHT));
}

void CTKToolbarSkinClassic::DrawSelectionFrame(CDC* pDC, CRect* pRect, CTKCoolToolBar*)
{
    pDC->DrawDragRect(pRect, CSize(2, 2), nullptr, CSize(0, 0));
}

void CTKToolbarSkinClassic::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult, CTKCoolToolBar* pBar)
{
    if (!BeginCustomDraw(pNMHDR, pResult, pBar))
        return;
    auto* pDraw = reinterpret_cast<NMTBCUSTOMDRAW*>(pNMHDR);
    switch (pDraw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        *pResult = OnPrePaint(pDraw, pBar);
        break;
    case CDDS_ITEMPREPAINT:
        *pResult = OnItemPrePaint(pDraw, pBar);
        break;
    case CDDS_ITEMPOSTPAINT:
        OnItemPostPaint(pDraw, pBar);
        *pResult = CDRF_DODEFAULT;
        break;
    default:
        *pResult = CDRF_DODEFAULT;
        break;
    }
}

// Older controls draw no separators of their own on a flat bar.
LRESULT CTKToolbarSkinClassic::OnPrePaint(NMTBCUSTOMDRAW* pDraw, CTKCoolToolBar* pBar)
{
    CDC* pDC = CDC::FromHandle(pDraw->nmcd.hdc);
    if (!UsesToolbarRecord() && (pBar->GetStyle() & TBSTYLE_FLAT) && pBar->m_bSeparator) {
        const int nCount = static_cast<int>(pBar->SendMessage(TB_BUTTONCOUNT));
        for (int i = 0; i < nCount; ++i) {
            const TBBUTTON button = GetButton(pBar, i);
            if (!(button.fsStyle & TBSTYLE_SEP) || button.fsState == TBSTATE_HIDDEN)
                continue;
            CRect rect;
            pBar->GetItemRect(i, &rect);
            if (button.fsState & TBSTATE_WRAP) {
                pDC->FillSolidRect(&rect, CTKSystem::Current().GetSysColor(COLOR_BTNFACE));
            } else {
                rect.right -= 1;
                pBar->DrawSeparator(pDC, &rect);
            }
        }
    }
    const int nSelected = pBar->m_nCustomizedButtonIndex;
    if (nSelected >= 0 && pBar->IsCustomButton(nSelected)) {
        CRect rect;
        pBar->GetItemRect(nSelected, &rect);
        pBar->DrawSelectionFrame(pDC, &rect);
    }
    return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
}

// The button's state picks three colour options; one left at the default
// value is not applied, so a bar without options draws as the control does.
LRESULT CTKToolbarSkinClassic::OnItemPrePaint(NMTBCUSTOMDRAW* pDraw, CTKCoolToolBar* pBar)
{
    LRESULT lResult = CDRF_NOTIFYPOSTPAINT;
    if (pBar->SendMessage(TB_ISBUTTONHIDDEN, pDraw->nmcd.dwItemSpec))
        return lResult;
    CDC* pDC = CDC::FromHandle(pDraw->nmcd.hdc);
    const BOOL bRecord = UsesToolbarRecord();
    const CStateColors colors = GetStateColors(pBar, pDraw->nmcd.uItemState);
    if (colors.clrText != kTKDefaultColor) {
        if (bRecord)
            pDraw->clrText = colors.clrText;
        else
            pDC->SetTextColor(colors.clrText);
    }
    CRect rect(pDraw->nmcd.rc);
    if (colors.clrBorder != kTKDefaultColor) {
        FrameWith(pDC, rect, colors.clrBorder);
        rect.DeflateRect(1, 1);
        if (bRecord)
            lResult |= TBCDRF_NOEDGES;
    }
    if (colors.clrBack != kTKDefaultColor) {
        pDC->FillSolidRect(&rect, colors.clrBack);
        if (bRecord && (pDraw->nmcd.uItemState & CDIS_CHECKED))
            lResult |= TBCDRF_NOETCHEDEFFECT;
    }
    return lResult;
}

void CTKToolbarSkinClassic::OnItemPostPaint(NMTBCUSTOMDRAW* pDraw, CTKCoolToolBar* pBar)
{
    const UINT nID = static_cast<UINT>(pDraw->nmcd.dwItemSpec);
    if (pBar->SendMessage(TB_ISBUTTONHIDDEN, nID))
        return;
    CDC* pDC = CDC::FromHandle(pDraw->nmcd.hdc);
    const int nIndex = static_cast<int>(pBar->SendMessage(TB_COMMANDTOINDEX, nID));
    const TBBUTTON button = GetButton(pBar, nIndex);
    if (pBar->IsDropDownArrow() && (button.fsStyle & TBSTYLE_DROPDOWN)) {
        const COLORREF clrBorder = GetArrowBorderColor(pBar, pDraw->nmcd.uItemState);
        if (clrBorder != kTKDefaultColor) {
            CRect rect(pDraw->nmcd.rc);
            rect.left = rect.right - pBar->GetDropDownArrowWidth();
            FrameWith(pDC, rect, clrBorder);
        }
    }
    if (nIndex == pBar->m_nCustomizedButtonIndex && !pBar->IsCustomButton(nIndex)) {
        CRect rect(pDraw->nmcd.rc);
        pBar->DrawSelectionFrame(pDC, &rect);
    }
}

void CTKToolbarSkinClassic::DrawMDIButtons(CDC* pDC, CTKMenuBar* pMenuBar)
{
    CWnd* pChild = nullptr;
    if (!HasMDIButtons(pMenuBar, &pChild))
        return;
    const DWORD dwChildStyle = pChild->GetStyle();
    struct CButton {
        CRect rect;
        UINT nState;
        int nPressedId;
    } buttons[] = {
        {pMenuBar->m_rectCloseBtn, DFCS_CAPTIONCLOSE, CTKMenuBar::kSysBtnClose},
        {pMenuBar->m_rectRestoreBtn,
         DFCS_CAPTIONRESTORE | ((dwChildStyle & WS_MAXIMIZEBOX) ? 0u : DFCS_INACTIVE), CTKMenuBar::kSysBtnRestore},
        {pMenuBar->m_rectMinimizeBtn,
         DFCS_CAPTIONMIN | ((dwChildStyle & WS_MINIMIZEBOX) ? 0u : DFCS_INACTIVE), CTKMenuBar::kSysBtnMinimize},
    };
    for (CButton& button : buttons) {
        if (button.rect.IsRectEmpty())
            continue;
        const UINT nPushed = pMenuBar->m_nPressedSysBtn == button.nPressedId ? DFCS_PUSHED : 0u;
        pDC->DrawFrameControl(&button.rect, DFC_CAPTION, button.nState | nPushed);
    }
}

BOOL CTKToolbarSkinClassic::UseDefaultBackground()
{
    return TRUE;
}

// The combo box paints itself in the system's 3-D look.
void CTKToolbarSkinClassic::OnPaintComboBox(CComboBox* pComboBox)
{
    pComboBox->DefWindowProc(WM_PAINT, 0, 0);
}

void CTKToolbarSkinClassic::DrawComboBox(CComboBox*)
{
}

void CTKToolbarSkinClassic::DrawControlFrame(CWnd*)
{
}
