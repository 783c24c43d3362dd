#pragma once
// Classes in this file: CImageList, the owner of a common-controls image list.

#include "afx.h"
#include "CPoint.h"

#include <commctrl.h>

class CBitmap;
class CDC;
class CWnd;

class CImageList : public CObject {
    DECLARE_DYNCREATE(CImageList)
public:
    CImageList() = default;
    ~CImageList() override;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;

// Handles
    static CImageList* FromHandle(HIMAGELIST hImageList);
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    HIMAGELIST GetSafeHandle() const;
    operator HIMAGELIST() const { return m_hImageList; }
    void SetTempHandle(HIMAGELIST hImageList) { m_hImageList = hImageList; }
    void ReleaseTempHandle() { m_hImageList = nullptr; }

// Creation
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // From bitmap resource nBitmapID in images cx wide; crMask is transparent.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL DeleteImageList();

// Images
    int GetImageCount() const;
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon);
    BOOL Remove(int nImage);
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    int Replace(int nImage, HICON hIcon);
    HICON ExtractIcon(int nImage);
    COLORREF SetBkColor(COLORREF cr);
    COLORREF GetBkColor() const;
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);

// Dragging: the system keeps one drag image per process. Points are relative
// to the locked window's upper-left corner (window, not client area).
    BOOL BeginDrag(int nImage, CPoint ptHotSpot);
    static void EndDrag();
    static BOOL DragEnter(CWnd* pWndLock, CPoint point);
    static BOOL DragLeave(CWnd* pWndLock);
    static BOOL DragMove(CPoint pt);
    static BOOL DragShowNolock(BOOL bShow);
    // A temporary wrapper of the current drag image, or null.
    static CImageList* GetDragImage(LPPOINT lpPoint, LPPOINT lpPointHotSpot);
};
