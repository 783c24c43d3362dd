#pragma once
// Classes in this file: CInitCorrDlg, the small dialog of the channel
// corrections' "Init" button: one correction value, typed into a numeric
// edit with one fractional digit, for every band of a spectrum.

#include "afxwin.h"
#include "res/resource.h"
#include "toolkit/skins/CTKNumericEdit.h"

class CInitCorrDlg : public CDialog {
public:
    enum { IDD = IDD_INIT_CORRECTION };

    explicit CInitCorrDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CTKNumericEdit m_edit;
    CString m_sValue;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnValueChange();

    DECLARE_MESSAGE_MAP()
};
