#pragma once
// Classes in this file: CTreeDropTarget, the tree bar's target for files and
// folders dragged from the shell. It offers a copy over "Measurement data",
// a project node and a table group that files can go to, and hands the
// dropped paths, folders expanded, to the tree's file importer with the
// group under the cursor selected. A dropped path that names nothing is
// reported with its full name.

#include "COleDropTarget.h"

class CMultiTree;

class CTreeDropTarget : public COleDropTarget {
public:
    // Registers the target for pWnd (the tree's bar) with pTree as its owner.
    BOOL Register(CMultiTree* pTree, CWnd* pWnd);

    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;

private:
    HTREEITEM HitItem(CWnd* pWnd, CPoint point) const;
    bool CanTakeFiles(HTREEITEM hItem) const;
    static HGLOBAL FetchFileList(COleDataObject* pDataObject);
    static void ReportMissing(const CStringArray& missing);

    CMultiTree* m_pTree = nullptr;
    bool m_bCanDrop = false;
    HTREEITEM m_hDropItem = nullptr;
};
