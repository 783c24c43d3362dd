#pragma once
// Classes in this file: CTKNumericEdit, a masked edit whose field is a number
// in the user's format: digit grouping, a decimal separator, a fixed count of
// fractional digits, a leading zero and positive and negative display
// patterns ("1.1" stands for the number), with the value kept beside the
// text. Settings the program has not changed follow the user's locale.

#include "CTKEdit.h"
#include "CTKNumberField.h"

class CTKNumericEdit : public CTKEdit {
    DECLARE_DYNCREATE(CTKNumericEdit)
public:
    CTKNumericEdit() = default;

    // FALSE for a pattern without "1.1".
    virtual BOOL SetPositiveFormat(LPCTSTR lpszFormat);
    virtual BOOL SetNegativeFormat(LPCTSTR lpszFormat);
    // Shows the number with the sign's pattern; the change in the literals'
    // length.
    virtual int SetNegative(BOOL bNegative);
    // Places a typed digit, decimal separator or "-" (which toggles the sign)
    // at window position nPos; the caret position behind it, or -1.
    virtual int InsertDigit(int nPos, TCHAR c, BOOL bReplace);

    BOOL SetMask(LPCTSTR lpszMask);
    // FALSE for a negative count; the field is shown again with the new count.
    BOOL SetFractionalDigitCount(int nCount);
    int GetFractionalDigitCount() const { return m_format.m_nFractionalDigits; }
    BOOL SetDecimalSeparator(TCHAR c);
    BOOL SetMaxIntegerDigits(int nCount);
    double GetValue() const { return m_dValue; }
    BOOL IsNegative() const { return m_bNegative; }

    CString GetInputData() const override;
    BOOL UpdateFromLocale() override;
    int NormalizeInput() override;
    void EmptyData() override;
    BOOL IsInputPosition(int nPos) const override;
    int DeleteRange(int& nStart, int& nEnd) override;
    int InsertAt(int nPos, TCHAR c) override;
    int ReplaceAt(int nPos, TCHAR c) override;

protected:
    // Both the settings in effect and the locale's start as defaults.
    explicit CTKNumericEdit(const CTKNumberFormat& defaults) : m_format(defaults), m_locale(defaults) {}

    const CTKNumberFormat& GetFormat() const { return m_format; }
    const CTKNumberFormat& GetLocaleFormat() const { return m_locale; }
    // Each setting still at the locale's old value takes the new one; the
    // field is rewritten in the new separators.
    void FollowLocaleFormat(const CTKNumberFormat& newLocale);

private:
    BOOL SetPattern(CString& sPattern, LPCTSTR lpszFormat);
    int DeleteAroundSeparator(int nStart, int nEnd, int nSeparator);
    // Changes a setting of the format in effect and shows the field again.
    template <typename TChange>
    void ChangeFormat(TChange change);
    int TextLength() const { return FieldEnd() + m_sRight.GetLength(); }

    CTKNumberFormat m_format;
    CTKNumberFormat m_locale;
    CTKNumberField m_field{m_format};
    double m_dValue = 0.0;
    BOOL m_bNegative = FALSE;
    BOOL m_bAcceptPoint = TRUE;
};
