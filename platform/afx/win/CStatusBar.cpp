#include "CStatusBar.h"

#include "AfxWindowMessages.h"
#include "CCmdUI.h"
#include "CClientDC.h"
#include "CFont.h"
#include "CFrameWnd.h"
#include "CScopedSelectObject.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_WM_SIZE()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
END_MESSAGE_MAP()

namespace {

// Room beside a pane's text for the control's edges and text margin, and
// above and below the text, pixels.
const int kPaneGap = 8;
const int kTextMargin = 6;

// The pane styles the control draws itself.
const UINT kControlPaneStyles = SBT_NOBORDERS | SBT_POPOUT | SBT_OWNERDRAW;

// A pane shows its key or text while its command's update handler enables it.
class CStatusCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override
    {
        UINT nStyle = Bar()->GetPaneStyle(Index());
        Bar()->SetPaneStyle(Index(), bOn ? (nStyle & ~SBPS_DISABLED) : (nStyle | SBPS_DISABLED));
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int nCheck) override
    {
        UINT nStyle = Bar()->GetPaneStyle(Index());
        Bar()->SetPaneStyle(Index(), nCheck ? (nStyle | SBPS_POPOUT) : (nStyle & ~SBPS_POPOUT));
    }
    void SetText(LPCTSTR lpszText) override { Bar()->SetPaneText(Index(), lpszText); }

private:
    CStatusBar* Bar() const { return static_cast<CStatusBar*>(m_pOther); }
    int Index() const { return static_cast<int>(m_nIndex); }
};

}  // namespace

CStatusBar::CStatusBar()
{
    m_cxLeftBorder = m_cxRightBorder = 0;
    m_cyTopBorder = m_cyBottomBorder = 0;
}

// --- creation -------------------------------------------------------------

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, nID);
}

// The control neither sizes nor places itself: the frame's layout does.
BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    DWORD dwWindowStyle = SplitBarStyle(dwStyle) | (dwCtrlStyle & 0xFFFF) | CCS_NORESIZE | CCS_NOPARENTALIGN |
                          CCS_NODIVIDER;
    if (!CWnd::CreateEx(0, STATUSCLASSNAME, nullptr, dwWindowStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)));
    AttachToFrame(pParentWnd);
    return TRUE;
}

// The first pane stretches and carries the prompts; separators have no
// border; an indicator is as wide as its text.
BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    BOOL bResult = TRUE;
    m_panes.assign(static_cast<size_t>(std::max(nIDCount, 0)), CPane());
    for (int i = 0; i < nIDCount; ++i) {
        CPane& pane = m_panes[static_cast<size_t>(i)];
        pane.nID = lpIDArray[i];
        if (pane.nID == ID_SEPARATOR) {
            pane.nStyle = SBPS_NOBORDERS;
            continue;
        }
        if (!pane.strText.LoadString(pane.nID))
            bResult = FALSE;
        pane.cxText = TextWidth(pane.strText);
    }
    if (!m_panes.empty())
        m_panes.front().nStyle |= SBPS_STRETCH;
    m_nCount = static_cast<int>(m_panes.size());
    UpdateAllPanes(TRUE, TRUE);
    return bResult;
}

// --- attributes -----------------------------------------------------------

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (size_t i = 0; i < m_panes.size(); ++i) {
        if (m_panes[i].nID == nIDFind)
            return static_cast<int>(i);
    }
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    return m_panes.at(static_cast<size_t>(nIndex)).nID;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!::SendMessage(m_hWnd, SB_GETRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)))
        ::SetRectEmpty(lpRect);
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    const CPane& pane = m_panes.at(static_cast<size_t>(nIndex));
    nID = pane.nID;
    nStyle = pane.nStyle;
    cxWidth = pane.cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    CPane& pane = m_panes.at(static_cast<size_t>(nIndex));
    pane.nID = nID;
    pane.nStyle = nStyle;
    pane.cxText = cxWidth;
    UpdateAllPanes(TRUE, TRUE);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    return m_panes.at(static_cast<size_t>(nIndex)).nStyle;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    CPane& pane = m_panes.at(static_cast<size_t>(nIndex));
    if (pane.nStyle == nStyle)
        return;
    BOOL bStretchChanged = ((pane.nStyle ^ nStyle) & SBPS_STRETCH) != 0;
    pane.nStyle = nStyle;
    if (bStretchChanged)
        UpdateAllPanes(TRUE, TRUE);
    else
        ShowPaneText(nIndex);
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    return m_panes.at(static_cast<size_t>(nIndex)).strText;
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate)
{
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_panes.size())
        return FALSE;
    CPane& pane = m_panes[static_cast<size_t>(nIndex)];
    CString strNew(lpszNewText ? lpszNewText : "");
    if (pane.strText == strNew)
        return TRUE;
    pane.strText = strNew;
    if (bUpdate)
        ShowPaneText(nIndex);
    else
        pane.bUpdate = TRUE;
    return TRUE;
}

