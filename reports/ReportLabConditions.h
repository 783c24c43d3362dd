#pragma once
// Classes in this file: CReportLabConditions, the test conditions a
// laboratory report page shows beside its graph: which ones each kind of
// laboratory project has, in which of the seven rows, with their labels
// and units.

#include "results/LabLines.h"

#include <array>
#include <initializer_list>

enum class ELabCondition {
    kPressure,
    kTestOpening,
    kMass,
    kTemperature,
    kAirHumidity,
    kSourceVolume,
    kReceivingVolume,
    kCuringTime,
    kReferenceFloor,
    kCount
};

class CReportLabConditions {
public:
    static constexpr int kFirstRow = 15;
    static constexpr int kNotShown = -1;
    static constexpr int kCount = static_cast<int>(ELabCondition::kCount);

    explicit CReportLabConditions(const CReportInfo& info);

    // The row of a condition, kNotShown when the page has none.
    int RowOf(ELabCondition condition) const { return m_aRows[static_cast<int>(condition)]; }
    bool Shows(ELabCondition condition) const { return RowOf(condition) != kNotShown; }
    static UINT LabelOf(ELabCondition condition);
    static const char* UnitOf(ELabCondition condition);

private:
    // The conditions in rows from nFirstRow down.
    void Put(std::initializer_list<ELabCondition> aConditions, int nFirstRow);

    std::array<int, kCount> m_aRows;
};
