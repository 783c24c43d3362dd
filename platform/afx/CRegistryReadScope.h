#pragma once
// Classes in this file: CRegistryReadScope. While one lives, the registry
// settings store (CRegistrySettingsStore) opens each section's key once, at
// its first read, or finds it missing once, and keeps it until the last scope
// ends, instead of opening and closing a key for every value. Scopes nest.
// The store's writes keep the scope right: a written section exists from
// then on, a deleted one is closed and looked up again at its next read.
// Win tree only.
//
//     CRegistryReadScope scope;
//     ... hundreds of GetProfileInt / GetProfileString ...

#include "AfxTypes.h"

#include <windows.h>

class CRegistryReadScope {
public:
    CRegistryReadScope();
    CRegistryReadScope(const CRegistryReadScope&) = delete;
    CRegistryReadScope& operator=(const CRegistryReadScope&) = delete;
    ~CRegistryReadScope();

    static bool IsOpen();
    // The key under HKEY_CURRENT_USER opened for reading; null when missing.
    // Only while a scope is open; the scope closes it.
    static HKEY SectionKey(LPCTSTR lpszKeyPath);
    // A key was written (made, with the keys it is nested in).
    static void KeyWritten();
    // A key and the keys nested in it were deleted.
    static void KeyDeleted(LPCTSTR lpszKeyPath);
};
