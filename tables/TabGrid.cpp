#include "TabGrid.h"

#include "BandRows.h"
#include "GridSelectionHooks.h"
#include "NewMeasurement.h"
#include "StatusMark.h"
#include "TabView.h"
#include "TableColumns.h"
#include "TableKeyMove.h"
#include "TypedNumber.h"

#include "app/AppSettings.h"
#include "res/resource.h"

#include "MultiLineGraph.h"
#include "grid/CGRMultiSelect.h"
#include "import/TreeLayout.h"

#include <map>

BEGIN_MESSAGE_MAP(CTabGrid, CGRCtrl)
    ON_WM_HSCROLL()
    ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {
constexpr int kFrequencyColWidth = 80;
constexpr int kAverageColWidth = 50;
constexpr int kCountColWidth = 35;
constexpr int kHeadingRowHeight = 30;
constexpr int kFixedCols = 4;
constexpr int kLockedRows = 2;
constexpr int kHeadingRow = 1;
constexpr UINT kKeyTab = 9;
constexpr UINT kKeyEscape = 27;
constexpr UINT kKeyDelete = 46;

bool IsKeyHeld(int nVirtualKey)
{
    return (::GetKeyState(nVirtualKey) & 0x8000) != 0;
}

} // namespace

CString CTabGrid::LoadedText(UINT nID)
{
    CString sText;
    sText.LoadString(nID);
    return sText;
}

CTabGrid::CTabGrid() : m_cDecimal(ReadDecimalSeparator()) {}

CTabGrid::~CTabGrid() = default;

char CTabGrid::ReadDecimalSeparator()
{
    char szDecimal[10] = "";
    ::GetProfileStringA("Intl", "sDecimal", "", szDecimal, sizeof szDecimal);
    return szDecimal[0] != '\0' ? szDecimal[0] : '.';
}

CTabView* CTabGrid::GetTabView() const
{
    return dynamic_cast<CTabView*>(GetParent());
}

CProjectDoc* CTabGrid::GetProject() const
{
    auto* pView = dynamic_cast<CProjectView*>(GetParent());
    return pView != nullptr ? pView->GetProject() : nullptr;
}

const CAppSettings& CTabGrid::GetSettings() const
{
    return CTabView::GetSettings();
}

int CTabGrid::GetTableId() const
{
    return GetSafeHwnd() != nullptr ? GetDlgCtrlID() : 0;
}

bool CTabGrid::IsReverberation() const
{
    return CTableColumns::IsReverberationTable(GetTableId());
}

int CTabGrid::PositionOfCol(int nCol) const
{
    return CTableColumns(GetTableId()).PositionOf(nCol, m_nMeasCount);
}

NBuildData* CTabGrid::RecordAt(int nPosition) const
{
    CTabView* pView = GetTabView();
    CMeasurementList* pList = pView != nullptr ? pView->GetMeasList() : nullptr;
    if (pList == nullptr || nPosition < 0 || nPosition >= pList->GetCount())
        return nullptr;
    return &pList->GetAt(pList->FindIndex(nPosition));
}

// ---------------------------------------------------------------------------
// Layout

void CTabGrid::OnSetup()
{
    SetUpTableGrid(CBandRows::kLastRow, CBandRows::kLastRow + 21, 5);
    m_nLastCol = 3;
    SetColWidth(4, 1);
    LayOutFrequencyColumn();
    LayOutHeadings();
    LockColumns(kFixedCols);
    LockRows(kLockedRows);
    JoinLegendRows();
    LayOutBorders();
}

void CTabGrid::SetUpTableGrid(int nLastRow, int nRows, int nCols)
{
    m_nLastRow = nLastRow;
    CGRCell cell;
    GetGridDefault(&cell);
    cell.SetReadOnly(1);
    cell.SetAlignment(kAlignRight);
    SetGridDefault(&cell);
    m_nNoteType = AddCellType(&m_noteType);

    SetDoubleBufferMode(1);
    SetDefFontIndex(AddFont("Arial", 15, 400));
    SetMultiSelectMode(1);
    SetUserSizingMode(0);
    EnableMenu(1);
    EnableCellOverlap(0);
    EnableDefaultBorders(0);
    SetRowCount(nRows, FALSE);
    SetColCount(nCols, FALSE);

    const CAppSettings& settings = GetSettings();
    SetPrintOption(10, 0);
    SetPrintOption(3, settings.m_PageSetup_MeasTab.m_nLeftMargin);
    SetPrintOption(4, settings.m_PageSetup_MeasTab.m_nTopMargin);
    SetPrintOption(5, 0);
    SetPrintOption(6, 0);
}

