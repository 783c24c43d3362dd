#include "CComClassFactory.h"

CComClassFactory::CComClassFactory(const CComClassEntry& entry)
    : COleClassFactory(*entry.pclsid), m_pfnCreateInstance(entry.pfnCreateInstance)
{
}

HRESULT CComClassFactory::OnCreateObject(REFIID riid, void** ppvObject)
{
    return m_pfnCreateInstance(riid, ppvObject);
}
