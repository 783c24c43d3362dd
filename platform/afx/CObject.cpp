#include "CObject.h"

CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), AFX_NO_SCHEMA, nullptr, nullptr, nullptr};

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CObject);
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

// Only a class with a schema can be written to and read from an archive.
BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != AFX_NO_SCHEMA;
}

// A class with nothing to persist keeps this empty default.
void CObject::Serialize(CArchive& ar)
{
}
