#include "ComErrorBox.h"

#include "AfxOleText.h"
#include "afxwin.h"

namespace {

// Result codes an IDispatch implementation raises for its own errors: the
// dispatch error number counts from the first code after the base.
const HRESULT kDispatchErrorBase = static_cast<HRESULT>(0x80040200);
const HRESULT kDispatchErrorLast = static_cast<HRESULT>(0x8004FFFF);

CString SystemMessageOf(HRESULT hr)
{
    LPSTR lpszBuffer = nullptr;
    const DWORD dwLength = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(hr), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPSTR>(&lpszBuffer), 0,
        nullptr);
    CString sMessage;
    if (dwLength != 0 && lpszBuffer != nullptr)
        sMessage = lpszBuffer;
    ::LocalFree(lpszBuffer);
    if (sMessage.Right(2) == "\r\n")
        sMessage = sMessage.Left(sMessage.GetLength() - 2);
    return sMessage;
}

} // namespace

CString ComErrorMeaning(HRESULT hr)
{
    CString sMeaning = SystemMessageOf(hr);
    if (!sMeaning.IsEmpty())
        return sMeaning;
    if (hr > kDispatchErrorBase && hr <= kDispatchErrorLast)
        sMeaning.Format("IDispatch error #%d", static_cast<int>(hr - kDispatchErrorBase));
    else
        sMeaning.Format("Unknown error 0x%0lX", static_cast<unsigned long>(hr));
    return sMeaning;
}

CString ComErrorText(HRESULT hr, const CString& sSource, const CString& sDescription)
{
    CString sCode;
    sCode.Format("\tCode = %08lx\n", static_cast<unsigned long>(hr));
    return "Error:\n" + sCode + "\tCode meaning = " + ComErrorMeaning(hr) + "\n\tSource = " + sSource +
           "\n\tDescription = " + sDescription + "\n";
}

void ShowSiblingFailure(const CString& sText)
{
    CWinApp* pApp = AfxGetApp();
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hWndOwner = pMainWnd != nullptr ? ::GetLastActivePopup(pMainWnd->GetSafeHwnd()) : nullptr;
    AfxShowMessageBox(hWndOwner, sText, pApp != nullptr ? pApp->m_pszAppName : AfxGetAppName(), MB_OK);
}

void ShowComError(HRESULT hr, IErrorInfo* pErrorInfo)
{
    BSTR bstrSource = nullptr;
    BSTR bstrDescription = nullptr;
    if (pErrorInfo != nullptr) {
        pErrorInfo->GetSource(&bstrSource);
        pErrorInfo->GetDescription(&bstrDescription);
    }
    const CString sText = ComErrorText(hr, AfxNarrowOf(bstrSource), AfxNarrowOf(bstrDescription));
    ::SysFreeString(bstrSource);
    ::SysFreeString(bstrDescription);
    ShowSiblingFailure(sText);
}
