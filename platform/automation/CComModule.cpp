#include "CComModule.h"

#include "CComClassFactory.h"

#include <cstring>
#include <string>

namespace {

// The type library's id, version, locale and platform, for registration.
HRESULT GetLibAttributes(TLIBATTR* pAttributes)
{
    ITypeLib* pTypeLib = nullptr;
    HRESULT hr = CComModule::LoadTypeLib(&pTypeLib);
    if (FAILED(hr))
        return hr;
    TLIBATTR* pAttr = nullptr;
    hr = pTypeLib->GetLibAttr(&pAttr);
    if (SUCCEEDED(hr)) {
        *pAttributes = *pAttr;
        pTypeLib->ReleaseTLibAttr(pAttr);
    }
    pTypeLib->Release();
    return hr;
}

std::wstring ModulePath()
{
    wchar_t szPath[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    return szPath;
}

CString ModuleFileName()
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    const char* pszName = std::strrchr(szPath, '\\');
    return pszName != nullptr ? pszName + 1 : szPath;
}

HRESULT ResultOf(LONG nRegistryResult)
{
    return nRegistryResult == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(nRegistryResult);
}

}  // namespace

CComModule::CComModule() = default;

CComModule::~CComModule()
{
    Term();
}

// Only whole words count: a file named "x-regserver.vsp" is a document.
CComModule::ServerSwitch CComModule::FindServerSwitch(LPCTSTR lpszCmdLine)
{
    ServerSwitch found = switchNone;
    for (const CString& sWord : AfxSplitCommandLine(lpszCmdLine)) {
        if (sWord.IsEmpty() || (sWord[0] != '-' && sWord[0] != '/'))
            continue;
        const CString sSwitch = sWord.Mid(1);
        if (sSwitch.CompareNoCase("UnregServer") == 0)
            return switchUnregServer;
        if (sSwitch.CompareNoCase("RegServer") == 0)
            found = switchRegServer;
    }
    return found;
}

HRESULT CComModule::Init(const CComClassEntry* pEntries, int nEntries, REFGUID appID, LPCTSTR lpszAppName)
{
    Term();
    m_entries.assign(pEntries, pEntries + nEntries);
    m_appID = appID;
    m_sAppName = lpszAppName;
    for (const CComClassEntry& entry : m_entries)
        m_factories.push_back(std::make_unique<CComClassFactory>(entry));
    return S_OK;
}

void CComModule::Term()
{
    RevokeClassObjects();
    m_factories.clear();
    m_entries.clear();
}

// All or none: a class that cannot be registered takes the others back.
HRESULT CComModule::RegisterClassObjects(DWORD dwClsContext, DWORD dwFlags)
{
    for (auto& pFactory : m_factories) {
        const HRESULT hr = pFactory->Register(dwClsContext, dwFlags);
        if (FAILED(hr)) {
            RevokeClassObjects();
            return hr;
        }
    }
    return S_OK;
}

void CComModule::RevokeClassObjects()
{
    for (auto& pFactory : m_factories)
        pFactory->Revoke();
}

// --- registry -------------------------------------------------------------------

COleClassRegistration CComModule::MakeRegistration(const CComClassEntry& entry, REFGUID libID) const
{
    COleClassRegistration registration;
    registration.m_clsid = *entry.pclsid;
    registration.m_sTypeName = entry.lpszDescription;
    registration.m_sProgID = entry.lpszProgID;
    registration.m_sVersionIndependentProgID = entry.lpszVersionIndependentProgID;
    registration.m_appID = m_appID;
    registration.m_libID = libID;
    registration.m_bProgrammable = TRUE;
    return registration;
}

// The type library first: the classes name it, and COM marshals the
// interfaces from it.
HRESULT CComModule::RegisterServer(BOOL bRegTypeLib)
{
    TLIBATTR libAttributes = {};
    HRESULT hr = GetLibAttributes(&libAttributes);
    if (SUCCEEDED(hr) && bRegTypeLib) {
        ITypeLib* pTypeLib = nullptr;
        hr = ::LoadTypeLibEx(ModulePath().c_str(), REGKIND_REGISTER, &pTypeLib);
        if (pTypeLib != nullptr)
            pTypeLib->Release();
    }
    if (SUCCEEDED(hr))
        hr = ResultOf(RegisterAppID());
    for (const CComClassEntry& entry : m_entries) {
        if (SUCCEEDED(hr))
            hr = ResultOf(MakeRegistration(entry, libAttributes.guid).Register());
    }
    return hr;
}

// Every entry goes that can; the first failure is the result.
HRESULT CComModule::UnregisterServer(BOOL bUnRegTypeLib)
{
    HRESULT hrFirst = S_OK;
    auto note = [&hrFirst](HRESULT hr) {
        if (SUCCEEDED(hrFirst) && FAILED(hr))
            hrFirst = hr;
    };
    for (const CComClassEntry& entry : m_entries)
        note(ResultOf(MakeRegistration(entry, GUID_NULL).Unregister()));
    note(ResultOf(UnregisterAppID()));
    if (bUnRegTypeLib) {
        TLIBATTR attr = {};
        HRESULT hr = GetLibAttributes(&attr);
        if (SUCCEEDED(hr))
            hr = ::UnRegisterTypeLib(attr.guid, attr.wMajorVerNum, attr.wMinorVerNum, attr.lcid, attr.syskind);
        if (hr != TYPE_E_REGISTRYACCESS)  // not registered: nothing to remove
            note(hr);
    }
    return hrFirst;
}

// AppID\{id} = the server's name; AppID\<program file> names the id.
LONG CComModule::RegisterAppID() const
{
    if (IsEqualGUID(m_appID, GUID_NULL))
        return ERROR_SUCCESS;
    const CString sAppID = COleClassRegistration::GuidToString(m_appID);
    LONG nResult = COleClassRegistration::SetClassesKey("AppID\\" + sAppID, m_sAppName);
    if (nResult == ERROR_SUCCESS)
        nResult = COleClassRegistration::SetClassesKey("AppID\\" + ModuleFileName(), sAppID, "AppID");
    return nResult;
}

LONG CComModule::UnregisterAppID() const
{
    if (IsEqualGUID(m_appID, GUID_NULL))
        return ERROR_SUCCESS;
    const LONG nResult = COleClassRegistration::DeleteClassesKey("AppID\\" + COleClassRegistration::GuidToString(m_appID));
    if (nResult != ERROR_SUCCESS)
        return nResult;
    return COleClassRegistration::DeleteClassesKey("AppID\\" + ModuleFileName());
}

HRESULT CComModule::LoadTypeLib(ITypeLib** ppTypeLib)
{
    return ::LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, ppTypeLib);
}
