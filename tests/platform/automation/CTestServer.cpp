#include "CTestServer.h"

#include <string>

HRESULT CTestServer::Add(LONG a, LONG b, LONG* pSum)
{
    if (pSum == nullptr)
        return E_POINTER;
    *pSum = a + b;
    return S_OK;
}

HRESULT CTestServer::Greet(BSTR name, BSTR* pGreeting)
{
    if (pGreeting == nullptr)
        return E_POINTER;
    const std::wstring sGreeting = L"Hello, " + std::wstring(name != nullptr ? name : L"");
    *pGreeting = ::SysAllocString(sGreeting.c_str());
    return *pGreeting != nullptr ? S_OK : E_OUTOFMEMORY;
}

// Window handles carry 32 significant bits, so a long holds one.
HRESULT CTestServer::GetMainWindow(LONG* phWnd)
{
    if (phWnd == nullptr)
        return E_POINTER;
    *phWnd = static_cast<LONG>(reinterpret_cast<LONG_PTR>(AfxGetMainWnd()->GetSafeHwnd()));
    return S_OK;
}

HRESULT CTestServer::GetProcessId(LONG* pId)
{
    if (pId == nullptr)
        return E_POINTER;
    *pId = static_cast<LONG>(::GetCurrentProcessId());
    return S_OK;
}