void CTabGrid::LayOutFrequencyColumn()
{
    const int nFont = AddFont("Arial", 15, 500);
    for (int nBand = 8; nBand < CBandRows::kBandCount; ++nBand) {
        const int nRow = CBandRows::RowOfBand(nBand);
        CGRCell cell;
        GetCell(0, nRow, &cell);
        cell.SetNumber(NSpectrum::IndexToFreq(nBand));
        cell.SetNumberDecimals(nBand < 17 ? 1 : 0);
        cell.SetAlignment(kAlignRight);
        cell.SetFont(GetFont(nFont));
        SetCell(0, nRow, &cell);
    }
}

void CTabGrid::LayOutHeadings()
{
    SetRowHeight(0, kHeadingRowHeight);
    SetRowHeight(kHeadingRow, kHeadingRowHeight);
    const int nTitleFont = AddFont("Arial", 16, 600);
    const int nHeadingFont = AddFont("Arial", 15, 600);
    for (int nCol = 0; nCol <= 1; ++nCol)
        SetCellFontIndex(nCol, 0, nTitleFont);
    for (int nCol = 0; nCol <= 3; ++nCol)
        SetCellFontIndex(nCol, kHeadingRow, nHeadingFont);
    SetCellText(2, kHeadingRow, "SD");
    SetCellText(3, kHeadingRow, "N");
    SetCellText(1, 0, LoadedText(IDS_AVERAGE));
    SetCellText(0, 0, LoadedText(IDS_FREQUENCY));
    SetCellText(0, kHeadingRow, "[Hz]");
    for (int nCol = 0; nCol <= 3; ++nCol) {
        SetCellAlignment(nCol, 0, kAlignCenter | kAlignVCenter);
        SetCellAlignment(nCol, kHeadingRow, kAlignCenter | kAlignVCenter);
    }
    JoinCells(1, 0, 3, 0);
    JoinCells(1, -1, 3, -1);
    SetColWidth(0, kFrequencyColWidth);
    SetColWidth(1, kAverageColWidth);
    SetColWidth(2, kAverageColWidth);
    SetColWidth(3, kCountColWidth);
}

void CTabGrid::LayOutBorders()
{
    for (int nRow = 0; nRow <= m_nLastRow; ++nRow) {
        for (int nCol = 0; nCol <= 3; ++nCol)
            SetCellBorder(nCol, nRow, kBorderLeft);
        if (nRow != m_nLastRow)
            SetCellBorder(4, nRow, kBorderLeft);
    }
    for (int nCol = 0; nCol <= 3; ++nCol) {
        SetCellBorder(nCol, 0, kBorderLeft | kBorderTop);
        SetCellBorder(nCol, m_nLastRow - 1, kBorderLeft | kBorderTop);
    }
    for (int nCol = 1; nCol <= 3; ++nCol)
        SetCellBorder(nCol, kHeadingRow, kBorderLeft | kBorderTop);
    SetCellBorder(0, m_nLastRow, kBorderTop);
}

// The empty row below the table, the legend block and the closing line span
// every column but the closing one; so does the side heading beside them.
void CTabGrid::JoinLegendRows()
{
    const int nLastJoinCol = GetColCount() - 2;
    const int nRows = GetRowCount();
    for (int nRow : {m_nLastRow, m_nLastRow + 1, nRows - 1})
        UnjoinCells(0, nRow);
    JoinCells(0, m_nLastRow, nLastJoinCol, m_nLastRow);
    JoinCells(0, m_nLastRow + 1, nLastJoinCol, nRows - 2);
    JoinCells(0, nRows - 1, nLastJoinCol, nRows - 1);
    SetRowHeight(nRows - 1, 3);
    UnjoinCells(-1, m_nLastRow);
    JoinCells(-1, m_nLastRow, -1, nRows - 2);
}

