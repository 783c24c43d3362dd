#include "CTKCoolToolBar.h"

#include "CTKCoolToolBarCmdUI.h"
#include "CTKCustomButtonRegistry.h"
#include "CTKHostedControl.h"
#include "CTKSizeDockBar.h"
#include "CTKSystem.h"
#include "CTKWindowGeometry.h"

#include <algorithm>
#include <functional>

IMPLEMENT_DYNAMIC(CTKCoolToolBar, CMFCToolBar)

namespace {

// The drag-and-drop steps the bar's drop target hands to the bar.
const UINT kDragEnter = 0x80AD;
const UINT kDragLeave = 0x80AE;
const UINT kDragOver = 0x80AF;
const UINT kDrop = 0x80B1;

// From this version of the common controls on, the toolbar keeps the
// drop-down arrows in its extended style and can be transparent.
const DWORD kComCtl471 = 0x00040047;

// The update work left for the next idle pass.
const UINT kUpdateSizes = 1;
const UINT kUpdateHostedWindows = 2;

// A hosted window sits 2 pixels inside its separator on either side; a
// combo box is placed for a 22-pixel button.
const int kHostedWindowInset = 2;
const int kComboButtonHeight = 22;

BOOL HasExtendedStyles()
{
    return CTKSystem::Current().GetComCtlVersion() >= kComCtl471;
}

BOOL IsSeparator(const TBBUTTON& button)
{
    return (button.fsStyle & TBSTYLE_SEP) != 0;
}

CString LoadText(UINT nID)
{
    CString text;
    if (nID != 0)
        text.LoadString(nID);
    return text;
}

// A command's string is its prompt, a line feed and its tip.
CString PromptOf(UINT nID)
{
    const CString text = LoadText(nID);
    const int nNewLine = text.Find('\n');
    return nNewLine >= 0 ? text.Left(nNewLine) : text;
}

CString TipOf(UINT nID)
{
    const CString text = LoadText(nID);
    const int nNewLine = text.Find('\n');
    return nNewLine >= 0 ? text.Mid(nNewLine + 1) : CString();
}

CString MenuTextOf(UINT nID)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    HMENU hMenu = pMainWnd != nullptr ? ::GetMenu(pMainWnd->m_hWnd) : nullptr;
    if (hMenu == nullptr)
        return CString();
    char szText[256] = {};
    if (::GetMenuStringA(hMenu, nID, szText, sizeof(szText), MF_BYCOMMAND) <= 0)
        return CString();
    CString text(szText);
    const int nTab = text.Find('\t');
    return nTab >= 0 ? text.Left(nTab) : text;
}

CString TextOfType(UINT nID, int nTextType)
{
    switch (nTextType) {
    case kTKTextPrompt:
        return PromptOf(nID);
    case kTKTextTip:
        return TipOf(nID);
    case kTKTextMenu:
        return MenuTextOf(nID);
    default:
        return CString();
    }
}

// The room the small icon takes at the bar's start.
CSize IconSpace(HICON hIcon, BOOL bHorz)
{
    if (hIcon == nullptr)
        return CSize(0, 0);
    return bHorz ? CSize(::GetSystemMetrics(SM_CXSMICON) + 2, 0) : CSize(0, ::GetSystemMetrics(SM_CYSMICON) + 2);
}

// The new index of a button after an edit of the control; -1: it is gone.
using CIndexMap = std::function<int(int)>;

int Remap(int nIndex, const CIndexMap& newIndex)
{
    return nIndex >= 0 ? newIndex(nIndex) : -1;
}

}  // namespace

BEGIN_MESSAGE_MAP(CTKCoolToolBar, CMFCToolBar)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
    ON_NOTIFY_REFLECT(TBN_DROPDOWN, OnDropDown)
    ON_NOTIFY_REFLECT(TBN_QUERYINSERT, OnQueryInsertDelete)
    ON_NOTIFY_REFLECT(TBN_QUERYDELETE, OnQueryInsertDelete)
    ON_NOTIFY_REFLECT(TBN_BEGINDRAG, OnBeginEndDrag)
    ON_NOTIFY_REFLECT(TBN_ENDDRAG, OnBeginEndDrag)
    ON_NOTIFY_REFLECT(TBN_TOOLBARCHANGE, OnToolBarChange)
    ON_NOTIFY_REFLECT(TBN_GETBUTTONINFOA, OnGetButtonInfo)
    ON_WM_NCPAINT()
    ON_WM_NCCALCSIZE()
    ON_WM_ERASEBKGND()
    ON_WM_SETTINGCHANGE()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_MBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(kDragEnter, OnDragEnter)
    ON_MESSAGE(kDragOver, OnDragOver)
    ON_MESSAGE(kDragLeave, OnDragLeave)
    ON_MESSAGE(kDrop, OnDrop)
END_MESSAGE_MAP()

CTKCoolToolBar::CTKCoolToolBar() : m_toolbarSkin(&CTKSkin::GetToolbarSkin)
{
    const CTKWindowsVersion version = CTKSystem::Current().GetWindowsVersion();
    m_bWindowsNTRunning = !version.bWin95Family && version.dwMajor >= 4;
    MeasureDropDownArrow();
}

// --- creation -------------------------------------------------------------

BOOL CTKCoolToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder),
                    nID);
}

