#pragma once
// Classes in this file: CBitmap, the owner of a GDI bitmap.

#include "CGdiObject.h"
#include "CSize.h"

class CDC;

class CBitmap : public CGdiObject {
    DECLARE_DYNAMIC(CBitmap)
public:
    CBitmap() = default;
    CBitmap(CBitmap&&) = default;
    CBitmap& operator=(CBitmap&&) = default;

    static CBitmap* FromHandle(HBITMAP hBitmap);
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }

    BOOL LoadBitmap(UINT nIDResource);
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadOEMBitmap(UINT nIDBitmap);
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    BOOL CreateBitmapIndirect(LPBITMAP lpBitmap);
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    // A top-down 32-bit DIB section whose pixels the caller can read.
    BOOL CreateDIBSection32(int nWidth, int nHeight, DWORD** ppBits);
    int GetBitmap(BITMAP* pBitMap) const;
    CSize GetBitmapDimension() const;
};
