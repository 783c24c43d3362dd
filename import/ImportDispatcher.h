#pragma once
// Classes in this file: CImportDispatcher, the one entry through which files
// become measurements of the project selected in the tree: each path goes to
// the handler of its extension, measurement archives are read here, and the
// project is recalculated once after the batch.

#include "MeasArchiveFile.h"
#include "TreeImportHost.h"

#include "CStringArray.h"

class CImportDispatcher {
public:
    explicit CImportDispatcher(CTreeImportHost& host) : m_host(host) {}

    // 0 when a project is selected after the batch (it was recalculated),
    // -1 when none is.
    int ImportFiles(CStringArray& paths);
    // Files every active channel of each record; -1 without a project.
    int ImportControlRecords(CMeasCtrlList& records);

    // The extension the dispatcher compares: the last 4 characters, or the
    // last 7 when the 4th-last is no dot, in lower case.
    static CString ExtensionOf(const CString& sPath);

private:
    void ImportFile(const CString& sPath);
    void ImportConverterFile(const CString& sPath);
    void ImportArchive(const CString& sPath, BOOL bHeader);
    int ImportIniProject(const CString& sPath);
    void ShowConverterMessage(UINT nIdText);

    CTreeImportHost& m_host;
};
