#include "KscApplicationStandIn.h"

#include "KelscopeIds.h"

#include <string>

namespace {

std::string NarrowOf(BSTR bstrText)
{
    std::string sText;
    for (const wchar_t* p = bstrText; p != nullptr && *p != 0; ++p)
        sText += static_cast<char>(*p);
    return sText;
}

// The failure the test asked for; S_OK when none.
HRESULT RequestedFailure()
{
    DWORD dwFailure = 0;
    DWORD cbFailure = sizeof(dwFailure);
    if (::RegGetValueA(HKEY_CURRENT_USER, kKelscopeStandInKey, "FailWith", RRF_RT_REG_DWORD, nullptr, &dwFailure,
                       &cbFailure) != ERROR_SUCCESS)
        return S_OK;
    return static_cast<HRESULT>(dwFailure);
}

void SetErrorObject()
{
    ICreateErrorInfo* pCreate = nullptr;
    if (FAILED(::CreateErrorInfo(&pCreate)))
        return;
    pCreate->SetGUID(IID_IKscApplication);
    pCreate->SetSource(const_cast<LPOLESTR>(L"Kelscope.KscApplication"));
    pCreate->SetDescription(const_cast<LPOLESTR>(L"The transfer module cannot start."));
    IErrorInfo* pErrorInfo = nullptr;
    if (SUCCEEDED(pCreate->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&pErrorInfo)))) {
        ::SetErrorInfo(0, pErrorInfo);
        pErrorInfo->Release();
    }
    pCreate->Release();
}

} // namespace

HRESULT CKscApplicationStandIn::QueryInterface(REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_IKscApplication))
        *ppvObject = static_cast<IKscApplication*>(this);
    else if (IsEqualIID(riid, IID_ISupportErrorInfo))
        *ppvObject = static_cast<ISupportErrorInfo*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG CKscApplicationStandIn::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs));
}

ULONG CKscApplicationStandIn::Release()
{
    const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0)
        delete this;
    return static_cast<ULONG>(nRefs);
}

// The program calls through the interface: no type information.
HRESULT CKscApplicationStandIn::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo == nullptr)
        return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

HRESULT CKscApplicationStandIn::GetTypeInfo(UINT, LCID, ITypeInfo**)
{
    return DISP_E_BADINDEX;
}

HRESULT CKscApplicationStandIn::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return DISP_E_UNKNOWNNAME;
}

HRESULT CKscApplicationStandIn::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT CKscApplicationStandIn::ShowMainWindow(long)
{
    return E_NOTIMPL;
}

HRESULT CKscApplicationStandIn::OpenFile(BSTR)
{
    return E_NOTIMPL;
}

HRESULT CKscApplicationStandIn::CloseFile()
{
    return E_NOTIMPL;
}

HRESULT CKscApplicationStandIn::GetVersion(BSTR*)
{
    return E_NOTIMPL;
}

HRESULT CKscApplicationStandIn::StartModule(BSTR bstrArgument, BSTR bstrModule)
{
    return RecordCall("StartModule", bstrArgument, bstrModule);
}

HRESULT CKscApplicationStandIn::StartTransferModule(BSTR bstrArgument, BSTR bstrModule)
{
    return RecordCall("StartTransferModule", bstrArgument, bstrModule);
}

HRESULT CKscApplicationStandIn::InterfaceSupportsErrorInfo(REFIID riid)
{
    return IsEqualIID(riid, IID_IKscApplication) ? S_OK : S_FALSE;
}

HRESULT CKscApplicationStandIn::RecordCall(const char* lpszMethod, BSTR bstrArgument, BSTR bstrModule)
{
    const std::string sCall = std::string(lpszMethod) + "(" + NarrowOf(bstrArgument) + ", " + NarrowOf(bstrModule) + ")";
    ::RegSetKeyValueA(HKEY_CURRENT_USER, kKelscopeStandInKey, "LastCall", REG_SZ, sCall.c_str(),
                      static_cast<DWORD>(sCall.size() + 1));
    const HRESULT hr = RequestedFailure();
    if (FAILED(hr))
        SetErrorObject();
    return hr;
}
