#include "CTKEdit.h"

IMPLEMENT_DYNCREATE(CTKEdit, CEdit)

BEGIN_MESSAGE_MAP(CTKEdit, CEdit)
    ON_WM_CREATE()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_SETFOCUS()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETTINGCHANGE()
    ON_MESSAGE(WM_CUT, OnCut)
    ON_MESSAGE(WM_CLEAR, OnClear)
    ON_MESSAGE(WM_PASTE, OnPaste)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

namespace {

// The literals before and after the field marker, "##" read as "#"; FALSE
// when the mask has no single "#".
BOOL SplitMask(const CString& sMask, CString& sLeft, CString& sRight)
{
    sLeft.Empty();
    sRight.Empty();
    BOOL bFieldFound = FALSE;
    for (int i = 0; i < sMask.GetLength(); ++i) {
        TCHAR c = sMask[i];
        if (c == '#' && i + 1 < sMask.GetLength() && sMask[i + 1] == '#')
            ++i;
        else if (c == '#' && !bFieldFound) {
            bFieldFound = TRUE;
            continue;
        }
        (bFieldFound ? sRight : sLeft) += c;
    }
    return bFieldFound;
}

bool IsKeyDown(int nVirtualKey)
{
    return ::GetKeyState(nVirtualKey) < 0;
}

}  // namespace

BOOL CTKEdit::SetMask(LPCTSTR lpszMask)
{
    CString sMask = lpszMask != nullptr ? lpszMask : "";
    CString sLeft;
    CString sRight;
    if (!SplitMask(sMask, sLeft, sRight))
        return FALSE;
    m_sMask = sMask;
    m_sLeft = sLeft;
    m_sRight = sRight;
    RewriteText(NextCaretPosition(0));
    return TRUE;
}

void CTKEdit::SplitMaskLiterals(CString& sLeft, CString& sRight) const
{
    SplitMask(m_sMask, sLeft, sRight);
}

CString CTKEdit::GetInputData() const
{
    return m_sInput;
}

BOOL CTKEdit::SetInputData(LPCTSTR lpszText, int nIndex)
{
    if (nIndex < 0 || nIndex > m_sInput.GetLength())
        return FALSE;
    CString sText = lpszText != nullptr ? lpszText : "";
    if (m_bInsertMode)
        m_sInput.Insert(nIndex, sText);
    else
        m_sInput = m_sInput.Left(nIndex) + sText + m_sInput.Mid(nIndex + sText.GetLength());
    ApplyFieldChange();
    if (m_hWnd != nullptr) {
        RewriteText();
        SetModify(TRUE);
    }
    return TRUE;
}

void CTKEdit::ClearData(BOOL bInputOnly)
{
    if (bInputOnly)
        m_sInput.Empty();
    else
        EmptyData();
    RewriteText(0);
}

void CTKEdit::OnInvalidInput()
{
    ::MessageBeep(MB_ICONEXCLAMATION);
}

BOOL CTKEdit::UpdateFromLocale()
{
    return TRUE;
}

BOOL CTKEdit::Initialize()
{
    UpdateFromLocale();
    CString sText;
    GetWindowText(sText);
    ClearData(FALSE);
    SplitMask(m_sMask, m_sLeft, m_sRight);  // a mask set before the window came keeps its literals
    SetInputData(sText, 0);
    m_bInitialized = TRUE;
    return TRUE;
}

int CTKEdit::NormalizeInput()
{
    return 0;
}

void CTKEdit::EmptyData()
{
    m_sLeft.Empty();
    m_sRight.Empty();
    m_sInput.Empty();
}

BOOL CTKEdit::IsInputPosition(int nPos) const
{
    return nPos >= FieldStart() && nPos < FieldEnd();
}

BOOL CTKEdit::IsCaretPosition(int nPos) const
{
    return nPos >= FieldStart() && nPos <= FieldEnd();
}

// A carriage return and line feed go together: removing one of a pair
// removes the other too.
int CTKEdit::DeleteRange(int& nStart, int& nEnd)
{
    int nRemoved = 0;
    int nLowest = -1;
    TCHAR cLowest = 0;
    TCHAR cHighest = 0;
    for (int nPos = nEnd - 1; nPos >= nStart; --nPos) {
        if (!IsInputPosition(nPos))
            continue;
        nLowest = nPos - FieldStart();
        cLowest = m_sInput[nLowest];
        if (nRemoved == 0)
            cHighest = cLowest;
        m_sInput.Delete(nLowest);
        ++nRemoved;
    }
    if (nRemoved == 0)
        return 0;
    if (cLowest == '\r' && nLowest < m_sInput.GetLength() && m_sInput[nLowest] == '\n') {
        m_sInput.Delete(nLowest);
        ++nRemoved;
    }
    if (cHighest == '\n' && nLowest > 0 && m_sInput[nLowest - 1] == '\r') {
        m_sInput.Delete(nLowest - 1);
        --nStart;
        ++nRemoved;
    }
    RewriteText();
    return nRemoved;
}

