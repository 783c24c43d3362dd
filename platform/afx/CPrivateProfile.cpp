#include "CPrivateProfile.h"
#include "CPrivateProfileReadScope.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

// Win32 also counts Ctrl-Z, the old end-of-file mark, as a blank.
bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\v' || ch == '\f' || ch == '\x1a';
}

std::string Trimmed(const std::string& s)
{
    size_t nFirst = 0;
    size_t nEnd = s.size();
    while (nFirst < nEnd && IsBlank(s[nFirst]))
        ++nFirst;
    while (nEnd > nFirst && IsBlank(s[nEnd - 1]))
        --nEnd;
    return s.substr(nFirst, nEnd - nFirst);
}

// Names match without regard to case (ASCII letters only); the name asked
// for is trimmed first.
std::string IndexName(const std::string& sName)
{
    std::string sLower = Trimmed(sName);
    for (char& ch : sLower) {
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    }
    return sLower;
}

// One pair of equal quotes around the whole text is removed.
std::string Unquoted(const std::string& s)
{
    const bool bQuoted = s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front();
    return bQuoted ? s.substr(1, s.size() - 2) : s;
}

// Copies at most nSize - 1 characters and a terminating zero.
DWORD CopyTruncated(const std::string& s, LPTSTR lpszBuffer, DWORD nSize)
{
    const size_t nCopy = std::min<size_t>(s.size(), nSize - 1);
    std::memcpy(lpszBuffer, s.data(), nCopy);
    lpszBuffer[nCopy] = '\0';
    return static_cast<DWORD>(nCopy);
}

// Trailing blanks of a default are dropped, but never its first character.
std::string TrimmedDefault(LPCTSTR lpszDefault)
{
    std::string s = lpszDefault != nullptr ? lpszDefault : "";
    while (s.size() > 1 && s.back() == ' ')
        s.pop_back();
    return s;
}

// A list of names is copied as "a\0b\0\0". One that does not fit is cut
// and still ends with two zeros; the result is then nSize - 2.
DWORD CopyNameList(const std::vector<std::string>& aNames, LPTSTR lpszBuffer, DWORD nSize)
{
    std::string sList;
    for (const std::string& sName : aNames) {
        sList += sName;
        sList += '\0';
    }
    sList += '\0';
    if (sList.size() < nSize) {
        std::memcpy(lpszBuffer, sList.data(), sList.size());
        return static_cast<DWORD>(sList.size() - 1);
    }
    if (nSize < 2) {
        lpszBuffer[0] = '\0';
        return 0;
    }
    std::memcpy(lpszBuffer, sList.data(), nSize - 2);
    lpszBuffer[nSize - 2] = '\0';
    lpszBuffer[nSize - 1] = '\0';
    return nSize - 2;
}

// As Win32 reads profile integers: blanks, a sign, an optional 0x, 0o or 0b
// base prefix, then digits up to the first other character, in 32 bits
// that wrap around.
UINT ParseProfileInt(const std::string& s)
{
    size_t i = 0;
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= ' ')
        ++i;
    const bool bNegative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        ++i;
    UINT nBase = 10;
    if (i + 1 < s.size() && s[i] == '0') {
        const char chPrefix = s[i + 1];
        nBase = chPrefix == 'x' ? 16 : chPrefix == 'o' ? 8 : chPrefix == 'b' ? 2 : 10;
        if (nBase != 10)
            i += 2;
    }
    UINT nValue = 0;
    for (; i < s.size(); ++i) {
        const int ch = std::tolower(static_cast<unsigned char>(s[i]));
        const UINT nDigit = std::isdigit(ch) ? ch - '0' : std::isalpha(ch) ? ch - 'a' + 10 : nBase;
        if (nDigit >= nBase)
            break;
        nValue = nValue * nBase + nDigit;
    }
    return bNegative ? 0u - nValue : nValue;
}

}

// A missing or unreadable file reads as an empty profile, so that every
// query gives its default. Returns FALSE in that case.
BOOL CPrivateProfile::Load(LPCTSTR lpszFileName)
{
    m_aSections.clear();
    m_sectionIndex.clear();
    FILE* pFile = std::fopen(lpszFileName, "rb");
    if (pFile == nullptr)
        return FALSE;
    std::string sText;
    char aChunk[4096];
    size_t nRead;
    while ((nRead = std::fread(aChunk, 1, sizeof(aChunk), pFile)) > 0)
        sText.append(aChunk, nRead);
    std::fclose(pFile);
    Parse(sText);
    return TRUE;
}

// A header without "]" is ignored, and so are keys before the first header:
// no query can reach them.
void CPrivateProfile::Parse(const std::string& sText)
{
    size_t nStart = 0;
    while (nStart < sText.size()) {
        size_t nEnd = sText.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = sText.size();
        const std::string sLine = Trimmed(sText.substr(nStart, nEnd - nStart));
        nStart = nEnd + 1;
        if (sLine.empty())
            continue;
        if (sLine.front() == '[') {
            const size_t nClose = sLine.rfind(']');
            if (nClose != std::string::npos) {
                m_aSections.push_back(CSection{Trimmed(sLine.substr(1, nClose - 1)), {}, {}});
                m_sectionIndex.emplace(IndexName(m_aSections.back().m_sName), m_aSections.size() - 1);
            }
            continue;
        }
        if (m_aSections.empty())
            continue;
        CEntry entry;
        const size_t nEquals = sLine.find('=');
        entry.m_sKey = Trimmed(sLine.substr(0, nEquals));
        entry.m_bHasValue = nEquals != std::string::npos;
        if (entry.m_bHasValue)
            entry.m_sValue = Trimmed(sLine.substr(nEquals + 1));
        CSection& section = m_aSections.back();
        section.m_keyIndex.emplace(IndexName(entry.m_sKey), section.m_aEntries.size());
        section.m_aEntries.push_back(entry);
    }
}

