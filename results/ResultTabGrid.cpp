#include "ResultTabGrid.h"

#include "ResultLines.h"
#include "ResultNumbers.h"

#include "app/ProjectView.h"
#include "app/VestolarApp.h"
#include "model/ProjectDoc.h"
#include "reports/chart/GraphFolder.h"
#include "res/resource.h"

namespace {

constexpr int kLastCol = CResultLayout::kColumns - 1;
constexpr int kGraphLastCol = 58;
constexpr int kGraphLastRow = 119;

} // namespace

CResultTabGrid::CResultTabGrid() = default;

CResultTabGrid::~CResultTabGrid() = default;

void CResultTabGrid::OnSetup()
{
    CProjectDoc* pProject = GetProject();
    if (pProject != nullptr)
        m_info = pProject->m_ReportInfo;
    InitLayout(0);
    SetupPageDefaults();

    EnableCellOverlap(FALSE);
    SetDefColWidth(10);
    SetDefRowHeight(17);
    SetColCount(CResultLayout::kColumns, FALSE);
    SetRowCount(645, FALSE);
    SetSideHeadingWidth(0);
    SetTopHeadingHeight(0);
    SetColWidth(kLastCol, 2);
    for (int nRow : {5, 7, 8})
        SetRowHeight(nRow, 20);
    SetMultiSelectMode(1);
    SetUserSizingMode(0);
    EnableDefaultBorders(FALSE);

    m_nMultiFontType = AddCellType(&m_multiFontType);
    JoinLayoutCells();
    SetPageFonts();
    FillHeaderTexts();
    SetLayoutBorders();
    SetPageCellTypes();
    SetRowCount(HasChartCell() ? m_nTotalRows : m_nPageRows, FALSE);
    for (const CFieldPos& field : EditableFields())
        SetCellReadOnly(field.nCol, field.nRow, FALSE);
    SetEditableHighlight(TRUE);

    if (!HasChartCell())
        return;
    m_graphType.SetGraphFile(GraphFilePath());
    JoinCells(kGraphCellCol, kGraphCellRow, kGraphLastCol, kGraphLastRow);
    m_nGraphType = AddCellType(&m_graphType);
    SetCellCellType(kGraphCellCol, kGraphCellRow, m_nGraphType);
    GetCellRect(kGraphCellCol, kGraphCellRow, &m_rcGraph);
}

// A single-loudspeaker page ends with its 58 rows, without chart.
bool CResultTabGrid::HasChartCell() const
{
    return !m_info.m_bSingleLoudspeaker;
}

CString CResultTabGrid::GraphFilePath() const
{
    CString sPath;
    const CProjectDoc* pProject = GetProject();
    sPath.Format("%s\\resultgraph%1d.wmf", static_cast<LPCTSTR>(GetGraphFolder(GetVestolarApp().GetAppDirectory())),
                 pProject != nullptr ? pProject->m_nProjectNumber : 0);
    return sPath;
}

void CResultTabGrid::InitLayout(int nFirstRow)
{
    m_layout = CResultLayout(m_info, nFirstRow);
}

void CResultTabGrid::SetPageFonts()
{
    const int nTitleFont = AddFont("Arial", 19, 700);
    SetCellFontIndex(m_layout.m_title.nCol, m_layout.m_title.nRow, nTitleFont);
    if (m_layout.m_nFirstRow == 0)
        SetCellFontIndex(m_layout.m_chartTitle.nCol, m_layout.m_chartTitle.nRow, nTitleFont);
    SetCellFontIndex(m_layout.m_reportNo.nCol, m_layout.m_reportNo.nRow, AddFont("Arial", 13, 600));
}

// The multi-font texts: headings, rating lines, band marks and footnote;
// the remarks are drawn over several lines.
void CResultTabGrid::SetPageCellTypes()
{
    const CResultLayout& l = m_layout;
    std::vector<CFieldPos> aFields = {{l.m_nHeadingRow, l.m_nValueCol}, l.m_singleNumber, l.m_footnote};
    aFields.insert(aFields.end(), std::begin(l.m_adaptation), std::end(l.m_adaptation));
    if (m_info.m_bBB93 || (m_info.m_bDIN && m_info.m_bLoudspeaker && m_info.m_bFacade))
        aFields.push_back(l.m_extra.label);
    if (m_info.m_bIntensity) {
        for (int nGroup = 0; nGroup < 4; ++nGroup)
            aFields.push_back({l.m_nHeadingRow, l.GroupCol(nGroup)});
    }
    for (const CFieldPos& field : aFields)
        SetCellCellType(field.nCol, field.nRow, m_nMultiFontType);
    const int nMarkFont = AddFont("Arial", 8, 400);
    for (int nBand = CResultLayout::kFirstBand; nBand < CResultLayout::kFirstBand + CResultLayout::kBandRows; ++nBand) {
        SetCellCellType(l.m_nMarkCol, l.BandRow(nBand), m_nMultiFontType);
        SetCellFontIndex(l.m_nMarkCol, l.BandRow(nBand), nMarkFont);
    }
    SetCellCellTypeEx(l.m_remarks.nCol, l.m_remarks.nRow, 2);
    SetCellCellTypeEx(l.m_note.nCol, l.m_note.nRow, 2);
}

