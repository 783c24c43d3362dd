#include "CRegistryReadScope.h"

#include <map>
#include <string>

namespace {

// The scopes of the program's one thread share the keys they opened, by
// path in lower case (key names match without regard to case); null for a
// key found missing.
int g_nScopes = 0;
std::map<std::string, HKEY>& OpenKeys()
{
    static std::map<std::string, HKEY> keys;
    return keys;
}

std::string LowerCasePath(LPCTSTR lpszKeyPath)
{
    std::string sPath(lpszKeyPath);
    if (!sPath.empty())
        CharLowerBuffA(&sPath[0], static_cast<DWORD>(sPath.size()));
    return sPath;
}

// Closes and forgets the keys the test picks; missing keys are forgotten
// always, since any write may have made them.
template <class TPick>
void ForgetKeys(TPick isPicked)
{
    std::map<std::string, HKEY>& keys = OpenKeys();
    for (auto it = keys.begin(); it != keys.end();) {
        if (it->second != nullptr && !isPicked(it->first)) {
            ++it;
            continue;
        }
        if (it->second != nullptr)
            RegCloseKey(it->second);
        it = keys.erase(it);
    }
}

} // namespace

CRegistryReadScope::CRegistryReadScope()
{
    ++g_nScopes;
}

CRegistryReadScope::~CRegistryReadScope()
{
    if (--g_nScopes == 0)
        ForgetKeys([](const std::string&) { return true; });
}

bool CRegistryReadScope::IsOpen()
{
    return g_nScopes > 0;
}

HKEY CRegistryReadScope::SectionKey(LPCTSTR lpszKeyPath)
{
    const std::string sPath = LowerCasePath(lpszKeyPath);
    std::map<std::string, HKEY>& keys = OpenKeys();
    auto found = keys.find(sPath);
    if (found != keys.end())
        return found->second;
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, lpszKeyPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        hKey = nullptr;
    return keys[sPath] = hKey;
}

void CRegistryReadScope::KeyWritten()
{
    ForgetKeys([](const std::string&) { return false; });
}

void CRegistryReadScope::KeyDeleted(LPCTSTR lpszKeyPath)
{
    const std::string sPath = LowerCasePath(lpszKeyPath);
    const std::string sNestedPrefix = sPath + "\\";
    ForgetKeys([&](const std::string& sKey) {
        return sKey == sPath || sKey.compare(0, sNestedPrefix.size(), sNestedPrefix) == 0;
    });
}