// Flat always; from comctl32 4.71 on also transparent (except in an MDI
// child, whose background is not the frame's), without borders and with
// drop-down arrows.
BOOL CTKCoolToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    const BOOL bExtended = HasExtendedStyles();
    if (bExtended) {
        dwStyle |= WS_CLIPCHILDREN;
        rcBorders.SetRectEmpty();
    }
    if (!CMFCToolBar::CreateEx(pParentWnd, dwCtrlStyle, dwStyle, rcBorders, nID))
        return FALSE;
    // Some controls make every flat bar transparent themselves.
    const BOOL bTransparent =
        bExtended && !(pParentWnd != nullptr && pParentWnd->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)));
    ModifyStyle(bTransparent ? 0 : TBSTYLE_TRANSPARENT, bTransparent ? (TBSTYLE_FLAT | TBSTYLE_TRANSPARENT) : TBSTYLE_FLAT);
    if (bExtended)
        SetDropDownArrow(TRUE);
    m_dropTarget.Register(this);
    static const char kNoStrings[2] = {};
    SendMessage(TB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kNoStrings));
    return TRUE;
}

void CTKCoolToolBar::EnableDocking(DWORD dwDockStyle, BOOL bFlag)
{
    CMFCToolBar::EnableDocking(dwDockStyle);
    m_bDockContextFlag = bFlag;
}

// --- buttons --------------------------------------------------------------

int CTKCoolToolBar::ButtonCount() const
{
    return static_cast<int>(::SendMessage(m_hWnd, TB_BUTTONCOUNT, 0, 0));
}

TBBUTTON CTKCoolToolBar::GetButton(int nIndex) const
{
    TBBUTTON button = {};
    button.iString = -1;
    ::SendMessage(m_hWnd, TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button));
    return button;
}

CString CTKCoolToolBar::GetButtonText(int nIndex) const
{
    char szText[256] = {};
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_TEXT | TBIF_BYINDEX;
    info.pszText = szText;
    info.cchText = sizeof(szText);
    if (::SendMessage(m_hWnd, TB_GETBUTTONINFOA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info)) < 0)
        return CString();
    return CString(szText);
}

void CTKCoolToolBar::SetButtonText(int nIndex, LPCTSTR lpszText)
{
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_TEXT | TBIF_BYINDEX;
    info.pszText = const_cast<LPSTR>(lpszText);
    SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info));
}

void CTKCoolToolBar::UpdateSizes(BOOL bRecalcLayout, BOOL bRedraw)
{
    if (m_bInsertingSeparator)
        return;
    PlaceCustomButtons();
    if (!IsWindowVisible())
        return;
    CFrameWnd* pFrame = GetDockingFrame();
    if (bRecalcLayout && pFrame != nullptr) {
        m_bRecalcLayout = TRUE;
        pFrame->RecalcLayout();
        m_bRecalcLayout = FALSE;
        for (int i = 0; i < ButtonCount(); ++i) {
            RedrawButton(i);
            CRect rect;
            GetItemRect(i, &rect);
            ValidateRect(&rect);
        }
    }
    if (bRedraw)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    else if (!bRecalcLayout)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
}

void CTKCoolToolBar::RedrawButton(int nIndex)
{
    if (nIndex < 0 || nIndex >= ButtonCount())
        return;
    CRect rect;
    GetItemRect(nIndex, &rect);
    const UINT nFlags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
    RedrawWindow(&rect, nullptr, nFlags);
    auto it = m_mapCustomButtons.find(nIndex);
    CWnd* pWnd = it != m_mapCustomButtons.end() ? it->second.pControl->GetHostedWindow() : nullptr;
    if (pWnd != nullptr && pWnd->m_hWnd != nullptr)
        pWnd->RedrawWindow(&rect, nullptr, nFlags);
}

void CTKCoolToolBar::SetTextType(UINT nFirstID, UINT nLastID, int nTextType)
{
    m_nTextType = (nTextType >= kTKTextPrompt && nTextType <= kTKTextNone) ? nTextType : kTKTextNone;
    if (m_nTextType != kTKTextUnchanged)
        ApplyTextType(nFirstID, nLastID);
}

void CTKCoolToolBar::ApplyTextType(UINT nFirstID, UINT nLastID)
{
    for (int i = 0; i < ButtonCount(); ++i) {
        const TBBUTTON button = GetButton(i);
        const UINT nID = static_cast<UINT>(button.idCommand);
        if (!IsSeparator(button) && nID >= nFirstID && nID <= nLastID)
            SetButtonText(i, TextOfType(nID, m_nTextType));
    }
}

// The Marlett "6", as high as a menu check mark: the system's own arrow.
void CTKCoolToolBar::MeasureDropDownArrow()
{
    CFont font;
    font.CreateFont(::GetSystemMetrics(SM_CYMENUCHECK), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                    SYMBOL_CHARSET, 0, 0, 0, 0, "Marlett");
    const HDC hDC = ::GetDC(nullptr);
    const HGDIOBJ hOldFont = ::SelectObject(hDC, font.GetSafeHandle());
    SIZE size = {};
    ::GetTextExtentPoint32(hDC, "6", 1, &size);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(nullptr, hDC);
    m_nDropDownArrowWidth = size.cx;
}

void CTKCoolToolBar::SetDropDownArrow(BOOL bDropDownArrow)
{
    m_bDropDownArrow = bDropDownArrow;
    if (!HasExtendedStyles() || m_hWnd == nullptr)
        return;
    DWORD dwExStyle = static_cast<DWORD>(SendMessage(TB_GETEXTENDEDSTYLE));
    dwExStyle = bDropDownArrow ? dwExStyle | TBSTYLE_EX_DRAWDDARROWS : dwExStyle & ~TBSTYLE_EX_DRAWDDARROWS;
    SendMessage(TB_SETEXTENDEDSTYLE, 0, dwExStyle);
}

BOOL CTKCoolToolBar::IsDropDownArrow() const
{
    if (!HasExtendedStyles() || m_hWnd == nullptr)
        return m_bDropDownArrow;
    return (::SendMessage(m_hWnd, TB_GETEXTENDEDSTYLE, 0, 0) & TBSTYLE_EX_DRAWDDARROWS) != 0;
}

void CTKCoolToolBar::SetIcon(HICON hIcon)
{
    m_hIcon = hIcon;
    if (m_hWnd != nullptr)
        UpdateSizes(TRUE, TRUE);
}

