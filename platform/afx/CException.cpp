#include "CException.h"

#include "AfxFormatString.h"
#include "res/resource.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)

// The base class knows no cause, so it has no text.
CString CException::GetErrorText() const
{
    return CString();
}

// Fills the caller's buffer as the Win32 text functions do: at most
// nMaxError - 1 characters and a terminating zero. FALSE when there is no text.
BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    const CString sText = GetErrorText();
    if (lpszError != nullptr && nMaxError > 0) {
        const size_t nCopy = std::min<size_t>(sText.GetLength(), nMaxError - 1);
        std::memcpy(lpszError, static_cast<LPCTSTR>(sText), nCopy);
        lpszError[nCopy] = '\0';
    }
    return !sText.IsEmpty();
}

// The message nIDS with the name in place of "%1"; an exception without a
// name speaks of "an unnamed file".
CString CException::MessageNaming(UINT nIDS, const CString& sName)
{
    CString sShownName = sName;
    if (sShownName.IsEmpty())
        sShownName.LoadString(AFX_IDS_UNNAMED_FILE);
    CString sText;
    AfxFormatString1(sText, nIDS, sShownName);
    return sText;
}
