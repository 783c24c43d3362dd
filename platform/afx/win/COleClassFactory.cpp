#include "COleClassFactory.h"

#include "AfxComCall.h"
#include "AfxOleLock.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(COleClassFactory, CCmdTarget)

namespace {

std::vector<COleClassFactory*>& RegisteredFactories()
{
    static std::vector<COleClassFactory*> factories;
    return factories;
}

}  // namespace

COleClassFactory::COleClassFactory(REFCLSID clsid) : m_clsid(clsid)
{
}

COleClassFactory::~COleClassFactory()
{
    Revoke();
}

HRESULT COleClassFactory::Register(DWORD dwClsContext, DWORD dwFlags)
{
    if (IsRegistered())
        return S_OK;
    const HRESULT hr = ::CoRegisterClassObject(m_clsid, static_cast<IClassFactory*>(this), dwClsContext, dwFlags,
                                               &m_dwRegister);
    if (SUCCEEDED(hr))
        RegisteredFactories().push_back(this);
    return hr;
}

void COleClassFactory::Revoke()
{
    if (!IsRegistered())
        return;
    ::CoRevokeClassObject(m_dwRegister);
    m_dwRegister = 0;
    auto& factories = RegisteredFactories();
    factories.erase(std::remove(factories.begin(), factories.end(), this), factories.end());
}

void COleClassFactory::RevokeAllClassObjects()
{
    const std::vector<COleClassFactory*> factories = RegisteredFactories();
    for (COleClassFactory* pFactory : factories)
        pFactory->Revoke();
}

// --- IClassFactory --------------------------------------------------------------

HRESULT COleClassFactory::CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (pUnkOuter != nullptr)
        return CLASS_E_NOAGGREGATION;
    return AfxComCall([&] { return OnCreateObject(riid, ppvObject); });
}

HRESULT COleClassFactory::LockServer(BOOL fLock)
{
    if (fLock)
        AfxOleLockApp();
    else
        AfxOleUnlockApp();
    return S_OK;
}
