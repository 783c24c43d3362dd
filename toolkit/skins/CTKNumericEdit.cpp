#include "CTKNumericEdit.h"

#include "grid/CGRUserLocale.h"

#include <algorithm>
#include <cmath>

IMPLEMENT_DYNCREATE(CTKNumericEdit, CTKEdit)

namespace {

const char s_szNumber[] = "1.1";

// The user's negative number order as a pattern; null for an order the
// control does not know.
LPCTSTR NegativePatternOf(int nOrder)
{
    static const LPCTSTR patterns[] = {"(1.1)", "-1.1", "- 1.1", "1.1-", "1.1 -"};
    return nOrder >= 0 && nOrder < 5 ? patterns[nOrder] : nullptr;
}

CTKNumberFormat ReadUserFormat(const CTKNumberFormat& previous)
{
    CGRNumberLocale user = CGRUserLocale::Current().GetNumberLocale();
    CTKNumberFormat format = previous;
    format.ReadSeparatorsAndDigits(user);
    if (LPCTSTR pszPattern = NegativePatternOf(user.m_nNegativeOrder))
        format.m_sNegativePattern = pszPattern;
    return format;
}

// A setting still at the user's old value follows the user's new one.
template <typename T>
void FollowLocale(T& inEffect, const T& oldLocale, const T& newLocale)
{
    if (inEffect == oldLocale)
        inEffect = newLocale;
}

void FollowLocale(CString& inEffect, const CString& oldLocale, const CString& newLocale)
{
    if (inEffect.CompareNoCase(oldLocale) == 0)
        inEffect = newLocale;
}

}  // namespace

BOOL CTKNumericEdit::SetPositiveFormat(LPCTSTR lpszFormat)
{
    return SetPattern(m_format.m_sPositivePattern, lpszFormat);
}

BOOL CTKNumericEdit::SetNegativeFormat(LPCTSTR lpszFormat)
{
    return SetPattern(m_format.m_sNegativePattern, lpszFormat);
}

BOOL CTKNumericEdit::SetPattern(CString& sPattern, LPCTSTR lpszFormat)
{
    if (lpszFormat == nullptr || CString(lpszFormat).Find(s_szNumber) < 0)
        return FALSE;
    sPattern = lpszFormat;
    SetNegative(m_bNegative);
    return TRUE;
}

int CTKNumericEdit::SetNegative(BOOL bNegative)
{
    m_bNegative = bNegative;
    const CString& sPattern = bNegative ? m_format.m_sNegativePattern : m_format.m_sPositivePattern;
    int nNumber = sPattern.Find(s_szNumber);
    CString sMaskLeft;
    CString sMaskRight;
    SplitMaskLiterals(sMaskLeft, sMaskRight);
    int nOldLeft = m_sLeft.GetLength();
    m_sLeft = sMaskLeft + sPattern.Left(nNumber);
    m_sRight = sPattern.Mid(nNumber + 3) + sMaskRight;
    OnLiteralsChanged();
    int nChange = m_sLeft.GetLength() - nOldLeft;
    if (m_hWnd != nullptr) {
        int nStart = 0;
        int nEnd = 0;
        GetSel(nStart, nEnd);
        RewriteText(std::max(nStart + nChange, 0));
    }
    m_dValue = bNegative ? -std::fabs(m_dValue) : std::fabs(m_dValue);
    return nChange;
}

int CTKNumericEdit::InsertDigit(int nPos, TCHAR c, BOOL bReplace)
{
    if (c == '-')
        return nPos + SetNegative(!m_bNegative);
    CString sField = m_sInput;
    int nCaret = m_field.InsertDigit(sField, nPos - FieldStart(), c, bReplace, GetInsertMode(), m_bAcceptPoint);
    if (nCaret < 0)
        return -1;
    m_sInput = sField;
    ApplyFieldChange();
    return FieldStart() + m_field.MapCaret(sField, nCaret, m_sInput);
}

BOOL CTKNumericEdit::SetMask(LPCTSTR lpszMask)
{
    if (!CTKEdit::SetMask(lpszMask))
        return FALSE;
    SetNegative(m_bNegative);
    return TRUE;
}

BOOL CTKNumericEdit::SetFractionalDigitCount(int nCount)
{
    if (nCount < 0)
        return FALSE;
    ChangeFormat([&](CTKNumberFormat& format) { format.m_nFractionalDigits = nCount; });
    return TRUE;
}

// FALSE for a digit or "-", which are the number's own characters.
BOOL CTKNumericEdit::SetDecimalSeparator(TCHAR c)
{
    if ((c >= '0' && c <= '9') || c == '-')
        return FALSE;
    ChangeFormat([&](CTKNumberFormat& format) { format.m_cDecimal = c; });
    return TRUE;
}

// -1: no limit; FALSE for a count below -1.
BOOL CTKNumericEdit::SetMaxIntegerDigits(int nCount)
{
    if (nCount < -1)
        return FALSE;
    ChangeFormat([&](CTKNumberFormat& format) { format.m_nMaxIntegerDigits = nCount; });
    return TRUE;
}