int CTabGrid::SetFreqRange(int nLowBand, int nHighBand)
{
    std::map<int, int> heights;
    if (!CBandRows::HeightsFor(nLowBand, nHighBand, GetTableId(), heights))
        return -1;
    for (const auto& rowHeight : heights)
        SetRowHeight(rowHeight.first, rowHeight.second);
    RedrawAll();
    return 0;
}

CString CTabGrid::GetStatusMark(NSpectrum spectrum, int nBand)
{
    return CStatusMark::Of(spectrum.GetMeasStatus(nBand));
}

void CTabGrid::FillAllGroups(CMeasurementList& list)
{
    FillAverages(list);
    POSITION pos = list.GetHeadPosition();
    if (pos != nullptr)
        list.GetNext(pos);
    for (int nPosition = 1; pos != nullptr; ++nPosition)
        FillGroup(nPosition, list.GetNext(pos));
}

void CTabGrid::RefreshMeasurement(int nPosition, int nLastShadedRow)
{
    CTabView* pView = GetTabView();
    CMeasurementList* pList = pView != nullptr ? pView->GetMeasList() : nullptr;
    const NBuildData* pRec = RecordAt(nPosition);
    if (pList == nullptr || pRec == nullptr)
        return;
    FillAverages(*pList);
    FillGroup(nPosition, *pRec);
    ShadeGroup(nPosition, nLastShadedRow);
    RedrawAll();
}

void CTabGrid::ShadeGroup(int nPosition, int nLastRow)
{
    constexpr COLORREF kExcludedColor = RGB(220, 220, 220);
    constexpr COLORREF kIncludedColor = RGB(255, 255, 255);
    const NBuildData* pRec = RecordAt(nPosition);
    const COLORREF cr = pRec != nullptr && pRec->m_Spectrum.GetStatus() == 1 ? kExcludedColor : kIncludedColor;
    const CTableColumns columns(GetTableId());
    const int nFirstCol = columns.FirstColOf(nPosition);
    for (int nCol = nFirstCol; nCol < nFirstCol + columns.GroupWidth(); ++nCol) {
        for (int nRow = 0; nRow <= nLastRow; ++nRow)
            SetCellBackColor(nCol, nRow, cr);
    }
}

void CTabGrid::SetStatusOfSelected(int nStatus)
{
    m_bMeasSelected = 0;
    CTabView* pView = GetTabView();
    const CTableColumns columns(GetTableId());
    for (INT_PTR i = m_arrSelMeas.GetSize() - 1; i >= 0; --i)
        pView->SetMeasurementStatus(columns.FirstColOf(static_cast<int>(m_arrSelMeas[i])), nStatus);
    if (CProjectDoc* pProject = GetProject())
        pProject->Recalculate(0);
}

// The release of a click on a measurement's heading selects the whole
// measurement; Ctrl-clicks collect several: every group whose title cell is
// selected counts, in column order.
void CTabGrid::OnTH_LClicked(int nCol, int nRow, int nUpDown, CRect*, CPoint*, int)
{
    CGridSelectionHooks::SelectColumn(*this, nCol, nUpDown, GetRowCount() - 1, m_nLastRow - 1);
    if (nUpDown != 0)
        return;
    m_arrSelMeas.RemoveAll();
    const CTableColumns columns(GetTableId());
    const int nLastRow = GetRowCount() - 1;
    const int nPosition = columns.PositionOf(nCol, m_nMeasCount);
    if (nPosition > 0) {
        const int nFirstCol = columns.FirstColOf(nPosition);
        SelectRange(nFirstCol, 0, nFirstCol + columns.GroupWidth() - 1, nLastRow);
        m_bMeasSelected = 1;
        for (int nGroup = 1; nGroup <= m_nMeasCount; ++nGroup) {
            if (IsSelected(columns.FirstColOf(nGroup), 0, nullptr))
                m_arrSelMeas.Add(static_cast<UINT>(nGroup));
        }
    } else if (nCol == 1) {
        SelectRange(1, 0, 3, nLastRow);
        m_bMeasSelected = 1;
    } else if (nCol == 0) {
        ClearSelections();
        SelectRange(0, 0, 0, GetRowCount() - 22);
    }
    RedrawAll();
}

