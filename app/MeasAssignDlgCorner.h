#pragma once
// Classes in this file: CMeasAssignDlgCorner, the measurement assignment
// dialog of corner projects: the rooms' and the corners' tables for each
// channel's measurement of an imported file.

#include "MeasAssignDlgImpl.h"

#include "res/resource.h"

class CMeasAssignDlgCorner : public CMeasAssignDlgImpl {
public:
    enum { IDD = IDD_MEAS_ASSIGN_CORNER };

    explicit CMeasAssignDlgCorner(CWnd* pParent = nullptr);

    // Fills the dialog from the exchange, runs it and, on OK, copies the
    // chosen tables into it; TRUE for OK. Cancel leaves the tables -1.
    static BOOL Run(CAssignExchange& exchange, CWnd* pParent);
};
