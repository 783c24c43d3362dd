#include "ReportLossGrid.h"

#include "ReportBandColumn.h"

#include "results/ResultLines.h"

#include "model/ProjectDoc.h"
#include "res/resource.h"

namespace {

constexpr int kBlockRows = 6;
constexpr int kHeadRow = 24;
constexpr int kFirstBandRow = 27;
constexpr int kLastBandRow = 47;
constexpr int kFirstBand = 17;  // 50 Hz
// Loss factors are small numbers (0.0022): the page shows them with the
// four decimals the evaluation keeps, where two would show "0.00".
constexpr int kLossFactorDecimals = 4;

CLabeledField ConditionRow(int nRow)
{
    return {{nRow, 0}, {nRow, 16}, {nRow, 21}};
}

} // namespace

CReportLossGrid::CReportLossGrid() = default;

void CReportLossGrid::InitFieldPositions()
{
    CReportFields& f = m_fields;
    f.m_objectLabel = {5 + kBlockRows, 0};
    f.m_object = {5 + kBlockRows, 8};
    m_humidity = ConditionRow(19);
    m_temperature = ConditionRow(20);
    m_pressure = ConditionRow(21);
    f.m_graph = {20, 25};
    f.m_graphEnd = {48, 69};
    for (int k = 0; k < 3; ++k) {
        f.m_bandHead[k] = {kHeadRow + k, 2};
        f.m_valueHead[k] = {kHeadRow + k, 9};
    }
    f.m_nFirstBandRow = kFirstBandRow;
    f.m_nLastBandRow = kLastBandRow;
    f.m_nBandOffset = kFirstBandRow - kFirstBand;
    f.m_nValueCol = 9;
    f.m_nNoteCol = 14;
}

void CReportLossGrid::JoinFieldCells()
{
    const CReportFields& f = m_fields;
    JoinHeadFields(kBlockRows, kBlockRows);
    JoinCells(15, 17, 17, 17);
    for (const CLabeledField* pRow : {&m_humidity, &m_temperature, &m_pressure})
        JoinDataRow(*pRow);
    for (int nRow = kHeadRow; nRow <= kLastBandRow; ++nRow) {
        JoinCells(f.m_nFreqCol, nRow, 8, nRow);
        JoinCells(f.m_nValueCol, nRow, 15, nRow);
        SetCellAlignment(f.m_nFreqCol, nRow, kAlignCenter);
        SetCellAlignment(f.m_nValueCol, nRow, kAlignCenter);
    }
    JoinCells(f.m_nFreqCol, kLastBandRow + 1, 15, kLastBandRow + 1);
    JoinFootFields();
}

void CReportLossGrid::SetFieldBorders()
{
    SetTableBorders();
    SetFrameBorders();
}

void CReportLossGrid::SetMultiFontCells()
{
    const CReportFields& f = m_fields;
    m_nMultiFontType = AddCellType(&m_multiFontType);
    std::vector<CFieldPos> aCells = {f.m_valueHead[0], f.m_singleNumber};
    aCells.insert(aCells.end(), std::begin(f.m_adaptation), std::end(f.m_adaptation));
    for (const CFieldPos& cell : aCells)
        SetCellCellType(cell.nCol, cell.nRow, m_nMultiFontType);
    SetNoteColumn();
}

void CReportLossGrid::FillHeaderTexts()
{
    LoadFieldsFromReportInfo();
    FillPageLabels();
    const auto Label = [this](const CLabeledField& row, UINT nText, const char* lpszUnit) {
        SetTextField(row.label, CResultLines::Text(nText));
        SetTextField(row.unit, lpszUnit);
    };
    Label(m_temperature, IDS_RESULT_TEMPERATURE, "\xB0" "C");
    Label(m_pressure, IDS_RESULT_BAROMETRIC_PRESSURE, "kPa");
    Label(m_humidity, IDS_RESULT_RELATIVE_HUMIDITY, "%");
    FillFrequencyHead();
    SetTextField(m_fields.m_valueHead[0], CReportBandColumn::SymbolValueHead(m_info));
}

// A loss factor has no airborne or impact rating: the rating block's cells,
// which this page neither joins nor labels, stay empty.
void CReportLossGrid::FillAdaptationTerms()
{
}

void CReportLossGrid::FillSingleNumberResults()
{
}

void CReportLossGrid::FillSpectrumTable()
{
    const CCalc* pCalc = Result();
    if (pCalc == nullptr)
        return;
    const CReportBandColumn column(m_fields.m_nFreqCol, m_fields.m_nValueCol, kLossFactorDecimals, m_cDecimal);
    const std::vector<CBandRow> aRows = CReportBandColumn::ThirdOctaveRows(kFirstBandRow, kLastBandRow, kFirstBand);
    for (const CCellText& text : column.Texts(aRows, pCalc->m_aSpec[0], pCalc->m_dRating))
        SetCellText(text.nCol, text.nRow, text.sText);
}

std::vector<CConditionValue> CReportLossGrid::ConditionValues() const
{
    return {{m_temperature.value, &CReportInfo::m_dTemperature1, 1}, {m_pressure.value, &CReportInfo::m_dPressure1, 1}};
}

void CReportLossGrid::LoadFieldsFromReportInfo()
{
    CReportGrid::LoadFieldsFromReportInfo();
    if (const CProjectDoc* pProject = GetProject())
        SetTextField(m_humidity.value, pProject->m_ReportInfo.m_sHumidity);
    LoadConditions(ConditionValues());
}

void CReportLossGrid::StoreFieldsToReportInfo()
{
    CReportGrid::StoreFieldsToReportInfo();
    if (CProjectDoc* pProject = GetProject())
        pProject->m_ReportInfo.m_sHumidity = GetTextField(m_humidity.value);
    StoreConditions(ConditionValues());
}

std::vector<CFieldPos> CReportLossGrid::EditableFields() const
{
    std::vector<CFieldPos> aFields = m_fields.TextFields(m_info);
    for (const CLabeledField* pRow : {&m_humidity, &m_temperature, &m_pressure})
        aFields.push_back(pRow->value);
    return aFields;
}

// Every key is taken: a text that is no number stores the no-value mark.
std::vector<CNumberField> CReportLossGrid::TypedNumberFields() const
{
    return {};
}

// The climate is stored when its edit ends; only the report number,
// shown in the project tree and the export, recalculates when left.
std::vector<CFieldPos> CReportLossGrid::RecalculatingNumberFields() const
{
    return {};
}

std::vector<CFieldPos> CReportLossGrid::RecalculatingTextFields() const
{
    return {m_fields.m_reportNoLabel, m_fields.m_reportNo};
}
