#include "BgnCorrGrid.h"

#include "GridSelectionHooks.h"
#include "TabGrid.h"

#include "app/AppSettings.h"
#include "app/ProjectView.h"
#include "model/ProjectDoc.h"
#include "res/resource.h"

#include "MeasValue.h"

namespace {
constexpr int kFrequencyColWidth = 80;
constexpr int kSeparatorColWidth = 1;
constexpr int kValueColWidth = 60;
constexpr int kRemarkColWidth = 220;
constexpr int kRowHeight = 20;
constexpr int kSpacerHeight = 10;
constexpr int kFirstValueCol = 2;
constexpr int kLegendRows = 10;
// From 2014 the impact-and-airborne table has eight value columns; the
// ninth stays hidden.
constexpr int kHiddenCol2014 = 10;

} // namespace

CBgnCorrGrid::CBgnCorrGrid() : m_cDecimal(CTabGrid::ReadDecimalSeparator()) {}

CBgnCorrGrid::~CBgnCorrGrid() = default;

CProjectDoc* CBgnCorrGrid::GetProject() const
{
    const CProjectView* pView = dynamic_cast<const CProjectView*>(GetParent());
    return pView != nullptr ? pView->GetProject() : nullptr;
}

CAppSettings& CBgnCorrGrid::Settings()
{
    return CProjectView::GetSettings();
}

bool CBgnCorrGrid::IsCorrectionOn() const
{
    return Settings().m_bBgnCorrection;
}

CString CBgnCorrGrid::TitleText() const
{
    return CTabGrid::LoadedText(IDS_TREE_BGN_CORRECTION_TABLE);
}

// ---------------------------------------------------------------------------
// Layout

// The main block with the project's own results; its row count is one
// block, so no set block of an earlier update survives.
void CBgnCorrGrid::OnSetup()
{
    CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    m_pKind = std::make_unique<CCorrectionTableKind>(pProject->m_ReportInfo, GetDlgCtrlID(), Settings().m_bCorrectionZezur);
    LayOutDefaults();
    SetRowCount(kBlockRows, FALSE);
    LayOutBlock(TitleText());
    FillBlock(pProject->m_Calc, false, IsCorrectionOn());
}

void CBgnCorrGrid::LayOutDefaults()
{
    CGRCell cell;
    GetGridDefault(&cell);
    cell.SetReadOnly(1);
    cell.SetNumberDecimals(1);
    SetGridDefault(&cell);
    SetDefFontIndex(AddFont("Arial", 15, 400));
    SetMultiSelectMode(1);
    SetUserSizingMode(0);
    EnableMenu(1);
    EnableDefaultBorders(0);
    EnableCellOverlap(0);
    const CAppSettings& settings = Settings();
    SetPrintOption(10, 0);
    SetPrintOption(3, settings.m_PageSetup_Result.m_nLeftMargin);
    SetPrintOption(4, settings.m_PageSetup_Result.m_nTopMargin);
    SetPrintOption(5, 0);
    SetPrintOption(6, 0);
    const int nCols = Kind().ColumnCount();
    SetColCount(nCols, FALSE);
    SetColWidth(0, kFrequencyColWidth);
    SetColWidth(1, kSeparatorColWidth);
    for (int nCol = kFirstValueCol; nCol < Kind().RemarkCol(); ++nCol)
        SetColWidth(nCol, kValueColWidth);
    SetColWidth(Kind().RemarkCol(), kRemarkColWidth);
    SetColWidth(nCols - 1, kSeparatorColWidth);
    if (Kind().IsImpactAirborne() && Kind().IsFrom2014())
        SetColWidth(kHiddenCol2014, 0);
}

