#include "CDC.h"

#include "AfxHandleMap.h"
#include "CBitmap.h"
#include "CBrush.h"
#include "CFont.h"
#include "CPen.h"
#include "CRgn.h"
#include "CVirtualPrinter.h"
#include "CVirtualPrinterTexts.h"
#include "CWnd.h"

#include <cassert>
#include <utility>

IMPLEMENT_DYNCREATE(CDC, CObject)

CDC::~CDC()
{
    DeleteDC();
}

CDC* CDC::FromHandle(HDC hDC)
{
    return CHandleMap<HDC, CDC>::FromHandle(hDC);
}

void CDC::DeleteTempMap()
{
    CHandleMap<HDC, CDC>::DeleteTemps();
}

BOOL CDC::Attach(HDC hDC)
{
    assert(m_hDC == nullptr);
    m_hDC = m_hAttribDC = hDC;
    return hDC != nullptr;
}

HDC CDC::Detach()
{
    m_hAttribDC = nullptr;
    return std::exchange(m_hDC, nullptr);
}

HDC CDC::GetSafeHdc() const
{
    return this == nullptr ? nullptr : m_hDC;
}

// A printer DC is made by the virtual printer when the driver names it.
BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput,
                   const DEVMODE* lpInitData)
{
    if (CVirtualPrinter::IsVirtualDriver(lpszDriverName)) {
        CVirtualPrinter* pPrinter = CVirtualPrinter::GetInstalled();
        return pPrinter != nullptr && Attach(pPrinter->CreateDC(lpInitData));
    }
    return Attach(::CreateDC(lpszDriverName, lpszDeviceName, lpszOutput, lpInitData));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr));
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return FALSE;
    if (CVirtualPrinter* pPrinter = CVirtualPrinter::FromHDC(m_hDC))
        pPrinter->ReleaseDC(m_hDC);
    return ::DeleteDC(Detach());
}

CWnd* CDC::GetWindow() const
{
    return CWnd::FromHandle(::WindowFromDC(m_hDC));
}

// --- state ----------------------------------------------------------------

int CDC::SaveDC()
{
    int nSaved = ::SaveDC(m_hDC);
    CVirtualPrinter* pPrinter = CVirtualPrinter::FromHDC(m_hDC);
    if (pPrinter != nullptr && nSaved != 0)
        pPrinter->OnSaveDC(m_hDC);
    return nSaved;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    BOOL bRestored = ::RestoreDC(m_hDC, nSavedDC);
    CVirtualPrinter* pPrinter = CVirtualPrinter::FromHDC(m_hDC);
    if (pPrinter != nullptr && bRestored)
        pPrinter->OnRestoreDC(m_hDC, nSavedDC);
    return bRestored;
}

int CDC::GetDeviceCaps(int nIndex) const
{
    if (CVirtualPrinter* pPrinter = CVirtualPrinter::FromHDC(m_hAttribDC))
        return pPrinter->GetDeviceCaps(m_hAttribDC, nIndex);
    return ::GetDeviceCaps(m_hAttribDC, nIndex);
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return CPen::FromHandle(static_cast<HPEN>(::SelectObject(m_hDC, pPen->m_hObject)));
}
CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return CBrush::FromHandle(static_cast<HBRUSH>(::SelectObject(m_hDC, pBrush->m_hObject)));
}
CFont* CDC::SelectObject(CFont* pFont)
{
    return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, pFont->m_hObject)));
}
CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, pBitmap->m_hObject)));
}
int CDC::SelectObject(CRgn* pRgn)
{
    return static_cast<int>(reinterpret_cast<INT_PTR>(::SelectObject(m_hDC, pRgn->m_hObject)));
}
CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    return CGdiObject::FromHandle(::SelectObject(m_hDC, pObject->m_hObject));
}
CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(nIndex)));
}
CPen* CDC::GetCurrentPen() const
{
    return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hDC, OBJ_PEN)));
}
CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
}
CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}
CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

// --- colours and modes ----------------------------------------------------

COLORREF CDC::SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hAttribDC); }
COLORREF CDC::SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
int CDC::SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
int CDC::GetBkMode() const { return ::GetBkMode(m_hAttribDC); }
int CDC::SetROP2(int nDrawMode) { return ::SetROP2(m_hDC, nDrawMode); }
int CDC::SetStretchBltMode(int nStretchMode) { return ::SetStretchBltMode(m_hDC, nStretchMode); }
UINT CDC::SetTextAlign(UINT nFlags) { return ::SetTextAlign(m_hDC, nFlags); }
UINT CDC::GetTextAlign() const { return ::GetTextAlign(m_hAttribDC); }
int CDC::SetTextCharacterExtra(int nCharExtra) { return ::SetTextCharacterExtra(m_hDC, nCharExtra); }
int CDC::SetPolyFillMode(int nPolyFillMode) { return ::SetPolyFillMode(m_hDC, nPolyFillMode); }

