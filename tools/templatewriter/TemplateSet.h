#pragma once
// Classes in this file: CTemplateSet, the template workbooks of every method
// of the catalogue, written by the program's own workbook layer: one per
// template name, with its "_Multi" form for methods that average several
// loudspeaker positions and its "_Ext" form where the extended report
// applies. The results sheet sits where the export looks for it, small
// report sheets with formulas on it before it; the cells the export fills
// carry labels beside them and number formats.

#include "ReportInfo.h"

#include "afx.h"

#include <vector>

class CTemplateSet {
public:
    // The file names (lower case) of the catalogue's templates, each once.
    static std::vector<CString> FileNames(const std::vector<CReportInfo>& aMethods);
    // Writes them all into the folder; the number written, -1 on a failure.
    static int WriteAll(const CString& sFolder, const std::vector<CReportInfo>& aMethods);
    static BOOL WriteTemplate(const CString& sPath, const CReportInfo& method, bool bMulti);
};
