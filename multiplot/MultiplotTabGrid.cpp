#include "MultiplotTabGrid.h"

#include "MultiplotBandValue.h"
#include "MultiplotTabView.h"

#include "app/AppSettings.h"
#include "app/VestolarApp.h"
#include "reports/MultiplotChartData.h"
#include "res/resource.h"
#include "tables/BandRows.h"
#include "tables/GridSelectionHooks.h"
#include "tables/NewMeasurement.h"
#include "tables/PastedText.h"
#include "tables/TypedNumber.h"

#include <algorithm>

namespace {
constexpr int kColWidth = 80;
constexpr int kHeadingRowHeight = 30;
constexpr int kNumberRow = 1;
constexpr int kFirstBand = 8;
constexpr int kLastBand = 43;
constexpr int kHiddenRow = 38;
constexpr int kFirstOctaveBand = 16;

void ShowRefusal(UINT nIDPrompt)
{
    AfxMessageBox(CTabGrid::LoadedText(nIDPrompt), MB_OK);
}

} // namespace

CMultiplotTabView* CMultiplotTabGrid::GetView() const
{
    return dynamic_cast<CMultiplotTabView*>(GetParent());
}

int CMultiplotTabGrid::GraphType() const
{
    const CProjectDoc* pProject = GetProject();
    return pProject != nullptr ? pProject->m_nMultiplotGraphType : CMultiplotBandValue::kLevelType;
}

int CMultiplotTabGrid::CurveCount() const
{
    CMultiplotTabView* pView = GetView();
    CMeasurementList* pList = pView != nullptr ? pView->GetMeasList() : nullptr;
    return pList != nullptr ? static_cast<int>(pList->GetCount()) : 0;
}

// ---------------------------------------------------------------------------
// Layout

void CMultiplotTabGrid::OnSetup()
{
    SetUpTableGrid(kLastRow, kLastRow + 1, 2);

    CGRCell cell;
    const int nBandFont = AddFont("Arial", 15, 500);
    for (int nBand = kFirstBand; nBand <= kLastBand; ++nBand) {
        const int nRow = CBandRows::RowOfBand(nBand);
        SetCellNumber(0, nRow, NSpectrum::IndexToFreq(nBand));
        GetCell(0, nRow, &cell);
        cell.SetNumberDecimals(nBand < 17 ? 1 : 0);
        SetCell(0, nRow, &cell);
        SetCellFontIndex(0, nRow, nBandFont);
    }
    SetRowHeight(0, kHeadingRowHeight);
    SetRowHeight(kNumberRow, kHeadingRowHeight);
    m_nTitleFont = AddFont("Arial", 16, 600);
    SetCellFontIndex(0, 0, m_nTitleFont);
    SetCellFontIndex(0, kNumberRow, AddFont("Arial", 15, 600));
    SetCellText(0, 0, LoadedText(IDS_FREQUENCY));
    SetCellText(0, kNumberRow, "[Hz]");
    SetCellAlignment(0, 0, kAlignCenter | kAlignVCenter);
    SetCellAlignment(0, kNumberRow, kAlignCenter | kAlignVCenter);
    SetColWidth(0, kColWidth);
    LockColumns(1);
    LockRows(2);

    for (int nRow = 0; nRow <= kLastRow; ++nRow)
        SetCellBorder(0, nRow, kBorderLeft);
    SetCellBorder(0, 0, kBorderLeft | kBorderTop);
    SetCellBorder(0, kHiddenRow, kBorderLeft | kBorderTop);
    SetCellBorder(0, kLastRow, kBorderTop);
    const CAppSettings& settings = GetSettings();
    SetFreqRange(settings.m_nLowerFreq, settings.m_nUpperFreq);
    CloseLastRow();
}

// The closing column and row: one pixel each, the row joined across the
// table so that its top line closes every column.
void CMultiplotTabGrid::CloseLastRow()
{
    const int nLastCol = GetColCount() - 1;
    SetColWidth(nLastCol, 1);
    SetCellBorder(nLastCol, 0, kBorderLeft);
    SetCellBorder(nLastCol, kNumberRow, kBorderLeft);
    UnjoinCells(0, kLastRow);
    JoinCells(0, kLastRow, std::max(0, nLastCol - 1), kLastRow);
    SetRowHeight(kLastRow, 1);
}

