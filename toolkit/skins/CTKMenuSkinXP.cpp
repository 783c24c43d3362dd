#include "CTKMenuSkinXP.h"

#include "CTKBitmapMenu.h"
#include "CTKMemoryBitmapDC.h"
#include "CTKMenuShadow.h"
#include "CTKShadowedItemWnd.h"
#include "CTKSkinXP.h"
#include "CTKSystem.h"

#include <algorithm>

namespace {

const CTKMenuDimensions kXPDimensions = {{3, 5, 15, 12, 6, 10, 4, 3, 16, 16}};

// Room for the shadow at the right and bottom of a popup window.
const int kShadow = CTKMenuShadow::kWidth;
// The frame around a popup's items.
const int kFrame = 3;

// The popup's frame rectangle: the window less its shadow.
CRect FrameRect(CSize sizeWindow)
{
    return CRect(0, 0, sizeWindow.cx - kShadow, sizeWindow.cy - kShadow);
}

CRect ClientArea(CSize sizeWindow)
{
    CRect rect = FrameRect(sizeWindow);
    rect.DeflateRect(kFrame, kFrame);
    return rect;
}

void FrameSolid(CDC* pDC, const CRect& rect, COLORREF cr)
{
    CBrush brush(cr);
    pDC->FrameRect(&rect, &brush);
}

// The side the menu lies on, as the join window's shadow counts it.
int JoinShadowKind(int nSide)
{
    switch (nSide) {
    case CTKShadowedItemWnd::sideBelow:
        return 1;
    case CTKShadowedItemWnd::sideRight:
        return 2;
    case CTKShadowedItemWnd::sideLeft:
        return 3;
    case CTKShadowedItemWnd::sideAbove:
        return 4;
    default:
        return 0;
    }
}

}  // namespace

CTKMenuSkinXP::CTKMenuSkinXP(CTKSkinXP* pSkin) : CTKMenuSkin(kXPDimensions), m_mapPositions(10), m_pSkin(pSkin)
{
}

CRect CTKMenuSkinXP::LayoutButton(const CRect& rectItem, const CTKImageInfo* pImage, CRect* pRectImage,
                                  CTKBitmapMenu* pMenu) const
{
    const CRect rectButton(rectItem.left + 1, rectItem.top + 1, rectItem.left + 1 + GetImageColumnWidth(pMenu) + 4,
                           rectItem.bottom - 1);
    if (pImage != nullptr && pImage->bCheckMark && !pRectImage->IsRectEmpty()) {
        const int nLeft = rectButton.left + (rectButton.Width() - pRectImage->Width()) / 2 - 1;
        pRectImage->OffsetRect(nLeft - pRectImage->left, 0);
    }
    return rectButton;
}

int CTKMenuSkinXP::GetGutterRight(CTKBitmapMenu* pMenu) const
{
    return GetDimensions()[1] + GetImageColumnWidth(pMenu) + GetDimensions()[2];
}

void CTKMenuSkinXP::FillItemGutter(CDC* pDC, const CRect& rectItem, BOOL bHidden, CTKBitmapMenu* pMenu)
{
    const CRect rectGutter(rectItem.left, rectItem.top, GetGutterRight(pMenu), rectItem.bottom);
    const COLORREF crGutter = bHidden ? CTKSkinXP::AdjustColor(SysColor(COLOR_BTNFACE), -8, -8, -8)
                                      : m_pSkin->GetToolbarBackgroundColor();
    pDC->FillSolidRect(&rectGutter, crGutter);
}

void CTKMenuSkinXP::DrawBackground(CDC* pDC, UINT nState, const CTKImageInfo* /*pImage*/, const CRect& rectItem,
                                   const CRect& /*rectButton*/, CTKBitmapMenu* pMenu)
{
    if ((nState & ODS_SELECTED) && !(nState & ODS_DISABLED)) {
        CPen pen(PS_SOLID, 1, m_pSkin->GetHotItemBorderColor());
        CBrush brush(m_pSkin->GetHotItemColor());
        CPen* pOldPen = pDC->SelectObject(&pen);
        CBrush* pOldBrush = pDC->SelectObject(&brush);
        pDC->Rectangle(&rectItem);
        pDC->SelectObject(pOldBrush);
        pDC->SelectObject(pOldPen);
        return;
    }
    pDC->FillSolidRect(&rectItem, m_pSkin->GetMenuBackgroundColor());
    FillItemGutter(pDC, rectItem, (nState & kTKMenuHiddenItem) != 0, pMenu);
}