CString CTabGrid::Shown(CString sNumber) const
{
    if (m_cDecimal != '.')
        sNumber.Replace('.', m_cDecimal);
    return sNumber;
}

CTypedKey::CEditState CTabGrid::EditStateOf(CWnd* pEdit)
{
    CTypedKey::CEditState state;
    pEdit->GetWindowText(state.m_sText);
    const DWORD dwSelection = static_cast<DWORD>(pEdit->SendMessage(EM_GETSEL));
    state.m_nSelStart = LOWORD(dwSelection);
    state.m_nSelEnd = HIWORD(dwSelection);
    return state;
}

// ---------------------------------------------------------------------------
// Adding and deleting measurements

int CTabGrid::AddMeasurement(CString sTitle, BOOL bAddToDocument, int nFlags)
{
    CTabView* pView = GetTabView();
    CMeasurementList* pList = pView != nullptr ? pView->GetMeasList() : nullptr;
    CProjectDoc* pProject = GetProject();
    if (pList == nullptr || pProject == nullptr)
        return -1;
    const CTableColumns columns(GetTableId());
    const int nPosition = pList->GetCount();
    SetColCount(columns.FirstColOf(nPosition) + columns.GroupWidth() + 1, FALSE);
    m_nLastCol = GetColCount() - 3;
    m_nMeasCount = nPosition;

    NBuildData rec = CNewMeasurement::Build(GetTableId(), pProject->m_ReportInfo, sTitle, GetSettings());
    const bool bBackgroundTable = GetTableId() == 125;
    const int nLastSet = pList->IsEmpty() ? -1 : pList->GetTail().m_nSetNumber;
    rec.m_nSetNumber = nLastSet < 0 ? (bBackgroundTable ? 0 : 1) : nLastSet;
    if (bAddToDocument) {
        m_arrAddedMeas.Add(static_cast<UINT>(nPosition));
        pProject->AddMeasurement(rec, nFlags);
    }
    m_nMeasCount = nPosition - 1;
    AddMeasurementColumns(sTitle);
    const CAppSettings& settings = GetSettings();
    if (!IsReverberation())
        ShowColumnSet(7, !settings.m_bShowColCorrection);
    ShowColumnSet(6, !settings.m_bShowColNumOfAvg);
    ShowColumnSet(5, !settings.m_bShowColSatus);
    pProject->Recalculate(GetTableId());
    const int nFirstCol = columns.FirstColOf(nPosition);
    GotoCell(nFirstCol, kHeadingRow);
    GotoCell(nFirstCol, 0);
    return nPosition;
}

// Whole measurements selected through their headings leave the document;
// their columns go and the closing column comes back.
int CTabGrid::DeleteMeasurement()
{
    if (m_arrSelMeas.GetSize() == 0)
        return 0;
    const CString sQuestion = LoadedText(IDS_DELETE_SELECTED_MEASUREMENTS);
    if (MessageBox(sQuestion, LoadedText(IDS_CONFIRM_MEASUREMENT_DELETE_CAPTION), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 0;
    CTabView* pView = GetTabView();
    CMeasurementList* pList = pView->GetMeasList();
    CProjectDoc* pProject = GetProject();
    const CTableColumns columns(GetTableId());
    m_bMeasSelected = 0;
    int nPosition = 0;
    for (INT_PTR i = m_arrSelMeas.GetSize() - 1; i >= 0; --i) {
        nPosition = static_cast<int>(m_arrSelMeas[i]);
        if (nPosition >= 1 && nPosition < pList->GetCount())
            pProject->RemoveMeasurement(GetTableId(), pList->FindIndex(nPosition));
        for (int n = 0; n < columns.GroupWidth() + 1; ++n)
            DeleteCol(GetColCount() - 1);
        SetColWidth(AppendCol(), 1);
    }
    GotoCell(columns.FirstColOf(nPosition), 0);
    m_arrSelMeas.RemoveAll();
    LockColumns(kFixedCols);
    JoinLegendRows();
    pProject->Recalculate(0);
    return 0;
}

// ---------------------------------------------------------------------------
// Deferred redraw: a burst of scrolls or key moves redraws the grid once.

void CTabGrid::RestartRedrawTimer()
{
    KillTimer(kRedrawTimer);
    SetTimer(kRedrawTimer, kRedrawDelay, nullptr);
}

void CTabGrid::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    KillTimer(kRedrawTimer);
    CGRCtrl::OnHScroll(nSBCode, nPos, pScrollBar);
    SetTimer(kRedrawTimer, kRedrawDelay, nullptr);
}

void CTabGrid::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kRedrawTimer) {
        KillTimer(kRedrawTimer);
        RedrawAll();
    }
    Default();
}