// --- keeping the hosted windows, selection and mark in step ---------------

LRESULT CTKCoolToolBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case TB_INSERTBUTTONA:
    case TB_INSERTBUTTONW:
        return OnInsertButton(message, wParam, lParam);
    case TB_DELETEBUTTON:
        return OnDeleteButton(wParam);
    case TB_MOVEBUTTON:
        return OnMoveButton(wParam, lParam);
    default:
        return CMFCToolBar::WindowProc(message, wParam, lParam);
    }
}

void CTKCoolToolBar::RemapButtons(const std::function<int(int)>& newIndex)
{
    std::map<int, KTCUSTOMBUTTONDESCRIPTOR> remapped;
    for (const auto& entry : m_mapCustomButtons) {
        const int nIndex = newIndex(entry.first);
        if (nIndex >= 0)
            remapped[nIndex] = entry.second;
    }
    m_mapCustomButtons.swap(remapped);
}

LRESULT CTKCoolToolBar::OnInsertButton(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = CMFCToolBar::WindowProc(message, wParam, lParam);
    if (!lResult)
        return lResult;
    m_nCount = ButtonCount();
    const int nInserted = std::min(static_cast<int>(wParam), m_nCount - 1);
    const auto newIndex = [nInserted](int nIndex) { return nIndex >= nInserted ? nIndex + 1 : nIndex; };
    RemapButtons(newIndex);
    m_nCustomizedButtonIndex = Remap(m_nCustomizedButtonIndex, newIndex);
    m_nMarkedButtonIndex = Remap(m_nMarkedButtonIndex, newIndex);
    UpdateSizes(TRUE, TRUE);
    return lResult;
}

LRESULT CTKCoolToolBar::OnDeleteButton(WPARAM wParam)
{
    const int nDeleted = static_cast<int>(wParam);
    const int nCountBefore = ButtonCount();
    const LRESULT lResult = CMFCToolBar::WindowProc(TB_DELETEBUTTON, wParam, 0);
    if (!lResult)
        return lResult;
    m_nCount = ButtonCount();
    auto it = m_mapCustomButtons.find(nDeleted);
    if (it != m_mapCustomButtons.end()) {
        it->second.pControl->OnButtonDeleted();
        m_mapCustomButtons.erase(it);
    }
    const auto newIndex = [nDeleted](int nIndex) {
        return nIndex == nDeleted ? -1 : (nIndex > nDeleted ? nIndex - 1 : nIndex);
    };
    RemapButtons(newIndex);
    m_nCustomizedButtonIndex = Remap(m_nCustomizedButtonIndex, newIndex);
    m_nMarkedButtonIndex = Remap(m_nMarkedButtonIndex, newIndex);
    DeleteEdgeSeparators(nDeleted == 0, nDeleted == nCountBefore - 1);
    UpdateSizes(TRUE, TRUE);
    return lResult;
}

// A separator left at either end after a delete goes too, unless it holds
// a window. Deletes the bar makes itself leave the ends as they are.
void CTKCoolToolBar::DeleteEdgeSeparators(BOOL bWasFirst, BOOL bWasLast)
{
    if (m_bInsertingSeparator)
        return;
    m_bInsertingSeparator = TRUE;
    const auto deleteIfPlainSeparator = [this](int nIndex) {
        if (nIndex >= 0 && nIndex < ButtonCount() && IsSeparator(GetButton(nIndex)) && !IsCustomButton(nIndex))
            SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(nIndex));
    };
    if (bWasLast)
        deleteIfPlainSeparator(ButtonCount() - 1);
    if (bWasFirst)
        deleteIfPlainSeparator(0);
    m_bInsertingSeparator = FALSE;
}

LRESULT CTKCoolToolBar::OnMoveButton(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = CMFCToolBar::WindowProc(TB_MOVEBUTTON, wParam, lParam);
    if (!lResult)
        return lResult;
    const int nFrom = static_cast<int>(wParam);
    const int nTo = static_cast<int>(lParam);
    RemapButtons([nFrom, nTo](int nIndex) {
        if (nIndex == nFrom)
            return nTo;
        if (nFrom < nTo && nIndex > nFrom && nIndex <= nTo)
            return nIndex - 1;
        if (nTo < nFrom && nIndex >= nTo && nIndex < nFrom)
            return nIndex + 1;
        return nIndex;
    });
    PlaceCustomButtons(std::min(nFrom, nTo), std::max(nFrom, nTo));
    return lResult;
}

BOOL CTKCoolToolBar::InsertSeparator(int nIndex)
{
    TBBUTTON separator = {};
    separator.iBitmap = 8;  // the control's own gap
    separator.fsStyle = TBSTYLE_SEP;
    separator.iString = -1;
    return static_cast<BOOL>(SendMessage(TB_INSERTBUTTON, static_cast<WPARAM>(nIndex),
                                         reinterpret_cast<LPARAM>(&separator)));
}

BOOL CTKCoolToolBar::DeleteButton(int nIndex)
{
    return static_cast<BOOL>(SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(nIndex)));
}

// --- hosted windows -------------------------------------------------------

BOOL CTKCoolToolBar::IsCustomButton(int nIndex) const
{
    return m_mapCustomButtons.count(nIndex) != 0;
}

