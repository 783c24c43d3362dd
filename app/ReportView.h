#pragma once
// Classes in this file: CReportView, the window of the test report.
// Until its grid comes it shows its kind (CProjectView).

#include "ProjectView.h"

class CReportView : public CProjectView {
    DECLARE_DYNCREATE(CReportView)
public:
    CReportView() = default;
};