// --- coordinates ----------------------------------------------------------

int CDC::SetMapMode(int nMapMode)
{
    if (CVirtualPrinter* pPrinter = CVirtualPrinter::FromHDC(m_hDC))
        return pPrinter->SetMapMode(m_hDC, nMapMode);
    return ::SetMapMode(m_hDC, nMapMode);
}

int CDC::GetMapMode() const
{
    if (CVirtualPrinter* pPrinter = CVirtualPrinter::FromHDC(m_hAttribDC))
        return pPrinter->GetMapMode(m_hAttribDC);
    return ::GetMapMode(m_hAttribDC);
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT old = {};
    ::SetWindowOrgEx(m_hDC, x, y, &old);
    return CPoint(old);
}
CPoint CDC::SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }
CPoint CDC::GetWindowOrg() const
{
    POINT point = {};
    ::GetWindowOrgEx(m_hAttribDC, &point);
    return CPoint(point);
}

// In a fixed map mode the extents belong to the mode, as on a real device.
CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE old = {};
    CVirtualPrinter* pPrinter = CVirtualPrinter::FromHDC(m_hDC);
    if (pPrinter != nullptr && pPrinter->IsFixedMapMode(m_hDC))
        return GetWindowExt();
    ::SetWindowExtEx(m_hDC, cx, cy, &old);
    return CSize(old);
}
CSize CDC::SetWindowExt(SIZE size) { return SetWindowExt(size.cx, size.cy); }
CSize CDC::GetWindowExt() const
{
    SIZE size = {};
    ::GetWindowExtEx(m_hAttribDC, &size);
    return CSize(size);
}
CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT old = {};
    ::SetViewportOrgEx(m_hDC, x, y, &old);
    return CPoint(old);
}
CPoint CDC::SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
CPoint CDC::GetViewportOrg() const
{
    POINT point = {};
    ::GetViewportOrgEx(m_hAttribDC, &point);
    return CPoint(point);
}
CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT old = {};
    ::OffsetViewportOrgEx(m_hDC, nWidth, nHeight, &old);
    return CPoint(old);
}
CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE old = {};
    CVirtualPrinter* pPrinter = CVirtualPrinter::FromHDC(m_hDC);
    if (pPrinter != nullptr && pPrinter->IsFixedMapMode(m_hDC))
        return GetViewportExt();
    ::SetViewportExtEx(m_hDC, cx, cy, &old);
    return CSize(old);
}
CSize CDC::SetViewportExt(SIZE size) { return SetViewportExt(size.cx, size.cy); }
CSize CDC::GetViewportExt() const
{
    SIZE size = {};
    ::GetViewportExtEx(m_hAttribDC, &size);
    return CSize(size);
}
void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const { ::DPtoLP(m_hAttribDC, lpPoints, nCount); }
void CDC::DPtoLP(LPRECT lpRect) const { ::DPtoLP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2); }
void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const { ::LPtoDP(m_hAttribDC, lpPoints, nCount); }
void CDC::LPtoDP(LPRECT lpRect) const { ::LPtoDP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2); }

// A size converts as the distance between two converted points.
void CDC::DPtoLP(LPSIZE lpSize) const
{
    POINT points[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    DPtoLP(points, 2);
    lpSize->cx = abs(points[1].x - points[0].x);
    lpSize->cy = abs(points[1].y - points[0].y);
}
void CDC::LPtoDP(LPSIZE lpSize) const
{
    POINT points[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    LPtoDP(points, 2);
    lpSize->cx = abs(points[1].x - points[0].x);
    lpSize->cy = abs(points[1].y - points[0].y);
}

// --- clipping -------------------------------------------------------------

int CDC::SelectClipRgn(CRgn* pRgn)
{
    return ::SelectClipRgn(m_hDC, pRgn ? static_cast<HRGN>(pRgn->m_hObject) : nullptr);
}
int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    return ::ExtSelectClipRgn(m_hDC, pRgn ? static_cast<HRGN>(pRgn->m_hObject) : nullptr, nMode);
}
int CDC::GetClipBox(LPRECT lpRect) const { return ::GetClipBox(m_hDC, lpRect); }
int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) { return ::IntersectClipRect(m_hDC, x1, y1, x2, y2); }
int CDC::IntersectClipRect(LPCRECT lpRect)
{
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}
int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2) { return ::ExcludeClipRect(m_hDC, x1, y1, x2, y2); }
int CDC::ExcludeClipRect(LPCRECT lpRect)
{
    return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}
