#pragma once
// Classes in this file: CString, the framework's ANSI (Windows-1252) string.
// Positions and counts are int; out-of-range counts are clamped, never thrown.

#include "AfxTypes.h"

#include <cstdarg>
#include <string>

#if defined(__MINGW_PRINTF_FORMAT)
#define AFX_PRINTF_FORMAT(fmt, args) __attribute__((format(__MINGW_PRINTF_FORMAT, fmt, args)))
#else
#define AFX_PRINTF_FORMAT(fmt, args) __attribute__((format(printf, fmt, args)))
#endif

class CString {
public:
// Construction
    CString() = default;
    CString(LPCTSTR lpsz);
    CString(LPCTSTR lpch, int nLength);
    CString(TCHAR ch, int nRepeat = 1);
    CString(const std::string& s) : m_str(s) {}

    CString& operator=(LPCTSTR lpsz);
    CString& operator=(TCHAR ch);

// Attributes
    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }

    TCHAR GetAt(int nIndex) const;
    TCHAR operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, TCHAR ch);
    operator LPCTSTR() const { return m_str.c_str(); }

// Comparison
    int Compare(LPCTSTR lpsz) const;
    int CompareNoCase(LPCTSTR lpsz) const;

// Concatenation
    CString& operator+=(const CString& s);
    CString& operator+=(LPCTSTR lpsz);
    CString& operator+=(TCHAR ch);

// Extraction
    CString Left(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCTSTR lpszCharSet) const;
    CString SpanExcluding(LPCTSTR lpszCharSet) const;

// Searching
    int Find(TCHAR ch, int nStart = 0) const;
    int Find(LPCTSTR lpszSub, int nStart = 0) const;
    int ReverseFind(TCHAR ch) const;
    int FindOneOf(LPCTSTR lpszCharSet) const;

// Editing
    int Replace(TCHAR chOld, TCHAR chNew);
    int Replace(LPCTSTR lpszOld, LPCTSTR lpszNew);
    int Remove(TCHAR ch);
    int Insert(int nIndex, TCHAR ch);
    int Insert(int nIndex, LPCTSTR lpsz);
    int Delete(int nIndex, int nCount = 1);
    void TrimLeft();
    void TrimLeft(TCHAR chTarget);
    void TrimLeft(LPCTSTR lpszTargets);
    void TrimRight();
    void TrimRight(TCHAR chTarget);
    void TrimRight(LPCTSTR lpszTargets);
    void MakeUpper();
    void MakeLower();
    void MakeReverse();

// Formatting
    void Format(LPCTSTR lpszFormat, ...) AFX_PRINTF_FORMAT(2, 3);
    void FormatV(LPCTSTR lpszFormat, va_list argList);

// Resources
    BOOL LoadString(UINT nID);

// Raw buffer access
    LPTSTR GetBuffer(int nMinBufLength);
    LPTSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);

private:
    int ClampedIndex(int nIndex) const;

    std::string m_str;
};

CString operator+(const CString& s1, const CString& s2);
CString operator+(const CString& s, LPCTSTR lpsz);
CString operator+(LPCTSTR lpsz, const CString& s);
CString operator+(const CString& s, TCHAR ch);
CString operator+(TCHAR ch, const CString& s);

// Each comparison takes CString and LPCTSTR on either side; with only the
// CString form, s == "x" would be ambiguous with the built-in pointer compare.
#define AFX_CSTRING_COMPARISON(op) \
    inline bool operator op(const CString& s1, const CString& s2) { return s1.Compare(s2) op 0; } \
    inline bool operator op(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) op 0; } \
    inline bool operator op(LPCTSTR s1, const CString& s2) { return 0 op s2.Compare(s1); }
AFX_CSTRING_COMPARISON(==)
AFX_CSTRING_COMPARISON(!=)
AFX_CSTRING_COMPARISON(<)
AFX_CSTRING_COMPARISON(>)
AFX_CSTRING_COMPARISON(<=)
AFX_CSTRING_COMPARISON(>=)
#undef AFX_CSTRING_COMPARISON