// ---------------------------------------------------------------------------
// Selection

void CTabGrid::SelectAll()
{
    SelectRange(0, 0, GetColCount() - 1, GetRowCount() - 1);
}

// Delete clears a title or a band value; the band is stored as missing,
// not as manual input.
void CTabGrid::OnCellEdited(int nCol, long nRow, int nFlag)
{
    CGRCell cell;
    GetCellIndirect(nCol, static_cast<int>(nRow), &cell);
    CTabView* pView = GetTabView();
    if (cell.GetReadOnly() || pView == nullptr)
        return;
    if (nRow == 0)
        pView->RenameMeasurement(nCol, CString());
    else if (nRow > kHeadingRow && IsNumberParam(cell.GetParam()))
        pView->SetBandValue(nCol, kMissingValue, CBandRows::BandOfRow(static_cast<int>(nRow)), FALSE, nFlag);
}

// ---------------------------------------------------------------------------
// Clicks

void CTabGrid::OnLClicked(int nCol, int nRow, int nUpDown, CRect*, CPoint*, int)
{
    if (nUpDown != 0)
        m_nClickCol = nCol;
    else if (nCol != m_nClickCol)
        RestartRedrawTimer();
    if (nRow > -1) {
        m_arrSelMeas.RemoveAll();
        m_bMeasSelected = 0;
    }
}

void CTabGrid::OnDClicked(int nCol, int nRow, CRect*, CPoint*, int)
{
    CGRCell cell;
    GetCellIndirect(nCol, nRow, &cell);
    if (nRow != kHeadingRow && !cell.GetReadOnly())
        EditCell(nCol, nRow, 0);
}

void CTabGrid::OnSH_LClicked(int nCol, int nRow, int nUpDown, CRect*, CPoint*, int)
{
    CGridSelectionHooks::SelectRow(*this, nRow, nUpDown);
}

void CTabGrid::OnCB_LClicked(int nUpDown, CRect*, CPoint*, int)
{
    if (nUpDown != 0)
        CGridSelectionHooks::SelectAllCells(*this);
}

// ---------------------------------------------------------------------------
// Keys

bool CTabGrid::IsShownCol(int nCol) const
{
    return GetColWidth(nCol) > 0;
}

bool CTabGrid::IsShownRow(int nRow) const
{
    return GetRowHeight(nRow) > 0;
}

void CTabGrid::OnKeyDown(UINT* pnKey, int)
{
    KillTimer(kRedrawTimer);
    const UINT nKey = *pnKey;
    *pnKey = 0;
    if (GetCurrentRow() == kHeadingRow && !CTableKeyMove::IsMoveKey(nKey))
        return;
    if (nKey == kKeyDelete)
        ClearSelectedCells();
    else if (CTableKeyMove::IsMoveKey(nKey))
        MoveByKey(nKey);
}

void CTabGrid::MoveByKey(UINT nKey)
{
    const CTableKeyMove move(m_nLastCol, GetRowCount() - 1, [this](int nCol) { return IsShownCol(nCol); },
                             [this](int nRow) { return IsShownRow(nRow); });
    const CTableKeyMove::CCell current = {GetCurrentCol(), GetCurrentRow()};
    const CTableKeyMove::CCell target = move.Target(current, nKey, IsKeyHeld(VK_SHIFT), IsKeyHeld(VK_CONTROL));
    SetTimer(kRedrawTimer, kRedrawDelay, nullptr);
    if (target == current)
        return;
    ClearSelections();
    GotoCell(target.m_nCol, target.m_nRow);
    SelectRange(target.m_nCol, target.m_nRow, target.m_nCol, target.m_nRow);
}

