#include "CAtomicFile.h"
#include "AfxFileSystem.h"
#include "CArchive.h"

#include <cassert>

namespace {

// Beside the target, so that the final rename stays on one volume and
// cannot fall back to a copy.
const char kTempSuffix[] = ".~tmp";

CAtomicFile::SaveStepHook g_pSaveStepHook = nullptr;

void ReportStep(CAtomicFile::SaveStep nStep, const CString& sTarget)
{
    if (g_pSaveStepHook != nullptr)
        g_pSaveStepHook(nStep, sTarget);
}

}

// An uncommitted save is abandoned; the target is untouched.
CAtomicFile::~CAtomicFile()
{
    Abort();
}

CString CAtomicFile::TempPathOf(LPCTSTR lpszTargetPath)
{
    return CString(lpszTargetPath) + kTempSuffix;
}

void CAtomicFile::SetSaveStepHook(SaveStepHook pHook)
{
    g_pSaveStepHook = pHook;
}

BOOL CAtomicFile::Open(LPCTSTR lpszTargetPath, CFileException* pError)
{
    assert(m_strTemp.IsEmpty());
    m_strTarget = lpszTargetPath;
    m_strTemp = TempPathOf(m_strTarget);
    if (m_file.Open(m_strTemp, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, pError))
        return TRUE;
    m_strTemp.Empty();
    if (pError != nullptr)
        pError->m_strFileName = m_strTarget;
    return FALSE;
}

// A write that fails (a full disk, say) is reported under the target's name:
// the user knows that file, not the one beside it.
void CAtomicFile::Store(const std::function<void(CArchive&)>& store, int nBufSize)
{
    NamingTheTarget([&] {
        CArchive ar(&m_file, CArchive::store, nBufSize);
        store(ar);
        ar.Close();
    });
}

void CAtomicFile::Commit()
{
    Prepare();
    Replace();
}

// The data are forced to the disk before any replace, so that a power cut
// cannot leave a renamed but empty file.
void CAtomicFile::Prepare()
{
    assert(!m_strTemp.IsEmpty());
    NamingTheTarget([&] {
        m_file.Commit();
        m_file.Close();
    });
    ReportStep(stepWrittenBeside, m_strTarget);
}

void CAtomicFile::Replace()
{
    assert(!m_strTemp.IsEmpty());
    ReportStep(stepBeforeReplace, m_strTarget);
    NamingTheTarget([&] {
        AfxFileError error;
        if (!AfxReplaceFile(m_strTemp, m_strTarget, error))
            AfxThrowFileException(error.m_nCause, error.m_lOsError, m_strTarget);
    });
    m_strTemp.Empty();
}

// A failure removes the temporary file and throws CFileException naming the
// target.
void CAtomicFile::NamingTheTarget(const std::function<void()>& action)
{
    try {
        action();
    } catch (CFileException& e) {
        Abort();
        e.m_strFileName = m_strTarget;
        throw;
    }
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

void CAtomicFile::Release()
{
    m_strTemp.Empty();
}
