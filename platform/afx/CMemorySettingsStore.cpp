#include "CMemorySettingsStore.h"

#include <cassert>
#include <cctype>

namespace {

std::string LowerCase(LPCTSTR lpsz)
{
    std::string s(lpsz);
    for (char& ch : s)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return s;
}

}

UINT CMemorySettingsStore::GetInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) const
{
    const Value* pValue = Find(lpszSection, lpszEntry);
    const DWORD* pNumber = pValue != nullptr ? std::get_if<DWORD>(pValue) : nullptr;
    return pNumber != nullptr ? *pNumber : static_cast<UINT>(nDefault);
}

CString CMemorySettingsStore::GetString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault) const
{
    const Value* pValue = Find(lpszSection, lpszEntry);
    const std::string* pText = pValue != nullptr ? std::get_if<std::string>(pValue) : nullptr;
    if (pText != nullptr)
        return CString(*pText);
    return CString(lpszDefault != nullptr ? lpszDefault : "");
}

BOOL CMemorySettingsStore::GetBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, std::vector<BYTE>& rData) const
{
    const Value* pValue = Find(lpszSection, lpszEntry);
    const std::vector<BYTE>* pBytes = pValue != nullptr ? std::get_if<std::vector<BYTE>>(pValue) : nullptr;
    if (pBytes == nullptr)
        return FALSE;
    rData = *pBytes;
    return TRUE;
}

BOOL CMemorySettingsStore::WriteInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    return Store(lpszSection, lpszEntry, static_cast<DWORD>(nValue));
}

BOOL CMemorySettingsStore::WriteString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    assert(lpszSection != nullptr);
    if (lpszEntry == nullptr) {
        DeleteSection(lpszSection);
        return TRUE;
    }
    if (lpszValue == nullptr) {
        const auto section = m_mapSections.find(LowerCase(lpszSection));
        if (section != m_mapSections.end())
            section->second.erase(LowerCase(lpszEntry));
        return TRUE;
    }
    return Store(lpszSection, lpszEntry, std::string(lpszValue));
}

BOOL CMemorySettingsStore::WriteBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, const BYTE* pData, UINT nBytes)
{
    return Store(lpszSection, lpszEntry, std::vector<BYTE>(pData, pData + nBytes));
}

const CMemorySettingsStore::Value* CMemorySettingsStore::Find(LPCTSTR lpszSection, LPCTSTR lpszEntry) const
{
    assert(lpszSection != nullptr && lpszEntry != nullptr);
    const auto section = m_mapSections.find(LowerCase(lpszSection));
    if (section == m_mapSections.end())
        return nullptr;
    const auto entry = section->second.find(LowerCase(lpszEntry));
    return entry != section->second.end() ? &entry->second : nullptr;
}

BOOL CMemorySettingsStore::Store(LPCTSTR lpszSection, LPCTSTR lpszEntry, Value value)
{
    assert(lpszSection != nullptr && lpszEntry != nullptr);
    m_mapSections[LowerCase(lpszSection)][LowerCase(lpszEntry)] = std::move(value);
    return TRUE;
}

// As deleting a registry key: the nested sections go with it.
void CMemorySettingsStore::DeleteSection(LPCTSTR lpszSection)
{
    const std::string sSection = LowerCase(lpszSection);
    const std::string sNestedPrefix = sSection + "\\";
    for (auto it = m_mapSections.begin(); it != m_mapSections.end();) {
        const bool bNested = it->first.compare(0, sNestedPrefix.size(), sNestedPrefix) == 0;
        it = (it->first == sSection || bNested) ? m_mapSections.erase(it) : std::next(it);
    }
}