// Delete: whole measurements selected through their headings leave the
// table; otherwise every writable cell of the selection is cleared and the
// table recalculates once.
void CTabGrid::ClearSelectedCells()
{
    if (m_arrSelMeas.GetSize() > 0) {
        DeleteMeasurement();
        return;
    }
    int nLeft = 0, nTop = 0, nRight = -1, nBottom = -1;
    GetMultiSelect()->GetTotalRange(&nLeft, &nTop, &nRight, &nBottom);
    if (GetMultiSelect()->GetNumberBlocks() == 0) {
        nLeft = nRight = GetCurrentCol();
        nTop = nBottom = GetCurrentRow();
    }
    int nCleared = 0;
    for (int nCol = nLeft; nCol <= nRight; ++nCol) {
        for (int nRow = nTop; nRow <= nBottom; ++nRow) {
            CGRCell cell;
            GetCellIndirect(nCol, nRow, &cell);
            if ((GetMultiSelect()->GetNumberBlocks() == 0 || IsSelected(nCol, nRow, nullptr)) && !cell.GetReadOnly()) {
                OnCellEdited(nCol, nRow, 0);
                ++nCleared;
            }
        }
    }
    if (nCleared == 0)
        return;
    if (nRight - nLeft > (IsReverberation() ? 2 : 3))
        m_arrAddedMeas.RemoveAll();
    if (CProjectDoc* pProject = GetProject())
        pProject->Recalculate(GetTableId());
}

void CTabGrid::OnCharDown(UINT* pnKey, int)
{
    if (*pnKey == kKeyTab || *pnKey == kKeyEscape || GetCurrentRow() == kHeadingRow)
        return;
    StartEditWithKey(*pnKey);
}

// Keys typed into band cells are checked by the table's kind; every key
// that goes through marks the edit as changed.
int CTabGrid::OnEditVerify(int nCol, int nRow, CWnd* pEdit, UINT* pnKey)
{
    CGRCell cell;
    GetCellIndirect(nCol, nRow, &cell);
    if (nRow > kHeadingRow && !AcceptsKey(cell.GetParam(), EditStateOf(pEdit), *pnKey))
        return 0;
    m_bEditChanged = 1;
    return 1;
}

// A cancelled edit leaves the cell as it was: nothing to commit.
int CTabGrid::OnEditFinish(int, int, CWnd*, LPCTSTR, BOOL bCancelled)
{
    if (bCancelled)
        m_bEditChanged = 0;
    return 1;
}

// An edit ends in its cell: the next cell becomes current without an edit.
int CTabGrid::OnEditContinue(int, int, int* pnNewCol, int* pnNewRow)
{
    ClearSelections();
    GotoCell(*pnNewCol, *pnNewRow);
    SelectRange(*pnNewCol, *pnNewRow, *pnNewCol, *pnNewRow);
    return 0;
}

// Leaving a cell after typing commits it; leaving the measurements selected
// through their headings ends that selection.
void CTabGrid::OnCellChange(int nOldCol, int nNewCol, int nOldRow, int)
{
    if (m_bEditChanged) {
        m_bEditChanged = 0;
        CommitCell(nOldCol, nOldRow);
    }
    if (m_arrSelMeas.GetSize() > 0 && !IsInSelectedColumns(nNewCol))
        m_bMeasSelected = 0;
}

// The block of columns from the first selected measurement's group on.
bool CTabGrid::IsInSelectedColumns(int nCol) const
{
    const CTableColumns columns(GetTableId());
    const int nFirst = columns.FirstColOf(static_cast<int>(m_arrSelMeas[0]));
    const int nLast = nFirst + columns.GroupWidth() * static_cast<int>(m_arrSelMeas.GetSize()) - 1;
    return nCol >= nFirst && nCol <= nLast;
}

