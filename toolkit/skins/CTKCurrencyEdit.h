#pragma once
// Classes in this file: CTKCurrencyEdit, a numeric edit for an amount of
// money: the user's monetary separators, grouping and digits, and sign
// patterns in which "$" stands for the currency symbol.

#include "CTKNumericEdit.h"

class CTKCurrencyEdit : public CTKNumericEdit {
    DECLARE_DYNCREATE(CTKCurrencyEdit)
public:
    CTKCurrencyEdit();

    // FALSE for a pattern without "1.1" or without "$".
    BOOL SetPositiveFormat(LPCTSTR lpszFormat) override;
    BOOL SetNegativeFormat(LPCTSTR lpszFormat) override;
    CString GetPositiveFormat() const { return GetFormat().m_sPositivePattern; }
    CString GetNegativeFormat() const { return GetFormat().m_sNegativePattern; }
    CString GetCurrencySymbol() const { return m_sSymbol; }

    BOOL UpdateFromLocale() override;

protected:
    void OnLiteralsChanged() override;

private:
    CString m_sSymbol = "$";
    CString m_sLocaleSymbol = "$";
};
