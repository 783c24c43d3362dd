#include "CFileException.h"
#include "res/resource.h"

#include <cerrno>

IMPLEMENT_DYNAMIC(CFileException, CException)

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName != nullptr ? lpszFileName : "")
{
}

// Each cause has its message; the ids follow the cause numbers.
CString CFileException::GetErrorText() const
{
    const bool bKnown = m_cause >= 0 && m_cause <= AFX_IDP_FILE_EOF - AFX_IDP_FILE_NONE;
    return MessageNaming(bKnown ? AFX_IDP_FILE_NONE + m_cause : AFX_IDP_FILE_GENERIC, m_strFileName);
}

// Maps a C-library error number to the cause a caller can act on.
int CFileException::ErrnoToException(int nErrno)
{
    switch (nErrno) {
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case EBUSY:
        return sharingViolation;
    case ENOSPC:
        return diskFull;
    case EIO:
        return hardIO;
    case ESPIPE:
        return badSeek;
    default:
        return genericException;
    }
}

void AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
{
    throw CFileException(cause, lOsError, lpszFileName);
}
