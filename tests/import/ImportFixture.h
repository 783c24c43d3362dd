#pragma once
// A scripted tree and application for the import tests: one selected
// project (a field airborne project unless the test sets another kind), the
// selected group, dialog answers given in advance, and every message, node
// text, dialog and workspace recorded. The project host counts the result
// passes, one per recalculation.

#include "import/ImportDispatcher.h"

#include "model/ProjectTestSupport.h"
#include "tools/fixtures/CFixtureFolder.h"

#include <string>
#include <vector>

class CScriptedImportHost : public CTreeImportHost {
public:
    int GetReverbImport() const override { return 2; }
    void ShowImportMessage(UINT nIdPrompt) override;
    CProjectDoc* GetSelectedProject() override { return m_pProject; }
    int GetSelectedGroup() override { return m_nGroup; }
    void SetProjectNodeText(CProjectDoc& doc, const CString& sText) override;
    BOOL RunAssignDialog(CAssignExchange& exchange, BOOL bCorner) override;
    void OpenWorkspace(const CString& sPath) override { m_aWorkspaces.push_back(static_cast<LPCTSTR>(sPath)); }
    CString GetAppDirectory() const override { return m_sAppDir; }
    const CImportCorrections& GetCorrections() const override { return m_Corrections; }
    void SetFilterText(const CString& sText) override { m_sFilterText = sText; }
    void ShowImportText(const CString& sText) override { m_aMessages.push_back(static_cast<LPCTSTR>(sText)); }

    CProjectDoc* m_pProject = nullptr;
    int m_nGroup = 0;
    BOOL m_bDialogOk = TRUE;
    int m_nDialogTable1 = -1;
    int m_nDialogTable2 = -1;
    CString m_sAppDir;
    CImportCorrections m_Corrections;
    CString m_sFilterText;
    std::vector<std::string> m_aMessages;
    std::vector<std::string> m_aNodeTexts;
    std::vector<std::string> m_aWorkspaces;
    std::vector<CAssignExchange> m_aDialogs;
};

class CImportFixture {
public:
    CImportFixture();

    // Imports the files (paths relative to the fixture folder); the result of
    // the batch.
    int Import(const std::vector<std::string>& aRelativePaths);
    std::string PathOf(const std::string& sRelativePath) const { return m_folder.PathOf(sRelativePath); }
    int CountOf(int nTableId) { return m_doc.GetMeasurementList(nTableId)->GetCount() - 1; }  // without the summary
    // The filed records of a table, without its summary record.
    std::vector<NBuildData> RecordsOf(int nTableId);
    int Recalculations() const;
    void SetKind(const std::vector<bool CReportInfo::*>& aFlags) { m_doc.m_ReportInfo = KindWith(aFlags); }
    // Correction spectrum i: dValue dB in every band, added to channel nChannel.
    void SetCorrection(int i, int nChannel, double dValue);

    CFixtureFolder m_folder;
    CRecordingHost m_projectHost;
    CProjectDoc m_doc;
    CScriptedImportHost m_host;
    CImportDispatcher m_dispatcher{m_host};
};

// The text of a string-table entry.
std::string StringOf(UINT nId);