int CTKEdit::InsertAt(int nPos, TCHAR c)
{
    if (!IsCaretPosition(nPos))
        nPos = NextCaretPosition(nPos);
    m_sInput.Insert(nPos - FieldStart(), c);
    ApplyFieldChange();
    return nPos + 1;
}

int CTKEdit::ReplaceAt(int nPos, TCHAR c)
{
    while (nPos < FieldEnd() && !IsInputPosition(nPos))
        ++nPos;
    if (nPos >= FieldEnd())
        return -1;
    m_sInput.SetAt(nPos - FieldStart(), c);
    ApplyFieldChange();
    return nPos + 1;
}

int CTKEdit::NextCaretPosition(int nPos) const
{
    for (; nPos <= FieldEnd(); ++nPos)
        if (IsCaretPosition(nPos))
            return nPos;
    return FieldEnd();
}

int CTKEdit::PrevCaretPosition(int nPos) const
{
    for (; nPos >= 0; --nPos)
        if (IsCaretPosition(nPos))
            return nPos;
    return FieldStart();
}

void CTKEdit::OnLiteralsChanged()
{
}

void CTKEdit::PreSubclassWindow()
{
    CEdit::PreSubclassWindow();
    if (!m_bInitialized)
        Initialize();
}

int CTKEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CEdit::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_bInitialized)
        Initialize();
    return 0;
}

int CTKEdit::ApplyFieldChange()
{
    int nChange = NormalizeInput();
    UINT nLimit = m_hWnd != nullptr ? GetLimitText() : 0;
    if (nLimit > 0 && static_cast<UINT>(GetInputData().GetLength()) > nLimit) {
        m_sInput = m_sLastAccepted;
        NormalizeInput();
    }
    m_sLastAccepted = m_sInput;
    return nChange;
}

void CTKEdit::RewriteText(int nCaret)
{
    if (m_hWnd == nullptr)
        return;
    int nStart = 0;
    int nEnd = 0;
    GetSel(nStart, nEnd);
    ++m_nOwnUpdates;
    SetWindowText(m_sLeft + m_sInput + m_sRight);
    --m_nOwnUpdates;
    if (nCaret >= 0)
        SetSel(nCaret, nCaret);
    else
        SetSel(nStart, nEnd);
}

void CTKEdit::ReloadInput(const CString& sText)
{
    ClearData(TRUE);
    SetInputData(sText, 0);
}

void CTKEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (IsReadOnly() || IsKeyDown(VK_SHIFT)) {
        CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    switch (nChar) {
    case VK_DELETE:
        DeleteForward();
        return;
    case VK_INSERT:
        if (!IsKeyDown(VK_CONTROL))
            m_bInsertMode = !m_bInsertMode;
        return;
    default:
        break;
    }
    Default();
    int nStart = 0;
    int nEnd = 0;
    GetSel(nStart, nEnd);
    if (nChar == VK_HOME || nChar == VK_RIGHT || nChar == VK_DOWN)
        SetSel(NextCaretPosition(nStart), NextCaretPosition(nStart));
    else if (nChar == VK_END || nChar == VK_LEFT || nChar == VK_UP)
        SetSel(PrevCaretPosition(nStart), PrevCaretPosition(nStart));
}

// Delete on literals moves on to the next field character; a selection of
// literals alone is shifted right until it covers some.
void CTKEdit::DeleteForward()
{
    int nStart = 0;
    int nEnd = 0;
    GetSel(nStart, nEnd);
    if (nStart == nEnd)
        ++nEnd;
    for (;; ++nStart, ++nEnd) {
        int nTryStart = nStart;
        int nTryEnd = nEnd;
        if (DeleteRange(nTryStart, nTryEnd) > 0) {
            RewriteText(NextCaretPosition(nTryStart));
            return;
        }
        if (nEnd > FieldEnd())
            return;
    }
}

// Backspace behind the left literals changes nothing; a selection of
// literals alone first grows left, then moves left.
void CTKEdit::DeleteBackward()
{
    int nStart = 0;
    int nEnd = 0;
    GetSel(nStart, nEnd);
    bool bGrowFirst = nStart != nEnd;
    if (!bGrowFirst)
        --nStart;
    while (nStart >= 0) {
        int nTryStart = nStart;
        int nTryEnd = nEnd;
        if (DeleteRange(nTryStart, nTryEnd) > 0) {
            RewriteText(NextCaretPosition(nTryStart));
            return;
        }
        if (nStart == 0)
            return;
        --nStart;
        if (!bGrowFirst)
            --nEnd;
        bGrowFirst = false;
    }
}

void CTKEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (IsReadOnly()) {
        CEdit::OnChar(nChar, nRepCnt, nFlags);
        return;
    }
    TCHAR c = static_cast<TCHAR>(nChar == '\n' ? '\r' : nChar);
    bool bWantsReturn = (GetStyle() & (ES_MULTILINE | ES_WANTRETURN)) == (ES_MULTILINE | ES_WANTRETURN);
    if (c == VK_BACK) {
        DeleteBackward();
    } else if (c == '\r' && bWantsReturn) {
        TypeCharacter('\r');
        TypeCharacter('\n');
    } else if (static_cast<unsigned char>(c) < ' ') {
        CEdit::OnChar(nChar, nRepCnt, nFlags);
    } else if ((GetStyle() & ES_NUMBER) && (c < '0' || c > '9')) {
        CEdit::OnChar(nChar, nRepCnt, nFlags);
    } else {
        TypeCharacter(c);
    }
}

void CTKEdit::TypeCharacter(TCHAR c)
{
    int nStart = 0;
    int nEnd = 0;
    GetSel(nStart, nEnd);
    int nCaret;
    if (nStart != nEnd) {
        if (DeleteRange(nStart, nEnd) == 0) {
            OnInvalidInput();
            SetSel(NextCaretPosition(nStart), NextCaretPosition(nStart));
        }
        nCaret = InsertAt(nStart, c);
    } else if (!IsCaretPosition(nStart)) {
        OnInvalidInput();
        SetSel(NextCaretPosition(nStart), NextCaretPosition(nStart));
        return;
    } else {
        nCaret = m_bInsertMode ? InsertAt(nStart, c) : ReplaceAt(nStart, c);
    }
    if (nCaret < 0) {
        OnInvalidInput();
        RewriteText(nStart);
        return;
    }
    RewriteText(nCaret);
}

void CTKEdit::OnSetFocus(CWnd* pOldWnd)
{
    CEdit::OnSetFocus(pOldWnd);
    int nStart = 0;
    int nEnd = 0;
    GetSel(nStart, nEnd);
    if (nStart == 0 && nEnd == GetWindowTextLength())
        SetSel(FieldStart(), FieldStart());
}

void CTKEdit::OnLButtonDown(UINT nFlags, CPoint point)
{
    CEdit::OnLButtonDown(nFlags, point);
    int nStart = 0;
    int nEnd = 0;
    GetSel(nStart, nEnd);
    if (nStart == nEnd)
        SetSel(NextCaretPosition(nStart), NextCaretPosition(nStart));
}

// The locale is read before the field is taken, so that a field written in
// the old separators reaches the new settings already rewritten in the new.
void CTKEdit::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CEdit::OnSettingChange(uFlags, lpszSection);
    UpdateFromLocale();
    ReloadInput(GetInputData());
}

LRESULT CTKEdit::OnCut(WPARAM, LPARAM)
{
    DeleteClearedSelection();
    return 0;
}

LRESULT CTKEdit::OnClear(WPARAM, LPARAM)
{
    DeleteClearedSelection();
    return 0;
}

// The window has already dropped the selection, literals included; the field
// loses only its own characters and the literals are written back.
void CTKEdit::DeleteClearedSelection()
{
    int nStart = 0;
    int nEnd = 0;
    GetSel(nStart, nEnd);
    Default();
    DeleteRange(nStart, nEnd);
    RewriteText(NextCaretPosition(nStart));
}

LRESULT CTKEdit::OnPaste(WPARAM, LPARAM)
{
    int nStart = 0;
    int nEnd = 0;
    GetSel(nStart, nEnd);
    Default();
    CString sText;
    GetWindowText(sText);
    if (sText.Left(m_sLeft.GetLength()) == m_sLeft)
        sText = sText.Mid(m_sLeft.GetLength());
    if (sText.GetLength() >= m_sRight.GetLength() && sText.Right(m_sRight.GetLength()) == m_sRight)
        sText = sText.Left(sText.GetLength() - m_sRight.GetLength());
    ReloadInput(sText);
    int nCaret = NextCaretPosition(nStart);
    SetSel(nCaret, nCaret);
    SendMessage(EM_SCROLLCARET);
    return 0;
}

LRESULT CTKEdit::OnSetText(WPARAM, LPARAM lParam)
{
    if (m_nOwnUpdates > 0) {
        LRESULT lResult = Default();
        NotifyParent(EN_UPDATE);
        if (m_bNotify)
            NotifyParent(EN_CHANGE);
        return lResult;
    }
    m_sInput.Empty();
    m_bNotify = FALSE;
    SetInputData(reinterpret_cast<LPCTSTR>(lParam), 0);
    m_bNotify = TRUE;
    return TRUE;
}

void CTKEdit::NotifyParent(UINT nCode)
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode), reinterpret_cast<LPARAM>(m_hWnd));
}
