#include "CDockBar.h"

#include "AfxWindowMessages.h"
#include "CDockContext.h"
#include "CFrameWnd.h"

#include <algorithm>
#include <climits>
#include <vector>

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

namespace {

// The length a dock bar lays its rows out in when nothing limits it.
const int kUnlimited = 32767;

// Along and across an edge: x and y for a horizontal dock bar, else the
// other way round.
LONG Along(const CSize& size, BOOL bHorz) { return bHorz ? size.cx : size.cy; }
LONG Across(const CSize& size, BOOL bHorz) { return bHorz ? size.cy : size.cx; }

}  // namespace

struct CDockBar::RowItem {
    CControlBar* pBar;
    CSize size;
    int nPos;  // along the row
};

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating)
{
    m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0;
    m_arrBars.Add(nullptr);
}

// A dock bar is a plain child without borders of its own; it joins the
// frame's bars so that GetControlBar finds it by id.
BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    DWORD dwWindowStyle = SplitBarStyle(dwStyle) | WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    m_dwStyle &= ~CBRS_BORDER_ANY;
    if (!CWnd::CreateEx(0, AfxDefaultWndClass(COLOR_BTNFACE), nullptr, dwWindowStyle, CRect(0, 0, 0, 0),
                        pParentWnd, nID))
        return FALSE;
    if (!m_bFloating)
        AttachToFrame(pParentWnd);
    return TRUE;
}

// --- attributes -----------------------------------------------------------

BOOL CDockBar::IsPlaceHolder(const void* pEntry)
{
    return pEntry != nullptr && reinterpret_cast<UINT_PTR>(pEntry) < 0x10000;
}

CControlBar* CDockBar::GetDockedControlBar(int nPos) const
{
    void* pEntry = m_arrBars[nPos];
    return pEntry == nullptr || IsPlaceHolder(pEntry) ? nullptr : static_cast<CControlBar*>(pEntry);
}

int CDockBar::GetDockedCount() const
{
    int nCount = 0;
    for (int i = 0; i < m_arrBars.GetSize(); ++i)
        nCount += GetDockedControlBar(i) != nullptr ? 1 : 0;
    return nCount;
}

int CDockBar::GetDockedVisibleCount() const
{
    int nCount = 0;
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        CControlBar* pBar = GetDockedControlBar(i);
        nCount += pBar != nullptr && pBar->IsVisible() ? 1 : 0;
    }
    return nCount;
}

int CDockBar::FindBar(CControlBar* pBar, int nPosExclude) const
{
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        if (i != nPosExclude && m_arrBars[i] == pBar)
            return i;
    }
    return -1;
}

int CDockBar::FindPlaceHolder(UINT nID) const
{
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        if (IsPlaceHolder(m_arrBars[i]) && reinterpret_cast<UINT_PTR>(m_arrBars[i]) == nID)
            return i;
    }
    return -1;
}

int CDockBar::GetRowOf(CControlBar* pBar) const
{
    int nRow = -1;
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        if (m_arrBars[i] == nullptr)
            ++nRow;
        else if (m_arrBars[i] == pBar)
            return nRow;
    }
    return -1;
}

int CDockBar::RowEnd(int nStart) const
{
    int nEnd = nStart;
    while (nEnd < m_arrBars.GetSize() && m_arrBars[nEnd] != nullptr)
        ++nEnd;
    return nEnd;
}

// --- docking --------------------------------------------------------------

