#include "ProjectFile.h"

#include "ProjectDoc.h"

namespace {

const int kArchiveBufferSize = 4096;

} // namespace

// The workspace path with the project number as a three-digit suffix.
CString CProjectFile::PathOf(const CString& sWorkspacePath, int nProjectNumber)
{
    CString sPath;
    sPath.Format("%s.%03d", static_cast<LPCTSTR>(sWorkspacePath), nProjectNumber);
    return sPath;
}

// The project is written to a file beside the target, which replaces the
// target only when complete: a save that fails leaves the previous project
// file as it was.
void CProjectFile::Save(CProjectDoc& doc, LPCTSTR lpszPath)
{
    CAtomicFile save;
    CFileException error;
    if (!save.Open(lpszPath, &error))
        throw error;
    Write(doc, save);
    save.Commit();
}

void CProjectFile::Write(CProjectDoc& doc, CAtomicFile& save)
{
    save.Store([&](CArchive& ar) { doc.Serialize(ar); }, kArchiveBufferSize);
}

// A file that cannot be read whole leaves the document as it was.
void CProjectFile::Load(CProjectDoc& doc, LPCTSTR lpszPath)
{
    CFile file(lpszPath, CFile::modeRead | CFile::shareDenyWrite);
    CArchive ar(&file, CArchive::load, kArchiveBufferSize);
    doc.Serialize(ar);
}
