// The user's locale of the window system: its number settings and the OLE
// date and currency parsers. Numbers are formatted by CGRNumberFormat with
// these settings; it gives what GetNumberFormatA gives, except that a zero
// keeps its digit without a leading zero and carries no minus sign.
#include "CGRUserLocale.h"

#include <oleauto.h>

namespace {

// Locale texts are read into the small buffers the settings fit in; a longer
// value reads as empty.
CString ReadLocaleText(LCTYPE type, int nBufferSize)
{
    char buffer[8] = {};
    if (!::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, nBufferSize))
        return CString();
    return CString(buffer);
}

int ReadLocaleNumber(LCTYPE type)
{
    return atoi(ReadLocaleText(type, 4));
}

// The text as a BSTR of the ANSI code page; null when it cannot be made.
BSTR MakeBstr(LPCTSTR lpszText)
{
    int nChars = ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, nullptr, 0);
    if (nChars <= 0)
        return nullptr;
    BSTR bstr = ::SysAllocStringLen(nullptr, nChars - 1);
    if (bstr)
        ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, bstr, nChars);
    return bstr;
}

class CWindowsUserLocale : public CGRUserLocale {
public:
    CGRNumberLocale GetNumberLocale() const override
    {
        CGRNumberLocale locale;
        locale.m_nLeadingZero = ReadLocaleNumber(LOCALE_ILZERO);
        locale.m_sDecimal = ReadLocaleText(LOCALE_SDECIMAL, 4);
        locale.m_sThousand = ReadLocaleText(LOCALE_STHOUSAND, 4);
        locale.m_nNegativeOrder = ReadLocaleNumber(LOCALE_INEGNUMBER);
        locale.m_sCurrency = ReadLocaleText(LOCALE_SCURRENCY, 6);
        locale.m_nGrouping = atoi(ReadLocaleText(LOCALE_SGROUPING, 8));  // "3;0": 3
        locale.m_nDigits = ReadLocaleNumber(LOCALE_IDIGITS);
        return locale;
    }

    CGRMoneyLocale GetMoneyLocale() const override
    {
        CGRMoneyLocale locale;
        locale.m_sDecimal = ReadLocaleText(LOCALE_SMONDECIMALSEP, 4);
        locale.m_sThousand = ReadLocaleText(LOCALE_SMONTHOUSANDSEP, 4);
        locale.m_nLeadingZero = ReadLocaleNumber(LOCALE_ILZERO);
        locale.m_nGrouping = atoi(ReadLocaleText(LOCALE_SMONGROUPING, 8));  // "3;0": 3
        locale.m_nDigits = ReadLocaleNumber(LOCALE_ICURRDIGITS);
        locale.m_sSymbol = ReadLocaleText(LOCALE_SCURRENCY, 6);
        locale.m_nPositiveOrder = ReadLocaleNumber(LOCALE_ICURRENCY);
        locale.m_nNegativeOrder = ReadLocaleNumber(LOCALE_INEGCURR);
        return locale;
    }

    BOOL ParseDate(LPCTSTR lpszText, double& dDate) const override
    {
        BSTR bstr = MakeBstr(lpszText);
        DATE date = 0;
        HRESULT hr = bstr ? ::VarDateFromStr(bstr, LOCALE_USER_DEFAULT, 0, &date) : E_OUTOFMEMORY;
        ::SysFreeString(bstr);
        dDate = date;
        return SUCCEEDED(hr);
    }

    BOOL ParseCurrency(LPCTSTR lpszText, LONGLONG& llCurrency) const override
    {
        BSTR bstr = MakeBstr(lpszText);
        CY cy = {};
        HRESULT hr = bstr ? ::VarCyFromStr(bstr, LOCALE_USER_DEFAULT, 0, &cy) : E_OUTOFMEMORY;
        ::SysFreeString(bstr);
        llCurrency = cy.int64;
        return SUCCEEDED(hr);
    }
};

}

const CGRUserLocale& CGRUserLocale::System()
{
    static const CWindowsUserLocale locale;
    return locale;
}
