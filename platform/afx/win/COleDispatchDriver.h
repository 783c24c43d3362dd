#pragma once
// Classes in this file: COleDispatchDriver, a client's hold on another
// program's automation object: created by its ProgID, called through
// IDispatch by dispatch id, released by its owner.
//
//     COleDispatchDriver generator;
//     if (!generator.CreateDispatch("Other.Application")) ...
//     long nResult = 0;
//     static const BYTE kParams[] = VTS_BSTR VTS_BSTR;
//     HRESULT hr = generator.InvokeHelper(1, DISPATCH_METHOD, VT_I4, &nResult, kParams, sFirst, sSecond);
//
// InvokeHelper returns the call's HRESULT instead of throwing, so that no
// exception crosses the caller's command handler.

#include "afx.h"

#include <oaidl.h>

// Parameter kinds of InvokeHelper's list, each one byte.
#define VTS_I4 "\x03"
#define VTS_BSTR "\x08"

class COleDispatchDriver {
public:
    COleDispatchDriver() = default;
    COleDispatchDriver(const COleDispatchDriver&) = delete;
    COleDispatchDriver& operator=(const COleDispatchDriver&) = delete;
    ~COleDispatchDriver() { ReleaseDispatch(); }

    // FALSE when no class is registered under the ProgID (the lookup
    // failed) or its object cannot be made; *pFailedStep tells which.
    enum CreateStep { stepClassLookup, stepCreateObject };
    BOOL CreateDispatch(LPCTSTR lpszProgID, CreateStep* pFailedStep = nullptr);
    void ReleaseDispatch();
    HRESULT InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet, const BYTE* pbParamInfo, ...);

    LPDISPATCH m_lpDispatch = nullptr;
};
