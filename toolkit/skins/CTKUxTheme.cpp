#include "CTKUxTheme.h"

#include "CTKSystem.h"

#include <string>

namespace {

using OpenThemeDataProc = HTHEME(WINAPI*)(HWND, LPCWSTR);
using GetThemeSysColorProc = COLORREF(WINAPI*)(HTHEME, int);
using CloseThemeDataProc = HRESULT(WINAPI*)(HTHEME);
using ThemeStateProc = BOOL(WINAPI*)();

template <class TProc>
TProc ProcAs(FARPROC pfn)
{
    return reinterpret_cast<TProc>(reinterpret_cast<void*>(pfn));
}

BOOL CallsTrue(const CTKSystem& system, HMODULE hModule, LPCSTR lpszProc)
{
    auto pfn = ProcAs<ThemeStateProc>(system.GetProcAddress(hModule, lpszProc));
    return pfn != nullptr && pfn();
}

}  // namespace

CTKUxTheme::CTKUxTheme() : m_hUxTheme(CTKSystem::Current().LoadLibrary("UxTheme.dll"))
{
}

CTKUxTheme::~CTKUxTheme()
{
    if (m_hUxTheme != nullptr)
        CTKSystem::Current().FreeLibrary(m_hUxTheme);
}

FARPROC CTKUxTheme::GetProc(LPCSTR lpszName) const
{
    return m_hUxTheme != nullptr ? CTKSystem::Current().GetProcAddress(m_hUxTheme, lpszName) : nullptr;
}

HTHEME CTKUxTheme::OpenThemeData(HWND hWnd, LPCSTR lpszClassList) const
{
    auto pfn = ProcAs<OpenThemeDataProc>(GetProc("OpenThemeData"));
    if (pfn == nullptr)
        return nullptr;
    std::wstring sClassList(lpszClassList, lpszClassList + lstrlenA(lpszClassList));
    return pfn(hWnd, sClassList.c_str());
}

COLORREF CTKUxTheme::GetThemeSysColor(HTHEME hTheme, int nColorId) const
{
    auto pfn = ProcAs<GetThemeSysColorProc>(GetProc("GetThemeSysColor"));
    return pfn != nullptr ? pfn(hTheme, nColorId) : 0;
}

void CTKUxTheme::CloseThemeData(HTHEME hTheme) const
{
    auto pfn = ProcAs<CloseThemeDataProc>(GetProc("CloseThemeData"));
    if (pfn != nullptr && hTheme != nullptr)
        pfn(hTheme);
}

// Tested in this order; every library loaded here is freed again.
BOOL CTKUxTheme::IsVisualStylesActive()
{
    const CTKSystem& system = CTKSystem::Current();
    CTKWindowsVersion version = system.GetWindowsVersion();
    if (version.dwMajor != 5 || version.dwMinor != 1)
        return FALSE;
    HMODULE hUxTheme = system.LoadLibrary("uxtheme.dll");
    if (hUxTheme == nullptr)
        return FALSE;
    BOOL bThemed = CallsTrue(system, hUxTheme, "IsAppThemed") && CallsTrue(system, hUxTheme, "IsThemeActive");
    system.FreeLibrary(hUxTheme);
    return bThemed && HIWORD(system.GetComCtlVersion()) >= 6;
}
