#pragma once
// Classes in this file: CTreeImportHost, what the import of files asks of the
// tree bar and the application besides the readers' questions: the project
// and table group selected in the tree, the project node's text, the
// assignment dialogs, opening a workspace, the correction spectra of the
// settings, the filter text of the reports, and an information message with
// a composed text. The tree bar implements it; tests answer with a scripted
// stand-in. CAssignExchange and CImportCorrections are the data it passes.

#include "ImportHost.h"

#include "NBuildData.h"
#include "ReportInfo.h"

class CProjectDoc;

// What an assignment dialog is given and what it answers. A chosen table of
// 0 or below means none.
struct CAssignExchange {
    const NBuildData* m_pChannel1 = nullptr;
    const NBuildData* m_pChannel2 = nullptr;
    const CReportInfo* m_pReportInfo = nullptr;
    CString m_sPath;
    int m_nTable1 = -1;
    int m_nTable2 = -1;
};

// The ten correction spectra of the settings and the channel each is added
// to on import (1 or 2; any other value: not added).
constexpr int kCorrectionCount = 10;
struct CImportCorrections {
    NSpectrum m_aCorrSpec[kCorrectionCount];
    int m_aChannelSelection[kCorrectionCount] = {};
};

class CTreeImportHost : public CImportHost {
public:
// The tree bar
    // The project of the tree's selection; null when none is selected.
    virtual CProjectDoc* GetSelectedProject() = 0;
    // The item data of the selection: a table id when a table group is
    // selected; 0 without a selection.
    virtual int GetSelectedGroup() = 0;
    virtual void SetProjectNodeText(CProjectDoc& doc, const CString& sText) = 0;

// The assignment dialogs: the corner dialog for corner projects. TRUE for OK.
    virtual BOOL RunAssignDialog(CAssignExchange& exchange, BOOL bCorner) = 0;

// The application
    virtual void OpenWorkspace(const CString& sPath) = 0;
    virtual CString GetAppDirectory() const = 0;
    virtual const CImportCorrections& GetCorrections() const = 0;
    virtual void SetFilterText(const CString& sText) = 0;

// An information message with a composed text.
    virtual void ShowImportText(const CString& sText) = 0;
};
