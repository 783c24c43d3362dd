#include "AfxStringTable.h"

#include <vector>

namespace {

struct CStringTableRange {
    const AFX_STRING_RESOURCE* pFirst;
    const AFX_STRING_RESOURCE* pEnd;
};

// Built on first use: generated tables register from static initialisers of
// other files, which may run before this file's.
std::vector<CStringTableRange>& RegisteredTables()
{
    static std::vector<CStringTableRange> tables;
    return tables;
}

}

BOOL AfxAddStringTable(const AFX_STRING_RESOURCE* pTable, int nCount)
{
    RegisteredTables().push_back({pTable, pTable + nCount});
    return TRUE;
}

// A few hundred strings, looked up when a message is shown: a linear search is
// plenty.
LPCSTR AfxFindStringResource(UINT nID)
{
    for (const CStringTableRange& table : RegisteredTables()) {
        for (const AFX_STRING_RESOURCE* pEntry = table.pFirst; pEntry != table.pEnd; ++pEntry) {
            if (pEntry->nID == nID)
                return pEntry->lpszText;
        }
    }
    return nullptr;
}
