#pragma once
// Classes in this file: CDetailsDlg, the version details of the About box:
// the program's version with its build remarks and the versions of the
// measurement-data and instrument-file libraries.

#include "afxwin.h"
#include "res/resource.h"

class CDetailsDlg : public CDialog {
public:
    enum { IDD = IDD_VERSION_DETAILS };

    explicit CDetailsDlg(CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;

    // The text the dialog shows.
    static CString GetDetailsText();
};
