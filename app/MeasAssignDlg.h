#pragma once
// Classes in this file: CMeasAssignDlg, the measurement assignment dialog of
// every project kind but corner projects: in which table each channel's
// measurement of an imported file goes.

#include "MeasAssignDlgImpl.h"

#include "res/resource.h"

class CMeasAssignDlg : public CMeasAssignDlgImpl {
public:
    enum { IDD = IDD_MEAS_ASSIGN };

    explicit CMeasAssignDlg(CWnd* pParent = nullptr);

    // Fills the dialog from the exchange, runs it and, on OK, copies the
    // chosen tables into it; TRUE for OK. Cancel leaves the tables -1.
    static BOOL Run(CAssignExchange& exchange, CWnd* pParent);

protected:
    BOOL OnInitDialog() override;
};
