#include "TestRegistry.h"

#include <windows.h>

std::string ClassesValue(const std::string& sKey, const char* pszValueName)
{
    char szText[MAX_PATH] = {};
    DWORD nSize = sizeof(szText);
    if (::RegGetValueA(HKEY_CLASSES_ROOT, sKey.c_str(), pszValueName, RRF_RT_REG_SZ, nullptr, szText, &nSize) !=
        ERROR_SUCCESS) {
        return "<missing>";
    }
    return szText;
}

bool ClassesKeyExists(const std::string& sKey)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, sKey.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(hKey);
    return true;
}
