#include "ReportNumberKey.h"

#include "tables/TypedNumber.h"

#include <cctype>

namespace {

constexpr int kMaxLength = 7;

} // namespace

int CReportNumberKey::DecimalsOf(const CString& sText) const
{
    const int nSeparator = sText.Find(m_cDecimal);
    return nSeparator < 0 ? 0 : sText.GetLength() - nSeparator - 1;
}

// A cell entered on a shown number ("12.5") takes the first key as a new
// number, as if the key had replaced the selected text.
CString CReportNumberKey::BaseText(const CString& sEdit, bool bFirstKey) const
{
    double dValue = 0.0;
    if (bFirstKey && CTypedNumber::Parse(sEdit, m_cDecimal, dValue) && sEdit.Find(m_cDecimal) >= 0 &&
        DecimalsOf(sEdit) == m_nDecimals)
        return CString();
    return sEdit;
}

bool CReportNumberKey::Accepts(const CTypedKey::CEditState& edit, UINT nKey, bool bFirstKey) const
{
    if (nKey == CTypedKey::kBackspace)
        return true;
    const bool bSeparator = nKey == static_cast<UINT>(static_cast<unsigned char>(m_cDecimal));
    if (!bSeparator && !(nKey < 128 && std::isdigit(static_cast<int>(nKey))))
        return false;
    const CString sBase = BaseText(edit.m_sText, bFirstKey);
    if (sBase.GetLength() >= kMaxLength + (m_nDecimals - 1))
        return false;
    if (bSeparator && sBase.Find(m_cDecimal) >= 0)
        return false;
    const CString sTest = sBase + static_cast<char>(nKey);
    if (DecimalsOf(sTest) > m_nDecimals)
        return false;
    const bool bSelection = edit.m_nSelStart != edit.m_nSelEnd;
    return bSelection || CTypedNumber::ValueOf(sTest, m_cDecimal) <= Limit();
}
