#include "CTKSizeDockBar.h"

#include "CTKCoolToolBar.h"
#include "CTKMenuBar.h"
#include "CTKRectTracker.h"
#include "CTKSizeControlBar.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CTKSizeDockBar, CDockBar)

BEGIN_MESSAGE_MAP(CTKSizeDockBar, CDockBar)
    ON_WM_CREATE()
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCPAINT()
    ON_WM_SIZE()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

namespace {

// A bar expanded over its row leaves the others this long.
const int kCollapsedLength = 21;
// What a splitter drag asks the bars to give up: more than any screen.
const int kAskEverything = 16000;
// The dock bars in the order a dragged point is tested against them.
const struct {
    UINT nID;
    DWORD dwAlign;
} kDockBarsAtPoint[] = {
    {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT},
    {AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM},
};
// The second test widens each dock bar by this much; the side ones stop
// short of the bottom so that the bottom dock bar keeps its corner.
const int kDockMargin = 20;
const int kSideDockBarBottomCut = 28;

LONG Along(const CSize& size, BOOL bHorz) { return bHorz ? size.cx : size.cy; }
LONG Across(const CSize& size, BOOL bHorz) { return bHorz ? size.cy : size.cx; }

}  // namespace

CTKSizeDockBar::CTKSizeDockBar() : m_skin(&CTKSkin::GetDockbarSkin)
{
}

CTKSizeDockBar::~CTKSizeDockBar()
{
    if (m_wndDockTabCtrl.m_hWnd != nullptr)
        m_wndDockTabCtrl.DestroyWindow();
}

// --- attributes -----------------------------------------------------------

// A sizable toolbar would be laid out like any toolbar; the program has none.
BOOL CTKSizeDockBar::IsSizeBar(CControlBar* pBar)
{
    return pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CTKSizeControlBar));
}

BOOL CTKSizeDockBar::HoldsBarOf(CRuntimeClass* pClass, CControlBar* pExclude) const
{
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        CControlBar* pDocked = GetDockedControlBar(i);
        if (pDocked != nullptr && pDocked != pExclude && pDocked->IsKindOf(pClass))
            return TRUE;
    }
    return FALSE;
}

CTKSizeControlBar* CTKSizeDockBar::GetOtherSizeBar(CControlBar* pBar) const
{
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        CControlBar* pDocked = GetDockedControlBar(i);
        if (pDocked != pBar && IsSizeBar(pDocked))
            return static_cast<CTKSizeControlBar*>(pDocked);
    }
    return nullptr;
}

CControlBar* CTKSizeDockBar::GetFirstDockedBar() const
{
    return m_arrBars.GetSize() >= 2 ? GetDockedControlBar(1) : nullptr;
}

int CTKSizeDockBar::GetTabHeight() const
{
    return m_wndDockTabCtrl.m_hWnd != nullptr && m_wndDockTabCtrl.GetItemCount() > 0 ? kTabStripHeight : 0;
}

int CTKSizeDockBar::GetBorderAlong() const
{
    return 2 * ::GetSystemMetrics(IsHorzDock() ? SM_CXBORDER : SM_CYBORDER);
}

int CTKSizeDockBar::GetBorderAcross() const
{
    return 2 * ::GetSystemMetrics(IsHorzDock() ? SM_CYBORDER : SM_CXBORDER);
}

// The frame's layout gives the room; outside a layout the side dock bars
// get the height between the top and bottom ones.
int CTKSizeDockBar::GetAvailableLength() const
{
    const BOOL bHorz = IsHorzDock();
    if (m_pLayout != nullptr) {
        const CRect rect(m_pLayout->rect);
        return bHorz ? rect.Width() : rect.Height();
    }
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame == nullptr)
        return 0;
    CRect rect;
    pFrame->GetClientRect(&rect);
    pFrame->ClientToScreen(&rect);
    for (UINT nID = 0xE800; nID <= 0xE8FF && !bHorz; ++nID) {
        auto* pDockBar = dynamic_cast<CDockBar*>(pFrame->GetControlBar(nID));
        if (pDockBar == nullptr || pDockBar->m_bFloating || !pDockBar->IsWindowVisible())
            continue;
        CRect rectDockBar;
        pDockBar->GetWindowRect(&rectDockBar);
        const DWORD dwStyle = pDockBar->GetBarStyle();
        if (dwStyle & (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM))
            rect.top = std::max(rect.top, rectDockBar.bottom);
        else if (dwStyle & (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP))
            rect.bottom = std::min(rect.bottom, rectDockBar.top);
    }
    return bHorz ? rect.Width() : rect.Height();
}

// A sizable bar's length is its docked size; any other bar is asked.
int CTKSizeDockBar::GetLength(CControlBar* pBar) const
{
    const BOOL bHorz = IsHorzDock();
    if (IsSizeBar(pBar)) {
        auto* pSizeBar = static_cast<CTKSizeControlBar*>(pBar);
        return bHorz ? pSizeBar->m_HorzDockSize.cx : pSizeBar->m_VertDockSize.cy;
    }
    return Along(MeasureBar(pBar, FALSE), bHorz);
}

