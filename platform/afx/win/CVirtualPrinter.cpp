#include "CVirtualPrinter.h"

#include "CBitmap.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

CVirtualPrinter* s_pInstalled = nullptr;

// Every DC of every virtual printer, so CDC finds the printer of a DC.
std::map<HDC, CVirtualPrinter*>& PrinterOfDC()
{
    static std::map<HDC, CVirtualPrinter*> map;
    return map;
}

int MillimetresToPixels(int nMillimetres, int nDpi)
{
    return ::MulDiv(nMillimetres, nDpi * 10, 254);
}

int PixelsToMillimetres(int nPixels, int nDpi)
{
    return ::MulDiv(nPixels, 254, nDpi * 10);
}

// Logical units per inch of the fixed map modes; 0 for the others.
int UnitsPerInch(int nMapMode)
{
    switch (nMapMode) {
    case MM_LOMETRIC: return 254;
    case MM_HIMETRIC: return 2540;
    case MM_LOENGLISH: return 100;
    case MM_HIENGLISH: return 1000;
    case MM_TWIPS: return 1440;
    default: return 0;
    }
}

}  // namespace

struct CVirtualPrinter::DCState {
    BOOL bLandscape = FALSE;
    int nMapMode = MM_TEXT;   // as the program set it
    std::vector<int> savedMapModes;  // one per SaveDC level
    HGDIOBJ hOriginalBitmap = nullptr;
    BOOL bInPage = FALSE;
};

struct CVirtualPrinter::Page {
    CBitmap bitmap;
    DWORD* pBits = nullptr;
    CSize size;
};

CVirtualPrinter::CVirtualPrinter(const CPrinterDescription& description) : m_description(description)
{
}

CVirtualPrinter::~CVirtualPrinter()
{
    Uninstall();
    for (auto& entry : m_dcs) {
        ::SelectObject(entry.first, entry.second->hOriginalBitmap);
        PrinterOfDC().erase(entry.first);
    }
}

void CVirtualPrinter::Install()
{
    s_pInstalled = this;
}

void CVirtualPrinter::Uninstall()
{
    if (s_pInstalled == this)
        s_pInstalled = nullptr;
}

CVirtualPrinter* CVirtualPrinter::GetInstalled()
{
    return s_pInstalled;
}

CVirtualPrinter* CVirtualPrinter::FromHDC(HDC hDC)
{
    if (hDC == nullptr)
        return nullptr;
    auto it = PrinterOfDC().find(hDC);
    return it == PrinterOfDC().end() ? nullptr : it->second;
}

BOOL CVirtualPrinter::IsVirtualDriver(LPCTSTR lpszDriverName)
{
    return lpszDriverName != nullptr && ::lstrcmpA(lpszDriverName, DriverName()) == 0;
}

HGLOBAL CVirtualPrinter::CreateDevMode() const
{
    HGLOBAL hDevMode = ::GlobalAlloc(GHND, sizeof(DEVMODE));
    auto* pDevMode = static_cast<DEVMODE*>(::GlobalLock(hDevMode));
    ::lstrcpynA(reinterpret_cast<char*>(pDevMode->dmDeviceName), m_description.sDeviceName,
                CCHDEVICENAME);
    pDevMode->dmSpecVersion = DM_SPECVERSION;
    pDevMode->dmSize = sizeof(DEVMODE);
    pDevMode->dmFields = DM_ORIENTATION | DM_PAPERLENGTH | DM_PAPERWIDTH | DM_PRINTQUALITY;
    pDevMode->dmOrientation = DMORIENT_PORTRAIT;
    pDevMode->dmPaperWidth = static_cast<short>(m_description.nPaperWidthMM * 10);
    pDevMode->dmPaperLength = static_cast<short>(m_description.nPaperHeightMM * 10);
    pDevMode->dmPrintQuality = static_cast<short>(m_description.nDotsPerInch);
    ::GlobalUnlock(hDevMode);
    return hDevMode;
}

// DEVNAMES: three offsets (in characters) to the driver, device and port
// names that follow the structure.
HGLOBAL CVirtualPrinter::CreateDevNames() const
{
    const char* pszDriver = DriverName();
    const char* pszDevice = m_description.sDeviceName;
    const char* pszPort = "VIRTUAL:";
    size_t nDriver = std::strlen(pszDriver) + 1;
    size_t nDevice = std::strlen(pszDevice) + 1;
    size_t nPort = std::strlen(pszPort) + 1;
    HGLOBAL hDevNames = ::GlobalAlloc(GHND, sizeof(DEVNAMES) + nDriver + nDevice + nPort);
    auto* pDevNames = static_cast<DEVNAMES*>(::GlobalLock(hDevNames));
    char* pText = reinterpret_cast<char*>(pDevNames);
    pDevNames->wDriverOffset = sizeof(DEVNAMES);
    pDevNames->wDeviceOffset = static_cast<WORD>(pDevNames->wDriverOffset + nDriver);
    pDevNames->wOutputOffset = static_cast<WORD>(pDevNames->wDeviceOffset + nDevice);
    pDevNames->wDefault = DN_DEFAULTPRN;
    std::memcpy(pText + pDevNames->wDriverOffset, pszDriver, nDriver);
    std::memcpy(pText + pDevNames->wDeviceOffset, pszDevice, nDevice);
    std::memcpy(pText + pDevNames->wOutputOffset, pszPort, nPort);
    ::GlobalUnlock(hDevNames);
    return hDevNames;
}

