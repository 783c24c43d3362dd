#include "KelscopeClassFactory.h"

#include "KelscopeDocument.h"
#include "KelscopeIds.h"
#include "KscApplicationStandIn.h"

HRESULT CKelscopeClassFactory::QueryInterface(REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IClassFactory))
        return E_NOINTERFACE;
    *ppvObject = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

ULONG CKelscopeClassFactory::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs));
}

ULONG CKelscopeClassFactory::Release()
{
    const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0)
        delete this;
    return static_cast<ULONG>(nRefs);
}

HRESULT CKelscopeClassFactory::CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (pUnkOuter != nullptr)
        return CLASS_E_NOAGGREGATION;
    IUnknown* pObject = IsEqualCLSID(m_clsid, CLSID_KscApplication)
                            ? static_cast<IUnknown*>(static_cast<IKscApplication*>(new CKscApplicationStandIn))
                            : static_cast<IUnknown*>(static_cast<IOleObject*>(new CKelscopeDocument(m_clsid)));
    const HRESULT hr = pObject->QueryInterface(riid, ppvObject);
    pObject->Release();
    return hr;
}

HRESULT CKelscopeClassFactory::LockServer(BOOL)
{
    return S_OK;
}