// With a null section: the names of all sections. With a null key: the keys
// of the section, or the default when it has none. Else the key's value or
// the default. Returns the number of characters copied without the zero.
DWORD CPrivateProfile::GetString(LPCTSTR lpszSection, LPCTSTR lpszKey, LPCTSTR lpszDefault,
                                 LPTSTR lpszReturnedString, DWORD nSize) const
{
    if (lpszReturnedString == nullptr || nSize == 0)
        return 0;
    if (lpszSection == nullptr)
        return ListSectionNames(lpszReturnedString, nSize);
    if (lpszKey == nullptr) {
        const CSection* pSection = FindSection(lpszSection);
        const DWORD nCopied = pSection != nullptr ? ListKeys(*pSection, lpszReturnedString, nSize) : 0;
        if (nCopied > 0)
            return nCopied;
    } else {
        const CEntry* pEntry = FindEntry(lpszSection, lpszKey);
        if (pEntry != nullptr && pEntry->m_bHasValue)
            return CopyTruncated(Unquoted(pEntry->m_sValue), lpszReturnedString, nSize);
    }
    return CopyTruncated(Unquoted(TrimmedDefault(lpszDefault)), lpszReturnedString, nSize);
}

// The default when the key is missing or empty; 0 for text without digits.
UINT CPrivateProfile::GetInt(LPCTSTR lpszSection, LPCTSTR lpszKey, INT nDefault) const
{
    const CEntry* pEntry = FindEntry(lpszSection, lpszKey);
    const std::string sValue = pEntry != nullptr ? Unquoted(pEntry->m_sValue) : std::string();
    if (sValue.empty())
        return static_cast<UINT>(nDefault);
    return ParseProfileInt(sValue);
}

const CPrivateProfile::CSection* CPrivateProfile::FindSection(LPCTSTR lpszSection) const
{
    const auto found = m_sectionIndex.find(IndexName(lpszSection));
    return found != m_sectionIndex.end() ? &m_aSections[found->second] : nullptr;
}

const CPrivateProfile::CEntry* CPrivateProfile::FindEntry(LPCTSTR lpszSection, LPCTSTR lpszKey) const
{
    const CSection* pSection = lpszSection != nullptr ? FindSection(lpszSection) : nullptr;
    if (pSection == nullptr || lpszKey == nullptr)
        return nullptr;
    const auto found = pSection->m_keyIndex.find(IndexName(lpszKey));
    return found != pSection->m_keyIndex.end() ? &pSection->m_aEntries[found->second] : nullptr;
}

DWORD CPrivateProfile::ListSectionNames(LPTSTR lpszBuffer, DWORD nSize) const
{
    std::vector<std::string> aNames;
    for (const CSection& section : m_aSections) {
        if (!section.m_sName.empty())
            aNames.push_back(section.m_sName);
    }
    return CopyNameList(aNames, lpszBuffer, nSize);
}

// Comments (keys starting with ";") and lines without "=" are not listed;
// a line "=value" is, as an empty name, as Win32 does.
DWORD CPrivateProfile::ListKeys(const CSection& section, LPTSTR lpszBuffer, DWORD nSize) const
{
    std::vector<std::string> aKeys;
    for (const CEntry& entry : section.m_aEntries) {
        const bool bComment = !entry.m_sKey.empty() && entry.m_sKey.front() == ';';
        if (entry.m_bHasValue && !bComment)
            aKeys.push_back(Unquoted(entry.m_sKey));
    }
    return aKeys.empty() ? 0 : CopyNameList(aKeys, lpszBuffer, nSize);
}

namespace {

// The profile of an open read scope of the file, or the file read now.
template <class Query>
auto QueryProfile(LPCTSTR lpszFileName, Query query)
{
    if (const CPrivateProfile* pScoped = CPrivateProfileReadScope::Find(lpszFileName))
        return query(*pScoped);
    CPrivateProfile profile;
    profile.Load(lpszFileName);
    return query(profile);
}

} // namespace

DWORD AfxGetPrivateProfileString(LPCTSTR lpszSection, LPCTSTR lpszKey, LPCTSTR lpszDefault,
                                 LPTSTR lpszReturnedString, DWORD nSize, LPCTSTR lpszFileName)
{
    return QueryProfile(lpszFileName, [&](const CPrivateProfile& profile) {
        return profile.GetString(lpszSection, lpszKey, lpszDefault, lpszReturnedString, nSize);
    });
}

UINT AfxGetPrivateProfileInt(LPCTSTR lpszSection, LPCTSTR lpszKey, INT nDefault, LPCTSTR lpszFileName)
{
    return QueryProfile(lpszFileName,
                        [&](const CPrivateProfile& profile) { return profile.GetInt(lpszSection, lpszKey, nDefault); });
}
