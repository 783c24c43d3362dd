#pragma once
// Classes in this file: COleOwnedInterface, IUnknown for a COM interface
// that a framework object implements for as long as its owner keeps it (a
// window's drop target, the application's message filter, a class object):
// COM's references only count, and QueryInterface knows IUnknown and the
// one interface I.

#include "afx.h"

#include <ole2.h>

template <class I, const IID* piid>
class COleOwnedInterface : public I {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override
    {
        if (ppvObject == nullptr)
            return E_POINTER;
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, *piid)) {
            *ppvObject = nullptr;
            return E_NOINTERFACE;
        }
        *ppvObject = static_cast<I*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs)); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(::InterlockedDecrement(&m_nRefs)); }

private:
    LONG m_nRefs = 0;
};
