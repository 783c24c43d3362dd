#include "CEdit.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    ::SendMessage(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    nStartChar = static_cast<int>(dwStart);
    nEndChar = static_cast<int>(dwEnd);
}

DWORD CEdit::GetSel() const { return static_cast<DWORD>(::SendMessage(m_hWnd, EM_GETSEL, 0, 0)); }

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    ::SendMessage(m_hWnd, EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
    if (!bNoScroll)
        ::SendMessage(m_hWnd, EM_SCROLLCARET, 0, 0);
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
    SetSel(static_cast<int>(LOWORD(dwSelection)), static_cast<int>(HIWORD(dwSelection)), bNoScroll);
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo)
{
    ::SendMessage(m_hWnd, EM_REPLACESEL, static_cast<WPARAM>(bCanUndo), reinterpret_cast<LPARAM>(lpszNewText));
}

void CEdit::SetLimitText(UINT nMax) { ::SendMessage(m_hWnd, EM_SETLIMITTEXT, nMax, 0); }
UINT CEdit::GetLimitText() const { return static_cast<UINT>(::SendMessage(m_hWnd, EM_GETLIMITTEXT, 0, 0)); }
BOOL CEdit::GetModify() const { return static_cast<BOOL>(::SendMessage(m_hWnd, EM_GETMODIFY, 0, 0)); }
void CEdit::SetModify(BOOL bModified) { ::SendMessage(m_hWnd, EM_SETMODIFY, static_cast<WPARAM>(bModified), 0); }
BOOL CEdit::SetReadOnly(BOOL bReadOnly) { return static_cast<BOOL>(::SendMessage(m_hWnd, EM_SETREADONLY, static_cast<WPARAM>(bReadOnly), 0)); }
void CEdit::SetPasswordChar(TCHAR ch) { ::SendMessage(m_hWnd, EM_SETPASSWORDCHAR, static_cast<BYTE>(ch), 0); }
int CEdit::GetLineCount() const { return static_cast<int>(::SendMessage(m_hWnd, EM_GETLINECOUNT, 0, 0)); }

// The first WORD of the buffer tells the control its size; the line is not
// terminated by the control, so this does it.
int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const
{
    if (nMaxLength < 1)
        return 0;
    *reinterpret_cast<WORD*>(lpszBuffer) = static_cast<WORD>(nMaxLength > 0xFFFF ? 0xFFFF : nMaxLength);
    int nCopied = static_cast<int>(::SendMessage(m_hWnd, EM_GETLINE, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszBuffer)));
    lpszBuffer[nCopied < nMaxLength ? nCopied : nMaxLength - 1] = '\0';
    return nCopied;
}

int CEdit::LineIndex(int nLine) const { return static_cast<int>(::SendMessage(m_hWnd, EM_LINEINDEX, static_cast<WPARAM>(nLine), 0)); }
int CEdit::LineLength(int nLine) const { return static_cast<int>(::SendMessage(m_hWnd, EM_LINELENGTH, static_cast<WPARAM>(nLine), 0)); }
int CEdit::LineFromChar(int nIndex) const { return static_cast<int>(::SendMessage(m_hWnd, EM_LINEFROMCHAR, static_cast<WPARAM>(nIndex), 0)); }
void CEdit::LineScroll(int nLines, int nChars) { ::SendMessage(m_hWnd, EM_LINESCROLL, static_cast<WPARAM>(nChars), nLines); }
void CEdit::SetMargins(UINT nLeft, UINT nRight) { ::SendMessage(m_hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight)); }

CPoint CEdit::PosFromChar(UINT nChar) const
{
    LRESULT lPos = ::SendMessage(m_hWnd, EM_POSFROMCHAR, nChar, 0);
    return CPoint(static_cast<short>(LOWORD(lPos)), static_cast<short>(HIWORD(lPos)));
}

int CEdit::CharFromPos(CPoint pt) const
{
    return static_cast<int>(::SendMessage(m_hWnd, EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y)));
}

BOOL CEdit::CanUndo() const { return static_cast<BOOL>(::SendMessage(m_hWnd, EM_CANUNDO, 0, 0)); }
BOOL CEdit::Undo() { return static_cast<BOOL>(::SendMessage(m_hWnd, EM_UNDO, 0, 0)); }
void CEdit::EmptyUndoBuffer() { ::SendMessage(m_hWnd, EM_EMPTYUNDOBUFFER, 0, 0); }
void CEdit::Clear() { ::SendMessage(m_hWnd, WM_CLEAR, 0, 0); }
void CEdit::Copy() { ::SendMessage(m_hWnd, WM_COPY, 0, 0); }
void CEdit::Cut() { ::SendMessage(m_hWnd, WM_CUT, 0, 0); }
void CEdit::Paste() { ::SendMessage(m_hWnd, WM_PASTE, 0, 0); }
