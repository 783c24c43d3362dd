#pragma once
// Classes in this file: CMultiplotSetupDlg, the set-up of a multiplot
// project's graph. This stand-in edits the graph and axis titles, the range,
// the maximum and autoscale; the curve slots pass through unchanged until
// the multiplot's own dialog comes. A number the user does not edit keeps
// its exact value.

#include "MultiplotSetup.h"

#include "afxwin.h"
#include "res/resource.h"

class CMultiplotSetupDlg : public CDialog {
public:
    enum { IDD = IDD_MULTIPLOT_SETUP };

    explicit CMultiplotSetupDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CMultiplotSetup m_Setup;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