void CBgnCorrGrid::LayOutBlock(const CString& sTitle)
{
    const int nLastJoinCol = GetColCount() - 2;
    const int nBoldFont = AddFont("Arial", 16, 600);
    SetRowHeight(m_nTitleRow, kRowHeight);
    SetRowHeight(m_nTitleRow + 1, kSpacerHeight);
    SetRowHeight(m_nHeadingRow, kRowHeight);
    SetRowHeight(m_nHeadingRow + 1, kRowHeight);
    JoinCells(0, m_nTitleRow, nLastJoinCol, m_nTitleRow);
    SetCellText(0, m_nTitleRow, sTitle);
    SetCellAlignment(0, m_nTitleRow, kAlignLeft | kAlignVCenter);
    SetCellText(0, m_nHeadingRow, CTabGrid::LoadedText(IDS_FREQUENCY));
    SetCellText(0, m_nHeadingRow + 1, "[Hz]");
    const std::vector<CString> aHeadings = Kind().Headings();
    for (size_t i = 0; i < aHeadings.size(); ++i) {
        const int nCol = kFirstValueCol + static_cast<int>(i);
        SetHeadingCell(nCol, aHeadings[i]);
        SetCellText(nCol, m_nHeadingRow + 1, "[dB]");
    }
    for (int nCol = 0; nCol <= nLastJoinCol; ++nCol) {
        for (int nRow : {m_nTitleRow, m_nHeadingRow, m_nHeadingRow + 1}) {
            SetCellFontIndex(nCol, nRow, nBoldFont);
            if (nRow != m_nTitleRow)
                SetCellAlignment(nCol, nRow, kAlignCenter | kAlignVCenter);
        }
    }
    for (int nRow = LegendRow(); nRow < LegendRow() + kLegendRows; ++nRow) {
        JoinCells(0, nRow, nLastJoinCol, nRow);
        SetCellAlignment(0, nRow, kAlignLeft | kAlignVCenter);
    }
    SetCellText(0, LegendRow(), CTabGrid::LoadedText(Kind().IsFlanking() ? IDS_LEGEND : IDS_LEGEND_BGN));
    const std::vector<UINT> aLegend = Kind().LegendIds();
    for (size_t i = 0; i < aLegend.size(); ++i) {
        CString sText = CTabGrid::LoadedText(aLegend[i]);
        if (i == 0 && Kind().IsImpactAirborne() && Kind().IsFrom2014())
            sText.Replace(":", ":      ");
        SetLegendRow(LegendRow() + 1 + static_cast<int>(i), sText);
    }
    LayOutFrequencies();
    LayOutBorders();
    const bool bOwnRange = Kind().HasOwnBandRange();
    SetFreqRange(bOwnRange ? CCorrectionTableKind::kCornerLowerBand : Settings().m_nLowerFreq,
                 bOwnRange ? CCorrectionTableKind::kCornerUpperBand : Settings().m_nUpperFreq);
}

void CBgnCorrGrid::SetHeadingCell(int nCol, const CString& sText)
{
    SetCellText(nCol, m_nHeadingRow, sText);
}

void CBgnCorrGrid::SetLegendRow(int nRow, const CString& sText)
{
    SetCellText(0, nRow, sText);
}

void CBgnCorrGrid::LayOutFrequencies()
{
    const int nFont = AddFont("Arial", 15, 500);
    for (int nBand = kFirstBand; nBand < kBandCount; ++nBand) {
        CGRCell cell;
        GetCell(0, BandRow(nBand), &cell);
        cell.SetNumber(NSpectrum::IndexToFreq(nBand));
        cell.SetNumberDecimals(0);
        cell.SetAlignment(kAlignRight);
        cell.SetFont(GetFont(nFont));
        SetCell(0, BandRow(nBand), &cell);
    }
}

// A thin frame around the block, a line left of every value column in the
// band rows, lines above the headings and the legend and under the units.
void CBgnCorrGrid::LayOutBorders()
{
    const int nLastCol = GetColCount() - 1;
    const int nClosingRow = m_nTitleRow + m_nRowCount - 1;
    for (int nRow = m_nTitleRow; nRow < nClosingRow; ++nRow) {
        SetCellBorder(0, nRow, kBorderLeft);
        SetCellBorder(nLastCol, nRow, kBorderLeft);
    }
    for (int nBand = kFirstBand; nBand < kBandCount; ++nBand) {
        for (int nCol = 1; nCol < nLastCol; ++nCol)
            SetCellBorder(nCol, BandRow(nBand), kBorderLeft);
    }
    for (int nCol = 0; nCol < nLastCol; ++nCol) {
        for (int nRow : {m_nTitleRow, m_nHeadingRow, BandRow(kFirstBand), LegendRow(), nClosingRow})
            SetCellBorder(nCol, nRow, static_cast<short>((nCol == 0 && nRow != nClosingRow ? kBorderLeft : 0) | kBorderTop));
    }
}

int CBgnCorrGrid::SetFreqRange(int nLowBand, int nHighBand)
{
    if (nLowBand < 0 || nLowBand >= kBandCount || nHighBand < 0 || nHighBand >= kBandCount)
        return -1;
    for (int nBand = kFirstBand; nBand < kBandCount; ++nBand)
        SetRowHeight(BandRow(nBand), nBand >= nLowBand && nBand <= nHighBand ? kRowHeight : 0);
    return 0;
}

// ---------------------------------------------------------------------------
// Values

// Several loudspeaker positions averaged in two or more sets: the main
// block's values stand in the set blocks only.
bool CBgnCorrGrid::HidesSetValues() const
{
    CProjectDoc* pProject = GetProject();
    return pProject != nullptr && pProject->m_ReportInfo.m_bAverageLoudspeaker && pProject->m_CalcSets.GetSize() >= 2;
}

