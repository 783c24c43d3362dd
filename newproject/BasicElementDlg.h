#pragma once
// Classes in this file: CBasicElementDlg, the question a laboratory
// improvement method asks when it is chosen: on which basic element the
// lining or covering was measured.

#include "afxwin.h"
#include "res/resource.h"

class CBasicElementDlg : public CDialog {
public:
    enum { IDD = IDD_BASIC_ELEMENT };

    // The basic elements, in the order of their buttons.
    enum { kHeavyweightWall, kHeavyweightFloor, kLightweightWall, kDirect };

    explicit CBasicElementDlg(CWnd* pParent = nullptr);

    int m_nBasicElement = kHeavyweightWall;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
