#pragma once
// Classes in this file: CWorkspaceTree, what the workspace commands and the
// project documents tell the tree bar: build a project's subtree, name the
// workspace item, mark the active project, and empty the tree. The tree bar
// implements it; the main frame hands it to the application
// (CVestolarApp::m_pWorkspaceTree) while the bar exists.

#include "afx.h"

class CDocument;

class CWorkspaceTree {
public:
    virtual ~CWorkspaceTree() = default;

    virtual int FillTree(CDocument* pDoc) = 0;
    virtual void SetRootText(CString sText) = 0;
    virtual void MarkActiveProject(int nProjectNumber) = 0;
    // Deletes every item and hides the tree; the next FillTree starts the
    // workspace item again.
    virtual void ClearTree() = 0;
};
