// CString::LoadString of the native build: the program's strings come from the
// tables generated from its resource script.
#include "AfxStringTable.h"
#include "CString.h"

// An unknown id empties the string and returns FALSE, as the Win32 build does.
BOOL CString::LoadString(UINT nID)
{
    LPCSTR lpszText = AfxFindStringResource(nID);
    *this = lpszText;
    return lpszText != nullptr;
}
