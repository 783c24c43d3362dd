#include "AfxListItemText.h"

CString AfxListItemText(HWND hWnd, UINT nLengthMessage, UINT nTextMessage, int nIndex)
{
    CString sText;
    int nLength = static_cast<int>(::SendMessage(hWnd, nLengthMessage, static_cast<WPARAM>(nIndex), 0));
    if (nLength < 0)
        return sText;
    ::SendMessage(hWnd, nTextMessage, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(sText.GetBuffer(nLength + 1)));
    sText.ReleaseBuffer();
    return sText;
}
