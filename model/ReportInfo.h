#pragma once
// Classes in this file: CReportInfo, the report-type descriptor of a project:
// which kind of project it is (setting, measurement kind, standard family and
// edition, object and procedure, reported quantity), the texts of its method
// and report head, and its room and climate data. A plain value: whoever needs
// the project kind holds a copy. Doubles are -999.0 when not given.

#include "afx.h"

class CReportInfo : public CObject {
    DECLARE_SERIAL(CReportInfo)
public:
    explicit CReportInfo(bool bDefaults = true);
    CReportInfo(const CReportInfo& other) = default;
    CReportInfo& operator=(const CReportInfo& other) = default;
    ~CReportInfo() override = default;

// Persistence: the archive record (ReportInfoArchive.cpp) and the profile
// section of a recently used method (ReportInfoProfile.cpp)
    void Serialize(CArchive& ar) override;
    virtual int SaveToProfile(CSettingsStore& profile, CString sSection);
    virtual int LoadFromProfile(const CSettingsStore& profile, CString sSection);

// Setting
    bool m_bField = false;
    bool m_bLab = false;
    bool m_bMultiplot = false;
// Measurement kind
    bool m_bAirborne = false;
    bool m_bImpact = false;
    bool m_bAbsorption = false;
    bool m_bImpactAirborne = false;
    bool m_bImpactCorrected = false;
    bool m_bReverberation = false;
    bool m_bTotalLossFactor = false;
// Standard family and edition
    bool m_bISO = false;
    bool m_bSIA = false;
    bool m_bOEN = false;
    bool m_bDIN = false;
    bool m_bBS = false;
    bool m_bSS = false;
    bool m_bNF = false;
    bool m_bASTM = false;
    int m_nYear = -999;
// Object and procedure
    bool m_bRoom = false;
    bool m_bElements = false;
    bool m_bSmallElements = false;
    bool m_bCeiling = false;
    bool m_bDoorHall = false;
    bool m_bLowFreq = false;
    bool m_bBB93 = false;
    bool m_bFacade = false;
    bool m_bLoudspeaker = false;
    bool m_bRoadTraffic = false;
    bool m_bRailwayTraffic = false;
    bool m_bAirTraffic = false;
    bool m_bCloseRange = false;
    bool m_bFarRange = false;
    bool m_bIntensity = false;
    bool m_bIntensityModified = false;
// Reported quantity
    bool m_bNormal = false;
    bool m_bStandard = false;
    bool m_bReduction = false;
    bool m_bApparent = false;
    bool m_bAlpha_S = false;
    bool m_bAlpha_PW = false;
    bool m_bImprovement = false;
    int m_nCoincidenceFreq = 0;  // basic element: 0 heavy wall, 1 heavy floor, 2 light wall, 3 direct
    bool m_bReductionLightweight = false;
    bool m_bFlankingTransmission = false;
    bool m_bSingleLoudspeaker = false;
    bool m_bDifference = false;
    bool m_bCorner = false;
    bool m_bAverageLoudspeaker = false;
// Texts of the method
    CString m_sTitle;
    CString m_sSubTitle;
    CString m_sIndexStr;
    CString m_sSubscript;
    CString m_sGraphTitle;
    CString m_sTreeTitle;
    CString m_sTemplateFileName;
// Room and climate data
    double m_dVolume = -999.0;          // m³
    double m_dArea = -999.0;            // m²
    double m_dTemperature1 = -999.0;    // °C, room condition 1
    double m_dTemperature2 = -999.0;    // °C, room condition 2
    double m_dHumidity1 = -999.0;       // %
    double m_dHumidity2 = -999.0;       // %
    double m_dBB93ReverbTime = -999.0;  // s
    double m_dPressure1 = -999.0;       // kPa
    double m_dPressure2 = -999.0;       // kPa
    double m_dAngle = -999.0;           // degrees
// Texts of the report head
    CString m_sClient;
    CString m_sTestDate;
    CString m_sDescriptionLabel;
    CString m_sDescription;
    CString m_sObjectLabel;
    CString m_sObject;
    CString m_sCompany;
    CString m_sReportNoLabel;
    CString m_sReportNo;
    CString m_sDate;
    CString m_sSignature;
    CString m_sSourceRoomVolume;
    CString m_sRemarksLabel;
    CString m_sHumidity;
    CString m_sNoiseType;
    CString m_sMassPerUnit;
    CString m_sCuringTime;
    CString m_sPageText1;
    CString m_sPageText2;
    CString m_sPageText3;
    CString m_sPageText4;
    CString m_sConditionSend;
    CString m_sConditionReceive;
    CString m_sTypeSend;
    CString m_sTypeReceive;
    CString m_sLocationSend;
    CString m_sLocationReceive;
    CString m_sPageText5;
// Intensity areas
    double m_dMeasurementArea = -999.0;    // m², measurement surface SM
    double m_dReceivingRoomArea = -999.0;  // m², receiving room surface Sb2
};
