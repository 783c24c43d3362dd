#include "TypedKey.h"

#include "TypedNumber.h"

#include <cctype>

CString CTypedKey::Predicted(const CEditState& edit, UINT nKey)
{
    int nStart = edit.m_nSelStart;
    const int nEnd = edit.m_nSelEnd;
    if (nKey == kBackspace) {
        if (nStart == nEnd && nStart > 0)
            --nStart;
        return edit.m_sText.Left(nStart) + edit.m_sText.Mid(nEnd);
    }
    return edit.m_sText.Left(nStart) + static_cast<char>(nKey) + edit.m_sText.Mid(nEnd);
}

// Digits with at most one separator and nMaxDecimals digits behind it.
bool CTypedKey::IsNumberStart(const CString& sDigits, char cDecimal, int nMaxDecimals)
{
    int nSeparators = 0;
    for (int i = 0; i < sDigits.GetLength(); ++i) {
        const char ch = sDigits[i];
        if (ch == cDecimal)
            ++nSeparators;
        else if (!std::isdigit(static_cast<unsigned char>(ch)))
            return false;
    }
    const int nPos = sDigits.Find(cDecimal);
    return nSeparators <= 1 && (nPos < 0 || sDigits.GetLength() - nPos - 1 <= nMaxDecimals);
}

// A minus goes anywhere, once: the sign is put in front when the cell is
// left. Backspace is always let through.
bool CTypedKey::AcceptLevelKey(const CEditState& edit, UINT nKey, bool bCorrection, char cDecimal)
{
    if (nKey == kBackspace)
        return true;
    if (nKey == '-')
        return edit.m_sText.Find('-') < 0;
    const CString sPredicted = Predicted(edit, nKey);
    CString sDigits = sPredicted;
    sDigits.Remove('-');
    const int nMaxLength = bCorrection ? 5 : 6;
    if (sPredicted.GetLength() > nMaxLength || !IsNumberStart(sDigits, cDecimal, 1))
        return false;
    const double dLimit = bCorrection ? 99.9 : 199.9;
    return CTypedNumber::ValueOf(sDigits, cDecimal) <= dLimit;
}

bool CTypedKey::AcceptReverberationKey(const CEditState& edit, UINT nKey, int nDecimals, char cDecimal)
{
    if (nKey == kBackspace)
        return true;
    return KeepsReverberationForm(edit, nKey, nDecimals, cDecimal)
           && CTypedNumber::ValueOf(Predicted(edit, nKey), cDecimal) < 60.0;
}

bool CTypedKey::KeepsReverberationForm(const CEditState& edit, UINT nKey, int nDecimals, char cDecimal)
{
    if (nKey == kBackspace)
        return true;
    const CString sPredicted = Predicted(edit, nKey);
    return sPredicted.GetLength() <= nDecimals + 3 && IsNumberStart(sPredicted, cDecimal, nDecimals);
}
