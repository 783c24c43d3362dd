#pragma once
// Classes in this file: CCommonDialog, the base of the system's common
// dialogs (file, print, folder, find). DoModal of each runs the system's
// dialog through RunSystemDialog, where a test hook may answer in its place:
//
//     AfxSetCommonDialogHook([](CCommonDialog& dlg) {
//         auto& fileDlg = static_cast<CFileDialog&>(dlg);
//         ... fill fileDlg.m_ofn.lpstrFile ...
//         return IDOK;
//     });

#include "CDialog.h"

#include <functional>

class CCommonDialog;

// Answers a common dialog in place of the system: returns IDOK or IDCANCEL
// after filling the dialog's data. An empty hook brings the system back.
using AfxCommonDialogHook = std::function<INT_PTR(CCommonDialog& dlg)>;
void AfxSetCommonDialogHook(AfxCommonDialogHook hook);

class CCommonDialog : public CDialog {
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd) : CDialog(static_cast<UINT>(0), pParentWnd) {}

protected:
    // The system's dialog handles its own buttons.
    void OnOK() override;
    void OnCancel() override;

    // The hook's answer, or showSystemDialog's (TRUE for IDOK).
    INT_PTR RunSystemDialog(const std::function<BOOL()>& showSystemDialog);
};
