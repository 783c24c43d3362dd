#include "WorkspaceFile.h"

namespace {

const UINT kCurrentSchema = 2;
const UINT kFirstSchemaWithActiveProject = 2;
const int kArchiveBufferSize = 4096;
const char kRecordClassName[] = "CVestolarApp";

} // namespace

// The workspace file keeps the class record under the name of the program's
// application class, so that the files of every version read back.
CObject* CWorkspaceFile::CreateObject()
{
    return new CWorkspaceFile;
}
CRuntimeClass CWorkspaceFile::classCWorkspaceFile = {
    kRecordClassName, sizeof(CWorkspaceFile), VERSIONABLE_SCHEMA | kCurrentSchema,
    CWorkspaceFile::CreateObject, RUNTIME_CLASS(CObject), nullptr};
CRuntimeClass* CWorkspaceFile::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CWorkspaceFile);
}
static const AFX_CLASSINIT afxInitCWorkspaceFile(RUNTIME_CLASS(CWorkspaceFile));

void CWorkspaceFile::Serialize(CArchive& ar)
{
    SerializeSuffixes(ar);
    if (ar.IsStoring()) {
        ar.WriteClass(RUNTIME_CLASS(CWorkspaceFile));
        ar << m_sWorkspaceTitle;
        ar << m_nActiveProject;
    } else {
        LoadRecord(ar);
    }
}

// A damaged suffix list (a file that ends inside it, say) is reported as an
// invalid file of that name.
void CWorkspaceFile::SerializeSuffixes(CArchive& ar)
{
    try {
        m_saProjectSuffixes.Serialize(ar);
    } catch (const CArchiveException&) {
        CFile* pFile = ar.GetFile();
        AfxThrowArchiveException(CArchiveException::badIndex, pFile != nullptr ? pFile->GetFilePath() : CString());
    }
}

// Schema 1 had no active project; schema 0 and every schema above ours are
// refused.
void CWorkspaceFile::LoadRecord(CArchive& ar)
{
    UINT nSchema = 0;
    ar.ReadClass(RUNTIME_CLASS(CWorkspaceFile), &nSchema);
    if (nSchema < 1 || nSchema > kCurrentSchema)
        AfxThrowArchiveException(CArchiveException::badSchema, kRecordClassName);
    ar >> m_sWorkspaceTitle;
    m_nActiveProject = -1;
    if (nSchema >= kFirstSchemaWithActiveProject)
        ar >> m_nActiveProject;
}

CWorkspaceFile CWorkspaceFile::Load(LPCTSTR lpszPath)
{
    CWorkspaceFile workspace;
    CFile file(lpszPath, CFile::modeRead | CFile::shareExclusive);
    CArchive ar(&file, CArchive::load, kArchiveBufferSize);
    workspace.Serialize(ar);
    return workspace;
}

void CWorkspaceFile::Save(LPCTSTR lpszPath) const
{
    CAtomicFile save;
    CFileException error;
    if (!save.Open(lpszPath, &error))
        throw error;
    Write(save);
    save.Commit();
}

void CWorkspaceFile::Write(CAtomicFile& save) const
{
    save.Store([&](CArchive& ar) { const_cast<CWorkspaceFile*>(this)->Serialize(ar); }, kArchiveBufferSize);
}

CString CWorkspaceFile::SuffixOf(int nProjectNumber)
{
    CString sSuffix;
    sSuffix.Format(".%03d", nProjectNumber);
    return sSuffix;
}