// --- rows -------------------------------------------------------------------

CTKDockRows CTKSizeDockBar::TakeRows(const CPtrArray* pLeftOut) const
{
    const BOOL bHorz = IsHorzDock();
    std::vector<CTKDockRowEntry> entries(static_cast<size_t>(m_arrBars.GetSize()));
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        CTKDockRowEntry& entry = entries[static_cast<size_t>(i)];
        void* pEntry = m_arrBars[i];
        if (pEntry == nullptr)
            continue;
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar == nullptr || pBar->m_hWnd == nullptr) {
            entry.nKind = CTKDockRowEntry::kPlaceHolder;
            continue;
        }
        entry.nKind = CTKDockRowEntry::kBar;
        BOOL bLeftOut = FALSE;
        for (int j = 0; pLeftOut != nullptr && j < pLeftOut->GetSize(); ++j)
            bLeftOut = bLeftOut || (*pLeftOut)[j] == pBar;
        entry.bVisible = pBar->IsVisible() && !bLeftOut;
        entry.bSizeBar = IsSizeBar(pBar);
        if (!entry.bVisible)
            continue;
        CSize size;
        if (entry.bSizeBar) {
            auto* pSizeBar = static_cast<CTKSizeControlBar*>(pBar);
            size = bHorz ? pSizeBar->m_HorzDockSize : pSizeBar->m_VertDockSize;
        } else {
            size = MeasureBar(pBar, FALSE);
        }
        entry.nLength = Along(size, bHorz);
        entry.nThickness = Across(size, bHorz);
        MINMAXINFO info = {};
        pBar->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        entry.nMinTrackWidth = info.ptMinTrackSize.x;
        entry.nMinTrackHeight = info.ptMinTrackSize.y;
    }
    return CTKDockRows(std::move(entries));
}

void CTKSizeDockBar::PutRows(const CTKDockRows& rows)
{
    const BOOL bHorz = IsHorzDock();
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        const CTKDockRowEntry& entry = rows.Entries()[static_cast<size_t>(i)];
        CControlBar* pBar = GetDockedControlBar(i);
        if (!entry.IsVisibleSizeBar() || !IsSizeBar(pBar))
            continue;
        auto* pSizeBar = static_cast<CTKSizeControlBar*>(pBar);
        const CSize size = bHorz ? CSize(entry.nLength, entry.nThickness) : CSize(entry.nThickness, entry.nLength);
        (bHorz ? pSizeBar->m_HorzDockSize : pSizeBar->m_VertDockSize) = size;
        if (!m_bLayoutQuery)
            pSizeBar->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CTKSizeDockBar::FitAllRows(int nLength)
{
    CTKDockRows rows = TakeRows();
    const int nSize = static_cast<int>(rows.Entries().size());
    for (int nStart = 1; nStart < nSize; nStart = rows.RowEnd(nStart) + 1)
        rows.FitRow(nStart, nLength, GetBorderAlong());
    PutRows(rows);
}

// Bars that show again keep their length; the others of their row make
// room for them.
void CTKSizeDockBar::FitReappearedBars()
{
    CPtrArray arrReappeared;
    for (int i = 0; i < m_arrHiddenBars.GetSize(); ++i) {
        auto* pBar = static_cast<CControlBar*>(m_arrHiddenBars[i]);
        if (FindBar(pBar) >= 0 && pBar->IsVisible())
            arrReappeared.Add(pBar);
    }
    if (arrReappeared.GetSize() == 0)
        return;
    CTKDockRows rows = TakeRows(&arrReappeared);
    const int nSize = static_cast<int>(rows.Entries().size());
    for (int nStart = 1; nStart < nSize; nStart = rows.RowEnd(nStart) + 1) {
        const int nEnd = rows.RowEnd(nStart);
        int nReappeared = 0;
        BOOL bAny = FALSE;
        for (int i = 0; i < arrReappeared.GetSize(); ++i) {
            const int nPos = FindBar(static_cast<CControlBar*>(arrReappeared[i]));
            if (nPos >= nStart && nPos < nEnd) {
                bAny = TRUE;
                nReappeared += GetLength(static_cast<CControlBar*>(arrReappeared[i]));
            }
        }
        if (bAny)
            rows.FitRow(nStart, std::max(0, rows.RowInfo(nStart).TotalLength() - nReappeared), GetBorderAlong());
    }
    PutRows(rows);
}

// The row finder works in the dock bar's client coordinates, across the
// rows, with the thickness the bars' windows have now (a vertical row one
// pixel less).
int CTKSizeDockBar::FindRowOf(const CRect& rectScreen) const
{
    CPoint ptCentre = rectScreen.CenterPoint();
    ScreenToClient(&ptCentre);
    CTKDockRows rows = TakeRows();
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar == nullptr || !rows.Entries()[static_cast<size_t>(i)].bVisible)
            continue;
        CRect rect;
        pBar->GetWindowRect(&rect);
        rows.Entries()[static_cast<size_t>(i)].nThickness = IsHorzDock() ? rect.Height() : rect.Width() - 1;
    }
    return rows.FindRow(IsHorzDock() ? ptCentre.y : ptCentre.x, GetBorderAcross());
}

