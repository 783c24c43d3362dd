#pragma once
// Classes in this file: CRegistrySettingsStore, settings kept under
// HKEY_CURRENT_USER\Software\<company>\<application>; each section is a
// subkey (nested sections nested subkeys), integers are REG_DWORD, texts
// REG_SZ and binary data REG_BINARY. Win tree only.

#include "CSettingsStore.h"

class CRegistrySettingsStore : public CSettingsStore {
public:
    CRegistrySettingsStore(LPCTSTR lpszCompany, LPCTSTR lpszApplication);

// Attributes
    CString GetBaseKeyPath() const { return m_strBaseKey; }

    UINT GetInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) const override;
    CString GetString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault) const override;
    BOOL GetBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, std::vector<BYTE>& rData) const override;

    BOOL WriteInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) override;
    BOOL WriteString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue) override;
    BOOL WriteBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, const BYTE* pData, UINT nBytes) override;

private:
    CString SectionKeyPath(LPCTSTR lpszSection) const;
    bool QueryValue(LPCTSTR lpszSection, LPCTSTR lpszEntry, DWORD dwType, std::vector<BYTE>& rData) const;
    BOOL SetValue(LPCTSTR lpszSection, LPCTSTR lpszEntry, DWORD dwType, const BYTE* pData, DWORD nBytes);

    CString m_strBaseKey;
};
