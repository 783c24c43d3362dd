#pragma once
// Classes in this file: CFolderDialog, the shell's folder browser: the user
// picks a folder of the file system, which comes back as its path.
//
//     CFolderDialog dlg("Template folder", sCurrentFolder, this);
//     if (dlg.DoModal() == IDOK)
//         sFolder = dlg.GetFolderPath();

#include "CCommonDialog.h"

#include <shlobj.h>

class CFolderDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFolderDialog)
public:
    explicit CFolderDialog(LPCTSTR lpszTitle = nullptr, LPCTSTR lpszStartFolder = nullptr,
                           CWnd* pParentWnd = nullptr);

    BROWSEINFO m_bi;

// Operations
    INT_PTR DoModal() override;  // IDOK once a file-system folder was picked

// Attributes
    CString GetFolderPath() const { return m_sFolderPath; }
    // For a test's hook: the folder the user picked.
    void SetFolderPath(LPCTSTR lpszPath) { m_sFolderPath = lpszPath; }

private:
    static int CALLBACK BrowseCallback(HWND hWnd, UINT nMsg, LPARAM lParam, LPARAM lpData);
    BOOL Browse();

    CString m_sTitle;
    CString m_sStartFolder;
    CString m_sFolderPath;
};
