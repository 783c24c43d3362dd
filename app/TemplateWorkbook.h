#pragma once
// The Excel template workbook of a new project: the method's own, or its
// extended ("_Ext") variant for the field methods that have one when the
// extended report is chosen; always in the workbook format ("x" appended,
// so ".xls" becomes ".xlsx").

#include "model/ReportInfo.h"

CString TemplateWorkbookOf(const CReportInfo& method, bool bExtendedReport);