void CResultTabGrid::JoinRow(const CLabeledField& field, int nLastUnitCol)
{
    JoinCells(field.label.nCol, field.label.nRow, field.value.nCol - 1, field.label.nRow);
    JoinCells(field.value.nCol, field.value.nRow, field.unit.nCol - 1, field.value.nRow);
    JoinCells(field.unit.nCol, field.unit.nRow, nLastUnitCol, field.unit.nRow);
    SetCellAlignment(field.value.nCol, field.value.nRow, kAlignRight);
    SetCellAlignment(field.unit.nCol, field.unit.nRow, kAlignLeft);
}

void CResultTabGrid::JoinSingleNumberBlock()
{
    const int r0 = m_layout.m_nFirstRow;
    JoinCells(2, r0 + 11, 67, r0 + 11);
    JoinCells(2, r0 + 12, 67, r0 + 12);
    if (m_info.m_bASTM) {
        JoinCells(2, r0 + 5, 67, r0 + 6);
        JoinCells(2, r0 + 7, 67, r0 + 8);
    } else {
        JoinCells(2, r0 + 5, 67, r0 + 5);
        const int aStarts[4] = {2, 30, 43, 56};
        const int aEnds[4] = {29, 41, 54, 67};
        for (int i = 0; i < 4; ++i)
            JoinCells(aStarts[i], r0 + 6, aEnds[i], r0 + 6);
        JoinCells(2, r0 + 7, 29, r0 + 8);
        for (int i = 1; i < 4; ++i)
            JoinCells(aStarts[i], r0 + 7, aEnds[i], r0 + 7);
        JoinCells(30, r0 + 8, 67, r0 + 8);
    }
    JoinCells(2, r0 + 9, 67, r0 + 9);
}

void CResultTabGrid::JoinLayoutCells()
{
    const CResultLayout& l = m_layout;
    const int r0 = l.m_nFirstRow;
    JoinPageFrame();
    JoinSingleNumberBlock();
    JoinRow(l.m_receivingVolume, 26);
    JoinRow(l.m_sourceVolume, 26);
    JoinRow(l.m_area, 26);
    JoinRow(l.m_extra, 27);

    const int nValueEnd = m_info.m_bBB93 ? 16 : 14;
    const int nLastGroup = l.GroupCol(l.GroupCount() - 1);
    for (int nRow = l.m_nHeadingRow; nRow <= r0 + 37; ++nRow) {
        JoinCells(2, nRow, 8, nRow);
        JoinCells(9, nRow, nValueEnd, nRow);
        for (int nGroup = 0; nGroup + 1 < l.GroupCount(); ++nGroup)
            JoinCells(l.GroupCol(nGroup), nRow, l.GroupCol(nGroup) + 5, nRow);
        JoinCells(nLastGroup, nRow, LastGroupEnd(), nRow);
    }
    AlignBandRowHeads();
    JoinCells(2, r0 + 38, ClosingRowEnd(), r0 + 38);
    if (m_info.m_bASTM) {
        JoinRow(l.m_astmTemperature, 57);
        JoinRow(l.m_astmHumidity, 57);
    }
    if (m_info.m_bSS)
        JoinCells(2, r0 + 13, 67, r0 + 13);
    JoinCells(12, r0 + 62, 58, r0 + 63);
}

void CResultTabGrid::AlignBandRowHeads()
{
    for (int nRow = m_layout.m_nFirstBandRow; nRow <= m_layout.m_nFirstRow + 39; ++nRow) {
        SetCellAlignment(2, nRow, kAlignRight);
        SetCellAlignment(9, nRow, kAlignLeft);
    }
}

int CResultTabGrid::LastGroupEnd() const
{
    const int nLastGroup = m_layout.GroupCol(m_layout.GroupCount() - 1);
    return nLastGroup + (m_info.m_bBB93 && !m_layout.m_bImpactLayout ? 20 : 22);
}

int CResultTabGrid::ClosingRowEnd() const
{
    if (!m_layout.m_bImpactLayout)
        return 67;
    return m_info.m_bBB93 ? 63 : 61;
}

