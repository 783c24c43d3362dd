#pragma once
// Classes in this file: CComCoClass, what makes a class of the program a
// creatable automation class: its class id and the creator that the
// module's class list names (CComClassEntry::pfnCreateInstance).
//
//     class CIpcVestolar : public IDispatchImpl<IIpcVestolar, &IID_IIpcVestolar>,
//                          public CComCoClass<CIpcVestolar, &CLSID_IpcVestolar> { ... };

#include "CComObject.h"

#include <new>

template <class T, const CLSID* pclsid>
class CComCoClass {
public:
    static const CLSID& GetObjectCLSID() { return *pclsid; }

    // A new object's interface riid; the object goes again when it has none.
    static HRESULT CreateInstance(REFIID riid, void** ppvObject)
    {
        *ppvObject = nullptr;
        auto* pObject = new (std::nothrow) CComObject<T>;
        if (pObject == nullptr)
            return E_OUTOFMEMORY;
        pObject->AddRef();
        const HRESULT hr = pObject->QueryInterface(riid, ppvObject);
        pObject->Release();
        return hr;
    }
};
