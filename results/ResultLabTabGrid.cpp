#include "ResultLabTabGrid.h"

#include "ResultLines.h"
#include "ResultNumbers.h"

#include "app/DocumentCommands.h"
#include "app/ProjectView.h"
#include "app/VestolarApp.h"
#include "model/ProjectDoc.h"
#include "res/resource.h"

namespace {

constexpr int kCornerSourceTable = 128;
constexpr int kCornerReceivingTable = 129;
constexpr int kWithCoveringTable = 130;
constexpr int kWithoutCoveringTable = 131;
// The right edge of the improvement pages' band table, and of the others'.
constexpr int kImprovementTableEnd = 67;
constexpr int kTableEnd = 61;

CLabeledField Field(int nRow, int nLabelCol, int nValueCol, int nUnitCol)
{
    return {{nRow, nLabelCol}, {nRow, nValueCol}, {nRow, nUnitCol}};
}

} // namespace

bool CResultLabTabGrid::HasTestOpening() const
{
    return !m_info.m_bImpact && !m_info.m_bImpactAirborne && !m_info.m_bImpactCorrected &&
        !m_info.m_bFlankingTransmission;
}

bool CResultLabTabGrid::HasCuringTime() const
{
    return m_info.m_bImpact || m_info.m_bImpactAirborne || m_info.m_bImpactCorrected;
}

bool CResultLabTabGrid::SplitsLastGroup() const
{
    return Variant() == ELabVariant::kAirborne || Variant() == ELabVariant::kSingleLoudspeaker;
}

bool CResultLabTabGrid::HasChartCell() const
{
    const bool bCorrectedImpact = Variant() == ELabVariant::kImpact && m_info.m_bImpactCorrected;
    return CResultTabGrid::HasChartCell() && !CLabLines::RatesImprovement(Variant()) && !bCorrectedImpact &&
        Variant() != ELabVariant::kSingleLoudspeaker;
}

// The test opening takes the place of the separating area: both are the
// project's area S.
void CResultLabTabGrid::InitLayout(int nFirstRow)
{
    CResultTabGrid::InitLayout(nFirstRow);
    const int r0 = nFirstRow;
    m_conditions.temperature = Field(r0 + 40, 40, 56, 61);
    m_conditions.massPerArea = Field(r0 + 41, 40, 56, 61);
    m_conditions.openingOrCuring = Field(r0 + 42, 40, 56, 61);
    m_conditions.humidity = Field(r0 + 42, 2, 18, 23);
    m_conditions.pressure = Field(r0 + 43, 2, 18, 23);
    m_layout.m_area = m_conditions.openingOrCuring;
}

// ---------------------------------------------------------------------------
// Layout

void CResultLabTabGrid::JoinLayoutCells()
{
    const int r0 = m_layout.m_nFirstRow;
    JoinPageFrame();
    if (CLabLines::RatesImprovement(Variant()))
        JoinImprovementBlock();
    else
        JoinSingleNumberBlock();
    const CConditionFields& c = m_conditions;
    const CResultLayout& l = m_layout;
    for (const CLabeledField* pField : {&l.m_receivingVolume, &l.m_sourceVolume, &c.humidity})
        JoinRow(*pField, 26);
    JoinRow(c.pressure, 27);
    for (const CLabeledField* pField : {&c.temperature, &c.massPerArea, &c.openingOrCuring})
        JoinRow(*pField, 64);
    JoinBandTable();
    if (HasChartCell())
        JoinCells(12, r0 + 62, 58, r0 + 63);
}

// Three ratings on row 6, the note over rows 7 and 8, and the level or
// adaptation lines on rows 11 to 13 (a lining's in two halves).
void CResultLabTabGrid::JoinImprovementBlock()
{
    const int r0 = m_layout.m_nFirstRow;
    JoinCells(2, r0 + 5, 67, r0 + 5);
    JoinCells(2, r0 + 6, 22, r0 + 6);
    JoinCells(23, r0 + 6, 43, r0 + 6);
    JoinCells(44, r0 + 6, 67, r0 + 6);
    JoinCells(2, r0 + 7, 67, r0 + 8);
    JoinCells(2, r0 + 9, CResultLayout::kColumns - 5, r0 + 9);
    for (int nRow = r0 + 11; nRow <= r0 + 13; ++nRow) {
        if (Variant() == ELabVariant::kLining) {
            JoinCells(2, nRow, 32, nRow);
            JoinCells(33, nRow, 67, nRow);
        } else {
            JoinCells(2, nRow, 67, nRow);
        }
    }
}

