#include "LevelTabGrid.h"

#include "BandRows.h"
#include "GridSelectionHooks.h"
#include "StatusMark.h"
#include "TabView.h"
#include "TableColumns.h"
#include "TypedKey.h"
#include "TypedNumber.h"

#include "app/AppSettings.h"
#include "res/resource.h"

#include "grid/CGRDropListType.h"

namespace {
constexpr int kValueWidth = 45;
constexpr int kMarkWidth = 30;
constexpr int kCorrectionWidth = 45;
constexpr int kToggledCorrectionWidth = 40;
constexpr int kHeadingRow = 1;
constexpr short kLeftVCenter = kAlignLeft | kAlignVCenter;
constexpr short kCentered = kAlignCenter | kAlignVCenter;
constexpr long kMultiLineStyle = 2;
constexpr long kHiddenButtonStyle = 512;
const char* const kNumberedPositions = "L#1\nL#2\nL#3\nL#4\nL#5\nL#6\nL#7\nL#8\nL#9\n";
const char* const kLetteredPositions = "L#A\nL#B\nL#C\nL#D\nL#E\nL#F\nL#G\nL#H\nL#I\n";
} // namespace

bool CLevelTabGrid::IsFacilityTable() const
{
    return GetTableId() == 130 || GetTableId() == 131;
}

bool CLevelTabGrid::IsIntensityTable() const
{
    const CProjectDoc* pProject = GetProject();
    return pProject != nullptr && pProject->m_ReportInfo.m_bIntensity && (GetTableId() == 123 || GetTableId() == 129);
}

bool CLevelTabGrid::HasPositionList() const
{
    const CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return false;
    const CReportInfo& info = pProject->m_ReportInfo;
    return (info.m_bBS && info.m_bAirborne && info.m_bStandard) || info.m_bAverageLoudspeaker;
}

// ---------------------------------------------------------------------------
// Layout

void CLevelTabGrid::OnSetup()
{
    CTabGrid::OnSetup();
    SetCellText(1, kHeadingRow, IsFacilityTable() ? "R avg" : "L avg");
    SetCellAlignment(1, kHeadingRow, kCentered);
    SetCellText(0, CBandRows::kSumRow, "Sum A");
    CGRCell legend;
    GetCell(0, CBandRows::kLegendRow, &legend);
    legend.SetCellTypeEx(kMultiLineStyle);
    legend.SetAlignment(kAlignLeft);
    legend.SetText(LegendText());
    SetCell(0, CBandRows::kLegendRow, &legend);
    const CAppSettings& settings = GetSettings();
    ShowColumnSet(7, !settings.m_bShowColCorrection);
    ShowColumnSet(6, !settings.m_bShowColNumOfAvg);
    ShowColumnSet(5, !settings.m_bShowColSatus);
}

CString CLevelTabGrid::LegendText() const
{
    const CProjectDoc* pProject = GetProject();
    const bool bPositions = pProject != nullptr && pProject->m_ReportInfo.m_bAverageLoudspeaker;
    const bool bFacility = IsFacilityTable();
    CString sLegend = LoadedText(IDS_LEGEND) + LoadedText(bFacility ? IDS_LEGEND_R_AVG : IDS_LEGEND_L_AVG);
    if (bPositions)
        sLegend += LoadedText(IDS_LEGEND_POSITIONS_IGNORED);
    sLegend += LoadedText(IDS_LEGEND_SD) + LoadedText(IDS_LEGEND_N) + LoadedText(bFacility ? IDS_LEGEND_R : IDS_LEGEND_L);
    if (bPositions)
        sLegend += LoadedText(IDS_LEGEND_POSITIONS);
    sLegend += LoadedText(IDS_LEGEND_CORR) + LoadedText(IDS_LEGEND_S);
    sLegend += LoadedText(bFacility ? IDS_LEGEND_STATUS_CHARS_LAB : IDS_LEGEND_STATUS_CHARS) + LoadedText(IDS_LEGEND_SUM_A);
    return sLegend;
}

void CLevelTabGrid::AddMeasurementColumns(CString sTitle)
{
    const int nPosition = m_nMeasCount + 1;
    const int nCol = CTableColumns(GetTableId()).FirstColOf(nPosition);
    const NBuildData* pRec = RecordAt(nPosition);
    const NBuildData empty;
    CGRCell title;
    GetCell(nCol, 0, &title);
    title.SetFont(GetFont(AddFont("Arial", 16, 600)));
    title.SetText(sTitle);
    title.SetLabel(sTitle);
    title.SetAlignment(kLeftVCenter);
    title.SetCellType(NoteTypeIndex());
    title.SetReadOnly(0);
    SetCell(nCol, 0, &title);
    SetCellFontIndex(nCol, kHeadingRow, AddFont("Arial", 15, 600));
    LayOutPositionCell(nCol, pRec != nullptr ? *pRec : empty);
    JoinCells(nCol, 0, nCol + 4, 0);
    JoinCells(nCol, -1, nCol + 4, -1);
    LayOutGroupCells(nCol);
    ++m_nMeasCount;
    ShadeGroup(nPosition, CBandRows::kSumRow);
    SetGroupWidths();
    JoinLegendRows();
    SetColWidth(GetColCount() - 1, 1);
    m_nLastCol = GetColCount() - 3;
}

