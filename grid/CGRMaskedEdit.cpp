#include "CGRMaskedEdit.h"

#include "CGRCtrl.h"

#include <cctype>

BEGIN_MESSAGE_MAP(CGRMaskedEdit, CGREditBase)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_CHAR()
END_MESSAGE_MAP()

CGRMaskedEdit::CGRMaskedEdit(CGRCtrl* pCtrl) : CGREditBase(pCtrl)
{
}

BOOL CGRMaskedEdit::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= ES_AUTOHSCROLL;
    return CGREditBase::PreCreateWindow(cs);
}

const CGRInputMask& CGRMaskedEdit::GetMask() const
{
    return m_mask;
}

// The text is limited to the mask's positions and put into its form.
void CGRMaskedEdit::SetMask(LPCTSTR lpszMask)
{
    m_mask.SetMask(lpszMask);
    if (!m_mask.IsActive() || !GetSafeHwnd())
        return;
    SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(m_mask.GetPositionCount()));
    Reformat();
}

void CGRMaskedEdit::Reformat()
{
    if (m_bInsertingLiteral)
        return;
    m_bInsertingLiteral = 1;
    DWORD dwSelection = static_cast<DWORD>(SendMessage(EM_GETSEL));
    CString sText;
    GetWindowText(sText);
    SetWindowText(m_mask.Filter(sText));
    SendMessage(EM_SETSEL, LOWORD(dwSelection), HIWORD(dwSelection));
    SendMessage(EM_SCROLLCARET);
    m_bInsertingLiteral = 0;
}

void CGRMaskedEdit::OnSetFocus(CWnd* pOldWnd)
{
    CGREditBase::OnSetFocus(pOldWnd);
    if (m_pCtrl) {
        CGRCell cell;
        int nCol = 0, nRow = 0;
        GetEditedCell(nCol, nRow);
        m_pCtrl->GetCellIndirect(nCol, nRow, &cell);
        SetMask(cell.GetMask());
    }
    SelectAll();
}

// The next cell may have no mask: its text must not stay cut to this one.
void CGRMaskedEdit::OnKillFocus(CWnd* pNewWnd)
{
    CGREditBase::OnKillFocus(pNewWnd);
    SendMessage(EM_LIMITTEXT, 0x7FFFFFFE);
}

int CGRMaskedEdit::GetCaret()
{
    return LOWORD(static_cast<DWORD>(SendMessage(EM_GETSEL)));
}

void CGRMaskedEdit::TypeLiteral(char chLiteral)
{
    m_bInsertingLiteral = 1;
    SendMessage(WM_CHAR, static_cast<unsigned char>(chLiteral));
    m_bInsertingLiteral = 0;
}

// Reached after the base's check of the character. The literals at the
// caret are typed first; the character must then fit its position.
void CGRMaskedEdit::OnChar(UINT nChar, UINT, UINT)
{
    char ch = static_cast<char>(nChar);
    if (m_bInsertingLiteral || !m_mask.IsActive() || !isprint(static_cast<unsigned char>(ch))) {
        DefWindowProc(WM_CHAR, nChar, 0);
        return;
    }
    SendMessage(WM_CLEAR);
    int nCaret = GetCaret();
    while (nCaret < m_mask.GetPositionCount() && m_mask.IsLiteralAt(nCaret)) {
        TypeLiteral(m_mask.GetLiteralAt(nCaret));
        nCaret = GetCaret();
    }
    if (nCaret >= m_mask.GetPositionCount() || !m_mask.Accepts(nCaret, ch))
        return;
    int nCol = 0, nRow = 0;
    if (m_pCtrl)
        GetEditedCell(nCol, nRow);
    if (m_pCtrl && !m_pCtrl->OnEditVerify(nCol, nRow, this, &nChar))
        return;
    DefWindowProc(WM_CHAR, nChar, 0);
}
