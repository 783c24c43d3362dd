#include "CGRCellType.h"

#include "CGRCell.h"
#include "CGRCtrlCore.h"

IMPLEMENT_DYNAMIC(CGRCellType, CObject)

namespace {
const CGRTypeId kNormalTypeId = {{'G', 'R', 'N', 'o', 'r', 'm', 'a', 'l', 0, 0, 0, 0, 0, 0, 0, 1}};
}

CGRCellType::CGRCellType() = default;

LPCTSTR CGRCellType::GetName()
{
    return "Normal Cell Type (default)";
}

const CGRTypeId& CGRCellType::GetTypeId()
{
    return kNormalTypeId;
}

int CGRCellType::GetEditArea(CRect*) { return 0; }
int CGRCellType::OnLClicked(int, int, int, CRect*, CPoint*) { return 0; }
int CGRCellType::OnRClicked(int, int, int, CRect*, CPoint*) { return 0; }
int CGRCellType::OnDClicked(int, int, CRect*, CPoint*) { return 0; }
int CGRCellType::OnKeyDown(int, int, UINT*) { return 0; }
int CGRCellType::OnKeyUp(int, int, UINT*) { return 0; }
int CGRCellType::OnCharDown(int, int, UINT*) { return 0; }
int CGRCellType::OnMouseMove(int, int, CPoint*, UINT) { return 0; }
void CGRCellType::OnSetFocus(int, int, CGRCell*) {}
void CGRCellType::OnKillFocus(int, int, CGRCell*) {}
void CGRCellType::OnColWidthSet(int, int, int*) {}
void CGRCellType::OnColWidthDrag(int, int, int*) {}
void CGRCellType::OnRowHeightSet(int, int, int*) {}
void CGRCellType::OnRowHeightDrag(int, int, int*) {}
void CGRCellType::OnViewMoved(int, int, CGRCell*) {}
int CGRCellType::SetOption(long) { return 0; }

// What a type reports about its cells reaches the grid's own notification.
int CGRCellType::OnCellTypeNotify(int nTypeIndex, int nCol, int nRow, long lMessage, LONG_PTR lParam)
{
    return m_pCtrl ? m_pCtrl->OnCellTypeNotify(nTypeIndex, nCol, nRow, lMessage, lParam) : 0;
}

void CGRCellType::SetTypeIndex(int nIndex) { m_nTypeIndex = nIndex; }
int CGRCellType::GetTypeIndex() const { return m_nTypeIndex; }
void CGRCellType::SetCtrl(CGRCtrlCore* pCtrl) { m_pCtrl = pCtrl; }
CGRCtrlCore* CGRCellType::GetCtrl() const { return m_pCtrl; }
int CGRCellType::IsEditable() const { return m_nEditable; }

// Only plain left-aligned text runs on into empty cells to the right: no
// type style, no join, an alignment that includes left.
int CGRCellType::CanOverlap(CGRCell* pCell) const
{
    if (pCell->GetCellTypeEx() != 0 || pCell->IsPropertySet(kPropJoin))
        return 0;
    if (!pCell->IsPropertySet(kPropAlignment) || !(pCell->GetAlignment() & kAlignLeft))
        return 0;
    return m_nCanOverlap;
}
