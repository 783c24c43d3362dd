// CString::LoadString of the native build: the program's strings come from the
// tables generated from its resource script.
#include "AfxStringTable.h"
#include "CString.h"

// An unknown id or an empty text gives an empty string and FALSE, as
// LoadStringA does in the win build.
BOOL CString::LoadString(UINT nID)
{
    LPCSTR lpszText = AfxFindStringResource(nID);
    *this = lpszText;
    return !IsEmpty();
}
