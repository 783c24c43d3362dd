#include "CKelWmfCellType.h"

#include "grid/CGRCell.h"

#include "CDC.h"

CKelWmfCellType::~CKelWmfCellType() = default;

// A missing file is the normal state between two exports. A file that is
// there but no metafile is deleted too, so it is not tried at every draw;
// the picture held before stays.
BOOL CKelWmfCellType::LoadGraphFile()
{
    if (m_sGraphFile.IsEmpty() || ::GetFileAttributesA(m_sGraphFile) == INVALID_FILE_ATTRIBUTES)
        return FALSE;
    const BOOL bLoaded = m_MetaFile.Load(m_sGraphFile) != nullptr;
    ::DeleteFileA(m_sGraphFile);
    return bLoaded;
}

// On the screen the picture keeps its own pixel size, standing on the
// cell's bottom-left corner; on paper it fills the cell.
void CKelWmfCellType::OnDraw(CDC* pDC, CRect* pRect, int, int, CGRCell* pCell, int nSelected, int)
{
    if (m_sGraphFile.IsEmpty())
        return;
    pDC->FillSolidRect(pRect, nSelected ? pCell->GetHighlightBackColor() : pCell->GetBackColor());
    LoadGraphFile();
    if (!m_MetaFile.GetHandle())
        return;
    CRect target = *pRect;
    if (!pDC->IsPrinting()) {
        const CRect& device = m_MetaFile.m_rcDevice;
        target = CRect(pRect->left, pRect->bottom - device.bottom, pRect->left + device.right, pRect->bottom);
    }
    pDC->PlayMetaFile(m_MetaFile.GetHandle(), &target);
}
