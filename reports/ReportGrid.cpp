#include "ReportGrid.h"

#include "ReportNumberKey.h"

#include "grid/CGRMultiSelect.h"

#include "app/VestolarApp.h"
#include "model/ProjectDoc.h"
#include "model/ProjectHost.h"
#include "reports/chart/GraphFolder.h"
#include "tables/TabGrid.h"

#include <algorithm>

namespace {

constexpr int kLastCol = CReportFields::kColumns - 1;
constexpr int kDescriptionStyle = 2;  // drawn over several lines

bool Contains(const std::vector<CFieldPos>& aFields, int nCol, int nRow)
{
    return std::any_of(aFields.begin(), aFields.end(),
                       [&](const CFieldPos& field) { return field.nCol == nCol && field.nRow == nRow; });
}

} // namespace

CReportGrid::CReportGrid() = default;

CReportGrid::~CReportGrid() = default;

void CReportGrid::OnSetup()
{
    if (const CProjectDoc* pProject = GetProject())
        m_info = pProject->m_ReportInfo;
    m_fields = CReportFields(m_info);
    InitFieldPositions();
    m_aTypedNumbers = TypedNumberFields();
    SetupPageDefaults();
    SetPageGeometry();

    JoinFieldCells();
    SetCellFontIndex(m_fields.m_title.nCol, m_fields.m_title.nRow, AddFont("Arial", 19, 700));
    SetCellFontIndex(2, m_nRows - 7, AddFont("Arial", 13, 400));
    SetCellFontIndex(0, m_nRows - 4, AddFont("Arial", 13, 600));
    if (m_info.m_bASTM)
        m_nAstmRatingFont = AddFont("Arial", 15, 600);
    FillHeaderTexts();
    SetFieldBorders();
    SetEditableHighlight(TRUE);
    for (const CFieldPos& field : EditableFields())
        SetCellReadOnly(field.nCol, field.nRow, FALSE);
    for (const CFieldPos& field : MultiLineFields())
        SetCellCellTypeEx(field.nCol, field.nRow, kDescriptionStyle);
    SetGraphCellFile();
    SetMultiFontCells();
}

// The base page's positions are set before a member's own.
void CReportGrid::InitFieldPositions()
{
}

// 71 columns of 10 and rows of 17 with a narrow last column and row, no
// headings, cells selected in blocks and not sized by the user.
void CReportGrid::SetPageFrame()
{
    SetDefColWidth(10);
    SetDefRowHeight(17);
    SetColCount(CReportFields::kColumns, FALSE);
    SetRowCount(m_nRows, FALSE);
    SetSideHeadingWidth(0);
    SetTopHeadingHeight(0);
    SetColWidth(kLastCol, 2);
    SetRowHeight(m_nRows - 1, 2);
    SetMultiSelectMode(1);
    SetUserSizingMode(0);
    EnableDefaultBorders(FALSE);
    EnableCellOverlap(FALSE);
}

void CReportGrid::SetPageGeometry()
{
    SetPageFrame();
    SetColWidth(29, 25);
    SetColWidth(18, 8);
    SetColWidth(11, 3);
    SetRowHeight(m_fields.m_ratingTitle.nRow, 20);
    SetRowHeight(m_fields.m_evaluationNote.nRow, 20);
    SetRowHeight(m_fields.m_evaluationNote.nRow + 1, 20);
    // Together as wide as before: the graph's place does not move.
    SetColWidth(15, 15);
    SetColWidth(16, 5);
}

// The graph cell plays the picture the report's chart exported.
void CReportGrid::SetGraphCellFile()
{
    const CFieldPos& g = m_fields.m_graph;
    m_graphType.SetGraphFile(GetGraphFolder(GetVestolarApp().GetAppDirectory()) + "\\vestolargraph.wmf");
    JoinCells(g.nCol, g.nRow, m_fields.m_graphEnd.nCol, m_fields.m_graphEnd.nRow);
    m_nGraphType = AddCellType(&m_graphType);
    SetCellCellType(g.nCol, g.nRow, m_nGraphType);
    GetCellRect(g.nCol, g.nRow, &m_rcGraph);
}

