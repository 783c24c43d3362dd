#pragma once
// Classes in this file: CTKNumericEdit, an edit for a number shown with a
// fixed count of fractional digits. Stand-in: it keeps the count, and when
// the count is set the number in the edit is shown with that many digits
// after the point; typing is not checked, and there is no digit grouping,
// locale separator, mask or sign pattern yet.

#include "afxwin.h"

class CTKNumericEdit : public CEdit {
    DECLARE_DYNAMIC(CTKNumericEdit)
public:
    CTKNumericEdit() = default;

    // FALSE for a negative count, which changes nothing.
    BOOL SetFractionalDigitCount(int nCount);
    int GetFractionalDigitCount() const { return m_nFractionalDigits; }

private:
    // The window's number with the current count of digits; text that is
    // no number stays as it is.
    void NormaliseText();

    int m_nFractionalDigits = 2;
};