BOOL CTKCoolToolBar::InsertCustomButton(int nIndex, int nDescriptor, DWORD dwStyle, DWORD dwValue,
                                        LPCTSTR lpszClassName, LPCTSTR lpszWindowName)
{
    if (nIndex < 0 || nIndex > ButtonCount() || nDescriptor < 0 ||
        nDescriptor >= CTKCustomButtonRegistry::GetCount())
        return FALSE;
    TBBUTTON separator = {};
    separator.iBitmap = -1;
    separator.fsStyle = TBSTYLE_SEP;
    separator.iString = -1;
    m_bInsertingSeparator = TRUE;
    const BOOL bInserted = static_cast<BOOL>(
        SendMessage(TB_INSERTBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&separator)));
    m_bInsertingSeparator = FALSE;
    if (!bInserted)
        return FALSE;
    KTCUSTOMBUTTONDESCRIPTOR descriptor;
    if (!ObtainHostedControl(nDescriptor, dwStyle, dwValue, lpszClassName, lpszWindowName, descriptor)) {
        m_bInsertingSeparator = TRUE;
        SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(nIndex));
        m_bInsertingSeparator = FALSE;
        return FALSE;
    }
    m_mapCustomButtons[nIndex] = descriptor;
    UpdateSizes(TRUE, TRUE);
    return TRUE;
}

// The first bar hosts the registered template control; once its window
// exists, another bar gets a copy of it.
BOOL CTKCoolToolBar::ObtainHostedControl(int nDescriptor, DWORD dwStyle, DWORD dwValue, LPCTSTR lpszClassName,
                                         LPCTSTR lpszWindowName, KTCUSTOMBUTTONDESCRIPTOR& result)
{
    KTCUSTOMBUTTONDESCRIPTOR* pRegistered =
        CTKCustomButtonRegistry::Find(CTKCustomButtonRegistry::GetCommand(nDescriptor));
    if (pRegistered == nullptr || pRegistered->pControl == nullptr)
        return FALSE;
    CWnd* pTemplateWnd = pRegistered->pControl->GetHostedWindow();
    if (pTemplateWnd != nullptr && ::IsWindow(pTemplateWnd->m_hWnd)) {
        CTKHostedControl* pCopy = pRegistered->pControl->CreateCopy(this);
        if (pCopy == nullptr)
            return FALSE;
        result = *pRegistered;
        result.pControl = pCopy;
        return TRUE;
    }
    if (!pRegistered->pControl->CreateHostedWindow(pRegistered->nID, this, dwStyle, dwValue, lpszClassName,
                                                   lpszWindowName))
        return FALSE;
    result = *pRegistered;
    return TRUE;
}

void CTKCoolToolBar::PlaceCustomButtons(int nFirst, int nLast)
{
    if (m_hWnd == nullptr)
        return;
    if (nLast < 0)
        nLast = ButtonCount() - 1;
    const std::map<int, KTCUSTOMBUTTONDESCRIPTOR> buttons = m_mapCustomButtons;
    for (const auto& entry : buttons)
        if (entry.first >= nFirst && entry.first <= nLast)
            PlaceCustomButton(entry.first, entry.second);
}

BOOL CTKCoolToolBar::ShowsHostedWindow(const KTCUSTOMBUTTONDESCRIPTOR& descriptor) const
{
    if ((descriptor.nShowMask & kTKShowAlways) == kTKShowAlways)
        return TRUE;
    if (IsFloating())
        return (descriptor.nShowMask & kTKShowFloating) != 0;
    if (IsHorizontalBar())
        return (descriptor.nShowMask & kTKShowDockedTopBottom) != 0;
    return (descriptor.nShowMask & kTKShowDockedSide) != 0;
}

void CTKCoolToolBar::SetButtonKind(int nIndex, UINT nID, BYTE fsStyle, int iImage)
{
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_COMMAND | TBIF_STYLE | TBIF_IMAGE | TBIF_BYINDEX;
    info.idCommand = static_cast<int>(nID);
    info.fsStyle = fsStyle;
    info.iImage = iImage;
    SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info));
}

// Where the window shows, its button is a separator of the descriptor's
// width under it; elsewhere an ordinary button with the descriptor's image
// stands in for it.
void CTKCoolToolBar::PlaceCustomButton(int nIndex, const KTCUSTOMBUTTONDESCRIPTOR& descriptor)
{
    CWnd* pWnd = descriptor.pControl != nullptr ? descriptor.pControl->GetHostedWindow() : nullptr;
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr)
        return;
    const BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    const UINT nID = static_cast<UINT>(pWnd->GetDlgCtrlID());
    const TBBUTTON button = GetButton(nIndex);
    if (ShowsHostedWindow(descriptor)) {
        if (!IsSeparator(button) || button.iBitmap != descriptor.nWidth)
            SetButtonKind(nIndex, nID, TBSTYLE_SEP, descriptor.nWidth);
        CRect rect;
        GetItemRect(nIndex, &rect);
        rect.DeflateRect(kHostedWindowInset, 0);
        if (descriptor.nHeight > 0 && descriptor.nHeight < rect.Height())
            rect.top += (rect.Height() - descriptor.nHeight) / 2;
        if (descriptor.nHeight > 0)
            rect.bottom = rect.top + descriptor.nHeight;
        if (pWnd->IsKindOf(RUNTIME_CLASS(CComboBox))) {
            CRect rectFirst;
            GetItemRect(0, &rectFirst);
            rect.OffsetRect(0, (rectFirst.bottom - kComboButtonHeight) / 2 + 1);
        }
        pWnd->MoveWindow(&rect, bVisible);
        pWnd->ShowWindow(SW_SHOWNA);
    } else {
        if (IsSeparator(button) || static_cast<UINT>(button.idCommand) != nID)
            SetButtonKind(nIndex, nID, TBSTYLE_BUTTON | TBSTYLE_AUTOSIZE, descriptor.nImage);
        pWnd->ShowWindow(SW_HIDE);
    }
    const BOOL bVisibleNow = (GetStyle() & WS_VISIBLE) != 0;
    if (bVisibleNow != bVisible)
        ModifyStyle(bVisible ? 0 : WS_VISIBLE, bVisible ? WS_VISIBLE : 0, SWP_NOREDRAW);
}

// --- layout ---------------------------------------------------------------

