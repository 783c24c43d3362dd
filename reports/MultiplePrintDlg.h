#pragma once
// Classes in this file: CMultiplePrintDlg, the "Multiple Print" dialog: one
// check box per window kind that multiple print can print for every project
// (test report, result and correction tables, measurement tables,
// multiplot table), exchanged as a selection mask, one bit per box.

#include "afxwin.h"
#include "res/resource.h"

class CMultiplePrintDlg : public CDialog {
public:
    enum { IDD = IDD_MULTIPLE_PRINT };
    enum { kBoxCount = 13 };

    explicit CMultiplePrintDlg(CWnd* pParent = nullptr);

    DWORD m_nPrintSelection = 0;  // bit n: box IDC_PRINT_TEST_REPORT + n
    int m_bChecked[kBoxCount] = {};

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
};
