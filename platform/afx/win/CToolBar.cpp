#include "CToolBar.h"

#include "AfxWindowMessages.h"
#include "CCmdUI.h"
#include "CFrameWnd.h"

#include <algorithm>
#include <utility>
#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
END_MESSAGE_MAP()

#ifndef RT_TOOLBAR
#define RT_TOOLBAR MAKEINTRESOURCE(241)
#endif

namespace {

// The image size of the system's standard toolbar bitmaps; a button is
// seven pixels wider and higher than its image.
const CSize kDefaultImage(16, 15);
const CSize kButtonPadding(7, 7);
// The length of a row that never wraps, and of a stretched bar.
const int kUnlimitedLength = 32767;

// What a toolbar resource holds: the image size and the button ids.
struct CToolBarResource {
    CSize sizeImage;
    std::vector<UINT> ids;
};

// Two layouts of the resource are read: the classic one (WORD version 1,
// width, height, count, then a WORD per button) and the one the GNU
// resource compiler writes for a TOOLBAR statement (DWORD width, height,
// count, then a DWORD per button). Anything else is refused.
BOOL ParseToolBarResource(const BYTE* pData, DWORD cbData, CToolBarResource& result)
{
    auto word = [pData](DWORD nIndex) { return static_cast<UINT>(reinterpret_cast<const WORD*>(pData)[nIndex]); };
    auto dword = [pData](DWORD nIndex) { return static_cast<UINT>(reinterpret_cast<const DWORD*>(pData)[nIndex]); };
    if (cbData >= 8 && word(0) == 1 && cbData == 8 + 2 * static_cast<DWORD>(word(3))) {
        result.sizeImage = CSize(static_cast<int>(word(1)), static_cast<int>(word(2)));
        for (UINT i = 0; i < word(3); ++i)
            result.ids.push_back(word(4 + i));
    } else if (cbData >= 12 && dword(2) < 0x10000 && cbData == 12 + 4 * dword(2)) {
        result.sizeImage = CSize(static_cast<int>(dword(0)), static_cast<int>(dword(1)));
        for (UINT i = 0; i < dword(2); ++i)
            result.ids.push_back(dword(3 + i));
    } else {
        return FALSE;
    }
    return result.sizeImage.cx > 0 && result.sizeImage.cy > 0;
}

// A button's state changes through the update handlers of its command.
class CToolCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override
    {
        auto* pToolBar = static_cast<CToolBar*>(m_pOther);
        UINT nState = pToolBar->GetButtonState(static_cast<int>(m_nIndex));
        pToolBar->SetButtonState(static_cast<int>(m_nIndex),
                                 bOn ? (nState | TBSTATE_ENABLED) : (nState & ~TBSTATE_ENABLED));
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int nCheck) override
    {
        auto* pToolBar = static_cast<CToolBar*>(m_pOther);
        UINT nState = pToolBar->GetButtonState(static_cast<int>(m_nIndex)) &
                      ~(TBSTATE_CHECKED | TBSTATE_INDETERMINATE);
        if (nCheck == 1)
            nState |= TBSTATE_CHECKED;
        else if (nCheck == 2)
            nState |= TBSTATE_INDETERMINATE;
        pToolBar->SetButtonState(static_cast<int>(m_nIndex), nState);
    }
    void SetText(LPCTSTR) override {}
};

}  // namespace

CToolBar::CToolBar() : m_sizeButton(kDefaultImage + kButtonPadding), m_sizeImage(kDefaultImage)
{
    m_cxLeftBorder = m_cxRightBorder = 0;
    m_cyTopBorder = m_cyBottomBorder = 0;
}

CToolBar::~CToolBar()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

// --- creation -------------------------------------------------------------

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder),
                    nID);
}

// The control neither sizes nor places itself: the frame's layout does.
BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    SetBorders(&rcBorders);
    DWORD dwWindowStyle = SplitBarStyle(dwStyle) | (dwCtrlStyle & 0xFFFF) | CCS_NODIVIDER | CCS_NORESIZE |
                          CCS_NOPARENTALIGN;
    if (m_dwStyle & CBRS_TOOLTIPS)
        dwWindowStyle |= TBSTYLE_TOOLTIPS;
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAME, nullptr, dwWindowStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(m_sizeImage.cx, m_sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(m_sizeButton.cx, m_sizeButton.cy));
    AttachToFrame(pParentWnd);
    return TRUE;
}

