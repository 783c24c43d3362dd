#include "CAtomicFileSet.h"
#include "AfxFileSystem.h"

#include <algorithm>
#include <cassert>
#include <string>

namespace {

const char kPending[] = "pending";
const char kCommit[] = "commit";

// The folder part of a path, with its last separator; empty for a bare name.
CString FolderOf(const CString& sPath)
{
    const int nSlash = std::max(sPath.ReverseFind('\\'), sPath.ReverseFind('/'));
    return sPath.Left(nSlash + 1);
}

bool Exists(const CString& sPath)
{
    AfxFileInfo info;
    return AfxGetFileInfo(sPath, info);
}

// The journal's lines: the state, then one file name a line. A journal cut
// short by a kill reads as far as it goes.
std::vector<CString> ReadLines(const CString& sPath)
{
    CFile file(sPath, CFile::modeRead | CFile::shareDenyWrite);
    std::string sText(static_cast<size_t>(file.GetLength()), '\0');
    sText.resize(file.Read(&sText[0], static_cast<UINT>(sText.size())));
    std::vector<CString> aLines;
    size_t nStart = 0;
    for (size_t nEnd; (nEnd = sText.find('\n', nStart)) != std::string::npos; nStart = nEnd + 1)
        aLines.push_back(sText.substr(nStart, nEnd - nStart).c_str());
    return aLines;
}

void RemoveIfThere(const CString& sPath)
{
    AfxFileError error;
    if (!AfxRemoveFile(sPath, error) && error.m_nCause != CFileException::fileNotFound)
        AfxThrowFileException(error.m_nCause, error.m_lOsError, sPath);
}

} // namespace

// A save that an earlier process left unfinished is finished (or undone)
// first, so that its files cannot mix with this one's.
CAtomicFileSet::CAtomicFileSet(LPCTSTR lpszJournalPath) : m_sJournal(lpszJournalPath)
{
    Recover(m_sJournal);
}

// Without Commit the save is abandoned: the files beside are removed, then
// the journal that names them.
CAtomicFileSet::~CAtomicFileSet()
{
    if (m_aFiles.empty())
        return;
    m_aFiles.clear();
    AfxFileError ignored;
    AfxRemoveFile(m_sJournal, ignored);
}

// The journal names the file before it exists, so that no file beside a
// target is ever left that no journal names.
CAtomicFile& CAtomicFileSet::Add(LPCTSTR lpszTargetPath)
{
    const CString sTarget = lpszTargetPath;
    assert(FolderOf(sTarget) == FolderOf(m_sJournal));
    m_saNames.Add(sTarget.Mid(FolderOf(sTarget).GetLength()));
    WriteJournal(kPending);
    m_aFiles.push_back(std::make_unique<CAtomicFile>());
    CFileException error;
    if (!m_aFiles.back()->Open(sTarget, &error))
        throw error;
    return *m_aFiles.back();
}

// Every file is complete on the disk before the journal says "commit"; a
// target that could not be replaced (a folder or a read-only file in its
// place) stops the save before that.
void CAtomicFileSet::Commit()
{
    for (const auto& pFile : m_aFiles)
        pFile->Prepare();
    CheckTargetsReplaceable();
    WriteJournal(kCommit);
    ReplaceAll();
    m_aFiles.clear();
    AfxFileError error;
    if (!AfxRemoveFile(m_sJournal, error))
        AfxThrowFileException(error.m_nCause, error.m_lOsError, m_sJournal);
}

void CAtomicFileSet::CheckTargetsReplaceable() const
{
    for (const auto& pFile : m_aFiles) {
        AfxFileInfo info;
        if (AfxGetFileInfo(pFile->GetTargetPath(), info) && (info.m_bDirectory || info.m_bReadOnly))
            AfxThrowFileException(CFileException::accessDenied, 0, pFile->GetTargetPath());
    }
}

// A replace that fails after the commit leaves the rest beside their
// targets and the journal in place: the save stands, and the next reader
// of the folder finishes it.
void CAtomicFileSet::ReplaceAll()
{
    try {
        for (const auto& pFile : m_aFiles)
            pFile->Replace();
    } catch (const CFileException&) {
        for (const auto& pFile : m_aFiles)
            pFile->Release();
        m_aFiles.clear();
        throw;
    }
}

void CAtomicFileSet::WriteJournal(LPCTSTR lpszState) const
{
    CString sText = CString(lpszState) + "\n";
    for (int i = 0; i < m_saNames.GetSize(); ++i)
        sText += m_saNames[i] + "\n";
    CAtomicFile journal;
    CFileException error;
    if (!journal.Open(m_sJournal, &error))
        throw error;
    journal.GetFile().Write(static_cast<LPCTSTR>(sText), static_cast<UINT>(sText.GetLength()));
    journal.Commit();
}

// Replacing is done again for every file still beside its target: a kill
// during a recovery is finished by the next one.
void CAtomicFileSet::Recover(LPCTSTR lpszJournalPath)
{
    const CString sJournal = lpszJournalPath;
    if (Exists(sJournal)) {
        const std::vector<CString> aLines = ReadLines(sJournal);
        const bool bCommitted = !aLines.empty() && aLines.front() == kCommit;
        for (size_t i = 1; i < aLines.size(); ++i) {
            const CString sTarget = FolderOf(sJournal) + aLines[i];
            const CString sBeside = CAtomicFile::TempPathOf(sTarget);
            AfxFileError error;
            if (bCommitted && Exists(sBeside) && !AfxReplaceFile(sBeside, sTarget, error))
                AfxThrowFileException(error.m_nCause, error.m_lOsError, sTarget);
            if (!bCommitted)
                RemoveIfThere(sBeside);
        }
        RemoveIfThere(sJournal);
    }
    RemoveIfThere(CAtomicFile::TempPathOf(sJournal));
}
