#pragma once
// Classes in this file: IDispatchImpl, the IDispatch half of a dual
// interface T (declared in the program's IDL, compiled by widl): the type
// library embedded in the program answers names and calls, and the calls
// arrive at T's own methods, as calls through the vtable do.

#include "CComTypeInfoHolder.h"

template <class T, const IID* piid>
class IDispatchImpl : public T {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override
    {
        if (pctinfo == nullptr)
            return E_POINTER;
        *pctinfo = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID, ITypeInfo** ppTInfo) override
    {
        return Holder().GetTypeInfo(iTInfo, ppTInfo);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID,
                                            DISPID* rgDispId) override
    {
        return Holder().GetIDsOfNames(riid, rgszNames, cNames, rgDispId);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID, WORD wFlags, DISPPARAMS* pDispParams,
                                     VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override
    {
        return Holder().Invoke(static_cast<T*>(this), dispIdMember, riid, wFlags, pDispParams, pVarResult,
                               pExcepInfo, puArgErr);
    }

protected:
    // IUnknown, IDispatch and T; a class with more interfaces extends it.
    HRESULT InternalQueryInterface(REFIID riid, void** ppvObject)
    {
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDispatch) && !IsEqualIID(riid, *piid)) {
            *ppvObject = nullptr;
            return E_NOINTERFACE;
        }
        *ppvObject = static_cast<T*>(this);
        this->AddRef();
        return S_OK;
    }

private:
    static const CComTypeInfoHolder& Holder()
    {
        static const CComTypeInfoHolder holder(*piid);
        return holder;
    }
};
