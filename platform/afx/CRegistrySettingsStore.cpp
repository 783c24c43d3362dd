#include "CRegistrySettingsStore.h"

#include "CRegistryReadScope.h"

#include <cassert>
#include <cstring>

namespace {

// An open registry key, closed when the scope ends.
class CRegKeyScope {
public:
    CRegKeyScope() = default;
    CRegKeyScope(const CRegKeyScope&) = delete;
    CRegKeyScope& operator=(const CRegKeyScope&) = delete;
    ~CRegKeyScope()
    {
        if (m_hKey != nullptr)
            RegCloseKey(m_hKey);
    }

    bool Open(LPCTSTR lpszPath, REGSAM access)
    {
        return RegOpenKeyExA(HKEY_CURRENT_USER, lpszPath, 0, access, &m_hKey) == ERROR_SUCCESS;
    }
    bool Create(LPCTSTR lpszPath)
    {
        return RegCreateKeyExA(HKEY_CURRENT_USER, lpszPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                               &m_hKey, nullptr) == ERROR_SUCCESS;
    }
    HKEY Get() const { return m_hKey; }

private:
    HKEY m_hKey = nullptr;
};

// Reads a value of the given type from an open key; false when it is missing
// or of another type. Most values fit the first buffer and take one query
// (each a call into the registry's server); a longer one is read again at
// its size.
bool ReadValue(HKEY hKey, LPCTSTR lpszEntry, DWORD dwType, std::vector<BYTE>& rData)
{
    const DWORD kFirstReadBytes = 256;
    std::vector<BYTE> aData(kFirstReadBytes);
    DWORD dwFoundType = 0;
    DWORD nBytes = kFirstReadBytes;
    LSTATUS status = RegQueryValueExA(hKey, lpszEntry, nullptr, &dwFoundType, aData.data(), &nBytes);
    if (status == ERROR_MORE_DATA) {
        aData.resize(nBytes);
        status = RegQueryValueExA(hKey, lpszEntry, nullptr, &dwFoundType, aData.data(), &nBytes);
    }
    if (status != ERROR_SUCCESS || dwFoundType != dwType)
        return false;
    aData.resize(nBytes);
    rData.swap(aData);
    return true;
}

}

CRegistrySettingsStore::CRegistrySettingsStore(LPCTSTR lpszCompany, LPCTSTR lpszApplication)
    : m_strBaseKey(CString("Software\\") + lpszCompany + "\\" + lpszApplication)
{
}

UINT CRegistrySettingsStore::GetInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) const
{
    std::vector<BYTE> aData;
    if (!QueryValue(lpszSection, lpszEntry, REG_DWORD, aData) || aData.size() != sizeof(DWORD))
        return static_cast<UINT>(nDefault);
    DWORD dwValue;
    std::memcpy(&dwValue, aData.data(), sizeof(dwValue));
    return dwValue;
}

// A stored text may lack its terminating zero; it ends at the first zero or
// at the end of the data.
CString CRegistrySettingsStore::GetString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault) const
{
    std::vector<BYTE> aData;
    if (!QueryValue(lpszSection, lpszEntry, REG_SZ, aData))
        return CString(lpszDefault != nullptr ? lpszDefault : "");
    const char* pText = reinterpret_cast<const char*>(aData.data());
    return CString(pText, static_cast<int>(strnlen(pText, aData.size())));
}

BOOL CRegistrySettingsStore::GetBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, std::vector<BYTE>& rData) const
{
    return QueryValue(lpszSection, lpszEntry, REG_BINARY, rData);
}

BOOL CRegistrySettingsStore::WriteInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    const DWORD dwValue = static_cast<DWORD>(nValue);
    return SetValue(lpszSection, lpszEntry, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue));
}

BOOL CRegistrySettingsStore::WriteString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    assert(lpszSection != nullptr);
    if (lpszEntry == nullptr) {
        CRegistryReadScope::KeyDeleted(SectionKeyPath(lpszSection));
        const LSTATUS status = RegDeleteTreeA(HKEY_CURRENT_USER, SectionKeyPath(lpszSection));
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    if (lpszValue == nullptr) {
        CRegKeyScope key;
        if (!key.Open(SectionKeyPath(lpszSection), KEY_SET_VALUE))
            return TRUE;
        const LSTATUS status = RegDeleteValueA(key.Get(), lpszEntry);
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    return SetValue(lpszSection, lpszEntry, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                    static_cast<DWORD>(std::strlen(lpszValue) + 1));
}

BOOL CRegistrySettingsStore::WriteBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, const BYTE* pData, UINT nBytes)
{
    return SetValue(lpszSection, lpszEntry, REG_BINARY, pData, nBytes);
}

CString CRegistrySettingsStore::SectionKeyPath(LPCTSTR lpszSection) const
{
    return m_strBaseKey + "\\" + lpszSection;
}

// Reads a value of the given type; false when it is missing or of another
// type. Within a read scope the section's key stays open for the next value.
bool CRegistrySettingsStore::QueryValue(LPCTSTR lpszSection, LPCTSTR lpszEntry, DWORD dwType,
                                        std::vector<BYTE>& rData) const
{
    assert(lpszSection != nullptr && lpszEntry != nullptr);
    if (CRegistryReadScope::IsOpen()) {
        HKEY hKey = CRegistryReadScope::SectionKey(SectionKeyPath(lpszSection));
        return hKey != nullptr && ReadValue(hKey, lpszEntry, dwType, rData);
    }
    CRegKeyScope key;
    return key.Open(SectionKeyPath(lpszSection), KEY_READ) && ReadValue(key.Get(), lpszEntry, dwType, rData);
}

BOOL CRegistrySettingsStore::SetValue(LPCTSTR lpszSection, LPCTSTR lpszEntry, DWORD dwType, const BYTE* pData,
                                      DWORD nBytes)
{
    assert(lpszSection != nullptr && lpszEntry != nullptr);
    CRegistryReadScope::KeyWritten();
    CRegKeyScope key;
    return key.Create(SectionKeyPath(lpszSection)) &&
           RegSetValueExA(key.Get(), lpszEntry, 0, dwType, pData, nBytes) == ERROR_SUCCESS;
}