BOOL CDC::PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y); }
BOOL CDC::RectVisible(LPCRECT lpRect) const { return ::RectVisible(m_hDC, lpRect); }

// --- lines and shapes -----------------------------------------------------

CPoint CDC::MoveTo(int x, int y)
{
    POINT old = {};
    ::MoveToEx(m_hDC, x, y, &old);
    return CPoint(old);
}
CPoint CDC::MoveTo(POINT point) { return MoveTo(point.x, point.y); }
BOOL CDC::LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
BOOL CDC::LineTo(POINT point) { return LineTo(point.x, point.y); }
BOOL CDC::Polyline(const POINT* lpPoints, int nCount) { return ::Polyline(m_hDC, lpPoints, nCount); }
BOOL CDC::Polygon(const POINT* lpPoints, int nCount) { return ::Polygon(m_hDC, lpPoints, nCount); }
BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }
BOOL CDC::Rectangle(LPCRECT lpRect)
{
    return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}
BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}
BOOL CDC::Ellipse(int x1, int y1, int x2, int y2) { return ::Ellipse(m_hDC, x1, y1, x2, y2); }
BOOL CDC::Ellipse(LPCRECT lpRect) { return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) { ::FillRect(m_hDC, lpRect, *pBrush); }
void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush) { ::FrameRect(m_hDC, lpRect, *pBrush); }
void CDC::InvertRect(LPCRECT lpRect) { ::InvertRect(m_hDC, lpRect); }

// An opaque ExtTextOut of no text fills with the background colour without
// needing a brush; the colour is put back afterwards.
void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    COLORREF clrOld = ::SetBkColor(m_hDC, clr);
    ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, clrOld);
}
void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, clrTopLeft, clrBottomRight);
}
void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}
void CDC::DrawFocusRect(LPCRECT lpRect) { ::DrawFocusRect(m_hDC, lpRect); }
BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags) { return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags); }
BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState)
{
    return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
}
BOOL CDC::DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush) { return ::FillRgn(m_hDC, *pRgn, *pBrush); }
BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
    return ::FrameRgn(m_hDC, *pRgn, *pBrush, nWidth, nHeight);
}
COLORREF CDC::SetPixel(int x, int y, COLORREF crColor) { return ::SetPixel(m_hDC, x, y, crColor); }
COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

// The outline a drag leaves on screen, drawn by inverting: drawing a frame
// again removes it, so the last frame is removed first and the new one drawn.
void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast,
                       CBrush* pBrush, CBrush* pBrushLast)
{
    CBrush halftone;
    if (pBrush == nullptr) {
        WORD pattern[8];
        for (int i = 0; i < 8; ++i)
            pattern[i] = static_cast<WORD>(0x5555 << (i & 1));
        CBitmap bitmap;
        bitmap.CreateBitmap(8, 8, 1, 1, pattern);
        halftone.CreatePatternBrush(&bitmap);
        pBrush = &halftone;
    }
    if (lpRectLast != nullptr)
        InvertFrame(lpRectLast, sizeLast, pBrushLast ? pBrushLast : pBrush);
    InvertFrame(lpRect, size, pBrush);
}

// Inverts the frame of rect with the brush: size.cx wide left and right,
// size.cy top and bottom.
void CDC::InvertFrame(LPCRECT lpRect, SIZE size, CBrush* pBrush)
{
    CRect outer(*lpRect);
    CRect inner(outer);
    inner.DeflateRect(size.cx, size.cy);
    inner.IntersectRect(inner, outer);
    CRgn frame;
    frame.CreateRectRgnIndirect(&outer);
    CRgn hole;
    hole.CreateRectRgnIndirect(&inner);
    frame.CombineRgn(&frame, &hole, RGN_XOR);

    int nSaved = SaveDC();
    SelectClipRgn(&frame);
    SelectObject(pBrush);
    PatBlt(outer.left, outer.top, outer.Width(), outer.Height(), PATINVERT);
    RestoreDC(nSaved);
}

// --- text -----------------------------------------------------------------

