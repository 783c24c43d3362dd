#include "CTKCurrencyEdit.h"

#include "grid/CGRUserLocale.h"

IMPLEMENT_DYNCREATE(CTKCurrencyEdit, CTKNumericEdit)

namespace {

const char s_szNumber[] = "1.1";
const char s_szSymbol[] = "$";

CTKNumberFormat DefaultMoneyFormat()
{
    CTKNumberFormat format;
    format.m_sPositivePattern = "$1.1";
    format.m_sNegativePattern = "($1.1)";
    return format;
}

// The user's currency orders as patterns; null for an order the edit does
// not know.
LPCTSTR PositivePatternOf(int nOrder)
{
    static const LPCTSTR patterns[] = {"$1.1", "1.1$", "$ 1.1", "1.1 $"};
    return nOrder >= 0 && nOrder < 4 ? patterns[nOrder] : nullptr;
}

LPCTSTR NegativePatternOf(int nOrder)
{
    static const LPCTSTR patterns[] = {"($1.1)", "-$1.1",  "$-1.1",  "$1.1-",  "(1.1$)",  "-1.1$",
                                       "1.1-$",  "1.1$-",  "-1.1 $", "-$ 1.1", "1.1 $-",  "$ 1.1-",
                                       "$ -1.1", "1.1- $", "($ 1.1)", "(1.1 $)"};
    return nOrder >= 0 && nOrder < 16 ? patterns[nOrder] : nullptr;
}

CTKNumberFormat ReadMoneyFormat(const CTKNumberFormat& previous, const CGRMoneyLocale& money)
{
    CTKNumberFormat format = previous;
    format.ReadSeparatorsAndDigits(money);
    if (LPCTSTR pszPattern = PositivePatternOf(money.m_nPositiveOrder))
        format.m_sPositivePattern = pszPattern;
    if (LPCTSTR pszPattern = NegativePatternOf(money.m_nNegativeOrder))
        format.m_sNegativePattern = pszPattern;
    return format;
}

BOOL HasSymbol(LPCTSTR lpszFormat)
{
    return lpszFormat != nullptr && CString(lpszFormat).Find(s_szSymbol) >= 0;
}

}  // namespace

CTKCurrencyEdit::CTKCurrencyEdit() : CTKNumericEdit(DefaultMoneyFormat())
{
}

BOOL CTKCurrencyEdit::SetPositiveFormat(LPCTSTR lpszFormat)
{
    return HasSymbol(lpszFormat) && CTKNumericEdit::SetPositiveFormat(lpszFormat);
}

BOOL CTKCurrencyEdit::SetNegativeFormat(LPCTSTR lpszFormat)
{
    return HasSymbol(lpszFormat) && CTKNumericEdit::SetNegativeFormat(lpszFormat);
}

// The symbol follows the user's only while it is still the user's old one.
BOOL CTKCurrencyEdit::UpdateFromLocale()
{
    const CGRMoneyLocale money = CGRUserLocale::Current().GetMoneyLocale();
    if (m_sSymbol.CompareNoCase(m_sLocaleSymbol) == 0)
        m_sSymbol = money.m_sSymbol;
    m_sLocaleSymbol = money.m_sSymbol;
    FollowLocaleFormat(ReadMoneyFormat(GetLocaleFormat(), money));
    return TRUE;
}

// The sign's literals were just made from its pattern: the "$" among them
// becomes the currency symbol, however many characters it has.
void CTKCurrencyEdit::OnLiteralsChanged()
{
    const CString& sPattern = IsNegative() ? GetFormat().m_sNegativePattern : GetFormat().m_sPositivePattern;
    const int nNumber = sPattern.Find(s_szNumber);
    const int nSymbol = sPattern.Find(s_szSymbol);
    if (nNumber < 0 || nSymbol < 0)
        return;
    if (nSymbol > nNumber) {
        const int nPlace = nSymbol - (nNumber + 3);
        m_sRight = m_sRight.Left(nPlace) + m_sSymbol + m_sRight.Mid(nPlace + 1);
        return;
    }
    CString sMaskLeft;
    CString sMaskRight;
    SplitMaskLiterals(sMaskLeft, sMaskRight);
    const int nPlace = sMaskLeft.GetLength() + nSymbol;
    m_sLeft = m_sLeft.Left(nPlace) + m_sSymbol + m_sLeft.Mid(nPlace + 1);
}