// The bar takes the dock bar's edge: its alignment, and its border line on
// the side facing the frame's inside (a bar on the top edge has it below).
void CDockBar::DockStyleOf(CControlBar* pBar) const
{
    DWORD dwStyle = pBar->GetBarStyle();
    DWORD dwAlign = m_bFloating ? CBRS_ALIGN_TOP : (m_dwStyle & CBRS_ALIGN_ANY);
    if (dwStyle & CBRS_BORDER_ANY) {
        static const struct {
            DWORD dwAlign;
            DWORD dwBorder;
        } kInnerBorders[] = {{CBRS_ALIGN_TOP, CBRS_BORDER_BOTTOM},
                             {CBRS_ALIGN_BOTTOM, CBRS_BORDER_TOP},
                             {CBRS_ALIGN_LEFT, CBRS_BORDER_RIGHT},
                             {CBRS_ALIGN_RIGHT, CBRS_BORDER_LEFT}};
        dwStyle &= ~CBRS_BORDER_ANY;
        for (const auto& edge : kInnerBorders) {
            if (edge.dwAlign == dwAlign && !m_bFloating)
                dwStyle |= edge.dwBorder;
        }
    }
    dwStyle = (dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | dwAlign | (m_bFloating ? CBRS_FLOATING : 0);
    pBar->SetBarStyle(dwStyle);
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    CDockBar* pOldDockBar = pBar->m_pDockBar;
    RemovePlaceHolder(pBar);
    DockStyleOf(pBar);
    int nPos = -1;
    CRect rect;
    if (lpRect != nullptr) {
        rect = *lpRect;
        ScreenToClient(&rect);
        nPos = Insert(pBar, rect, rect.CenterPoint());
        m_arrBars.InsertAt(nPos, pBar);
    } else {
        m_arrBars.Add(pBar);
        m_arrBars.Add(nullptr);
    }
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    // The dropped place is the bar's own position in its row.
    if (lpRect != nullptr)
        pBar->SetWindowPos(nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The old place goes after the bar has its new parent: an emptied
    // floating frame closes itself.
    if (pOldDockBar == this)
        RemoveControlBar(pBar, nPos);
    else if (pOldDockBar != nullptr)
        pOldDockBar->RemoveControlBar(pBar, -1, m_bFloating && !pOldDockBar->m_bFloating);
    pBar->m_pDockBar = this;
}

void CDockBar::ReDockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    const int nPlaceHolder = FindPlaceHolder(static_cast<UINT>(pBar->GetDlgCtrlID() & 0xFFFF));
    if (nPlaceHolder < 0 || pBar->m_pDockBar == this) {
        DockControlBar(pBar, lpRect);
        return;
    }
    m_arrBars[nPlaceHolder] = pBar;
    TakeBar(pBar);
    if (lpRect != nullptr) {
        CRect rect(*lpRect);
        ScreenToClient(&rect);
        pBar->SetWindowPos(nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, int nAddPlaceHolder)
{
    int nPos = FindBar(pBar, nPosExclude);
    if (nPos < 0)
        return FALSE;
    if (nAddPlaceHolder != 0) {
        m_arrBars[nPos] = reinterpret_cast<void*>(static_cast<UINT_PTR>(pBar->GetDlgCtrlID() & 0xFFFF));
    } else {
        m_arrBars.RemoveAt(nPos);
        RemoveEmptyRows();
    }
    if (pBar->m_pDockBar == this)
        pBar->m_pDockBar = nullptr;
    if (m_bFloating && GetDockedCount() == 0 && m_hWnd != nullptr)
        GetParent()->PostMessage(WM_CLOSE);
    return TRUE;
}

void CDockBar::RemovePlaceHolder(CControlBar* pBar)
{
    int nPos = FindPlaceHolder(static_cast<UINT>(pBar->GetDlgCtrlID() & 0xFFFF));
    if (nPos < 0)
        return;
    m_arrBars.RemoveAt(nPos);
    RemoveEmptyRows();
}

void CDockBar::SetRows(const CPtrArray& arrEntries)
{
    CPtrArray arrLeftOut;
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        CControlBar* pBar = GetDockedControlBar(i);
        BOOL bListed = FALSE;
        for (int j = 0; j < arrEntries.GetSize() && !bListed; ++j)
            bListed = arrEntries[j] == pBar;
        if (pBar != nullptr && !bListed)
            arrLeftOut.Add(pBar);
    }
    m_arrBars.RemoveAll();
    m_arrBars.Add(nullptr);
    for (int i = 0; i < arrEntries.GetSize(); ++i) {
        void* pEntry = arrEntries[i];
        if (pEntry != nullptr && !IsPlaceHolder(pEntry))
            TakeBar(static_cast<CControlBar*>(pEntry));
        m_arrBars.Add(pEntry);
    }
    m_arrBars.Add(nullptr);
    for (int i = 0; i < arrLeftOut.GetSize(); ++i) {
        m_arrBars.Add(arrLeftOut[i]);
        m_arrBars.Add(nullptr);
    }
    RemoveEmptyRows();
}

// Makes the bar a child of this dock bar and takes it off the one it lay in.
void CDockBar::TakeBar(CControlBar* pBar)
{
    DockStyleOf(pBar);
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    CDockBar* pOldDockBar = pBar->m_pDockBar;
    if (pOldDockBar != nullptr && pOldDockBar != this)
        pOldDockBar->RemoveControlBar(pBar);
    pBar->m_pDockBar = this;
}

// Two row ends in a row make an empty row; the array keeps its leading null.
void CDockBar::RemoveEmptyRows()
{
    for (int i = m_arrBars.GetSize() - 1; i > 0; --i) {
        if (m_arrBars[i] == nullptr && m_arrBars[i - 1] == nullptr)
            m_arrBars.RemoveAt(i);
    }
}

// Finds the row whose band holds the drop's centre and the first bar in it
// that lies beyond the centre; above every row, below every row or between
// rows a new row is begun.
int CDockBar::Insert(CControlBar* pBar, CRect, CPoint ptMid)
{
    const BOOL bHorz = IsHorzDock();
    const LONG nMidAcross = bHorz ? ptMid.y : ptMid.x;
    const LONG nMidAlong = bHorz ? ptMid.x : ptMid.y;
    for (int nStart = 1; nStart < m_arrBars.GetSize(); nStart = RowEnd(nStart) + 1) {
        const int nEnd = RowEnd(nStart);
        LONG nRowFirst = LONG_MAX;
        LONG nRowLast = LONG_MIN;
        for (int i = nStart; i < nEnd; ++i) {
            CControlBar* pOther = GetDockedControlBar(i);
            if (pOther == nullptr || pOther == pBar || !pOther->IsVisible())
                continue;
            CRect rect;
            pOther->GetWindowRect(&rect);
            ScreenToClient(&rect);
            nRowFirst = std::min(nRowFirst, bHorz ? rect.top : rect.left);
            nRowLast = std::max(nRowLast, bHorz ? rect.bottom : rect.right);
        }
        if (nRowFirst == LONG_MAX)
            continue;
        if (nMidAcross < nRowFirst) {
            m_arrBars.InsertAt(nStart, static_cast<void*>(nullptr));
            return nStart;
        }
        if (nMidAcross < nRowLast) {
            for (int i = nStart; i < nEnd; ++i) {
                CControlBar* pOther = GetDockedControlBar(i);
                if (pOther == nullptr || pOther == pBar)
                    continue;
                CRect rect;
                pOther->GetWindowRect(&rect);
                ScreenToClient(&rect);
                if ((bHorz ? rect.left : rect.top) > nMidAlong)
                    return i;
            }
            return nEnd;
        }
    }
    m_arrBars.Add(nullptr);
    return m_arrBars.GetSize() - 1;
}

// --- layout ---------------------------------------------------------------

LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    m_pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    m_bLayoutQuery = m_pLayout->hDWP == nullptr;
    LRESULT lResult = CControlBar::OnSizeParent(wParam, lParam);
    m_pLayout = nullptr;
    m_bLayoutQuery = FALSE;
    return lResult;
}

// A delayed show or hide of a docked bar is carried out when the layout
// commits; a measuring layout takes the state the bar is about to have.
BOOL CDockBar::IsBarVisible(CControlBar* pBar, BOOL bCommit)
{
    if (!bCommit)
        return pBar->IsVisible();
    AFX_SIZEPARENTPARAMS layout = {};
    return (pBar->RecalcDelayShow(&layout) & WS_VISIBLE) != 0;
}

// The bar's length in its row: a bar alone in its row is asked for the
// stretched length, the others for their own; never more than the edge. A
// sizable bar in a floating frame takes the width the user gave it last.
// The committing layout lets the bar keep the layout it measured.
CSize CDockBar::MeasureBar(CControlBar* pBar, BOOL bAlone, BOOL bCommit) const
{
    const BOOL bHorz = IsHorzDock();
    DWORD dwMode = bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;
    if (m_bFloating && (pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC))
        dwMode = LM_HORZ | LM_MRUWIDTH;
    if (bAlone && !m_bFloating)
        dwMode |= LM_STRETCH;
    if (bCommit)
        dwMode |= LM_COMMIT;
    return pBar->CalcDynamicLayout(-1, dwMode);
}

// A row whose bars need more than the edge is split: a bar that does not
// fit after others begins a row of its own.
void CDockBar::WrapRows(int nLength)
{
    const BOOL bHorz = IsHorzDock();
    int nUsed = 0;
    for (int i = 1; i < m_arrBars.GetSize(); ++i) {
        CControlBar* pBar = GetDockedControlBar(i);
        if (m_arrBars[i] == nullptr) {
            nUsed = 0;
            continue;
        }
        if (pBar == nullptr || !pBar->IsVisible())
            continue;
        const int nBar = Along(MeasureBar(pBar, FALSE), bHorz);
        if (nUsed > 0 && nUsed + nBar > nLength) {
            m_arrBars.InsertAt(i, static_cast<void*>(nullptr));
            nUsed = 0;
            continue;
        }
        nUsed += nBar;
    }
}

// Lays out one row at nAcross and returns its thickness. Each bar keeps its
// own position where the bars before it leave room, and bars that would run
// past the far end are pushed back from there.
int CDockBar::LayoutRow(int nStart, int nEnd, int nLength, int nAcross, BOOL bCommit)
{
    const BOOL bHorz = IsHorzDock();
    std::vector<RowItem> items;
    for (int i = nStart; i < nEnd; ++i) {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar != nullptr && IsBarVisible(pBar, bCommit))
            items.push_back({pBar, CSize(), 0});
    }
    int nThickness = 0;
    int nRunning = 0;
    for (RowItem& item : items) {
        item.size = MeasureBar(item.pBar, items.size() == 1, bCommit);
        if (Along(item.size, bHorz) > nLength)
            (bHorz ? item.size.cx : item.size.cy) = nLength;
        item.nPos = std::max(nRunning, m_bFloating ? 0 : OwnPosition(item.pBar));
        nRunning = item.nPos + Along(item.size, bHorz);
        nThickness = std::max<int>(nThickness, Across(item.size, bHorz));
    }
    int nLimit = nLength;
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        it->nPos = std::max(0, std::min<int>(it->nPos, nLimit - Along(it->size, bHorz)));
        nLimit = it->nPos;
    }
    nRunning = 0;
    for (RowItem& item : items) {
        item.nPos = std::max(item.nPos, nRunning);
        nRunning = item.nPos + Along(item.size, bHorz);
        CRect rect = bHorz ? CRect(CPoint(item.nPos, nAcross), item.size)
                           : CRect(CPoint(nAcross, item.nPos), item.size);
        if (bCommit)
            PlaceBar(item.pBar, rect);
    }
    return nThickness;
}

