#pragma once
// Classes in this file: CGRInputMask, the input mask of a masked in-cell
// edit: which positions take which characters and which hold literals, and
// the filter that puts a text into the mask's form.

#include "afx.h"

class CGRInputMask {
public:
    // Marks a literal position in the input mask and an input position in
    // the template.
    static constexpr char kNoChar = 8;

    void SetMask(LPCTSTR lpszMask);
    BOOL IsActive() const;
    int GetPositionCount() const;
    BOOL IsLiteralAt(int nPos) const;
    char GetLiteralAt(int nPos) const;
    BOOL Accepts(int nPos, char ch) const;
    CString Filter(LPCTSTR lpszText) const;

    static BOOL IsMaskChar(char ch);
    static BOOL InClass(char chMask, char ch);

private:
    int m_bActive = 0;
    CString m_sMask;
    CString m_sInputMask;
    CString m_sTemplate;
};
