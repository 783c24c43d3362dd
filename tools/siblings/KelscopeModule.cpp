// The stand-ins of the sibling programs, one in-process server: the data
// explorer Kelscope's active document "Kelscope.Document" (named "Kelport")
// and its application "Kelscope.KscApplication", and the report generator's
// application "VSreport.Application". Tests register it; nothing ships it.
// It stays loaded once loaded: its windows may outlive the last reference
// COM knows.

#include "KelscopeClassFactory.h"
#include "KelscopeIds.h"
#include "ReportGeneratorIds.h"

namespace {

bool IsServedClass(REFCLSID clsid)
{
    return IsEqualCLSID(clsid, CLSID_KelscopeDocument) || IsEqualCLSID(clsid, CLSID_KelscopeDocumentOld) ||
           IsEqualCLSID(clsid, CLSID_KscApplication) || IsEqualCLSID(clsid, CLSID_ReportGenerator);
}

} // namespace

HINSTANCE g_hKelscopeInstance = nullptr;

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        g_hKelscopeInstance = hInstance;
    return TRUE;
}

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    if (!IsServedClass(rclsid))
        return CLASS_E_CLASSNOTAVAILABLE;
    auto* pFactory = new CKelscopeClassFactory(rclsid);
    const HRESULT hr = pFactory->QueryInterface(riid, ppv);
    pFactory->Release();
    return hr;
}

extern "C" HRESULT WINAPI DllCanUnloadNow()
{
    return S_FALSE;
}
