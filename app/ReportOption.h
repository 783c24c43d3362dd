#pragma once
// Classes in this file: CReportOption, the options page of the test report:
// the extended input options, the text that marks a background noise too
// high, and the marks of measurement limit values. The main frame hands it
// the text and takes it back; the two flags it reads and writes itself
// (m_bExtendedReport, m_bShowReportBgnIndex).

#include "afxwin.h"
#include "res/resource.h"

class CReportOption : public CPropertyPage {
    DECLARE_DYNCREATE(CReportOption)
public:
    enum { IDD = IDD_REPORT_OPTION };

    CReportOption();

    CString m_sTextBgnTooHigh;

// Overridables
    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
