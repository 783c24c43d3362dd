// Keys typed into a report's number fields: digits and one separator,
// the length, the decimals, the largest value, and the first key that
// replaces a shown number.

#include "reports/ReportNumberKey.h"

#include <gtest/gtest.h>

namespace {

TEST(ReportNumberKey, ChecksEachKeyAgainstTheField)
{
    const struct {
        const char* lpszEdit;
        UINT nKey;
        int nDecimals;
        char cDecimal;
        bool bSelection;
        bool bFirstKey;
        bool bAccepted;
    } aCases[] = {
        /*  0 */ {"12", 'x', 1, '.', false, false, false},
        /*  1 */ {"12", '.', 1, '.', false, false, true},
        /*  2 */ {"12.", '.', 1, '.', false, false, false},
        /*  3 */ {"12", ',', 1, '.', false, false, false},
        /*  4 */ {"12", ',', 1, ',', false, false, true},
        /*  5 */ {"12,3", '4', 1, ',', false, false, false},
        /*  6 */ {"12.3", '4', 1, '.', false, false, false},
        /*  7 */ {"9999.", '9', 1, '.', false, false, true},
        /*  8 */ {"1000", '0', 1, '.', false, false, false},
        /*  9 */ {"1000", '0', 1, '.', true, false, true},
        /* 10 */ {"12.3", 8, 1, '.', false, false, true},
        /* 11 */ {"12.34", '5', 2, '.', false, false, false},
        /* 12 */ {"12.3", '4', 2, '.', false, false, true},
        /* 13 */ {"9999.9", '9', 2, '.', false, false, true},
        /* 14 */ {"1.2345", '6', 1, '.', true, false, false},
        /* 15 */ {"123456", '7', 2, '.', true, false, true},
        /* 16 */ {"12345678", '9', 2, '.', true, false, false},
        /* 17 */ {"12.5", '4', 1, '.', false, true, true},
        /* 18 */ {"12.5", '.', 1, '.', false, true, true},
        /* 19 */ {"12.50", '4', 1, '.', false, true, false},
        /* 20 */ {"12.50", '4', 2, '.', false, true, true},
        /* 21 */ {"125", '4', 1, '.', false, true, true},
        /* 22 */ {"", '-', 1, '.', false, true, false},
        /* 23 */ {"9999", '9', 2, '.', false, false, false},
        /* 24 */ {"9999.99", '5', 2, '.', false, true, true},
        /* 25 */ {"12.5", '.', 2, '.', false, true, false},
        /* 26 */ {"9999.9", '9', 1, '.', false, true, true},
    };
    for (size_t k = 0; k < std::size(aCases); ++k) {
        const auto& c = aCases[k];
        SCOPED_TRACE(testing::Message() << "row " << k << ": \"" << c.lpszEdit << "\" + '" << static_cast<char>(c.nKey) << "'");
        CTypedKey::CEditState edit;
        edit.m_sText = c.lpszEdit;
        edit.m_nSelStart = 0;
        edit.m_nSelEnd = c.bSelection ? 1 : 0;
        EXPECT_EQ(c.bAccepted, CReportNumberKey(c.nDecimals, c.cDecimal).Accepts(edit, c.nKey, c.bFirstKey));
    }
}

} // namespace
