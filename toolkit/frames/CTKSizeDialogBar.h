#pragma once
// Classes in this file: CTKSizeDialogBar, a sizable bar filled with a dialog
// template. Stand-in: the bar's window is the dialog itself (so its data
// exchange and its controls' notifications are the bar's), docked on the
// edge of its style at the template's thickness; the controls do not yet
// follow the bar's size (TKSBS_RESIZECHILDREN is kept, not acted on).

#include "CTKSizeControlBar.h"

class CTKSizeDialogBar : public CTKSizeControlBar {
    DECLARE_DYNAMIC(CTKSizeDialogBar)
public:
    explicit CTKSizeDialogBar(DWORD dwSizeBarStyle = 0);

    // nStyle: the bar style (CBRS_LEFT, ...). Nonzero on success.
    BOOL Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, UINT nID);
    BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID)
    {
        return Create(pParentWnd, MAKEINTRESOURCE(nIDTemplate), nStyle, nID);
    }

    // The bar's dialog is initialised: its controls exist.
    virtual BOOL OnInitDialog();

    CSize m_sizeTemplate;

protected:
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
