#pragma once
// The template workbook a new project exports into: the chosen method's
// template name, in its extended-report form where that setting applies, and
// in the workbook format of today's spreadsheet program.

#include "model/ReportInfo.h"

void PrepareNewProjectTemplate(CReportInfo& info, bool bExtendedReport);
