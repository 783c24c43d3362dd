#include "CGRTab.h"

#include "CGRCtrl.h"
#include "CGRSysColors.h"

#include <algorithm>
#include <cstring>

namespace {
const int kFontHeight = 14;
const int kFontWeight = 500;
// The label starts this far right of the tab's left edge; the tab is as
// much wider than its label.
const int kLabelIndent = 10;
// A tab's outline: slanted 7 pixels at the left, 9 - 2 at the right.
const int kLeftSlant = 7;
const int kRightReach = 9;
}

BEGIN_MESSAGE_MAP(CGRTab, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_CAPTURECHANGED()
    ON_WM_SETCURSOR()
    ON_WM_HELPINFO()
    ON_MESSAGE(CGRGrid::kHelpHitTestMessage, OnHelpHitTest)
END_MESSAGE_MAP()

CGRTab::CGRTab(CGRCtrl* pCtrl) : m_pCtrl(pCtrl)
{
}

BOOL CGRTab::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CLIPCHILDREN;
    return CWnd::PreCreateWindow(cs);
}

// The scroll bar takes the two arrows' width at the left end.
int CGRTab::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_font.CreateFont(kFontHeight, 0, 0, 0, kFontWeight, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");
    m_strip.SetScrollAreaWidth(2 * ::GetSystemMetrics(SM_CXHSCROLL));
    CRect bar(0, 0, m_strip.GetScrollAreaWidth(), lpCreateStruct->cy);
    return m_scrollBar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, bar, this, kScrollBarID) ? 0 : -1;
}

CGRTabStrip& CGRTab::GetStrip()
{
    return m_strip;
}

int CGRTab::ClientWidth() const
{
    CRect client(0, 0, 0, 0);
    if (GetSafeHwnd())
        GetClientRect(&client);
    return client.Width();
}

int CGRTab::MeasureLabel(LPCTSTR lpszLabel)
{
    CClientDC dc(GetSafeHwnd() ? this : nullptr);
    CFont* pOld = m_font.GetSafeHandle() ? dc.SelectObject(&m_font) : nullptr;
    int nWidth = dc.GetTextExtent(lpszLabel, static_cast<int>(strlen(lpszLabel))).cx + kLabelIndent;
    if (pOld)
        dc.SelectObject(pOld);
    return nWidth;
}

void CGRTab::SetTabWidth(int nWidth)
{
    m_pCtrl->SizeTabArea(CGRTabStrip::ClampAreaWidth(nWidth));
}

void CGRTab::Update()
{
    if (!GetSafeHwnd())
        return;
    Invalidate();
    UpdateWindow();
}

// The scroll bar serves as a pair of arrows; its thumb shows the offset.
void CGRTab::CalcScrollRange()
{
    m_strip.CalcScrollRange(ClientWidth());
    if (!m_scrollBar.GetSafeHwnd())
        return;
    m_scrollBar.SetScrollRange(0, std::max(1, m_strip.GetMaxOffset()), FALSE);
    m_scrollBar.SetScrollPos(m_strip.GetOffset());
}

void CGRTab::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_scrollBar.GetSafeHwnd())
        m_scrollBar.MoveWindow(0, 1, m_strip.GetScrollAreaWidth(), cy - 1);
    CalcScrollRange();
}

BOOL CGRTab::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

// The current tab is drawn last, over its neighbours, open towards the
// cells above it.
void CGRTab::OnPaint()
{
    CPaintDC dc(this);
    if (!m_pCtrl->GetGridInfo()->m_bUpdateEnabled)
        return;
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GRSysColor(COLOR_BTNFACE));
    {
        CScopedSaveDC savedDC(dc);
        dc.SelectObject(&m_font);
        dc.SetBkMode(TRANSPARENT);
        for (int nIndex = 0; nIndex < m_strip.GetCount(); ++nIndex)
            if (nIndex != m_strip.GetCurrent())
                DrawTab(&dc, nIndex, client);
        if (m_strip.GetCurrent() < m_strip.GetCount())
            DrawTab(&dc, m_strip.GetCurrent(), client);
    }
    DrawSplitter(&dc, client);
    m_scrollBar.Invalidate();
    dc.SelectStockObject(BLACK_PEN);
    dc.MoveTo(client.left, client.top);
    dc.LineTo(m_strip.GetScrollAreaWidth() + 1, client.top);
}

