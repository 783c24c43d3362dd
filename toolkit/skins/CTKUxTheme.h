#pragma once
// Classes in this file: CTKUxTheme, the visual-styles library loaded at run
// time: absent on systems without it, and then every call answers null.

#include <windows.h>
#include <uxtheme.h>

class CTKUxTheme {
public:
    CTKUxTheme();
    CTKUxTheme(const CTKUxTheme&) = delete;
    CTKUxTheme& operator=(const CTKUxTheme&) = delete;
    virtual ~CTKUxTheme();

    HTHEME OpenThemeData(HWND hWnd, LPCSTR lpszClassList) const;
    COLORREF GetThemeSysColor(HTHEME hTheme, int nColorId) const;
    void CloseThemeData(HTHEME hTheme) const;

    // Visual styles in force: Windows 5.1 with an active theme and common
    // controls 6 or later.
    static BOOL IsVisualStylesActive();

private:
    FARPROC GetProc(LPCSTR lpszName) const;

    HMODULE m_hUxTheme;
};
