#pragma once
// Classes in this file: CAtomicFile, the way every save writes a file: the
// data go to a temporary file beside the target, and only a complete file
// replaces the target. A save that fails or is abandoned leaves the target
// as it was.
//
//     CAtomicFile save;
//     if (!save.Open(path, &error)) ...
//     CArchive ar(&save.GetFile(), CArchive::store);
//     doc.Serialize(ar);
//     ar.Close();
//     save.Commit();

#include "CFile.h"

class CAtomicFile {
public:
    CAtomicFile() = default;
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;
    ~CAtomicFile();

// Attributes
    CFile& GetFile() { return m_file; }
    CString GetTargetPath() const { return m_strTarget; }
    CString GetTempPath() const { return m_strTemp; }

// Operations
    BOOL Open(LPCTSTR lpszTargetPath, CFileException* pError = nullptr);
    void Commit();
    void Abort();

private:
    CFile m_file;
    CString m_strTarget;
    CString m_strTemp;
};