void CBgnCorrGrid::FillBlock(const CCalc& calc, bool bSet, bool bShowValues)
{
    CProjectDoc* pProject = GetProject();
    const CCorrectionValues values(Kind(), *pProject, calc, bSet);
    const bool bValuesShown = bShowValues && (bSet || !HidesSetValues());
    for (int nBand = kFirstBand; nBand < kBandCount; ++nBand) {
        const CCorrectionValues::CRow row = bShowValues ? values.RowOf(nBand) : CCorrectionValues::CRow();
        WriteValueRow(nBand, row, bValuesShown);
    }
}

void CBgnCorrGrid::WriteValueRow(int nBand, const CCorrectionValues::CRow& row, bool bShowValues)
{
    const int nRow = BandRow(nBand);
    for (int nCol = kFirstValueCol; nCol < Kind().RemarkCol(); ++nCol) {
        const size_t nIndex = static_cast<size_t>(nCol - kFirstValueCol);
        const bool bShown = bShowValues && nIndex < row.m_aValues.size() && CCorrectionValues::IsValid(row.m_aValues[nIndex]);
        CString sValue;
        if (bShown) {
            sValue = NSpectrum::FloatToString(row.m_aValues[nIndex], 1);
            if (m_cDecimal != '.')
                sValue.Replace('.', m_cDecimal);
        }
        SetCellText(nCol, nRow, sValue);
        SetCellAlignment(nCol, nRow, kAlignRight);
    }
    SetCellText(Kind().RemarkCol(), nRow, RemarkText(row.m_remark));
}

CString CBgnCorrGrid::RemarkText(CCorrectionValues::Remark remark) const
{
    switch (remark) {
    case CCorrectionValues::kBgnTooHigh:
        return Settings().m_sTextBgnTooHigh;
    case CCorrectionValues::kBgnCorrection:
        return CTabGrid::LoadedText(IDS_BGN_CORRECTION_REMARK);
    case CCorrectionValues::kAirborneDin:
        return CTabGrid::LoadedText(IDS_AIRBORNE_CORR_DIN);
    case CCorrectionValues::kAirborneIso:
        return CTabGrid::LoadedText(IDS_AIRBORNE_CORR_ISO);
    case CCorrectionValues::kMinimumValues:
        return CTabGrid::LoadedText(IDS_MINIMUM_VALUES);
    case CCorrectionValues::kFlankingCorrection:
        return CTabGrid::LoadedText(IDS_FLANKING_CORRECTION_REMARK);
    case CCorrectionValues::kNoRemark:
        break;
    }
    return CString();
}

// Blocks lie 52 rows apart: the grid holds 52 x (sets + 1) - 1 rows, so the
// last set's block is whole.
void CBgnCorrGrid::SetRowLayout(int nSet)
{
    CProjectDoc* pProject = GetProject();
    if (pProject == nullptr || !m_pKind || nSet < 0 || nSet >= pProject->m_CalcSets.GetSize())
        return;
    const int nSets = static_cast<int>(pProject->m_CalcSets.GetSize());
    SetRowCount(kBlockStride * (nSets + 1) - 1, FALSE);
    const int nMainTitleRow = m_nTitleRow;
    const int nMainHeadingRow = m_nHeadingRow;
    const int nMainLastBandRow = m_nLastBandRow;
    m_nTitleRow = kBlockStride * (nSet + 1);
    m_nHeadingRow = m_nTitleRow + 2;
    m_nLastBandRow = m_nTitleRow + 39;
    const CCalc& calc = pProject->m_CalcSets[nSet];
    LayOutBlock(calc.m_sLabel + ": " + CTabGrid::LoadedText(IDS_TREE_BGN_CORRECTION_TABLE));
    FillBlock(calc, true, Settings().m_bBgnCorrection);
    m_nTitleRow = nMainTitleRow;
    m_nHeadingRow = nMainHeadingRow;
    m_nLastBandRow = nMainLastBandRow;
}

// ---------------------------------------------------------------------------
// Hooks shared with the table grids

void CBgnCorrGrid::OnTH_LClicked(int nCol, int, int nUpDown, CRect*, CPoint*, int)
{
    CGridSelectionHooks::SelectColumn(*this, nCol, nUpDown, GetRowCount() - 1, GetRowCount() - 6);
}

void CBgnCorrGrid::OnSH_LClicked(int, int nRow, int nUpDown, CRect*, CPoint*, int)
{
    CGridSelectionHooks::SelectRow(*this, nRow, nUpDown);
}

void CBgnCorrGrid::OnCB_LClicked(int nUpDown, CRect*, CPoint*, int)
{
    if (nUpDown != 0)
        OnSelectAllCells(*this);
}

void CBgnCorrGrid::OnSelectAllCells(CGRCtrl& grid)
{
    CGridSelectionHooks::SelectAllCells(grid);
}

int CBgnCorrGrid::OnMenuStart(int, int, int)
{
    return CGridSelectionHooks::PostContextMenuToParent(*this);
}
