#include "CFile.h"
#include "AfxFileSystem.h"

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <cstring>

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace {

const UINT kAccessMask = CFile::modeRead | CFile::modeWrite | CFile::modeReadWrite;

bool Truncates(UINT nOpenFlags)
{
    return (nOpenFlags & CFile::modeCreate) != 0 && (nOpenFlags & CFile::modeNoTruncate) == 0;
}

bool CreatesKeepingContent(UINT nOpenFlags)
{
    return (nOpenFlags & CFile::modeCreate) != 0 && (nOpenFlags & CFile::modeNoTruncate) != 0;
}

// The C-library mode for the framework's flags. Files are always binary:
// archives must be byte-identical in both trees.
LPCTSTR StreamMode(UINT nOpenFlags)
{
    const UINT nAccess = nOpenFlags & kAccessMask;
    if (Truncates(nOpenFlags))
        return nAccess == CFile::modeWrite ? "wb" : "w+b";
    return nAccess == CFile::modeRead ? "rb" : "r+b";
}

}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        throw error;
}

CFile::~CFile()
{
    CFile::Abort();
}

// modeCreate | modeNoTruncate opens an existing file as it is and creates a
// missing one; the C library has no single mode for that, so the file is
// created first with append mode, which never truncates.
BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    assert(!IsOpen());
    m_strFileName = lpszFileName;
    m_lastAccess = LastAccess::none;
    AfxFileError error;
    if (CreatesKeepingContent(nOpenFlags)) {
        FILE* pCreated = AfxOpenFileStream(lpszFileName, "ab", nOpenFlags, error);
        if (pCreated != nullptr)
            std::fclose(pCreated);
    }
    m_pStream = AfxOpenFileStream(lpszFileName, StreamMode(nOpenFlags), nOpenFlags, error);
    if (m_pStream == nullptr && pError != nullptr)
        *pError = CFileException(error.m_nCause, error.m_lOsError, lpszFileName);
    return m_pStream != nullptr;
}

// The part of the path after the last folder separator.
CString CFile::GetFileName() const
{
    const int nSlash = std::max(m_strFileName.ReverseFind('\\'), m_strFileName.ReverseFind('/'));
    return m_strFileName.Mid(nSlash + 1);
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    assert(IsOpen());
    PrepareAccess(LastAccess::read);
    const size_t nRead = std::fread(lpBuf, 1, nCount, m_pStream);
    if (nRead < nCount && std::ferror(m_pStream))
        ThrowLastError(CFileException::hardIO);
    return static_cast<UINT>(nRead);
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    assert(IsOpen());
    PrepareAccess(LastAccess::write);
    if (std::fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
        ThrowLastError(CFileException::diskFull);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    assert(IsOpen());
    static const int kOrigins[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    assert(nFrom <= end);
    if (!AfxSeekFileStream(m_pStream, lOff, kOrigins[nFrom]))
        AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    m_lastAccess = LastAccess::none;
    return GetPosition();
}

ULONGLONG CFile::GetPosition() const
{
    assert(IsOpen());
    const LONGLONG nPosition = AfxTellFileStream(m_pStream);
    if (nPosition < 0)
        AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    return static_cast<ULONGLONG>(nPosition);
}

ULONGLONG CFile::GetLength() const
{
    const ULONGLONG nPosition = GetPosition();
    const bool bMeasured = AfxSeekFileStream(m_pStream, 0, SEEK_END);
    const ULONGLONG nLength = GetPosition();
    if (!bMeasured || !AfxSeekFileStream(m_pStream, static_cast<LONGLONG>(nPosition), SEEK_SET))
        AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    return nLength;
}

void CFile::Flush()
{
    assert(IsOpen());
    if (std::fflush(m_pStream) != 0)
        ThrowLastError(CFileException::diskFull);
}

// Flushes through the system's cache to the disk, for files that must
// survive a power cut once saved.
void CFile::Commit()
{
    assert(IsOpen());
    if (!AfxCommitFileStream(m_pStream))
        ThrowLastError(CFileException::hardIO);
}

// Buffered data reach the disk only here, so a full disk may show itself
// first at closing; the file is closed either way.
void CFile::Close()
{
    if (m_pStream == nullptr)
        return;
    const int nResult = std::fclose(m_pStream);
    m_pStream = nullptr;
    if (nResult != 0)
        ThrowLastError(CFileException::diskFull);
}

// Closes without reporting anything: for clean-up after another failure.
void CFile::Abort()
{
    if (m_pStream != nullptr)
        std::fclose(m_pStream);
    m_pStream = nullptr;
}

void CFile::Remove(LPCTSTR lpszFileName)
{
    AfxFileError error;
    if (!AfxRemoveFile(lpszFileName, error))
        AfxThrowFileException(error.m_nCause, error.m_lOsError, lpszFileName);
}

void CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName)
{
    AfxFileError error;
    if (!AfxRenameFile(lpszOldName, lpszNewName, error))
        AfxThrowFileException(error.m_nCause, error.m_lOsError, lpszOldName);
}

BOOL CFile::GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus)
{
    AfxFileInfo info;
    if (!AfxGetFileInfo(lpszFileName, info))
        return FALSE;
    rStatus.m_ctime = CTime(info.m_ctime);
    rStatus.m_mtime = CTime(info.m_mtime);
    rStatus.m_atime = CTime(info.m_atime);
    rStatus.m_size = info.m_nSize;
    rStatus.m_attribute = static_cast<BYTE>((info.m_bDirectory ? CFileStatus::directory : 0) |
                                            (info.m_bReadOnly ? CFileStatus::readOnly : 0));
    const size_t nCopy = std::min<size_t>(info.m_sFullPath.size(), CFileStatus::kMaxPath - 1);
    std::memcpy(rStatus.m_szFullName, info.m_sFullPath.data(), nCopy);
    rStatus.m_szFullName[nCopy] = '\0';
    return TRUE;
}

// The C library needs a positioning call between reading and writing the
// same stream; without it the second access works on stale buffer contents.
void CFile::PrepareAccess(LastAccess access)
{
    if (m_lastAccess != LastAccess::none && m_lastAccess != access)
        AfxSeekFileStream(m_pStream, 0, SEEK_CUR);
    m_lastAccess = access;
}

void CFile::ThrowLastError(int nDefaultCause) const
{
    const int nErrno = errno;
    const int nCause = CFileException::ErrnoToException(nErrno);
    AfxThrowFileException(nCause == CFileException::genericException ? nDefaultCause : nCause, nErrno,
                          m_strFileName);
}