void CMultiplotTabGrid::LayOutCurveColumn(int nCol, const CString& sTitle)
{
    SetCellFontIndex(nCol, 0, m_nTitleFont);
    SetCellText(nCol, 0, sTitle);
    SetCellLabel(nCol, 0, sTitle);
    SetCellAlignment(nCol, 0, kAlignLeft | kAlignVCenter);
    SetCellCellType(nCol, 0, NoteTypeIndex());
    CString sNumber;
    sNumber.Format("#%d", nCol);
    SetCellText(nCol, kNumberRow, sNumber);
    SetCellAlignment(nCol, kNumberRow, kAlignCenter | kAlignVCenter);
    CGRCell cell;
    for (int nRow = 0; nRow <= kHiddenRow; ++nRow) {
        GetCell(nCol, nRow, &cell);
        cell.SetReadOnly(nRow == kNumberRow ? 1 : 0);
        SetCell(nCol, nRow, &cell);
        const bool bTopLine = nRow <= CBandRows::kFirstBandRow || nRow == kHiddenRow;
        SetCellBorder(nCol, nRow, bTopLine ? kBorderLeft | kBorderTop : kBorderLeft);
    }
    SetColWidth(nCol, kColWidth);
}

void CMultiplotTabGrid::AddMeasurementColumns(CString sTitle)
{
    LayOutCurveColumn(m_nMeasCount + 1, sTitle);
    ++m_nMeasCount;
    m_nLastCol = GetColCount() - 2;
}

// ---------------------------------------------------------------------------
// Filling

bool CMultiplotTabGrid::IsOctaveData(const NBuildData& rec) const
{
    return CMultiplotChartData::IsOctaveData(GraphType(), {&rec});
}

void CMultiplotTabGrid::FillValues(CMeasurementList& list)
{
    if (list.IsEmpty()) {
        SetColWidth(1, 1);
        LockColumns(1);
    }
    const CAppSettings& settings = GetSettings();
    SetFreqRange(settings.m_nLowerFreq, settings.m_nUpperFreq);
    int nCol = 1;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr; ++nCol)
        FillColumn(nCol, list.GetNext(pos));
    SetColWidth(GetColCount() - 1, 1);
    SetRowHeight(kLastRow, 1);
    RedrawAll();
}

void CMultiplotTabGrid::FillMeasurementColumns(int nCurve)
{
    CMultiplotTabView* pView = GetView();
    CMeasurementList* pList = pView != nullptr ? pView->GetMeasList() : nullptr;
    if (pList == nullptr || nCurve < 1 || nCurve > pList->GetCount())
        return;
    FillColumn(nCurve, pList->GetAt(pList->FindIndex(nCurve - 1)));
    RedrawAll();
}

// Only the bands 8 to 43 have rows; octave values typed into an absorption
// curve show in the rows of their centre bands alone.
void CMultiplotTabGrid::FillColumn(int nCol, const NBuildData& rec)
{
    const int nGraphType = GraphType();
    const bool bOctaves = IsOctaveData(rec);
    if (bOctaves) {
        for (int nRow = CBandRows::kFirstBandRow; nRow <= kHiddenRow; ++nRow)
            SetCellText(nCol, nRow, "");
    }
    const int nStep = bOctaves ? 3 : 1;
    for (int nBand = bOctaves ? kFirstOctaveBand : kFirstBand; nBand <= kLastBand; nBand += nStep)
        SetCellText(nCol, CBandRows::RowOfBand(nBand), Shown(CMultiplotBandValue::ShownText(rec, nBand, nGraphType)));
    SetCellText(nCol, 0, rec.m_Spectrum.GetTitle());
    SetCellLabel(nCol, 0, rec.m_Spectrum.GetTitle());
}

// ---------------------------------------------------------------------------
// Adding and deleting curves

// An eleventh curve is refused without a word.
int CMultiplotTabGrid::AddMeasurement(CString sTitle, BOOL bAddToDocument, int nFlags)
{
    const int nCount = CurveCount();
    CProjectDoc* pProject = GetProject();
    if (nCount >= kMaxCurves || pProject == nullptr)
        return 0;
    const int nCol = nCount + 1;
    UnjoinCells(nCol, 0);
    UnjoinCells(nCol, -1);
    SetColCount(nCount + 3, FALSE);
    m_nMeasCount = nCount;
    if (bAddToDocument) {
        m_arrAddedMeas.Add(static_cast<UINT>(nCol));
        pProject->AddMeasurement(CNewMeasurement::Build(kMultiplotTableId, pProject->m_ReportInfo, sTitle, GetSettings()),
                                 nFlags);
    }
    AddMeasurementColumns(sTitle);
    CloseLastRow();
    if (bAddToDocument) {
        pProject->Recalculate(0);
        GotoCell(nCol, kNumberRow);
        GotoCell(nCol, 0);
    }
    return 0;
}

