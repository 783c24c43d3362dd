#pragma once
// Classes in this file: CRiroReadDlg, the dialog that reads the analyser's
// spectra: port, register and the titles of the two channels' spectra.

#include "afxwin.h"
#include "res/resource.h"

class CRiroSetup;

class CRiroReadDlg : public CDialog {
public:
    enum { IDD = IDD_RIRO_READ };

    CRiroReadDlg() : CDialog(IDD) {}

    BOOL OnInitDialog() override;

    CComboBox m_cbCom;
    CString m_sTitle;
    CString m_sTitle2;
    CRiroSetup* m_pSetup = nullptr;
    int m_nRdBttn = IDC_RIRO_LAST;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    afx_msg void OnAveraged();
    afx_msg void OnLast();

    DECLARE_MESSAGE_MAP()
};
