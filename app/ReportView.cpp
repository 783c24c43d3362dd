#include "ReportView.h"

IMPLEMENT_DYNCREATE(CReportView, CProjectView)
