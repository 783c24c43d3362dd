#include "NewMeasurement.h"

#include "TableColumns.h"

#include "app/AppSettings.h"
#include "model/ReportInfo.h"

CNewMeasurement::CModeAndRole CNewMeasurement::ModeAndRoleOf(int nTableId, const CReportInfo& i)
{
    const int kNotGiven = CMeasSetup::kNotGiven;
    switch (nTableId) {
    case 122:
        return {(i.m_bImpactAirborne || i.m_bImpactCorrected) ? 1 : 0, 0};
    case 123:
        return {(i.m_bImpact || i.m_bImpactAirborne || i.m_bImpactCorrected) ? 1 : 0, 1};
    case 124:
        return {3, 3};
    case 125:
        return {5, 2};
    case 126:
        return {3, i.m_bCorner ? 11 : 4};
    case 128:
        return {0, i.m_bCorner ? 8 : 0};
    case 129:
        return {i.m_bIntensity ? 12 : (i.m_bCorner && i.m_bImpact ? 1 : 0), i.m_bCorner ? 9 : 1};
    case 130:
        return {0, kNotGiven};
    case 131:
        return {0, -1};
    case 132:
        return {5, 10};
    default:
        return {kNotGiven, kNotGiven};
    }
}

void CNewMeasurement::SetNeutralSetup(CMeasSetup& setup)
{
    const int kNotGiven = CMeasSetup::kNotGiven;
    const CString sEmpty;
    setup.SetCalcMethod(kNotGiven);
    setup.SetCalcPrimary(sEmpty);
    setup.SetCalcSecondary(sEmpty);
    setup.SetDelay(kNotGiven);
    setup.SetExcitation(kNotGiven);
    setup.SetNoiseDistance(kNotGiven);
    setup.SetNoiseLevel(kNotGiven);
    setup.SetNoiseType(kNotGiven);
    setup.SetReverbTime(kNotGiven);
    setup.SetMeasurementTime(kNotGiven);
    for (int nChannel = 1; nChannel <= 2; ++nChannel) {
        setup.SetFullScale(kNotGiven, nChannel);
        setup.SetInstrFileName(sEmpty, nChannel);
        setup.SetInstrSWVersion(sEmpty, nChannel);
        setup.SetNameInstrument(sEmpty, nChannel);
        setup.SetPortInstrument(sEmpty, nChannel);
        setup.SetInstrumentType(4, nChannel);
    }
    setup.SetSensMic1(kMissingValue);
    setup.SetSensMic2(kMissingValue);
    setup.SetLowerFreq(17);
    setup.SetUpperFreq(37);
    setup.SetActivateChannel(1);
    setup.SetDescription(kNotGiven, 2);
}

NBuildData CNewMeasurement::Build(int nTableId, const CReportInfo& info, const CString& sTitle,
                                  const CAppSettings& settings)
{
    NBuildData rec;
    const bool bReverberation = CTableColumns::IsReverberationTable(nTableId);
    rec.m_Spectrum.SetType(bReverberation ? 1 : 0);
    rec.m_Spectrum.SetTitle(sTitle);
    SetNeutralSetup(rec.m_MeasSetup);
    const CModeAndRole modeAndRole = ModeAndRoleOf(nTableId, info);
    rec.m_MeasSetup.SetMeasurementMode(modeAndRole.m_nMode);
    rec.m_MeasSetup.SetDescription(modeAndRole.m_nRole, 1);
    rec.m_Time = CTime::GetCurrentTime();
    if (!bReverberation) {
        for (int i = 0; i < settings.m_aCorrSpectra.GetSize() && i < settings.m_aCorrSelection.GetSize(); ++i) {
            if (settings.m_aCorrSelection[i] != 0)
                rec.m_Spectrum = rec.m_Spectrum.AddCorrection(settings.m_aCorrSpectra[i]);
        }
    }
    return rec;
}
