#pragma once
// Classes in this file: CPropertySheet, the system's modal property sheet
// over CPropertyPage objects the caller owns:
//
//     CPropertySheet sheet(IDS_OPTIONS);
//     sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
//     sheet.AddPage(&generalPage);
//     if (sheet.DoModal() == IDOK) ...

#include "CWnd.h"

#include <prsht.h>

#include <vector>

class CPropertyPage;

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    PROPSHEETHEADER m_psh;

// Pages
    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    int GetPageCount() const;
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);

// Operations
    virtual INT_PTR DoModal();  // IDOK or IDCANCEL; -1 if no sheet came up
    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);
    void PressButton(int nButton);
    CWnd* GetTabControl() const;

private:
    static int CALLBACK SheetCallback(HWND hWnd, UINT nMsg, LPARAM lParam);

    CWnd* m_pParentWnd;
    CString m_sCaption;
    std::vector<CPropertyPage*> m_pages;
};