int CMultiplotTabGrid::DeleteMeasurement()
{
    if (m_arrSelMeas.GetSize() == 0)
        return 0;
    if (MessageBox(LoadedText(IDS_DELETE_SELECTED_MEASUREMENTS), LoadedText(IDS_CONFIRM_MEASUREMENT_DELETE_CAPTION),
                   MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 0;
    CMultiplotTabView* pView = GetView();
    CMeasurementList* pList = pView != nullptr ? pView->GetMeasList() : nullptr;
    CProjectDoc* pProject = GetProject();
    if (pList == nullptr || pProject == nullptr)
        return 0;
    m_bMeasSelected = 0;
    for (INT_PTR i = m_arrSelMeas.GetSize() - 1; i >= 0; --i) {
        const int nCurve = static_cast<int>(m_arrSelMeas[i]);
        if (nCurve >= 1 && nCurve <= pList->GetCount())
            pProject->RemoveMeasurement(kMultiplotTableId, pList->FindIndex(nCurve - 1));
        DeleteCol(GetColCount() - 1);
    }
    SetColWidth(GetColCount() - 1, 1);
    GotoCell(std::min(static_cast<int>(m_arrSelMeas[0]), GetColCount() - 1), 0);
    m_arrSelMeas.RemoveAll();
    LockColumns(1);
    pProject->Recalculate(0);
    return 0;
}

// ---------------------------------------------------------------------------
// Typing

bool CMultiplotTabGrid::AcceptsKey(long, const CTypedKey::CEditState& edit, UINT nKey) const
{
    switch (GraphType()) {
    case 0:
        return CTypedKey::AcceptLevelKey(edit, nKey, false, m_cDecimal);
    case 1:
    case 2:
        // A value of 60 or more is let through and emptied when the cell is
        // left: refusing its last digit would store its first ones ("75"
        // as 7.00).
        return CTypedKey::KeepsReverberationForm(edit, nKey, 2, m_cDecimal);
    default:
        return true;
    }
}

CPastedNumber::Kind CMultiplotTabGrid::PastedKindOf(long) const
{
    return CMultiplotBandValue::DecimalsOf(GraphType()) == 2 ? CPastedNumber::Kind::kReverberationTime
                                                              : CPastedNumber::Kind::kLevel;
}

CString CMultiplotTabGrid::NormalizedNumber(long, const CString& sText) const
{
    if (GraphType() == CMultiplotBandValue::kLevelType)
        return CTypedNumber::NormalizeLevel(sText, m_cDecimal);
    return CTypedNumber::NormalizeReverberation(sText, m_cDecimal, 2);
}

// One column per curve.
bool CMultiplotTabGrid::IsInSelectedColumns(int nCol) const
{
    const int nFirst = static_cast<int>(m_arrSelMeas[0]);
    return nCol >= nFirst && nCol <= nFirst + static_cast<int>(m_arrSelMeas.GetSize()) - 1;
}

// A typed title renames the curve; a typed band value is brought to its
// form and stored.
void CMultiplotTabGrid::CommitCell(int nCol, int nRow)
{
    CMultiplotTabView* pView = GetView();
    if (pView == nullptr || nCol < 1 || nCol > GetColCount() - 2)
        return;
    CGRCell cell;
    GetCellIndirect(nCol, nRow, &cell);
    CString sText = cell.GetText() != nullptr ? cell.GetText() : "";
    if (nRow == 0) {
        SetCellLabel(nCol, nRow, sText);
        pView->SetCurveTitle(nCol, sText);
        return;
    }
    if (nRow < CBandRows::kFirstBandRow || nRow > CBandRows::RowOfBand(kLastBand))
        return;
    sText = NormalizedNumber(0, sText);
    SetCellText(nCol, nRow, sText);
    const double dValue = sText.IsEmpty() ? kMissingValue : CTypedNumber::ValueOf(sText, m_cDecimal);
    pView->SetBandValue(nCol, dValue, CBandRows::BandOfRow(nRow), true);
}

// Delete: a band becomes missing, a title empty; the numbers row stays.
void CMultiplotTabGrid::OnCellEdited(int nCol, long nRow, int nFlag)
{
    CGRCell cell;
    GetCellIndirect(nCol, static_cast<int>(nRow), &cell);
    CMultiplotTabView* pView = GetView();
    if (cell.GetReadOnly() || pView == nullptr || nRow == kNumberRow)
        return;
    if (nRow == 0)
        pView->SetCurveTitle(nCol, CString());
    else
        pView->SetBandValue(nCol, kMissingValue, CBandRows::BandOfRow(static_cast<int>(nRow)), nFlag != 0);
}

// ---------------------------------------------------------------------------
// Selecting whole curves

// The release of a click on a curve's heading selects the curve; with Ctrl
// or Shift several, listed in column order.
void CMultiplotTabGrid::OnTH_LClicked(int nCol, int nRow, int nUpDown, CRect*, CPoint*, int)
{
    CGridSelectionHooks::SelectColumn(*this, nCol, nUpDown, GetRowCount() - 1, GetRowCount() - 22);
    if (nUpDown != 0)
        return;
    m_arrSelMeas.RemoveAll();
    if (nCol >= 1 && nCol <= GetColCount() - 2) {
        SelectRange(nCol, 0, nCol, GetRowCount() - 1);
        m_bMeasSelected = 1;
        for (int nCurveCol = 1; nCurveCol <= GetColCount() - 2; ++nCurveCol) {
            if (IsSelected(nCurveCol, 0, nullptr))
                m_arrSelMeas.Add(static_cast<UINT>(nCurveCol));
        }
    } else if (nCol == 0) {
        ClearSelections();
        SelectRange(0, 0, 0, GetRowCount() - 22);
    }
    RedrawAll();
}

// ---------------------------------------------------------------------------
// Clipboard

// The selected cells as text; curves selected through their headings also
// go into the application's copy buffer.
int CMultiplotTabGrid::CopySelection()
{
    CopySelected();
    CMultiplotTabView* pView = GetView();
    CMeasurementList* pList = pView != nullptr ? pView->GetMeasList() : nullptr;
    if (m_arrSelMeas.GetSize() == 0 || pList == nullptr)
        return 0;
    CMeasurementList& buffer = GetVestolarApp().m_lCopyBuffer;
    buffer.RemoveAll();
    for (INT_PTR i = 0; i < m_arrSelMeas.GetSize(); ++i) {
        const int nCurve = static_cast<int>(m_arrSelMeas[i]);
        if (nCurve >= 1 && nCurve <= pList->GetCount())
            buffer.AddTail(pList->GetAt(pList->FindIndex(nCurve - 1)));
    }
    return 0;
}

// The table's own copy of curves, a column of values from the current band
// down, or a title into the current curve's heading.
int CMultiplotTabGrid::PasteText()
{
    CString sClipboard;
    if (GetClipboardText(sClipboard) != kGridDone || sClipboard.IsEmpty()) {
        ShowRefusal(IDS_INVALID_DATA_FORMAT);
        return 1;
    }
    const CPastedText text(sClipboard);
    if (sClipboard.Find('#') >= 0 && text.LineCount() > 0)
        return InsertMeasurements();
    const CString sPlain = text.PlainText();
    const int nCol = GetCurrentCol();
    const int nRow = GetCurrentRow();
    if (sPlain.Find('\t') < 0 && nRow != 0)
        return PasteValueColumn(sClipboard);
    if (nCol <= 0 || nRow != 0) {
        ShowRefusal(IDS_INVALID_DATA_FORMAT);
        return 1;
    }
    CString sTitle = text.Line(0);
    sTitle.TrimLeft();
    sTitle.TrimRight();
    if (sTitle.Find('\t') < 0 && GetView() != nullptr)
        GetView()->SetCurveTitle(nCol, sTitle);
    return 0;
}

// Line k goes to the band k rows below the current one, up to the upper
// band of the settings; the project recalculates once at the end.
int CMultiplotTabGrid::PasteValueColumn(const CString& sText)
{
    const int nCol = GetCurrentCol();
    const int nRow = GetCurrentRow();
    CMultiplotTabView* pView = GetView();
    CProjectDoc* pProject = GetProject();
    if (nCol == 0 || nRow == kNumberRow || pView == nullptr || pProject == nullptr) {
        ShowRefusal(IDS_LOCKED_CELLS);
        return 1;
    }
    const CPastedText text(sText);
    const int nGraphType = GraphType();
    const int nUpperBand = GetSettings().m_nUpperFreq;
    for (int nLine = 0; nLine < text.LineCount(); ++nLine) {
        const int nBand = CBandRows::BandOfRow(nRow) + nLine;
        if (nBand > nUpperBand)
            break;
        pView->SetBandValue(nCol, CMultiplotBandValue::PastedValue(text.Line(nLine), nGraphType), nBand, false);
    }
    pProject->Recalculate(kMultiplotTableId);
    return 0;
}

// Copied curves join the table up to its ten curves; the user hears when
// some did not fit.
int CMultiplotTabGrid::InsertMeasurements()
{
    const CMeasurementList& buffer = GetVestolarApp().m_lCopyBuffer;
    CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return 1;
    const int nCountBefore = CurveCount();
    for (POSITION pos = buffer.GetHeadPosition(); pos != nullptr;) {
        AddMeasurement(CString(), FALSE, 0);
        pProject->AddMeasurement(buffer.GetNext(pos), TRUE);
        m_arrAddedMeas.Add(static_cast<UINT>(CurveCount()));
    }
    pProject->Recalculate(kMultiplotTableId);
    if (CurveCount() != nCountBefore + buffer.GetCount())
        ShowRefusal(IDS_MULTIPLOT_TABLE_FULL);
    return 0;
}
