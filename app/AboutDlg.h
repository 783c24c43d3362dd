#pragma once
// Classes in this file: CAboutDlg, Help > About Vestolar...: the program's
// version and copyright from its own version resource, the maker's web page
// and mail address as links, and Details for the version details.

#include "CTKStaticHyperLink.h"
#include "afxwin.h"
#include "res/resource.h"

class CAboutDlg : public CDialog {
public:
    enum { IDD = IDD_ABOUTBOX };

    explicit CAboutDlg(CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;

    CTKStaticHyperLink m_wndWebPage;
    CTKStaticHyperLink m_wndMail;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnDetails();

    DECLARE_MESSAGE_MAP()
};
