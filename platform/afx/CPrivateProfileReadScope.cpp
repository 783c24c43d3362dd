#include "CPrivateProfileReadScope.h"

namespace {

// The scopes of the program's one thread, innermost first.
CPrivateProfileReadScope* g_pInnermost = nullptr;

} // namespace

// A file that changes while the scope lives is answered as it was when the
// scope was made: the readers that open one only read.
CPrivateProfileReadScope::CPrivateProfileReadScope(LPCTSTR lpszFileName)
    : m_sFileName(lpszFileName), m_pOuter(g_pInnermost)
{
    m_bLoaded = m_profile.Load(lpszFileName) != FALSE;
    g_pInnermost = this;
}

CPrivateProfileReadScope::~CPrivateProfileReadScope()
{
    g_pInnermost = m_pOuter;
}

const CPrivateProfile* CPrivateProfileReadScope::Find(LPCTSTR lpszFileName)
{
    for (const CPrivateProfileReadScope* pScope = g_pInnermost; pScope != nullptr; pScope = pScope->m_pOuter) {
        if (pScope->m_sFileName == lpszFileName)
            return pScope->m_bLoaded ? &pScope->m_profile : nullptr;
    }
    return nullptr;
}
