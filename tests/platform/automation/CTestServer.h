#pragma once
// Classes in this file: CTestServer, the automation class of the test
// server: sums, greetings, and where it runs (main window, process).

#include "CComCoClass.h"
#include "IDispatchImpl.h"
#include "TestServerLib.h"

class CTestServer : public IDispatchImpl<ITestServer, &IID_ITestServer>,
                    public CComCoClass<CTestServer, &CLSID_TestServer> {
public:
    HRESULT STDMETHODCALLTYPE Add(LONG a, LONG b, LONG* pSum) override;
    HRESULT STDMETHODCALLTYPE Greet(BSTR name, BSTR* pGreeting) override;
    HRESULT STDMETHODCALLTYPE GetMainWindow(LONG* phWnd) override;
    HRESULT STDMETHODCALLTYPE GetProcessId(LONG* pId) override;
};
