#include "CDialog.h"

#include "AfxDialogTemplate.h"
#include "CWinApp.h"
#include "CWndCreationScope.h"

#include <cassert>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

// The message filter of the system's modal dialog loop, installed by the
// outermost DoModal of the thread.
HHOOK s_hFilterHook = nullptr;

}  // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd)
{
}

// --- modal ---------------------------------------------------------------

// The owner is the top-level window of the parent, else of the main window;
// the system disables it while the dialog runs.
HWND CDialog::ModalOwner() const
{
    CWnd* pParent = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
    HWND hWndOwner = pParent->GetSafeHwnd();
    if (hWndOwner != nullptr && (::GetWindowLongPtr(hWndOwner, GWL_STYLE) & WS_CHILD))
        hWndOwner = ::GetAncestor(hWndOwner, GA_ROOT);
    return hWndOwner;
}

// The system's dialog loop runs the dialog; the message filter gives the
// windows under the dialog their PreTranslateMessage (tool tips, keys), as
// the application's own loop does for its frames.
INT_PTR CDialog::DoModal()
{
    assert(m_hWnd == nullptr);
    LPCDLGTEMPLATE lpDialogTemplate = AfxLoadDialogTemplate(m_lpszTemplateName);
    if (lpDialogTemplate == nullptr)
        return -1;
    const BOOL bOuterModal = s_hFilterHook == nullptr;
    if (bOuterModal)
        s_hFilterHook = ::SetWindowsHookEx(WH_MSGFILTER, &MessageFilterHook, nullptr, ::GetCurrentThreadId());
    INT_PTR nResult = -1;
    {
        CWndCreationScope scope(this, WC_DIALOG);
        nResult = ::DialogBoxIndirectParam(AfxGetResourceHandle(), lpDialogTemplate, ModalOwner(),
                                           &AfxDlgProc, 0);
    }
    if (bOuterModal) {
        ::UnhookWindowsHookEx(s_hFilterHook);
        s_hFilterHook = nullptr;
    }
    return nResult;
}

LRESULT CALLBACK CDialog::MessageFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    auto* pMsg = reinterpret_cast<MSG*>(lParam);
    if (nCode == MSGF_DIALOGBOX && pMsg->hwnd != nullptr &&
        CWnd::WalkPreTranslateTree(::GetAncestor(pMsg->hwnd, GA_ROOT), pMsg))
        return TRUE;
    return ::CallNextHookEx(s_hFilterHook, nCode, wParam, lParam);
}

void CDialog::EndDialog(int nResult)
{
    assert(::IsWindow(m_hWnd));
    ::EndDialog(m_hWnd, nResult);
}

// --- modeless ------------------------------------------------------------

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszTemplateName));
    m_pParentWnd = pParentWnd;
    return CreateDlg(lpszTemplateName, pParentWnd != nullptr ? pParentWnd : AfxGetMainWnd());
}

// --- operations ----------------------------------------------------------

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->GetSafeHwnd()), TRUE);
}

void CDialog::NextDlgCtrl() const
{
    ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 0, FALSE);
}

void CDialog::PrevDlgCtrl() const
{
    ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 1, FALSE);
}

void CDialog::SetDefID(UINT nID)
{
    SendMessage(DM_SETDEFID, nID);
}

DWORD CDialog::GetDefID() const
{
    return static_cast<DWORD>(::SendMessage(m_hWnd, DM_GETDEFID, 0, 0));
}

// --- overridables --------------------------------------------------------

// The members go into the controls; TRUE lets the system focus the first
// control.
BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

// Keys of a modeless dialog (Tab, Enter, Esc) work as in a modal one.
BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    return pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
           ::IsDialogMessage(m_hWnd, pMsg);
}

// A value that fails its check keeps the dialog open.
void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
