#pragma once
// Classes in this file: CKscApplicationStandIn, the explorer's application
// object: its two module calls write what they were asked into the
// registry, and fail on request with an error object.

#include "app/KscApplication.h"

class CKscApplicationStandIn : public IKscApplication, public ISupportErrorInfo {
public:
    CKscApplicationStandIn() = default;
    virtual ~CKscApplicationStandIn() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                            DISPID* rgDispId) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                                     VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

    HRESULT STDMETHODCALLTYPE ShowMainWindow(long nShow) override;
    HRESULT STDMETHODCALLTYPE OpenFile(BSTR bstrPath) override;
    HRESULT STDMETHODCALLTYPE CloseFile() override;
    HRESULT STDMETHODCALLTYPE GetVersion(BSTR* pbstrVersion) override;
    HRESULT STDMETHODCALLTYPE StartModule(BSTR bstrArgument, BSTR bstrModule) override;
    HRESULT STDMETHODCALLTYPE StartTransferModule(BSTR bstrArgument, BSTR bstrModule) override;

    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID riid) override;

private:
    HRESULT RecordCall(const char* lpszMethod, BSTR bstrArgument, BSTR bstrModule);

    LONG m_nRefs = 1;
};
