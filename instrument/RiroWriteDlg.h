#pragma once
// Classes in this file: CRiroWriteDlg, the analyser's set-up dialog: the
// measurement kind with its full scales, averages, background-noise
// distance, MLS and channels, range checks, spin buttons and help documents.

#include "RiroSettings.h"

#include "afxwin.h"
#include "res/resource.h"

class CRiroSetup;
struct CRiroField;

class CRiroWriteDlg : public CDialog {
public:
    enum { IDD = IDD_RIRO_WRITE };

    CRiroWriteDlg() : CDialog(IDD) {}

    BOOL OnInitDialog() override;

    CRiroSettings m_Settings;
    CRiroSetup* m_pSetup = nullptr;
    CComboBox m_cbCom;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnKind(UINT nID);
    afx_msg void OnMls();
    afx_msg void OnFieldKillFocus(UINT nID);
    afx_msg void OnSpin(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnHelpButton(UINT nID);

    DECLARE_MESSAGE_MAP()

private:
    void UpdateEnabledState();
    void ReadCheckBoxes();
    bool CheckField(const CRiroField& field);
    bool CheckEnabledFields();

    bool m_bChecksSuspended = false;
};
