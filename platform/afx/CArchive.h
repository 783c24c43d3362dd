#pragma once
// Classes in this file: CArchive, the framework's persistent-object stream
// over a CFile. The byte format is the framework's own, so that files of the
// earlier program read back (details in docs/framework.md):
//   - numbers little-endian, in the Win32 widths (int, LONG, DWORD: 4 bytes);
//   - CString: length as BYTE (< 255), 0xFF + WORD (< 0xFFFE) or
//     0xFF, 0xFFFF + DWORD, then the characters without terminator;
//   - counts: WORD (< 0xFFFF) or 0xFFFF + DWORD;
//   - class records: 0xFFFF, WORD schema, WORD name length, name; a class
//     already written is WORD 0x8000 | index;
//   - objects: WORD 0 for null, WORD index for one already written, else
//     the class record and the object's Serialize.
// Classes and objects share one index space per archive, counted from 1.
// Reading past the end throws CArchiveException(endOfFile) and leaves the
// target of the failed operator untouched.

#include "AfxTypes.h"
#include "CArchiveException.h"
#include "CObject.h"
#include "CString.h"

#include <unordered_map>
#include <vector>

class CFile;

class CArchive {
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2 };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
    ~CArchive();

// Attributes
    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    CFile* GetFile() const { return m_pFile; }
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

// Raw data and text lines
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    void WriteString(LPCTSTR lpsz);
    BOOL ReadString(CString& rString);

// Counts, classes and objects
    DWORD ReadCount();
    void WriteCount(DWORD dwCount);
    void WriteClass(const CRuntimeClass* pClassRef);
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr, UINT* pSchema = nullptr);
    void SerializeClass(const CRuntimeClass* pClassRef);
    void WriteObject(const CObject* pOb);
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);

// Ending
    void Flush();
    void Close();
    void Abort();

// Insertion
    CArchive& operator<<(BYTE by) { return WriteLittleEndian(by); }
    CArchive& operator<<(char ch) { return WriteLittleEndian(static_cast<BYTE>(ch)); }
    CArchive& operator<<(WORD w) { return WriteLittleEndian(w); }
    CArchive& operator<<(short n) { return WriteLittleEndian(static_cast<WORD>(n)); }
    CArchive& operator<<(int n) { return WriteLittleEndian(static_cast<DWORD>(n)); }
    CArchive& operator<<(UINT n) { return WriteLittleEndian(static_cast<DWORD>(n)); }
    CArchive& operator<<(LONGLONG n) { return WriteLittleEndian(static_cast<ULONGLONG>(n)); }
    CArchive& operator<<(ULONGLONG n) { return WriteLittleEndian(n); }
    CArchive& operator<<(float f);
    CArchive& operator<<(double d);

// Extraction
    CArchive& operator>>(BYTE& by) { return ReadLittleEndian(by); }
    CArchive& operator>>(char& ch) { return ReadAs<BYTE>(ch); }
    CArchive& operator>>(WORD& w) { return ReadLittleEndian(w); }
    CArchive& operator>>(short& n) { return ReadAs<WORD>(n); }
    CArchive& operator>>(int& n) { return ReadAs<DWORD>(n); }
    CArchive& operator>>(UINT& n) { return ReadAs<DWORD>(n); }
    CArchive& operator>>(LONGLONG& n) { return ReadAs<ULONGLONG>(n); }
    CArchive& operator>>(ULONGLONG& n) { return ReadLittleEndian(n); }
    CArchive& operator>>(float& f);
    CArchive& operator>>(double& d);

#ifdef _WIN32
    // LONG and DWORD are types of their own in the Win32 headers; natively
    // they are int and UINT and take the overloads above.
    CArchive& operator<<(LONG n) { return WriteLittleEndian(static_cast<DWORD>(n)); }
    CArchive& operator<<(DWORD n) { return WriteLittleEndian(n); }
    CArchive& operator>>(LONG& n) { return ReadAs<DWORD>(n); }
    CArchive& operator>>(DWORD& n) { return ReadLittleEndian(n); }
#endif

    // No width is right for bool: the program's records keep flags as DWORD
    // (or BOOL), and a one-byte bool would silently shift every later field.
    CArchive& operator<<(bool) = delete;
    CArchive& operator>>(bool&) = delete;

private:
    struct CLoadedEntry {
        CRuntimeClass* m_pClass = nullptr;  // set for a class record
        CObject* m_pObject = nullptr;       // set for an object
        UINT m_nSchema = 0;
    };

    template <class T>
    CArchive& WriteLittleEndian(T value);
    template <class T>
    CArchive& ReadLittleEndian(T& rValue);
    template <class TWire, class T>
    CArchive& ReadAs(T& rValue);

    void ReadExactly(void* lpBuf, UINT nCount);
    void FillBuffer();
    void FlushBuffer();
    void WriteIndexTag(DWORD nIndex, bool bClass);
    CRuntimeClass* ReadClassOrTag(const CRuntimeClass* pClassRefRequested, UINT& rSchema, DWORD& rObjectTag);
    CRuntimeClass* ReadNewClass(UINT& rSchema);
    const CLoadedEntry& LoadedEntry(DWORD nIndex) const;
    CObject* ReadNewObject(CRuntimeClass* pClassRef, UINT nSchema);
    [[noreturn]] void ThrowArchiveError(int cause) const;

    CFile* m_pFile;
    UINT m_nMode;
    std::vector<BYTE> m_aBuffer;
    size_t m_nBufCur = 0;  // next byte to read or write
    size_t m_nBufEnd = 0;  // end of the bytes read ahead (loading)
    UINT m_nObjectSchema = static_cast<UINT>(-1);
    std::unordered_map<const void*, DWORD> m_mapStored;  // class or object -> index
    DWORD m_nStoreCount = 1;
    std::vector<CLoadedEntry> m_aLoaded;  // index -> class or object; [0] is null
};

template <class T>
CArchive& CArchive::WriteLittleEndian(T value)
{
    BYTE aBytes[sizeof(T)];
    for (size_t i = 0; i < sizeof(T); ++i)
        aBytes[i] = static_cast<BYTE>(value >> (8 * i));
    Write(aBytes, sizeof(T));
    return *this;
}

template <class T>
CArchive& CArchive::ReadLittleEndian(T& rValue)
{
    BYTE aBytes[sizeof(T)];
    ReadExactly(aBytes, sizeof(T));
    T value = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        value = static_cast<T>(value | static_cast<T>(static_cast<T>(aBytes[i]) << (8 * i)));
    rValue = value;
    return *this;
}

template <class TWire, class T>
CArchive& CArchive::ReadAs(T& rValue)
{
    TWire wire;
    ReadLittleEndian(wire);
    rValue = static_cast<T>(wire);
    return *this;
}

CArchive& operator<<(CArchive& ar, const CString& string);
CArchive& operator<<(CArchive& ar, LPCTSTR lpsz);
CArchive& operator>>(CArchive& ar, CString& string);
CArchive& operator<<(CArchive& ar, const CObject* pOb);
CArchive& operator>>(CArchive& ar, CObject*& pOb);
CArchive& operator>>(CArchive& ar, const CObject*& pOb);
