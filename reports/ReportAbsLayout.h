#pragma once
// Classes in this file: CReportAbsLayout, where the absorption report page
// puts what it adds to the base page: the band table of one-third-octave
// or octave coefficients, the graph beside it, and the measurement
// conditions, either in one block (humidity, temperature, specimen area,
// room volume) or, for the 2003 method and the practical coefficients,
// with the climate of the empty room and of the room with the object side
// by side. It also says which of these the user types and which recalculate.

#include "ReportBandColumn.h"
#include "ReportFields.h"

#include <vector>

// A label, value and unit row and the texts of its label and unit.
struct CConditionRow {
    CLabeledField field;
    UINT nLabel;
    const char* lpszUnit;
};

class CReportAbsLayout {
public:
    static constexpr int kHeadRow = 24;
    static constexpr int kFirstBandRow = 27;

    explicit CReportAbsLayout(const CReportInfo& info);

    // The two-room block: alpha_s by the 2003 method, or practical coefficients.
    static bool UsesTwoRooms(const CReportInfo& info);

    std::vector<CBandRow> BandRows() const;
    std::vector<CConditionRow> ConditionRows() const;
    // The conditions kept as numbers besides the base's area and volume.
    std::vector<CConditionValue> ConditionValues() const;
    std::vector<CFieldPos> EditableValues() const;
    std::vector<CNumberField> TypedNumbers() const;
    std::vector<CFieldPos> RecalculatingNumbers() const;

    bool m_bOctave;
    bool m_bTwoRooms;
    int m_nLastBandRow;
    int m_nNoteRow;
    CFieldPos m_graph, m_graphEnd;
    CLabeledField m_area, m_volume;
    // The humidity is a text in the single block and a number per room.
    CLabeledField m_humidity, m_temperature, m_pressure;
    CLabeledField m_humidity2, m_temperature2, m_pressure2;
    CFieldPos m_roomHead[2];
};
