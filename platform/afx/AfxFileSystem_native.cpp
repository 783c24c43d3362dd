// The file-system calls of the native tree, on POSIX.

#include "AfxFileSystem.h"
#include "CFileException.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

AfxFileError ErrorFromErrno()
{
    AfxFileError error;
    error.m_lOsError = errno;
    error.m_nCause = CFileException::ErrnoToException(errno);
    return error;
}

}

// POSIX has no mandatory locks, so the share bits are accepted and not enforced.
FILE* AfxOpenFileStream(LPCTSTR lpszPath, LPCTSTR lpszMode, UINT nShareFlags, AfxFileError& rError)
{
    FILE* pStream = std::fopen(lpszPath, lpszMode);
    if (pStream == nullptr)
        rError = ErrorFromErrno();
    return pStream;
}

bool AfxSeekFileStream(FILE* pStream, LONGLONG nOffset, int nOrigin)
{
    return fseeko(pStream, static_cast<off_t>(nOffset), nOrigin) == 0;
}

LONGLONG AfxTellFileStream(FILE* pStream)
{
    return ftello(pStream);
}

bool AfxCommitFileStream(FILE* pStream)
{
    return std::fflush(pStream) == 0 && fsync(fileno(pStream)) == 0;
}

// rename() replaces the target in one step, so readers see the old file or
// the new one, never a mixture.
bool AfxReplaceFile(LPCTSTR lpszSource, LPCTSTR lpszTarget, AfxFileError& rError)
{
    if (std::rename(lpszSource, lpszTarget) == 0)
        return true;
    rError = ErrorFromErrno();
    return false;
}

// A rename never replaces an existing file, as in the win tree; POSIX
// rename() would replace it silently.
bool AfxRenameFile(LPCTSTR lpszOldName, LPCTSTR lpszNewName, AfxFileError& rError)
{
    struct stat st;
    if (stat(lpszNewName, &st) == 0) {
        errno = EEXIST;
        rError = ErrorFromErrno();
        return false;
    }
    return AfxReplaceFile(lpszOldName, lpszNewName, rError);
}

bool AfxRemoveFile(LPCTSTR lpszPath, AfxFileError& rError)
{
    if (unlink(lpszPath) == 0)
        return true;
    rError = ErrorFromErrno();
    return false;
}

bool AfxGetFileInfo(LPCTSTR lpszPath, AfxFileInfo& rInfo)
{
    struct stat st;
    if (stat(lpszPath, &st) != 0)
        return false;
    rInfo.m_nSize = static_cast<ULONGLONG>(st.st_size);
    rInfo.m_ctime = st.st_ctime;
    rInfo.m_mtime = st.st_mtime;
    rInfo.m_atime = st.st_atime;
    rInfo.m_bDirectory = S_ISDIR(st.st_mode);
    rInfo.m_bReadOnly = (st.st_mode & S_IWUSR) == 0;
    char szFull[PATH_MAX];
    rInfo.m_sFullPath = realpath(lpszPath, szFull) != nullptr ? szFull : lpszPath;
    return true;
}
