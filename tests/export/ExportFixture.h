#pragma once
// Classes in this file: CExportTestHost, an export host that answers from
// its members and records what the user would have seen; CExportFixture,
// the test base that writes template workbooks into the test's folder,
// builds projects and reads the exported workbooks back.

#include "export/ExportHost.h"
#include "export/ResultsExporter.h"

#include "ProjectDoc.h"
#include "Workbook.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

class CExportTestHost : public CExportHost {
public:
    CExportSettings m_Settings;
    CString m_sDecimal = ".";
    bool m_bAnswerYes = false;
    std::deque<CString> m_aOpenAnswers;    // the files chosen in turn; none left: cancelled
    bool m_bSaveConfirmed = true;
    CString m_sSaveAnswer;                 // empty: the proposed name is taken
    std::vector<CString> m_aQuestions, m_aMessages, m_aSaveProposals, m_aLaunched;

    CExportSettings GetSettings() const override { return m_Settings; }
    CString LoadText(UINT nId) const override;
    CString GetVersionText() const override { return "4.2 (released)"; }
    CString GetDecimalSetting() const override { return m_sDecimal; }
    bool AskYesNo(const CString& sText) override;
    void ShowMessage(const CString& sText, bool bInformation) override { m_aMessages.push_back(sText); }
    bool BrowseForOpen(CString& rsPath, const CString& sFilter, const CString& sTitle) override;
    bool BrowseForSave(CString& rsPath, const CString& sDefaultExtension, const CString& sFilter,
                       const CString& sTitle) override;
    void Launch(const CString& sPath) override { m_aLaunched.push_back(sPath); }
};

class CExportFixture : public testing::Test {
public:
    static void SetBand(NSpectrum& spec, int nBand, double dValue, int nStatus = 1);
    static void AddSummary(CProjectDoc& doc, int nTableId, int nBand, double dValue);

protected:
    CExportFixture();
    ~CExportFixture() override;

    // A folder, removed with the test's files.
    void MakeFolder(const char* pName);
    // A template of that many sheets named "Sheet1", ... under the path.
    void WriteTemplate(const CString& sPath, int nSheets = 5);
    // The project's template "tpl\<name>.xlsx" and its result cells cleared.
    CProjectDoc& NewProject(const CString& sTemplateName = "method.xls");
    // The exported workbook's sheet (0-based), read back from the file.
    CWorkbookSheet& ReadBack(const CString& sPath, int nSheet);
    // Exports the project to "out.xlsx" on sheet 1 of a one-sheet template
    // (or its "_Multi" form).
    CWorkbookSheet& ExportToSheet(CProjectDoc& doc);

    CExportTestHost m_Host;
    std::unique_ptr<CProjectDoc> m_pDoc;
    std::vector<CString> m_aFiles;
    std::vector<std::string> m_aFolders;
    CWorkbook m_Readback;
};

// Cell checks of a read-back sheet, by A1 address.
struct CExpectedCell {
    const char* pAddress;
    CWorkbookSheet::CellType nType;
    double dNumber;
    const char* pText;
};
void ExpectCells(const CWorkbookSheet& sheet, const std::vector<CExpectedCell>& aCells);
