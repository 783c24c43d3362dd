#include "CFolderDialog.h"

IMPLEMENT_DYNAMIC(CFolderDialog, CCommonDialog)

CFolderDialog::CFolderDialog(LPCTSTR lpszTitle, LPCTSTR lpszStartFolder, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_bi(), m_sTitle(lpszTitle), m_sStartFolder(lpszStartFolder)
{
    m_bi.lpszTitle = m_sTitle;
    m_bi.ulFlags = BIF_RETURNONLYFSDIRS;
    m_bi.lpfn = &BrowseCallback;
    m_bi.lParam = reinterpret_cast<LPARAM>(this);
}

INT_PTR CFolderDialog::DoModal()
{
    if (m_bi.hwndOwner == nullptr)
        m_bi.hwndOwner = ModalOwner();
    m_sFolderPath.Empty();
    return RunSystemDialog([this] { return Browse(); });
}

// A folder outside the file system (the printers, say) has no path: that
// counts as no choice.
BOOL CFolderDialog::Browse()
{
    char szDisplayName[MAX_PATH] = {};
    m_bi.pszDisplayName = szDisplayName;
    LPITEMIDLIST pidl = ::SHBrowseForFolder(&m_bi);
    m_bi.pszDisplayName = nullptr;
    if (pidl == nullptr)
        return FALSE;
    char szPath[MAX_PATH] = {};
    BOOL bHasPath = ::SHGetPathFromIDList(pidl, szPath);
    ::CoTaskMemFree(pidl);
    if (bHasPath)
        m_sFolderPath = szPath;
    return bHasPath;
}

// The browser opens on the start folder.
int CALLBACK CFolderDialog::BrowseCallback(HWND hWnd, UINT nMsg, LPARAM, LPARAM lpData)
{
    auto* pDlg = reinterpret_cast<CFolderDialog*>(lpData);
    if (nMsg == BFFM_INITIALIZED && !pDlg->m_sStartFolder.IsEmpty())
        ::SendMessage(hWnd, BFFM_SETSELECTION, TRUE,
                      reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(pDlg->m_sStartFolder)));
    return 0;
}
