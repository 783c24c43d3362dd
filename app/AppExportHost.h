#pragma once
// Classes in this file: CAppExportHost, the results exporter's host in the
// program: the application's settings, the string table, the program file's
// version, the system decimal separator, message boxes and file dialogs
// owned by the main window, and the shell opening a saved workbook.

#include "export/ExportHost.h"

class CAppExportHost : public CExportHost {
public:
    CExportSettings GetSettings() const override;
    CString LoadText(UINT nId) const override;
    CString GetVersionText() const override;
    CString GetDecimalSetting() const override;
    bool AskYesNo(const CString& sText) override;
    void ShowMessage(const CString& sText, bool bInformation) override;
    bool BrowseForOpen(CString& rsPath, const CString& sFilter, const CString& sTitle) override;
    bool BrowseForSave(CString& rsPath, const CString& sDefaultExtension, const CString& sFilter,
                       const CString& sTitle) override;
    void Launch(const CString& sPath) override;
};
