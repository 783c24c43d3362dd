#pragma once
// Classes in this file: CExportAllTargets, the files Export All writes into
// one folder: the time of the run, an underscore and the project's name with
// the characters a file name cannot hold blanked, and the extension of the
// project's template. Two projects whose files would be the same get the
// later one's number after its name, so neither export replaces the other.

#include "afx.h"

#include <vector>

class CReportInfo;

class CExportAllTargets {
public:
    CExportAllTargets(const CString& sFolder, const CString& sTimestamp);

    CString TargetOf(const CString& sProjectName, int nProjectNumber, const CString& sExtension);

    // Export All leaves out the multiplot projects, which have no results
    // sheet; a laboratory project is exported whatever else it is flagged.
    static bool IsExported(const CReportInfo& info);

private:
    CString m_sPrefix;
    std::vector<CString> m_aUsed;
};
