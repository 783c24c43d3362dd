// The file-system calls of the win tree: the C runtime where it suffices,
// Win32 for sharing errors, flushing and the atomic replace.

#include "AfxFileSystem.h"
#include "CFile.h"

#include <cerrno>
#include <cstdlib>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

namespace {

int CauseFromOsError(DWORD dwError)
{
    switch (dwError) {
    case ERROR_FILE_NOT_FOUND:
        return CFileException::fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_INVALID_DRIVE:
        return CFileException::badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
        return CFileException::tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return CFileException::accessDenied;
    case ERROR_INVALID_HANDLE:
        return CFileException::invalidFile;
    case ERROR_CURRENT_DIRECTORY:
        return CFileException::removeCurrentDir;
    case ERROR_CANNOT_MAKE:
        return CFileException::directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
        return CFileException::badSeek;
    case ERROR_SHARING_VIOLATION:
        return CFileException::sharingViolation;
    case ERROR_LOCK_VIOLATION:
        return CFileException::lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return CFileException::diskFull;
    case ERROR_HANDLE_EOF:
        return CFileException::endOfFile;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
        return CFileException::hardIO;
    default:
        return CFileException::genericException;
    }
}

AfxFileError ErrorFromOsError(DWORD dwError)
{
    AfxFileError error;
    error.m_lOsError = static_cast<LONG>(dwError);
    error.m_nCause = CauseFromOsError(dwError);
    return error;
}

// The C runtime maps a sharing violation to EACCES; _doserrno keeps the
// Win32 code that tells the two apart.
AfxFileError ErrorFromRuntime()
{
    if (_doserrno != 0)
        return ErrorFromOsError(_doserrno);
    AfxFileError error;
    error.m_lOsError = errno;
    error.m_nCause = CFileException::ErrnoToException(errno);
    return error;
}

int RuntimeShareFlag(UINT nShareFlags)
{
    switch (nShareFlags & (CFile::shareDenyNone | CFile::shareExclusive | CFile::shareDenyWrite)) {
    case CFile::shareDenyWrite:
        return _SH_DENYWR;
    case CFile::shareDenyRead:
        return _SH_DENYRD;
    case CFile::shareDenyNone:
        return _SH_DENYNO;
    default: // shareExclusive, and shareCompat, which the framework treats alike
        return _SH_DENYRW;
    }
}

}

FILE* AfxOpenFileStream(LPCTSTR lpszPath, LPCTSTR lpszMode, UINT nShareFlags, AfxFileError& rError)
{
    _doserrno = 0;
    FILE* pStream = _fsopen(lpszPath, lpszMode, RuntimeShareFlag(nShareFlags));
    if (pStream == nullptr)
        rError = ErrorFromRuntime();
    return pStream;
}

bool AfxSeekFileStream(FILE* pStream, LONGLONG nOffset, int nOrigin)
{
    return _fseeki64(pStream, nOffset, nOrigin) == 0;
}

LONGLONG AfxTellFileStream(FILE* pStream)
{
    return _ftelli64(pStream);
}

bool AfxCommitFileStream(FILE* pStream)
{
    return std::fflush(pStream) == 0 && _commit(_fileno(pStream)) == 0;
}

bool AfxReplaceFile(LPCTSTR lpszSource, LPCTSTR lpszTarget, AfxFileError& rError)
{
    if (MoveFileExA(lpszSource, lpszTarget, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    rError = ErrorFromOsError(GetLastError());
    return false;
}

bool AfxRenameFile(LPCTSTR lpszOldName, LPCTSTR lpszNewName, AfxFileError& rError)
{
    if (MoveFileA(lpszOldName, lpszNewName))
        return true;
    rError = ErrorFromOsError(GetLastError());
    return false;
}

bool AfxRemoveFile(LPCTSTR lpszPath, AfxFileError& rError)
{
    if (DeleteFileA(lpszPath))
        return true;
    rError = ErrorFromOsError(GetLastError());
    return false;
}

bool AfxGetFileInfo(LPCTSTR lpszPath, AfxFileInfo& rInfo)
{
    struct _stat64 st;
    if (_stat64(lpszPath, &st) != 0)
        return false;
    rInfo.m_nSize = static_cast<ULONGLONG>(st.st_size);
    rInfo.m_ctime = st.st_ctime;
    rInfo.m_mtime = st.st_mtime;
    rInfo.m_atime = st.st_atime;
    rInfo.m_bDirectory = (st.st_mode & _S_IFDIR) != 0;
    rInfo.m_bReadOnly = (st.st_mode & _S_IWRITE) == 0;
    char szFull[MAX_PATH];
    rInfo.m_sFullPath = _fullpath(szFull, lpszPath, MAX_PATH) != nullptr ? szFull : lpszPath;
    return true;
}
