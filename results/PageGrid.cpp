#include "PageGrid.h"

#include "PageKeyMove.h"
#include "PagePaste.h"
#include "ResultNumbers.h"

#include "app/AppSettings.h"
#include "app/ProjectView.h"

#include "model/ProjectDoc.h"
#include "model/ProjectHost.h"
#include "tables/TabGrid.h"

namespace {

constexpr UINT kKeyBackspace = 8;
constexpr UINT kKeyTab = 9;
constexpr UINT kKeyEscape = 27;
constexpr UINT kKeyDelete = 46;

bool IsKeyHeld(int nVirtualKey)
{
    return (::GetKeyState(nVirtualKey) & 0x8000) != 0;
}

} // namespace

CPageGrid::CPageGrid() : m_cDecimal(CTabGrid::ReadDecimalSeparator()) {}

CPageGrid::~CPageGrid() = default;

CProjectDoc* CPageGrid::GetProject() const
{
    auto* pView = dynamic_cast<CProjectView*>(GetParent());
    return pView != nullptr ? pView->GetProject() : nullptr;
}

void CPageGrid::SetupPageDefaults()
{
    EnableMenu(TRUE);
    SetEndEditOnFocusLoss(FALSE);
    m_borderPen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    SetDefFontIndex(AddFont("Arial", 13, 500));
    CGRCell cell;
    GetGridDefault(&cell);
    cell.SetBorderPen(&m_borderPen);
    cell.SetReadOnly(TRUE);
    SetGridDefault(&cell);
    for (int nOption : {10, 1, 2, 5, 6})
        SetPrintOption(nOption, 0);
    const CAppSettings& settings = CProjectView::GetSettings();
    SetPrintOption(3, settings.m_PageSetup_Result.m_nLeftMargin);
    SetPrintOption(4, settings.m_PageSetup_Result.m_nTopMargin);
}

bool CPageGrid::IsMultiLineField(int, int) const
{
    return false;
}

bool CPageGrid::RecalculatesAfterPaste(int, int) const
{
    return false;
}

void CPageGrid::SetNumberField(const CFieldPos& field, double dValue, int nDecimals)
{
    SetCellText(field.nCol, field.nRow, CResultNumbers::FieldText(dValue, nDecimals, m_cDecimal));
}

double CPageGrid::GetNumberField(const CFieldPos& field)
{
    return CResultNumbers::FieldValue(GetTextField(field), m_cDecimal);
}

void CPageGrid::SetTextField(const CFieldPos& field, const CString& sText)
{
    SetCellText(field.nCol, field.nRow, sText);
}

CString CPageGrid::GetTextField(const CFieldPos& field)
{
    CString sText;
    GetCellTextInto(field.nCol, field.nRow, sText);
    return sText;
}

void CPageGrid::SetCellReadOnly(int nCol, int nRow, BOOL bReadOnly)
{
    CGRCell cell;
    GetCell(nCol, nRow, &cell);
    cell.SetReadOnly(bReadOnly);
    SetCell(nCol, nRow, &cell);
}

void CPageGrid::SetEditableHighlight(BOOL bOn)
{
    for (const CFieldPos& field : EditableFields())
        SetCellBackColor(field.nCol, field.nRow, bOn ? kEditableShade : RGB(255, 255, 255));
}

bool CPageGrid::IsEditableCell(int nCol, int nRow) const
{
    for (const CFieldPos& field : EditableFields()) {
        if (field.nCol == nCol && field.nRow == nRow)
            return true;
    }
    return false;
}

// A paste into a multi-line field keeps all its lines there: split at the
// line ends, every line but the first would land in the field's hidden cells.
int CPageGrid::PasteText(const CString& sText)
{
    const int nStartCol = GetCurrentCol();
    const int nStartRow = GetCurrentRow();
    CPagePaste paste(GetColCount(), GetRowCount());
    const std::vector<CCellText> cells = IsMultiLineField(nStartCol, nStartRow)
        ? paste.IntoField(sText, nStartCol, nStartRow)
        : paste.Split(sText, nStartCol, nStartRow);
    for (const CCellText& cell : cells)
        SetCellText(cell.nCol, cell.nRow, cell.sText);
    ClearSelections();
    SelectRange(nStartCol, nStartRow, paste.m_nLastCol, paste.m_nLastRow);
    RedrawAll();
    return 0;
}