void CTKMenuSkinXP::DrawButton(CDC* pDC, UINT nState, const CTKImageInfo* /*pImage*/, const CRect& rectButton,
                               CTKBitmapMenu* /*pMenu*/)
{
    if (!(nState & ODS_CHECKED))
        return;
    CPen pen(PS_SOLID, 1, m_pSkin->GetHotItemBorderColor());
    CBrush brush((nState & ODS_SELECTED) ? m_pSkin->GetCheckedHotItemColor() : m_pSkin->GetCheckedItemColor());
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    pDC->Rectangle(&rectButton);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

void CTKMenuSkinXP::DrawImageAt(CDC* pDC, const CTKImageInfo* pImage, int nImage, CPoint pt)
{
    pImage->pImageList->Draw(pDC, nImage, pt, ILD_TRANSPARENT);
}

// An icon that cannot be made is skipped.
void CTKMenuSkinXP::DrawImageMono(CDC* pDC, const CTKImageInfo* pImage, int nImage, CPoint pt)
{
    HICON hIcon = pImage->pImageList->ExtractIcon(nImage);
    if (hIcon == nullptr)
        return;
    CBrush brush(SysColor(COLOR_3DSHADOW));
    ::DrawState(pDC->GetSafeHdc(), static_cast<HBRUSH>(brush.GetSafeHandle()), nullptr,
                reinterpret_cast<LPARAM>(hIcon), 0, pt.x, pt.y, 0, 0, DST_ICON | DSS_MONO);
    ::DestroyIcon(hIcon);
}

// The image's mask, black where the image is, is copied with raster
// operation PSDPxax: its black pixels take the brush, the rest keeps what is
// there.
void CTKMenuSkinXP::DrawImageShadow(CDC* pDC, const CTKImageInfo* pImage, int nImage, CPoint pt)
{
    IMAGEINFO info = {};
    if (!pImage->pImageList->GetImageInfo(nImage, &info))
        return;
    const CSize size(info.rcImage.right - info.rcImage.left, info.rcImage.bottom - info.rcImage.top);
    CTKMemoryBitmapDC mask(pDC, size.cx, size.cy);
    mask.m_dc.FillSolidRect(0, 0, size.cx, size.cy, RGB(255, 255, 255));
    pImage->pImageList->Draw(&mask.m_dc, nImage, CPoint(0, 0), ILD_MASK);
    CBrush brush(SysColor(COLOR_3DSHADOW));
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    pDC->BitBlt(pt.x, pt.y, size.cx, size.cy, &mask.m_dc, 0, 0, 0x00B8074A);
    pDC->SelectObject(pOldBrush);
}

void CTKMenuSkinXP::DrawImage(CDC* pDC, UINT nState, const CTKImageInfo* pImage, const CRect& rectImage,
                              CTKBitmapMenu* /*pMenu*/)
{
    if (!IsImageShown(nState, pImage))
        return;
    const int nImage = ImageForState(nState, pImage);
    if (nState & ODS_DISABLED) {
        DrawImageMono(pDC, pImage, nImage, rectImage.TopLeft());
    } else if ((nState & ODS_SELECTED) && !(nState & ODS_CHECKED)) {
        // The image lifts off its shadow.
        DrawImageShadow(pDC, pImage, nImage, rectImage.TopLeft() + CSize(1, 1));
        DrawImageAt(pDC, pImage, nImage, rectImage.TopLeft() - CSize(1, 1));
    } else {
        DrawImageAt(pDC, pImage, nImage, rectImage.TopLeft());
    }
}

void CTKMenuSkinXP::DrawText(CDC* pDC, UINT nState, const CString& sText, const CRect& rectText,
                             const CRect& rectShortcut, CTKBitmapMenu* /*pMenu*/)
{
    const COLORREF crText = (nState & ODS_DISABLED) ? m_pSkin->GetMenuDisabledColor() : SysColor(COLOR_MENUTEXT);
    DrawItemText(pDC, sText, rectText, rectShortcut, crText, FALSE);
}

void CTKMenuSkinXP::DrawSeparator(CDC* pDC, const CRect& rectItem, CTKBitmapMenu* pMenu)
{
    pDC->FillSolidRect(&rectItem, m_pSkin->GetMenuBackgroundColor());
    FillItemGutter(pDC, rectItem, FALSE, pMenu);
    const int nLeft = GetDimensions()[3] + GetImageColumnWidth(pMenu) + GetDimensions()[1];
    pDC->FillSolidRect(nLeft, (rectItem.top + rectItem.bottom) / 2, rectItem.right - nLeft, 1,
                       m_pSkin->GetSeparatorColor());
}

void CTKMenuSkinXP::DrawSelectionFrame(CDC* pDC, const CRect& rect, CTKBitmapMenu* /*pMenu*/)
{
    CRect rectFrame = rect;
    FrameSolid(pDC, rectFrame, SysColor(COLOR_BTNTEXT));
    rectFrame.DeflateRect(1, 1);
    FrameSolid(pDC, rectFrame, SysColor(COLOR_BTNTEXT));
}

void CTKMenuSkinXP::DrawSubmenuItem(CDC* pDC, UINT nState, const CString& sText, DWORD /*dwMenuValue*/,
                                    const CRect& rectItem, const CRect& rectButton, const CRect& rectText,
                                    const CRect& rectArrow, CTKBitmapMenu* pMenu)
{
    DrawBackground(pDC, nState, nullptr, rectItem, rectButton, pMenu);
    DrawText(pDC, nState, sText, rectText, rectArrow, pMenu);
}

void CTKMenuSkinXP::DrawExpansionItem(CDC* pDC, const CRect& rectItem, UINT nState, CTKBitmapMenu* /*pMenu*/)
{
    const COLORREF crGlyph = (nState & ODS_DISABLED) ? m_pSkin->GetSeparatorColor() : SysColor(COLOR_MENUTEXT);
    DrawMarlettGlyph(pDC, "6", rectItem, crGlyph);
}

void CTKMenuSkinXP::AdjustExpansionItemHeight(UINT* pnHeight, CTKBitmapMenu* /*pMenu*/)
{
    *pnHeight = *pnHeight / 2 + 1;
}

void CTKMenuSkinXP::DrawPopupGutter(CDC* pDC, const CRect& rect)
{
    pDC->FillSolidRect(&rect, m_pSkin->GetToolbarBackgroundColor());
}

void CTKMenuSkinXP::DrawJoinStrip(CDC* pDC, const CRect& rect)
{
    FrameSolid(pDC, rect, m_pSkin->GetToolbarBackgroundColor());
}

void CTKMenuSkinXP::FillGutter(HDC hDC, const CRect& rect)
{
    CDC dc;
    dc.Attach(hDC);
    dc.FillSolidRect(&rect, m_pSkin->GetToolbarBackgroundColor());
    dc.Detach();
}

// The popup window of the menu bar while it is customised: its menu is
// the one being tracked, if any.
void CTKMenuSkinXP::DrawPopupWindowFrame(CWnd* pWnd)
{
    CTKBitmapMenu* pMenu = CTKBitmapMenu::GetTrackedBitmapMenu();
    const int nImageColumn = pMenu != nullptr ? GetImageColumnWidth(pMenu) : GetDimensions()[9];
    CWindowDC dc(pWnd);
    CRect rectWindow;
    pWnd->GetWindowRect(&rectWindow);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.FillSolidRect(&rectWindow, m_pSkin->GetMenuBackgroundColor());
    dc.FillSolidRect(0, 2, nImageColumn + GetDimensions()[1] + 7, rectWindow.Height() - 4,
                     m_pSkin->GetToolbarBackgroundColor());
    FrameSolid(&dc, rectWindow, SysColor(COLOR_3DSHADOW));
}

void CTKMenuSkinXP::PaintJoinButton(CDC* /*pDC*/, CTKShadowedItemWnd* /*pWnd*/)
{
}

COLORREF CTKMenuSkinXP::GetJoinBorderColor() const
{
    return SysColor(COLOR_3DSHADOW);
}

void CTKMenuSkinXP::DrawButtonJoinWindow(CWnd* pWnd)
{
    CTKShadowedItemWnd* pJoinWnd = dynamic_cast<CTKShadowedItemWnd*>(pWnd);
    if (pJoinWnd == nullptr) {
        CTKMenuSkin::DrawButtonJoinWindow(pWnd);
        return;
    }
    CPaintDC dc(pWnd);
    const int nKind = JoinShadowKind(pJoinWnd->m_nSide);
    if (nKind == 0)
        return;
    CRect rectClient;
    pWnd->GetClientRect(&rectClient);
    const CSize size = rectClient.Size();
    const CRect rect(0, 0, size.cx - kShadow, size.cy - kShadow);
    PaintJoinButton(&dc, pJoinWnd);
    const COLORREF crBorder = GetJoinBorderColor();
    const int nSide = pJoinWnd->m_nSide;
    if (nSide != CTKShadowedItemWnd::sideAbove)
        dc.FillSolidRect(rect.left, rect.top, rect.Width(), 1, crBorder);
    if (nSide != CTKShadowedItemWnd::sideBelow)
        dc.FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, crBorder);
    if (nSide != CTKShadowedItemWnd::sideLeft)
        dc.FillSolidRect(rect.left, rect.top, 1, rect.Height(), crBorder);
    if (nSide != CTKShadowedItemWnd::sideRight)
        dc.FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), crBorder);
    CTKMenuShadow::Run right;
    CTKMenuShadow::Run bottom;
    CTKMenuShadow::GetJoinWindowRuns(size, nKind, &right, &bottom);
    CPoint ptScreen(0, 0);
    pWnd->ClientToScreen(&ptScreen);
    CTKMenuShadow::Paint(&dc, size, ptScreen, &right, &bottom, nullptr);
}

