#pragma once
// Reading what a test's code wrote under HKEY_CLASSES_ROOT.

#include <string>

// The text of a value (the key's default value without a name), or
// "<missing>" when the key or the value is not there.
std::string ClassesValue(const std::string& sKey, const char* pszValueName = nullptr);
bool ClassesKeyExists(const std::string& sKey);

// One expected value, for tables of registry entries.
struct CClassesEntry {
    std::string sKey;
    const char* pszValueName;
    std::string sExpected;
};
