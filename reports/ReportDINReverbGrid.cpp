#include "ReportDINReverbGrid.h"

#include "ReportBandColumn.h"

#include "results/ResultLines.h"
#include "results/ResultNumbers.h"

#include "model/ProjectDoc.h"
#include "res/resource.h"

namespace {

// DIN 52 216: the octaves 125 Hz to 4000 Hz in one row of six cells.
constexpr int kOctaves = 6;
constexpr int kFirstOctaveBand = 21;
constexpr int kOctaveRow = 48;
constexpr int kFirstOctaveCol = 28;
constexpr int kOctaveWidth = 6;
// DIN EN ISO 3382-1: 63 Hz to 8000 Hz.
constexpr int kFirstIsoBandRow = 26;
constexpr int kLastIsoBandRow = 47;
constexpr int kFirstIsoBand = 18;
constexpr int kTimeDecimals = 2;

CLabeledField Row(int nRow, int nLabelCol, int nValueCol, int nUnitCol)
{
    return {{nRow, nLabelCol}, {nRow, nValueCol}, {nRow, nUnitCol}};
}

} // namespace

CReportDINReverbGrid::CReportDINReverbGrid() = default;

// The reverberation page shares the base's set-up, with a geometry, text
// blocks and multi-font cells of its own.
void CReportDINReverbGrid::SetMultiFontCells()
{
    m_nMultiFontType = AddCellType(&m_multiFontType);
    for (const CFieldPos& cell : {m_fields.m_valueHead[0], m_fields.m_singleNumber})
        SetCellCellType(cell.nCol, cell.nRow, m_nMultiFontType);
}

std::vector<CFieldPos> CReportDINReverbGrid::MultiLineFields() const
{
    return {m_fields.m_description, m_remarks};
}

// The column right of the graph's first column is wide, the one 44
// columns on narrow.
void CReportDINReverbGrid::SetPageGeometry()
{
    SetPageFrame();
    SetColWidth(m_fields.m_graph.nCol + 1, 18);
    SetColWidth(m_fields.m_graph.nCol + 44, 5);
}

void CReportDINReverbGrid::InitFieldPositions()
{
    CReportFields& f = m_fields;
    f.m_client = Row(3, 0, 8, -1);
    f.m_testDate = Row(3, 48, 55, -1);
    if (IsIsoForm()) {
        m_roomLabel = {4, 0};
        f.m_description = {5, 0};
        m_remarksLabel = {11, 0};
        m_remarks = {12, 0};
        f.m_temperature = Row(19, 0, 16, 21);
        m_noiseType = Row(19, 25, 32, -1);
        f.m_humidity = Row(20, 0, 16, 21);
        m_volume = Row(21, 0, 16, 21);
        f.m_graph = {22, 21};
        f.m_graphEnd = {49, 69};
        for (int k = 0; k < 3; ++k) {
            f.m_bandHead[k] = {23 + k, 2};
            f.m_valueHead[k] = {23 + k, 9};
        }
        f.m_nFirstBandRow = kFirstIsoBandRow;
        f.m_nLastBandRow = kLastIsoBandRow;
        f.m_nBandOffset = kFirstIsoBandRow - kFirstIsoBand;
        f.m_nValueCol = 9;
        m_singleFigureNote = {50, 2};
        f.m_singleNumber = {51, 2};
    } else {
        m_roomLabel = {5, 0};
        f.m_description = {6, 0};
        f.m_graph = {19, 24};
        f.m_graphEnd = {46, 67};
        m_volume = Row(22, 0, 16, 21);
        m_remarksLabel = {25, 0};
        m_remarks = {26, 0};
        m_noiseType = Row(47, 0, 7, -1);
        m_timeUnit = {49, 24};
    }
    f.m_sourceVolume = m_volume;
}

void CReportDINReverbGrid::JoinFieldCells()
{
    JoinClientRow();
    // The unit stays clear of the graph beside it.
    JoinDataRow(m_volume, 3);
    if (IsIsoForm())
        JoinIsoForm();
    else
        JoinDinForm();
    JoinFootFields();
}

