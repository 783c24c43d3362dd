#pragma once
// Classes in this file: CKelscopeClassFactory, the class object of one of
// the stand-in's classes.

#include <objbase.h>

class CKelscopeClassFactory : public IClassFactory {
public:
    explicit CKelscopeClassFactory(REFCLSID clsid) : m_clsid(clsid) {}
    virtual ~CKelscopeClassFactory() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppvObject) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL fLock) override;

private:
    CLSID m_clsid;
    LONG m_nRefs = 1;
};
