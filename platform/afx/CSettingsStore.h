#pragma once
// Classes in this file: CSettingsStore, the per-user settings behind the
// application's profile functions (GetProfileInt, WriteProfileString, ...).
// A section may name a nested section as "Outer\\Inner". Reads give the
// default when the entry is missing or of another type (an integer asked
// for as text, say). Section and entry names match without regard to case.
// CRegistrySettingsStore keeps them in the registry, CMemorySettingsStore in
// memory for tests.

#include "AfxTypes.h"
#include "CString.h"

#include <vector>

class CSettingsStore {
public:
    virtual ~CSettingsStore() = default;

// Reading
    virtual UINT GetInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) const = 0;
    virtual CString GetString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault) const = 0;
    virtual BOOL GetBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, std::vector<BYTE>& rData) const = 0;

// Writing. WriteString with a null value deletes the entry; with a null
// entry it deletes the section and the sections nested in it.
    virtual BOOL WriteInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) = 0;
    virtual BOOL WriteString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue) = 0;
    virtual BOOL WriteBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, const BYTE* pData, UINT nBytes) = 0;

protected:
    CSettingsStore() = default;
};
