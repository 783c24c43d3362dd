#pragma once
// Classes in this file: CExportOption, the options page of the export: the
// folder of the template workbooks, whether the exported file opens in its
// application, and the export target (a workbook or a Word report). The
// main frame hands it the launch flag and the folder and takes them back
// after OK; the target it reads and writes itself (m_nExportTyp).

#include "afxwin.h"
#include "res/resource.h"

class CExportOption : public CPropertyPage {
    DECLARE_DYNCREATE(CExportOption)
public:
    enum { IDD = IDD_EXPORT_OPTION };
    // The export targets of m_nExportTyp.
    enum { kExportExcel = 11, kExportWord = 12 };

    CExportOption();

    int m_bLaunchExcel = FALSE;
    CString m_sTemplateDir;

// Overridables
    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnBrowse();

    DECLARE_MESSAGE_MAP()
};
