#pragma once
// Classes in this file: CReportNumberKey, the check of a key typed into a
// number field of a test report (a volume, an area, a temperature): digits
// and one decimal separator, at most 7 characters (8 with two decimals),
// no more decimals than the field keeps and no value above 9999.99.

#include "tables/TypedKey.h"

class CReportNumberKey {
public:
    // nDecimals: 1 or 2. bFirstKey: no key typed since the cell was entered;
    // a first key then replaces a shown number instead of extending it.
    CReportNumberKey(int nDecimals, char cDecimal) : m_nDecimals(nDecimals), m_cDecimal(cDecimal) {}

    bool Accepts(const CTypedKey::CEditState& edit, UINT nKey, bool bFirstKey) const;

private:
    // The text before the key: empty when the key replaces a shown number.
    CString BaseText(const CString& sEdit, bool bFirstKey) const;
    int DecimalsOf(const CString& sText) const;
    double Limit() const { return m_nDecimals == 2 ? 9999.995 : 9999.99; }

    int m_nDecimals;
    char m_cDecimal;
};
