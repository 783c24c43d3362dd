#include "CTKNumberField.h"

#include <algorithm>
#include <locale>
#include <sstream>
#include <string>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

void CTKNumberField::Normalize(CString& sField, BOOL& bMinus, BOOL& bDigitsCut) const
{
    sField = KeepNumberCharacters(sField, bMinus);
    bDigitsCut = FALSE;
    LimitDigits(sField, bDigitsCut);
    CompleteDigits(sField);
    InsertGroups(sField);
}

CString CTKNumberField::KeepNumberCharacters(const CString& sText, BOOL& bMinus) const
{
    std::string kept;
    bool bSeparatorKept = false;
    for (int i = sText.GetLength() - 1; i >= 0; --i) {
        char c = sText[i];
        if (IsDigit(c)) {
            kept.insert(kept.begin(), c);
        } else if (c == m_format.m_cDecimal && !bSeparatorKept) {
            kept.insert(kept.begin(), c);
            bSeparatorKept = true;
        }
    }
    bMinus = !sText.IsEmpty() && sText[0] == '-';
    return CString(kept.c_str());
}

void CTKNumberField::LimitDigits(CString& sField, BOOL& bDigitsCut) const
{
    int nSeparator = sField.Find(m_format.m_cDecimal);
    int nInteger = nSeparator < 0 ? sField.GetLength() : nSeparator;
    while (nInteger >= 2 && sField[0] == '0') {
        sField.Delete(0);
        --nInteger;
    }
    if (nSeparator >= 0) {
        int nFraction = sField.GetLength() - nInteger - 1;
        if (nFraction > m_format.m_nFractionalDigits) {
            sField = sField.Left(nInteger + 1 + m_format.m_nFractionalDigits);
            bDigitsCut = TRUE;
        }
    }
    if (m_format.m_nMaxIntegerDigits >= 0 && !sField.IsEmpty() && sField[0] != '0' &&
        nInteger > m_format.m_nMaxIntegerDigits) {
        sField.Delete(0, nInteger - m_format.m_nMaxIntegerDigits);
        bDigitsCut = TRUE;
    }
}

void CTKNumberField::CompleteDigits(CString& sField) const
{
    int nSeparator = sField.Find(m_format.m_cDecimal);
    if (m_format.m_nFractionalDigits > 0) {
        if (nSeparator < 0) {
            nSeparator = sField.GetLength();
            sField += m_format.m_cDecimal;
        }
        while (sField.GetLength() - nSeparator - 1 < m_format.m_nFractionalDigits)
            sField += '0';
        if (nSeparator == 0 && m_format.m_bLeadingZero)
            sField.Insert(0, '0');
        else if (nSeparator == 1 && sField[0] == '0' && !m_format.m_bLeadingZero)
            sField.Delete(0);
        return;
    }
    if (nSeparator >= 0)
        sField.Delete(nSeparator);
    if (sField.IsEmpty() && m_format.m_bLeadingZero)
        sField = "0";
}

void CTKNumberField::InsertGroups(CString& sField) const
{
    if (m_format.m_nGroupLength <= 0)
        return;
    int nSeparator = sField.Find(m_format.m_cDecimal);
    int nDigitsInGroup = 0;
    for (int i = (nSeparator < 0 ? sField.GetLength() : nSeparator) - 1; i >= 0; --i) {
        if (sField[i] == m_format.m_cGroup)
            continue;
        if (nDigitsInGroup == m_format.m_nGroupLength) {
            sField.Insert(i + 1, m_format.m_cGroup);
            nDigitsInGroup = 0;
        }
        ++nDigitsInGroup;
    }
}

int CTKNumberField::InsertDigit(CString& sField, int nIndex, char c, BOOL bReplace, BOOL bInsertMode,
                                BOOL bAcceptPoint) const
{
    if (c == m_format.m_cDecimal || (c == '.' && bAcceptPoint))
        return InsertSeparator(sField);
    if (!IsDigit(c) || nIndex < 0 || nIndex > sField.GetLength())
        return -1;
    BOOL bInsert = bInsertMode && !bReplace;
    if (c == '0' && nIndex == 0 && !sField.IsEmpty() && !IsSeparatorAt(sField, 0)) {
        CString sRest = sField.Mid(1);
        if (bInsert || sRest.IsEmpty() || (sRest[0] != '0' && sRest[0] != m_format.m_cDecimal))
            return -1;
        sField = sRest;
        return 0;
    }
    return InsertDigitInto(sField, nIndex, c, bInsert);
}

int CTKNumberField::InsertSeparator(CString& sField) const
{
    if (m_format.m_nFractionalDigits == 0)
        return -1;
    int nSeparator = sField.Find(m_format.m_cDecimal);
    if (nSeparator >= 0)
        return nSeparator + 1;
    sField += m_format.m_cDecimal;
    return sField.GetLength();
}

