#include "CGdiObject.h"

#include "AfxHandleMap.h"

#include <cassert>
#include <utility>

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject::CGdiObject(CGdiObject&& other) noexcept : CObject(), m_hObject(other.Detach())
{
}

CGdiObject& CGdiObject::operator=(CGdiObject&& other) noexcept
{
    if (this != &other) {
        DeleteObject();
        m_hObject = other.Detach();
    }
    return *this;
}

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    return this == nullptr ? nullptr : m_hObject;
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return ::GetObject(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
    return static_cast<UINT>(::GetObjectType(m_hObject));
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return CHandleMap<HGDIOBJ, CGdiObject>::FromHandle(hObject);
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    assert(m_hObject == nullptr);
    m_hObject = hObject;
    return hObject != nullptr;
}

HGDIOBJ CGdiObject::Detach()
{
    return std::exchange(m_hObject, nullptr);
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

// Stock objects are the system's; deleting one is a harmless no-op.
BOOL CGdiObject::CreateStockObject(int nIndex)
{
    return Attach(::GetStockObject(nIndex));
}

BOOL CGdiObject::UnrealizeObject()
{
    return ::UnrealizeObject(m_hObject);
}