void CGRTab::DrawTab(CDC* pDC, int nIndex, const CRect& client)
{
    const GridSheetTab& tab = m_strip.GetTab(nIndex);
    bool bCurrent = nIndex == m_strip.GetCurrent();
    COLORREF crBack = bCurrent ? tab.crCurrentBack : tab.crBack;
    int x = m_strip.TabLeft(nIndex);
    const POINT outline[] = {{x, client.top},
                             {x + kLeftSlant, client.bottom - 1},
                             {x + tab.nWidth + CGRTabStrip::kHitSlack, client.bottom - 1},
                             {x + tab.nWidth + kRightReach, client.top}};
    CBrush brush;
    brush.CreateSolidBrush(crBack);
    CScopedSelectObject selected(*pDC, brush);
    pDC->SelectStockObject(BLACK_PEN);
    pDC->Polygon(outline, 4);
    pDC->SetTextColor(bCurrent ? tab.crCurrentText : tab.crText);
    pDC->TextOut(x + kLabelIndent, client.top + 1, tab.sLabel);
    if (!bCurrent)
        return;
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, crBack);
    CScopedSelectObject selectedPen(*pDC, pen);
    pDC->MoveTo(x + 1, client.top);
    pDC->LineTo(x + tab.nWidth + kRightReach, client.top);
}

// A raised bar of six lines at the right end, which the user drags.
void CGRTab::DrawSplitter(CDC* pDC, const CRect& client)
{
    const COLORREF lines[] = {RGB(0, 0, 0),
                              GRSysColor(COLOR_BTNSHADOW),
                              GRSysColor(COLOR_BTNFACE),
                              GRSysColor(COLOR_BTNFACE),
                              RGB(255, 255, 255),
                              GRSysColor(COLOR_BTNFACE)};
    int x = client.right - 1;
    for (COLORREF cr : lines)
        pDC->FillSolidRect(x--, client.top, 1, client.Height(), cr);
}

void CGRTab::OnHScroll(UINT nSBCode, UINT, CScrollBar*)
{
    bool bMoved = (nSBCode == SB_LINELEFT && m_strip.LineLeft())
                  || (nSBCode == SB_LINERIGHT && m_strip.LineRight());
    if (!bMoved)
        return;
    m_scrollBar.SetScrollPos(m_strip.GetOffset());
    Invalidate();
}

bool CGRTab::InResizeZone(CPoint point) const
{
    return m_strip.InResizeZone(point.x, ClientWidth());
}

// A press on the splitter starts sizing the tab area; one on a tab makes it
// current, brings it fully into view and tells the control.
void CGRTab::OnLButtonDown(UINT, CPoint point)
{
    if (InResizeZone(point)) {
        m_bResizing = 1;
        SetCapture();
        return;
    }
    int nIndex = m_strip.TabAt(point.x);
    if (nIndex < 0)
        return;
    m_strip.Select(nIndex, ClientWidth());
    m_scrollBar.SetScrollPos(m_strip.GetOffset());
    Invalidate();
    m_pCtrl->OnTabSelected(m_strip.GetTab(nIndex).lID);
}

void CGRTab::OnLButtonUp(UINT, CPoint)
{
    if (!m_bResizing)
        return;
    m_bResizing = 0;
    ::ReleaseCapture();
}

void CGRTab::OnCaptureChanged(CWnd*)
{
    m_bResizing = 0;
}

void CGRTab::OnMouseMove(UINT, CPoint point)
{
    if (m_bResizing) {
        SetTabWidth(point.x);
        return;
    }
    m_bInResizeZone = InResizeZone(point) ? 1 : 0;
}

BOOL CGRTab::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (pWnd != this)
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(::LoadCursor(nullptr, (m_bInResizeZone || m_bResizing) ? IDC_SIZEWE : IDC_ARROW));
    return TRUE;
}

// The menu names the tab under the pointer, or -1 beside every tab.
void CGRTab::OnRButtonDown(UINT, CPoint point)
{
    if (!m_pCtrl->GetGridInfo()->m_nMenuEnabled)
        return;
    CPoint screen = point;
    ClientToScreen(&screen);
    m_pCtrl->StartMenu(m_strip.TabAt(point.x), 0, screen, kSectionSheetTabs);
}

// Help on the tabs is help on the current cell in the tabs' section.
LRESULT CGRTab::OnHelpHitTest(WPARAM, LPARAM)
{
    return m_pCtrl->OnGetContextHelpID(m_pCtrl->GetCurrentCol(), m_pCtrl->GetCurrentRow(), kSectionSheetTabs);
}

BOOL CGRTab::OnHelpInfo(HELPINFO* pHelpInfo)
{
    if (pHelpInfo->iContextType != HELPINFO_WINDOW)
        return FALSE;
    return m_pCtrl->ShowContextHelp(m_pCtrl->GetCurrentCol(), m_pCtrl->GetCurrentRow(), kSectionSheetTabs);
}
