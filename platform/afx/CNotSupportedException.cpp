#include "CNotSupportedException.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CNotSupportedException, CException)

CString CNotSupportedException::GetErrorText() const
{
    CString sText;
    sText.LoadString(IDS_AFX_NOT_SUPPORTED_EXCEPTION);
    return sText;
}

void AfxThrowNotSupportedException()
{
    throw CNotSupportedException();
}
