#pragma once
// Classes in this file: CComTypeInfoHolder, the part of IDispatch that the
// type library answers: names to dispatch ids, and calls by dispatch id
// made through the interface's own methods. The description of the
// interface comes from the type library embedded in the program.

#include "afxwin.h"

class CComTypeInfoHolder {
public:
    explicit CComTypeInfoHolder(REFIID iid) : m_iid(iid) {}

    HRESULT GetTypeInfo(UINT iTInfo, ITypeInfo** ppTInfo) const;
    HRESULT GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, DISPID* rgDispId) const;
    // pThis: the object's dual interface, whose methods the call reaches.
    HRESULT Invoke(IDispatch* pThis, DISPID dispIdMember, REFIID riid, WORD wFlags, DISPPARAMS* pDispParams,
                   VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) const;

private:
    HRESULT LoadTypeInfo(ITypeInfo** ppTInfo) const;
    HRESULT LoadInterfaceTypeInfo(ITypeInfo** ppTInfo) const;

    IID m_iid;
};
