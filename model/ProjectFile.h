#pragma once
// Classes in this file: CProjectFile, the project file of one project of a
// workspace on disk: its name, its saving and its loading. Failures throw
// the framework's file and archive exceptions; the caller shows them.

#include "afx.h"

class CProjectDoc;

class CProjectFile {
public:
    static CString PathOf(const CString& sWorkspacePath, int nProjectNumber);
    static void Save(CProjectDoc& doc, LPCTSTR lpszPath);
    // Writes the project beside the target of save, which replaces it.
    static void Write(CProjectDoc& doc, CAtomicFile& save);
    static void Load(CProjectDoc& doc, LPCTSTR lpszPath);
};
