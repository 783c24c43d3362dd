#include "CPropertySheet.h"

#include "AfxDialogTemplate.h"
#include "CPropertyPage.h"

#include <algorithm>
#include <cassert>

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

namespace {

// The sheet whose window the system is making; its callback has no data.
CPropertySheet* s_pSheetInit = nullptr;

}  // namespace

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(static_cast<LPCTSTR>(nullptr), pParentWnd, iSelectPage)
{
    m_sCaption.LoadString(nIDCaption);
    m_psh.pszCaption = m_sCaption;
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_psh(), m_pParentWnd(pParentWnd), m_sCaption(pszCaption)
{
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    m_psh.pszCaption = m_sCaption;
    m_psh.nStartPage = iSelectPage;
    m_psh.pfnCallback = &SheetCallback;
}

// --- pages ---------------------------------------------------------------------

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    assert(pPage != nullptr);
    m_pages.push_back(pPage);
    if (m_hWnd != nullptr)
        ::SendMessage(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(::CreatePropertySheetPage(&pPage->m_psp)));
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    int nPage = GetPageIndex(pPage);
    if (nPage < 0)
        return;
    if (m_hWnd != nullptr)
        ::SendMessage(m_hWnd, PSM_REMOVEPAGE, static_cast<WPARAM>(nPage), 0);
    m_pages.erase(m_pages.begin() + nPage);
}

int CPropertySheet::GetPageCount() const { return static_cast<int>(m_pages.size()); }

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    assert(nPage >= 0 && nPage < GetPageCount());
    return m_pages[static_cast<size_t>(nPage)];
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    auto found = std::find(m_pages.begin(), m_pages.end(), pPage);
    return found != m_pages.end() ? static_cast<int>(found - m_pages.begin()) : -1;
}

// Before the sheet is up, the page it will start with.
int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == nullptr)
        return static_cast<int>(m_psh.nStartPage);
    HWND hWndPage = reinterpret_cast<HWND>(::SendMessage(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
    for (int nPage = 0; nPage < GetPageCount(); ++nPage) {
        if (m_pages[static_cast<size_t>(nPage)]->m_hWnd == hWndPage)
            return nPage;
    }
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    int nPage = GetActiveIndex();
    return nPage >= 0 && nPage < GetPageCount() ? GetPage(nPage) : nullptr;
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (m_hWnd == nullptr) {
        m_psh.nStartPage = static_cast<UINT>(nPage);
        return TRUE;
    }
    return static_cast<BOOL>(::SendMessage(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(nPage), 0));
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    int nPage = GetPageIndex(pPage);
    return nPage >= 0 && SetActivePage(nPage);
}

// --- running the sheet -------------------------------------------------------------

// The sheet window is taken over once the system has made it, so its
// messages pass through the object (and its PreTranslateMessage).
int CALLBACK CPropertySheet::SheetCallback(HWND hWnd, UINT nMsg, LPARAM)
{
    if (nMsg == PSCB_INITIALIZED && s_pSheetInit != nullptr) {
        s_pSheetInit->SubclassWindow(hWnd);
        s_pSheetInit = nullptr;
    }
    return 0;
}

// The system returns a positive value when the sheet ended with OK, 0 for
// Cancel.
INT_PTR CPropertySheet::DoModal()
{
    assert(m_hWnd == nullptr && !m_pages.empty());
    std::vector<PROPSHEETPAGE> pages;
    for (CPropertyPage* pPage : m_pages)
        pages.push_back(pPage->m_psp);
    m_psh.dwFlags |= PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    m_psh.dwFlags &= ~PSH_MODELESS;
    m_psh.pfnCallback = &SheetCallback;
    m_psh.nPages = static_cast<UINT>(pages.size());
    m_psh.ppsp = pages.data();
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.hwndParent = AfxModalOwner(m_pParentWnd);

    CPropertySheet* pOuterSheet = s_pSheetInit;
    s_pSheetInit = this;
    INT_PTR nResult = ::PropertySheet(&m_psh);
    s_pSheetInit = pOuterSheet;
    m_psh.ppsp = nullptr;
    if (nResult < 0)
        return -1;
    return nResult > 0 ? IDOK : IDCANCEL;
}

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT nStyle)
{
    m_sCaption = lpszText;
    m_psh.pszCaption = m_sCaption;
    m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
    if (m_hWnd != nullptr)
        ::SendMessage(m_hWnd, PSM_SETTITLE, nStyle, reinterpret_cast<LPARAM>(lpszText));
}

void CPropertySheet::PressButton(int nButton)
{
    ::SendMessage(m_hWnd, PSM_PRESSBUTTON, static_cast<WPARAM>(nButton), 0);
}

CWnd* CPropertySheet::GetTabControl() const
{
    return CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessage(m_hWnd, PSM_GETTABCONTROL, 0, 0)));
}
