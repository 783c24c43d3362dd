#pragma once
// Classes in this file: CVirtualPrinter, a printer for tests and for
// machines without one. It answers the device capabilities of the paper and
// resolution it is given, and keeps every printed page as a 32-bit bitmap
// that a test reads pixel by pixel.
//
// The DC it makes is a memory DC; the printer emulates the fixed map modes
// (MM_LOMETRIC, ...) from its own resolution, so logical units, text sizes
// and page rectangles come out as they would on a real printer of that kind.
// Install() makes it the application's printer: DoPreparePrinting then finds
// it as the default printer.

#include "afx.h"
#include "CSize.h"

#include <map>
#include <memory>
#include <vector>

class CBitmap;

struct CPrinterDescription {
    CString sDeviceName = "Vestolar Virtual A4";
    int nPaperWidthMM = 210;   // A4 portrait
    int nPaperHeightMM = 297;
    int nDotsPerInch = 100;
    int nOffsetX = 0;          // unprintable margin, device pixels
    int nOffsetY = 0;
};

class CVirtualPrinter {
public:
    explicit CVirtualPrinter(const CPrinterDescription& description = {});
    ~CVirtualPrinter();
    CVirtualPrinter(const CVirtualPrinter&) = delete;
    CVirtualPrinter& operator=(const CVirtualPrinter&) = delete;

// Installation
    void Install();
    void Uninstall();
    static CVirtualPrinter* GetInstalled();
    static CVirtualPrinter* FromHDC(HDC hDC);
    static BOOL IsVirtualDriver(LPCTSTR lpszDriverName);
    static LPCTSTR DriverName() { return "VestolarVirtualPrinter"; }

// The printer's defaults: a DEVMODE and DEVNAMES in global memory
    HGLOBAL CreateDevMode() const;
    HGLOBAL CreateDevNames() const;
    const CPrinterDescription& GetDescription() const { return m_description; }

// Device contexts (called by CDC)
    HDC CreateDC(const DEVMODE* pDevMode);
    void ReleaseDC(HDC hDC);
    int GetDeviceCaps(HDC hDC, int nIndex) const;
    int SetMapMode(HDC hDC, int nMapMode);
    int GetMapMode(HDC hDC) const;
    BOOL IsFixedMapMode(HDC hDC) const;
    void OnSaveDC(HDC hDC);
    void OnRestoreDC(HDC hDC, int nSavedDC);
    BOOL ResetDC(HDC hDC, const DEVMODE* pDevMode);
    int StartDoc(HDC hDC, LPCTSTR lpszDocName);
    int StartPage(HDC hDC);
    int EndPage(HDC hDC);
    int EndDoc(HDC hDC);
    int AbortDoc(HDC hDC);

// What was printed
    int GetJobCount() const { return m_nJobs; }
    CString GetLastDocName() const { return m_sLastDocName; }
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CSize GetPageSize(int nPage) const;
    COLORREF GetPagePixel(int nPage, int x, int y) const;
    void ClearPages();

private:
    struct DCState;
    struct Page;

    DCState* Lookup(HDC hDC) const;
    int Caps(const DCState& state, int nIndex) const;

    CPrinterDescription m_description;
    std::map<HDC, std::unique_ptr<DCState>> m_dcs;
    std::vector<std::unique_ptr<Page>> m_pages;
    int m_nJobs = 0;
    CString m_sLastDocName;
};
