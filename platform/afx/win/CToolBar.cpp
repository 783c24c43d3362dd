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
END_MESSAGE_MAP()

#ifndef RT_TOOLBAR
#define RT_TOOLBAR MAKEINTRESOURCE(241)
#endif

namespace {

// The image size of the system's standard toolbar bitmaps; a button is
// seven pixels wider and higher than its image.
const CSize kDefaultImage(16, 15);
const CSize kButtonPadding(7, 7);

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
            button.iBitmap = 6;  // the gap's width
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

// One row of buttons: as high as a button, as long as the buttons (or the
// whole edge when stretched), plus the bar's borders.
CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL)
{
    CSize size(0, m_sizeButton.cy);
    if (m_nCount > 0) {
        CRect rectLast;
        GetItemRect(m_nCount - 1, &rectLast);
        size.cx = rectLast.right;
        size.cy = std::max<LONG>(size.cy, rectLast.bottom);
    }
    CRect rectInside;
    rectInside.SetRectEmpty();
    CalcInsideRect(rectInside, TRUE);
    size.cx -= rectInside.Width();
    size.cy -= rectInside.Height();
    if (bStretch)
        size.cx = 32767;
    return size;
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
