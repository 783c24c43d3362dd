#pragma once
// Classes in this file: COleClassFactory, a class object: registered with
// COM for one class id, it makes that class's objects for clients. While a
// client keeps it locked (LockServer) the application stays. A derived
// class says what an object is (OnCreateObject). Aggregation is refused.

#include "CCmdTarget.h"
#include "COleOwnedInterface.h"

#include <ole2.h>

class COleClassFactory : public CCmdTarget, public COleOwnedInterface<IClassFactory, &IID_IClassFactory> {
    DECLARE_DYNAMIC(COleClassFactory)
public:
    explicit COleClassFactory(REFCLSID clsid);
    ~COleClassFactory() override;

// Attributes
    REFCLSID GetClassID() const { return m_clsid; }
    BOOL IsRegistered() const { return m_dwRegister != 0; }

// Operations
    // A second call while registered does nothing and succeeds.
    HRESULT Register(DWORD dwClsContext, DWORD dwFlags);
    void Revoke();
    // Every class object of the program that COM knows; a program that
    // ends takes them all back first, so that new clients start a new one.
    static void RevokeAllClassObjects();

// IClassFactory
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppvObject) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL fLock) override;

protected:
    // A new object's interface riid in *ppvObject, or the failure.
    virtual HRESULT OnCreateObject(REFIID riid, void** ppvObject) = 0;

    CLSID m_clsid;

private:
    DWORD m_dwRegister = 0;
};