// --- layout ---------------------------------------------------------------

int CStatusBar::TextWidth(const CString& strText)
{
    if (m_hWnd == nullptr || strText.IsEmpty())
        return 0;
    CClientDC dc(this);
    CScopedSelectObject font(dc, *GetFont());
    return dc.GetTextExtent(strText).cx;
}

int CStatusBar::LineHeight()
{
    CClientDC dc(this);
    CScopedSelectObject font(dc, *GetFont());
    TEXTMETRIC tm = {};
    dc.GetTextMetrics(&tm);
    return tm.tmHeight;
}

// A horizontal strip as high as a line of the bar's font.
CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL)
{
    CRect rectInside;
    rectInside.SetRectEmpty();
    CalcInsideRect(rectInside, TRUE);
    return CSize(bStretch ? 32767 : 0, LineHeight() + kTextMargin - rectInside.Height());
}

void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    UpdateAllPanes(TRUE, TRUE);
}

void CStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText)
{
    if (m_hWnd == nullptr || m_panes.empty())
        return;
    if (bUpdateRects)
        SetParts();
    if (!bUpdateText)
        return;
    for (size_t i = 0; i < m_panes.size(); ++i) {
        if (m_panes[i].bUpdate)
            ShowPaneText(static_cast<int>(i));
    }
}

// New parts lose the control's texts: every pane is marked to show again.
void CStatusBar::SetParts()
{
    CRect rectClient;
    GetClientRect(&rectClient);
    int cxFixed = 0;
    for (const CPane& pane : m_panes)
        cxFixed += pane.cxText + kPaneGap;
    int cxExtra = std::max(0, rectClient.Width() - cxFixed);

    std::vector<int> rightEdges;
    int nRight = 0;
    for (CPane& pane : m_panes) {
        nRight += pane.cxText + kPaneGap;
        if ((pane.nStyle & SBPS_STRETCH) && cxExtra > 0) {
            nRight += cxExtra;
            cxExtra = 0;
        }
        rightEdges.push_back(nRight);
    }
    SendMessage(SB_SETPARTS, rightEdges.size(), reinterpret_cast<LPARAM>(rightEdges.data()));
    for (CPane& pane : m_panes)
        pane.bUpdate = TRUE;
}

// A disabled pane shows nothing: a key indicator is off.
void CStatusBar::ShowPaneText(int nIndex)
{
    CPane& pane = m_panes[static_cast<size_t>(nIndex)];
    pane.bUpdate = FALSE;
    LPCTSTR lpszShown = (pane.nStyle & SBPS_DISABLED) ? "" : static_cast<LPCTSTR>(pane.strText);
    SendMessage(SB_SETTEXT, static_cast<WPARAM>(nIndex) | (pane.nStyle & kControlPaneStyles),
                reinterpret_cast<LPARAM>(lpszShown));
}

void CStatusBar::DrawItem(LPDRAWITEMSTRUCT)
{
}

// The control asks its parent to draw an owner-drawn pane; the parent hands
// the request back here.
BOOL CStatusBar::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CControlBar::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    *pResult = TRUE;
    return TRUE;
}

// --- update and prompts ---------------------------------------------------

// A pane without an update handler keeps its state.
void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(m_panes.size());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = m_panes[state.m_nIndex].nID;
        state.DoUpdate(pTarget, FALSE);
    }
}

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    int nIndex = CommandToIndex(ID_SEPARATOR);
    return nIndex >= 0 && SetPaneText(nIndex, reinterpret_cast<LPCTSTR>(lParam));
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    int nIndex = CommandToIndex(ID_SEPARATOR);
    if (wParam == 0 || nIndex < 0)
        return 0;
    ::lstrcpynA(reinterpret_cast<LPSTR>(lParam), m_panes[static_cast<size_t>(nIndex)].strText,
                static_cast<int>(wParam));
    return ::lstrlenA(reinterpret_cast<LPCSTR>(lParam));
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    int nIndex = CommandToIndex(ID_SEPARATOR);
    return nIndex >= 0 ? m_panes[static_cast<size_t>(nIndex)].strText.GetLength() : 0;
}
