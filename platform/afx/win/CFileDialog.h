#pragma once
// Classes in this file: CFileDialog, the system's open or save dialog. The
// filter is "Text (*.txt)|*.txt|All Files (*.*)|*.*||". With
// OFN_ALLOWMULTISELECT the names come one by one:
//
//     POSITION pos = dlg.GetStartPosition();
//     while (pos != nullptr)
//         Import(dlg.GetNextPathName(pos));
//
// A caller may give a larger name buffer in m_ofn.lpstrFile / nMaxFile.

#include "CCommonDialog.h"

#include <vector>

class CFileDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);

    OPENFILENAME m_ofn;

// Operations
    INT_PTR DoModal() override;

// Attributes (after IDOK)
    CString GetPathName() const;   // the first chosen file
    CString GetFileName() const;   // its name with extension
    CString GetFileExt() const;    // its extension without the point
    CString GetFileTitle() const;  // its name without extension
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& pos) const;

private:
    BOOL m_bOpenFileDialog;
    CString m_sDefExt;
    std::vector<char> m_filter;
    char m_szFileName[MAX_PATH] = {};
};
