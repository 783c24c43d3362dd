// Without a window system there is no device context: a cell type draws
// nothing and needs no room.
#include "CGRCellType.h"

int CGRCellType::DrawBitmap(CDC*, CBitmap*, CRect*, COLORREF) { return 0; }

void CGRCellType::DrawBorder(CDC*, CRect* pRect, CRect* pInnerRect, CGRCell*)
{
    *pInnerRect = *pRect;
}

void CGRCellType::DrawText(CDC*, CRect*, int, int, int, CGRCell*, int, int) {}
void CGRCellType::DrawBackground(CDC*, CRect*, COLORREF, int, int, CGRCell*, int, int) {}
void CGRCellType::OnDraw(CDC*, CRect*, int, int, CGRCell*, int, int) {}
int CGRCellType::DrawFocus(CDC*, CRect*, int, int) { return 0; }
void CGRCellType::OnDrawPrint(CDC*, CRect*, int, int, CGRCell*, int, int) {}
void CGRCellType::OnPrintCell(CDC*, CRect*, int, int, CGRCell*) {}
int CGRCellType::GetOverlapOffset(CDC*, int, int, int*, CGRCell*) { return 0; }

void CGRCellType::GetBestSize(CDC*, CSize* pSize, CGRCell*)
{
    *pSize = CSize(0, 0);
}
