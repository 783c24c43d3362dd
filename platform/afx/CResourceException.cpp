#include "CResourceException.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CResourceException, CException)

CString CResourceException::GetErrorText() const
{
    CString sText;
    sText.LoadString(IDS_AFX_RESOURCE_EXCEPTION);
    return sText;
}

void AfxThrowResourceException()
{
    throw CResourceException();
}
