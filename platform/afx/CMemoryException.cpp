#include "CMemoryException.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CMemoryException, CException)

CString CMemoryException::GetErrorText() const
{
    CString sText;
    sText.LoadString(AFX_IDP_FAILED_MEMORY_ALLOC);
    return sText;
}

void AfxThrowMemoryException()
{
    throw CMemoryException();
}
