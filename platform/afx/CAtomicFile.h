#pragma once
// Classes in this file: CAtomicFile, the way every save writes a file: the
// data go to a temporary file beside the target, and only a complete file
// replaces the target. A save that fails or is abandoned leaves the target
// as it was.
//
//     CAtomicFile save;
//     if (!save.Open(path, &error)) ...
//     save.Store([&](CArchive& ar) { doc.Serialize(ar); });
//     save.Commit();
//
// Commit is Prepare (the file beside is complete on the disk) and Replace;
// CAtomicFileSet calls the two apart to save several files as one.

#include "CFile.h"

#include <functional>

class CArchive;

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
    static CString TempPathOf(LPCTSTR lpszTargetPath);

// Operations
    BOOL Open(LPCTSTR lpszTargetPath, CFileException* pError = nullptr);
    void Store(const std::function<void(CArchive&)>& store, int nBufSize = 4096);
    void Commit();
    void Prepare();
    void Replace();
    void Abort();
    // Forgets the file beside without removing it: someone else finishes it.
    void Release();

// The steps of a save, reported to a hook that tests use to stop the
// process between them.
    enum SaveStep { stepWrittenBeside, stepBeforeReplace };
    typedef void (*SaveStepHook)(SaveStep nStep, const CString& sTargetPath);
    static void SetSaveStepHook(SaveStepHook pHook);

private:
    void NamingTheTarget(const std::function<void()>& action);

    CFile m_file;
    CString m_strTarget;
    CString m_strTemp;
};