void CResultTabGrid::AddBorder(int nCol, int nRow, short nBits)
{
    CGRCell cell;
    GetCell(nCol, nRow, &cell);
    SetCellBorder(nCol, nRow, static_cast<short>(cell.GetBorderStyle() | nBits));
}

void CResultTabGrid::SetLayoutBorders()
{
    const CResultLayout& l = m_layout;
    const int r0 = l.m_nFirstRow;
    std::vector<int> aStarts = {2, 9};
    for (int nGroup = 0; nGroup < l.GroupCount(); ++nGroup)
        aStarts.push_back(l.GroupCol(nGroup));
    aStarts.push_back(LastGroupEnd() + 1);
    SetBandTableBorders(aStarts);
    for (int nRow = l.m_nHeadingRow; nRow <= r0 + 37; ++nRow)
        AddBorder(14, nRow, kBorderLeft);
    SetSingleNumberBorders();
    SetFrameBorders();
}

// A line left of each column that starts at nCol, and the lines under the
// headings and the last band.
void CResultTabGrid::SetBandTableBorders(const std::vector<int>& aStarts)
{
    const CResultLayout& l = m_layout;
    for (int nRow = l.m_nHeadingRow; nRow <= l.m_nFirstRow + 37; ++nRow) {
        for (int nCol : aStarts)
            AddBorder(nCol, nRow, kBorderLeft);
    }
    for (int nCol : aStarts) {
        AddBorder(nCol, l.m_nHeadingRow, kBorderTop);
        AddBorder(nCol, l.m_nFirstBandRow, kBorderTop);
    }
    AddBorder(2, l.m_nFirstRow + 38, kBorderTop);
}

void CResultTabGrid::SetSingleNumberBorders()
{
    const int r0 = m_layout.m_nFirstRow;
    AddBorder(2, r0 + 5, static_cast<short>(kBorderLeft | kBorderTop));
    for (int nRow = r0 + 5; nRow <= r0 + 8; ++nRow)
        AddBorder(68, nRow, kBorderLeft);
    AddBorder(2, r0 + 6, kBorderLeft);
    AddBorder(2, r0 + 7, kBorderLeft);
    AddBorder(2, r0 + 9, kBorderTop);
}

void CResultTabGrid::JoinPageFrame()
{
    const int r0 = m_layout.m_nFirstRow;
    JoinCells(0, r0, 69, r0 + 1);
    for (int nRow = r0 + 2; nRow <= r0 + 4; ++nRow)
        JoinCells(0, nRow, 69, nRow);
    JoinCells(0, r0 + 45, 69, r0 + 55);
    JoinCells(0, r0 + 56, 16, r0 + 56);
    JoinCells(17, r0 + 56, 69, r0 + 56);
    JoinCells(0, r0 + 57, 69, r0 + 57);
}

void CResultTabGrid::SetFrameBorders()
{
    const int r0 = m_layout.m_nFirstRow;
    for (int nRow = r0; nRow <= r0 + 56; ++nRow) {
        AddBorder(0, nRow, kBorderLeft);
        AddBorder(kLastCol, nRow, kBorderLeft);
    }
    AddBorder(0, r0, kBorderTop);
    AddBorder(0, r0 + 4, kBorderTop);
    AddBorder(0, r0 + 57, kBorderTop);
}

// ---------------------------------------------------------------------------
// Fields

void CResultTabGrid::SetSourceRoomVolumeText(const CString& sText)
{
    if (!m_info.m_bAbsorption && !m_info.m_bReverberation)
        SetTextField(m_layout.m_sourceVolume.value, sText);
}

void CResultTabGrid::SetRemarksText(const CString& sText)
{
    SetTextField(m_layout.m_remarks, sText);
}

void CResultTabGrid::SetHumidityText(const CString& sText)
{
    if (m_info.m_bASTM)
        SetTextField(m_layout.m_astmHumidity.value, sText);
}

void CResultTabGrid::SetReceivingRoomVolume(double dValue)
{
    SetNumberField(m_layout.m_receivingVolume.value, dValue, 1);
}

bool CResultTabGrid::ShowsSeparatingArea() const
{
    return (m_info.m_bReduction && m_info.m_bAirborne) ||
        (m_info.m_bField && m_info.m_bStandard && m_info.m_bAirborne && m_info.m_bAverageLoudspeaker);
}

