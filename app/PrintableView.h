#pragma once
// Classes in this file: CPrintableView, what multiple print asks of every
// project window it prints (report, result, correction, measurement and
// multiplot tables): print your job, with or without the print dialog, and
// say whether the user let it print.

#include "afx.h"

class CPrintableView {
public:
    // Runs the window's own print command. With bShowPrintDialog FALSE it
    // prints on the printer chosen last, without asking. FALSE when the
    // user cancelled the print dialog (or no printer could be found): the
    // batch then stops.
    virtual BOOL PrintJob(BOOL bShowPrintDialog) = 0;

protected:
    ~CPrintableView() = default;
};