void CReportGrid::SetMultiFontCells()
{
    const CReportFields& f = m_fields;
    m_nMultiFontType = AddCellType(&m_multiFontType);
    std::vector<CFieldPos> aCells = {f.m_valueHead[0], f.m_singleNumber, f.m_footnote[0], f.m_footnote[1]};
    aCells.insert(aCells.end(), std::begin(f.m_adaptation), std::end(f.m_adaptation));
    if (m_info.m_bBB93)
        aCells.push_back(f.m_extra.label);
    for (int nRow = f.m_nFirstBandRow; nRow <= f.m_nLastBandRow; ++nRow)
        aCells.push_back({nRow, f.m_nMarkCol});
    for (const CFieldPos& cell : aCells)
        SetCellCellType(cell.nCol, cell.nRow, m_nMultiFontType);
    const int nSymbolFont = AddFont("Symbol", 10, 500);
    for (int nRow = f.m_nFirstBandRow; nRow <= f.m_nLastBandRow; ++nRow)
        SetCellFontIndex(f.m_nMarkCol, nRow, nSymbolFont);
    SetNoteColumn();
}

// The note index beside each band value, in small type.
void CReportGrid::SetNoteColumn()
{
    const CReportFields& f = m_fields;
    const int nNoteFont = AddFont("Arial", 8, 400);
    for (int nRow = f.m_nFirstBandRow; nRow <= f.m_nLastBandRow; ++nRow) {
        SetCellCellType(f.m_nNoteCol, nRow, m_nMultiFontType);
        SetCellFontIndex(f.m_nNoteCol, nRow, nNoteFont);
    }
}

// ---------------------------------------------------------------------------
// Joins and borders

void CReportGrid::JoinDataRow(const CLabeledField& row, int nUnitCols)
{
    JoinCells(row.label.nCol, row.label.nRow, row.value.nCol - 1, row.label.nRow);
    JoinCells(row.value.nCol, row.value.nRow, row.unit.nCol - 1, row.value.nRow);
    JoinCells(row.unit.nCol, row.unit.nRow, row.unit.nCol + nUnitCols - 1, row.unit.nRow);
    SetCellAlignment(row.value.nCol, row.value.nRow, kAlignRight);
    SetCellAlignment(row.unit.nCol, row.unit.nRow, kAlignLeft);
}

void CReportGrid::JoinFrom(const CFieldPos& from, int nEndCol, int nEndRow)
{
    JoinCells(from.nCol, from.nRow, nEndCol, nEndRow);
}

void CReportGrid::JoinClientRow()
{
    const CReportFields& f = m_fields;
    JoinFrom(f.m_client.label, f.m_client.value.nCol - 1, f.m_client.label.nRow);
    JoinFrom(f.m_client.value, f.m_testDate.label.nCol - 1, f.m_client.value.nRow);
    JoinFrom(f.m_testDate.label, f.m_testDate.value.nCol - 1, f.m_testDate.label.nRow);
    JoinFrom(f.m_testDate.value, 69, f.m_testDate.value.nRow);
}

void CReportGrid::JoinHeadFields(int nDescriptionRows, int nObjectRows)
{
    const CReportFields& f = m_fields;
    JoinFrom(f.m_title, 69, f.m_title.nRow + 1);
    JoinFrom(f.m_subtitle, 69, f.m_subtitle.nRow);
    JoinCells(0, f.m_subtitle.nRow + 1, 69, f.m_subtitle.nRow + 1);
    JoinClientRow();
    JoinFrom(f.m_descriptionLabel, f.m_description.nCol - 1, f.m_descriptionLabel.nRow + nDescriptionRows - 1);
    JoinFrom(f.m_description, 69, f.m_description.nRow + nDescriptionRows - 1);
    JoinFrom(f.m_objectLabel, f.m_object.nCol - 1, f.m_objectLabel.nRow + nObjectRows - 1);
    JoinFrom(f.m_object, 69, f.m_object.nRow + nObjectRows - 1);
}

void CReportGrid::JoinFootFields()
{
    const CReportFields& f = m_fields;
    JoinFrom(f.m_company, 69, f.m_company.nRow);
    JoinFrom(f.m_reportNoLabel, f.m_reportNo.nCol - 1, f.m_reportNoLabel.nRow);
    JoinFrom(f.m_reportNo, 69, f.m_reportNo.nRow);
    JoinCells(0, f.m_company.nRow + 2, 69, f.m_company.nRow + 2);
    JoinFrom(f.m_date.label, f.m_date.value.nCol - 1, f.m_date.label.nRow);
    JoinFrom(f.m_date.value, f.m_signature.label.nCol - 1, f.m_date.value.nRow);
    JoinFrom(f.m_signature.label, f.m_signature.value.nCol - 1, f.m_signature.label.nRow);
    JoinFrom(f.m_signature.value, 69, f.m_signature.value.nRow);
    JoinCells(0, m_nRows - 1, 69, m_nRows - 1);
}

