#include "CGRCellTip.h"

#include <commctrl.h>

namespace {
const int kTipMaxWidth = 32767;
const int kTipAutoPopMs = 32767;
const int kTipDelayMs = 200;
}

INT_PTR CGRCellTip::HitTest(const CWnd* pWnd, int nCol, int nRow, TOOLINFO* pTI)
{
    if (nCol != m_nCol || nRow != m_nRow) {
        m_nCol = nCol;
        m_nRow = nRow;
        CWnd::CancelToolTips();
        return -1;
    }
    pTI->hwnd = pWnd->GetSafeHwnd();
    pTI->uId = reinterpret_cast<UINT_PTR>(pWnd->GetSafeHwnd());
    pTI->uFlags = TTF_IDISHWND | TTF_TRANSPARENT | TTF_ALWAYSTIP | TTF_NOTBUTTON;
    pTI->lpszText = LPSTR_TEXTCALLBACK;
    return 1;
}

void CGRCellTip::Supply(NMHDR* pNMHDR, const CString& sText)
{
    // The tip control reads the text after the notification returns; the
    // grid windows share the one buffer, as only one tip shows at a time.
    static CString s_sTipText;
    HWND hWndTip = pNMHDR->hwndFrom;
    ::SendMessage(hWndTip, TTM_SETMAXTIPWIDTH, 0, kTipMaxWidth);
    ::SendMessage(hWndTip, TTM_SETDELAYTIME, TTDT_AUTOPOP, kTipAutoPopMs);
    ::SendMessage(hWndTip, TTM_SETDELAYTIME, TTDT_INITIAL, kTipDelayMs);
    ::SendMessage(hWndTip, TTM_SETDELAYTIME, TTDT_RESHOW, kTipDelayMs);
    s_sTipText = sText;
    reinterpret_cast<NMTTDISPINFOA*>(pNMHDR)->lpszText = const_cast<LPSTR>(static_cast<LPCTSTR>(s_sTipText));
}
