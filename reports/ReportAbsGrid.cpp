#include "ReportAbsGrid.h"

#include "results/AbsorptionTexts.h"
#include "results/ResultLines.h"

#include "model/ProjectDoc.h"
#include "res/resource.h"

namespace {

constexpr int kBlockRows = 6;
constexpr int kConditionFirstRow = 18;
constexpr int kConditionLastRow = 22;

} // namespace

CReportAbsGrid::CReportAbsGrid() = default;

// The layout follows the project's mode and method, read before the base
// set-up places the fields.
void CReportAbsGrid::OnSetup()
{
    if (const CProjectDoc* pProject = GetProject())
        m_layout = CReportAbsLayout(pProject->m_ReportInfo);
    CReportGrid::OnSetup();
}

void CReportAbsGrid::InitFieldPositions()
{
    CReportFields& f = m_fields;
    f.m_objectLabel = {5 + kBlockRows, 0};
    f.m_object = {5 + kBlockRows, 8};
    f.m_area = m_layout.m_area;
    f.m_receivingVolume = m_layout.m_volume;
    for (int k = 0; k < 3; ++k) {
        f.m_bandHead[k] = {CReportAbsLayout::kHeadRow + k, 2};
        f.m_valueHead[k] = {CReportAbsLayout::kHeadRow + k, 9};
    }
    f.m_nFirstBandRow = CReportAbsLayout::kFirstBandRow;
    f.m_nLastBandRow = m_layout.m_nLastBandRow;
    f.m_nValueCol = 9;
    f.m_nNoteCol = 14;
    f.m_note = {m_layout.m_nNoteRow, 2};
    f.m_graph = m_layout.m_graph;
    f.m_graphEnd = m_layout.m_graphEnd;
}

void CReportAbsGrid::JoinFieldCells()
{
    const CReportFields& f = m_fields;
    JoinHeadFields(kBlockRows, kBlockRows);
    for (int nRow = kConditionFirstRow; nRow <= kConditionLastRow; ++nRow)
        JoinDataRow({{nRow, 0}, {nRow, 16}, {nRow, 21}});
    if (m_layout.m_bTwoRooms) {
        JoinCells(m_layout.m_roomHead[0].nCol, m_layout.m_roomHead[0].nRow, 45, m_layout.m_roomHead[0].nRow);
        JoinCells(m_layout.m_roomHead[1].nCol, m_layout.m_roomHead[1].nRow, 67, m_layout.m_roomHead[1].nRow);
        for (const CLabeledField* pRow : {&m_layout.m_humidity, &m_layout.m_temperature, &m_layout.m_pressure,
                                          &m_layout.m_humidity2, &m_layout.m_temperature2, &m_layout.m_pressure2})
            JoinDataRow(*pRow);
    }
    for (int k = 0; k < 3; ++k) {
        JoinCells(f.m_bandHead[k].nCol, f.m_bandHead[k].nRow, 8, f.m_bandHead[k].nRow);
        JoinCells(f.m_valueHead[k].nCol, f.m_valueHead[k].nRow, 15, f.m_valueHead[k].nRow);
        SetCellAlignment(f.m_bandHead[k].nCol, f.m_bandHead[k].nRow, kAlignCenter);
        SetCellAlignment(f.m_valueHead[k].nCol, f.m_valueHead[k].nRow, kAlignCenter);
    }
    for (int nRow = f.m_nFirstBandRow; nRow <= f.m_nLastBandRow; ++nRow) {
        JoinCells(2, nRow, 8, nRow);
        JoinCells(9, nRow, 15, nRow);
        SetCellAlignment(2, nRow, kAlignCenter);
        SetCellAlignment(9, nRow, kAlignCenter);
    }
    JoinCells(f.m_note.nCol, f.m_note.nRow, 15, f.m_note.nRow);
    if (m_layout.m_bOctave) {
        JoinCells(f.m_ratingTitle.nCol, f.m_ratingTitle.nRow, 67, f.m_ratingTitle.nRow);
        JoinCells(f.m_singleNumber.nCol, f.m_singleNumber.nRow, 67, f.m_singleNumber.nRow);
    }
    JoinFootFields();
}

void CReportAbsGrid::SetFieldBorders()
{
    SetTableBorders();
    if (m_layout.m_bOctave)
        SetRatingBorders();
    SetFrameBorders();
}

