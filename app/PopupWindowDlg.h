#pragma once
// Classes in this file: CPopupWindowDlg, the options page of the window a
// recalculation brings up: none (0), the test report (102) or the result
// table (103). The main frame hands it m_nPopupWindow and takes it back.

#include "afxwin.h"
#include "res/resource.h"

class CPopupWindowDlg : public CPropertyPage {
    DECLARE_DYNCREATE(CPopupWindowDlg)
public:
    enum { IDD = IDD_POPUP_WINDOW };

    CPopupWindowDlg();

    int m_nPopupWindow = 102;

// Overridables
    BOOL OnInitDialog() override;
    void OnOK() override;
};
