#pragma once
// Classes in this file: CWorkspaceFile, the contents of a workspace file
// (".vsp"): the suffixes of the project files, the workspace title and the
// active project. The file is the application object's archive, so its class
// record names the program's application class, "CVestolarApp", schema 2:
//   1. the suffix list (count, then each string),
//   2. the class record,
//   3. the title,
//   4. the active project's number (schema 2 only; -1 after schema 1).
// Reading goes into a fresh object that the caller takes over only when the
// whole file was read.

#include "afx.h"

class CWorkspaceFile : public CObject {
    DECLARE_SERIAL(CWorkspaceFile)
public:
    CWorkspaceFile() = default;

    CStringArray m_saProjectSuffixes;
    CString m_sWorkspaceTitle;
    int m_nActiveProject = -1;

    void Serialize(CArchive& ar) override;

// Whole files. Failures throw the framework's file and archive exceptions;
// a failed save leaves the previous file as it was.
    static CWorkspaceFile Load(LPCTSTR lpszPath);
    void Save(LPCTSTR lpszPath) const;
    // Writes the workspace file beside the target of save, which replaces it.
    void Write(CAtomicFile& save) const;

// The suffix of a project file: ".%03d" of the project number.
    static CString SuffixOf(int nProjectNumber);

private:
    void SerializeSuffixes(CArchive& ar);
    void LoadRecord(CArchive& ar);
};
