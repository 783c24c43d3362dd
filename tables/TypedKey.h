#pragma once
// Classes in this file: CTypedKey, the check of one key typed into a number
// cell of a measurement table: the key is tried on the edit's text, at its
// caret or over its selection, and refused when the text would no longer be
// the start of a valid number of that cell.

#include "afx.h"

class CTypedKey {
public:
    // The edit's text and selection (start == end: the caret) before the key.
    struct CEditState {
        CString m_sText;
        int m_nSelStart = 0;
        int m_nSelEnd = 0;
    };

    // A level (bCorrection false: up to 199.9 dB) or a correction (up to
    // 99.9 dB): one decimal, a minus sign in front.
    static bool AcceptLevelKey(const CEditState& edit, UINT nKey, bool bCorrection, char cDecimal);
    // A reverberation time with nDecimals decimals, below 60 s.
    static bool AcceptReverberationKey(const CEditState& edit, UINT nKey, int nDecimals, char cDecimal);
    // The same form (digits, one separator, nDecimals decimals) whatever
    // the value.
    static bool KeepsReverberationForm(const CEditState& edit, UINT nKey, int nDecimals, char cDecimal);

    // The text the edit would show after the key.
    static CString Predicted(const CEditState& edit, UINT nKey);

    static constexpr UINT kBackspace = 8;

private:
    static bool IsNumberStart(const CString& sDigits, char cDecimal, int nMaxDecimals);
};
