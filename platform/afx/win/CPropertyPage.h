#pragma once
// Classes in this file: CPropertyPage, one page of a CPropertySheet, made
// from a dialog template of the resource module when the sheet first shows
// it. The sheet's notifications arrive as the virtual On... members:
// leaving a page saves its controls (OnKillActive, a failed check keeps the
// page), OK gives every page made so far OnApply → OnOK, Cancel gives
// OnReset → OnCancel.

#include "CDialog.h"

#include <prsht.h>

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);

    PROPSHEETPAGE m_psp;

// Operations
    void SetModified(BOOL bChanged = TRUE);
    void CancelToClose();

// Overridables
    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual BOOL OnQueryCancel();
    void OnOK() override;
    void OnCancel() override;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    static INT_PTR CALLBACK PageDlgProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    BOOL OnSheetNotify(const NMHDR* pNMHDR, LRESULT* pResult);

    CString m_sCaption;
    BOOL m_bFirstSetActive = TRUE;
};
