#include "ReverbTabGrid.h"

#include "BandRows.h"
#include "GridSelectionHooks.h"
#include "StatusMark.h"
#include "TabView.h"
#include "TableColumns.h"
#include "TypedKey.h"
#include "TypedNumber.h"

#include "app/AppSettings.h"
#include "res/resource.h"

namespace {
constexpr int kTimeWidth = 45;
constexpr int kMarkWidth = 30;
constexpr int kHeadingRow = 1;
constexpr short kCentered = kAlignCenter | kAlignVCenter;
constexpr long kMultiLineStyle = 2;
} // namespace

// Loss factors need a third decimal.
int CReverbTabGrid::Decimals() const
{
    const CProjectDoc* pProject = GetProject();
    return pProject != nullptr && pProject->m_ReportInfo.m_bTotalLossFactor ? 3 : 2;
}

void CReverbTabGrid::OnSetup()
{
    CTabGrid::OnSetup();
    SetCellText(1, kHeadingRow, "T avg");
    SetCellAlignment(1, kHeadingRow, kCentered);
    CGRCell legend;
    GetCell(0, CBandRows::kLegendRow, &legend);
    legend.SetCellTypeEx(kMultiLineStyle);
    legend.SetAlignment(kAlignLeft);
    legend.SetText(LoadedText(IDS_LEGEND) + LoadedText(IDS_LEGEND_T_AVG) + LoadedText(IDS_LEGEND_SD) + LoadedText(IDS_LEGEND_N) +
                   LoadedText(IDS_LEGEND_T) + LoadedText(IDS_LEGEND_S) + LoadedText(IDS_LEGEND_STATUS_CHARS));
    SetCell(0, CBandRows::kLegendRow, &legend);
    const CAppSettings& settings = GetSettings();
    ShowColumnSet(6, !settings.m_bShowColNumOfAvg);
    ShowColumnSet(5, !settings.m_bShowColSatus);
}

void CReverbTabGrid::AddMeasurementColumns(CString sTitle)
{
    const int nPosition = m_nMeasCount + 1;
    const int nCol = CTableColumns(GetTableId()).FirstColOf(nPosition);
    CGRCell title;
    GetCell(nCol, 0, &title);
    title.SetFont(GetFont(AddFont("Arial", 16, 600)));
    title.SetText(sTitle);
    title.SetLabel(sTitle);
    title.SetAlignment(kAlignLeft | kAlignVCenter);
    title.SetBorderStyle(kBorderThickRight);
    title.SetCellType(NoteTypeIndex());
    title.SetReadOnly(0);
    SetCell(nCol, 0, &title);
    JoinCells(nCol, 0, nCol + 2, 0);
    JoinCells(nCol, -1, nCol + 2, -1);
    const int nHeadingFont = AddFont("Arial", 15, 600);
    const char* const aHeadings[] = {"T", "S", "N"};
    for (int i = 0; i < 3; ++i) {
        SetCellText(nCol + i, kHeadingRow, aHeadings[i]);
        SetCellFontIndex(nCol + i, kHeadingRow, nHeadingFont);
        SetCellAlignment(nCol + i, kHeadingRow, kCentered);
    }
    for (int nRow = CBandRows::kFirstBandRow; nRow < m_nLastRow; ++nRow) {
        CGRCell cell;
        GetCell(nCol, nRow, &cell);
        cell.SetReadOnly(0);
        cell.SetParam(kTimeParam);
        SetCell(nCol, nRow, &cell);
    }
    for (int nRow = 0; nRow < m_nLastRow; ++nRow) {
        SetCellBorder(nCol, nRow, nRow == 0 ? kBorderLeft | kBorderTop : kBorderLeft);
        SetCellBorder(nCol + 2, nRow, kBorderThickRight);
    }
    ++m_nMeasCount;
    ShadeGroup(nPosition, m_nLastRow - 1);
    SetGroupWidths();
    JoinLegendRows();
    SetColWidth(GetColCount() - 1, 1);
}

void CReverbTabGrid::SetGroupWidths()
{
    const CAppSettings& settings = GetSettings();
    for (int nCol = CTableColumns::kFirstGroupCol; nCol + 2 < GetColCount(); nCol += 3) {
        SetColWidth(nCol, kTimeWidth);
        SetColWidth(nCol + 1, settings.m_bShowColSatus ? kMarkWidth : 0);
        SetColWidth(nCol + 2, settings.m_bShowColNumOfAvg ? kMarkWidth : 0);
    }
}


