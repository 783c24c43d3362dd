#pragma once
// Classes in this file: CTreeClipboardHost, what the tree's copy, paste and
// drag-copy ask of the tree bar and the application: the selected item, the
// application's copy buffer (records, descriptor and results) and an
// information message by string id. The tree bar implements it; tests answer
// with a scripted stand-in. CTreeItemView is the item it reports.

#include "ProjectDoc.h"

// One tree item as the copy and paste rules see it. m_pProject is null for
// the workspace item and without a selection.
struct CTreeItemView {
    CProjectDoc* m_pProject = nullptr;
    DWORD_PTR m_dwData = 0;
    bool m_bHasChildren = false;
    bool m_bProjectNode = false;
    CString m_sText;
    bool m_bHasParent = false;
    DWORD_PTR m_dwParentData = 0;  // a table id for a measurement leaf
};

class CTreeClipboardHost {
public:
    virtual ~CTreeClipboardHost() = default;

    virtual CTreeItemView GetSelection() = 0;

// The application's copy buffer
    virtual CMeasurementList& GetCopiedRecords() = 0;
    virtual CReportInfo& GetCopiedReportInfo() = 0;
    virtual CCalc& GetCopiedCalc() = 0;
    // Set once a project's description went into the buffer in this run.
    virtual void SetDescriptionCopied() = 0;

    virtual void ShowTreeMessage(UINT nIdPrompt) = 0;
};
