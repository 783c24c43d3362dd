#pragma once
// Classes in this file: CCorrectionText, the texts of the channel
// corrections' value cells: which keys a cell takes while it is edited, the
// form a typed correction is brought to when the cell is left, and the value
// stored from a cell's text.

#include "afx.h"

class CCorrectionText {
public:
    static constexpr UINT kBackspace = 8;

    // Whether nKey may change sField (the text the key applies to: empty
    // when the key replaces the field). bSelected: part of the edit's text
    // is selected.
    static bool AcceptsKey(const CString& sField, UINT nKey, char cDecimal, bool bSelected);
    // A typed correction with one decimal below 100 dB either way: "5" ->
    // "5.0", ",5" -> "0,5", "-" -> "", "100" -> "", "1.25" -> "".
    static CString Committed(const CString& sText, char cDecimal);
    // The value of a cell's text read with the grid's separator as the
    // point; the missing value for an empty text or one without a number.
    static double StoredValue(const CString& sText, char cDecimal);

    static constexpr int kMaxLength = 5;
    static constexpr double kLimit = 100.0;
};
