#pragma once
// The data exchange functions a DoDataExchange lists, one line per control:
//
//     void CLimitsDlg::DoDataExchange(CDataExchange* pDX)
//     {
//         DDX_Text(pDX, IDC_LOWER, m_nLower);
//         DDV_MinMaxInt(pDX, m_nLower, 0, 43);
//         DDX_Check(pDX, IDC_LEGEND, m_bLegend);
//     }
//
// DDX_ moves a value between a control and a member (direction:
// pDX->m_bSaveAndValidate); a DDV_ check follows the DDX_ of its control and
// acts only when saving, on the member already set (a failed exchange may
// leave members changed; the dialog stays open, so nothing is applied). A text that is no number, or a value out of range,
// is explained in a message box, its control gets the focus and the exchange
// fails. Numbers are written and read with a decimal point, whatever the
// locale.

#include "afx.h"

class CDataExchange;
class CWnd;

// Edit controls (any window text)
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);

// Buttons: the check state (0, 1, 2); the index of the checked radio button
// of the group starting at nIDC (-1 for none).
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);

// Combo and list boxes: the selected index (-1 for none), the text.
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);

// Attaches rControl to the control nIDC the first time (subclassing it).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// Checks of the value just exchanged.
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
void DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal);
void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal);
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);

// The texts DDX_Text writes and reads: decimal, with a point for doubles
// (15 significant digits); parsing allows blanks around the number and
// nothing else. FALSE for a text that is no number of the type.
CString AfxNumberToText(long long nValue);
CString AfxNumberToText(double dValue);
BOOL AfxTextToNumber(LPCTSTR lpszText, long long nMin, long long nMax, long long& rValue);
BOOL AfxTextToNumber(LPCTSTR lpszText, double& rValue);