// Frequency and value, groups six columns wide from column 15, the last
// one to the table's edge or split into the two status columns.
void CResultLabTabGrid::JoinBandTable()
{
    const int r0 = m_layout.m_nFirstRow;
    const bool bImprovement = CLabLines::RatesImprovement(Variant());
    const int nLastGroup = bImprovement ? 33 : CLabLines::kBackgroundCol;
    const int nTableEnd = bImprovement ? kImprovementTableEnd : kTableEnd;
    for (int nRow = m_layout.m_nHeadingRow; nRow <= r0 + 37; ++nRow) {
        JoinCells(2, nRow, 8, nRow);
        JoinCells(9, nRow, 14, nRow);
        for (int nCol = 15; nCol < nLastGroup; nCol += 6)
            JoinCells(nCol, nRow, nCol + 5, nRow);
        if (SplitsLastGroup()) {
            JoinCells(nLastGroup, nRow, CLabLines::kFlankingCol - 1, nRow);
            JoinCells(CLabLines::kFlankingCol, nRow, nTableEnd, nRow);
        } else {
            JoinCells(nLastGroup, nRow, nTableEnd, nRow);
        }
    }
    AlignBandRowHeads();
    JoinCells(2, r0 + 38, nTableEnd, r0 + 38);
}

void CResultLabTabGrid::SetLayoutBorders()
{
    const bool bImprovement = CLabLines::RatesImprovement(Variant());
    std::vector<int> aStarts = {2, 9, 15, 21, 27, 33};
    if (!bImprovement)
        aStarts.push_back(CLabLines::kBackgroundCol);
    if (SplitsLastGroup())
        aStarts.push_back(CLabLines::kFlankingCol);
    // The lining's table has no closing line on the right; the others close it.
    if (Variant() != ELabVariant::kLining)
        aStarts.push_back((bImprovement ? kImprovementTableEnd : kTableEnd) + 1);
    SetBandTableBorders(aStarts);
    SetSingleNumberBorders();
    SetFrameBorders();
}

void CResultLabTabGrid::SetPageCellTypes()
{
    CResultTabGrid::SetPageCellTypes();
    const CResultLayout& l = m_layout;
    const int r0 = l.m_nFirstRow;
    const std::array<int, 6> aGroups = CLabLines::GroupColumns(m_info, l);
    std::vector<CFieldPos> aFields = {l.m_note};
    if (CLabLines::RatesImprovement(Variant())) {
        for (const CFieldPos& field : std::vector<CFieldPos>{{r0 + 6, 23}, {r0 + 6, 44}, {r0 + 11, 2}, {r0 + 12, 2}, {r0 + 13, 2}})
            aFields.push_back(field);
        for (int i = 0; i < 5; ++i)
            aFields.push_back({l.m_nHeadingRow, aGroups[i]});
    }
    if (Variant() == ELabVariant::kLining) {
        for (int nRow = r0 + 11; nRow <= r0 + 13; ++nRow)
            aFields.push_back({nRow, 33});
    }
    if (Variant() == ELabVariant::kImpact && m_info.m_bImpactCorrected) {
        for (int i = 1; i < 5; ++i)
            aFields.push_back({l.m_nHeadingRow, aGroups[i]});
    }
    for (const CFieldPos& field : aFields) {
        if (field.nCol >= 0)
            SetCellCellType(field.nCol, field.nRow, m_nMultiFontType);
    }
}

// ---------------------------------------------------------------------------
// Fields

// A lightweight floor's page shows the reference floor where the others
// show the source-room volume, and leaves the project's volume as it is.
void CResultLabTabGrid::SetSourceRoomVolumeText(const CString& sText)
{
    const CProjectDoc* pProject = GetProject();
    if (Variant() == ELabVariant::kLightweight)
        SetTextField(m_layout.m_sourceVolume.value, pProject != nullptr ? pProject->m_ReportInfo.m_sPageText5 : CString());
    else
        CResultTabGrid::SetSourceRoomVolumeText(sText);
}

