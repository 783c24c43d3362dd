#include "CComTypeInfoHolder.h"

#include "CComModule.h"

// The system keeps a loaded type library, so asking for it on each call
// costs little and leaves nothing to release at the program's end.
HRESULT CComTypeInfoHolder::LoadTypeInfo(ITypeInfo** ppTInfo) const
{
    *ppTInfo = nullptr;
    ITypeLib* pTypeLib = nullptr;
    HRESULT hr = CComModule::LoadTypeLib(&pTypeLib);
    if (FAILED(hr))
        return hr;
    hr = pTypeLib->GetTypeInfoOfGuid(m_iid, ppTInfo);
    pTypeLib->Release();
    return hr;
}

// A dual interface is described twice: as a dispatch interface, and as the
// interface whose methods the calls go to. Calls need the second.
HRESULT CComTypeInfoHolder::LoadInterfaceTypeInfo(ITypeInfo** ppTInfo) const
{
    ITypeInfo* pTypeInfo = nullptr;
    HRESULT hr = LoadTypeInfo(&pTypeInfo);
    if (FAILED(hr))
        return hr;
    HREFTYPE hRefType = 0;
    if (SUCCEEDED(pTypeInfo->GetRefTypeOfImplType(static_cast<UINT>(-1), &hRefType))) {
        ITypeInfo* pInterface = nullptr;
        if (SUCCEEDED(pTypeInfo->GetRefTypeInfo(hRefType, &pInterface))) {
            pTypeInfo->Release();
            pTypeInfo = pInterface;
        }
    }
    *ppTInfo = pTypeInfo;
    return S_OK;
}

HRESULT CComTypeInfoHolder::GetTypeInfo(UINT iTInfo, ITypeInfo** ppTInfo) const
{
    if (ppTInfo == nullptr)
        return E_POINTER;
    *ppTInfo = nullptr;
    if (iTInfo != 0)
        return DISP_E_BADINDEX;
    return LoadTypeInfo(ppTInfo);
}

HRESULT CComTypeInfoHolder::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, DISPID* rgDispId) const
{
    if (!IsEqualIID(riid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    ITypeInfo* pTypeInfo = nullptr;
    HRESULT hr = LoadTypeInfo(&pTypeInfo);
    if (FAILED(hr))
        return hr;
    hr = ::DispGetIDsOfNames(pTypeInfo, rgszNames, cNames, rgDispId);
    pTypeInfo->Release();
    return hr;
}

HRESULT CComTypeInfoHolder::Invoke(IDispatch* pThis, DISPID dispIdMember, REFIID riid, WORD wFlags,
                                   DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                                   UINT* puArgErr) const
{
    if (!IsEqualIID(riid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    ITypeInfo* pTypeInfo = nullptr;
    HRESULT hr = LoadInterfaceTypeInfo(&pTypeInfo);
    if (FAILED(hr))
        return hr;
    hr = pTypeInfo->Invoke(pThis, dispIdMember, wFlags, pDispParams, pVarResult, pExcepInfo, puArgErr);
    pTypeInfo->Release();
    return hr;
}