int CTKSizeDockBar::CountBarsInRowAt(CControlBar* pBar, const CRect& rect) const
{
    const int nRowEnd = FindRowOf(rect);
    if (nRowEnd <= 0)
        return 0;
    int nCount = 0;
    for (int i = nRowEnd - 1; i > 0 && m_arrBars[i] != nullptr; --i) {
        CControlBar* pDocked = GetDockedControlBar(i);
        nCount += pDocked != nullptr && pDocked != pBar ? 1 : 0;
    }
    return nCount;
}

int CTKSizeDockBar::GetRowBarCount(CControlBar* pBar) const
{
    CRect rectBar;
    pBar->GetWindowRect(&rectBar);
    int nCount = 1;
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        CControlBar* pDocked = GetDockedControlBar(i);
        if (pDocked == nullptr || pDocked == pBar || !IsSizeBar(pDocked) || !pDocked->IsVisible())
            continue;
        CRect rect;
        pDocked->GetWindowRect(&rect);
        const BOOL bSameRow = IsHorzDock() ? rect.top == rectBar.top : std::abs(rect.left - rectBar.left) < 5;
        nCount += bSameRow ? 1 : 0;
    }
    return nCount;
}

// --- layout -----------------------------------------------------------------

void CTKSizeDockBar::AddSplitter(const CRect& rect, BYTE nType, int nPos)
{
    m_arrSplitters.push_back(std::make_unique<CTKSplitterRect>(rect, nType, nPos));
}

// Every pass records where the bar lies, also when it only measures: the
// drag and the double click read it.
void CTKSizeDockBar::PlaceOrRecord(CControlBar* pBar, const CRect& rect, BOOL bCommit)
{
    if (bCommit)
        PlaceBar(pBar, rect);
    else if (!m_bFloating)
        RecordDockedPlace(pBar, rect);
}

// Bars follow one another from the running point, a splitter between two
// sizable bars; neighbours overlap by their border. A bar that would start
// past the far end begins a row of its own, fitted to the length.
int CTKSizeDockBar::LayoutSizeRow(int nStart, int nAvailable, int nAcross, BOOL bCommit)
{
    const BOOL bHorz = IsHorzDock();
    const BYTE nBetweenType = bHorz ? CTKSplitterRect::kVerticalStrip : CTKSplitterRect::kHorizontalStrip;
    const int nBorder = GetBorderAlong();
    const size_t nFirstSplitter = m_arrSplitters.size();
    int nAlong = -nBorder;
    int nThickness = 0;
    BOOL bFirst = TRUE;
    CControlBar* pPrevious = nullptr;
    for (int i = nStart; i < m_arrBars.GetSize() && m_arrBars[i] != nullptr; ++i) {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar == nullptr || pBar->m_hWnd == nullptr || !IsBarVisible(pBar, bCommit))
            continue;
        if (IsSizeBar(pBar) && IsSizeBar(pPrevious)) {
            AddSplitter(bHorz ? CRect(nAlong, nAcross, nAlong + kSplitter, nAcross)
                              : CRect(nAcross, nAlong, nAcross, nAlong + kSplitter),
                        nBetweenType, i);
            nAlong += kSplitter;
        }
        // A bar dragged down to no length stays in its row: it takes no
        // room, and its splitter brings it back.
        if (!bFirst && nAlong >= nAvailable - nBorder && GetLength(pBar) > 0) {
            m_arrBars.InsertAt(i, static_cast<void*>(nullptr));
            if (IsSizeBar(pPrevious) && IsSizeBar(pBar) && m_arrSplitters.size() > nFirstSplitter)
                m_arrSplitters.pop_back();
            CTKDockRows rows = TakeRows();
            rows.FitRow(i + 1, nAvailable, nBorder);
            PutRows(rows);
            break;
        }
        CSize size;
        if (IsSizeBar(pBar)) {
            auto* pSizeBar = static_cast<CTKSizeControlBar*>(pBar);
            size = bHorz ? pSizeBar->m_HorzDockSize : pSizeBar->m_VertDockSize;
        } else {
            size = MeasureBar(pBar, FALSE, bCommit);
        }
        const CRect rect = bHorz ? CRect(CPoint(nAlong, nAcross), size) : CRect(CPoint(nAcross, nAlong), size);
        PlaceOrRecord(pBar, rect, bCommit);
        nAlong += Along(size, bHorz) - nBorder;
        nThickness = std::max<int>(nThickness, Across(size, bHorz));
        pPrevious = pBar;
        bFirst = FALSE;
    }
    for (size_t n = nFirstSplitter; n < m_arrSplitters.size(); ++n)
        (bHorz ? m_arrSplitters[n]->m_rect.bottom : m_arrSplitters[n]->m_rect.right) = nAcross + nThickness;
    return nThickness;
}

