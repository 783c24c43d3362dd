#include "CTKNumericEdit.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CTKNumericEdit, CEdit)

BOOL CTKNumericEdit::SetFractionalDigitCount(int nCount)
{
    if (nCount < 0)
        return FALSE;
    m_nFractionalDigits = nCount;
    if (m_hWnd != nullptr)
        NormaliseText();
    return TRUE;
}

void CTKNumericEdit::NormaliseText()
{
    CString sText;
    GetWindowText(sText);
    sText.TrimLeft();
    sText.TrimRight();
    if (sText.IsEmpty())
        return;
    char* pEnd = nullptr;
    double dValue = std::strtod(sText, &pEnd);
    if (pEnd == nullptr || *pEnd != '\0')
        return;
    CString sNumber;
    sNumber.Format("%.*f", m_nFractionalDigits, dValue);
    SetWindowText(sNumber);
}
