#pragma once
// Classes in this file: CFile, a binary disk file with the framework's open
// modes. Failures throw CFileException naming the file; Open alone reports
// through a return value.

#include "CObject.h"
#include "CFileException.h"
#include "CFileStatus.h"

#include <cstdio>

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000
    };
    enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

    CFile() = default;
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile() override;

// Attributes
    BOOL IsOpen() const { return m_pStream != nullptr; }
    CString GetFilePath() const { return m_strFileName; }
    CString GetFileName() const;
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;

// Operations (virtual: an archive works on a memory file as on a disk file)
    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual void Flush();
    void Commit();
    virtual void Close();
    virtual void Abort();

    static void Remove(LPCTSTR lpszFileName);
    static void Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName);
    static BOOL GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus);

private:
    enum class LastAccess { none, read, write };

    void PrepareAccess(LastAccess access);
    [[noreturn]] void ThrowLastError(int nDefaultCause) const;

    FILE* m_pStream = nullptr;
    CString m_strFileName;
    LastAccess m_lastAccess = LastAccess::none;
};
