#pragma once
// Classes in this file: CMultiTree, the tree control of the tree bar. Its
// drop target takes files and folders dragged from the shell onto the bar
// and hands them to the file importer the bar names.

#include "TreeDropTarget.h"

#include "CTreeCtrl.h"

class CTreeFileImporter;

class CMultiTree : public CTreeCtrl {
public:
    // Registers the tree's drop target for pWnd (the bar) with this tree as
    // its owner; the framework's registration result.
    BOOL RegisterDropTarget(CWnd* pWnd) { return m_dropTarget.Register(this, pWnd); }

    void SetFileImporter(CTreeFileImporter* pImporter) { m_pFileImporter = pImporter; }
    CTreeFileImporter* GetFileImporter() const { return m_pFileImporter; }
    CTreeDropTarget& GetDropTarget() { return m_dropTarget; }

    // Gives hItem the drop highlight; null removes it.
    void SetDropHighlight(HTREEITEM hItem);

private:
    CTreeDropTarget m_dropTarget;
    CTreeFileImporter* m_pFileImporter = nullptr;
};
