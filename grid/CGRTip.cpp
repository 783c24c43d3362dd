#include "CGRTip.h"

void CGRTip::DescribeTool(const CWnd* pWnd, TOOLINFO* pTI)
{
    pTI->hwnd = pWnd->GetSafeHwnd();
    pTI->uId = reinterpret_cast<UINT_PTR>(pWnd->GetSafeHwnd());
    pTI->uFlags = TTF_IDISHWND | TTF_TRANSPARENT | TTF_ALWAYSTIP | TTF_NOTBUTTON;
    pTI->lpszText = LPSTR_TEXTCALLBACK;
}

void CGRTip::AnswerTextRequest(NMHDR* pNMHDR, const CString& sText, CString& sBuffer, LRESULT* pResult)
{
    HWND hWndTip = pNMHDR->hwndFrom;
    ::SendMessage(hWndTip, TTM_SETMAXTIPWIDTH, 0, kMaxWidth);
    ::SendMessage(hWndTip, TTM_SETDELAYTIME, TTDT_AUTOPOP, kAutoPopMs);
    ::SendMessage(hWndTip, TTM_SETDELAYTIME, TTDT_INITIAL, kDelayMs);
    ::SendMessage(hWndTip, TTM_SETDELAYTIME, TTDT_RESHOW, kDelayMs);
    sBuffer = sText;
    reinterpret_cast<NMTTDISPINFOA*>(pNMHDR)->lpszText = const_cast<LPSTR>(static_cast<LPCTSTR>(sBuffer));
    *pResult = 0;
}
