#include "CGREditBase.h"

#include "CGRCtrl.h"
#include "CGRDataSource.h"

namespace {
const UINT kCharTab = 9;
const UINT kCharEnter = 13;
const UINT kCharEscape = 27;
const UINT kCharDelete = 127;
const long kWordWrapStyle = 2;

bool IsKeyHeld(int nVirtualKey)
{
    return (::GetKeyState(nVirtualKey) & 0x8000) != 0;
}
}

CGREditBase::CGREditBase(CGRCtrl* pCtrl) : m_pCtrl(pCtrl)
{
}

void CGREditBase::SetCtrl(CGRCtrl* pCtrl)
{
    m_pCtrl = pCtrl;
}

UINT CGREditBase::GetLastKey() const
{
    return m_nLastKey;
}

// An edit made without a control works for the window it sits in.
void CGREditBase::TakeParentAsCtrl()
{
    if (!m_pCtrl)
        m_pCtrl = dynamic_cast<CGRCtrl*>(GetParent());
}

LRESULT CGREditBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTALLKEYS;
    case WM_MOUSEACTIVATE:
        return MA_ACTIVATE;
    case WM_CREATE:
        TakeParentAsCtrl();
        break;
    case WM_SETFOCUS: {
        TakeParentAsCtrl();
        LRESULT lResult = CEdit::WindowProc(message, wParam, lParam);
        m_nLastKey = 0;
        m_bCancel = 0;
        m_bContinue = 0;
        SelectAll();
        return lResult;
    }
    case WM_KILLFOCUS: {
        LRESULT lResult = CEdit::WindowProc(message, wParam, lParam);
        OnEditKillFocus(reinterpret_cast<HWND>(wParam));
        return lResult;
    }
    case WM_CHAR:
        return OnEditChar(wParam, lParam);
    case WM_KEYDOWN:
        return OnEditKeyDown(wParam, lParam);
    default:
        break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}

void CGREditBase::HideQuietly()
{
    int bWasEnding = m_bEnding;
    m_bEnding = 1;
    ShowWindow(SW_HIDE);
    m_bEnding = bWasEnding;
}

void CGREditBase::SelectAll()
{
    SendMessage(EM_SETSEL, 0, -1);
    SendMessage(EM_SCROLLCARET);
}

void CGREditBase::GetEditedCell(int& nCol, int& nRow) const
{
    bool bEditing = m_pCtrl->IsEditing() != 0;
    nCol = bEditing ? m_pCtrl->GetEditCol() : m_pCtrl->GetCurrentCol();
    nRow = bEditing ? m_pCtrl->GetEditRow() : m_pCtrl->GetCurrentRow();
}

BOOL CGREditBase::VerifyChar(UINT* pnChar)
{
    if (!m_pCtrl)
        return TRUE;
    int nCol = 0, nRow = 0;
    GetEditedCell(nCol, nRow);
    if (!m_pCtrl->GetGridInfo()->m_pDefDataSource->OnEditVerify(nCol, nRow, this, pnChar))
        return FALSE;
    return m_pCtrl->OnEditVerify(nCol, nRow, this, pnChar) != 0;
}

// Tab, Enter and Esc end the edit in WM_KEYDOWN and type nothing.
LRESULT CGREditBase::OnEditChar(WPARAM wParam, LPARAM lParam)
{
    UINT nChar = static_cast<UINT>(wParam);
    m_nLastKey = nChar;
    if (nChar == kCharTab || nChar == kCharEnter || nChar == kCharEscape)
        return 0;
    if (!VerifyChar(&nChar))
        return 0;
    return CEdit::WindowProc(WM_CHAR, nChar, lParam);
}

void CGREditBase::ContinueAt(int nCol, int nRow)
{
    m_nNextCol = nCol;
    m_nNextRow = nRow;
    m_bContinue = 1;
    if (m_pCtrl)
        m_pCtrl->SetFocus();
}