// Where the bar lies along the edge now, in the dock bar's client area.
int CDockBar::OwnPosition(CControlBar* pBar) const
{
    CRect rect;
    pBar->GetWindowRect(&rect);
    ScreenToClient(&rect);
    return IsHorzDock() ? rect.left : rect.top;
}

void CDockBar::PlaceBar(CControlBar* pBar, const CRect& rect)
{
    CRect rectNow;
    pBar->GetWindowRect(&rectNow);
    ScreenToClient(&rectNow);
    if (rectNow != rect)
        pBar->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE);
    if (!m_bFloating)
        RecordDockedPlace(pBar, rect);
}

// The bar's dock context remembers where it was docked last (in the
// frame's client area), for the double click that docks it again.
void CDockBar::RecordDockedPlace(CControlBar* pBar, const CRect& rect) const
{
    CFrameWnd* pFrame = GetDockingFrame();
    if (pBar->m_pDockContext == nullptr || pFrame == nullptr)
        return;
    CRect rectInFrame(rect);
    ::MapWindowPoints(m_hWnd, pFrame->m_hWnd, reinterpret_cast<LPPOINT>(&rectInFrame), 2);
    pBar->m_pDockContext->m_rectMRUDockPos = rectInFrame;
    pBar->m_pDockContext->m_uMRUDockID = static_cast<UINT>(GetDlgCtrlID());
}

