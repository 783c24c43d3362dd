#pragma once
// Classes in this file: CTabView, the window of the measurement table of one table id.
// Until its grid comes it shows its kind (CPlaceholderView).

#include "PlaceholderView.h"

class CTabView : public CPlaceholderView {
    DECLARE_DYNCREATE(CTabView)
public:
    CTabView() = default;
};
