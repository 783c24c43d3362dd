#pragma once
// Classes in this file: CResultView, the window of the result table and of
// the background-noise and flanking-transmission correction tables.
// Until its grid comes it shows its kind (CPlaceholderView).

#include "PlaceholderView.h"

class CResultView : public CPlaceholderView {
    DECLARE_DYNCREATE(CResultView)
public:
    CResultView() = default;
};
