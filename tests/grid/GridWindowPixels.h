#pragma once
// The grid's cell area (or another of its windows) drawn through WM_PRINT
// into a 32-bit memory bitmap, read back pixel by pixel.

#include "grid/CGRCtrl.h"

class CGridSnapshot {
public:
    explicit CGridSnapshot(CGRCtrl& grid) : CGridSnapshot(grid.GetCellArea()) {}
    explicit CGridSnapshot(CWnd* pArea)
    {
        CRect client;
        pArea->GetClientRect(&client);
        HDC hScreen = ::GetDC(nullptr);
        m_hMemory = ::CreateCompatibleDC(hScreen);
        m_hBitmap = ::CreateCompatibleBitmap(hScreen, client.Width(), client.Height());
        ::ReleaseDC(nullptr, hScreen);
        m_hOld = ::SelectObject(m_hMemory, m_hBitmap);
        ::SendMessage(pArea->GetSafeHwnd(), WM_PRINT, reinterpret_cast<WPARAM>(m_hMemory), PRF_CLIENT);
    }
    ~CGridSnapshot()
    {
        ::SelectObject(m_hMemory, m_hOld);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hMemory);
    }
    CGridSnapshot(const CGridSnapshot&) = delete;
    CGridSnapshot& operator=(const CGridSnapshot&) = delete;

    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_hMemory, x, y); }
    COLORREF Pixel(const CPoint& point) const { return Pixel(point.x, point.y); }

private:
    HDC m_hMemory = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
};
