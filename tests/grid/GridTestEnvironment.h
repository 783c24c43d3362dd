#pragma once
// Fixed system colours and user locales for the grid's tests, put in place
// for the life of a scope object.

#include "grid/CGRSysColors.h"
#include "grid/CGRUserLocale.h"

class CFixedSysColors : public CGRSysColors {
public:
    COLORREF GetSysColor(int nIndex) const override { return RGB(nIndex, 1, 2); }
};

class CFixedUserLocale : public CGRUserLocale {
public:
    explicit CFixedUserLocale(const CGRNumberLocale& locale) : m_locale(locale) {}
    CGRNumberLocale GetNumberLocale() const override { return m_locale; }
    BOOL ParseDate(LPCTSTR lpszText, double& dDate) const override
    {
        dDate = m_dDate;
        return m_dDate != 0.0;
    }
    BOOL ParseCurrency(LPCTSTR lpszText, LONGLONG& llCurrency) const override
    {
        llCurrency = m_llCurrency;
        return TRUE;
    }

    CGRNumberLocale m_locale;
    double m_dDate = 0.0;
    LONGLONG m_llCurrency = 0;
};

// Point decimals, comma grouping, leading zero, "-1.1".
inline CGRNumberLocale EnglishNumbers()
{
    return CGRNumberLocale();
}

// Comma decimals, point grouping, euro sign.
inline CGRNumberLocale GermanNumbers()
{
    CGRNumberLocale locale;
    locale.m_sDecimal = ",";
    locale.m_sThousand = ".";
    locale.m_sCurrency = "EUR";
    return locale;
}

class CScopedGridEnvironment {
public:
    explicit CScopedGridEnvironment(const CGRNumberLocale& numbers = EnglishNumbers())
        : m_locale(numbers)
    {
        CGRSysColors::SetCurrent(&m_colors);
        CGRUserLocale::SetCurrent(&m_locale);
    }
    ~CScopedGridEnvironment()
    {
        CGRSysColors::SetCurrent(nullptr);
        CGRUserLocale::SetCurrent(nullptr);
    }
    CScopedGridEnvironment(const CScopedGridEnvironment&) = delete;
    CScopedGridEnvironment& operator=(const CScopedGridEnvironment&) = delete;

    CFixedSysColors m_colors;
    CFixedUserLocale m_locale;
};
