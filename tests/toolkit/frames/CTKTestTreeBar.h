#pragma once
// Classes in this file: CTKTestTreeBar, a dialog bar made as the program's
// tree bar is: its tree fills the bar whenever the bar reports a new size.

#include "toolkit/frames/CTKSizeDialogBar.h"

class CTKTestTreeBar : public CTKSizeDialogBar {
public:
    CTKTestTreeBar() : CTKSizeDialogBar(TKSBS_CONTEXTMENU) {}

    BOOL OnInitDialog() override;
    void OnSizedOrDocked(int cx, int cy, BOOL bFloating, int nFlags) override;

    int m_nInitCount = 0;
    CSize m_sizeReported;
};
