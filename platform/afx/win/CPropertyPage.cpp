#include "CPropertyPage.h"

#include "AfxDialogTemplate.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CDialog(nIDTemplate), m_psp()
{
    m_psp.dwSize = sizeof(m_psp);
    m_psp.hInstance = AfxGetResourceHandle();
    m_psp.pszTemplate = MAKEINTRESOURCE(nIDTemplate);
    m_psp.pfnDlgProc = &PageDlgProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    if (nIDCaption != 0 && m_sCaption.LoadString(nIDCaption)) {
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_sCaption;
    }
}

// The sheet makes the page's window itself; the page object takes it over
// at WM_INITDIALOG (lParam: the sheet's copy of m_psp) and has the message
// sent again through its own window procedure, so OnInitDialog runs like
// any handler of the object.
INT_PTR CALLBACK CPropertyPage::PageDlgProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg != WM_INITDIALOG || CWnd::FromHandlePermanent(hWnd) != nullptr)
        return AfxDlgProc(hWnd, nMsg, wParam, lParam);
    auto* pPage = reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGE*>(lParam)->lParam);
    pPage->m_bFirstSetActive = TRUE;
    pPage->SubclassWindow(hWnd);
    return ::SendMessage(hWnd, WM_INITDIALOG, wParam, lParam);
}

// --- operations ------------------------------------------------------------

void CPropertyPage::SetModified(BOOL bChanged)
{
    HWND hWndSheet = ::GetParent(m_hWnd);
    ::SendMessage(hWndSheet, bChanged ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CPropertyPage::CancelToClose()
{
    ::SendMessage(::GetParent(m_hWnd), PSM_CANCELTOCLOSE, 0, 0);
}

// --- the sheet's notifications ------------------------------------------------

// A dialog answers WM_NOTIFY through DWLP_MSGRESULT; the page's window
// procedure returns the answer as well, since it runs before the system's.
BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR->hwndFrom != ::GetParent(m_hWnd) || !OnSheetNotify(pNMHDR, pResult))
        return CDialog::OnNotify(wParam, lParam, pResult);
    ::SetWindowLongPtr(m_hWnd, DWLP_MSGRESULT, *pResult);
    return TRUE;
}

BOOL CPropertyPage::OnSheetNotify(const NMHDR* pNMHDR, LRESULT* pResult)
{
    switch (pNMHDR->code) {
    case PSN_SETACTIVE:
        *pResult = OnSetActive() ? 0 : -1;
        return TRUE;
    case PSN_KILLACTIVE:
        *pResult = !OnKillActive();
        return TRUE;
    case PSN_APPLY:
        *pResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        return TRUE;
    case PSN_RESET:
        OnReset();
        *pResult = 0;
        return TRUE;
    case PSN_QUERYCANCEL:
        *pResult = !OnQueryCancel();
        return TRUE;
    default:
        return FALSE;
    }
}

// --- overridables -------------------------------------------------------------

// The first activation follows OnInitDialog, which filled the controls.
BOOL CPropertyPage::OnSetActive()
{
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}

// The sheet ends itself; a page only takes note.
void CPropertyPage::OnOK()
{
}

void CPropertyPage::OnCancel()
{
}
