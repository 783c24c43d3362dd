#include "CTKDragDockContext.h"

CTKDragDockContext::CTKDragDockContext(CControlBar* pBar) : CDockContext(pBar)
{
}
