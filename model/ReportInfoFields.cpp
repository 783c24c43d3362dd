#include "ReportInfoFields.h"

namespace {

#define REPORT_FLAG(member, since) {#member, &CReportInfo::member, nullptr, since}
#define REPORT_INT(member, since) {#member, nullptr, &CReportInfo::member, since}
#define REPORT_FIELD(member, since) {#member, &CReportInfo::member, since}

const CReportInfoDwordField kDwordFields[] = {
    REPORT_FLAG(m_bField, 1),
    REPORT_FLAG(m_bLab, 1),
    REPORT_FLAG(m_bMultiplot, 4),
    REPORT_FLAG(m_bAirborne, 1),
    REPORT_FLAG(m_bImpact, 1),
    REPORT_FLAG(m_bAbsorption, 1),
    REPORT_FLAG(m_bImpactAirborne, 5),
    REPORT_FLAG(m_bImpactCorrected, 12),
    REPORT_FLAG(m_bReverberation, 5),
    REPORT_FLAG(m_bTotalLossFactor, 11),
    REPORT_FLAG(m_bISO, 1),
    REPORT_FLAG(m_bSIA, 1),
    REPORT_FLAG(m_bOEN, 1),
    REPORT_FLAG(m_bDIN, 5),
    REPORT_FLAG(m_bBS, 5),
    REPORT_FLAG(m_bSS, 8),
    REPORT_FLAG(m_bNF, 12),
    REPORT_FLAG(m_bASTM, 7),
    REPORT_INT(m_nYear, 7),
    REPORT_FLAG(m_bRoom, 1),
    REPORT_FLAG(m_bElements, 1),
    REPORT_FLAG(m_bSmallElements, 1),
    REPORT_FLAG(m_bCeiling, 1),
    REPORT_FLAG(m_bDoorHall, 6),
    REPORT_FLAG(m_bLowFreq, 7),
    REPORT_FLAG(m_bBB93, 8),
    REPORT_FLAG(m_bFacade, 1),
    REPORT_FLAG(m_bLoudspeaker, 1),
    REPORT_FLAG(m_bRoadTraffic, 1),
    REPORT_FLAG(m_bRailwayTraffic, 1),
    REPORT_FLAG(m_bAirTraffic, 1),
    REPORT_FLAG(m_bCloseRange, 17),
    REPORT_FLAG(m_bFarRange, 17),
    REPORT_FLAG(m_bIntensity, 13),
    REPORT_FLAG(m_bIntensityModified, 13),
    REPORT_FLAG(m_bNormal, 1),
    REPORT_FLAG(m_bStandard, 1),
    REPORT_FLAG(m_bReduction, 1),
    REPORT_FLAG(m_bApparent, 6),
    REPORT_FLAG(m_bAlpha_S, 1),
    REPORT_FLAG(m_bAlpha_PW, 1),
    REPORT_FLAG(m_bImprovement, 9),
    REPORT_INT(m_nCoincidenceFreq, 9),
    REPORT_FLAG(m_bReductionLightweight, 9),
    REPORT_FLAG(m_bFlankingTransmission, 10),
    REPORT_FLAG(m_bSingleLoudspeaker, 12),
    REPORT_FLAG(m_bDifference, 14),
    REPORT_FLAG(m_bCorner, 15),
    REPORT_FLAG(m_bAverageLoudspeaker, 16),
};

const CReportInfoDoubleField kRoomFields[] = {
    REPORT_FIELD(m_dVolume, 1),
    REPORT_FIELD(m_dArea, 1),
    REPORT_FIELD(m_dTemperature1, 3),
    REPORT_FIELD(m_dTemperature2, 7),
    REPORT_FIELD(m_dHumidity1, 7),
    REPORT_FIELD(m_dHumidity2, 7),
    REPORT_FIELD(m_dBB93ReverbTime, 8),
    REPORT_FIELD(m_dPressure1, 9),
    REPORT_FIELD(m_dPressure2, 9),
    REPORT_FIELD(m_dAngle, 17),
};

const CReportInfoTextField kMethodTextFields[] = {
    REPORT_FIELD(m_sTitle, 1),
    REPORT_FIELD(m_sSubTitle, 1),
    REPORT_FIELD(m_sIndexStr, 1),
    REPORT_FIELD(m_sSubscript, 1),
    REPORT_FIELD(m_sGraphTitle, 1),
    REPORT_FIELD(m_sTreeTitle, 1),
    REPORT_FIELD(m_sTemplateFileName, 2),
};

const CReportInfoTextField kReportTextFields[] = {
    REPORT_FIELD(m_sClient, 1),
    REPORT_FIELD(m_sTestDate, 1),
    REPORT_FIELD(m_sDescriptionLabel, 1),
    REPORT_FIELD(m_sDescription, 1),
    REPORT_FIELD(m_sObjectLabel, 1),
    REPORT_FIELD(m_sObject, 1),
    REPORT_FIELD(m_sCompany, 1),
    REPORT_FIELD(m_sReportNoLabel, 1),
    REPORT_FIELD(m_sReportNo, 1),
    REPORT_FIELD(m_sDate, 1),
    REPORT_FIELD(m_sSignature, 1),
    REPORT_FIELD(m_sSourceRoomVolume, 1),
    REPORT_FIELD(m_sRemarksLabel, 1),
    REPORT_FIELD(m_sHumidity, 3),
    REPORT_FIELD(m_sNoiseType, 5),
    REPORT_FIELD(m_sMassPerUnit, 6),
    REPORT_FIELD(m_sCuringTime, 6),
    REPORT_FIELD(m_sPageText1, 6),
    REPORT_FIELD(m_sPageText2, 6),
    REPORT_FIELD(m_sPageText3, 6),
    REPORT_FIELD(m_sPageText4, 6),
    REPORT_FIELD(m_sConditionSend, 8),
    REPORT_FIELD(m_sConditionReceive, 8),
    REPORT_FIELD(m_sTypeSend, 8),
    REPORT_FIELD(m_sTypeReceive, 8),
    REPORT_FIELD(m_sLocationSend, 8),
    REPORT_FIELD(m_sLocationReceive, 8),
    REPORT_FIELD(m_sPageText5, 9),
};

const CReportInfoDoubleField kIntensityFields[] = {
    REPORT_FIELD(m_dMeasurementArea, 13),
    REPORT_FIELD(m_dReceivingRoomArea, 13),
};

#undef REPORT_FLAG
#undef REPORT_INT
#undef REPORT_FIELD

template <class TField, size_t N>
CReportInfoFieldTable<TField> TableOf(const TField (&aFields)[N])
{
    return {aFields, N};
}

} // namespace

CReportInfoFieldTable<CReportInfoDwordField> ReportInfoDwordFields() { return TableOf(kDwordFields); }
CReportInfoFieldTable<CReportInfoDoubleField> ReportInfoRoomFields() { return TableOf(kRoomFields); }
CReportInfoFieldTable<CReportInfoTextField> ReportInfoMethodTextFields() { return TableOf(kMethodTextFields); }
CReportInfoFieldTable<CReportInfoTextField> ReportInfoReportTextFields() { return TableOf(kReportTextFields); }
CReportInfoFieldTable<CReportInfoDoubleField> ReportInfoIntensityFields() { return TableOf(kIntensityFields); }