void CLevelTabGrid::LayOutPositionCell(int nCol, const NBuildData& rec)
{
    CGRCell cell;
    GetCell(nCol, kHeadingRow, &cell);
    cell.SetAlignment(kCentered);
    const CProjectDoc* pProject = GetProject();
    if (!HasPositionList() || pProject == nullptr) {
        cell.SetText(IsFacilityTable() ? "R" : "L");
        cell.SetReadOnly(1);
        SetCell(nCol, kHeadingRow, &cell);
        return;
    }
    const CReportInfo& info = pProject->m_ReportInfo;
    const bool bNumbered = info.m_bBS && info.m_bAirborne && info.m_bStandard;
    const bool bOffersAll = GetTableId() == 125 || (!bNumbered && GetTableId() == 132);
    cell.SetCellType(1);
    cell.SetCellTypeEx(kHiddenButtonStyle);
    cell.SetParam(kValueParam);
    cell.SetReadOnly(0);
    cell.SetLabel(CString(bOffersAll ? "#ALL\n" : "") + (bNumbered ? kNumberedPositions : kLetteredPositions));
    CString sText = "#ALL";
    if (rec.m_nSetNumber > 0) {
        sText.Format(bNumbered ? "L#%d" : "L#%c", bNumbered ? rec.m_nSetNumber : 'A' + rec.m_nSetNumber - 1);
    }
    cell.SetText(sText);
    SetCell(nCol, kHeadingRow, &cell);
}

void CLevelTabGrid::LayOutGroupCells(int nCol)
{
    for (int nRow = CBandRows::kFirstBandRow; nRow < CBandRows::kSumRow; ++nRow) {
        CGRCell cell;
        GetCell(nCol, nRow, &cell);
        cell.SetReadOnly(0);
        cell.SetParam(kValueParam);
        SetCell(nCol, nRow, &cell);
        GetCell(nCol + 3, nRow, &cell);
        cell.SetReadOnly(0);
        cell.SetParam(kCorrectionParam);
        SetCell(nCol + 3, nRow, &cell);
    }
    const int nHeadingFont = AddFont("Arial", 15, 600);
    const char* const aHeadings[] = {"S", "N", "Corr.", "S/N"};
    for (int i = 0; i < 4; ++i) {
        SetCellText(nCol + 1 + i, kHeadingRow, i == 2 ? LoadedText(IDS_TABLE_CORRECTION) : CString(aHeadings[i]));
        SetCellFontIndex(nCol + 1 + i, kHeadingRow, nHeadingFont);
        SetCellAlignment(nCol + 1 + i, kHeadingRow, kCentered);
    }
    for (int nGroupCol = nCol; nGroupCol <= nCol + 4; ++nGroupCol) {
        for (int nRow = 3; nRow <= CBandRows::kSumRow; ++nRow)
            SetCellBorder(nGroupCol, nRow, kBorderLeft);
        for (int nRow : {0, 1, 2, CBandRows::kSumRow})
            SetCellBorder(nGroupCol, nRow, kBorderLeft | kBorderTop);
    }
    SetCellBorder(0, m_nLastRow, kBorderTop);
}

// Every group: level 45, correction 45 or none, status and count 30 or none
// by the settings; the signal-to-noise column is never shown.
void CLevelTabGrid::SetGroupWidths()
{
    const CAppSettings& settings = GetSettings();
    for (int nCol = CTableColumns::kFirstGroupCol; nCol + 4 < GetColCount(); nCol += 5) {
        SetColWidth(nCol, kValueWidth);
        SetColWidth(nCol + 1, settings.m_bShowColSatus ? kMarkWidth : 0);
        SetColWidth(nCol + 2, settings.m_bShowColNumOfAvg ? kMarkWidth : 0);
        SetColWidth(nCol + 3, settings.m_bShowColCorrection ? kCorrectionWidth : 0);
        SetColWidth(nCol + 4, 0);
    }
}