// The rows one under another (side by side on a vertical edge), as long as
// the frame's free space allows, or unlimited in a floating frame.
CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL)
{
    const BOOL bHorz = IsHorzDock();
    int nLength = kUnlimited;
    if (m_pLayout != nullptr)
        nLength = bHorz ? CRect(m_pLayout->rect).Width() : CRect(m_pLayout->rect).Height();
    const BOOL bCommit = !m_bLayoutQuery;
    if (bCommit && !m_bFloating)
        WrapRows(nLength);
    int nAcross = 0;
    int nLongest = 0;
    for (int nStart = 1; nStart < m_arrBars.GetSize(); nStart = RowEnd(nStart) + 1) {
        const int nEnd = RowEnd(nStart);
        nAcross += LayoutRow(nStart, nEnd, nLength, nAcross, bCommit);
        for (int i = nStart; i < nEnd; ++i) {
            CControlBar* pBar = GetDockedControlBar(i);
            if (pBar != nullptr && pBar->IsVisible())
                nLongest = std::max<int>(nLongest, Along(MeasureBar(pBar, FALSE), bHorz));
        }
    }
    const int nAlong = bStretch ? kUnlimited : (m_bFloating ? nLongest : nLength);
    return bHorz ? CSize(nAlong, nAcross) : CSize(nAcross, nAlong);
}

// The docked bars update their own items at idle.
void CDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
}