void CReportGrid::JoinFieldCells()
{
    const CReportFields& f = m_fields;
    JoinHeadFields(f.m_nDescriptionRows, f.m_nObjectRows);
    for (int nRow = f.m_nFirstDataRow; nRow <= f.m_nLastDataRow; ++nRow)
        JoinDataRow({{nRow, 0}, {nRow, 16}, {nRow, 21}});
    const bool bWide = m_info.m_bBB93 || (m_info.m_bDIN && m_info.m_bLoudspeaker && m_info.m_bFacade);
    for (int k = 0; k < 3; ++k) {
        JoinFrom(f.m_bandHead[k], f.m_bandHead[k].nCol + 6, f.m_bandHead[k].nRow);
        SetCellAlignment(f.m_bandHead[k].nCol, f.m_bandHead[k].nRow, kAlignCenter);
        JoinFrom(f.m_valueHead[k], bWide ? 17 : 15, f.m_valueHead[k].nRow);
        SetCellAlignment(f.m_valueHead[k].nCol, f.m_valueHead[k].nRow, kAlignCenter);
    }
    for (int nRow = f.m_nFirstBandRow; nRow <= f.m_nLastBandRow; ++nRow) {
        JoinCells(f.m_nFreqCol, nRow, f.m_nFreqCol + 6, nRow);
        JoinCells(f.m_nValueCol, nRow, f.m_nValueCol + 4, nRow);
        if (bWide)
            JoinCells(f.m_nNoteCol, nRow, f.m_nNoteCol + 2, nRow);
        SetCellAlignment(f.m_nFreqCol, nRow, kAlignCenter);
        SetCellAlignment(f.m_nValueCol, nRow, kAlignCenter);
    }
    JoinFrom(f.m_footnote[0], f.m_nFootnoteEndCol, f.m_footnote[0].nRow);
    JoinFrom(f.m_footnote[1], f.m_nFootnoteEndCol, f.m_footnote[1].nRow);
    JoinFrom(f.m_note, m_info.m_bSS ? 67 : f.m_nFootnoteEndCol, f.m_note.nRow);
    JoinRatingBlock();
    JoinFootFields();
}

void CReportGrid::JoinRatingBlock()
{
    const CReportFields& f = m_fields;
    const CFieldPos& title = f.m_ratingTitle;
    const CFieldPos& note = f.m_evaluationNote;
    if (m_info.m_bASTM) {
        JoinCells(title.nCol, title.nRow, 67, title.nRow + 1);
        JoinCells(note.nCol, note.nRow, 67, note.nRow + 1);
    } else {
        JoinCells(title.nCol, title.nRow, 67, title.nRow);
        JoinCells(f.m_singleNumber.nCol, f.m_singleNumber.nRow, 29, f.m_singleNumber.nRow);
        for (const CFieldPos& term : f.m_adaptation)
            JoinCells(term.nCol, term.nRow, term.nCol + 11, term.nRow);
        JoinCells(note.nCol, note.nRow, 29, note.nRow + 1);
        JoinCells(30, note.nRow + 1, 67, note.nRow + 1);
    }
    JoinCells(note.nCol, note.nRow + 2, 67, note.nRow + 2);
}

void CReportGrid::AddBorder(int nCol, int nRow, short nBits)
{
    CGRCell cell;
    GetCell(nCol, nRow, &cell);
    SetCellBorder(nCol, nRow, static_cast<short>(cell.GetBorderStyle() | nBits));
}

void CReportGrid::SetFieldBorders()
{
    SetTableBorders();
    SetRatingBorders();
    SetFrameBorders();
}