// The band-table column 14 carries the multi-font type the base gives its
// note index, and the note under the table may carry tags.
void CReportAbsGrid::SetMultiFontCells()
{
    const CReportFields& f = m_fields;
    m_nMultiFontType = AddCellType(&m_multiFontType);
    for (const CFieldPos& cell : {f.m_valueHead[0], f.m_singleNumber, f.m_note})
        SetCellCellType(cell.nCol, cell.nRow, m_nMultiFontType);
    SetNoteColumn();
}

void CReportAbsGrid::FillHeaderTexts()
{
    const CReportFields& f = m_fields;
    LoadFieldsFromReportInfo();
    FillPageLabels();
    for (const CConditionRow& row : m_layout.ConditionRows()) {
        SetTextField(row.field.label, CResultLines::Text(row.nLabel));
        SetTextField(row.field.unit, row.lpszUnit);
    }
    if (m_layout.m_bTwoRooms) {
        SetTextField(m_layout.m_roomHead[0], CResultLines::Text(IDS_RESULT_EMPTY_ROOM));
        SetTextField(m_layout.m_roomHead[1], CResultLines::Text(IDS_RESULT_ROOM_WITH_OBJECT));
    }
    FillFrequencyHead();
    SetTextField(f.m_valueHead[0], CReportBandColumn::SymbolValueHead(m_info));
    SetTextField(f.m_valueHead[1], CResultLines::Text(IDS_FILTER_THIRD_OCTAVE));
    SetTextField(f.m_valueHead[2], CResultLines::Text(IDS_RESULT_DB));
    if (m_layout.m_bOctave)
        SetTextField(f.m_ratingTitle, CResultLines::Text(IDS_RESULT_ALPHA_W_RATING));
}

// The specimen's area is a condition of every absorption measurement.
void CReportAbsGrid::SetArea(double dValue)
{
    SetNumberField(m_fields.m_area.value, dValue, 2);
}

void CReportAbsGrid::FillSpectrumTable()
{
    const CCalc* pCalc = Result();
    if (pCalc == nullptr)
        return;
    // The practical coefficients per octave, or alpha_s per one-third octave.
    const NSpectrum& values = pCalc->m_aSpec[m_layout.m_bOctave ? 9 : 0];
    const CReportBandColumn column(m_fields.m_nFreqCol, m_fields.m_nValueCol, 2, m_cDecimal);
    for (const CCellText& text : column.Texts(m_layout.BandRows(), values, pCalc->m_dRating))
        SetCellText(text.nCol, text.nRow, text.sText);
}

void CReportAbsGrid::FillSingleNumberResults()
{
    const CCalc* pCalc = Result();
    if (pCalc != nullptr && m_layout.m_bOctave)
        SetTextField(m_fields.m_singleNumber, CAbsorptionTexts::WeightedLine(*pCalc, m_cDecimal));
}

void CReportAbsGrid::LoadFieldsFromReportInfo()
{
    CReportGrid::LoadFieldsFromReportInfo();
    const CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    if (!m_layout.m_bTwoRooms)
        SetTextField(m_layout.m_humidity.value, pProject->m_ReportInfo.m_sHumidity);
    LoadConditions(m_layout.ConditionValues());
}

void CReportAbsGrid::StoreFieldsToReportInfo()
{
    CReportGrid::StoreFieldsToReportInfo();
    CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    pProject->m_ReportInfo.m_dArea = GetArea();
    if (!m_layout.m_bTwoRooms)
        pProject->m_ReportInfo.m_sHumidity = GetTextField(m_layout.m_humidity.value);
    StoreConditions(m_layout.ConditionValues());
}

// The report texts, without the source room, and the conditions.
std::vector<CFieldPos> CReportAbsGrid::EditableFields() const
{
    std::vector<CFieldPos> aFields = m_fields.TextFields(m_info);
    const std::vector<CFieldPos> aValues = m_layout.EditableValues();
    aFields.insert(aFields.end(), aValues.begin(), aValues.end());
    return aFields;
}

std::vector<CNumberField> CReportAbsGrid::TypedNumberFields() const
{
    return m_layout.TypedNumbers();
}

std::vector<CFieldPos> CReportAbsGrid::RecalculatingNumberFields() const
{
    return m_layout.RecalculatingNumbers();
}

// The humidity is shown in the exported report: leaving it recalculates
// with 0 like the report number.
std::vector<CFieldPos> CReportAbsGrid::RecalculatingTextFields() const
{
    return {m_fields.m_reportNoLabel, m_fields.m_reportNo, m_layout.m_humidity.value};
}