void CResultTabGrid::SetSeparatingArea(double dValue)
{
    SetNumberField(m_layout.m_area.value, ShowsSeparatingArea() ? dValue : -999.0, 2);
    if (m_info.m_bSS)
        return;
    const CProjectDoc* pProject = GetProject();
    const double dUsage = pProject != nullptr ? pProject->m_Calc.m_dArea : -999.0;
    const CLabeledField& row = m_layout.m_extra;
    const bool bUsage = CResultNumbers::IsPresent(dUsage);
    SetTextField(row.label, bUsage ? CResultLines::UsageValueLabel(m_cDecimal) : CString());
    SetTextField(row.unit, bUsage ? CString("m\xB2") : CString());
    SetTextField(row.value, bUsage ? CResultNumbers::Fixed(dUsage, 2, m_cDecimal) : CString());
}

void CResultTabGrid::SetUsageVolume(double dValue)
{
    if (!m_info.m_bSS)
        return;
    const CProjectDoc* pProject = GetProject();
    const bool bLimited = pProject != nullptr && pProject->m_Calc.m_bVariant;
    const CLabeledField& row = m_layout.m_usage;
    if (!CResultNumbers::IsPresent(dValue) || !bLimited) {
        for (const CFieldPos& field : {row.label, row.value, row.unit, m_layout.m_usageNote})
            SetTextField(field, CString());
        return;
    }
    CString sLabel;
    sLabel.LoadString(IDS_RESULT_USAGE_VALUE);
    CString sNote;
    sNote.LoadString(m_info.m_bImpact ? IDS_RESULT_VOLUME_LIMITED_IMPACT : IDS_RESULT_VOLUME_LIMITED_AIRBORNE);
    SetNumberField(row.value, dValue, 1);
    SetTextField(row.label, sLabel + (m_info.m_bImpact ? " V:" : " V/S:"));
    SetTextField(row.unit, m_info.m_bImpact ? "m\xB3" : "m");
    SetTextField(m_layout.m_usageNote, sNote);
}

void CResultTabGrid::SetTemperature(double dValue)
{
    if (m_info.m_bASTM)
        SetNumberField(m_layout.m_astmTemperature.value, dValue, 1);
}

void CResultTabGrid::SetMeasurementSurfaceArea(double dValue)
{
    SetNumberField(m_layout.m_extra.value, m_info.m_bIntensity ? dValue : -999.0, 1);
}

void CResultTabGrid::SetReceivingRoomAbsorptionArea(double dValue)
{
    SetNumberField(m_layout.m_sourceVolume.value, m_info.m_bIntensityModified ? dValue : -999.0, 1);
}

void CResultTabGrid::SetMaxReverberationTime(double dValue)
{
    if (m_info.m_bBB93)
        SetNumberField(m_layout.m_extra.value, dValue, 1);
}

void CResultTabGrid::SetFacadeAngle(double dValue)
{
    if (m_info.m_bDIN && m_info.m_bLoudspeaker && m_info.m_bFacade)
        SetNumberField(m_layout.m_extra.value, dValue, 0);
}

CString CResultTabGrid::GetSourceRoomVolumeText()
{
    return GetTextField(m_layout.m_sourceVolume.value);
}

CString CResultTabGrid::GetRemarksText()
{
    return GetTextField(m_layout.m_remarks);
}

CString CResultTabGrid::GetHumidityText()
{
    return m_info.m_bASTM ? GetTextField(m_layout.m_astmHumidity.value) : CString();
}

double CResultTabGrid::GetReceivingRoomVolume()
{
    return GetNumberField(m_layout.m_receivingVolume.value);
}

double CResultTabGrid::GetSeparatingArea()
{
    return GetNumberField(m_layout.m_area.value);
}

double CResultTabGrid::GetTemperature()
{
    return m_info.m_bASTM ? GetNumberField(m_layout.m_astmTemperature.value) : -999.0;
}

std::vector<CFieldPos> CResultTabGrid::EditableFields() const
{
    return {m_layout.m_remarks};
}

bool CResultTabGrid::IsMultiLineField(int nCol, int nRow) const
{
    return nCol == m_layout.m_remarks.nCol && nRow == m_layout.m_remarks.nRow;
}

bool CResultTabGrid::RecalculatesAfterPaste(int nCol, int nRow) const
{
    const CFieldPos& volume = m_layout.m_receivingVolume.value;
    const CFieldPos& area = m_layout.m_area.value;
    return (nCol == volume.nCol && nRow == volume.nRow) || (nCol == area.nCol && nRow == area.nRow);
}

// ---------------------------------------------------------------------------
// Clipboard

// Without a picture the chart cell copies nothing and says so: the
// clipboard keeps what it held.
int CResultTabGrid::OnCopy()
{
    return CopyPictureOrSelection({kGraphCellRow, kGraphCellCol}, m_graphType.GetMetaFile().GetHandle());
}