void CReportDINReverbGrid::JoinIsoForm()
{
    const CReportFields& f = m_fields;
    JoinCells(0, 0, 69, 2);
    JoinCells(m_roomLabel.nCol, m_roomLabel.nRow, 69, m_roomLabel.nRow);
    JoinCells(f.m_description.nCol, f.m_description.nRow, 69, f.m_description.nRow + 5);
    JoinCells(m_remarksLabel.nCol, m_remarksLabel.nRow, 69, m_remarksLabel.nRow);
    JoinCells(m_remarks.nCol, m_remarks.nRow, 69, m_remarks.nRow + 5);
    JoinDataRow(f.m_temperature);
    JoinDataRow(f.m_humidity);
    JoinCells(m_noiseType.label.nCol, m_noiseType.label.nRow, m_noiseType.value.nCol - 1, m_noiseType.label.nRow);
    JoinCells(m_noiseType.value.nCol, m_noiseType.value.nRow, 69, m_noiseType.value.nRow);
    for (int nRow = f.m_bandHead[0].nRow; nRow <= f.m_nLastBandRow; ++nRow) {
        JoinCells(f.m_nFreqCol, nRow, 8, nRow);
        JoinCells(f.m_nValueCol, nRow, 15, nRow);
        SetCellAlignment(f.m_nFreqCol, nRow, kAlignCenter);
        SetCellAlignment(f.m_nValueCol, nRow, kAlignCenter);
    }
    JoinCells(f.m_nFreqCol, f.m_nLastBandRow + 1, 15, f.m_nLastBandRow + 1);
    for (int nRow = m_singleFigureNote.nRow; nRow <= m_singleFigureNote.nRow + 2; ++nRow)
        JoinCells(2, nRow, 67, nRow);
}

void CReportDINReverbGrid::JoinDinForm()
{
    const CReportFields& f = m_fields;
    JoinCells(0, 0, 51, 2);
    JoinCells(52, 0, 69, 2);
    JoinCells(m_roomLabel.nCol, m_roomLabel.nRow, 69, m_roomLabel.nRow);
    JoinCells(f.m_description.nCol, f.m_description.nRow, 69, 16);
    JoinCells(m_remarksLabel.nCol, m_remarksLabel.nRow, 22, m_remarksLabel.nRow);
    JoinCells(m_remarks.nCol, m_remarks.nRow, 22, 44);
    JoinCells(m_noiseType.label.nCol, m_noiseType.label.nRow, m_noiseType.value.nCol - 1, m_noiseType.label.nRow);
    JoinCells(m_noiseType.value.nCol, m_noiseType.value.nRow, 22, m_noiseType.value.nRow);
    for (int k = 0; k < kOctaves; ++k) {
        const CFieldPos cell = OctaveCell(k);
        JoinCells(cell.nCol, cell.nRow, cell.nCol + kOctaveWidth - 1, cell.nRow + 2);
        SetCellAlignment(cell.nCol, cell.nRow, kAlignCenter | kAlignVCenter);
    }
    JoinCells(m_timeUnit.nCol, m_timeUnit.nRow, kFirstOctaveCol - 1, m_timeUnit.nRow);
    const int nEndCol = kFirstOctaveCol + kOctaves * kOctaveWidth;
    JoinCells(kFirstOctaveCol, kOctaveRow + 3, nEndCol - 1, kOctaveRow + 3);
    JoinCells(nEndCol, kOctaveRow, nEndCol, kOctaveRow + 2);
}

CFieldPos CReportDINReverbGrid::OctaveCell(int nOctave) const
{
    return {kOctaveRow, kFirstOctaveCol + nOctave * kOctaveWidth};
}

void CReportDINReverbGrid::SetFieldBorders()
{
    if (IsIsoForm())
        SetTableBorders();
    SetFrameBorders();
}

void CReportDINReverbGrid::FillHeaderTexts()
{
    const CReportFields& f = m_fields;
    LoadFieldsFromReportInfo();
    FillPageLabels();
    SetTextField(f.m_title, CResultLines::Text(IsIsoForm() ? IDS_REPORT_ISO3382_TITLE : IDS_REPORT_DIN52216_TITLE));
    SetTextField(m_roomLabel, CResultLines::Text(IDS_REPORT_ROOM_IDENTIFICATION));
    SetTextField(m_remarksLabel, CResultLines::Text(IDS_REPORT_ROOM_REMARKS));
    SetTextField(m_noiseType.label, CResultLines::Text(IDS_REPORT_NOISE_TYPE));
    SetTextField(m_volume.label, CResultLines::Text(IDS_RESULT_REVERBERATION_ROOM_VOLUME));
    SetTextField(m_volume.unit, "m\xB3");
    if (!IsIsoForm()) {
        SetTextField(m_timeUnit, "T in s");
        return;
    }
    SetTextField(f.m_temperature.label, CResultLines::Text(IDS_RESULT_TEMPERATURE));
    SetTextField(f.m_temperature.unit, "\xB0" "C");
    SetTextField(f.m_humidity.label, CResultLines::Text(IDS_RESULT_RELATIVE_HUMIDITY));
    SetTextField(f.m_humidity.unit, "%");
    SetTextField(m_singleFigureNote, CResultLines::Text(IDS_REPORT_ISO3382_SINGLE_FIGURE));
    FillFrequencyHead();
    SetTextField(f.m_valueHead[0], "<:F,Arial,13,500>" + m_info.m_sIndexStr);
    SetTextField(f.m_valueHead[1], CResultLines::Text(IDS_FILTER_THIRD_OCTAVE));
    SetTextField(f.m_valueHead[2], "[s]");
}

