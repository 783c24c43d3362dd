// CMeasArchiveFile: the archive is read record by record, so whatever was
// read before a damaged record is kept. A file that does not exist is
// reported as such and never created.

#include "MeasArchiveFile.h"

#include "CAtomicFile.h"

namespace {

const char kHeader[] = "Kelcheck.Document";
const DWORD kVersion = 1;
const int kBufferSize = 4096;

} // namespace

void CMeasArchiveFile::CheckHeader(CArchive& ar, const CString& sPath)
{
    CString sHeader;
    ar >> sHeader;
    if (sHeader != kHeader)
        AfxThrowArchiveException(CArchiveException::badIndex, sPath);
    DWORD nVersion = 0;
    ar >> nVersion;
    if (nVersion != kVersion)
        AfxThrowArchiveException(CArchiveException::badIndex, sPath);
}

void CMeasArchiveFile::Read(const CString& sPath, BOOL bHeader, CMeasCtrlList& rRecords)
{
    CFile file(sPath, CFile::modeRead | CFile::shareExclusive);
    CArchive ar(&file, CArchive::load, kBufferSize);
    if (bHeader)
        CheckHeader(ar, sPath);
    const DWORD nCount = ar.ReadCount();
    for (DWORD i = 0; i < nCount; ++i) {
        NMeasCtrlData record;
        SerializeElements<NMeasCtrlData>(ar, &record, 1);
        rRecords.AddTail(record);
    }
    ar.Close();
}

BOOL CMeasArchiveFile::Write(const CString& sPath, BOOL bHeader, CMeasCtrlList& records)
{
    CAtomicFile file;
    if (!file.Open(sPath))
        return FALSE;
    try {
        CArchive ar(&file.GetFile(), CArchive::store, kBufferSize);
        if (bHeader)
            ar << CString(kHeader) << kVersion;
        ar.WriteCount(DWORD(records.GetCount()));
        for (POSITION pos = records.GetHeadPosition(); pos != nullptr;)
            SerializeElements<NMeasCtrlData>(ar, &records.GetNext(pos), 1);
        ar.Close();
        file.Commit();
    } catch (const CException&) {
        file.Abort();
        return FALSE;
    }
    return TRUE;
}
