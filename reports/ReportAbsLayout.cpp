#include "ReportAbsLayout.h"

#include "res/resource.h"

namespace {

constexpr int kOctaveBands = 6;
constexpr int kFirstOctaveBand = 21;      // 125 Hz
constexpr int kFirstThirdOctaveBand = 20;  // 100 Hz
constexpr int kLastThirdOctaveRow = 44;   // 5000 Hz
const char* const kCelsius = "\xB0" "C";

CLabeledField Row(int nRow, int nLabelCol, int nValueCol, int nUnitCol)
{
    return {{nRow, nLabelCol}, {nRow, nValueCol}, {nRow, nUnitCol}};
}

CLabeledField LeftRow(int nRow)
{
    return Row(nRow, 0, 16, 21);
}

CLabeledField EmptyRoomRow(int nRow)
{
    return Row(nRow, 26, 38, 42);
}

CLabeledField ObjectRoomRow(int nRow)
{
    return Row(nRow, 47, 60, 64);
}

} // namespace

bool CReportAbsLayout::UsesTwoRooms(const CReportInfo& info)
{
    return (info.m_bAlpha_S && info.m_nYear == 2003) || info.m_bAlpha_PW;
}

CReportAbsLayout::CReportAbsLayout(const CReportInfo& info)
    : m_bOctave(!info.m_bAlpha_S), m_bTwoRooms(UsesTwoRooms(info))
{
    m_nLastBandRow = m_bOctave ? kFirstBandRow + kOctaveBands - 1 : kLastThirdOctaveRow;
    m_nNoteRow = m_nLastBandRow + 1;
    // The graph beside the table: smaller beside the six octave rows.
    m_graph = m_bOctave ? CFieldPos{32, 28} : CFieldPos{29, 28};
    m_graphEnd = m_bOctave ? CFieldPos{32 + 13, 28 + 33} : CFieldPos{29 + 16, 28 + 37};
    if (m_bTwoRooms) {
        m_area = LeftRow(20);
        m_volume = LeftRow(21);
        m_humidity = EmptyRoomRow(20);
        m_temperature = EmptyRoomRow(21);
        m_pressure = EmptyRoomRow(22);
        m_humidity2 = ObjectRoomRow(20);
        m_temperature2 = ObjectRoomRow(21);
        m_pressure2 = ObjectRoomRow(22);
        m_roomHead[0] = {19, 26};
        m_roomHead[1] = {19, 47};
    } else {
        m_humidity = LeftRow(19);
        m_temperature = LeftRow(20);
        m_area = LeftRow(21);
        m_volume = LeftRow(22);
    }
}

std::vector<CBandRow> CReportAbsLayout::BandRows() const
{
    if (m_bOctave)
        return CReportBandColumn::OctaveRows(kFirstBandRow, kOctaveBands, kFirstOctaveBand);
    return CReportBandColumn::ThirdOctaveRows(kFirstBandRow, m_nLastBandRow, kFirstThirdOctaveBand);
}

std::vector<CConditionRow> CReportAbsLayout::ConditionRows() const
{
    std::vector<CConditionRow> aRows = {
        {m_area, IDS_RESULT_SURFACE_AREA, "m\xB2"},
        {m_volume, IDS_RESULT_REVERBERATION_ROOM_VOLUME, "m\xB3"},
        {m_humidity, IDS_RESULT_RELATIVE_HUMIDITY, "%"},
        {m_temperature, IDS_RESULT_TEMPERATURE, kCelsius},
    };
    if (m_bTwoRooms) {
        aRows.push_back({m_pressure, IDS_RESULT_BAROMETRIC_PRESSURE, "kPa"});
        aRows.push_back({m_humidity2, IDS_RESULT_RELATIVE_HUMIDITY, "%"});
        aRows.push_back({m_temperature2, IDS_RESULT_TEMPERATURE, kCelsius});
        aRows.push_back({m_pressure2, IDS_RESULT_BAROMETRIC_PRESSURE, "kPa"});
    }
    return aRows;
}

std::vector<CConditionValue> CReportAbsLayout::ConditionValues() const
{
    std::vector<CConditionValue> aValues = {{m_temperature.value, &CReportInfo::m_dTemperature1, 1}};
    if (m_bTwoRooms) {
        aValues.push_back({m_humidity.value, &CReportInfo::m_dHumidity1, 1});
        aValues.push_back({m_pressure.value, &CReportInfo::m_dPressure1, 1});
        aValues.push_back({m_humidity2.value, &CReportInfo::m_dHumidity2, 1});
        aValues.push_back({m_temperature2.value, &CReportInfo::m_dTemperature2, 1});
        aValues.push_back({m_pressure2.value, &CReportInfo::m_dPressure2, 1});
    }
    return aValues;
}

std::vector<CFieldPos> CReportAbsLayout::EditableValues() const
{
    std::vector<CFieldPos> aFields;
    for (const CConditionRow& row : ConditionRows())
        aFields.push_back(row.field.value);
    return aFields;
}

// The humidity takes any text; the other conditions are typed as numbers.
std::vector<CNumberField> CReportAbsLayout::TypedNumbers() const
{
    std::vector<CNumberField> aFields = {{m_volume.value, 1}, {m_area.value, 2}, {m_temperature.value, 1}};
    if (m_bTwoRooms) {
        for (const CLabeledField* pField : {&m_temperature2, &m_pressure, &m_pressure2})
            aFields.push_back({pField->value, 1});
    }
    return aFields;
}

// Every condition the calculation uses; the humidity of the single block
// is only a text on the report.
std::vector<CFieldPos> CReportAbsLayout::RecalculatingNumbers() const
{
    if (!m_bTwoRooms)
        return {m_area.value, m_volume.value, m_temperature.value};
    return EditableValues();
}