BOOL CToolBar::LoadToolBar(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hResource = ::FindResource(hInst, lpszResourceName, RT_TOOLBAR);
    if (hResource == nullptr)
        return FALSE;
    HGLOBAL hData = ::LoadResource(hInst, hResource);
    const auto* pData = hData ? static_cast<const BYTE*>(::LockResource(hData)) : nullptr;
    CToolBarResource resource;
    if (pData == nullptr || !ParseToolBarResource(pData, ::SizeofResource(hInst, hResource), resource))
        return FALSE;
    SetSizes(resource.sizeImage + kButtonPadding, resource.sizeImage);
    if (!LoadBitmap(lpszResourceName))
        return FALSE;
    return SetButtons(resource.ids.data(), static_cast<int>(resource.ids.size()));
}

// The bitmap holds one image per button side by side; its light grey shows
// in the button face colour.
BOOL CToolBar::LoadBitmap(LPCTSTR lpszResourceName)
{
    HBITMAP hBitmap = static_cast<HBITMAP>(::LoadImage(AfxGetResourceHandle(), lpszResourceName, IMAGE_BITMAP, 0, 0,
                                                        LR_CREATEDIBSECTION | LR_LOADMAP3DCOLORS));
    if (hBitmap == nullptr)
        return FALSE;
    BITMAP info = {};
    ::GetObject(hBitmap, sizeof(info), &info);
    CBitmap bitmap;
    bitmap.Attach(hBitmap);
    TBADDBITMAP addBitmap = {nullptr, reinterpret_cast<UINT_PTR>(hBitmap)};
    int nImages = m_sizeImage.cx > 0 ? info.bmWidth / m_sizeImage.cx : 0;
    if (SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(nImages), reinterpret_cast<LPARAM>(&addBitmap)) == -1)
        return FALSE;
    m_bmpImageWell = std::move(bitmap);
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    while (SendMessage(TB_DELETEBUTTON, 0) != 0) {
    }
    std::vector<TBBUTTON> buttons(static_cast<size_t>(nIDCount));
    int nImage = 0;
    for (int i = 0; i < nIDCount; ++i) {
        TBBUTTON& button = buttons[static_cast<size_t>(i)];
        button.idCommand = static_cast<int>(lpIDArray[i]);
        if (lpIDArray[i] == ID_SEPARATOR) {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = 8;  // the gap's width, the toolbar control's own
        } else {
            button.fsStyle = TBSTYLE_BUTTON;
            button.fsState = TBSTATE_ENABLED;
            button.iBitmap = nImage++;
        }
    }
    m_nCount = nIDCount;
    return nIDCount == 0 ||
           SendMessage(TB_ADDBUTTONS, static_cast<WPARAM>(nIDCount), reinterpret_cast<LPARAM>(buttons.data()));
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    if (m_hWnd == nullptr)
        return;
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
}

// --- attributes -----------------------------------------------------------

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    return static_cast<int>(::SendMessage(m_hWnd, TB_COMMANDTOINDEX, nIDFind, 0));
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button = {};
    ::SendMessage(m_hWnd, TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button));
    return static_cast<UINT>(button.idCommand);
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!::SendMessage(m_hWnd, TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)))
        ::SetRectEmpty(lpRect);
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    TBBUTTON button = {};
    ::SendMessage(m_hWnd, TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button));
    return button.fsStyle;
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    TBBUTTONINFO info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_STYLE | TBIF_BYINDEX;
    info.fsStyle = static_cast<BYTE>(nStyle);
    SendMessage(TB_SETBUTTONINFO, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info));
}

UINT CToolBar::GetButtonState(int nIndex) const
{
    TBBUTTON button = {};
    ::SendMessage(m_hWnd, TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button));
    return button.fsState;
}

