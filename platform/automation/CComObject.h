#pragma once
// Classes in this file: CComObject, an automation object as COM gets it: the
// program's class (Base) with reference counting. Each object holds one
// application lock while it lives, so a program started by COM stays while
// a client holds an object and ends after the last one goes. Base answers
// QueryInterface through InternalQueryInterface (IDispatchImpl gives one).

#include "afxwin.h"

template <class Base>
class CComObject final : public Base {
public:
    CComObject() { AfxOleLockApp(); }
    ~CComObject() { AfxOleUnlockApp(); }
    CComObject(const CComObject&) = delete;
    CComObject& operator=(const CComObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override
    {
        if (ppvObject == nullptr)
            return E_POINTER;
        return this->InternalQueryInterface(riid, ppvObject);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
        if (nRefs == 0)
            delete this;
        return static_cast<ULONG>(nRefs);
    }

private:
    LONG m_nRefs = 0;
};
