#pragma once
// Classes in this file: CIniProjectImport, the import of an INI project file
// into the project selected in the tree: the tables its kind needs become
// records, the protocol data go into its descriptor, and the project takes
// the file's name.

#include "TreeImportHost.h"

class CProjectDoc;

class CIniProjectImport {
public:
    explicit CIniProjectImport(CTreeImportHost& host) : m_host(host) {}

    // 0 done; -1 without a project, or when the file is not an INI project or
    // a table of it is damaged (tables filed before it stay). A table the
    // file does not hold is one without entries.
    int ImportIniProject(CString sPath);
    int ImportIniProjectTable(int nTable, CString sPath);

private:
    static void ChooseTables(const CReportInfo& info, CArray<int, int>& aTables);
    static void ReadKindNumbers(CReportInfo& info, const CString& sPath);
    static void ReadRoomAndClimate(CReportInfo& info, const CString& sPath);
    static void ReadReportTexts(CReportInfo& info, const CString& sPath);
    static void ReadNumberText(const char* szKey, CString& sField, const CString& sPath);
    void ShowInvalidFormat(const CString& sPath);

    CTreeImportHost& m_host;
};
