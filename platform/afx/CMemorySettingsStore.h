#pragma once
// Classes in this file: CMemorySettingsStore, settings kept in memory with
// the registry's rules, for tests and the native tree.

#include "CSettingsStore.h"

#include <map>
#include <string>
#include <variant>

class CMemorySettingsStore : public CSettingsStore {
public:
    UINT GetInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) const override;
    CString GetString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault) const override;
    BOOL GetBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, std::vector<BYTE>& rData) const override;

    BOOL WriteInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) override;
    BOOL WriteString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue) override;
    BOOL WriteBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, const BYTE* pData, UINT nBytes) override;

private:
    typedef std::variant<DWORD, std::string, std::vector<BYTE>> Value;

    const Value* Find(LPCTSTR lpszSection, LPCTSTR lpszEntry) const;
    BOOL Store(LPCTSTR lpszSection, LPCTSTR lpszEntry, Value value);
    void DeleteSection(LPCTSTR lpszSection);

    // Keyed by the lower-case section, then the lower-case entry.
    std::map<std::string, std::map<std::string, Value>> m_mapSections;
};