void CToolBar::SetButtonState(int nIndex, UINT nState)
{
    if (GetButtonState(nIndex) == nState)
        return;  // no repaint for an unchanged button at every idle
    TBBUTTONINFO info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_STATE | TBIF_BYINDEX;
    info.fsState = static_cast<BYTE>(nState);
    SendMessage(TB_SETBUTTONINFO, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info));
}

// --- layout and update ----------------------------------------------------

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CalcLayout((bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK));
}

CSize CToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    return CalcLayout(dwMode, nLength);
}

// Docked on a horizontal edge: one row; on a vertical edge: one button a
// row; floating: rows by the frame's wish or the width the user gave it
// last. A stretched docked bar runs the whole edge.
CSize CToolBar::CalcLayout(DWORD dwMode, int nLength)
{
    const BOOL bVertDock = (dwMode & LM_VERTDOCK) != 0;
    const CSize sizeBorders = GetBorderSize(!bVertDock);
    CButtonLayouts buttons = GetButtonLayouts();
    if (dwMode & LM_HORZDOCK)
        WrapToolBar(buttons, kUnlimitedLength);
    else if (bVertDock)
        WrapToolBar(buttons, m_sizeButton.cx);
    else if (nLength >= 0 && (dwMode & LM_LENGTHY))
        SizeToolBar(buttons, nLength - sizeBorders.cy, TRUE);
    else if (nLength >= 0)
        SizeToolBar(buttons, nLength - sizeBorders.cx, FALSE);
    else
        SizeToolBar(buttons, (dwMode & LM_MRUWIDTH) ? m_nMRUWidth - sizeBorders.cx : kUnlimitedLength, FALSE);

    CSize size = CalcSize(buttons) + sizeBorders;
    if (dwMode & LM_COMMIT) {
        SetButtonWraps(buttons);
        if (!(dwMode & (LM_HORZDOCK | LM_VERTDOCK)))
            m_nMRUWidth = size.cx;
    }
    if ((dwMode & LM_STRETCH) && (dwMode & LM_HORZDOCK))
        size.cx = kUnlimitedLength;
    if ((dwMode & LM_STRETCH) && bVertDock)
        size.cy = kUnlimitedLength;
    return size;
}

// A row is as wide as its buttons and gaps; a separator that ends a row
// takes no width there and lies as a gap of two thirds its width between
// the rows, as the toolbar control draws it.
CSize CToolBar::CalcSize(const CButtonLayouts& buttons) const
{
    CSize size(0, buttons.empty() ? 0 : m_sizeButton.cy);
    int nRowWidth = 0;
    for (size_t i = 0; i < buttons.size(); ++i) {
        const CButtonLayout& button = buttons[i];
        if (!(button.bSeparator && button.bWrap))
            nRowWidth += button.cx;
        size.cx = std::max<LONG>(size.cx, nRowWidth);
        if (button.bWrap && i + 1 < buttons.size()) {
            size.cy += m_sizeButton.cy + (button.bSeparator ? button.cx * 2 / 3 : 0);
            nRowWidth = 0;
        }
    }
    return size;
}

// A row breaks before a button that would pass nWidth: the item before it
// (a button, or the separator between the two) ends the row. The first
// button of a row always stays, however narrow nWidth is.
int CToolBar::WrapToolBar(CButtonLayouts& buttons, int nWidth) const
{
    int nRows = buttons.empty() ? 0 : 1;
    int x = 0;
    for (size_t i = 0; i < buttons.size(); ++i) {
        CButtonLayout& button = buttons[i];
        button.bWrap = FALSE;
        if (!button.bSeparator && !button.bKeepWithPrevious && x > 0 && x + button.cx > nWidth) {
            buttons[i - 1].bWrap = TRUE;
            ++nRows;
            x = 0;
        }
        x += button.cx;
    }
    return nRows;
}

