#pragma once
// Classes in this file: CRuntimeClass, the description of a class that
// CObject::GetRuntimeClass returns and that archives use to create objects.

#include "AfxTypes.h"

class CObject;

// The schema bit that lets a class read every older schema itself.
#define VERSIONABLE_SCHEMA 0x80000000

// Schema of a class that cannot be written to an archive.
#define AFX_NO_SCHEMA 0xFFFF

struct CRuntimeClass {
// Attributes
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (*m_pfnCreateObject)();
    CRuntimeClass* m_pBaseClass;
    CRuntimeClass* m_pNextClass;

// Operations
    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    static void Register(CRuntimeClass* pClass);
    static CRuntimeClass* FromName(LPCSTR lpszClassName);
};

// Registers a serial class at start-up so that an archive can find it by name.
struct AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass) { CRuntimeClass::Register(pNewClass); }
};