// The room volume is a text of the room's description.
void CReportDINReverbGrid::SetSourceVolumeText(const CString& sText)
{
    SetTextField(m_volume.value, sText);
}

// A reverberation time has no adaptation terms.
void CReportDINReverbGrid::FillAdaptationTerms()
{
}

void CReportDINReverbGrid::FillSpectrumTable()
{
    const CCalc* pCalc = Result();
    if (pCalc == nullptr)
        return;
    const NSpectrum& times = pCalc->m_aSpec[0];
    if (IsIsoForm()) {
        const CReportBandColumn column(m_fields.m_nFreqCol, m_fields.m_nValueCol, kTimeDecimals, m_cDecimal);
        const std::vector<CBandRow> aRows =
            CReportBandColumn::ThirdOctaveRows(kFirstIsoBandRow, kLastIsoBandRow, kFirstIsoBand);
        for (const CCellText& text : column.Texts(aRows, times, pCalc->m_dRating))
            SetCellText(text.nCol, text.nRow, text.sText);
        return;
    }
    // The DIN form shows every measured octave; it has no single figure.
    const std::vector<CBandRow> aOctaves = CReportBandColumn::OctaveRows(kOctaveRow, kOctaves, kFirstOctaveBand);
    for (int k = 0; k < kOctaves; ++k) {
        const int nBand = aOctaves[k].nBand;
        const CString sTime = CResultNumbers::HasBand(times, nBand)
            ? CResultNumbers::WithSeparator(times.GetSpecLineStr(nBand, kTimeDecimals), m_cDecimal)
            : CString();
        SetTextField(OctaveCell(k), sTime);
    }
}

// The ISO form's mean reverberation time, in seconds.
void CReportDINReverbGrid::FillSingleNumberResults()
{
    const CCalc* pCalc = Result();
    if (pCalc == nullptr || !IsIsoForm())
        return;
    const CString sValue = CResultNumbers::IsPresent(pCalc->m_dRating)
        ? CResultNumbers::Fixed(pCalc->m_dRating, kTimeDecimals, m_cDecimal)
        : CString(" ");
    SetTextField(m_fields.m_singleNumber,
                 "    " + m_info.m_sIndexStr + "<:S,-1>" + m_info.m_sSubscript + "<:S,0> = " + sValue + " s");
}

// The remarks' placeholder "Remarks:" shows as an empty field.
void CReportDINReverbGrid::LoadFieldsFromReportInfo()
{
    const CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    const CReportInfo& doc = pProject->m_ReportInfo;
    LoadReportTexts(doc);
    SetSourceVolumeText(doc.m_sSourceRoomVolume);
    const bool bPlaceholder = doc.m_sRemarksLabel == CResultLines::Text(IDS_REMARKS_LABEL);
    SetTextField(m_remarks, bPlaceholder ? CString() : doc.m_sRemarksLabel);
    SetTextField(m_noiseType.value, doc.m_sNoiseType);
    if (!IsIsoForm())
        return;
    SetTextField(m_fields.m_humidity.value, doc.m_sHumidity);
    SetNumberField(m_fields.m_temperature.value, doc.m_dTemperature1, 1);
}

void CReportDINReverbGrid::StoreFieldsToReportInfo()
{
    CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    CReportInfo& doc = pProject->m_ReportInfo;
    StoreReportTexts(doc);
    doc.m_sSourceRoomVolume = GetTextField(m_volume.value);
    doc.m_sRemarksLabel = GetTextField(m_remarks);
    doc.m_sNoiseType = GetTextField(m_noiseType.value);
    if (!IsIsoForm())
        return;
    doc.m_sHumidity = GetTextField(m_fields.m_humidity.value);
    doc.m_dTemperature1 = ReadNumber(m_fields.m_temperature.value, 1);
}

bool CReportDINReverbGrid::IsEditableCell(int nCol, int nRow) const
{
    return CPageGrid::IsEditableCell(nCol, nRow);
}

std::vector<CFieldPos> CReportDINReverbGrid::EditableFields() const
{
    const CReportFields& f = m_fields;
    std::vector<CFieldPos> aFields = {f.m_client.value, f.m_testDate.value, f.m_description, f.m_company,
                                      f.m_reportNoLabel, f.m_reportNo, f.m_date.value, f.m_signature.value,
                                      m_volume.value, m_remarks, m_noiseType.value};
    if (IsIsoForm()) {
        aFields.push_back(f.m_humidity.value);
        aFields.push_back(f.m_temperature.value);
    }
    return aFields;
}

std::vector<CNumberField> CReportDINReverbGrid::TypedNumberFields() const
{
    if (!IsIsoForm())
        return {};
    return {{m_fields.m_temperature.value, 1}};
}

// The reverberation times do not depend on the room's climate.
std::vector<CFieldPos> CReportDINReverbGrid::RecalculatingNumberFields() const
{
    return {};
}
