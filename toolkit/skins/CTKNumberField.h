#pragma once
// Classes in this file: CTKNumberField, the window-free rules of a numeric
// edit's field: how typed or pasted text becomes a well-formed number in the
// format, where a typed digit goes, and the number the field holds.

#include "CTKNumberFormat.h"

class CTKNumberField {
public:
    explicit CTKNumberField(const CTKNumberFormat& format) : m_format(format) {}

    // Rewrites sField as a number of the format: digits and one decimal
    // separator, fraction truncated and padded, integer digits limited,
    // digits grouped. bMinus tells whether the text started with "-";
    // bDigitsCut whether fractional or integer digits were dropped.
    void Normalize(CString& sField, BOOL& bMinus, BOOL& bDigitsCut) const;

    // Puts a typed digit or decimal separator into sField at field index
    // nIndex; the index of the character placed, or -1 when it is refused.
    // A "." counts as the decimal separator when bAcceptPoint is set.
    int InsertDigit(CString& sField, int nIndex, char c, BOOL bReplace, BOOL bInsertMode,
                    BOOL bAcceptPoint) const;

    // Where a caret at nCaret in sBefore stands in sAfter, the same field
    // normalised: the same place in the fraction, or before the same count of
    // integer digits.
    int MapCaret(const CString& sBefore, int nCaret, const CString& sAfter) const;

    // A field written in another format's separators, in this one's: its
    // group separators dropped and its decimal separator replaced.
    CString FromFormat(const CString& sField, const CTKNumberFormat& from) const;
    CString WithoutGroups(const CString& sField) const;
    // The field's number read with the format's own decimal separator,
    // whatever the runtime's locale; without its sign.
    double ReadValue(const CString& sField) const;
    // Group separators of the integer part standing below field index nIndex
    // (nIndex -1: all of them).
    int CountGroupsBefore(const CString& sField, int nIndex) const;
    BOOL IsSeparatorAt(const CString& sField, int nIndex) const;

private:
    int SeparatorOrEnd(const CString& sField) const;
    int InsertSeparator(CString& sField) const;
    int InsertDigitInto(CString& sField, int nIndex, char c, BOOL bInsertMode) const;
    CString KeepNumberCharacters(const CString& sText, BOOL& bMinus) const;
    void LimitDigits(CString& sField, BOOL& bDigitsCut) const;
    void CompleteDigits(CString& sField) const;
    void InsertGroups(CString& sField) const;

    const CTKNumberFormat& m_format;
};
