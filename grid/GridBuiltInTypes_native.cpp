// Without a window system the built-in cell types draw nothing, need no
// room and open no list.
#include "CGRArrowType.h"
#include "CGRCheckBoxType.h"
#include "CGRDropListType.h"
#include "CGRGridInfo.h"

void CGRCheckBoxType::OnDraw(CDC*, CRect*, int, int, CGRCell*, int, int) {}
void CGRArrowType::OnDraw(CDC*, CRect*, int, int, CGRCell*, int, int) {}
void CGRDropListType::OnDraw(CDC*, CRect*, int, int, CGRCell*, int, int) {}

void CGRCheckBoxType::GetBestSize(CDC*, CSize* pSize, CGRCell*)
{
    *pSize = CSize(0, 0);
}

void CGRArrowType::GetBestSize(CDC*, CSize* pSize, CGRCell*)
{
    *pSize = CSize(0, 0);
}

void CGRDropListType::GetBestSize(CDC*, CSize* pSize, CGRCell*)
{
    *pSize = CSize(0, 0);
}

// The list stays a list of items: there is no window to show it in.
int CGRDropListType::ShowList(int, int)
{
    return 0;
}

void CGRDropListType::CloseList()
{
    m_pList = nullptr;
}

int CGRDropListType::ButtonWidth()
{
    return CGRGridInfo::kClassicScrollBarSize;
}
