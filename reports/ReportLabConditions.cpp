#include "ReportLabConditions.h"

#include "res/resource.h"

using C = ELabCondition;

// A plain page shows the test opening (the separating area of the rating)
// unless flanking transmission is measured; the impact kinds show the
// curing time of the floor instead; a lining shows its test opening lower;
// the lightweight floors show the reference floor and no source room.
CReportLabConditions::CReportLabConditions(const CReportInfo& i)
{
    m_aRows.fill(kNotShown);
    const ELabVariant variant = CLabLines::VariantOf(i);
    if (variant == ELabVariant::kLightweight) {
        Put({C::kPressure, C::kReferenceFloor, C::kMass, C::kCuringTime, C::kTemperature, C::kAirHumidity,
             C::kReceivingVolume}, kFirstRow);
    } else if (variant == ELabVariant::kLining) {
        Put({C::kPressure, C::kAirHumidity, C::kMass, C::kTestOpening, C::kTemperature, C::kSourceVolume,
             C::kReceivingVolume}, kFirstRow);
    } else if (CLabLines::IsImpactFamily(i) || variant == ELabVariant::kFloorCovering) {
        Put({C::kPressure, C::kAirHumidity, C::kMass, C::kCuringTime, C::kTemperature, C::kSourceVolume,
             C::kReceivingVolume}, kFirstRow);
    } else if (i.m_bFlankingTransmission) {
        Put({C::kPressure, C::kMass, C::kTemperature, C::kAirHumidity, C::kSourceVolume, C::kReceivingVolume},
            kFirstRow + 1);
    } else {
        Put({C::kPressure, C::kTestOpening, C::kMass, C::kTemperature, C::kAirHumidity, C::kSourceVolume,
             C::kReceivingVolume}, kFirstRow);
    }
}

void CReportLabConditions::Put(std::initializer_list<ELabCondition> aConditions, int nFirstRow)
{
    int nRow = nFirstRow;
    for (ELabCondition condition : aConditions)
        m_aRows[static_cast<int>(condition)] = nRow++;
}

UINT CReportLabConditions::LabelOf(ELabCondition condition)
{
    static const UINT aLabels[kCount] = {IDS_RESULT_BAROMETRIC_PRESSURE, IDS_RESULT_TEST_OPENING,
                                         IDS_RESULT_MASS_PER_AREA,       IDS_RESULT_TEMPERATURE,
                                         IDS_RESULT_AIR_HUMIDITY,        IDS_RESULT_SOURCE_VOLUME,
                                         IDS_RESULT_RECEIVING_VOLUME,    IDS_RESULT_CURING_TIME,
                                         IDS_RESULT_REFERENCE_FLOOR_TYPE};
    return aLabels[static_cast<int>(condition)];
}

const char* CReportLabConditions::UnitOf(ELabCondition condition)
{
    static const char* const aUnits[kCount] = {"kPa", "m\xB2", "kg/m\xB2", "\xB0" "C", "%", "m\xB3", "m\xB3", "s", "No."};
    return aUnits[static_cast<int>(condition)];
}
