#pragma once
// Classes in this file: CDC, a device context. A CDC made by CreateDC or
// CreateCompatibleDC (or given one by Attach) deletes it; the paint, client
// and window DCs release theirs; wrappers from FromHandle leave it alone.
//
// Device capabilities, map modes and the page calls go through the CDC so
// that a test printer (CVirtualPrinter) can stand in for a real one: every
// page measurement of the program reads the printer through here.

#include "afx.h"
#include "CPoint.h"
#include "CRect.h"
#include "CSize.h"

class CBitmap;
class CBrush;
class CFont;
class CGdiObject;
class CPen;
class CRgn;
class CWnd;

class CDC : public CObject {
    DECLARE_DYNCREATE(CDC)
public:
    CDC() = default;
    ~CDC() override;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;        // where drawing goes
    HDC m_hAttribDC = nullptr;  // what is measured; the same DC here
    BOOL m_bPrinting = FALSE;

// Handles
    static CDC* FromHandle(HDC hDC);
    static void DeleteTempMap();
    BOOL Attach(HDC hDC);
    HDC Detach();
    HDC GetSafeHdc() const;
    operator HDC() const { return m_hDC; }
    void SetTempHandle(HDC hDC) { m_hDC = m_hAttribDC = hDC; }
    void ReleaseTempHandle() { m_hDC = m_hAttribDC = nullptr; }

// Creation
    BOOL CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput,
                  const DEVMODE* lpInitData);
    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();
    BOOL IsPrinting() const { return m_bPrinting; }
    CWnd* GetWindow() const;

// State
    int SaveDC();
    BOOL RestoreDC(int nSavedDC);
    int GetDeviceCaps(int nIndex) const;
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    CFont* SelectObject(CFont* pFont);
    CBitmap* SelectObject(CBitmap* pBitmap);
    int SelectObject(CRgn* pRgn);
    CGdiObject* SelectObject(CGdiObject* pObject);
    CGdiObject* SelectStockObject(int nIndex);
    CPen* GetCurrentPen() const;
    CBrush* GetCurrentBrush() const;
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;

// Colours and modes
    COLORREF SetTextColor(COLORREF crColor);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF crColor);
    COLORREF GetBkColor() const;
    int SetBkMode(int nBkMode);
    int GetBkMode() const;
    int SetROP2(int nDrawMode);
    int SetStretchBltMode(int nStretchMode);
    UINT SetTextAlign(UINT nFlags);
    UINT GetTextAlign() const;
    int SetTextCharacterExtra(int nCharExtra);
    int SetPolyFillMode(int nPolyFillMode);

// Coordinates
    int SetMapMode(int nMapMode);
    int GetMapMode() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT point);
    CPoint GetWindowOrg() const;
    CSize SetWindowExt(int cx, int cy);
    CSize SetWindowExt(SIZE size);
    CSize GetWindowExt() const;
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point);
    CPoint GetViewportOrg() const;
    CPoint OffsetViewportOrg(int nWidth, int nHeight);
    CSize SetViewportExt(int cx, int cy);
    CSize SetViewportExt(SIZE size);
    CSize GetViewportExt() const;
    void DPtoLP(LPPOINT lpPoints, int nCount = 1) const;
    void DPtoLP(LPRECT lpRect) const;
    void DPtoLP(LPSIZE lpSize) const;
    void LPtoDP(LPPOINT lpPoints, int nCount = 1) const;
    void LPtoDP(LPRECT lpRect) const;
    void LPtoDP(LPSIZE lpSize) const;

// Clipping
    int SelectClipRgn(CRgn* pRgn);
    int SelectClipRgn(CRgn* pRgn, int nMode);
    int GetClipBox(LPRECT lpRect) const;
    int IntersectClipRect(int x1, int y1, int x2, int y2);
    int IntersectClipRect(LPCRECT lpRect);
    int ExcludeClipRect(int x1, int y1, int x2, int y2);
    int ExcludeClipRect(LPCRECT lpRect);
    BOOL PtVisible(int x, int y) const;
    BOOL RectVisible(LPCRECT lpRect) const;

// Lines and shapes
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point);
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point);
    BOOL Polyline(const POINT* lpPoints, int nCount);
    BOOL Polygon(const POINT* lpPoints, int nCount);
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT lpRect);
    BOOL RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    BOOL Ellipse(LPCRECT lpRect);
    void FillRect(LPCRECT lpRect, CBrush* pBrush);
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    void FrameRect(LPCRECT lpRect, CBrush* pBrush);
    void InvertRect(LPCRECT lpRect);
    void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void DrawFocusRect(LPCRECT lpRect);
    BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags);
    BOOL DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState);
    BOOL DrawIcon(int x, int y, HICON hIcon);
    BOOL FillRgn(CRgn* pRgn, CBrush* pBrush);
    BOOL FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight);
    void DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast,
                      CBrush* pBrush = nullptr, CBrush* pBrushLast = nullptr);
    void InvertFrame(LPCRECT lpRect, SIZE size, CBrush* pBrush);
    COLORREF SetPixel(int x, int y, COLORREF crColor);
    COLORREF GetPixel(int x, int y) const;

// Text
    BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount);
    BOOL TextOut(int x, int y, const CString& str);
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                    LPINT lpDxWidths);
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str,
                    LPINT lpDxWidths);
    int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
    CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString& str) const;
    CSize GetOutputTextExtent(const CString& str) const;
    BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const;
    int GetTextFace(int nCount, LPTSTR lpszFacename) const;
    BOOL GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const;

// Bitmaps and metafiles
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                    int nSrcWidth, int nSrcHeight, DWORD dwRop);
    BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);
    int StretchDIBits(int x, int y, int nWidth, int nHeight, int xSrc, int ySrc, int nSrcWidth,
                      int nSrcHeight, const void* lpBits, const BITMAPINFO* lpBitsInfo,
                      UINT nUsage, DWORD dwRop);
    BOOL ScrollDC(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* pRgnUpdate,
                  LPRECT lpRectUpdate);
    BOOL PlayMetaFile(HENHMETAFILE hEnhMF, LPCRECT lpBounds);

// Printing
    int StartDoc(LPDOCINFO lpDocInfo);
    int StartDoc(LPCTSTR lpszDocName);
    int StartPage();
    int EndPage();
    int EndDoc();
    int AbortDoc();
    BOOL ResetDC(const DEVMODE* lpDevMode);
    int Escape(int nEscape, int nCount, LPCSTR lpszInData, LPVOID lpOutData);
};
