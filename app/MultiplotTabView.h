#pragma once
// Classes in this file: CMultiplotTabView, the window of the multiplot table.
// Until its grid comes it shows its kind (CPlaceholderView).

#include "PlaceholderView.h"

class CMultiplotTabView : public CPlaceholderView {
    DECLARE_DYNCREATE(CMultiplotTabView)
public:
    CMultiplotTabView() = default;
};