// The rows one after another across the edge, as the framework's dock bar
// lays them out, with splitters: before a row of sizable bars in a right
// or bottom dock bar, after one in a left or top dock bar (towards the
// frame's inside), and between the sizable bars of a row.
CSize CTKSizeDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (m_arrBars.GetSize() < 2)
        return CDockBar::CalcFixedLayout(bStretch, bHorz);
    const BOOL bHorzDock = IsHorzDock();
    const BOOL bNearSide = (m_dwStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_TOP)) != 0;
    const BYTE nRowType = bHorzDock ? CTKSplitterRect::kHorizontalStrip : CTKSplitterRect::kVerticalStrip;
    const int nAvailable = GetAvailableLength();
    const BOOL bCommit = !m_bLayoutQuery;
    m_arrSplitters.clear();
    // Toolbars wrap as on the framework's dock bar; rows of sizable bars
    // wrap as they are laid out.
    if (bCommit && !m_bFloating && GetOtherSizeBar(nullptr) == nullptr)
        WrapRows(nAvailable);
    auto addRowSplitter = [&](int nAcross, int nPos) {
        AddSplitter(bHorzDock ? CRect(0, nAcross, 0, nAcross + kSplitter) : CRect(nAcross, 0, nAcross + kSplitter, 0),
                    nRowType, nPos);
    };
    int nAcross = 0;
    BOOL bPreviousRowSized = FALSE;
    for (int nStart = 1; nStart < m_arrBars.GetSize(); nStart = RowEnd(nStart) + 1) {
        const int nEnd = RowEnd(nStart);
        BOOL bAnyVisible = FALSE;
        BOOL bSized = FALSE;
        for (int i = nStart; i < nEnd; ++i) {
            CControlBar* pBar = GetDockedControlBar(i);
            if (pBar == nullptr || pBar->m_hWnd == nullptr || !IsBarVisible(pBar, bCommit))
                continue;
            bAnyVisible = TRUE;
            bSized = bSized || IsSizeBar(pBar);
        }
        if (!bAnyVisible)
            continue;
        if (bNearSide ? bPreviousRowSized : bSized) {
            addRowSplitter(nAcross, nStart);
            nAcross += kSplitter;
        }
        nAcross += bSized ? LayoutSizeRow(nStart, nAvailable, nAcross, bCommit)
                          : LayoutRow(nStart, nEnd, nAvailable, nAcross, bCommit);
        bPreviousRowSized = bSized;
    }
    if (bNearSide && bPreviousRowSized) {
        addRowSplitter(nAcross, m_arrBars.GetSize());
        // The left dock bar's last splitter shares its last pixel with the
        // frame's inside edge.
        nAcross += bHorzDock ? kSplitter : kSplitter - 1;
    }
    for (auto& pSplitter : m_arrSplitters) {
        if (pSplitter->m_nType == nRowType)
            (bHorzDock ? pSplitter->m_rect.right : pSplitter->m_rect.bottom) = nAvailable;
    }
    const int nAlong = bStretch ? 32767 : nAvailable;
    CSize size = bHorzDock ? CSize(nAlong, nAcross) : CSize(nAcross, nAlong);
    size.cy += GetTabHeight();
    return size;
}

// A new length or a new set of visible bars fits every row anew; bars that
// show again keep their length.
LRESULT CTKSizeDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    auto* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    const CRect rect(lpLayout->rect);
    const int nWidth = rect.Width();
    const int nHeight = rect.Height() - GetTabHeight();
    m_bLayoutQuery = lpLayout->hDWP == nullptr;
    const BOOL bHorz = IsHorzDock();
    const BOOL bLengthChanged = bHorz ? nWidth != m_nLastWidth : nHeight != m_nLastHeight;
    m_nLastWidth = nWidth;
    m_nLastHeight = nHeight;

    FitReappearedBars();
    m_arrHiddenBars.RemoveAll();
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar != nullptr && !pBar->IsVisible())
            m_arrHiddenBars.Add(pBar);
    }
    const uint32_t nSignature = TakeRows().Signature();
    if (bLengthChanged || nSignature != m_nLayoutSignature) {
        FitAllRows(bHorz ? nWidth : nHeight);
        m_nLayoutSignature = nSignature;
        for (auto& pSplitter : m_arrSplitters)
            InvalidateRect(&pSplitter->m_rect);
    }
    return CDockBar::OnSizeParent(wParam, lParam);
}

// --- painting and splitters ---------------------------------------------------

int CTKSizeDockBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDockBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_wndDockTabCtrl.m_pDockBar = this;
    if (!m_wndDockTabCtrl.Create(WS_CHILD | WS_VISIBLE | TCS_FOCUSNEVER | TCS_BOTTOM, CRect(0, 0, 0, 0), this,
                                 kTabCtrlID))
        return -1;
    return 0;
}

