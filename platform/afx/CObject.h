#pragma once
// Classes in this file: CObject, the root of the framework's classes, and the
// DECLARE_/IMPLEMENT_ macros that give a class its CRuntimeClass.
//
//   DECLARE_DYNAMIC / IMPLEMENT_DYNAMIC      run-time class, IsKindOf
//   DECLARE_DYNCREATE / IMPLEMENT_DYNCREATE  ... plus CreateObject
//   DECLARE_SERIAL / IMPLEMENT_SERIAL        ... plus a schema, registration by
//                                            name and operator>> from an archive

#include "AfxTypes.h"
#include "CRuntimeClass.h"

class CArchive;

class CObject {
public:
    virtual ~CObject() = default;

// Attributes
    virtual CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;

// Overridables
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const {}
    virtual void Dump() const {}

    static CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name) \
public: \
    static CRuntimeClass class##class_name; \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name) \
    static CObject* CreateObject();

// The extractor is a template so that this header needs only a declared
// CArchive; it is instantiated where an archive reads the class.
#define DECLARE_SERIAL(class_name) \
    DECLARE_DYNCREATE(class_name) \
    template <class TArchive> \
    friend TArchive& operator>>(TArchive& ar, class_name*& pOb) \
    { \
        pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name))); \
        return ar; \
    }

#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
    CRuntimeClass class_name::class##class_name = { \
        #class_name, sizeof(class_name), wSchema, pfnNew, RUNTIME_CLASS(base_class_name), nullptr}; \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, AFX_NO_SCHEMA, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* class_name::CreateObject() { return new class_name; } \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, AFX_NO_SCHEMA, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema) \
    CObject* class_name::CreateObject() { return new class_name; } \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject) \
    static const AFX_CLASSINIT afxInit##class_name(RUNTIME_CLASS(class_name));