// Popup windows

CTKMenuJoin CTKMenuSkinXP::ComputeJoin(CTKBitmapMenu* pMenu, CSize sizeWindow, CPoint ptScreen)
{
    const CRect& rectButtonScreen = pMenu->m_rectButton;
    CRect rectButton = rectButtonScreen;
    rectButton.OffsetRect(-ptScreen.x, -ptScreen.y);
    CRect rectMonitor;
    BOOL bMonitorKnown = FALSE;
    if (!rectButtonScreen.IsRectEmpty()) {
        MONITORINFO info = {};
        info.cbSize = sizeof(info);
        HMONITOR hMonitor = ::MonitorFromRect(&rectButtonScreen, MONITOR_DEFAULTTONEAREST);
        bMonitorKnown = hMonitor != nullptr && ::GetMonitorInfo(hMonitor, &info);
        if (bMonitorKnown)
            rectMonitor = info.rcMonitor;
    }
    return CTKMenuJoin::Compute(FrameRect(sizeWindow), rectButton, rectButtonScreen,
                                bMonitorKnown ? &rectMonitor : nullptr);
}

// The gutter stretch leaves one background row above and below it, between
// it and the frame line.
void CTKMenuSkinXP::PaintPopupFrame(CDC* pDC, CSize sizeWindow, const CTKMenuJoin& join, CTKBitmapMenu* pMenu)
{
    const CRect rectFrame = FrameRect(sizeWindow);
    pDC->FillSolidRect(&rectFrame, m_pSkin->GetMenuBackgroundColor());
    DrawPopupGutter(pDC, CRect(0, 2, GetImageColumnWidth(pMenu) + GetDimensions()[1] + 8, rectFrame.bottom - 2));
    FrameSolid(pDC, rectFrame, SysColor(COLOR_3DSHADOW));
    if (join.m_bHasStrip)
        DrawJoinStrip(pDC, join.m_rectStrip);
}

