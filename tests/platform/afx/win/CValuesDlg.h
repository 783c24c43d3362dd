#pragma once
// Classes in this file: CValuesDlg, the dialog of the dialog tests: one
// member per kind of exchange, with the checks a program's dialog makes.

#include "afxwin.h"

#include "DialogTestResources.h"

class CValuesDlg : public CDialog {
public:
    enum { IDD = IDD_TEST_VALUES };
    explicit CValuesDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CString m_sName = "Hall 3";
    int m_nCount = 12;         // 1 to 44
    double m_dFactor = 0.1;    // 0.05 to 2.5
    UINT m_nUnsigned = 7;
    int m_nLegend = 1;
    int m_nRadio = 2;
    int m_nCombo = 1;          // "Octave", "Third", "Narrow"
    int m_nList = 1;           // "Alpha", "Beta"
    CEdit m_editName;

    BOOL m_bInitDialogSawControls = FALSE;
    int m_nNameChanges = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnNameChange();

    DECLARE_MESSAGE_MAP()
};
