#pragma once
// Classes in this file: IKscApplication, the application interface of the
// data explorer Kelscope, as the explorer's type library declares it. The
// program calls the two methods that start a module of the explorer: the
// transfer module of the installed explorer takes the sixth, the older
// explorers' the fifth.

#include <oaidl.h>

// {4B454C56-4152-4F4E-0002-4B5343415050}
inline const IID IID_IKscApplication = {0x4b454c56, 0x4152, 0x4f4e, {0x00, 0x02, 0x4b, 0x53, 0x43, 0x41, 0x50, 0x50}};

struct IKscApplication : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE ShowMainWindow(long nShow) = 0;
    virtual HRESULT STDMETHODCALLTYPE OpenFile(BSTR bstrPath) = 0;
    virtual HRESULT STDMETHODCALLTYPE CloseFile() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetVersion(BSTR* pbstrVersion) = 0;
    virtual HRESULT STDMETHODCALLTYPE StartModule(BSTR bstrArgument, BSTR bstrModule) = 0;
    virtual HRESULT STDMETHODCALLTYPE StartTransferModule(BSTR bstrArgument, BSTR bstrModule) = 0;
};