void CTKSizeDockBar::OnPaint()
{
    CPaintDC dc(this);
    for (auto it = m_arrSplitters.rbegin(); it != m_arrSplitters.rend(); ++it)
        GetSkin()->DrawSplitter(&dc, it->get(), this);
}

BOOL CTKSizeDockBar::OnEraseBkgnd(CDC* pDC)
{
    GetSkin()->FillDockBar(pDC, this);
    return FALSE;
}

void CTKSizeDockBar::OnNcPaint()
{
    CDockBar::OnNcPaint();
    GetSkin()->DrawDockBarBorder(this);
}

void CTKSizeDockBar::OnSize(UINT nType, int cx, int cy)
{
    CDockBar::OnSize(nType, cx, cy);
    if (m_wndDockTabCtrl.m_hWnd != nullptr) {
        const int nTabHeight = GetTabHeight();
        m_wndDockTabCtrl.SetWindowPos(nullptr, 0, cy - nTabHeight, cx, nTabHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// The cursor follows the splitters on mouse moves.
BOOL CTKSizeDockBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (pWnd == this && nHitTest == HTCLIENT)
        return TRUE;
    return CDockBar::OnSetCursor(pWnd, nHitTest, message);
}

CTKSplitterRect* CTKSizeDockBar::SplitterAt(CPoint point) const
{
    for (auto it = m_arrSplitters.rbegin(); it != m_arrSplitters.rend(); ++it) {
        if ((*it)->m_rect.PtInRect(point))
            return it->get();
    }
    return nullptr;
}

// The toolkit's own splitter cursors are not among the program's
// resources; the system's sizing cursors serve.
void CTKSizeDockBar::OnMouseMove(UINT nFlags, CPoint point)
{
    const CTKSplitterRect* pSplitter = SplitterAt(point);
    HCURSOR hCursor = nullptr;
    if (pSplitter == nullptr) {
        hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    } else if (pSplitter->m_nType == CTKSplitterRect::kVerticalStrip) {
        if (m_hcurSplitH == nullptr)
            m_hcurSplitH = ::LoadCursor(nullptr, IDC_SIZEWE);
        hCursor = m_hcurSplitH;
    } else {
        if (m_hcurSplitV == nullptr)
            m_hcurSplitV = ::LoadCursor(nullptr, IDC_SIZENS);
        hCursor = m_hcurSplitV;
    }
    ::SetCursor(hCursor);
    CDockBar::OnMouseMove(nFlags, point);
}

// A press off every splitter does nothing, not even the default handling.
void CTKSizeDockBar::OnLButtonDown(UINT, CPoint point)
{
    if (m_pTrackSplitter != nullptr || ::GetCapture() != nullptr)
        return;
    CTKSplitterRect* pSplitter = SplitterAt(point);
    if (pSplitter == nullptr)
        return;
    m_pTrackSplitter = pSplitter;
    TrackSplitter(pSplitter, point);
    m_pTrackSplitter = nullptr;
    Invalidate();
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->RecalcLayout();
}

// The row a row splitter sizes: in a left or top dock bar the row before
// it, else the row after it.
int CTKSizeDockBar::GetRowOfSplitter(const CTKSplitterRect* pSplitter) const
{
    if (m_dwStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_TOP)) {
        int nStart = std::max(1, pSplitter->m_nPos - 1);
        while (nStart > 1 && m_arrBars[nStart - 1] != nullptr)
            --nStart;
        return nStart;
    }
    return pSplitter->m_nPos;
}

// The room between the row's last bar and the dock bar's far end.
int CTKSizeDockBar::GetFreeSpaceAfterRow(int nRowStart) const
{
    const BOOL bHorz = IsHorzDock();
    int nFarEdge = 0;
    for (int i = nRowStart; i < m_arrBars.GetSize() && m_arrBars[i] != nullptr; ++i) {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar == nullptr || !pBar->IsVisible())
            continue;
        CRect rect;
        pBar->GetWindowRect(&rect);
        ScreenToClient(&rect);
        nFarEdge = std::max<int>(nFarEdge, bHorz ? rect.right : rect.bottom);
    }
    return std::max(0, (bHorz ? m_nLastWidth : m_nLastHeight) - nFarEdge);
}