// A button below the menu or to its right lies in the shadow's path: its
// pixels stay as they are.
void CTKMenuSkinXP::PaintPopupShadow(CDC* pDC, CSize sizeWindow, CPoint ptScreen, const CTKMenuJoin& join,
                                     std::vector<COLORREF>* pCache)
{
    CTKMenuShadow::Run right = CTKMenuShadow::RightRun(sizeWindow);
    CTKMenuShadow::Run bottom = CTKMenuShadow::BottomRun(sizeWindow);
    if (join.m_nShadowKind == CTKMenuJoin::shadowButtonBelow) {
        bottom.nKeepFirst = join.m_rectStrip.left - 1;
        bottom.nKeepLast = join.m_rectStrip.right;
    } else if (join.m_nShadowKind == CTKMenuJoin::shadowButtonRight) {
        right.nKeepFirst = join.m_rectStrip.top - 1;
        right.nKeepLast = join.m_rectStrip.bottom;
    }
    CTKMenuShadow::Paint(pDC, sizeWindow, ptScreen, &right, &bottom, pCache);
}

LRESULT CTKMenuSkinXP::PopupWindowProc(WNDPROC pfnPrevious, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CTKBitmapMenu* pMenu = CTKBitmapMenu::GetTrackedBitmapMenu();
    if (pMenu != nullptr) {
        switch (nMsg) {
        case WM_CREATE:
            pMenu->m_popupWnds.Add(hWnd);
            break;
        case WM_DESTROY:
            OnPopupDestroy(pMenu, hWnd);
            break;
        case WM_ERASEBKGND:
            return 0;
        case WM_WINDOWPOSCHANGING: {
            WINDOWPOS* pPos = reinterpret_cast<WINDOWPOS*>(lParam);
            if (!(pPos->flags & SWP_NOSIZE)) {
                pPos->cx += kShadow;
                pPos->cy += kShadow;
            }
            if (!(pPos->flags & SWP_NOMOVE))
                m_mapPositions[hWnd] = CPoint(pPos->x, pPos->y);
            break;
        }
        case WM_NCPAINT:
            OnPopupNcPaint(pMenu, hWnd, reinterpret_cast<HRGN>(wParam));
            return 0;
        case WM_PRINT:
            OnPopupPrint(pMenu, hWnd, reinterpret_cast<HDC>(wParam), lParam);
            return 0;
        default:
            break;
        }
    }
    return ::CallWindowProc(pfnPrevious, hWnd, nMsg, wParam, lParam);
}

