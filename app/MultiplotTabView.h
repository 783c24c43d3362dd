#pragma once
// Classes in this file: CMultiplotTabView, the window of the multiplot table.
// Until its grid comes it shows its kind (CProjectView).

#include "ProjectView.h"

class CMultiplotTabView : public CProjectView {
    DECLARE_DYNCREATE(CMultiplotTabView)
public:
    CMultiplotTabView() = default;
};
