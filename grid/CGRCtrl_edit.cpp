// CGRCtrl: the in-cell edit windows, the clipboard and the find dialog's
// message.
#include "CGRCtrl.h"

#include "res/resource.h"

#include <commdlg.h>

#include <cstring>

const UINT CGRCtrl::kFindReplaceMessage = ::RegisterWindowMessage(FINDMSGSTRING);

namespace {
const DWORD kEditStyle = WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL;
const DWORD kMaskedEditStyle = WS_CHILD | ES_AUTOHSCROLL;
}

// Both edits sit hidden in the cell area until an edit opens.
BOOL CGRCtrl::CreateEditControls()
{
    CRect empty(0, 0, 0, 0);
    return m_edit.CreateEx(0, "EDIT", "", kEditStyle, empty, &m_cellArea, kEditID)
           && m_maskedEdit.CreateEx(0, "EDIT", "", kMaskedEditStyle, empty, &m_cellArea, kMaskedEditID);
}

CWnd* CGRCtrl::GetCellAreaWindow()
{
    return &m_cellArea;
}

CGREdit* CGRCtrl::GetEdit()
{
    return &m_edit;
}

CGRMaskedEdit* CGRCtrl::GetMaskedEdit()
{
    return &m_maskedEdit;
}

CWnd* CGRCtrl::GetEditControl(BOOL bMasked)
{
    if (bMasked)
        return &m_maskedEdit;
    return &m_edit;
}

// The window that shows a cell: the cell area, a heading for a heading
// cell, the corner button for the corner. The rectangle of a cell is in
// that window's coordinates.
CWnd* CGRCtrl::WindowOfCell(int nCol, int nRow)
{
    CWnd* pWnd = &m_cellArea;
    if (nCol < 0 && nRow < 0)
        pWnd = &m_cornerButton;
    else if (nRow < 0)
        pWnd = &m_topHeading;
    else if (nCol < 0)
        pWnd = &m_sideHeading;
    return pWnd->GetSafeHwnd() ? pWnd : &m_cellArea;
}

// The edit takes the cell's text and font (else the sheet's default font),
// sits in the window that shows the cell, covers the cell and gets the
// focus; a first key is typed into it.
void CGRCtrl::ShowEditControl(CWnd* pEdit, int nCol, int nRow, const CRect& rect, CGRCell& cell, UINT nKey)
{
    if (!pEdit || !pEdit->GetSafeHwnd())
        return;
    CWnd* pParent = WindowOfCell(nCol, nRow);
    if (::GetParent(pEdit->GetSafeHwnd()) != pParent->GetSafeHwnd())
        pEdit->SetParent(pParent);
    m_pShownEdit = dynamic_cast<CGREditBase*>(pEdit);
    CFont* pFont = cell.GetFont() ? cell.GetFont() : GetGridInfo()->m_pDefFont;
    if (pFont)
        pEdit->SetFont(pFont, FALSE);
    LPCTSTR lpszText = cell.GetText();
    pEdit->SetWindowText(lpszText ? lpszText : "");
    pEdit->MoveWindow(&rect, TRUE);
    pEdit->ShowWindow(SW_SHOW);
    pEdit->SetFocus();
    if (nKey >= 1)
        pEdit->SendMessage(WM_CHAR, nKey);
}

void CGRCtrl::HideEditControl()
{
    if (m_pShownEdit)
        m_pShownEdit->HideQuietly();
    m_pShownEdit = nullptr;
}

// The text goes to the clipboard as CF_TEXT. A clipboard that cannot be
// opened, or that refuses the block, gives 3; the block is then ours to
// free.
int CGRCtrl::SetClipboardText(const CString& sText)
{
    if (!OpenClipboard())
        return kGridFailed;
    ::EmptyClipboard();
    SIZE_T nBytes = static_cast<SIZE_T>(sText.GetLength()) + 1;
    HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nBytes);
    void* pBlock = hBlock ? ::GlobalLock(hBlock) : nullptr;
    if (!pBlock) {
        if (hBlock)
            ::GlobalFree(hBlock);
        ::CloseClipboard();
        return kGridFailed;
    }
    memcpy(pBlock, static_cast<LPCTSTR>(sText), nBytes);
    ::GlobalUnlock(hBlock);
    if (!::SetClipboardData(CF_TEXT, hBlock)) {
        ::GlobalFree(hBlock);
        ::CloseClipboard();
        return kGridFailed;
    }
    ::CloseClipboard();
    return kGridDone;
}

int CGRCtrl::GetClipboardText(CString& sText)
{
    if (!OpenClipboard())
        return kGridOutOfRange;
    int nResult = kGridOutOfRange;
    HANDLE hData = ::GetClipboardData(CF_TEXT);
    if (LPCSTR lpszData = hData ? static_cast<LPCSTR>(::GlobalLock(hData)) : nullptr) {
        sText = lpszData;
        ::GlobalUnlock(hData);
        nResult = kGridDone;
    }
    ::CloseClipboard();
    return nResult;
}

void CGRCtrl::SetFindDialog(CWnd* pDialog)
{
    m_pFindDialog = pDialog;
}

// The find dialog's request, one step at a time; an unsuccessful search
// tells the user on the dialog (in the texts of the language in use) and
// gives it the focus back.
LRESULT CGRCtrl::OnFindReplace(WPARAM, LPARAM lParam)
{
    const FINDREPLACE* pFind = reinterpret_cast<const FINDREPLACE*>(lParam);
    if (!m_pFindDialog || !m_pFindDialog->GetSafeHwnd() || !pFind)
        return 1;
    if (pFind->Flags & FR_DIALOGTERM) {
        m_pFindDialog = nullptr;
        RedrawAll();
        return 1;
    }
    GridFindRequest request;
    request.sFind = pFind->lpstrFindWhat;
    request.sReplace = pFind->lpstrReplaceWith ? pFind->lpstrReplaceWith : "";
    request.bMatchCase = (pFind->Flags & FR_MATCHCASE) != 0;
    request.bWholeCell = (pFind->Flags & FR_WHOLEWORD) != 0;
    request.bDown = (pFind->Flags & FR_DOWN) != 0;
    request.bReplace = (pFind->Flags & FR_REPLACE) != 0;
    request.bReplaceAll = (pFind->Flags & FR_REPLACEALL) != 0;
    if (FindAndReplace(request) != kGridDone) {
        CString sText, sCaption;
        sText.LoadString(IDS_GRID_ITEM_NOT_FOUND);
        sCaption.LoadString(IDS_GRID_NOT_FOUND_CAPTION);
        m_pFindDialog->MessageBox(sText, sCaption, MB_OK);
        m_pFindDialog->SetFocus();
    }
    return 0;
}