// A row splitter may take the row down to its toolbars' thickness and the
// bars' least tracking size.
void CTKSizeDockBar::LimitRowSplitter(CTKRectTracker& tracker, const CTKDockRowInfo& info) const
{
    const CRect& r = tracker.m_rect;
    CRect& limit = tracker.m_rectLimit;
    const int nSpare = info.nMaxThickness - info.nMaxFixedThickness;
    if (m_dwStyle & CBRS_ALIGN_TOP) {
        limit.top = std::max<LONG>(limit.top, r.top - nSpare);
        if (info.nMinTrackHeight > 0)
            limit.top = std::max<LONG>(limit.top, r.top - info.nMaxThickness + info.nMinTrackHeight);
    } else if (m_dwStyle & CBRS_ALIGN_LEFT) {
        limit.left = std::max<LONG>(limit.left, r.left - nSpare);
        if (info.nMinTrackWidth > 0)
            limit.left = std::max<LONG>(limit.left, r.left - info.nMaxThickness + info.nMinTrackWidth);
    } else if (m_dwStyle & CBRS_ALIGN_RIGHT) {
        limit.right = std::min<LONG>(limit.right, r.left + nSpare);
        if (info.nMinTrackWidth > 0)
            limit.right = std::min<LONG>(limit.right, info.nMaxThickness - info.nMinTrackWidth);
    } else {
        limit.bottom = std::min<LONG>(limit.bottom, r.top + nSpare);
        if (info.nMinTrackHeight > 0)
            limit.bottom = std::min<LONG>(limit.bottom, info.nMaxThickness - info.nMinTrackHeight + 10);
    }
}

void CTKSizeDockBar::TrackSplitter(CTKSplitterRect* pSplitter, CPoint point)
{
    const BOOL bHorz = IsHorzDock();
    const BOOL bVerticalStrip = pSplitter->m_nType == CTKSplitterRect::kVerticalStrip;
    const BOOL bRowSplitter = bHorz != bVerticalStrip;
    CRect rect(pSplitter->m_rect);
    if (bVerticalStrip)
        rect.DeflateRect(2, 0);
    else
        rect.DeflateRect(0, 2);
    rect.IntersectRect(CRect(rect), CRect(0, 0, m_nLastWidth, m_nLastHeight));
    CTKRectTracker tracker(&rect, bVerticalStrip ? CTKRectTracker::kHorzOnly : CTKRectTracker::kVertOnly);
    if (CFrameWnd* pFrame = GetDockingFrame()) {
        pFrame->GetClientRect(&tracker.m_rectLimit);
        pFrame->ClientToScreen(&tracker.m_rectLimit);
        ScreenToClient(&tracker.m_rectLimit);
    }
    CTKDockRows rows = TakeRows();
    if (bRowSplitter) {
        LimitRowSplitter(tracker, rows.RowInfo(GetRowOfSplitter(pSplitter)));
    } else {
        int nAfter = 0;
        int nBefore = 0;
        const int nBarsAfter = rows.ShrinkForward(pSplitter->m_nPos, kAskEverything,
                                                  GetFreeSpaceAfterRow(rows.RowStart(pSplitter->m_nPos)), false,
                                                  nAfter);
        const int nBarsBefore = rows.ShrinkBackward(pSplitter->m_nPos, kAskEverything, false, nBefore);
        if (nBarsAfter + nBarsBefore <= 1)
            nAfter = nBefore = 0;
        if (bHorz) {
            tracker.m_rectLimit.left = rect.left - nBefore;
            tracker.m_rectLimit.right = rect.left + nAfter;
        } else {
            tracker.m_rectLimit.top = rect.top - nBefore;
            tracker.m_rectLimit.bottom = rect.top + nAfter;
        }
    }
    if (!tracker.Track(this, point, HTCAPTION, GetParent()))
        return;
    const int nDelta = bVerticalStrip ? tracker.m_rect.left - rect.left : tracker.m_rect.top - rect.top;
    if (nDelta == 0)
        return;
    if (bRowSplitter)
        MoveRowSplitter(pSplitter, nDelta);
    else
        MoveBarSplitter(pSplitter, nDelta);
}

void CTKSizeDockBar::MoveRowSplitter(CTKSplitterRect* pSplitter, int nDelta)
{
    if (m_dwStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_TOP))
        nDelta = -nDelta;
    const int nStart = GetRowOfSplitter(pSplitter);
    const CTKDockRowInfo info = TakeRows().RowInfo(nStart);
    const int nThickness = std::max(info.nMaxFixedThickness, info.nMaxThickness - nDelta);
    for (int i = nStart; i < m_arrBars.GetSize() && m_arrBars[i] != nullptr; ++i) {
        CControlBar* pBar = GetDockedControlBar(i);
        if (!IsSizeBar(pBar) || !pBar->IsVisible())
            continue;
        auto* pSizeBar = static_cast<CTKSizeControlBar*>(pBar);
        (IsHorzDock() ? pSizeBar->m_HorzDockSize.cy : pSizeBar->m_VertDockSize.cx) = nThickness;
    }
}

