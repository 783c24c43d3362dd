// CTKComboPickerCtrl: the combo box keeps its own face and button; opening it
// shows the attached drop-down's container below it instead of a list. The
// face is owner-drawn from the drop-down's chosen item.

#include "toolkit/skins/CTKComboPickerCtrl.h"

#include "toolkit/skins/CTKComboDropDown.h"

#include <algorithm>

namespace {

const int kDefaultItemHeight = 16;

// The styles a picker needs: a drop-down combo whose face the picker draws.
BOOL HasPickerStyles(DWORD dwStyle)
{
    const DWORD dwKind = dwStyle & 0x3;
    return (dwKind == CBS_DROPDOWN || dwKind == CBS_DROPDOWNLIST) &&
           (dwStyle & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0;
}

}  // namespace

BEGIN_MESSAGE_MAP(CTKComboPickerCtrl, CComboBox)
    ON_WM_CREATE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_WINDOWPOSCHANGED()
    ON_MESSAGE(CB_SHOWDROPDOWN, OnShowDropDownMessage)
    ON_MESSAGE(CB_GETDROPPEDSTATE, OnGetDroppedState)
END_MESSAGE_MAP()

CTKComboPickerCtrl::CTKComboPickerCtrl(CTKComboDropDown* pDropDown) : m_pDropDown(pDropDown)
{
    if (m_pDropDown != nullptr)
        m_pDropDown->OnAttach();
}

// An open drop-down closes before the picker goes, and forgets its owner.
CTKComboPickerCtrl::~CTKComboPickerCtrl()
{
    if (m_pDropDown == nullptr)
        return;
    if (::IsWindow(m_hWnd))
        ShowDropDown(FALSE);
    m_pDropDown->SetOwnerCombo(nullptr);
}

int CTKComboPickerCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (!HasPickerStyles(lpCreateStruct->style))
        return -1;
    return CComboBox::OnCreate(lpCreateStruct);
}

// --- the drop-down -----------------------------------------------------------

BOOL CTKComboPickerCtrl::AttachDropDown(CTKComboDropDown* pDropDown)
{
    if (m_pDropDown != nullptr && m_pDropDown->IsVisible())
        m_pDropDown->OnDropDown(FALSE);
    m_pDropDown = pDropDown;
    if (m_pDropDown != nullptr)
        m_pDropDown->OnAttach();
    return TRUE;
}

BOOL CTKComboPickerCtrl::IsDroppedDown()
{
    return m_pDropDown != nullptr && m_pDropDown->IsVisible();
}

// Opening places the container below the combo box, lets the drop-down size
// it, tells the parent and shows it on top without taking the activation;
// closing tells the parent first. Asking for the state the picker is in
// does nothing.
void CTKComboPickerCtrl::ShowDropDown(BOOL bShow)
{
    if (m_pDropDown == nullptr || IsDroppedDown() == (bShow != FALSE))
        return;
    CTKDropDownContainer& container = m_pDropDown->GetContainer();
    if (bShow) {
        PlaceContainer();
        m_pDropDown->OnDropDown(TRUE);
        NotifyParent(CBN_DROPDOWN);
        ::SetWindowPos(container.GetSafeHwnd(), HWND_TOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        container.ShowWindow(SW_SHOWNA);
        m_pDropDown->GetWindow()->ShowWindow(SW_SHOWNA);
        if (m_pDropDown->TakesFocus())
            m_pDropDown->GetWindow()->SetFocus();
    } else {
        if (::IsWindow(m_hWnd))
            NotifyParent(CBN_CLOSEUP);
        m_pDropDown->OnDropDown(FALSE);
        container.ShowWindow(SW_HIDE);
    }
    RedrawFace();
}

// The container's top-left corner goes to the combo box's left edge, one
// pixel above its bottom edge; its size stays as the drop-down made it.
void CTKComboPickerCtrl::PlaceContainer()
{
    CRect rectCombo;
    CWnd::GetWindowRect(&rectCombo);
    m_pDropDown->GetContainer().SetWindowPos(nullptr, rectCombo.left, rectCombo.bottom - 1, 0, 0,
                                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTKComboPickerCtrl::NotifyParent(UINT nCode)
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode), reinterpret_cast<LPARAM>(m_hWnd));
}

void CTKComboPickerCtrl::RedrawFace()
{
    if (::IsWindow(m_hWnd))
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

BOOL CTKComboPickerCtrl::SetMaxDropDownHeight(int nHeight)
{
    return SetHeightLimit(&CTKComboDropDown::m_nMaxHeight, nHeight);
}

BOOL CTKComboPickerCtrl::SetMinDropDownHeight(int nHeight)
{
    return SetHeightLimit(&CTKComboDropDown::m_nMinHeight, nHeight);
}

BOOL CTKComboPickerCtrl::SetHeightLimit(int CTKComboDropDown::*pnLimit, int nHeight)
{
    if (m_pDropDown == nullptr)
        return FALSE;
    m_pDropDown->*pnLimit = nHeight;
    m_pDropDown->AdjustSize();
    return TRUE;
}

// The button is the right-hand part of the face, as wide as a scroll bar.
void CTKComboPickerCtrl::GetButtonRect(LPRECT lpRect)
{
    CRect rect;
    GetClientRect(&rect);
    rect.DeflateRect(2, 2);
    rect.left = rect.right - ::GetSystemMetrics(SM_CXVSCROLL);
    *lpRect = rect;
}

BOOL CTKComboPickerCtrl::IsDropDownWindow(HWND hWnd)
{
    return m_pDropDown != nullptr && hWnd != nullptr &&
           (hWnd == m_pDropDown->GetContainer().GetSafeHwnd() ||
            hWnd == m_pDropDown->GetWindow()->GetSafeHwnd());
}

// --- mouse and keys ----------------------------------------------------------

void CTKComboPickerCtrl::OpenOnClick()
{
    if (!IsDroppedDown())
        ShowDropDown(TRUE);
}

void CTKComboPickerCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_pDropDown == nullptr)
        CComboBox::OnLButtonDown(nFlags, point);
    else
        OpenOnClick();
}

void CTKComboPickerCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_pDropDown == nullptr)
        CComboBox::OnLButtonDblClk(nFlags, point);
    else
        OpenOnClick();
}

void CTKComboPickerCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_pDropDown == nullptr)
        CComboBox::OnLButtonUp(nFlags, point);
}

// Up, Down and Return open a closed picker; an open one hands every key to
// the dropped control.
void CTKComboPickerCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pDropDown == nullptr) {
        CComboBox::OnKeyDown(nChar, nRepCnt, nFlags);
    } else if (IsDroppedDown()) {
        m_pDropDown->GetWindow()->SendMessage(WM_KEYDOWN, nChar, MAKELPARAM(nRepCnt, nFlags));
    } else if (nChar == VK_UP || nChar == VK_DOWN || nChar == VK_RETURN) {
        ShowDropDown(TRUE);
    } else {
        CComboBox::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

// While the picker is open, Return and Escape belong to it, not to the
// dialog's default and cancel buttons.
BOOL CTKComboPickerCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && IsDroppedDown() &&
        (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_CANCEL)) {
        ::TranslateMessage(pMsg);
        ::DispatchMessage(pMsg);
        return TRUE;
    }
    return CComboBox::PreTranslateMessage(pMsg);
}

void CTKComboPickerCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CComboBox::OnKillFocus(pNewWnd);
    const HWND hWndNew = pNewWnd->GetSafeHwnd();
    if (hWndNew != m_hWnd && !IsDropDownWindow(hWndNew) && IsDroppedDown())
        ShowDropDown(FALSE);
}

void CTKComboPickerCtrl::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CComboBox::OnWindowPosChanged(lpwndpos);
    if (m_pDropDown != nullptr && !(lpwndpos->flags & SWP_NOSIZE))
        m_pDropDown->OnComboResized();
}

LRESULT CTKComboPickerCtrl::OnShowDropDownMessage(WPARAM wParam, LPARAM)
{
    ShowDropDown(static_cast<BOOL>(wParam));
    return 0;
}

LRESULT CTKComboPickerCtrl::OnGetDroppedState(WPARAM, LPARAM)
{
    return IsDroppedDown();
}

// --- the face ----------------------------------------------------------------

BOOL CTKComboPickerCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_DRAWITEM:
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *pResult = TRUE;
        return TRUE;
    case WM_MEASUREITEM:
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        *pResult = TRUE;
        return TRUE;
    default:
        return CComboBox::OnChildNotify(message, wParam, lParam, pResult);
    }
}

void CTKComboPickerCtrl::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight =
        m_pDropDown != nullptr ? m_pDropDown->GetItemHeight() : kDefaultItemHeight;
}

// The chosen item's picture at the left, centred, and its text one pixel to
// its right; highlighted while the closed picker has the focus.
void CTKComboPickerCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rect(lpDrawItemStruct->rcItem);
    const BOOL bEnabled = IsWindowEnabled();
    pDC->FillSolidRect(&rect, ::GetSysColor(bEnabled ? COLOR_WINDOW : COLOR_BTNFACE));
    if (m_pDropDown == nullptr || !m_pDropDown->HasSelection())
        return;

    CImageList* pImage = m_pDropDown->GetSelectionImage();
    if (pImage != nullptr) {
        IMAGEINFO info = {};
        pImage->GetImageInfo(0, &info);
        const CRect rectImage(info.rcImage);
        pImage->Draw(pDC, 0, CPoint(rect.left, rect.top + (rect.Height() - rectImage.Height()) / 2),
                     ILD_TRANSPARENT);
        rect.left += rectImage.Width() + 1;
        delete pImage;
    }

    const CString sText = m_pDropDown->GetSelectionText();
    CFont* pFont = m_pDropDown->GetFont();
    CFont* pOldFont = pFont != nullptr ? pDC->SelectObject(pFont) : nullptr;
    const BOOL bFocused = (lpDrawItemStruct->itemState & ODS_FOCUS) && !IsDroppedDown();
    CRect rectText(rect);
    pDC->DrawText(sText, &rectText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_CALCRECT);
    rectText.top = rect.top;
    rectText.bottom = rect.bottom;
    rectText.right = std::min(rectText.right, rect.right);
    if (bFocused) {
        pDC->FillSolidRect(&rectText, ::GetSysColor(COLOR_HIGHLIGHT));
        pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else {
        pDC->SetTextColor(m_pDropDown->GetTextColor());
    }
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(sText, &rectText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    pDC->SetBkMode(nOldMode);
    if (bFocused)
        pDC->DrawFocusRect(&rectText);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}