void CReportGrid::SetTableBorders()
{
    const CReportFields& f = m_fields;
    const short kLeftTop = static_cast<short>(kBorderLeft | kBorderTop);
    const bool bWide = m_info.m_bBB93 || (m_info.m_bDIN && m_info.m_bLoudspeaker && m_info.m_bFacade);
    const int nTableTop = f.m_bandHead[0].nRow;
    for (int nRow = nTableTop; nRow <= f.m_nLastBandRow; ++nRow) {
        for (int nCol : {f.m_nFreqCol, f.m_nMarkCol, bWide ? 18 : 16})
            AddBorder(nCol, nRow, kBorderLeft);
    }
    for (int nRow = nTableTop; nRow < f.m_nLastBandRow; nRow += 3) {
        AddBorder(f.m_nFreqCol, nRow, kLeftTop);
        AddBorder(f.m_nMarkCol, nRow, kLeftTop);
        AddBorder(f.m_nValueCol, nRow, kBorderTop);
        AddBorder(f.m_nNoteCol, nRow, kBorderTop);
    }
    AddBorder(f.m_nFreqCol, f.m_nLastBandRow + 1, kBorderTop);
}

void CReportGrid::SetRatingBorders()
{
    const short kLeftTop = static_cast<short>(kBorderLeft | kBorderTop);
    const CFieldPos& title = m_fields.m_ratingTitle;
    AddBorder(title.nCol, title.nRow, kLeftTop);
    for (int nRow = title.nRow; nRow <= title.nRow + 3; ++nRow)
        AddBorder(68, nRow, kBorderLeft);
    AddBorder(title.nCol, title.nRow + 1, kBorderLeft);
    AddBorder(title.nCol, title.nRow + 2, kBorderLeft);
    AddBorder(title.nCol, title.nRow + 4, kBorderTop);
}

void CReportGrid::SetFrameBorders()
{
    const CReportFields& f = m_fields;
    const short kLeftTop = static_cast<short>(kBorderLeft | kBorderTop);
    for (int nRow = 0; nRow <= m_nRows - 2; ++nRow) {
        AddBorder(0, nRow, kBorderLeft);
        AddBorder(kLastCol, nRow, kBorderLeft);
    }
    for (const CFieldPos& cell : {f.m_title, f.m_client.label, f.m_company})
        AddBorder(cell.nCol, cell.nRow, kLeftTop);
    for (const CFieldPos& cell : {f.m_client.value, f.m_testDate.label, f.m_testDate.value})
        AddBorder(cell.nCol, cell.nRow, kBorderTop);
    AddBorder(0, m_nRows - 1, kBorderTop);
}

// ---------------------------------------------------------------------------
// Editing

std::vector<CFieldPos> CReportGrid::EditableFields() const
{
    return m_fields.EditableFields(m_info);
}

bool CReportGrid::IsShown(const CFieldPos& field) const
{
    return Contains(EditableFields(), field.nCol, field.nRow);
}

std::vector<CNumberField> CReportGrid::TypedNumberFields() const
{
    return m_fields.TypedNumberFields(m_info);
}

std::vector<CFieldPos> CReportGrid::RecalculatingNumberFields() const
{
    return m_fields.RecalculatingNumberFields(m_info);
}

std::vector<CFieldPos> CReportGrid::RecalculatingTextFields() const
{
    return m_fields.RecalculatingTextFields(m_info);
}

// Paste and the menu's Paste take the text fields; numbers are typed.
bool CReportGrid::IsEditableCell(int nCol, int nRow) const
{
    if (Contains(m_fields.TextFields(m_info), nCol, nRow))
        return true;
    static const CFieldPos aSiaCells[] = {{13, 7}, {14, 7}, {15, 7}, {13, 42}, {14, 42}, {15, 42}, {17, 10}, {18, 10}};
    return m_info.m_bSIA && Contains({std::begin(aSiaCells), std::end(aSiaCells)}, nCol, nRow);
}

// A multi-line field selected alone keeps a pasted text whole; split at
// its line ends, all but the first line would go into its hidden cells.
std::vector<CFieldPos> CReportGrid::MultiLineFields() const
{
    return m_fields.MultiLineFields();
}

bool CReportGrid::IsMultiLineField(int nCol, int nRow) const
{
    if (!Contains(MultiLineFields(), nCol, nRow))
        return false;
    auto* pSelection = const_cast<CReportGrid*>(this)->GetMultiSelect();
    if (pSelection == nullptr || pSelection->GetNumberBlocks() == 0)
        return true;
    int nLeft = 0, nTop = 0, nRight = 0, nBottom = 0;
    pSelection->GetTotalRange(&nLeft, &nTop, &nRight, &nBottom);
    int nStartCol = nCol, nStartRow = nRow, nEndCol = nCol, nEndRow = nRow;
    const_cast<CReportGrid*>(this)->GetJoinRange(nStartCol, nStartRow, nEndCol, nEndRow);
    return nLeft >= nStartCol && nTop >= nStartRow && nRight <= nEndCol && nBottom <= nEndRow;
}

