#pragma once
// Classes in this file: CMFCToolBar, the root of the toolkit's toolbars: the
// framework's toolbar with no data of its own, whose creation and bar style
// derived bars can take over.

#include "afxwin.h"

class CMFCToolBar : public CToolBar {
    DECLARE_DYNAMIC(CMFCToolBar)
public:
    CMFCToolBar() = default;

    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                          CRect rcBorders = CRect(0, 0, 0, 0), UINT nID = AFX_IDW_TOOLBAR);
    virtual void SetBarStyle(DWORD dwStyle);
};
