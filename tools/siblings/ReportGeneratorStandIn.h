#pragma once
// Classes in this file: CReportGeneratorStandIn, the report generator's
// application object: its one method, GenerateReport (dispatch id 1), writes
// the data workbook and Word template it was given into the registry, and
// returns the code a test asked for.

#include <oaidl.h>

class CReportGeneratorStandIn : public IDispatch {
public:
    CReportGeneratorStandIn() = default;
    virtual ~CReportGeneratorStandIn() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                            DISPID* rgDispId) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                                     VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

private:
    static long GenerateReport(BSTR bstrData, BSTR bstrWordTemplate);

    LONG m_nRefs = 1;
};
