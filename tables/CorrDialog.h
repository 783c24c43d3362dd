#pragma once
// Classes in this file: CCorrDialog, the channel corrections dialog of
// Extras > Corrections Set-up...: the corrections grid with Copy and Print;
// OK writes the grid into the settings, Cancel leaves them as they were.

#include "CorrGrid.h"

#include "afxwin.h"
#include "res/resource.h"

class CCorrDialog : public CDialog {
public:
    enum { IDD = IDD_CORRECTIONS };

    explicit CCorrDialog(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CCorrGrid m_grid;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnCopy();
    afx_msg void OnPrint();

    DECLARE_MESSAGE_MAP()

private:
    // Every page of the grid, each under the centred title.
    void PrintPages(CDC& dc);
};