void CReportGrid::StoreEditableTexts()
{
    StoreFieldsToReportInfo();
}

const CNumberField* CReportGrid::TypedNumberAt(int nCol, int nRow) const
{
    for (const CNumberField& field : m_aTypedNumbers) {
        if (field.pos.nCol == nCol && field.pos.nRow == nRow)
            return &field;
    }
    return nullptr;
}

// The typing flag (m_bPasted, shared with paste) tells whether the key is
// the first one since the cell was entered.
int CReportGrid::OnEditVerify(int nCol, int nRow, CWnd* pEdit, UINT* pnKey)
{
    if (const CNumberField* pField = TypedNumberAt(nCol, nRow)) {
        const CReportNumberKey key(pField->nDecimals, m_cDecimal);
        if (!key.Accepts(CTabGrid::EditStateOf(pEdit), *pnKey, !m_bPasted))
            return 0;
    }
    m_bPasted = TRUE;
    return 1;
}

int CReportGrid::OnEditFinish(int nCol, int nRow, CWnd*, LPCTSTR lpszText, BOOL bCancelled)
{
    if (bCancelled)
        return 1;
    SetCellText(nCol, nRow, lpszText);
    StoreFieldsToReportInfo();
    return 1;
}

// A typed number is read with the page's separator and kept with the
// field's decimals; the edit does not go on in the next cell.
int CReportGrid::OnEditContinue(int nCol, int nRow, int* pnNewCol, int* pnNewRow)
{
    if (const CNumberField* pField = TypedNumberAt(nCol, nRow))
        ReadNumber(pField->pos, pField->nDecimals);
    CommitFields(false);
    ClearSelections();
    GotoCell(*pnNewCol, *pnNewRow);
    return 0;
}

// Leaving a number the calculation uses after typing recalculates with the
// page's id; leaving the report number, the source room or the humidity
// recalculates with 0 (the export and the tree read them).
void CReportGrid::OnCellChange(int nOldCol, int, int nOldRow, int)
{
    const bool bTyped = m_bPasted != FALSE;
    m_bPasted = FALSE;
    if (bTyped && Contains(RecalculatingNumberFields(), nOldCol, nOldRow))
        StoreAndRecalculate(GetDlgCtrlID());
    else if (Contains(RecalculatingTextFields(), nOldCol, nOldRow))
        StoreAndRecalculate(0);
}

void CReportGrid::StoreAndRecalculate(int nHint)
{
    StoreFieldsToReportInfo();
    CProjectHost::GetCurrent().SetWorkspaceModified();
    if (CProjectDoc* pProject = GetProject())
        pProject->Recalculate(nHint);
}

void CReportGrid::OnKeyDown(UINT* pnKey, int nProcessed)
{
    if (*pnKey != kKeyDelete) {
        CPageGrid::OnKeyDown(pnKey, nProcessed);
        return;
    }
    *pnKey = 0;
    ClearSelectedCells();
}

// Delete empties every writable cell of the selection, or of the current
// cell without one, and recalculates once when any was emptied.
void CReportGrid::ClearSelectedCells()
{
    int nLeft = GetCurrentCol(), nTop = GetCurrentRow(), nRight = nLeft, nBottom = nTop;
    CGRMultiSelect* pSelection = GetMultiSelect();
    const bool bBlocks = pSelection != nullptr && pSelection->GetNumberBlocks() > 0;
    if (bBlocks)
        pSelection->GetTotalRange(&nLeft, &nTop, &nRight, &nBottom);
    bool bCleared = false;
    for (int nRow = nTop; nRow <= nBottom; ++nRow) {
        for (int nCol = nLeft; nCol <= nRight; ++nCol) {
            CGRCell cell;
            GetCellIndirect(nCol, nRow, &cell);
            if (cell.GetReadOnly() || (bBlocks && !IsSelected(nCol, nRow, nullptr)))
                continue;
            SetCellText(nCol, nRow, "");
            bCleared = true;
        }
    }
    if (!bCleared)
        return;
    StoreAndRecalculate(GetDlgCtrlID());
    RedrawAll();
}

int CReportGrid::CopyGraphToClipboard()
{
    return CopyPictureOrSelection(m_fields.m_graph, m_graphType.GetMetaFile().GetHandle());
}
