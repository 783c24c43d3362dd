#include "KelscopeClassFactory.h"

#include "KelscopeDocument.h"
#include "KelscopeIds.h"
#include "KscApplicationStandIn.h"
#include "ReportGeneratorIds.h"
#include "ReportGeneratorStandIn.h"

namespace {

// A new object of the class, holding one reference.
IUnknown* NewObjectOf(REFCLSID clsid)
{
    if (IsEqualCLSID(clsid, CLSID_KscApplication))
        return static_cast<IKscApplication*>(new CKscApplicationStandIn);
    if (IsEqualCLSID(clsid, CLSID_ReportGenerator))
        return new CReportGeneratorStandIn;
    return static_cast<IOleObject*>(new CKelscopeDocument(clsid));
}

} // namespace

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
    IUnknown* pObject = NewObjectOf(m_clsid);
    const HRESULT hr = pObject->QueryInterface(riid, ppvObject);
    pObject->Release();
    return hr;
}

HRESULT CKelscopeClassFactory::LockServer(BOOL)
{
    return S_OK;
}
