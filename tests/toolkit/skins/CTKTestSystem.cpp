#include "CTKTestSystem.h"

#include <cstring>
#include <uxtheme.h>

CTKTestSystem* CTKTestSystem::s_pCurrent = nullptr;

namespace {

// Handles that stand for the fake libraries and theme.
HMODULE const kFakeUxTheme = reinterpret_cast<HMODULE>(0x7E570001);
HTHEME const kFakeTheme = reinterpret_cast<HTHEME>(0x7E570002);

HTHEME WINAPI FakeOpenThemeData(HWND, LPCWSTR)
{
    CTKTestSystem* pSystem = CTKTestSystem::s_pCurrent;
    if (!pSystem->m_bThemed)
        return nullptr;
    ++pSystem->m_nThemesOpen;
    return kFakeTheme;
}

COLORREF WINAPI FakeGetThemeSysColor(HTHEME, int nIndex)
{
    CTKTestSystem* pSystem = CTKTestSystem::s_pCurrent;
    return nIndex == COLOR_HIGHLIGHT ? pSystem->m_crThemeHighlight : pSystem->m_crThemeCaption;
}

HRESULT WINAPI FakeCloseThemeData(HTHEME)
{
    --CTKTestSystem::s_pCurrent->m_nThemesOpen;
    return S_OK;
}

BOOL WINAPI FakeIsThemeOn()
{
    return CTKTestSystem::s_pCurrent->m_bThemed;
}

template <class TProc>
FARPROC AsProc(TProc pfn)
{
    return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(pfn));
}

}  // namespace

CTKTestSystem::CTKTestSystem()
    : m_mapColors{{COLOR_WINDOW, RGB(255, 255, 255)}, {COLOR_HIGHLIGHT, RGB(10, 36, 106)},
                  {COLOR_BTNFACE, RGB(212, 208, 200)}, {COLOR_BTNSHADOW, RGB(128, 128, 128)},
                  {COLOR_GRAYTEXT, RGB(128, 128, 128)}, {COLOR_BTNTEXT, RGB(0, 0, 0)},
                  {COLOR_CAPTIONTEXT, RGB(255, 255, 255)}, {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
                  {COLOR_WINDOWFRAME, RGB(0, 0, 0)}, {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)},
                  {COLOR_ACTIVECAPTION, RGB(10, 36, 106)}, {COLOR_INACTIVECAPTION, RGB(128, 128, 128)}},
      m_pPrevious(CTKSystem::Replace(this))
{
    s_pCurrent = this;
}

CTKTestSystem::~CTKTestSystem()
{
    CTKSystem::Replace(m_pPrevious);
    s_pCurrent = nullptr;
}

COLORREF CTKTestSystem::GetSysColor(int nIndex) const
{
    auto it = m_mapColors.find(nIndex);
    return it != m_mapColors.end() ? it->second : CTKSystem::GetSysColor(nIndex);
}

HMODULE CTKTestSystem::LoadLibrary(LPCSTR lpszName) const
{
    if (lstrcmpiA(lpszName, "UxTheme.dll") == 0)
        return m_bUxTheme ? kFakeUxTheme : nullptr;
    if (lstrcmpiA(lpszName, "Msimg32.dll") == 0 && !m_bMsimg32)
        return nullptr;
    return CTKSystem::LoadLibrary(lpszName);
}

FARPROC CTKTestSystem::GetProcAddress(HMODULE hModule, LPCSTR lpszProc) const
{
    if (hModule != kFakeUxTheme)
        return CTKSystem::GetProcAddress(hModule, lpszProc);
    if (std::strcmp(lpszProc, "OpenThemeData") == 0)
        return AsProc(&FakeOpenThemeData);
    if (std::strcmp(lpszProc, "GetThemeSysColor") == 0)
        return AsProc(&FakeGetThemeSysColor);
    if (std::strcmp(lpszProc, "CloseThemeData") == 0)
        return AsProc(&FakeCloseThemeData);
    if (std::strcmp(lpszProc, "IsAppThemed") == 0 || std::strcmp(lpszProc, "IsThemeActive") == 0)
        return AsProc(&FakeIsThemeOn);
    return nullptr;
}

void CTKTestSystem::FreeLibrary(HMODULE hModule) const
{
    if (hModule != kFakeUxTheme)
        CTKSystem::FreeLibrary(hModule);
}

CTKWindowsVersion CTKTestSystem::GetWindowsVersion() const
{
    return m_version;
}

DWORD CTKTestSystem::GetComCtlVersion() const
{
    return m_dwComCtlVersion;
}

POINT CTKTestSystem::GetCursorPos() const
{
    return m_ptCursor ? *m_ptCursor : CTKSystem::GetCursorPos();
}

HWND CTKTestSystem::GetCapture() const
{
    return m_hCapture ? *m_hCapture : CTKSystem::GetCapture();
}