// An auto-size button is as wide as the control made it, a drop-down
// button wider by its arrow; a row never ends on a drop-down button nor
// just before a hosted window.
CToolBar::CButtonLayout CTKCoolToolBar::GetButtonLayout(int nIndex) const
{
    CButtonLayout layout = CMFCToolBar::GetButtonLayout(nIndex);
    const TBBUTTON button = GetButton(nIndex);
    if (!IsSeparator(button)) {
        if (button.fsStyle & TBSTYLE_AUTOSIZE) {
            CRect rect;
            GetItemRect(nIndex, &rect);
            layout.cx = rect.Width();
        }
        if ((button.fsStyle & TBSTYLE_DROPDOWN) && IsDropDownArrow())
            layout.cx += m_nDropDownArrowWidth;
    }
    BOOL bAfterDropDown = FALSE;
    if (nIndex > 0) {
        const TBBUTTON previous = GetButton(nIndex - 1);
        bAfterDropDown = !IsSeparator(previous) && (previous.fsStyle & TBSTYLE_DROPDOWN) != 0;
    }
    layout.bKeepWithPrevious = bAfterDropDown || IsCustomButton(nIndex);
    return layout;
}

CSize CTKCoolToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    const std::map<int, CRect> before = HostedButtonRects();
    const CSize size = CMFCToolBar::CalcFixedLayout(bStretch, bHorz);
    MoveHostedWindows(before);
    return size;
}

CSize CTKCoolToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    const std::map<int, CRect> before = HostedButtonRects();
    const CSize size = CMFCToolBar::CalcDynamicLayout(nLength, dwMode);
    MoveHostedWindows(before);
    return size;
}

std::map<int, CRect> CTKCoolToolBar::HostedButtonRects() const
{
    std::map<int, CRect> rects;
    for (const auto& entry : m_mapCustomButtons) {
        CRect rect;
        GetItemRect(entry.first, &rect);
        rects[entry.first] = rect;
    }
    return rects;
}

// A hosted window moves with its button when the layout wraps the rows
// anew.
void CTKCoolToolBar::MoveHostedWindows(const std::map<int, CRect>& before)
{
    for (const auto& entry : before) {
        auto it = m_mapCustomButtons.find(entry.first);
        CWnd* pWnd = it != m_mapCustomButtons.end() ? it->second.pControl->GetHostedWindow() : nullptr;
        if (pWnd == nullptr || pWnd->m_hWnd == nullptr)
            continue;
        CRect rectNow;
        GetItemRect(entry.first, &rectNow);
        const CSize sizeShift = rectNow.TopLeft() - entry.second.TopLeft();
        if (sizeShift == CSize(0, 0))
            continue;
        CRect rectWnd;
        pWnd->GetWindowRect(&rectWnd);
        ScreenToClient(&rectWnd);
        rectWnd.OffsetRect(sizeShift);
        pWnd->SetWindowPos(nullptr, rectWnd.left, rectWnd.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CTKCoolToolBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    CMFCToolBar::CalcInsideRect(rect, bHorz);
    const CSize sizeIcon = IconSpace(m_hIcon, bHorz);
    rect.left += sizeIcon.cx;
    rect.top += sizeIcon.cy;
}

// In a rebar the control measures itself; a flat one then sits 2 pixels off
// the band's edge.
void CTKCoolToolBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (!m_bCool) {
        CMFCToolBar::OnNcCalcSize(bCalcValidRects, lpncsp);
        return;
    }
    Default();
    CRect& rect = *reinterpret_cast<CRect*>(&lpncsp->rgrc[0]);
    const BOOL bHorz = IsHorizontalBar();
    if (GetStyle() & TBSTYLE_FLAT)
        rect.OffsetRect(bHorz ? 0 : 2, bHorz ? 2 : 0);
    const CSize sizeIcon = IconSpace(m_hIcon, bHorz);
    rect.left += sizeIcon.cx;
    rect.top += sizeIcon.cy;
}

void CTKCoolToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CTKCoolToolBarCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(ButtonCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        const int nIndex = static_cast<int>(state.m_nIndex);
        const TBBUTTON button = GetButton(nIndex);
        if (IsSeparator(button) && !IsCustomButton(nIndex))
            continue;
        state.m_nID = static_cast<UINT>(button.idCommand);
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

// --- drawing through the skin ---------------------------------------------

void CTKCoolToolBar::DrawGripper(CDC* pDC, CRect* pRect)
{
    GetToolbarSkin()->DrawGripper(pDC, pRect, this);
}

void CTKCoolToolBar::DrawSeparator(CDC* pDC, CRect* pRect)
{
    GetToolbarSkin()->DrawSeparator(pDC, pRect, this);
}

void CTKCoolToolBar::DrawSelectionFrame(CDC* pDC, CRect* pRect)
{
    GetToolbarSkin()->DrawSelectionFrame(pDC, pRect, this);
}

void CTKCoolToolBar::DrawNonClientArea(CDC* pDC, CRect* pRect)
{
    GetToolbarSkin()->DrawNonClientArea(pDC, pRect, this);
}

// The small icon near the bar's start: 10 pixels in on a docked bar whose
// area starts at the edge, 3 otherwise; pRect then starts 1 pixel after it.
void CTKCoolToolBar::DrawIcon(CDC* pDC, CRect* pRect)
{
    if (m_hIcon == nullptr)
        return;
    const int cx = ::GetSystemMetrics(SM_CXSMICON);
    const int cy = ::GetSystemMetrics(SM_CYSMICON);
    CPoint pt;
    if (IsHorizontalBar()) {
        const BOOL bAtEdge = pRect->left == 0 && !IsFloating();
        pt.x = pRect->left + (bAtEdge ? 10 : 3);
        pt.y = bAtEdge ? pRect->top + (pRect->Height() - cy) / 2 : pRect->top + 3;
    } else {
        const BOOL bAtEdge = pRect->top == 0 && !IsFloating();
        pt.x = pRect->left + (pRect->Width() - cx) / 2;
        pt.y = pRect->top + (bAtEdge ? 10 : 3);
    }
    m_rectIcon = CRect(pt, CSize(cx, cy));
    ::DrawIconEx(pDC->GetSafeHdc(), pt.x, pt.y, m_hIcon, cx, cy, 0, nullptr, DI_NORMAL);
    if (IsHorizontalBar())
        pRect->left = m_rectIcon.right + 1;
    else
        pRect->top = m_rectIcon.bottom + 1;
}

void CTKCoolToolBar::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    GetToolbarSkin()->OnCustomDraw(pNMHDR, pResult, this);
}

// The border, the background around the buttons, the gripper and the icon,
// in window coordinates; the client area is left to the custom draw.
void CTKCoolToolBar::OnNcPaint()
{
    if (m_bCool) {
        Default();
        return;
    }
    CWindowDC dc(this);
    CRect rectWindow = CTKWindowGeometry::WindowRect(this);
    const CRect rectClient = CTKWindowGeometry::ClientRectInWindow(this);
    dc.ExcludeClipRect(&rectClient);
    DrawNonClientArea(&dc, &rectWindow);
    if ((GetStyle() & TBSTYLE_FLAT) && (m_dwStyle & CBRS_GRIPPER))
        DrawGripper(&dc, &rectWindow);
    DrawIcon(&dc, &rectWindow);
}

BOOL CTKCoolToolBar::OnEraseBkgnd(CDC*)
{
    if (GetToolbarSkin()->UseDefaultBackground())
        return static_cast<BOOL>(Default());
    return FALSE;
}

void CTKCoolToolBar::OnSettingChange(UINT, LPCTSTR)
{
    Default();
    MeasureDropDownArrow();
    UpdateSizes(TRUE, TRUE);
}

// --- docking state --------------------------------------------------------

void CTKCoolToolBar::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CMFCToolBar::OnWindowPosChanged(lpwndpos);
    const int nFloating = IsFloating() ? 1 : 0;
    const DWORD dwAlignment = m_dwStyle & CBRS_ALIGN_ANY;
    if (nFloating != m_nFloatingState) {
        m_nFloatingState = nFloating;
        if (!m_bRecalcLayout)
            OnFloatingDocking(nFloating);
    } else if (dwAlignment != m_dwAlignment) {
        OnChangeDockSide(dwAlignment);
    }
    m_dwAlignment = dwAlignment;
    if (!m_mapCustomButtons.empty())
        m_nUpdateFlags |= kUpdateHostedWindows;
    SendMessage(WM_NCPAINT);
}