template <typename TChange>
void CTKNumericEdit::ChangeFormat(TChange change)
{
    CTKNumberFormat before = m_format;
    change(m_format);
    ReloadInput(m_field.FromFormat(m_sInput, before));
}

CString CTKNumericEdit::GetInputData() const
{
    return m_field.WithoutGroups(m_sInput);
}

// The field is rewritten in the new separators at once, so that a number
// typed under the old ones keeps its value.
BOOL CTKNumericEdit::UpdateFromLocale()
{
    FollowLocaleFormat(ReadUserFormat(m_locale));
    return TRUE;
}

void CTKNumericEdit::FollowLocaleFormat(const CTKNumberFormat& newLocale)
{
    CTKNumberFormat before = m_format;
    FollowLocale(m_format.m_cGroup, m_locale.m_cGroup, newLocale.m_cGroup);
    FollowLocale(m_format.m_nGroupLength, m_locale.m_nGroupLength, newLocale.m_nGroupLength);
    FollowLocale(m_format.m_cDecimal, m_locale.m_cDecimal, newLocale.m_cDecimal);
    FollowLocale(m_format.m_bLeadingZero, m_locale.m_bLeadingZero, newLocale.m_bLeadingZero);
    FollowLocale(m_format.m_nFractionalDigits, m_locale.m_nFractionalDigits, newLocale.m_nFractionalDigits);
    FollowLocale(m_format.m_sPositivePattern, m_locale.m_sPositivePattern, newLocale.m_sPositivePattern);
    FollowLocale(m_format.m_sNegativePattern, m_locale.m_sNegativePattern, newLocale.m_sNegativePattern);
    m_locale = newLocale;
    m_sInput = m_field.FromFormat(m_sInput, before);
}

int CTKNumericEdit::NormalizeInput()
{
    int nOldLength = m_sInput.GetLength();
    BOOL bMinus = FALSE;
    BOOL bDigitsCut = FALSE;
    m_field.Normalize(m_sInput, bMinus, bDigitsCut);
    SetNegative(bMinus || m_bNegative);
    if (bDigitsCut)
        RewriteText();
    double dMagnitude = m_field.ReadValue(m_sInput);
    m_dValue = m_bNegative ? -dMagnitude : dMagnitude;
    return m_sInput.GetLength() - nOldLength;
}

void CTKNumericEdit::EmptyData()
{
    CTKEdit::EmptyData();
    m_dValue = 0.0;
}

BOOL CTKNumericEdit::IsInputPosition(int nPos) const
{
    return CTKEdit::IsInputPosition(nPos) && !m_field.IsSeparatorAt(m_sInput, nPos - FieldStart());
}

// The decimal separator always stays: a range over it loses the digits on
// either side. The start ends before the digit that followed the deletion,
// however the digits were regrouped.
int CTKNumericEdit::DeleteRange(int& nStart, int& nEnd)
{
    if (nEnd == -1)
        return 0;
    nStart = NextCaretPosition(nStart);
    int nGroupsBefore = m_field.CountGroupsBefore(m_sInput, -1);
    int nGroupsBeforeStart = m_field.CountGroupsBefore(m_sInput, nStart - FieldStart());
    int nSeparator = m_sInput.Find(m_format.m_cDecimal);
    int nRemoved = 0;
    if (nSeparator >= 0 && nStart <= FieldStart() + nSeparator && FieldStart() + nSeparator <= nEnd)
        nRemoved = DeleteAroundSeparator(nStart, nEnd, FieldStart() + nSeparator);
    else
        nRemoved = CTKEdit::DeleteRange(nStart, nEnd);
    if (nRemoved > 0)
        ApplyFieldChange();
    int nShift = nGroupsBeforeStart - m_field.CountGroupsBefore(m_sInput, nStart - FieldStart());
    nStart = std::max(nStart - nShift, 0);
    nEnd = std::max(nEnd - nShift, 0);
    return nRemoved + nGroupsBefore - m_field.CountGroupsBefore(m_sInput, -1);
}

// Deleting the whole number of a negative field clears its sign.
int CTKNumericEdit::DeleteAroundSeparator(int nStart, int nEnd, int nSeparator)
{
    if (m_bNegative && nStart <= FieldStart() && nEnd >= TextLength() - m_sRight.GetLength())
        m_bNegative = FALSE;
    int nRemoved = 0;
    if (nSeparator < nEnd) {
        int nFractionStart = nSeparator + 1;
        nRemoved += CTKEdit::DeleteRange(nFractionStart, nEnd);
    }
    if (nSeparator > nStart) {
        int nIntegerEnd = nSeparator;
        nRemoved += CTKEdit::DeleteRange(nStart, nIntegerEnd);
    }
    return nRemoved;
}

int CTKNumericEdit::InsertAt(int nPos, TCHAR c)
{
    if (!IsCaretPosition(nPos))
        nPos = NextCaretPosition(nPos);
    return InsertDigit(nPos, c, FALSE);
}

int CTKNumericEdit::ReplaceAt(int nPos, TCHAR c)
{
    return InsertDigit(nPos, c, TRUE);
}
