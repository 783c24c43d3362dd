#include "AfxFormatString.h"

// Inserted text is not searched again, so a file name that itself contains
// "%1" comes out as it is. An unknown id gives an empty message.
void AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1)
{
    rString.LoadString(nIDS);
    rString.Replace("%1", lpsz1);
}

// One pass over the format, so neither inserted text is searched again.
void AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2)
{
    CString sFormat;
    sFormat.LoadString(nIDS);
    rString.Empty();
    for (int i = 0; i < sFormat.GetLength(); ++i) {
        const TCHAR chNext = i + 1 < sFormat.GetLength() ? sFormat[i + 1] : '\0';
        if (sFormat[i] == '%' && (chNext == '1' || chNext == '2')) {
            LPCTSTR lpszInsert = chNext == '1' ? lpsz1 : lpsz2;
            rString += lpszInsert != nullptr ? lpszInsert : "";
            ++i;
        } else {
            rString += sFormat[i];
        }
    }
}
