#pragma once
// Classes in this file: CDialog, a dialog box made from a template of the
// resource module (AfxGetResourceHandle, so a language library replaces
// it): modal through DoModal, modeless through Create.
//
//     class CLimitsDlg : public CDialog {
//     public:
//         enum { IDD = 151 };
//         explicit CLimitsDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}
//     protected:
//         void DoDataExchange(CDataExchange* pDX) override;
//     };

#include "CWnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);

// Modal
    virtual INT_PTR DoModal();  // the value given to EndDialog; -1 if no dialog came up
    void EndDialog(int nResult);

// Modeless
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);

// Operations
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void SetDefID(UINT nID);
    DWORD GetDefID() const;

// Overridables
    virtual BOOL OnInitDialog();
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    virtual void OnOK();
    virtual void OnCancel();

    LPCTSTR m_lpszTemplateName = nullptr;
    UINT m_nIDHelp = 0;
    CWnd* m_pParentWnd = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    HWND ModalOwner() const;
    static LRESULT CALLBACK MessageFilterHook(int nCode, WPARAM wParam, LPARAM lParam);
};
