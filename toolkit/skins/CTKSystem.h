#pragma once
// Classes in this file: CTKSystem, the one place where the skins meet the
// system: system colours, the libraries they load at run time (UxTheme,
// Msimg32), the Windows version, the common controls' version, and the
// cursor and mouse capture that hot looks follow. Tests put a system of their
// own in its place to pin the theme, the colours and the cursor without
// changing the desktop's colours for every other program, or moving the one
// pointer the display has.

#include <windows.h>

struct CTKWindowsVersion {
    DWORD dwMajor = 0;
    DWORD dwMinor = 0;
    BOOL bWin95Family = FALSE;  // the high bit of the version number
};

class CTKSystem {
public:
    virtual ~CTKSystem() = default;

    virtual COLORREF GetSysColor(int nIndex) const;
    virtual HMODULE LoadLibrary(LPCSTR lpszName) const;
    virtual FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpszProc) const;
    virtual void FreeLibrary(HMODULE hModule) const;
    virtual CTKWindowsVersion GetWindowsVersion() const;
    // The common controls' version as (major << 16) | minor, read once.
    virtual DWORD GetComCtlVersion() const;
    // The cursor, in screen coordinates.
    virtual POINT GetCursorPos() const;
    // The window that has the mouse capture, or null.
    virtual HWND GetCapture() const;

    // The system the skins use; the real one unless a test replaced it.
    static const CTKSystem& Current();
    // Puts pSystem in place (null: the real system) and returns the one
    // that was there.
    static const CTKSystem* Replace(const CTKSystem* pSystem);
};
