#include "CRuntimeClass.h"

#include <cassert>
#include <cstring>

namespace {

// Head of the list of serial classes. A plain pointer is zero before any
// constructor runs, so registrations from other files' static objects are
// safe whatever order they run in.
CRuntimeClass* s_pFirstClass = nullptr;

}

// Returns null for a class without DECLARE_DYNCREATE or DECLARE_SERIAL.
CObject* CRuntimeClass::CreateObject() const
{
    if (m_pfnCreateObject == nullptr)
        return nullptr;
    return m_pfnCreateObject();
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* pClass = this; pClass != nullptr; pClass = pClass->m_pBaseClass) {
        if (pClass == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

// Two serial classes with one name would make archives read the wrong class.
void CRuntimeClass::Register(CRuntimeClass* pClass)
{
    assert(FromName(pClass->m_lpszClassName) == nullptr);
    pClass->m_pNextClass = s_pFirstClass;
    s_pFirstClass = pClass;
}

// Class names in archives are case-sensitive, as the compiler's are.
CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == nullptr)
        return nullptr;
    for (CRuntimeClass* pClass = s_pFirstClass; pClass != nullptr; pClass = pClass->m_pNextClass) {
        if (std::strcmp(pClass->m_lpszClassName, lpszClassName) == 0)
            return pClass;
    }
    return nullptr;
}