// The virtual printer keeps the texts of its pages for the tests.
BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    if (CVirtualPrinter* pPrinter = CVirtualPrinter::FromHDC(m_hDC))
        CVirtualPrinterTexts::OnTextOut(*pPrinter, m_hDC, x, y, lpszString, nCount);
    return ::TextOut(m_hDC, x, y, lpszString, nCount);
}
BOOL CDC::TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }
BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                     LPINT lpDxWidths)
{
    if (CVirtualPrinter* pPrinter = CVirtualPrinter::FromHDC(m_hDC))
        CVirtualPrinterTexts::OnTextOut(*pPrinter, m_hDC, x, y, lpszString, static_cast<int>(nCount));
    return ::ExtTextOut(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}
BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths)
{
    return ExtTextOut(x, y, nOptions, lpRect, str, static_cast<UINT>(str.GetLength()), lpDxWidths);
}
int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    return ::DrawText(m_hDC, lpszString, nCount, lpRect, nFormat);
}
int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    return DrawText(str, str.GetLength(), lpRect, nFormat);
}
CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {};
    ::GetTextExtentPoint32(m_hAttribDC, lpszString, nCount, &size);
    return CSize(size);
}
CSize CDC::GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }
CSize CDC::GetOutputTextExtent(const CString& str) const
{
    SIZE size = {};
    ::GetTextExtentPoint32(m_hDC, str, str.GetLength(), &size);
    return CSize(size);
}
BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const { return ::GetTextMetrics(m_hAttribDC, lpMetrics); }
int CDC::GetTextFace(int nCount, LPTSTR lpszFacename) const { return ::GetTextFace(m_hAttribDC, nCount, lpszFacename); }
BOOL CDC::GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const
{
    return ::GetCharWidth32(m_hAttribDC, nFirstChar, nLastChar, lpBuffer);
}

// --- bitmaps and metafiles ------------------------------------------------

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, dwRop);
}
BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, nSrcWidth,
                        nSrcHeight, dwRop);
}
BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}
int CDC::StretchDIBits(int x, int y, int nWidth, int nHeight, int xSrc, int ySrc, int nSrcWidth,
                       int nSrcHeight, const void* lpBits, const BITMAPINFO* lpBitsInfo, UINT nUsage,
                       DWORD dwRop)
{
    return ::StretchDIBits(m_hDC, x, y, nWidth, nHeight, xSrc, ySrc, nSrcWidth, nSrcHeight, lpBits,
                           lpBitsInfo, nUsage, dwRop);
}
BOOL CDC::ScrollDC(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* pRgnUpdate,
                   LPRECT lpRectUpdate)
{
    return ::ScrollDC(m_hDC, dx, dy, lpRectScroll, lpRectClip,
                      pRgnUpdate ? static_cast<HRGN>(pRgnUpdate->m_hObject) : nullptr, lpRectUpdate);
}
BOOL CDC::PlayMetaFile(HENHMETAFILE hEnhMF, LPCRECT lpBounds)
{
    return ::PlayEnhMetaFile(m_hDC, hEnhMF, lpBounds);
}

// --- printing -------------------------------------------------------------

int CDC::StartDoc(LPDOCINFO lpDocInfo)
{
    if (CVirtualPrinter* pPrinter = CVirtualPrinter::FromHDC(m_hDC))
        return pPrinter->StartDoc(m_hDC, lpDocInfo->lpszDocName);
    return ::StartDoc(m_hDC, lpDocInfo);
}
int CDC::StartDoc(LPCTSTR lpszDocName)
{
    DOCINFO info = {};
    info.cbSize = sizeof(info);
    info.lpszDocName = lpszDocName;
    return StartDoc(&info);
}
int CDC::StartPage()
{
    if (CVirtualPrinter* pPrinter = CVirtualPrinter::FromHDC(m_hDC)) {
        const int nResult = pPrinter->StartPage(m_hDC);
        CVirtualPrinterTexts::OnStartPage(*pPrinter);
        return nResult;
    }
    return ::StartPage(m_hDC);
}
int CDC::EndPage()
{
    if (CVirtualPrinter* pPrinter = CVirtualPrinter::FromHDC(m_hDC))
        return pPrinter->EndPage(m_hDC);
    return ::EndPage(m_hDC);
}
int CDC::EndDoc()
{
    if (CVirtualPrinter* pPrinter = CVirtualPrinter::FromHDC(m_hDC))
        return pPrinter->EndDoc(m_hDC);
    return ::EndDoc(m_hDC);
}
int CDC::AbortDoc()
{
    if (CVirtualPrinter* pPrinter = CVirtualPrinter::FromHDC(m_hDC))
        return pPrinter->AbortDoc(m_hDC);
    return ::AbortDoc(m_hDC);
}
BOOL CDC::ResetDC(const DEVMODE* lpDevMode)
{
    if (CVirtualPrinter* pPrinter = CVirtualPrinter::FromHDC(m_hAttribDC))
        return pPrinter->ResetDC(m_hAttribDC, lpDevMode);
    return ::ResetDC(m_hAttribDC, lpDevMode) != nullptr;
}
int CDC::Escape(int nEscape, int nCount, LPCSTR lpszInData, LPVOID lpOutData)
{
    return ::Escape(m_hDC, nEscape, nCount, lpszInData, lpOutData);
}
