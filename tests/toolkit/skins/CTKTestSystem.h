#pragma once
// Classes in this file: CTKTestSystem, a system for the skins' tests with
// pinned colours (the B8 set: W white, H RGB(10,36,106), F RGB(212,208,200),
// S grey 128), a theme switched on or off with pinned theme colours,
// Msimg32 present or not, and, where a test pins them, the cursor and the
// mouse capture. It counts the theme data opened and closed. While
// it lives it stands in for the real system.

#include "toolkit/skins/CTKSystem.h"

#include <map>
#include <optional>

class CTKTestSystem : public CTKSystem {
public:
    CTKTestSystem();
    ~CTKTestSystem() override;

    COLORREF GetSysColor(int nIndex) const override;
    HMODULE LoadLibrary(LPCSTR lpszName) const override;
    FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpszProc) const override;
    void FreeLibrary(HMODULE hModule) const override;
    CTKWindowsVersion GetWindowsVersion() const override;
    DWORD GetComCtlVersion() const override;
    POINT GetCursorPos() const override;
    HWND GetCapture() const override;

    std::map<int, COLORREF> m_mapColors;
    BOOL m_bUxTheme = TRUE;    // the library is there
    BOOL m_bThemed = FALSE;    // a theme is active
    COLORREF m_crThemeHighlight = RGB(49, 106, 197);
    COLORREF m_crThemeCaption = RGB(0, 84, 227);
    BOOL m_bMsimg32 = TRUE;
    CTKWindowsVersion m_version{6, 1, FALSE};
    DWORD m_dwComCtlVersion = 0x00060000;
    mutable int m_nThemesOpen = 0;  // opened and not yet closed
    // Where the skins see the cursor and the capture; empty: the real ones.
    std::optional<POINT> m_ptCursor;
    std::optional<HWND> m_hCapture;

    static CTKTestSystem* s_pCurrent;

private:
    const CTKSystem* m_pPrevious;
};