void CLevelTabGrid::ShowColumnSet(int nFirstCol, BOOL bHide)
{
    const int nShownWidth = nFirstCol <= 6 ? kMarkWidth : kToggledCorrectionWidth;
    for (int nCol = nFirstCol; nCol < GetColCount() - 1; nCol += 5)
        SetColWidth(nCol, bHide ? 0 : nShownWidth);
    const int nCount = GetColCount();
    auto isShown = [this, nCount](int nCol) { return nCol < nCount - 1 && GetColWidth(nCol) > 0; };
    if (isShown(7))
        m_nLastCol = nCount - 3;
    else if (isShown(6))
        m_nLastCol = nCount - 4;
    else if (isShown(5))
        m_nLastCol = nCount - 5;
    else
        m_nLastCol = m_nMeasCount > 0 ? nCount - 6 : 3;
    RedrawAll();
    if (GetSafeHwnd() != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// ---------------------------------------------------------------------------
// Values

// The bands of the settings; the intensity receiving-room tables show the
// measurement areas in the row after them.
void CLevelTabGrid::SetFrequencyRange()
{
    const CAppSettings& settings = GetSettings();
    if (!IsIntensityTable()) {
        SetFreqRange(settings.m_nLowerFreq, settings.m_nUpperFreq);
        return;
    }
    const int nAreaRow = CBandRows::AreaRowFor(settings.m_nUpperFreq);
    SetFreqRange(settings.m_nLowerFreq, CBandRows::BandOfRow(nAreaRow) < CBandRows::kBandCount
                                             ? settings.m_nUpperFreq + 1 : settings.m_nUpperFreq);
    if (nAreaRow == m_nLastRow)
        UnjoinCells(0, m_nLastRow);
    SetCellText(0, nAreaRow, LoadedText(IDS_TABLE_AREA_SM));
}

void CLevelTabGrid::FillValues(CMeasurementList& list)
{
    SetFrequencyRange();
    FillAllGroups(list);
    RedrawAll();
}

void CLevelTabGrid::FillAverages(CMeasurementList& list)
{
    if (list.IsEmpty())
        return;
    const NBuildData& summary = list.GetHead();
    const NSpectrum& spectrum = summary.m_Spectrum;
    const bool bMeasurements = list.GetCount() > 1;
    const bool bIntensity = IsIntensityTable();
    const int nAreaRow = CBandRows::AreaRowFor(GetSettings().m_nUpperFreq);
    for (int nRow = CBandRows::kFirstBandRow; nRow <= CBandRows::kSumRow; ++nRow) {
        const int nBand = CBandRows::BandOfRow(nRow);
        const bool bShown = bMeasurements && nRow < CBandRows::kSumRow && !IsMissing(spectrum.GetSpecLine(nBand));
        SetCellText(1, nRow, bShown ? Shown(spectrum.GetSpecLineStr(nBand, 1)) : CString());
        SetCellText(2, nRow, bShown && !bIntensity ? Shown(spectrum.GetSDStr(nBand, 2)) : CString());
        SetCellText(3, nRow, bShown ? spectrum.GetAvrCntStr(nBand) : CString());
    }
    const CAppSettings& settings = GetSettings();
    const double dSum = spectrum.GetASum(settings.m_nLowerFreq, settings.m_nUpperFreq - settings.m_nLowerFreq + 1);
    if (bMeasurements && !IsMissing(dSum))
        SetCellText(1, CBandRows::kSumRow, Shown(NSpectrum::FloatToString(dSum, 1)));
    if (bIntensity) {
        const bool bArea = bMeasurements && !IsMissing(summary.m_dArea);
        SetCellText(1, nAreaRow, bArea ? Shown(NSpectrum::FloatToString(summary.m_dArea, 1)) : CString());
    }
}

void CLevelTabGrid::FillBandRow(int nCol, int nRow, const NBuildData& rec)
{
    const int nBand = CBandRows::BandOfRow(nRow);
    const NSpectrum& spectrum = rec.m_Spectrum;
    const bool bBandRow = nRow < CBandRows::kSumRow;
    const bool bValue = bBandRow && !IsMissing(spectrum.GetSpecLine(nBand));
    SetCellText(nCol, nRow, bValue ? Shown(spectrum.GetSpecLineStr(nBand, 1)) : CString());
    SetCellText(nCol + 2, nRow, bValue ? spectrum.GetAvrCntStr(nBand) : CString());
    const bool bMark = bValue || (bBandRow && spectrum.GetMeasStatus(nBand) == CStatusMark::kManualMissingShown);
    SetCellText(nCol + 1, nRow, bMark ? GetStatusMark(spectrum, nBand) : CString());
    if (!bBandRow)
        return;
    const CString sCorrection = Shown(rec.m_CorrSpectrum.GetSpecLineStr(nBand, 1));
    SetCellText(nCol + 3, nRow, sCorrection == "N_A_MT" ? CString() : sCorrection);
    const CString sSignalToNoise = Shown(rec.m_SNSpectrum.GetSpecLineStr(nBand, 1));
    SetCellText(nCol + 4, nRow, sSignalToNoise == "N_A_MT" ? CString() : sSignalToNoise);
}

void CLevelTabGrid::FillGroup(int nPosition, const NBuildData& rec)
{
    const int nCol = CTableColumns(GetTableId()).FirstColOf(nPosition);
    for (int nRow = CBandRows::kFirstBandRow; nRow <= CBandRows::kSumRow; ++nRow)
        FillBandRow(nCol, nRow, rec);
    const CAppSettings& settings = GetSettings();
    const double dSum = rec.m_Spectrum.GetASum(settings.m_nLowerFreq, settings.m_nUpperFreq - settings.m_nLowerFreq + 1);
    if (!IsMissing(dSum))
        SetCellText(nCol, CBandRows::kSumRow, Shown(NSpectrum::FloatToString(dSum, 1)));
    if (IsIntensityTable()) {
        const int nAreaRow = CBandRows::AreaRowFor(settings.m_nUpperFreq);
        CGRCell area;
        GetCell(nCol, nAreaRow, &area);
        area.SetReadOnly(0);
        area.SetParam(kValueParam);
        SetCell(nCol, nAreaRow, &area);
        SetCellText(nCol, nAreaRow, IsMissing(rec.m_dArea) ? CString() : Shown(NSpectrum::FloatToString(rec.m_dArea, 1)));
    }
    SetCellText(nCol, 0, rec.m_Spectrum.GetTitle());
    SetCellLabel(nCol, 0, rec.m_Spectrum.GetTitle());
}

void CLevelTabGrid::FillMeasurementColumns(int nPosition)
{
    RefreshMeasurement(nPosition, CBandRows::kSumRow);
}

// ---------------------------------------------------------------------------
// Selection and status

void CLevelTabGrid::SetSelectedStatus(int nStatus)
{
    SetStatusOfSelected(nStatus);
}

// ---------------------------------------------------------------------------
// Typing and committing

bool CLevelTabGrid::AcceptsKey(long lParam, const CTypedKey::CEditState& edit, UINT nKey) const
{
    if (lParam != kValueParam && lParam != kCorrectionParam)
        return true;
    return CTypedKey::AcceptLevelKey(edit, nKey, lParam == kCorrectionParam, m_cDecimal);
}

bool CLevelTabGrid::IsNumberParam(long lParam) const
{
    return lParam == kValueParam || lParam == kCorrectionParam;
}

CPastedNumber::Kind CLevelTabGrid::PastedKindOf(long lParam) const
{
    return lParam == kCorrectionParam ? CPastedNumber::Kind::kCorrection : CPastedNumber::Kind::kLevel;
}

CString CLevelTabGrid::NormalizedNumber(long lParam, const CString& sText) const
{
    return lParam == kValueParam ? CTypedNumber::NormalizeLevel(sText, m_cDecimal)
                                 : CTypedNumber::NormalizeCorrection(sText, m_cDecimal);
}

// ---------------------------------------------------------------------------
// Source positions

int CLevelTabGrid::PositionFromText(const CString& sText) const
{
    if (sText == "#ALL")
        return 0;
    if (sText.GetLength() == 3 && sText.Left(2) == "L#") {
        const char ch = sText[2];
        if (ch >= '1' && ch <= '9')
            return ch - '0';
        if (ch >= 'A' && ch <= 'I')
            return ch - 'A' + 1;
    }
    return -1;
}

// The chosen position is stored and the results follow; the cell below
// becomes current.
int CLevelTabGrid::OnCellTypeNotify(int, int nCol, int nRow, long lMessage, LONG_PTR)
{
    if (lMessage != CGRDropListType::kMessageTextStored || !HasPositionList())
        return 1;
    CGRCell cell;
    GetCellIndirect(nCol, nRow, &cell);
    const int nPosition = CTableColumns(GetTableId()).PositionOf(nCol, m_nMeasCount);
    NBuildData* pRec = RecordAt(nPosition);
    if (cell.GetParam() != kValueParam || pRec == nullptr)
        return 1;
    const int nSetNumber = PositionFromText(cell.GetText() != nullptr ? cell.GetText() : "");
    if (nSetNumber >= 0)
        pRec->m_nSetNumber = nSetNumber;
    if (CProjectDoc* pProject = GetProject())
        pProject->Recalculate(kViewKindResultTable);
    GotoCell(nCol, nRow + 1);
    RedrawCell(nCol, nRow + 1);
    return 1;
}

int CLevelTabGrid::OnMenuStart(int, int, int)
{
    return CGridSelectionHooks::PostContextMenuToParent(*this);
}
