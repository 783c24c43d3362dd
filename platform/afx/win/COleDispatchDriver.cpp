#include "COleDispatchDriver.h"

#include <cstdarg>
#include <cstring>
#include <vector>

namespace {

BSTR AllocBstr(LPCTSTR lpsz)
{
    const int nLength = ::MultiByteToWideChar(CP_ACP, 0, lpsz, -1, nullptr, 0);
    std::vector<WCHAR> aText(static_cast<size_t>(nLength > 0 ? nLength : 1));
    ::MultiByteToWideChar(CP_ACP, 0, lpsz, -1, aText.data(), nLength);
    return ::SysAllocString(aText.data());
}

}  // namespace

BOOL COleDispatchDriver::CreateDispatch(LPCTSTR lpszProgID, CreateStep* pFailedStep)
{
    ReleaseDispatch();
    BSTR bstrProgID = AllocBstr(lpszProgID);
    CLSID clsid;
    const HRESULT hrLookup = ::CLSIDFromProgID(bstrProgID, &clsid);
    ::SysFreeString(bstrProgID);
    if (FAILED(hrLookup)) {
        if (pFailedStep)
            *pFailedStep = stepClassLookup;
        return FALSE;
    }
    if (FAILED(::CoCreateInstance(clsid, nullptr, CLSCTX_SERVER, IID_IDispatch,
                                  reinterpret_cast<void**>(&m_lpDispatch)))) {
        m_lpDispatch = nullptr;
        if (pFailedStep)
            *pFailedStep = stepCreateObject;
        return FALSE;
    }
    return TRUE;
}

void COleDispatchDriver::ReleaseDispatch()
{
    if (m_lpDispatch) {
        m_lpDispatch->Release();
        m_lpDispatch = nullptr;
    }
}

// IDispatch takes its arguments last first.
HRESULT COleDispatchDriver::InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                         const BYTE* pbParamInfo, ...)
{
    if (!m_lpDispatch)
        return E_POINTER;
    const size_t nCount = pbParamInfo ? std::strlen(reinterpret_cast<const char*>(pbParamInfo)) : 0;
    std::vector<VARIANTARG> aArgs(nCount);
    va_list args;
    va_start(args, pbParamInfo);
    for (size_t i = 0; i < nCount; ++i) {
        VARIANTARG& arg = aArgs[nCount - 1 - i];
        ::VariantInit(&arg);
        arg.vt = pbParamInfo[i];
        if (arg.vt == VT_BSTR)
            arg.bstrVal = AllocBstr(va_arg(args, LPCTSTR));
        else
            arg.lVal = va_arg(args, long);
    }
    va_end(args);
    DISPPARAMS params = {aArgs.data(), nullptr, static_cast<UINT>(nCount), 0};
    VARIANT result;
    ::VariantInit(&result);
    HRESULT hr = m_lpDispatch->Invoke(dwDispID, IID_NULL, LOCALE_USER_DEFAULT, wFlags, &params,
                                      vtRet == VT_EMPTY ? nullptr : &result, nullptr, nullptr);
    for (VARIANTARG& arg : aArgs)
        ::VariantClear(&arg);
    if (SUCCEEDED(hr) && vtRet == VT_I4 && pvRet) {
        hr = ::VariantChangeType(&result, &result, 0, VT_I4);
        if (SUCCEEDED(hr))
            *static_cast<long*>(pvRet) = result.lVal;
    }
    ::VariantClear(&result);
    return hr;
}
