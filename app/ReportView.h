#pragma once
// Classes in this file: CReportView, the window of the test report.
// Until its grid comes it shows its kind (CPlaceholderView).

#include "PlaceholderView.h"

class CReportView : public CPlaceholderView {
    DECLARE_DYNCREATE(CReportView)
public:
    CReportView() = default;
};
