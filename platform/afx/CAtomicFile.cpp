#include "CAtomicFile.h"
#include "AfxFileSystem.h"

#include <cassert>

namespace {

// Beside the target, so that the final rename stays on one volume and
// cannot fall back to a copy.
const char kTempSuffix[] = ".~tmp";

}

// An uncommitted save is abandoned; the target is untouched.
CAtomicFile::~CAtomicFile()
{
    Abort();
}

BOOL CAtomicFile::Open(LPCTSTR lpszTargetPath, CFileException* pError)
{
    assert(m_strTemp.IsEmpty());
    m_strTarget = lpszTargetPath;
    m_strTemp = m_strTarget + kTempSuffix;
    if (m_file.Open(m_strTemp, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, pError))
        return TRUE;
    m_strTemp.Empty();
    if (pError != nullptr)
        pError->m_strFileName = m_strTarget;
    return FALSE;
}

// The data are forced to the disk before the replace, so that a power cut
// cannot leave a renamed but empty file. A failure removes the temporary
// file and throws CFileException naming the target.
void CAtomicFile::Commit()
{
    assert(!m_strTemp.IsEmpty());
    try {
        m_file.Commit();
        m_file.Close();
        AfxFileError error;
        if (!AfxReplaceFile(m_strTemp, m_strTarget, error))
            AfxThrowFileException(error.m_nCause, error.m_lOsError, m_strTarget);
    } catch (CFileException& e) {
        Abort();
        e.m_strFileName = m_strTarget;
        throw;
    }
    m_strTemp.Empty();
}

void CAtomicFile::Abort()
{
    m_file.Abort();
    if (m_strTemp.IsEmpty())
        return;
    AfxFileError ignored;
    AfxRemoveFile(m_strTemp, ignored);
    m_strTemp.Empty();
}
