#pragma once
// Classes in this file: CResultView, the window of the result table and of
// the background-noise and flanking-transmission correction tables.
// Until its grid comes it shows its kind (CProjectView).

#include "ProjectView.h"

class CResultView : public CProjectView {
    DECLARE_DYNCREATE(CResultView)
public:
    CResultView() = default;
};