// A typed number is brought to its form and written into the measurement as
// manual input; a typed title renames the measurement.
void CTabGrid::CommitCell(int nCol, int nRow)
{
    CGRCell cell;
    GetCellIndirect(nCol, nRow, &cell);
    CString sText = cell.GetText() != nullptr ? cell.GetText() : "";
    const bool bNumber = nRow > kHeadingRow && IsNumberParam(cell.GetParam());
    if (bNumber) {
        sText = NormalizedNumber(cell.GetParam(), sText);
        SetCellText(nCol, nRow, sText);
    } else {
        SetCellLabel(nCol, nRow, sText);
    }
    CTabView* pView = GetTabView();
    if (pView == nullptr)
        return;
    if (nRow == 0 && CTableColumns(GetTableId()).OffsetInGroup(nCol) == 0) {
        pView->RenameMeasurement(nCol, sText);
    } else if (bNumber) {
        const double dValue = sText.IsEmpty() ? kMissingValue : CTypedNumber::ValueOf(sText, m_cDecimal);
        pView->SetBandValue(nCol, dValue, CBandRows::BandOfRow(nRow), TRUE, TRUE);
    }
}

void CTabGrid::CommitCurrentCell()
{
    OnCellChange(GetCurrentCol(), GetCurrentCol(), GetCurrentRow(), GetCurrentRow());
}

// Leaving the grid for another window keeps what was typed: the open edit's
// text goes into its cell and is committed. A position chosen in row 1
// commits the same way in projects with a position list.
void CTabGrid::OnKillFocus(int nSection, CWnd* pNewFocus)
{
    const bool bInsideGrid = pNewFocus != nullptr &&
        (pNewFocus->GetParent() == GetCellAreaWindow() || pNewFocus->GetParent() == this || pNewFocus == this ||
         pNewFocus == GetCellAreaWindow());
    if (IsEditing()) {
        if (bInsideGrid)
            return;
        CWnd* pEdit = GetEditControl(FALSE);
        CString sText;
        if (pEdit != nullptr)
            pEdit->GetWindowText(sText);
        if (m_bEditChanged || !sText.IsEmpty())
            FinishEdit(sText, FALSE, FALSE, GetCurrentCol(), GetCurrentRow());
        CommitCurrentCell();
        return;
    }
    if (GetCurrentRow() == kHeadingRow && !bInsideGrid)
        CommitCurrentCell();
}

// ---------------------------------------------------------------------------
// Graph of the current or the selected measurements

// The summary record (position 0, the average columns) is shown as a
// summary, not as a measurement.
void CTabGrid::ShowMeasurementGraph()
{
    CTabView* pView = GetTabView();
    CProjectDoc* pProject = GetProject();
    CMeasurementList* pList = pView != nullptr ? pView->GetMeasList() : nullptr;
    if (pList == nullptr || pProject == nullptr)
        return;
    const CString sTitle = GraphTitleOf(pProject->m_nProjectNumber, pProject->m_ReportInfo, GetTableId());
    const CAppSettings& settings = GetSettings();
    const bool bSingle = !m_bMeasSelected || (m_arrSelMeas.GetSize() == 1 && !IsSelected(1, 0, nullptr));
    if (bSingle) {
        const int nPosition = m_bMeasSelected ? static_cast<int>(m_arrSelMeas[0]) : PositionOfCol(GetCurrentCol());
        if (NBuildData* pRec = RecordAt(nPosition))
            pRec->ShowGraph(sTitle, settings.m_nLowerFreq, settings.m_nUpperFreq, nPosition > 0);
        return;
    }
    CMultiLineGraph graph;
    for (int nPosition : GraphPositions(pList->GetCount())) {
        if (NBuildData* pRec = RecordAt(nPosition))
            graph.AddSpectrum(pRec->m_Spectrum);
    }
    graph.ShowGraph(sTitle, settings.m_nLowerFreq, settings.m_nUpperFreq, pView);
}

// The measurements selected through their headings; with only the average
// heading selected, every measurement of the table.
std::vector<int> CTabGrid::GraphPositions(INT_PTR nListCount) const
{
    std::vector<int> aPositions;
    for (INT_PTR i = 0; i < m_arrSelMeas.GetSize(); ++i)
        aPositions.push_back(static_cast<int>(m_arrSelMeas[i]));
    if (aPositions.empty()) {
        for (int nPosition = 1; nPosition < nListCount; ++nPosition)
            aPositions.push_back(nPosition);
    }
    return aPositions;
}
