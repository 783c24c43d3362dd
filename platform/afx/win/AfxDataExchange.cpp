#include "AfxDataExchange.h"

#include "AfxMessageBox.h"
#include "res/resource.h"
#include "CDataExchange.h"
#include "CWnd.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

// --- number texts -----------------------------------------------------------

namespace {

// The number's characters without the blanks around it; a leading '+' is
// dropped, since from_chars takes only '-'.
void NumberSpan(LPCTSTR lpszText, const char*& pFirst, const char*& pLast)
{
    pFirst = lpszText;
    pLast = lpszText + std::strlen(lpszText);
    while (pFirst < pLast && (*pFirst == ' ' || *pFirst == '\t'))
        ++pFirst;
    while (pLast > pFirst && (pLast[-1] == ' ' || pLast[-1] == '\t'))
        --pLast;
    if (pLast - pFirst > 1 && *pFirst == '+' && pFirst[1] != '-')
        ++pFirst;
}

}  // namespace

CString AfxNumberToText(long long nValue)
{
    char szText[32];
    auto result = std::to_chars(szText, szText + sizeof(szText), nValue);
    return CString(szText, static_cast<int>(result.ptr - szText));
}

CString AfxNumberToText(double dValue)
{
    char szText[64];
    auto result = std::to_chars(szText, szText + sizeof(szText), dValue,
                                std::chars_format::general, 15);
    return CString(szText, static_cast<int>(result.ptr - szText));
}

BOOL AfxTextToNumber(LPCTSTR lpszText, long long nMin, long long nMax, long long& rValue)
{
    const char* pFirst = nullptr;
    const char* pLast = nullptr;
    NumberSpan(lpszText, pFirst, pLast);
    long long nValue = 0;
    auto result = std::from_chars(pFirst, pLast, nValue);
    if (result.ec != std::errc() || result.ptr != pLast || pFirst == pLast)
        return FALSE;
    if (nValue < nMin || nValue > nMax)
        return FALSE;
    rValue = nValue;
    return TRUE;
}

// "inf" and "nan" are no numbers a user means.
BOOL AfxTextToNumber(LPCTSTR lpszText, double& rValue)
{
    const char* pFirst = nullptr;
    const char* pLast = nullptr;
    NumberSpan(lpszText, pFirst, pLast);
    double dValue = 0.0;
    auto result = std::from_chars(pFirst, pLast, dValue, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != pLast || pFirst == pLast || !std::isfinite(dValue))
        return FALSE;
    rValue = dValue;
    return TRUE;
}

// --- edit controls ------------------------------------------------------------

namespace {

CString WindowText(HWND hWnd)
{
    CString sText;
    int nLength = ::GetWindowTextLengthA(hWnd);
    ::GetWindowTextA(hWnd, sText.GetBuffer(nLength + 1), nLength + 1);
    sText.ReleaseBuffer();
    return sText;
}

[[noreturn]] void FailWithPrompt(CDataExchange* pDX, UINT nIDPrompt)
{
    AfxMessageBox(nIDPrompt, MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}

// Integers of every width go through long long, bounded by the member's type.
template <typename T>
void ExchangeInteger(CDataExchange* pDX, int nIDC, T& value, UINT nIDPrompt)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        ::SetWindowTextA(hWndCtrl, AfxNumberToText(static_cast<long long>(value)));
        return;
    }
    long long nValue = 0;
    if (!AfxTextToNumber(WindowText(hWndCtrl), std::numeric_limits<T>::min(),
                         std::numeric_limits<T>::max(), nValue))
        FailWithPrompt(pDX, nIDPrompt);
    value = static_cast<T>(nValue);
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = WindowText(hWndCtrl);
    else
        ::SetWindowTextA(hWndCtrl, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) { ExchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_INT); }
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) { ExchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_UINT); }
void DDX_Text(CDataExchange* pDX, int nIDC, long& value) { ExchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_INT); }
void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value) { ExchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_UINT); }

void DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        ::SetWindowTextA(hWndCtrl, AfxNumberToText(value));
        return;
    }
    if (!AfxTextToNumber(WindowText(hWndCtrl), value))
        FailWithPrompt(pDX, AFX_IDP_PARSE_REAL);
}

// --- buttons ------------------------------------------------------------------

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0));
    else
        ::SendMessage(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

// The group runs from nIDC (a WS_GROUP radio button) to the next control
// that starts a group; only radio buttons count for the index.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int nIndex = 0;
    do {
        if (::SendMessage(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0) == BST_CHECKED)
                    value = nIndex;
            } else {
                ::SendMessage(hWndCtrl, BM_SETCHECK, nIndex == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++nIndex;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != nullptr && (::GetWindowLongPtr(hWndCtrl, GWL_STYLE) & WS_GROUP) == 0);
}

// --- combo and list boxes -----------------------------------------------------

namespace {

void ExchangeSelection(CDataExchange* pDX, int nIDC, int& index, UINT nGetMessage, UINT nSetMessage)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessage(hWndCtrl, nGetMessage, 0, 0));
    else
        ::SendMessage(hWndCtrl, nSetMessage, static_cast<WPARAM>(index), 0);
}

}  // namespace

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    ExchangeSelection(pDX, nIDC, index, CB_GETCURSEL, CB_SETCURSEL);
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    ExchangeSelection(pDX, nIDC, index, LB_GETCURSEL, LB_SETCURSEL);
}

// Loading selects the first item that starts with the text; a combo box
// with an edit field shows the text even when no item matches.
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = WindowText(hWndCtrl);
        return;
    }
    if (::SendMessage(hWndCtrl, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                      reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value))) == CB_ERR)
        ::SetWindowTextA(hWndCtrl, value);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    BOOL bAttached = rControl.SubclassWindow(hWndCtrl);
    assert(bAttached);
    (void)bAttached;
}

// --- checks ---------------------------------------------------------------------

namespace {

[[noreturn]] void FailWithRange(CDataExchange* pDX, UINT nIDPrompt, const CString& sMin, const CString& sMax)
{
    CString sPrompt;
    AfxFormatString2(sPrompt, nIDPrompt, sMin, sMax);
    AfxMessageBox(sPrompt, MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}

template <typename T>
void CheckIntegerRange(CDataExchange* pDX, T value, T minVal, T maxVal)
{
    assert(minVal <= maxVal);
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
        FailWithRange(pDX, AFX_IDP_PARSE_INT_RANGE, AfxNumberToText(static_cast<long long>(minVal)),
                      AfxNumberToText(static_cast<long long>(maxVal)));
}

}  // namespace

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) { CheckIntegerRange(pDX, value, minVal, maxVal); }
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal) { CheckIntegerRange(pDX, value, minVal, maxVal); }
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal) { CheckIntegerRange(pDX, value, minVal, maxVal); }
void DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal) { CheckIntegerRange(pDX, value, minVal, maxVal); }

void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal)
{
    assert(minVal <= maxVal);
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
        FailWithRange(pDX, AFX_IDP_PARSE_REAL_RANGE, AfxNumberToText(minVal), AfxNumberToText(maxVal));
}

// Loading limits what the edit control takes.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    assert(nChars >= 1);
    if (!pDX->m_bSaveAndValidate) {
        if (pDX->m_hWndLastControl != nullptr && pDX->m_bEditLastControl)
            ::SendMessage(pDX->m_hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
        return;
    }
    if (value.GetLength() > nChars) {
        CString sPrompt;
        AfxFormatString1(sPrompt, AFX_IDP_PARSE_STRING_SIZE, AfxNumberToText(static_cast<long long>(nChars)));
        AfxMessageBox(sPrompt, MB_OK | MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}
