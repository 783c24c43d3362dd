#include "CTKSystem.h"

#include <shlwapi.h>

namespace {

const CTKSystem s_realSystem;
const CTKSystem* s_pCurrentSystem = &s_realSystem;

DWORD ReadComCtlVersion()
{
    HMODULE hComCtl = ::LoadLibraryA("comctl32.dll");
    if (hComCtl == nullptr)
        return 0;
    DWORD dwVersion = 0;
    auto pfnGetVersion = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void*>(::GetProcAddress(hComCtl, "DllGetVersion")));
    DLLVERSIONINFO info{};
    info.cbSize = sizeof(info);
    if (pfnGetVersion != nullptr && SUCCEEDED(pfnGetVersion(&info)))
        dwVersion = (info.dwMajorVersion << 16) | info.dwMinorVersion;
    ::FreeLibrary(hComCtl);
    return dwVersion;
}

}  // namespace

COLORREF CTKSystem::GetSysColor(int nIndex) const
{
    return ::GetSysColor(nIndex);
}

HMODULE CTKSystem::LoadLibrary(LPCSTR lpszName) const
{
    return ::LoadLibraryA(lpszName);
}

FARPROC CTKSystem::GetProcAddress(HMODULE hModule, LPCSTR lpszProc) const
{
    return ::GetProcAddress(hModule, lpszProc);
}

void CTKSystem::FreeLibrary(HMODULE hModule) const
{
    ::FreeLibrary(hModule);
}

CTKWindowsVersion CTKSystem::GetWindowsVersion() const
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    CTKWindowsVersion version;
    if (::GetVersionExA(&info)) {
        version.dwMajor = info.dwMajorVersion;
        version.dwMinor = info.dwMinorVersion;
    }
    version.bWin95Family = (::GetVersion() & 0x80000000u) != 0;
    return version;
}

// The version does not change while the program runs; the toolbars ask for
// it at every layout.
DWORD CTKSystem::GetComCtlVersion() const
{
    static const DWORD s_dwVersion = ReadComCtlVersion();
    return s_dwVersion;
}

POINT CTKSystem::GetCursorPos() const
{
    POINT pt = {};
    ::GetCursorPos(&pt);
    return pt;
}

HWND CTKSystem::GetCapture() const
{
    return ::GetCapture();
}

const CTKSystem& CTKSystem::Current()
{
    return *s_pCurrentSystem;
}

const CTKSystem* CTKSystem::Replace(const CTKSystem* pSystem)
{
    const CTKSystem* pPrevious = s_pCurrentSystem;
    s_pCurrentSystem = pSystem != nullptr ? pSystem : &s_realSystem;
    return pPrevious;
}
