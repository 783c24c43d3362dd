#pragma once
// Classes in this file: CGRNumberLocale, the user's number settings,
// CGRMoneyLocale, the user's settings for amounts of money, and
// CGRUserLocale, where cells and edits read them and format and parse
// numbers. The
// user's locale is the default; tests put a fixed locale in its place.

#include "afx.h"

struct CGRNumberLocale {
    int m_nLeadingZero = 1;    // 0: ".5", 1: "0.5"
    CString m_sDecimal = ".";
    CString m_sThousand = ",";
    int m_nNegativeOrder = 1;  // 0 "(1.1)", 1 "-1.1", 2 "- 1.1", 3 "1.1-", 4 "1.1 -"
    CString m_sCurrency = "$";
    int m_nGrouping = 3;       // digits in a group, 0: no grouping
    int m_nDigits = 2;         // fractional digits
};

struct CGRMoneyLocale {
    CString m_sDecimal = ".";
    CString m_sThousand = ",";
    int m_nLeadingZero = 1;
    int m_nGrouping = 3;        // digits in a group, 0: no grouping
    int m_nDigits = 2;          // fractional digits
    CString m_sSymbol = "$";
    int m_nPositiveOrder = 0;   // 0 "$1.1", 1 "1.1$", 2 "$ 1.1", 3 "1.1 $"
    int m_nNegativeOrder = 0;   // 0 "($1.1)" … 15 "(1.1 $)"
};

class CGRUserLocale {
public:
    virtual ~CGRUserLocale() = default;

    virtual CGRNumberLocale GetNumberLocale() const = 0;
    // The default amount form ("$1,234.50", "($1,234.50)") unless the
    // locale says otherwise.
    virtual CGRMoneyLocale GetMoneyLocale() const { return CGRMoneyLocale(); }
    // A plain number text ("-1234.5") in the locale's form, with nDigits
    // decimals and thousands grouped by three; FALSE when it cannot.
    BOOL FormatNumber(LPCTSTR lpszNumber, int nDigits, CString& sResult) const;
    // Date and time as an OLE date value; FALSE when the text is no date.
    virtual BOOL ParseDate(LPCTSTR lpszText, double& dDate) const;
    // Currency in ten-thousandths of a unit; FALSE when the text is no amount.
    virtual BOOL ParseCurrency(LPCTSTR lpszText, LONGLONG& llCurrency) const;

    static const CGRUserLocale& Current();
    // Null gives the user's locale back.
    static void SetCurrent(const CGRUserLocale* pLocale);
    static const CGRUserLocale& System();
};
