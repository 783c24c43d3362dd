#pragma once
// Classes in this file: CGRTip, what the tips of the grid's windows share:
// the tool a window reports for itself, and the answer to the tip control's
// request for the text, with the grid's tip timing.

#include "afxwin.h"

class CGRTip {
public:
    // The window itself is the tool; its text is asked for when shown.
    static void DescribeTool(const CWnd* pWnd, TOOLINFO* pTI);
    // Hands sText to the tip control through sBuffer, which must outlive
    // the call (the control reads it after the notification returns).
    static void AnswerTextRequest(NMHDR* pNMHDR, const CString& sText, CString& sBuffer, LRESULT* pResult);

    // A tip stays up as long as the pointer rests and comes quickly.
    static constexpr int kMaxWidth = 32767;
    static constexpr int kAutoPopMs = 32767;
    static constexpr int kDelayMs = 200;
};