HDC CVirtualPrinter::CreateDC(const DEVMODE* pDevMode)
{
    HDC hDC = ::CreateCompatibleDC(nullptr);
    if (hDC == nullptr)
        return nullptr;
    auto state = std::make_unique<DCState>();
    state->bLandscape = pDevMode != nullptr && (pDevMode->dmFields & DM_ORIENTATION) &&
                        pDevMode->dmOrientation == DMORIENT_LANDSCAPE;
    m_dcs[hDC] = std::move(state);
    PrinterOfDC()[hDC] = this;
    return hDC;
}

void CVirtualPrinter::ReleaseDC(HDC hDC)
{
    auto it = m_dcs.find(hDC);
    if (it == m_dcs.end())
        return;
    ::SelectObject(hDC, it->second->hOriginalBitmap);
    m_dcs.erase(it);
    PrinterOfDC().erase(hDC);
}

CVirtualPrinter::DCState* CVirtualPrinter::Lookup(HDC hDC) const
{
    auto it = m_dcs.find(hDC);
    return it == m_dcs.end() ? nullptr : it->second.get();
}

// Portrait values; landscape swaps the horizontal and vertical ones.
int CVirtualPrinter::Caps(const DCState& state, int nIndex) const
{
    const CPrinterDescription& d = m_description;
    const int nPhysicalWidth = MillimetresToPixels(d.nPaperWidthMM, d.nDotsPerInch);
    const int nPhysicalHeight = MillimetresToPixels(d.nPaperHeightMM, d.nDotsPerInch);
    const int nHorzRes = nPhysicalWidth - 2 * d.nOffsetX;
    const int nVertRes = nPhysicalHeight - 2 * d.nOffsetY;
    struct Pair {
        int nHorizontalIndex;
        int nVerticalIndex;
        int nHorizontal;
        int nVertical;
    };
    const Pair pairs[] = {
        {PHYSICALWIDTH, PHYSICALHEIGHT, nPhysicalWidth, nPhysicalHeight},
        {PHYSICALOFFSETX, PHYSICALOFFSETY, d.nOffsetX, d.nOffsetY},
        {HORZRES, VERTRES, nHorzRes, nVertRes},
        {HORZSIZE, VERTSIZE, PixelsToMillimetres(nHorzRes, d.nDotsPerInch),
         PixelsToMillimetres(nVertRes, d.nDotsPerInch)},
        {LOGPIXELSX, LOGPIXELSY, d.nDotsPerInch, d.nDotsPerInch},
    };
    for (const Pair& pair : pairs) {
        int nHorizontal = state.bLandscape ? pair.nVertical : pair.nHorizontal;
        int nVertical = state.bLandscape ? pair.nHorizontal : pair.nVertical;
        if (nIndex == pair.nHorizontalIndex)
            return nHorizontal;
        if (nIndex == pair.nVerticalIndex)
            return nVertical;
    }
    switch (nIndex) {
    case TECHNOLOGY: return DT_RASPRINTER;
    case BITSPIXEL: return 24;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case RASTERCAPS: return RC_BITBLT | RC_STRETCHBLT | RC_STRETCHDIB | RC_DI_BITMAP | RC_DIBTODEV;
    default: return -1;
    }
}

int CVirtualPrinter::GetDeviceCaps(HDC hDC, int nIndex) const
{
    const DCState* pState = Lookup(hDC);
    if (pState == nullptr)
        return ::GetDeviceCaps(hDC, nIndex);
    int nValue = Caps(*pState, nIndex);
    return nValue != -1 || nIndex == NUMCOLORS ? nValue : ::GetDeviceCaps(hDC, nIndex);
}

// A fixed map mode becomes MM_ANISOTROPIC with the printer's own scale, since
// the memory DC behind the printer measures like the screen.
int CVirtualPrinter::SetMapMode(HDC hDC, int nMapMode)
{
    DCState* pState = Lookup(hDC);
    if (pState == nullptr)
        return ::SetMapMode(hDC, nMapMode);
    int nPrevious = pState->nMapMode;
    int nUnits = UnitsPerInch(nMapMode);
    if (nUnits == 0) {
        ::SetMapMode(hDC, nMapMode);
    } else {
        ::SetMapMode(hDC, MM_ANISOTROPIC);
        ::SetWindowExtEx(hDC, nUnits, nUnits, nullptr);
        ::SetViewportExtEx(hDC, m_description.nDotsPerInch, -m_description.nDotsPerInch, nullptr);
    }
    pState->nMapMode = nMapMode;
    return nPrevious;
}