// A digit overwrites where the field has no room for it: a full fraction, the
// integer digits at their maximum, a lone "0", or always when overtyping.
int CTKNumberField::InsertDigitInto(CString& sField, int nIndex, char c, BOOL bInsert) const
{
    int nSeparator = sField.Find(m_format.m_cDecimal);
    bool bOverwrite;
    if (!bInsert) {
        bOverwrite = nSeparator != 0;
    } else if ((nIndex == 0 && !sField.IsEmpty() && sField[0] == '0') || (nSeparator < 0 && sField == "0")) {
        bOverwrite = true;
        nIndex = 0;
    } else if (nSeparator >= 0 && nIndex > nSeparator) {
        bOverwrite = sField.GetLength() - nSeparator - 1 >= m_format.m_nFractionalDigits;
    } else {
        int nInteger = WithoutGroups(nSeparator < 0 ? sField : sField.Left(nSeparator)).GetLength();
        bOverwrite = m_format.m_nMaxIntegerDigits >= 0 && nInteger >= m_format.m_nMaxIntegerDigits;
    }
    if (!bOverwrite) {
        sField.Insert(nIndex, c);
        return nIndex + 1;
    }
    while (nIndex < sField.GetLength() && IsSeparatorAt(sField, nIndex))
        ++nIndex;
    if (nIndex >= sField.GetLength()) {
        if (bInsert)
            return -1;
        sField += c;
    } else {
        sField.SetAt(nIndex, c);
    }
    return nIndex + 1;
}

int CTKNumberField::MapCaret(const CString& sBefore, int nCaret, const CString& sAfter) const
{
    int nSeparatorBefore = SeparatorOrEnd(sBefore);
    int nSeparatorAfter = SeparatorOrEnd(sAfter);
    if (nCaret > nSeparatorBefore)
        return std::min(nSeparatorAfter + nCaret - nSeparatorBefore, sAfter.GetLength());
    int nDigitsRight = WithoutGroups(sBefore.Mid(nCaret, nSeparatorBefore - nCaret)).GetLength();
    int nPosition = nSeparatorAfter;
    while (nPosition > 0 && nDigitsRight > 0) {
        --nPosition;
        nDigitsRight -= !IsSeparatorAt(sAfter, nPosition);
    }
    while (nPosition > 0 && IsSeparatorAt(sAfter, nPosition - 1))
        --nPosition;  // behind the digit, not behind a group separator
    return nPosition;
}

int CTKNumberField::SeparatorOrEnd(const CString& sField) const
{
    int nSeparator = sField.Find(m_format.m_cDecimal);
    return nSeparator < 0 ? sField.GetLength() : nSeparator;
}

CString CTKNumberField::FromFormat(const CString& sField, const CTKNumberFormat& from) const
{
    CString sResult;
    for (int i = 0; i < sField.GetLength(); ++i) {
        char c = sField[i];
        if (c == from.m_cDecimal)
            sResult += m_format.m_cDecimal;
        else if (from.m_nGroupLength <= 0 || c != from.m_cGroup)
            sResult += c;
    }
    return sResult;
}

CString CTKNumberField::WithoutGroups(const CString& sField) const
{
    if (m_format.m_nGroupLength <= 0)
        return sField;
    CString sBare = sField;
    sBare.Remove(m_format.m_cGroup);
    return sBare;
}

double CTKNumberField::ReadValue(const CString& sField) const
{
    std::string number;
    for (char c : std::string(WithoutGroups(sField)))
        number += c == m_format.m_cDecimal ? '.' : c;
    std::istringstream stream(number);
    stream.imbue(std::locale::classic());
    double dValue = 0.0;
    if (!(stream >> dValue))
        return 0.0;
    return dValue;
}

int CTKNumberField::CountGroupsBefore(const CString& sField, int nIndex) const
{
    if (m_format.m_nGroupLength <= 0)
        return 0;
    int nSeparator = sField.Find(m_format.m_cDecimal);
    int nEnd = nSeparator < 0 ? sField.GetLength() : nSeparator;
    if (nIndex >= 0 && nIndex < nEnd)
        nEnd = nIndex;
    int nGroups = 0;
    for (int i = 0; i < nEnd; ++i)
        nGroups += sField[i] == m_format.m_cGroup;
    return nGroups;
}

BOOL CTKNumberField::IsSeparatorAt(const CString& sField, int nIndex) const
{
    if (nIndex < 0 || nIndex >= sField.GetLength())
        return FALSE;
    char c = sField[nIndex];
    return c == m_format.m_cDecimal || (m_format.m_nGroupLength > 0 && c == m_format.m_cGroup);
}