// The bars on the side the splitter moves to give up length; the nearest
// sizable bar on the other side takes it.
void CTKSizeDockBar::MoveBarSplitter(CTKSplitterRect* pSplitter, int nDelta)
{
    CTKDockRows rows = TakeRows();
    const int nPos = pSplitter->m_nPos;
    int nGiven = 0;
    int nGrower = -1;
    if (nDelta < 0) {
        rows.ShrinkBackward(nPos, -nDelta, true, nGiven);
        for (int i = nPos; i < rows.RowEnd(nPos) && nGrower < 0; ++i)
            nGrower = rows.Entries()[static_cast<size_t>(i)].IsVisibleSizeBar() ? i : -1;
    } else {
        rows.ShrinkForward(nPos, nDelta, GetFreeSpaceAfterRow(rows.RowStart(nPos)), true, nGiven);
        for (int i = nPos - 1; i >= rows.RowStart(nPos) && nGrower < 0; --i)
            nGrower = rows.Entries()[static_cast<size_t>(i)].IsVisibleSizeBar() ? i : -1;
    }
    if (nGrower >= 0)
        rows.Entries()[static_cast<size_t>(nGrower)].nLength += nGiven;
    PutRows(rows);
}

// --- expanding and making room -------------------------------------------------

void CTKSizeDockBar::SetLength(CTKSizeControlBar* pBar, int nLength)
{
    (IsHorzDock() ? pBar->m_HorzDockSize.cx : pBar->m_VertDockSize.cy) = nLength;
}

// The other bars of the row shrink to a stub and the bar takes what they
// gave; restoring gives every bar the size it had before.
void CTKSizeDockBar::ExpandBar(CTKSizeControlBar* pBar, BOOL bExpand)
{
    CRect rectBar;
    pBar->GetWindowRect(&rectBar);
    const int nRowEnd = FindRowOf(rectBar);
    if (nRowEnd <= 0)
        return;
    int nRowStart = nRowEnd;
    while (nRowStart > 1 && m_arrBars[nRowStart - 1] != nullptr)
        --nRowStart;
    BOOL bOtherExpanded = FALSE;
    for (int i = nRowStart; i < nRowEnd; ++i) {
        CControlBar* pDocked = GetDockedControlBar(i);
        if (pDocked != pBar && IsSizeBar(pDocked) && pDocked->IsVisible())
            bOtherExpanded = bOtherExpanded || static_cast<CTKSizeControlBar*>(pDocked)->m_bExpanded;
    }
    const BOOL bSave = bExpand && !bOtherExpanded;
    auto savedSize = [this](CTKSizeControlBar* pSizeBar) -> CSize& {
        return IsHorzDock() ? pSizeBar->m_HorzDockSize : pSizeBar->m_VertDockSize;
    };
    int nGiven = 0;
    for (int i = nRowStart; i < nRowEnd; ++i) {
        CControlBar* pDocked = GetDockedControlBar(i);
        if (pDocked == pBar || !IsSizeBar(pDocked) || !pDocked->IsVisible())
            continue;
        auto* pOther = static_cast<CTKSizeControlBar*>(pDocked);
        if (bExpand) {
            if (bSave)
                pOther->m_sizeSavedDock = savedSize(pOther);
            nGiven += GetLength(pOther) - kCollapsedLength;
            SetLength(pOther, kCollapsedLength);
        } else {
            savedSize(pOther) = pOther->m_sizeSavedDock;
        }
        if (pOther->m_bExpanded) {
            pOther->m_bExpanded = FALSE;
            pOther->RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        }
    }
    if (bExpand) {
        if (bSave)
            pBar->m_sizeSavedDock = savedSize(pBar);
        SetLength(pBar, GetLength(pBar) + nGiven);
    } else {
        savedSize(pBar) = pBar->m_sizeSavedDock;
    }
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->RecalcLayout();
    pBar->m_bExpanded = bExpand;
    pBar->RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

// The dropped bar keeps its length (and a splitter beside it); the others
// of its row share what the edge has left.
void CTKSizeDockBar::MakeRoomForBar(CControlBar* pBar)
{
    const int nPos = FindBar(pBar);
    if (nPos < 0)
        return;
    CPtrArray arrDropped;
    arrDropped.Add(pBar);
    CTKDockRows rows = TakeRows(&arrDropped);
    const int nStart = rows.RowStart(nPos);
    const CTKDockRowInfo info = rows.RowInfo(nStart);
    const int nSplitter = IsSizeBar(pBar) && info.nSizeBars > 0 ? kSplitter : 0;
    const int nEdge = IsHorzDock() ? m_nLastWidth : m_nLastHeight;
    const int nLength = (nEdge == 65535 ? GetAvailableLength() : nEdge);
    if (!rows.FitRow(nStart, std::max(0, nLength - GetLength(pBar) - nSplitter), GetBorderAlong()))
        return;
    PutRows(rows);
}

// --- docking ------------------------------------------------------------------

// The menu bar keeps a row of its own: a drop onto its row goes below it
// (or right of it), and the menu bar dropped onto another bar's row too. A
// drop just short of the far end goes to its last pixels.
CPoint CTKSizeDockBar::AdjustDropPoint(CControlBar* pBar, CPoint point) const
{
    const BOOL bHorz = IsHorzDock();
    const BOOL bMenuBar = pBar->IsKindOf(RUNTIME_CLASS(CTKMenuBar));
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        CControlBar* pDocked = GetDockedControlBar(i);
        if (pDocked == nullptr || pDocked == pBar || !pDocked->IsVisible())
            continue;
        if (!bMenuBar && !pDocked->IsKindOf(RUNTIME_CLASS(CTKMenuBar)))
            continue;
        CRect rect;
        pDocked->GetWindowRect(&rect);
        ScreenToClient(&rect);
        if (bHorz && point.y >= rect.top && point.y < rect.bottom)
            point.y = rect.bottom + 2;
        else if (!bHorz && point.x >= rect.left && point.x < rect.right)
            point.x = rect.right + 2;
    }
    CRect rectClient;
    GetClientRect(&rectClient);
    const LONG nFromEnd = bHorz ? rectClient.right - point.x : rectClient.bottom - point.y;
    if (nFromEnd >= 3 && nFromEnd <= 11)
        (bHorz ? point.x : point.y) = (bHorz ? rectClient.right : rectClient.bottom) - 2;
    return point;
}

void CTKSizeDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    auto* pOldDockBar = dynamic_cast<CTKSizeDockBar*>(pBar->m_pDockBar);
    if (pOldDockBar != nullptr && pOldDockBar != this && pOldDockBar->m_wndDockTabCtrl.FindBar(pBar) >= 0)
        pOldDockBar->m_wndDockTabCtrl.RemoveBar(pBar);
    if (IsSizeBar(pBar) && lpRect != nullptr) {
        const int nDrop = m_wndDockTabCtrl.HitTestDrop(CRect(*lpRect).TopLeft(), pBar);
        const int nTab = m_wndDockTabCtrl.FindBar(pBar);
        if (nTab >= 0 && nDrop < 0)
            m_wndDockTabCtrl.RemoveBar(pBar);
        else if (nTab >= 0 && nDrop != nTab)
            m_wndDockTabCtrl.MoveBarTab(nTab, nDrop);
        else if (nTab < 0 && nDrop >= 0 && (m_wndDockTabCtrl.GetItemCount() > 0 || GetRowBarCount(pBar) > 1))
            m_wndDockTabCtrl.InsertBar(pBar, nDrop, TRUE);
    }
    if (lpRect != nullptr && pBar->m_pDockBar == this) {
        CRect rectNow;
        pBar->GetWindowRect(&rectNow);
        if (rectNow == CRect(*lpRect))
            return;
    }
    const BOOL bHideMeanwhile = pBar->m_pDockBar != this && pBar->IsWindowVisible();
    if (bHideMeanwhile)
        pBar->ShowWindow(SW_HIDE);
    if (lpRect == nullptr) {
        CDockBar::DockControlBar(pBar, nullptr);
    } else {
        CRect rect(*lpRect);
        ScreenToClient(&rect);
        const CPoint point = AdjustDropPoint(pBar, rect.TopLeft() - CSize(5, 0));
        rect.OffsetRect(point - rect.TopLeft());
        ClientToScreen(&rect);
        CDockBar::DockControlBar(pBar, &rect);
    }
    if (bHideMeanwhile)
        pBar->ShowWindow(SW_SHOWNA);
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->DelayRecalcLayout();
}

// The first pass takes the dock bars as they are, the second widens them,
// so that a bar dragged just past an edge still docks there.
CTKSizeDockBar* CTKSizeDockBar::FindDockBarAtPoint(CPoint point, CControlBar* pBar)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd == nullptr || !pMainWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        return nullptr;
    auto* pFrame = static_cast<CFrameWnd*>(pMainWnd);
    const BOOL bSizeBar = IsSizeBar(pBar);
    const BOOL bCoolToolBar = pBar->IsKindOf(RUNTIME_CLASS(CTKCoolToolBar));
    for (int nPass = 0; nPass < 2; ++nPass) {
        for (const auto& side : kDockBarsAtPoint) {
            auto* pDockBar = dynamic_cast<CTKSizeDockBar*>(pFrame->GetControlBar(side.nID));
            if (pDockBar == nullptr || !(pBar->m_dwDockStyle & side.dwAlign))
                continue;
            CRect rect;
            pDockBar->GetWindowRect(&rect);
            if (nPass == 1) {
                rect.InflateRect(kDockMargin, kDockMargin);
                if (side.dwAlign & CBRS_ORIENT_VERT)
                    rect.bottom -= kSideDockBarBottomCut;
            }
            if (!rect.PtInRect(point))
                continue;
            if (bSizeBar && pDockBar->HoldsBarOf(RUNTIME_CLASS(CTKCoolToolBar), pBar))
                continue;
            if (bCoolToolBar && pDockBar->HoldsBarOf(RUNTIME_CLASS(CTKSizeControlBar), pBar))
                continue;
            if (pDockBar->m_wndDockTabCtrl.GetItemCount() > 0 && pDockBar->m_wndDockTabCtrl.HitTestDrop(point, pBar) < 0)
                continue;
            return pDockBar;
        }
    }
    return nullptr;
}
