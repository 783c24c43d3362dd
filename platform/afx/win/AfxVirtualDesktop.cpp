#include "AfxVirtualDesktop.h"

// Wine makes a desktop whose name is listed under Explorer\Desktops a
// virtual desktop of the size given there.
BOOL AfxUseVirtualDesktop(int cx, int cy)
{
    CString sName;
    sName.Format("AfxDesktop%lu", ::GetCurrentProcessId());
    CString sSize;
    sSize.Format("%dx%d", cx, cy);
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Explorer\\Desktops", 0, nullptr, 0,
                          KEY_SET_VALUE, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return FALSE;
    LONG lResult = ::RegSetValueExA(hKey, sName, 0, REG_SZ, reinterpret_cast<const BYTE*>(static_cast<LPCTSTR>(sSize)),
                                    static_cast<DWORD>(sSize.GetLength() + 1));
    ::RegCloseKey(hKey);
    if (lResult != ERROR_SUCCESS)
        return FALSE;
    HDESK hDesktop = ::CreateDesktopA(sName, nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    return hDesktop != nullptr && ::SetThreadDesktop(hDesktop);
}
