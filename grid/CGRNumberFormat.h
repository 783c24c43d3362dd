#pragma once
// Classes in this file: CGRNumberFormat, the locale form of a plain number
// text: a fixed count of decimals, thousands grouped by three, the locale's
// separators, leading zero and negative form.

#include "afx.h"

struct CGRNumberLocale;

class CGRNumberFormat {
public:
    // FALSE for a text that is no plain number, or a result of 256 characters
    // or more; sResult is then untouched.
    static BOOL Format(LPCTSTR lpszNumber, int nDigits, const CGRNumberLocale& locale,
                       CString& sResult);
};
