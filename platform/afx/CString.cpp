#include "CString.h"

#include <algorithm>
#include <cassert>
#include <cstdio>
#include <cstring>

namespace {

// The characters TrimLeft()/TrimRight() remove: the C locale's white space.
// Bytes above 127 (such as the no-break space 0xA0) are text, not space.
const char kWhiteSpace[] = " \t\n\v\f\r";

// Case mapping of the ANSI build in the C locale: only A-Z and a-z change, so
// accented Windows-1252 letters stay as they are in both builds.
char ToUpperAscii(char ch)
{
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

char ToLowerAscii(char ch)
{
    return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
}

const char* NonNull(LPCTSTR lpsz)
{
    return lpsz != nullptr ? lpsz : "";
}

template <class TLeft, class TRight>
CString Concatenated(const TLeft& left, const TRight& right)
{
    CString result(left);
    result += right;
    return result;
}

}

CString::CString(LPCTSTR lpsz) : m_str(NonNull(lpsz))
{
}

CString::CString(LPCTSTR lpch, int nLength)
{
    if (lpch != nullptr && nLength > 0)
        m_str.assign(lpch, static_cast<size_t>(nLength));
}

CString::CString(TCHAR ch, int nRepeat)
{
    if (nRepeat > 0)
        m_str.assign(static_cast<size_t>(nRepeat), ch);
}

CString& CString::operator=(LPCTSTR lpsz)
{
    m_str = NonNull(lpsz);
    return *this;
}

CString& CString::operator=(TCHAR ch)
{
    m_str.assign(1, ch);
    return *this;
}

TCHAR CString::GetAt(int nIndex) const
{
    assert(nIndex >= 0 && nIndex < GetLength());
    return m_str[static_cast<size_t>(nIndex)];
}

void CString::SetAt(int nIndex, TCHAR ch)
{
    assert(nIndex >= 0 && nIndex < GetLength());
    m_str[static_cast<size_t>(nIndex)] = ch;
}

int CString::Compare(LPCTSTR lpsz) const
{
    return std::strcmp(m_str.c_str(), NonNull(lpsz));
}

int CString::CompareNoCase(LPCTSTR lpsz) const
{
    const unsigned char* p1 = reinterpret_cast<const unsigned char*>(m_str.c_str());
    const unsigned char* p2 = reinterpret_cast<const unsigned char*>(NonNull(lpsz));
    for (;; ++p1, ++p2) {
        int c1 = static_cast<unsigned char>(ToLowerAscii(static_cast<char>(*p1)));
        int c2 = static_cast<unsigned char>(ToLowerAscii(static_cast<char>(*p2)));
        if (c1 != c2 || c1 == 0)
            return c1 - c2;
    }
}

CString& CString::operator+=(const CString& s)
{
    m_str += s.m_str;
    return *this;
}

CString& CString::operator+=(LPCTSTR lpsz)
{
    m_str += NonNull(lpsz);
    return *this;
}

CString& CString::operator+=(TCHAR ch)
{
    m_str += ch;
    return *this;
}

CString operator+(const CString& s1, const CString& s2) { return Concatenated(s1, s2); }
CString operator+(const CString& s, LPCTSTR lpsz) { return Concatenated(s, lpsz); }
CString operator+(LPCTSTR lpsz, const CString& s) { return Concatenated(lpsz, s); }
CString operator+(const CString& s, TCHAR ch) { return Concatenated(s, ch); }
CString operator+(TCHAR ch, const CString& s) { return Concatenated(ch, s); }

// Clamps a position into 0..GetLength(): the extraction and editing functions
// treat a position outside the string as its nearer end.
int CString::ClampedIndex(int nIndex) const
{
    return std::clamp(nIndex, 0, GetLength());
}

CString CString::Left(int nCount) const
{
    return CString(m_str.substr(0, static_cast<size_t>(ClampedIndex(nCount))));
}

CString CString::Mid(int nFirst) const
{
    return CString(m_str.substr(static_cast<size_t>(ClampedIndex(nFirst))));
}

CString CString::Mid(int nFirst, int nCount) const
{
    int first = ClampedIndex(nFirst);
    int count = std::clamp(nCount, 0, GetLength() - first);
    return CString(m_str.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Right(int nCount) const
{
    int count = ClampedIndex(nCount);
    return CString(m_str.substr(static_cast<size_t>(GetLength() - count)));
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const
{
    return Left(static_cast<int>(std::strspn(m_str.c_str(), NonNull(lpszCharSet))));
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const
{
    return Left(static_cast<int>(std::strcspn(m_str.c_str(), NonNull(lpszCharSet))));
}

int CString::Find(TCHAR ch, int nStart) const
{
    if (nStart > GetLength())
        return -1;
    size_t pos = m_str.find(ch, static_cast<size_t>(std::max(nStart, 0)));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(LPCTSTR lpszSub, int nStart) const
{
    if (nStart > GetLength())
        return -1;
    size_t pos = m_str.find(NonNull(lpszSub), static_cast<size_t>(std::max(nStart, 0)));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(TCHAR ch) const
{
    size_t pos = m_str.rfind(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const
{
    size_t pos = m_str.find_first_of(NonNull(lpszCharSet));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Replace(TCHAR chOld, TCHAR chNew)
{
    int nCount = static_cast<int>(std::count(m_str.begin(), m_str.end(), chOld));
    std::replace(m_str.begin(), m_str.end(), chOld, chNew);
    return nCount;
}

// Replaces left to right without rescanning inserted text, so a replacement
// that contains the searched text cannot loop. An empty search replaces nothing.
int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew)
{
    const std::string sOld = NonNull(lpszOld);
    if (sOld.empty())
        return 0;
    const std::string sNew = NonNull(lpszNew);
    std::string result;
    int nCount = 0;
    size_t start = 0;
    for (size_t pos = m_str.find(sOld); pos != std::string::npos; pos = m_str.find(sOld, start)) {
        result.append(m_str, start, pos - start).append(sNew);
        start = pos + sOld.size();
        ++nCount;
    }
    result.append(m_str, start, std::string::npos);
    m_str.swap(result);
    return nCount;
}

int CString::Remove(TCHAR ch)
{
    size_t oldLength = m_str.size();
    m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
    return static_cast<int>(oldLength - m_str.size());
}

int CString::Insert(int nIndex, TCHAR ch)
{
    m_str.insert(static_cast<size_t>(ClampedIndex(nIndex)), 1, ch);
    return GetLength();
}

int CString::Insert(int nIndex, LPCTSTR lpsz)
{
    m_str.insert(static_cast<size_t>(ClampedIndex(nIndex)), NonNull(lpsz));
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    int first = ClampedIndex(nIndex);
    int count = std::clamp(nCount, 0, GetLength() - first);
    m_str.erase(static_cast<size_t>(first), static_cast<size_t>(count));
    return GetLength();
}

void CString::TrimLeft()
{
    TrimLeft(kWhiteSpace);
}

void CString::TrimLeft(TCHAR chTarget)
{
    m_str.erase(0, m_str.find_first_not_of(chTarget));
}

void CString::TrimLeft(LPCTSTR lpszTargets)
{
    m_str.erase(0, m_str.find_first_not_of(NonNull(lpszTargets)));
}

void CString::TrimRight()
{
    TrimRight(kWhiteSpace);
}

// find_last_not_of gives npos when every character goes; npos + 1 is 0.
void CString::TrimRight(TCHAR chTarget)
{
    m_str.erase(m_str.find_last_not_of(chTarget) + 1);
}

void CString::TrimRight(LPCTSTR lpszTargets)
{
    m_str.erase(m_str.find_last_not_of(NonNull(lpszTargets)) + 1);
}

void CString::MakeUpper()
{
    std::transform(m_str.begin(), m_str.end(), m_str.begin(), ToUpperAscii);
}

void CString::MakeLower()
{
    std::transform(m_str.begin(), m_str.end(), m_str.begin(), ToLowerAscii);
}

void CString::MakeReverse()
{
    std::reverse(m_str.begin(), m_str.end());
}

void CString::Format(LPCTSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatV(lpszFormat, argList);
    va_end(argList);
}

// Measures first, then formats into exactly that much room, so output of any
// length comes out whole. Both builds use C99 vsnprintf, which returns the
// full length; a negative result (a bad conversion) leaves the string empty.
void CString::FormatV(LPCTSTR lpszFormat, va_list argList)
{
    va_list measureList;
    va_copy(measureList, argList);
    int nLength = std::vsnprintf(nullptr, 0, NonNull(lpszFormat), measureList);
    va_end(measureList);
    if (nLength <= 0) {
        m_str.clear();
        return;
    }
    std::string result(static_cast<size_t>(nLength), '\0');
    std::vsnprintf(&result[0], result.size() + 1, NonNull(lpszFormat), argList);
    m_str.swap(result);
}

// The buffer holds at least nMinBufLength characters plus the terminator and
// starts with the current text; ReleaseBuffer must follow before other calls.
LPTSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinBufLength), '\0');
    return &m_str[0];
}

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
    m_str.resize(static_cast<size_t>(std::max(nNewLength, 0)), '\0');
    return &m_str[0];
}

// With -1 the text ends at the first NUL the caller wrote (or at the end of
// the buffer if it wrote none).
void CString::ReleaseBuffer(int nNewLength)
{
    size_t length = nNewLength < 0 ? std::strlen(m_str.c_str()) : static_cast<size_t>(nNewLength);
    assert(length <= m_str.size());
    m_str.resize(std::min(length, m_str.size()));
}
