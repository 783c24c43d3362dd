#pragma once
// Classes in this file: CKelWmfCellType, the grid cell type that shows a
// graph exported as a metafile file: the file is loaded once into the
// held picture and deleted, and the picture is played into the cell.

#include "CKelMetaFile.h"

#include "grid/CGRCellType.h"

class CKelWmfCellType : public CGRCellType {
public:
    ~CKelWmfCellType() override;

    // The graph file the grid's chart writes; empty draws nothing.
    void SetGraphFile(const CString& sGraphFile) { m_sGraphFile = sGraphFile; }
    const CString& GetGraphFile() const { return m_sGraphFile; }
    CKelMetaFile& GetMetaFile() { return m_MetaFile; }

    // Loads the graph file when there is one, and deletes it. A view calls
    // it right after its export, so the picture shown is the one exported
    // in that update whatever other views write to the same file later.
    // TRUE when a new picture is held.
    BOOL LoadGraphFile();

    void OnDraw(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell, int nSelected,
                int nCurrent) override;

private:
    CString m_sGraphFile;
    CKelMetaFile m_MetaFile;
};
