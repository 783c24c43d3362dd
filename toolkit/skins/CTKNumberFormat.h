#pragma once
// Classes in this file: CTKNumberFormat, how a numeric edit shows its number:
// separators, grouping, digits and the sign patterns.

#include "afx.h"

struct CTKNumberFormat {
    char m_cGroup = ',';
    int m_nGroupLength = 3;  // 0: no grouping
    char m_cDecimal = '.';
    BOOL m_bLeadingZero = TRUE;
    int m_nFractionalDigits = 2;
    int m_nMaxIntegerDigits = -1;  // -1: no limit
    CString m_sNegativePattern = "-1.1";
    CString m_sPositivePattern = "1.1";
};