// Halving between one button's width and the whole row: rows only grow as
// the width shrinks, so the search finds the narrowest width that keeps
// the rows of nLength, or whose rows fit into the height nLength.
void CToolBar::SizeToolBar(CButtonLayouts& buttons, int nLength, BOOL bVert) const
{
    WrapToolBar(buttons, kUnlimitedLength);
    int nLow = m_sizeButton.cx;
    int nHigh = std::max<int>(nLow, CalcSize(buttons).cx);
    const int nRowsWanted = bVert ? 0 : WrapToolBar(buttons, std::clamp(nLength, nLow, nHigh));
    auto fits = [&](int nWidth) {
        const int nRows = WrapToolBar(buttons, nWidth);
        return bVert ? CalcSize(buttons).cy <= nLength : nRows <= nRowsWanted;
    };
    while (nLow < nHigh) {
        const int nMid = nLow + (nHigh - nLow) / 2;
        if (fits(nMid))
            nHigh = nMid;
        else
            nLow = nMid + 1;
    }
    WrapToolBar(buttons, nHigh);
}

CToolBar::CButtonLayouts CToolBar::GetButtonLayouts() const
{
    CButtonLayouts buttons;
    for (int i = 0; i < m_nCount; ++i)
        buttons.push_back(GetButtonLayout(i));
    return buttons;
}

CToolBar::CButtonLayout CToolBar::GetButtonLayout(int nIndex) const
{
    TBBUTTON button = {};
    ::SendMessage(m_hWnd, TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button));
    const BOOL bSeparator = (button.fsStyle & TBSTYLE_SEP) != 0;
    return {bSeparator, bSeparator ? button.iBitmap : m_sizeButton.cx, (button.fsState & TBSTATE_WRAP) != 0};
}

void CToolBar::SetButtonWraps(const CButtonLayouts& buttons)
{
    for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
        const UINT nState = GetButtonState(i);
        SetButtonState(i, buttons[static_cast<size_t>(i)].bWrap ? (nState | TBSTATE_WRAP)
                                                                 : (nState & ~TBSTATE_WRAP));
    }
}

CSize CToolBar::GetBorderSize(BOOL bHorz) const
{
    CRect rectInside;
    rectInside.SetRectEmpty();
    CalcInsideRect(rectInside, bHorz);
    return CSize(-rectInside.Width(), -rectInside.Height());
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(m_nCount);
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        if (GetButtonStyle(static_cast<int>(state.m_nIndex)) & TBSTYLE_SEP)
            continue;
        state.m_nID = GetItemID(static_cast<int>(state.m_nIndex));
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

// --- fly-by prompts -------------------------------------------------------

int CToolBar::HitTestButton(CPoint point) const
{
    int nIndex = static_cast<int>(::SendMessage(m_hWnd, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point)));
    if (nIndex < 0 || nIndex >= m_nCount || (GetButtonStyle(nIndex) & TBSTYLE_SEP))
        return -1;
    return nIndex;
}

// A button is a tool; the bar's margins and separators are the bar's own.
BOOL CToolBar::IsOnTool(CPoint point) const
{
    return HitTestButton(point) >= 0;
}

LRESULT CToolBar::OnHelpHitTest(WPARAM, LPARAM lParam)
{
    int nIndex = HitTestButton(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
    UINT nID = nIndex >= 0 ? GetItemID(nIndex) : 0;
    return nID != 0 ? static_cast<LRESULT>(HID_BASE_COMMAND + nID) : 0;
}

// With CBRS_FLYBY the status bar shows the prompt of the button under the
// mouse, and the idle prompt once the mouse leaves the buttons.
void CToolBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_dwStyle & CBRS_FLYBY) {
        int nIndex = HitTestButton(point);
        SetFlyByPrompt(nIndex >= 0 ? GetItemID(nIndex) : 0);
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&track);
    }
    CControlBar::OnMouseMove(nFlags, point);
}

LRESULT CToolBar::OnMouseLeave(WPARAM, LPARAM)
{
    SetFlyByPrompt(0);
    return Default();
}

void CToolBar::SetFlyByPrompt(UINT nID)
{
    if (nID == m_nFlyByID)
        return;
    m_nFlyByID = nID;
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame != nullptr)
        pFrame->GetTopLevelFrame()->SetMessageText(nID != 0 ? nID : AFX_IDS_IDLEMESSAGE);
}