int CVirtualPrinter::GetMapMode(HDC hDC) const
{
    const DCState* pState = Lookup(hDC);
    return pState ? pState->nMapMode : ::GetMapMode(hDC);
}

BOOL CVirtualPrinter::IsFixedMapMode(HDC hDC) const
{
    const DCState* pState = Lookup(hDC);
    return pState != nullptr && UnitsPerInch(pState->nMapMode) != 0;
}

// SaveDC/RestoreDC bring back the real DC's transform; the emulated mode
// follows them.
void CVirtualPrinter::OnSaveDC(HDC hDC)
{
    if (DCState* pState = Lookup(hDC))
        pState->savedMapModes.push_back(pState->nMapMode);
}

// nSavedDC counts levels from 1, or back from the latest when negative.
void CVirtualPrinter::OnRestoreDC(HDC hDC, int nSavedDC)
{
    DCState* pState = Lookup(hDC);
    if (pState == nullptr)
        return;
    int nLevels = static_cast<int>(pState->savedMapModes.size());
    int nLevel = nSavedDC > 0 ? nSavedDC : nLevels + 1 + nSavedDC;
    if (nLevel < 1 || nLevel > nLevels)
        return;
    pState->nMapMode = pState->savedMapModes[static_cast<size_t>(nLevel - 1)];
    pState->savedMapModes.resize(static_cast<size_t>(nLevel - 1));
}

// A new orientation changes the capabilities at once and the page bitmap
// from the next page on (or now, when the page has not been drawn on).
BOOL CVirtualPrinter::ResetDC(HDC hDC, const DEVMODE* pDevMode)
{
    DCState* pState = Lookup(hDC);
    if (pState == nullptr)
        return ::ResetDCA(hDC, pDevMode) != nullptr;
    if (pDevMode != nullptr && (pDevMode->dmFields & DM_ORIENTATION))
        pState->bLandscape = pDevMode->dmOrientation == DMORIENT_LANDSCAPE;
    return TRUE;
}

int CVirtualPrinter::StartDoc(HDC hDC, LPCTSTR lpszDocName)
{
    if (Lookup(hDC) == nullptr)
        return SP_ERROR;
    ++m_nJobs;
    m_sLastDocName = lpszDocName ? lpszDocName : "";
    return m_nJobs;
}

int CVirtualPrinter::StartPage(HDC hDC)
{
    DCState* pState = Lookup(hDC);
    if (pState == nullptr || pState->bInPage)
        return SP_ERROR;
    auto page = std::make_unique<Page>();
    page->size = CSize(Caps(*pState, HORZRES), Caps(*pState, VERTRES));
    if (!page->bitmap.CreateDIBSection32(page->size.cx, page->size.cy, &page->pBits))
        return SP_ERROR;
    std::fill(page->pBits, page->pBits + page->size.cx * page->size.cy, 0x00FFFFFF);
    HGDIOBJ hPrevious = ::SelectObject(hDC, page->bitmap.m_hObject);
    if (pState->hOriginalBitmap == nullptr)
        pState->hOriginalBitmap = hPrevious;
    m_pages.push_back(std::move(page));
    pState->bInPage = TRUE;
    return 1;
}

int CVirtualPrinter::EndPage(HDC hDC)
{
    DCState* pState = Lookup(hDC);
    if (pState == nullptr || !pState->bInPage)
        return SP_ERROR;
    ::GdiFlush();
    pState->bInPage = FALSE;
    return 1;
}

int CVirtualPrinter::EndDoc(HDC hDC)
{
    DCState* pState = Lookup(hDC);
    if (pState == nullptr)
        return SP_ERROR;
    pState->bInPage = FALSE;
    return 1;
}

int CVirtualPrinter::AbortDoc(HDC hDC)
{
    return EndDoc(hDC);
}

CSize CVirtualPrinter::GetPageSize(int nPage) const
{
    return m_pages.at(static_cast<size_t>(nPage))->size;
}

COLORREF CVirtualPrinter::GetPagePixel(int nPage, int x, int y) const
{
    const Page& page = *m_pages.at(static_cast<size_t>(nPage));
    if (x < 0 || y < 0 || x >= page.size.cx || y >= page.size.cy)
        return CLR_INVALID;
    DWORD dwPixel = page.pBits[y * page.size.cx + x];  // 0x00RRGGBB
    return RGB((dwPixel >> 16) & 0xFF, (dwPixel >> 8) & 0xFF, dwPixel & 0xFF);
}

void CVirtualPrinter::ClearPages()
{
    m_pages.clear();
}
