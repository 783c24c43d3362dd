#pragma once
// Classes in this file: CPageSetupDlg, the "Page Setup" dialog of the
// printed windows: top and left page margins (0 to 50 mm, spin arrows wrap
// around), the left, centre and right header and footer texts, and for the
// measurement tables the "Print legend" box. The caller fills it from a
// page set-up record and takes the values back after OK.

#include "afxwin.h"
#include "res/resource.h"

struct CPageSetup;

class CPageSetupDlg : public CDialog {
public:
    enum { IDD = IDD_PAGE_SETUP };

    explicit CPageSetupDlg(CWnd* pParent = nullptr);

    // Shows the dialog over a record and stores the values back on OK
    // (the legend flag only when the dialog shows its box). FALSE on Cancel.
    static bool EditPageSetup(CPageSetup& setup, bool bWithLegend, CWnd* pParent);

    bool m_bEnableLegend = false;
    bool m_bPrintLegend = true;
    CString m_sHeaderRight;
    CString m_sHeaderLeft;
    CString m_sHeaderCenter;
    CString m_sFooterRight;
    CString m_sFooterLeft;
    CString m_sFooterCenter;
    int m_nLeftMargin = 0;
    int m_nTopMargin = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnSpinMargin(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void ReadRecord(const CPageSetup& setup);
    void WriteRecord(CPageSetup& setup) const;
};