CString CResultLabTabGrid::GetSourceRoomVolumeText()
{
    const CProjectDoc* pProject = GetProject();
    if (Variant() == ELabVariant::kLightweight)
        return pProject != nullptr ? pProject->m_ReportInfo.m_sSourceRoomVolume : CString();
    return CResultTabGrid::GetSourceRoomVolumeText();
}

void CResultLabTabGrid::SetHumidityText(const CString& sText)
{
    SetTextField(m_conditions.humidity.value, sText);
}

CString CResultLabTabGrid::GetHumidityText()
{
    return GetTextField(m_conditions.humidity.value);
}

bool CResultLabTabGrid::ShowsSeparatingArea() const
{
    return HasTestOpening();
}

void CResultLabTabGrid::SetSeparatingArea(double dValue)
{
    if (HasTestOpening())
        SetTestOpeningSize(dValue);
}

void CResultLabTabGrid::SetTemperature(double dValue)
{
    SetTemperatureText(CResultNumbers::FieldText(dValue, 1, m_cDecimal));
}

// An empty or zero field is a temperature not given (-999.0), never 0 °C.
double CResultLabTabGrid::GetTemperature()
{
    return CResultNumbers::FieldValue(GetTemperatureText(), m_cDecimal);
}

void CResultLabTabGrid::SetTemperatureText(const CString& sText)
{
    SetTextField(m_conditions.temperature.value, CLabLines::ConditionText(sText, m_cDecimal));
}

void CResultLabTabGrid::SetPressureText(const CString& sText)
{
    SetTextField(m_conditions.pressure.value, CLabLines::ConditionText(sText, m_cDecimal));
}

void CResultLabTabGrid::SetMassPerAreaText(const CString& sText)
{
    SetTextField(m_conditions.massPerArea.value, sText);
}

void CResultLabTabGrid::SetCuringTimeText(const CString& sText)
{
    SetTextField(m_conditions.openingOrCuring.value, sText);
}

// An opening of 0 is no size: the field shows empty, as a missing one.
void CResultLabTabGrid::SetTestOpeningSize(double dValue)
{
    SetTextField(m_conditions.openingOrCuring.value,
                 CLabLines::ConditionText(CResultNumbers::FieldText(dValue, 2, m_cDecimal), m_cDecimal));
}

CString CResultLabTabGrid::GetTemperatureText()
{
    return CLabLines::ConditionText(GetTextField(m_conditions.temperature.value), m_cDecimal);
}

CString CResultLabTabGrid::GetPressureText()
{
    return CLabLines::ConditionText(GetTextField(m_conditions.pressure.value), m_cDecimal);
}

CString CResultLabTabGrid::GetMassPerAreaText()
{
    return GetTextField(m_conditions.massPerArea.value);
}

CString CResultLabTabGrid::GetEditFieldText()
{
    return GetTextField(m_conditions.openingOrCuring.value);
}

double CResultLabTabGrid::GetTestOpeningSize()
{
    return GetNumberField(m_conditions.openingOrCuring.value);
}

// ---------------------------------------------------------------------------
// Filling

void CResultLabTabGrid::FillHeaderTexts()
{
    CResultTabGrid::FillHeaderTexts();
    FillConditionLabels();
    SetTextField(m_layout.m_note, CLabLines::EvaluationNote(m_info));
    if (!m_info.m_bASTM)
        SetTextField(m_layout.m_resultLine, CLabLines::RatingStandard(m_info));
    PutTexts(CLabLines::Headings(m_info, m_layout));
    if (Variant() == ELabVariant::kLightweight) {
        SetTextField(m_layout.m_sourceVolume.label, CResultLines::Text(IDS_RESULT_REFERENCE_FLOOR_TYPE));
        SetTextField(m_layout.m_sourceVolume.unit, "No.");
    }
}

