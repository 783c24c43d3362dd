#include "ExportAllTargets.h"

#include "ResultsExporter.h"

#include "ReportInfo.h"

#include <algorithm>

CExportAllTargets::CExportAllTargets(const CString& sFolder, const CString& sTimestamp)
    : m_sPrefix(sFolder + "\\" + sTimestamp + "_")
{
}

// Compared without regard to case, as the file system compares names.
CString CExportAllTargets::TargetOf(const CString& sProjectName, int nProjectNumber, const CString& sExtension)
{
    CString sTarget = m_sPrefix + CResultsExporter::FileNameOf(sProjectName) + "." + sExtension;
    CString sKey = sTarget;
    sKey.MakeLower();
    if (std::find(m_aUsed.begin(), m_aUsed.end(), sKey) != m_aUsed.end()) {
        CString sNumber;
        sNumber.Format("_%d.", nProjectNumber);
        sTarget = m_sPrefix + CResultsExporter::FileNameOf(sProjectName) + sNumber + sExtension;
        sKey = sTarget;
        sKey.MakeLower();
    }
    m_aUsed.push_back(sKey);
    return sTarget;
}

bool CExportAllTargets::IsExported(const CReportInfo& info)
{
    return info.m_bLab || !info.m_bMultiplot;
}
