#include "ReportGeneratorStandIn.h"

#include "ReportGeneratorIds.h"

#include <string>

namespace {

const UINT kGenerateReportArgs = 2;

// The program's paths are ANSI texts; the stand-in gives them back as such.
std::string AnsiOf(BSTR bstrText)
{
    const int nLength = static_cast<int>(::SysStringLen(bstrText));
    std::string sText(static_cast<size_t>(::WideCharToMultiByte(CP_ACP, 0, bstrText, nLength, nullptr, 0, nullptr,
                                                                  nullptr)), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, bstrText, nLength, &sText[0], static_cast<int>(sText.size()), nullptr, nullptr);
    return sText;
}

void RecordText(const char* lpszName, const std::string& sText)
{
    ::RegSetKeyValueA(HKEY_CURRENT_USER, kReportGeneratorStandInKey, lpszName, REG_SZ, sText.c_str(),
                      static_cast<DWORD>(sText.size() + 1));
}

// What the test asked the stand-in to return; 0 when nothing.
long RequestedReturnCode()
{
    DWORD dwCode = 0;
    DWORD cbCode = sizeof(dwCode);
    if (::RegGetValueA(HKEY_CURRENT_USER, kReportGeneratorStandInKey, "ReturnCode", RRF_RT_REG_DWORD, nullptr, &dwCode,
                       &cbCode) != ERROR_SUCCESS)
        return 0;
    return static_cast<long>(dwCode);
}

// The data workbook exists only while the request runs: a copy lets the test
// read what the generator was given.
void KeepDataWorkbook(const std::string& sData)
{
    char szKeepAs[MAX_PATH] = {};
    DWORD cbKeepAs = sizeof(szKeepAs);
    if (::RegGetValueA(HKEY_CURRENT_USER, kReportGeneratorStandInKey, "KeepDataAs", RRF_RT_REG_SZ, nullptr, szKeepAs,
                       &cbKeepAs) == ERROR_SUCCESS)
        ::CopyFileA(sData.c_str(), szKeepAs, FALSE);
}

} // namespace

HRESULT CReportGeneratorStandIn::QueryInterface(REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDispatch))
        return E_NOINTERFACE;
    *ppvObject = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

ULONG CReportGeneratorStandIn::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs));
}

ULONG CReportGeneratorStandIn::Release()
{
    const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0)
        delete this;
    return static_cast<ULONG>(nRefs);
}

// Late-bound callers name the method; the program calls it by its id.
HRESULT CReportGeneratorStandIn::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo == nullptr)
        return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

HRESULT CReportGeneratorStandIn::GetTypeInfo(UINT, LCID, ITypeInfo**)
{
    return DISP_E_BADINDEX;
}

HRESULT CReportGeneratorStandIn::GetIDsOfNames(REFIID, LPOLESTR* rgszNames, UINT cNames, LCID, DISPID* rgDispId)
{
    if (rgszNames == nullptr || rgDispId == nullptr || cNames != 1)
        return DISP_E_UNKNOWNNAME;
    if (::lstrcmpiW(rgszNames[0], L"GenerateReport") != 0) {
        rgDispId[0] = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
    rgDispId[0] = kDispIdGenerateReport;
    return S_OK;
}

// GenerateReport(data workbook, Word template) as a method with two texts;
// IDispatch passes the arguments last first.
HRESULT CReportGeneratorStandIn::Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags, DISPPARAMS* pDispParams,
                                        VARIANT* pVarResult, EXCEPINFO*, UINT* puArgErr)
{
    if (dispIdMember != kDispIdGenerateReport || !(wFlags & DISPATCH_METHOD))
        return DISP_E_MEMBERNOTFOUND;
    if (pDispParams == nullptr || pDispParams->cArgs != kGenerateReportArgs)
        return DISP_E_BADPARAMCOUNT;
    if (pDispParams->cNamedArgs != 0)
        return DISP_E_NONAMEDARGS;
    for (UINT i = 0; i < kGenerateReportArgs; ++i) {
        if (V_VT(&pDispParams->rgvarg[i]) != VT_BSTR) {
            if (puArgErr)
                *puArgErr = i;
            return DISP_E_TYPEMISMATCH;
        }
    }
    const long nCode = GenerateReport(V_BSTR(&pDispParams->rgvarg[1]), V_BSTR(&pDispParams->rgvarg[0]));
    if (pVarResult) {
        ::VariantInit(pVarResult);
        V_VT(pVarResult) = VT_I4;
        V_I4(pVarResult) = nCode;
    }
    return S_OK;
}

long CReportGeneratorStandIn::GenerateReport(BSTR bstrData, BSTR bstrWordTemplate)
{
    const std::string sData = AnsiOf(bstrData);
    RecordText("Data", sData);
    RecordText("Template", AnsiOf(bstrWordTemplate));
    KeepDataWorkbook(sData);
    return RequestedReturnCode();
}