void CTKCoolToolBar::OnFloatingDocking(BOOL)
{
    if (!m_mapCustomButtons.empty())
        UpdateSizes(TRUE, TRUE);
}

void CTKCoolToolBar::OnChangeDockSide(DWORD)
{
    if (!m_mapCustomButtons.empty())
        m_nUpdateFlags |= kUpdateSizes;
}

LRESULT CTKCoolToolBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    if (IsWindowVisible() && m_nUpdateFlags != 0) {
        const UINT nFlags = m_nUpdateFlags;
        m_nUpdateFlags = 0;
        if (nFlags & kUpdateSizes)
            UpdateSizes(TRUE, FALSE);
        else if (nFlags & kUpdateHostedWindows)
            PlaceCustomButtons();
    }
    return CMFCToolBar::OnIdleUpdateCmdUI(wParam, lParam);
}

// --- editing mode ---------------------------------------------------------

BOOL CTKCoolToolBar::IsCustomizable(BOOL bAdvanced) const
{
    if (bAdvanced)
        return m_bAdvancedCustomizable;
    return (GetStyle() & CCS_ADJUSTABLE) != 0;
}

// Without commands to offer, the bar is not customisable; the control's own
// customise dialog serves the plain kind, the bar's editing mode the
// advanced one.
void CTKCoolToolBar::SetCustomizable(BOOL bCustomizable, BOOL bAdvanced)
{
    if (m_arrCustomizeButtons.empty())
        bCustomizable = FALSE;
    const BOOL bControlDialog = bCustomizable && !bAdvanced;
    ModifyStyle(bControlDialog ? 0 : CCS_ADJUSTABLE, bControlDialog ? CCS_ADJUSTABLE : 0);
    m_bAdvancedCustomizable = bCustomizable && bAdvanced;
}

void CTKCoolToolBar::SetCustomizeButtons(const UINT* pIDs, int nCount)
{
    m_arrCustomizeButtons.assign(pIDs, pIDs + std::max(nCount, 0));
}

void CTKCoolToolBar::SetCustomizationMode(BOOL bCustomizing, HWND hWndNotify)
{
    if (bCustomizing) {
        if (!IsCustomizable(TRUE))
            SetCustomizable(TRUE, TRUE);
    } else {
        const int nOld = m_nCustomizedButtonIndex;
        m_nCustomizedButtonIndex = -1;
        RedrawButton(nOld);
    }
    m_bCustomizing = bCustomizing;
    m_hWndNotify = hWndNotify;
    for (const auto& entry : m_mapCustomButtons)
        entry.second.pControl->OnCustomizationMode(bCustomizing);
}

int CTKCoolToolBar::HitTestAny(CPoint point) const
{
    return static_cast<int>(::SendMessage(m_hWnd, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point)));
}

// A hit on a button, or on a separator that hosts a window, selects it;
// any other point clears the selection.
void CTKCoolToolBar::SelectAt(CPoint point)
{
    const int nHit = HitTestAny(point);
    if (nHit >= 0)
        SelectButton(nHit);
    else if (IsCustomButton(-nHit))
        SelectButton(-nHit);
    else
        SelectButton(-1);
}

