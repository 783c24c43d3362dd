#include "NewMeasurement.h"

#include "TableColumns.h"

#include "app/AppSettings.h"
#include "model/NeutralSetup.h"
#include "model/ReportInfo.h"

namespace {

// The band range of an empty record: 50 Hz to 5 kHz.
constexpr int kNewLowerBand = 17;
constexpr int kNewUpperBand = 37;

} // namespace

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

NBuildData CNewMeasurement::Build(int nTableId, const CReportInfo& info, const CString& sTitle,
                                  const CAppSettings& settings)
{
    NBuildData rec;
    const bool bReverberation = CTableColumns::IsReverberationTable(nTableId);
    rec.m_Spectrum.SetType(bReverberation ? 1 : 0);
    rec.m_Spectrum.SetTitle(sTitle);
    const CModeAndRole modeAndRole = ModeAndRoleOf(nTableId, info);
    SetNeutralSetup(rec.m_MeasSetup, kNewLowerBand, kNewUpperBand, modeAndRole.m_nRole);
    rec.m_MeasSetup.SetMeasurementMode(modeAndRole.m_nMode);
    rec.m_Time = CTime::GetCurrentTime();
    if (!bReverberation) {
        for (int i = 0; i < settings.m_aCorrSpectra.GetSize() && i < settings.m_aCorrSelection.GetSize(); ++i) {
            if (settings.m_aCorrSelection[i] != 0)
                rec.m_Spectrum = rec.m_Spectrum.AddCorrection(settings.m_aCorrSpectra[i]);
        }
    }
    return rec;
}

void CNewMeasurement::AdaptToTable(NBuildData& rec, int nTableId, const CReportInfo& info)
{
    const CModeAndRole modeAndRole = ModeAndRoleOf(nTableId, info);
    const int nActiveChannel = rec.m_MeasSetup.IsChannelActivated(2) ? 2 : 1;
    rec.m_MeasSetup.SetMeasurementMode(modeAndRole.m_nMode);
    rec.m_MeasSetup.SetDescription(modeAndRole.m_nRole, nActiveChannel);
}
