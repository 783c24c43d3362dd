#pragma once
// Classes in this file: CBarTestDialogBar, a dialog bar that exchanges a
// name and a count (0 to 99) with its edits.

#include "afxwin.h"

class CBarTestDialogBar : public CDialogBar {
public:
    CBarTestDialogBar() = default;

    CString m_sName;
    int m_nCount = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