void CReverbTabGrid::ShowColumnSet(int nFirstCol, BOOL bHide)
{
    for (int nCol = nFirstCol; nCol < GetColCount() - 1; nCol += 3)
        SetColWidth(nCol, bHide ? 0 : kMarkWidth);
    const int nCount = GetColCount();
    auto isShown = [this, nCount](int nCol) { return nCol < nCount - 1 && GetColWidth(nCol) > 0; };
    if (m_nMeasCount == 0)
        m_nLastCol = 3;
    else if (isShown(6))
        m_nLastCol = nCount - 2;
    else if (isShown(5))
        m_nLastCol = nCount - 3;
    else
        m_nLastCol = nCount - 4;
    RedrawAll();
    if (GetSafeHwnd() != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// ---------------------------------------------------------------------------
// Values

void CReverbTabGrid::FillValues(CMeasurementList& list)
{
    const CAppSettings& settings = GetSettings();
    SetFreqRange(settings.m_nLowerFreq, settings.m_nUpperFreq);
    FillAllGroups(list);
    JoinLegendRows();
    SetColWidth(GetColCount() - 1, 1);
    RedrawAll();
}

void CReverbTabGrid::FillAverages(CMeasurementList& list)
{
    if (list.IsEmpty())
        return;
    const NSpectrum& spectrum = list.GetHead().m_Spectrum;
    const bool bMeasurements = list.GetCount() > 1;
    for (int nRow = CBandRows::kFirstBandRow; nRow < m_nLastRow - 1; ++nRow) {
        const int nBand = CBandRows::BandOfRow(nRow);
        const bool bShown = bMeasurements && !IsMissing(spectrum.GetSpecLine(nBand));
        SetCellText(1, nRow, bShown ? Shown(spectrum.GetSpecLineStr(nBand, Decimals())) : CString());
        SetCellText(2, nRow, bShown ? Shown(spectrum.GetSDStr(nBand, 2)) : CString());
        SetCellText(3, nRow, bShown ? spectrum.GetAvrCntStr(nBand) : CString());
    }
}

void CReverbTabGrid::FillGroup(int nPosition, const NBuildData& rec)
{
    const int nCol = CTableColumns(GetTableId()).FirstColOf(nPosition);
    const NSpectrum& spectrum = rec.m_Spectrum;
    for (int nRow = CBandRows::kFirstBandRow; nRow < m_nLastRow - 1; ++nRow) {
        const int nBand = CBandRows::BandOfRow(nRow);
        const bool bValue = !IsMissing(spectrum.GetSpecLine(nBand));
        const bool bMark = bValue || spectrum.GetMeasStatus(nBand) == CStatusMark::kManualMissingShown;
        SetCellText(nCol, nRow, bValue ? Shown(spectrum.GetSpecLineStr(nBand, Decimals())) : CString());
        SetCellText(nCol + 1, nRow, bMark ? GetStatusMark(spectrum, nBand) : CString());
        SetCellText(nCol + 2, nRow, bValue ? spectrum.GetAvrCntStr(nBand) : CString());
    }
    SetCellText(nCol, 0, spectrum.GetTitle());
    SetCellLabel(nCol, 0, spectrum.GetTitle());
}

void CReverbTabGrid::FillMeasurementColumns(int nPosition)
{
    RefreshMeasurement(nPosition, m_nLastRow - 1);
}

// ---------------------------------------------------------------------------
// Selection and status

void CReverbTabGrid::SetSelectedStatus(int nStatus)
{
    SetStatusOfSelected(nStatus);
}

// ---------------------------------------------------------------------------
// Typing and committing

bool CReverbTabGrid::AcceptsKey(long lParam, const CTypedKey::CEditState& edit, UINT nKey) const
{
    return lParam != kTimeParam || CTypedKey::AcceptReverberationKey(edit, nKey, Decimals(), m_cDecimal);
}

bool CReverbTabGrid::IsNumberParam(long lParam) const
{
    return lParam == kTimeParam;
}

CPastedNumber::Kind CReverbTabGrid::PastedKindOf(long) const
{
    return CPastedNumber::Kind::kReverberationTime;
}

CString CReverbTabGrid::NormalizedNumber(long, const CString& sText) const
{
    return CTypedNumber::NormalizeReverberation(sText, m_cDecimal, Decimals());
}

int CReverbTabGrid::OnMenuStart(int, int, int)
{
    return CGridSelectionHooks::PostContextMenuToParent(*this);
}
