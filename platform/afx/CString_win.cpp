// CString::LoadString of the win build: the string table of the resource
// module, which a language DLL may have replaced.
#include "AfxResourceHandle.h"
#include "CString.h"

// ::LoadStringA truncates to the buffer it gets, so the buffer grows until the
// text fits with room to spare. Resource strings are at most 65535 characters.
BOOL CString::LoadString(UINT nID)
{
    const int kMaxResourceString = 65536;
    for (int nSize = 256; nSize <= kMaxResourceString; nSize *= 2) {
        int nLength = ::LoadStringA(AfxGetResourceHandle(), nID, GetBuffer(nSize - 1), nSize);
        ReleaseBuffer(nLength);
        if (nLength < nSize - 1)
            return nLength > 0;
    }
    return TRUE;
}
