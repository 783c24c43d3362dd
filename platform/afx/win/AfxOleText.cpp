#include "AfxOleText.h"

#include <objbase.h>

CString AfxNarrowOf(LPCOLESTR lpszText)
{
    CString sNarrow;
    if (lpszText == nullptr)
        return sNarrow;
    const int nLength = ::WideCharToMultiByte(CP_ACP, 0, lpszText, -1, nullptr, 0, nullptr, nullptr);
    if (nLength > 1) {
        ::WideCharToMultiByte(CP_ACP, 0, lpszText, -1, sNarrow.GetBuffer(nLength), nLength, nullptr, nullptr);
        sNarrow.ReleaseBuffer();
    }
    return sNarrow;
}

std::wstring AfxWideOf(LPCTSTR lpszText)
{
    const int nLength = ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, nullptr, 0);
    if (nLength <= 1)
        return std::wstring();
    std::wstring sWide(static_cast<size_t>(nLength), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, &sWide[0], nLength);
    sWide.resize(static_cast<size_t>(nLength - 1));
    return sWide;
}

CString AfxGuidText(REFGUID guid)
{
    OLECHAR szGuid[40] = {};
    ::StringFromGUID2(guid, szGuid, 40);
    return AfxNarrowOf(szGuid);
}
