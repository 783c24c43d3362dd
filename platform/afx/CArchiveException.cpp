#include "CArchiveException.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CArchiveException, CException)

CArchiveException::CArchiveException(int cause, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName != nullptr ? lpszArchiveName : "")
{
}

// Each cause has its message; the ids follow the cause numbers.
CString CArchiveException::GetErrorText() const
{
    const bool bKnown = m_cause >= 0 && m_cause <= AFX_IDP_ARCH_BADSCHEMA - AFX_IDP_ARCH_NONE;
    return MessageNaming(bKnown ? AFX_IDP_ARCH_NONE + m_cause : AFX_IDP_ARCH_GENERIC, m_strFileName);
}

void AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName)
{
    throw CArchiveException(cause, lpszArchiveName);
}
