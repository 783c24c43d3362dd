#pragma once
// The string tables of the native build. In the win build CString::LoadString
// reads the resource module's string table; natively it looks the id up in the
// tables registered here, which the build generates from the same resource
// script (see docs/framework.md).

#include "AfxTypes.h"

struct AFX_STRING_RESOURCE {
    UINT nID;
    LPCSTR lpszText;
};

// Adds a table of nCount entries; the table must outlive every lookup.
// Returns TRUE so that a generated file can register from a static initialiser.
BOOL AfxAddStringTable(const AFX_STRING_RESOURCE* pTable, int nCount);

// Returns the text of string nID, or null if no registered table has it.
LPCSTR AfxFindStringResource(UINT nID);
