#pragma once
// Classes in this file: CPrivateProfile, an INI file read once and queried
// with the Win32 private-profile rules:
//   - section and key names match without regard to case (ASCII letters
//     only), all names trimmed of blanks; a section's name is what stands
//     between "[" and the last "]" of its line;
//   - a value is the text after the first "=", trimmed; one pair of equal
//     quotes ("..." or '...') around it is removed;
//   - the first section of a name and its first key of a name count;
//   - a missing key gives the default, trimmed of trailing blanks (one
//     character is always kept, as Win32 does);
//   - results are cut to the buffer size minus one.
// AfxGetPrivateProfileString/Int are the same functions over a file path,
// with the Win32 signatures; both trees use them instead of the system's.

#include "AfxTypes.h"

#include <map>
#include <string>
#include <vector>

class CPrivateProfile {
public:
// Operations
    BOOL Load(LPCTSTR lpszFileName);

// Queries
    DWORD GetString(LPCTSTR lpszSection, LPCTSTR lpszKey, LPCTSTR lpszDefault, LPTSTR lpszReturnedString,
                    DWORD nSize) const;
    UINT GetInt(LPCTSTR lpszSection, LPCTSTR lpszKey, INT nDefault) const;

private:
    struct CEntry {
        std::string m_sKey;
        std::string m_sValue;
        bool m_bHasValue = false;
    };
    // The first entry or section of each name, by its name in lower case:
    // a file of a few hundred sections is asked thousands of times.
    typedef std::map<std::string, size_t> CNameIndex;
    struct CSection {
        std::string m_sName;
        std::vector<CEntry> m_aEntries;
        CNameIndex m_keyIndex;
    };

    void Parse(const std::string& sText);
    const CSection* FindSection(LPCTSTR lpszSection) const;
    const CEntry* FindEntry(LPCTSTR lpszSection, LPCTSTR lpszKey) const;
    DWORD ListSectionNames(LPTSTR lpszBuffer, DWORD nSize) const;
    DWORD ListKeys(const CSection& section, LPTSTR lpszBuffer, DWORD nSize) const;

    std::vector<CSection> m_aSections;
    CNameIndex m_sectionIndex;
};

DWORD AfxGetPrivateProfileString(LPCTSTR lpszSection, LPCTSTR lpszKey, LPCTSTR lpszDefault,
                                 LPTSTR lpszReturnedString, DWORD nSize, LPCTSTR lpszFileName);
UINT AfxGetPrivateProfileInt(LPCTSTR lpszSection, LPCTSTR lpszKey, INT nDefault, LPCTSTR lpszFileName);
