#pragma once
// Functions in this file: the title of a project's result window by its
// kind: the result table, the background-noise (or, for an
// impact-plus-airborne project, airborne noise) correction table, and the
// flanking-transmission table, which a corner project uses for its corner
// background-noise correction.

#include "model/ReportInfo.h"

CString ResultWindowTitle(const CReportInfo& info, int nViewKind);
