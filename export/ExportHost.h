#pragma once
// Classes in this file: CExportHost, what the results exporter needs of the
// program around it: the settings it reads, the string table, the program's
// version text, the system decimal separator, and the user's answers (message
// boxes, file dialogs) and the opening of a saved workbook. The program
// installs one over its windows; tests install one that records and answers.

#include "ExportSettings.h"

#include "afx.h"

class CExportHost {
public:
    virtual ~CExportHost() = default;

// What the export reads
    virtual CExportSettings GetSettings() const = 0;
    virtual CString LoadText(UINT nId) const = 0;
    // The program file's version, shortened as the about box shows it.
    virtual CString GetVersionText() const = 0;
    // The system profile's "Intl" value "sDecimal", as stored.
    virtual CString GetDecimalSetting() const = 0;

// What the user sees and answers
    virtual bool AskYesNo(const CString& sText) = 0;
    virtual void ShowMessage(const CString& sText, bool bInformation) = 0;
    // A file-open dialog; false when cancelled.
    virtual bool BrowseForOpen(CString& rsPath, const CString& sFilter, const CString& sTitle) = 0;
    // A save-as dialog that asks before replacing a file; false when cancelled.
    virtual bool BrowseForSave(CString& rsPath, const CString& sDefaultExtension, const CString& sFilter,
                               const CString& sTitle) = 0;
    // Opens a saved workbook in its application.
    virtual void Launch(const CString& sPath) = 0;
};
