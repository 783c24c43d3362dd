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

    // Takes what a user's number or money settings say of separators,
    // grouping, leading zero and fractional digits; an empty separator
    // keeps the one before.
    template <typename TLocale>
    void ReadSeparatorsAndDigits(const TLocale& locale)
    {
        if (!locale.m_sDecimal.IsEmpty())
            m_cDecimal = locale.m_sDecimal[0];
        if (!locale.m_sThousand.IsEmpty())
            m_cGroup = locale.m_sThousand[0];
        m_nGroupLength = locale.m_nGrouping;
        m_bLeadingZero = locale.m_nLeadingZero != 0;
        m_nFractionalDigits = locale.m_nDigits;
    }
};