void CTKCoolToolBar::SelectButton(int nIndex)
{
    const int nOld = m_nCustomizedButtonIndex;
    m_nCustomizedButtonIndex = nIndex;
    if (nIndex >= 0)
        SetButtonState(nIndex, GetButtonState(nIndex) & ~TBSTATE_PRESSED);
    RedrawButton(nOld);
    RedrawButton(nIndex);
    if (nIndex >= 0)
        NotifyCustomizeCommand(ID_TK_TB_SELECTED);
}

LRESULT CTKCoolToolBar::NotifyCustomizeCommand(UINT nCommand)
{
    TKNMCUSTOMIZE notify = {};
    notify.hdr.hwndFrom = m_hWnd;
    notify.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    notify.hdr.code = kTKNotifyCustomizeCommand;
    notify.nCommand = nCommand;
    HWND hWndTarget = m_hWndNotify != nullptr ? m_hWndNotify : ::GetParent(m_hWnd);
    return ::SendMessage(hWndTarget, WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
}

BOOL CTKCoolToolBar::BuildCustomizeButtonMenu(CMenu& menu) const
{
    const int nIndex = m_nCustomizedButtonIndex;
    const int nCount = ButtonCount();
    if (nIndex < 0 || nIndex >= nCount || !menu.CreatePopupMenu())
        return FALSE;
    menu.AppendMenu(MF_STRING, ID_TK_TB_DELETE, LoadText(IDS_TK_TB_DELETE));
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_TK_TB_BUTTON_APPEARANCE, LoadText(IDS_TK_TB_BUTTON_APPEARANCE));
    if (!IsCustomButton(nIndex)) {
        const TBBUTTON button = GetButton(nIndex);
        const BOOL bHasText = !GetButtonText(nIndex).IsEmpty();
        menu.AppendMenu(MF_STRING | (bHasText ? 0 : MF_CHECKED), ID_TK_TB_IMAGE_ONLY,
                        LoadText(IDS_TK_TB_IMAGE_ONLY));
        menu.AppendMenu(MF_STRING | (bHasText && button.iString != -1 ? MF_CHECKED : 0), ID_TK_TB_IMAGE_AND_TEXT,
                        LoadText(IDS_TK_TB_IMAGE_AND_TEXT));
    }
    menu.AppendMenu(MF_SEPARATOR);
    const BOOL bNoSeparatorBefore = nIndex == 0 || IsSeparator(GetButton(nIndex - 1));
    const BOOL bNoSeparatorAfter = nIndex == nCount - 1 || IsSeparator(GetButton(nIndex + 1));
    menu.AppendMenu(MF_STRING | (bNoSeparatorBefore ? MF_GRAYED : 0), ID_TK_TB_SEPARATOR_BEFORE,
                    LoadText(IDS_TK_TB_SEPARATOR_BEFORE));
    menu.AppendMenu(MF_STRING | (bNoSeparatorAfter ? MF_GRAYED : 0), ID_TK_TB_SEPARATOR_AFTER,
                    LoadText(IDS_TK_TB_SEPARATOR_AFTER));
    return TRUE;
}

void CTKCoolToolBar::DisplayCustomizeButtonContextMenu(CPoint ptScreen)
{
    CMenu menu;
    if (!BuildCustomizeButtonMenu(menu))
        return;
    const UINT nCommand = static_cast<UINT>(
        ::TrackPopupMenu(menu.m_hMenu, TPM_RIGHTBUTTON | TPM_RETURNCMD, ptScreen.x, ptScreen.y, 0, m_hWnd, nullptr));
    if (nCommand != 0)
        OnCustomizeCommand(nCommand);
}

void CTKCoolToolBar::OnCustomizeCommand(UINT nCommand)
{
    if (NotifyCustomizeCommand(nCommand) != 0)
        return;
    const int nIndex = m_nCustomizedButtonIndex;
    if (nIndex < 0 || nIndex >= ButtonCount())
        return;
    switch (nCommand) {
    case ID_TK_TB_DELETE:
        DeleteButton(nIndex);
        break;
    case ID_TK_TB_IMAGE_ONLY:
        SetImageOnly(nIndex, TRUE);
        break;
    case ID_TK_TB_IMAGE_AND_TEXT:
        SetImageOnly(nIndex, FALSE);
        break;
    case ID_TK_TB_SEPARATOR_BEFORE:
        InsertSeparator(nIndex);
        break;
    case ID_TK_TB_SEPARATOR_AFTER:
        InsertSeparator(nIndex + 1);
        break;
    default:
        break;
    }
}

// The text of a button made image-only is kept for its way back; without
// one, the command's tip serves.
void CTKCoolToolBar::SetImageOnly(int nIndex, BOOL bImageOnly)
{
    const UINT nID = static_cast<UINT>(GetButton(nIndex).idCommand);
    if (bImageOnly) {
        m_mapButtonText[nID] = GetButtonText(nIndex);
        SetButtonText(nIndex, "");
    } else {
        auto it = m_mapButtonText.find(nID);
        SetButtonText(nIndex, it != m_mapButtonText.end() ? it->second : TipOf(nID));
    }
    UpdateSizes(TRUE, TRUE);
}

// --- mouse ----------------------------------------------------------------

void CTKCoolToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsEditing()) {
        SelectAt(point);
        Default();
        const int nHit = HitTestAny(point);
        if (nHit >= 0)
            SetButtonState(nHit, GetButtonState(nHit) & ~TBSTATE_PRESSED);
        return;
    }
    if (!m_bAcceptClicksOffButtons && HitTestAny(point) < 0)
        return;
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd == nullptr || pMainWnd->SendMessage(kTKQueryBodyMove) == 0) {
        CMFCToolBar::OnLButtonDown(nFlags, point);
        return;
    }
    if (m_pDockBar != nullptr && !IsFloating() && HitTestButton(point) < 0) {
        CRect rectWindow;
        GetWindowRect(&rectWindow);
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        m_sizeBodyDragOffset = ptScreen - rectWindow.TopLeft();
        m_bMovingBar = TRUE;
        SetCapture();
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZEALL));
        return;
    }
    Default();
}

void CTKCoolToolBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bMovingBar) {
        MoveBarByBody(nFlags, point);
        return;
    }
    CMFCToolBar::OnMouseMove(nFlags, point);
}

// The bar docks where a sizable dock bar under the point takes it (Ctrl
// held: never), and floats there otherwise.
void CTKCoolToolBar::MoveBarByBody(UINT nFlags, CPoint point)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != nullptr)
        pMainWnd->RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (!(nFlags & MK_LBUTTON)) {
        EndBodyMove();
        return;
    }
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    const CPoint ptTopLeft = ptScreen - m_sizeBodyDragOffset;
    if (m_pDockContext != nullptr && !(nFlags & MK_CONTROL)) {
        CTKSizeDockBar* pDockBar = CTKSizeDockBar::FindDockBarAtPoint(ptScreen, this);
        if (pDockBar != nullptr) {
            CRect rectWindow;
            GetWindowRect(&rectWindow);
            const CRect rectDock(ptTopLeft, rectWindow.Size());
            pDockBar->DockControlBar(this, &rectDock);
            return;
        }
    }
    CFrameWnd* pFrame = m_pDockSite != nullptr ? m_pDockSite : GetDockingFrame();
    if (pFrame != nullptr)
        pFrame->FloatControlBar(this, ptTopLeft, CBRS_ALIGN_TOP);
}

void CTKCoolToolBar::EndBodyMove()
{
    m_bMovingBar = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CTKCoolToolBar::OnLButtonUp(UINT, CPoint)
{
    if (m_bMovingBar) {
        EndBodyMove();
        return;
    }
    Default();
    if (!IsEditing())
        SendMessage(WM_IDLEUPDATECMDUI, TRUE);
}

void CTKCoolToolBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (IsEditing() || (!m_bAcceptClicksOffButtons && HitTestAny(point) < 0))
        return;
    CMFCToolBar::OnLButtonDblClk(nFlags, point);
}

void CTKCoolToolBar::OnRButtonDown(UINT, CPoint point)
{
    if (IsEditing())
        SelectAt(point);
    else
        Default();
}

void CTKCoolToolBar::OnMButtonDown(UINT, CPoint point)
{
    if (IsEditing())
        SelectAt(point);
    else
        Default();
}

void CTKCoolToolBar::OnRButtonUp(UINT, CPoint point)
{
    if (!IsEditing() || m_nCustomizedButtonIndex < 0) {
        Default();
        return;
    }
    ClientToScreen(&point);
    DisplayCustomizeButtonContextMenu(point);
}

// --- notifications of the control ----------------------------------------

void CTKCoolToolBar::OnDropDown(NMHDR* pNMHDR, LRESULT* pResult)
{
    m_nDroppedButtonID = reinterpret_cast<NMTOOLBAR*>(pNMHDR)->iItem;
    *pResult = 0;
}

void CTKCoolToolBar::OnQueryInsertDelete(NMHDR*, LRESULT* pResult)
{
    *pResult = TRUE;
}

void CTKCoolToolBar::OnBeginEndDrag(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
}

void CTKCoolToolBar::OnToolBarChange(NMHDR*, LRESULT* pResult)
{
    SetTextType(0, 0xFFFF, m_nTextType);
    *pResult = 0;
}

// The control's customise dialog asks for the commands it may offer, one
// index at a time, until the bar answers FALSE.
void CTKCoolToolBar::OnGetButtonInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* pInfo = reinterpret_cast<NMTOOLBARA*>(pNMHDR);
    if (pInfo->iItem < 0 || pInfo->iItem >= static_cast<int>(m_arrCustomizeButtons.size())) {
        *pResult = FALSE;
        return;
    }
    const UINT nID = m_arrCustomizeButtons[static_cast<size_t>(pInfo->iItem)];
    pInfo->tbButton = TBBUTTON{};
    pInfo->tbButton.iBitmap = pInfo->iItem;
    pInfo->tbButton.idCommand = static_cast<int>(nID);
    pInfo->tbButton.fsState = TBSTATE_ENABLED;
    pInfo->tbButton.iString = -1;
    if (pInfo->pszText != nullptr && pInfo->cchText > 0) {
        CString text = TipOf(nID);
        if (text.IsEmpty())
            text = "???";
        lstrcpynA(pInfo->pszText, text, pInfo->cchText);
    }
    *pResult = TRUE;
}

// --- drag and drop --------------------------------------------------------
// The drop target hands each step to the bar; the base bar takes no drop,
// and the zero-filled answer block says so.

LRESULT CTKCoolToolBar::OnDragEnter(WPARAM wParam, LPARAM lParam)
{
    if (!IsCustomizable(TRUE))
        return 0;
    m_bDragOver = TRUE;
    return OnDragOver(wParam, lParam);
}

LRESULT CTKCoolToolBar::OnDragOver(WPARAM, LPARAM)
{
    return IsCustomizable(TRUE) ? 1 : 0;
}

LRESULT CTKCoolToolBar::OnDragLeave(WPARAM, LPARAM)
{
    if (!IsCustomizable(TRUE))
        return 0;
    TBINSERTMARK mark = {-1, 0};
    SendMessage(TB_SETINSERTMARK, 0, reinterpret_cast<LPARAM>(&mark));
    if (!m_bDragging)
        m_bDragOver = FALSE;
    return 1;
}

LRESULT CTKCoolToolBar::OnDrop(WPARAM, LPARAM)
{
    if (!IsCustomizable(TRUE))
        return 0;
    m_bDragOver = FALSE;
    return 1;
}