// The 95 family does not repaint the frame of a popup uncovered by a
// closing submenu: the first popup still open is told to.
void CTKMenuSkinXP::OnPopupDestroy(CTKBitmapMenu* pMenu, HWND hWnd)
{
    pMenu->m_popupWnds.Remove(hWnd);
    m_mapPositions.RemoveKey(hWnd);
    KTPOPUPWND* pFirst = pMenu->m_popupWnds.GetFirst();
    if (pFirst != nullptr && CTKSystem::Current().GetWindowsVersion().bWin95Family)
        ::SendMessage(pFirst->hWnd, WM_NCPAINT, 1, 0);
}

void CTKMenuSkinXP::OnPopupNcPaint(CTKBitmapMenu* pMenu, HWND hWnd, HRGN hUpdate)
{
    HDC hDC = hUpdate == reinterpret_cast<HRGN>(1)
                  ? ::GetWindowDC(hWnd)
                  : ::GetDCEx(hWnd, hUpdate, DCX_WINDOW | DCX_INTERSECTRGN);
    if (hDC == nullptr)
        return;
    CDC dc;
    dc.Attach(hDC);
    CRect rectWindow;
    ::GetWindowRect(hWnd, &rectWindow);
    const CSize size = rectWindow.Size();
    const CRect rectClient = ClientArea(size);
    dc.ExcludeClipRect(&rectClient);
    m_mapPositions.RemoveKey(hWnd);
    const CTKMenuJoin join = ComputeJoin(pMenu, size, rectWindow.TopLeft());
    KTPOPUPWND* pPopup = pMenu->m_popupWnds.Find(hWnd);
    PaintPopupShadow(&dc, size, rectWindow.TopLeft(), join, pPopup != nullptr ? &pPopup->shadowColors : nullptr);
    PaintPopupFrame(&dc, size, join, pMenu);
    dc.Detach();
    ::ReleaseDC(hWnd, hDC);
}

// A quit message taken from the queue is posted again, with its exit code,
// for the thread's own message loop; dispatching stops there, since the
// queue would hand it out again at once.
BOOL CTKMenuSkinXP::DispatchPendingMessages(HWND hWnd)
{
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
        if (!::IsWindow(hWnd))
            return FALSE;
    }
    return ::IsWindow(hWnd);
}

// Printed before it is shown (as when the menu slides open), the popup is
// composed off screen; its shadow copies the screen where the window is
// about to go.
void CTKMenuSkinXP::OnPopupPrint(CTKBitmapMenu* pMenu, HWND hWnd, HDC hTarget, LPARAM /*lFlags*/)
{
    // Dispatching lets the windows behind the popup repaint first; the menu
    // may end meanwhile.
    if (!DispatchPendingMessages(hWnd) || CTKBitmapMenu::GetTrackedBitmapMenu() != pMenu)
        return;
    CRect rectWindow;
    ::GetWindowRect(hWnd, &rectWindow);
    const CSize size = rectWindow.Size();
    CDC dcTarget;
    dcTarget.Attach(hTarget);
    {
        CTKMemoryBitmapDC memory(&dcTarget, size.cx, size.cy);
        memory.m_dc.SetViewportOrg(kFrame, kFrame);
        ::SendMessage(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.m_dc.GetSafeHdc()), PRF_CLIENT);
        memory.m_dc.SetViewportOrg(0, 0);
        CPoint ptScreen;
        if (m_mapPositions.Lookup(hWnd, ptScreen))
            m_mapPositions.RemoveKey(hWnd);
        else
            ptScreen = rectWindow.TopLeft();
        const CTKMenuJoin join = ComputeJoin(pMenu, size, ptScreen);
        const CRect rectClient = ClientArea(size);
        memory.m_dc.ExcludeClipRect(&rectClient);
        PaintPopupFrame(&memory.m_dc, size, join, pMenu);
        PaintPopupShadow(&memory.m_dc, size, ptScreen, join, nullptr);
        dcTarget.BitBlt(0, 0, size.cx, size.cy, &memory.m_dc, 0, 0, SRCCOPY);
    }
    dcTarget.Detach();
}