void CResultLabTabGrid::FillConditionLabels()
{
    const CConditionFields& c = m_conditions;
    const auto Label = [this](const CLabeledField& field, UINT nLabel, const CString& sUnit) {
        SetTextField(field.label, nLabel != 0 ? CResultLines::Text(nLabel) : CString());
        SetTextField(field.unit, sUnit);
    };
    Label(c.temperature, IDS_RESULT_TEMPERATURE, "\xB0" "C");
    Label(c.massPerArea, IDS_RESULT_MASS_PER_AREA, "kg/m\xB2");
    if (HasCuringTime())
        Label(c.openingOrCuring, IDS_RESULT_CURING_TIME, "s");
    else if (HasTestOpening())
        Label(c.openingOrCuring, IDS_RESULT_TEST_OPENING, "m\xB2");
    else
        Label(c.openingOrCuring, 0, CString());
    Label(c.humidity, IDS_RESULT_AIR_HUMIDITY, "%");
    Label(c.pressure, IDS_RESULT_BAROMETRIC_PRESSURE, "kPa");
}

// The improvement pages rate the project's working result whatever the
// page; the others write the base lines of the result asked for.
void CResultLabTabGrid::FillSingleNumberResults(int nResult)
{
    if (!CLabLines::RatesImprovement(Variant())) {
        CResultTabGrid::FillSingleNumberResults(nResult);
        return;
    }
    const bool bTenth = CProjectView::GetSettings().m_bExactRating;
    PutTexts(CLabLines::ImprovementLines(m_info, ResultOf(-1), m_layout.m_nFirstRow, bTenth, m_cDecimal));
}

CLabSources CResultLabTabGrid::LabSourcesOf(const CCalc& calc) const
{
    CProjectDoc* pProject = GetProject();
    const CAppSettings& settings = CProjectView::GetSettings();
    CLabSources sources;
    sources.base = SourcesOf(calc);
    sources.withCovering = TableAverage(pProject, kWithCoveringTable);
    sources.withoutCovering = TableAverage(pProject, kWithoutCoveringTable);
    sources.cornerSource = TableAverage(pProject, kCornerSourceTable);
    sources.cornerReceiving = TableAverage(pProject, kCornerReceivingTable);
    sources.bFlankingCorrection =
        pProject != nullptr && IsFlankingCorrectionActive(pProject->m_ReportInfo, settings.m_bFtmCorrection);
    sources.bAirborneCorrectionDin = settings.m_bCorrectionZezur;
    return sources;
}

void CResultLabTabGrid::FillSpectrumTable()
{
    CResultTabGrid::FillSpectrumTable();
    const CCalc calc = ResultOf(-1);
    const CLabSources sources = LabSourcesOf(calc);
    const CLabBandTexts texts(m_info, m_layout, sources);
    const std::array<int, 6> aGroups = CLabLines::GroupColumns(m_info, m_layout);
    for (int nBand = CResultLayout::kFirstBand; nBand < CResultLayout::kFirstBand + CResultLayout::kBandRows; ++nBand) {
        PutTexts(texts.Row(nBand));
        if (Variant() == ELabVariant::kLining) {
            SetCellAlignment(m_layout.m_nValueCol, m_layout.BandRow(nBand), kAlignCenter);
            SetCellAlignment(aGroups[2], m_layout.BandRow(nBand), kAlignCenter);
        }
    }
}

void CResultLabTabGrid::LoadEditableTexts()
{
    CResultTabGrid::LoadEditableTexts();
    const CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    const CReportInfo& doc = pProject->m_ReportInfo;
    SetMassPerAreaText(doc.m_sMassPerUnit);
    SetTemperature(doc.m_dTemperature1);
    SetPressureText(CResultNumbers::FieldText(doc.m_dPressure1, 1, m_cDecimal));
    SetHumidityText(doc.m_sHumidity);
    if (HasCuringTime())
        SetCuringTimeText(doc.m_sCuringTime);
}

// The test opening is stored as the area S by the base. An emptied
// temperature or pressure is stored as not given (-999.0): read as 0 it
// would be reported as 0 °C or 0 kPa.
void CResultLabTabGrid::StoreEditableTexts()
{
    CResultTabGrid::StoreEditableTexts();
    CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    CReportInfo& doc = pProject->m_ReportInfo;
    if (HasCuringTime())
        doc.m_sCuringTime = GetEditFieldText();
    doc.m_sMassPerUnit = GetMassPerAreaText();
    doc.m_dTemperature1 = GetTemperature();
    doc.m_dPressure1 = CResultNumbers::FieldValue(GetPressureText(), m_cDecimal);
    doc.m_sHumidity = GetHumidityText();
}