int CPageGrid::OnPaste()
{
    CString sText;
    if (GetClipboardText(sText) != 0)
        return 1;
    PasteText(sText);
    m_bPasted = TRUE;
    StoreEditableTexts();
    return 0;
}

int CPageGrid::CopyPictureOrSelection(const CFieldPos& pictureCell, HENHMETAFILE hPicture)
{
    if (GetCurrentCol() != pictureCell.nCol || GetCurrentRow() != pictureCell.nRow)
        return CopySelected();
    if (hPicture == nullptr || !::OpenClipboard(GetSafeHwnd()))
        return 1;
    ::EmptyClipboard();
    ::SetClipboardData(CF_ENHMETAFILE, ::CopyEnhMetaFile(hPicture, nullptr));
    ::CloseClipboard();
    return 0;
}

void CPageGrid::OnDClicked(int, int, CRect*, CPoint*, int)
{
    StartEdit();
}

void CPageGrid::OnCharDown(UINT* pnKey, int)
{
    if (*pnKey != kKeyTab && *pnKey != kKeyEscape)
        StartEditWithKey(*pnKey);
}

// The view opens its context menu.
int CPageGrid::OnMenuStart(int, int, int)
{
    if (CWnd* pParent = GetParent())
        pParent->PostMessage(WM_CONTEXTMENU, 0, 0);
    return 1;
}

void CPageGrid::OnKeyDown(UINT* pnKey, int)
{
    if (*pnKey == kKeyDelete) {
        CGRCell cell;
        GetCellIndirect(GetCurrentCol(), GetCurrentRow(), &cell);
        if (!cell.GetReadOnly()) {
            *pnKey = kKeyBackspace;
            OnCharDown(pnKey, 0);
        }
        return;
    }
    const CPageKeyMove move(GetColCount(), m_nLastPageRow);
    const CPageKeyMove::CCell current = {GetCurrentCol(), GetCurrentRow()};
    CPageKeyMove::CCell target = current;
    if (!move.Target(current, *pnKey, IsKeyHeld(VK_SHIFT), IsKeyHeld(VK_CONTROL), target))
        return;
    *pnKey = 0;
    if (target == current)
        return;
    ClearSelections();
    GotoCell(target.m_nCol, target.m_nRow);
}

void CPageGrid::OnCellChange(int nOldCol, int, int nOldRow, int)
{
    if (m_bPasted && RecalculatesAfterPaste(nOldCol, nOldRow))
        CommitFields(true);
    m_bPasted = FALSE;
}

bool CPageGrid::IsInsideGrid(CWnd* pWnd)
{
    return pWnd != nullptr &&
        (pWnd == this || pWnd == GetCellAreaWindow() || pWnd->GetParent() == this ||
         pWnd->GetParent() == GetCellAreaWindow());
}

// The open edit ends with whatever it holds, an emptied field too, so that
// clearing a field and clicking elsewhere is not lost.
void CPageGrid::OnKillFocus(int, CWnd* pNewFocus)
{
    if (IsInsideGrid(pNewFocus))
        return;
    if (IsEditing()) {
        CString sText;
        if (CWnd* pEdit = GetEditControl(FALSE))
            pEdit->GetWindowText(sText);
        FinishEdit(sText, FALSE, FALSE, GetCurrentCol(), GetCurrentRow());
    }
    CommitFields(false);
}

void CPageGrid::CommitFields(bool bRecalculate)
{
    StoreEditableTexts();
    CProjectHost::GetCurrent().SetWorkspaceModified();
    if (bRecalculate) {
        if (CProjectDoc* pProject = GetProject())
            pProject->Recalculate(GetDlgCtrlID());
    }
}
