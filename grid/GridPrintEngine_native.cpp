// Without a window system there is no printer DC: nothing to paginate for
// and nothing printed.
#include "GridPrintEngine.h"

int GridPrintEngine::PrintInit(CDC*, CDC*, int, int, int, int)
{
    m_pages.clear();
    return 0;
}

int GridPrintEngine::PrintPage(CDC*, int)
{
    return 1;
}

void GridPrintEngine::PrintCell(CDC*, int, int, const CRect&, const Page&) {}
