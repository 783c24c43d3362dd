#pragma once
// Classes in this file: CLookOptionDlg, the options page of the program's
// look: the skin "Classic", "Office XP" or "Office 2003". The main frame
// hands it the skin name and applies the chosen one after OK.

#include "afxwin.h"
#include "res/resource.h"

class CLookOptionDlg : public CPropertyPage {
    DECLARE_DYNCREATE(CLookOptionDlg)
public:
    enum { IDD = IDD_LOOK_OPTION };

    CLookOptionDlg();

    CString m_sSkin = "Office XP";

// Overridables
    BOOL OnInitDialog() override;
    void OnOK() override;
};
