#include "AfxFormatString.h"

// Inserted text is not searched again, so a file name that itself contains
// "%1" comes out as it is. An unknown id gives an empty message.
void AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1)
{
    rString.LoadString(nIDS);
    rString.Replace("%1", lpsz1);
}