void CGREditBase::Cancel()
{
    m_bCancel = 1;
    m_bContinue = 0;
    if (m_pCtrl)
        m_pCtrl->SetFocus();
}

LRESULT CGREditBase::OnEditKeyDown(WPARAM wParam, LPARAM lParam)
{
    UINT nKey = static_cast<UINT>(wParam);
    m_nLastKey = nKey;
    if (!m_pCtrl)
        return CEdit::WindowProc(WM_KEYDOWN, wParam, lParam);
    int nCol = 0, nRow = 0;
    GetEditedCell(nCol, nRow);
    DWORD dwSelection = static_cast<DWORD>(SendMessage(EM_GETSEL));
    int nSelStart = LOWORD(dwSelection), nSelEnd = HIWORD(dwSelection);
    int nLength = GetWindowTextLength();
    switch (nKey) {
    case VK_TAB:
        ContinueAt(IsKeyHeld(VK_SHIFT) ? nCol - 1 : nCol + 1, nRow);
        return 0;
    case VK_RETURN: {
        CGRCell cell;
        m_pCtrl->GetCellIndirect(nCol, nRow, &cell);
        if (IsKeyHeld(VK_CONTROL) && (cell.GetCellTypeEx() & kWordWrapStyle))
            return 0;
        ContinueAt(nCol, nRow + 1);
        return 0;
    }
    case VK_DOWN:
        ContinueAt(nCol, nRow + 1);
        return 0;
    case VK_UP:
        ContinueAt(nCol, nRow - 1);
        return 0;
    case VK_LEFT:
        if (nSelStart == nSelEnd && nSelStart == 0) {
            ContinueAt(nCol - 1, nRow);
            return 0;
        }
        break;
    case VK_RIGHT:
        if ((nSelStart == nSelEnd && nSelEnd == nLength) || (nSelStart == 0 && nSelEnd == nLength)) {
            ContinueAt(nCol + 1, nRow);
            return 0;
        }
        break;
    case VK_ESCAPE:
        Cancel();
        return 0;
    case VK_DELETE: {
        UINT nChar = kCharDelete;
        if (!VerifyChar(&nChar))
            return 0;
        break;
    }
    default:
        break;
    }
    return CEdit::WindowProc(WM_KEYDOWN, wParam, lParam);
}

BOOL CGREditBase::IsInsideCtrl(HWND hWnd) const
{
    return hWnd && ::IsWindow(hWnd)
           && (hWnd == m_pCtrl->GetSafeHwnd() || ::GetParent(hWnd) == m_pCtrl->GetSafeHwnd());
}

// The edit ends here. With the end-edit-on-focus-loss option a focus going
// outside the grid discards the text. A refused end keeps editing at the
// edited cell.
void CGREditBase::OnEditKillFocus(HWND hNewFocus)
{
    if (!m_pCtrl || !m_pCtrl->IsEditing() || m_bEnding)
        return;
    if (m_pCtrl->GetGridInfo()->m_nEndEditOnFocusLoss && !IsInsideCtrl(hNewFocus))
        m_bCancel = 1;
    bool bToCtrl = hNewFocus == m_pCtrl->GetSafeHwnd();
    if (!bToCtrl)
        m_pCtrl->OnKillFocus(kSectionCellArea, CWnd::FromHandle(hNewFocus));
    else
        m_pCtrl->GetCellArea()->SetFocus();
    CString sText;
    GetWindowText(sText);
    int nEditCol = m_pCtrl->GetEditCol(), nEditRow = m_pCtrl->GetEditRow();
    m_bEnding = 1;
    int nFinished = m_pCtrl->FinishEdit(sText, m_bCancel, m_bContinue, m_nNextCol, m_nNextRow);
    m_bEnding = 0;
    if (!nFinished) {
        m_pCtrl->GotoCell(nEditCol, nEditRow);
        ::ReleaseCapture();
        SetFocus();
    }
}
