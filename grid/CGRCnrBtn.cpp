#include "CGRCnrBtn.h"

#include "CGRCtrl.h"

namespace {
const UINT kHelpHitTestMessage = 0x0366;
const UINT kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;
}

BEGIN_MESSAGE_MAP(CGRCnrBtn, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_SETCURSOR()
    ON_WM_CAPTURECHANGED()
    ON_WM_HELPINFO()
    ON_MESSAGE(kHelpHitTestMessage, OnHelpHitTest)
    ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTipText)
END_MESSAGE_MAP()

CGRCnrBtn::CGRCnrBtn(CGRCtrl* pCtrl) : m_pCtrl(pCtrl), m_sizing(pCtrl)
{
}

// Tips follow the sheet's cell-tip option, as those of the cell area do.
int CGRCnrBtn::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_pCtrl->GetGridInfo()->m_nCellTips)
        EnableToolTips(TRUE);
    return 0;
}

CRect CGRCnrBtn::ClientRect() const
{
    CRect rect;
    GetClientRect(&rect);
    return rect;
}

CGRCornerSizing::Zone CGRCnrBtn::GetSizingZone() const
{
    return m_sizing.GetZone();
}

void CGRCnrBtn::DrawCorner(CDC* pDC)
{
    CGRCell cell;
    m_pCtrl->GetCellIndirect(-1, -1, &cell);
    CScopedSaveDC saved(*pDC);
    if (CFont* pFont = m_pCtrl->GetGridInfo()->m_pDefFont)
        pDC->SelectObject(pFont);
    CRect rect = ClientRect();
    m_pCtrl->GetCellType(cell.GetCellType())->OnDraw(pDC, &rect, -1, -1, &cell, 0, 0);
}

// The program grid sets the DC up for the corner as for the top heading,
// whose row the corner begins.
void CGRCnrBtn::OnPaint()
{
    CPaintDC dc(this);
    if (!m_pCtrl->GetGridInfo()->m_bUpdateEnabled)
        return;
    m_pCtrl->OnScreenDCSetup(&dc, nullptr, kSectionTopHeading);
    DrawCorner(&dc);
}

BOOL CGRCnrBtn::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

LRESULT CGRCnrBtn::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PRINT)
        return CWnd::WindowProc(message, wParam, lParam);
    Invalidate(FALSE);
    CDC dc;
    dc.SetTempHandle(reinterpret_cast<HDC>(wParam));
    DrawCorner(&dc);
    dc.ReleaseTempHandle();
    return 0;
}

// ---------------------------------------------------------------------------
// Mouse and sizing

void CGRCnrBtn::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_sizing.IsCapturing()) {
        m_sizing.DragTo(point);
        return;
    }
    if (nFlags & kAnyButton)
        return;
    m_sizing.Hover(point, ClientRect().Size());
    if (m_sizing.GetZone() != CGRCornerSizing::kNoZone)
        ShowSizingCursor();
}

void CGRCnrBtn::ShowSizingCursor() const
{
    LPCTSTR lpszCursor = IDC_ARROW;
    if (m_sizing.GetZone() == CGRCornerSizing::kSideWidthZone)
        lpszCursor = IDC_SIZEWE;
    else if (m_sizing.GetZone() == CGRCornerSizing::kTopHeightZone)
        lpszCursor = IDC_SIZENS;
    ::SetCursor(::LoadCursor(nullptr, lpszCursor));
}

BOOL CGRCnrBtn::OnSetCursor(CWnd*, UINT, UINT)
{
    ShowSizingCursor();
    return TRUE;
}

void CGRCnrBtn::OnLButtonDown(UINT, CPoint point)
{
    m_pCtrl->GetCellArea()->SetFocus();
    int nProcessed = 0;
    if (m_sizing.BeginDrag()) {
        SetCapture();
        nProcessed = 1;
    }
    CRect rect = ClientRect();
    m_pCtrl->OnCB_LClicked(1, &rect, &point, nProcessed);
}

// The released size is announced through the sheet's own total, so the
// control may still change what is stored.
void CGRCnrBtn::OnLButtonUp(UINT, CPoint point)
{
    int nProcessed = 0;
    if (m_sizing.IsCapturing()) {
        m_sizing.EndDrag();
        ::ReleaseCapture();
        nProcessed = 1;
    }
    CRect rect = ClientRect();
    m_pCtrl->OnCB_LClicked(0, &rect, &point, nProcessed);
}

// A drag whose capture is taken away (another window, a switch of
// application) ends where it is; later moves no longer size.
void CGRCnrBtn::OnCaptureChanged(CWnd*)
{
    m_sizing.EndDrag();
}

void CGRCnrBtn::OnLButtonDblClk(UINT, CPoint point)
{
    CRect rect = ClientRect();
    m_pCtrl->OnCB_DClicked(&rect, &point, 0);
}

void CGRCnrBtn::OnRButtonDown(UINT, CPoint point)
{
    CRect rect = ClientRect();
    m_pCtrl->OnCB_RClicked(1, &rect, &point, 0);
    if (!m_pCtrl->GetGridInfo()->m_nMenuEnabled)
        return;
    CPoint screen = point;
    ClientToScreen(&screen);
    m_pCtrl->StartMenu(-1, -1, screen, kSectionCornerButton);
}

void CGRCnrBtn::OnRButtonUp(UINT, CPoint point)
{
    CRect rect = ClientRect();
    m_pCtrl->OnCB_RClicked(0, &rect, &point, 0);
}

// ---------------------------------------------------------------------------
// Tips and context help

// One tool covers the whole button: the corner cell (-1, -1), which is
// never a new cell to rest in, so the tool is reported at once. Its text
// comes from OnHint.
INT_PTR CGRCnrBtn::OnToolHitTest(CPoint, TOOLINFO* pTI) const
{
    return m_tip.HitTest(this, -1, -1, pTI);
}

BOOL CGRCnrBtn::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    CString sText;
    if (m_pCtrl->OnHint(-1, -1, kSectionCornerButton, &sText) != 1)
        return FALSE;
    CGRCellTip::Supply(pNMHDR, sText);
    *pResult = 0;
    return TRUE;
}

LRESULT CGRCnrBtn::OnHelpHitTest(WPARAM, LPARAM)
{
    return m_pCtrl->OnGetContextHelpID(-1, -1, kSectionCornerButton);
}

BOOL CGRCnrBtn::OnHelpInfo(HELPINFO* pHelpInfo)
{
    if (pHelpInfo->iContextType != HELPINFO_WINDOW)
        return FALSE;
    return m_pCtrl->ShowContextHelp(-1, -1, kSectionCornerButton);
}
