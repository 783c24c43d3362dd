#include "DescriptionPaste.h"

#include "TreeItemData.h"
#include "model/NeutralSetup.h"

#include "MeasValue.h"

#include <initializer_list>

namespace {

constexpr int kRoleLabWith = -999;
constexpr int kRoleLabWithout = -1;
constexpr int kCurveLowerBand = 17;
constexpr int kCurveUpperBand = 37;
// Spectra of the results
constexpr int kPracticalAbsorption = 9;
constexpr int kBgnCorrection = 4;
constexpr int kCornerBgnCorrection = 6;
// Band marks of the correction spectra
constexpr BYTE kMarkCorrected = 2;
constexpr BYTE kMarkManual = 16;
constexpr BYTE kMarkSuspicious = 8;

bool IsOneOf(DWORD_PTR dwItem, std::initializer_list<DWORD_PTR> items)
{
    for (DWORD_PTR dw : items) {
        if (dw == dwItem)
            return true;
    }
    return false;
}

}  // namespace

int CDescriptionPaste::PasteProjectDescription()
{
    const CTreeItemView item = m_host.GetSelection();
    if (item.m_pProject == nullptr)
        return -1;
    CProjectDoc& target = *item.m_pProject;
    AddResultCurves(target, item.m_dwData, item.m_bProjectNode);
    if (item.m_bProjectNode || IsResultItemCode(item.m_dwData))
        CopyDescription(target.m_ReportInfo);
    target.Recalculate(0);
    return 0;
}

// Every case whose condition holds adds its curve.
void CDescriptionPaste::AddResultCurves(CProjectDoc& target, DWORD_PTR dwItem, bool bProjectNode)
{
    const CReportInfo& info = target.m_ReportInfo;
    if (info.m_bMultiplot && IsOneOf(dwItem, {kMultiplotTableId, kItemMeasurementData})) {
        const CReportInfo& copied = m_host.GetCopiedReportInfo();
        NBuildData curve = ResultCurve(copied.m_bAlpha_PW ? kPracticalAbsorption : 0, true, kRoleLabWithout, 0);
        if (copied.m_bAlpha_PW || copied.m_bAlpha_S)
            curve.m_Spectrum.SetType(NSpectrum::kTypeReverberation);
        target.AddMeasurement(curve, FALSE);
    }
    if (info.m_bSingleLoudspeaker && (bProjectNode || IsOneOf(dwItem, {130, kItemResults, kItemMeasurementData}))) {
        NBuildData curve = ResultCurve(0, true, kRoleLabWith, 0);
        MarkSingleLoudspeakerBands(curve, target);
        target.AddMeasurement(curve, FALSE);
    }
    if (info.m_bLab)
        AddLabCurves(target, dwItem);
}

void CDescriptionPaste::AddLabCurves(CProjectDoc& target, DWORD_PTR dwItem)
{
    const CReportInfo& info = target.m_ReportInfo;
    const bool bWith = IsOneOf(dwItem, {130, kItemMeasurementData});
    const bool bWithout = IsOneOf(dwItem, {131, kItemMeasurementData});
    if (bWith && info.m_bAirborne && !info.m_bCeiling)
        AddCurve(target, 0, true, kRoleLabWith);
    if (bWith && info.m_bImpact && info.m_bReduction)
        AddCurve(target, 0, true, kRoleLabWith);
    if (bWithout && info.m_bImpact && info.m_bReduction)
        AddCurve(target, 0, true, kRoleLabWithout);
    if (bWithout && info.m_bAirborne && info.m_bImprovement)
        AddCurve(target, 0, true, kRoleLabWithout);
    if (bWith && info.m_bImpact && info.m_bReductionLightweight)
        AddCurve(target, 0, false, kRoleLabWith);
    if (bWithout && info.m_bImpact && info.m_bReductionLightweight)
        AddCurve(target, 0, false, kRoleLabWithout);
    if (info.m_bImpactCorrected && IsOneOf(dwItem, {122, 123, 128, 129})) {
        const bool bImpactTable = dwItem == 122 || dwItem == 123;
        const bool bReceiving = dwItem == 123 || dwItem == 129;
        NBuildData curve = ResultCurve(0, false, bReceiving ? 1 : 0, bImpactTable ? 1 : 0);
        MarkCorrectedBands(curve, target);
        target.AddMeasurement(curve, FALSE);
    }
}

void CDescriptionPaste::AddCurve(CProjectDoc& target, int nSpectrum, bool bOnlyValid, int nRole, int nMode)
{
    target.AddMeasurement(ResultCurve(nSpectrum, bOnlyValid, nRole, nMode), FALSE);
}

// A result spectrum as a measurement of its own, made by no instrument.
// It is filed included (status 0): an excluded record would never reach the
// calculation of the table it is pasted into.
NBuildData CDescriptionPaste::ResultCurve(int nSpectrum, bool bOnlyValid, int nRole, int nMode) const
{
    const CCalc& calc = m_host.GetCopiedCalc();
    const NSpectrum& source = calc.m_aSpec[nSpectrum];
    NBuildData curve;
    if (!bOnlyValid || !IsMissingValue(calc.m_dRating))
        curve.m_Spectrum = source;
    curve.m_Spectrum.SetTitle(source.GetTitle());
    curve.m_Spectrum.SetStatus(NSpectrum::kIncluded);
    curve.m_Spectrum.SetType(NSpectrum::kTypeLevel);
    curve.m_Time = CTime::GetCurrentTime();
    SetNeutralSetup(curve.m_MeasSetup, kCurveLowerBand, kCurveUpperBand, nRole);
    curve.m_MeasSetup.SetMeasurementMode(nMode);
    return curve;
}

// Bands the source corrected for background noise keep their marks; a
// corrected band (2) wins over a manual one (shown as 8).
void CDescriptionPaste::MarkSingleLoudspeakerBands(NBuildData& curve, const CProjectDoc& target) const
{
    const CCalc& calc = m_host.GetCopiedCalc();
    const CCalcSettings settings = target.GetCalcSettings();
    for (int nBand = settings.m_nLowerFreq; nBand <= settings.m_nUpperFreq; ++nBand) {
        for (BYTE nMark : {kMarkManual, kMarkCorrected}) {
            if (calc.m_aSpec[kBgnCorrection].GetMeasStatus(nBand) == nMark ||
                calc.m_aSpec[kCornerBgnCorrection].GetMeasStatus(nBand) == nMark)
                curve.m_Spectrum.SetMeasStatus(nBand, nMark == kMarkManual ? kMarkSuspicious : kMarkCorrected);
        }
    }
}

void CDescriptionPaste::MarkCorrectedBands(NBuildData& curve, const CProjectDoc& target) const
{
    const CCalc& calc = m_host.GetCopiedCalc();
    const CCalcSettings settings = target.GetCalcSettings();
    for (int nBand = settings.m_nLowerFreq; nBand <= settings.m_nUpperFreq; ++nBand) {
        if (calc.m_aSpec[kBgnCorrection].GetMeasStatus(nBand) == kMarkCorrected)
            curve.m_Spectrum.SetMeasStatus(nBand, kMarkCorrected);
    }
}

// The descriptive fields of the copied project, each where the target's
// kind has it.
void CDescriptionPaste::CopyDescription(CReportInfo& info) const
{
    const CReportInfo& from = m_host.GetCopiedReportInfo();
    for (CString CReportInfo::*pText : {&CReportInfo::m_sTestDate, &CReportInfo::m_sClient,
                                        &CReportInfo::m_sDescriptionLabel, &CReportInfo::m_sDescription,
                                        &CReportInfo::m_sObjectLabel, &CReportInfo::m_sObject,
                                        &CReportInfo::m_sSourceRoomVolume, &CReportInfo::m_sNoiseType})
        info.*pText = from.*pText;
    info.m_dVolume = from.m_dVolume;
    const bool bClimate = (!info.m_bImpact && !info.m_bImpactAirborne) || info.m_bLab || info.m_bASTM;
    if (!info.m_bImpact && !info.m_bImpactAirborne)
        info.m_dArea = from.m_dArea;
    if (bClimate) {
        info.m_dTemperature1 = from.m_dTemperature1;
        info.m_sHumidity = from.m_sHumidity;
    }
    if (info.m_bLab) {
        for (CString CReportInfo::*pText : {&CReportInfo::m_sPageText1, &CReportInfo::m_sPageText2,
                                            &CReportInfo::m_sPageText3, &CReportInfo::m_sPageText4,
                                            &CReportInfo::m_sMassPerUnit})
            info.*pText = from.*pText;
        info.m_dPressure1 = from.m_dPressure1;
    }
    if (info.m_bLab && (info.m_bImpact || info.m_bImpactCorrected))
        info.m_sCuringTime = from.m_sCuringTime;
    if (info.m_bLab && info.m_bImpact && info.m_bReductionLightweight && from.m_bReductionLightweight)
        info.m_sPageText5 = from.m_sPageText5;
    if (info.m_bLab && info.m_bAbsorption) {
        for (double CReportInfo::*pNumber : {&CReportInfo::m_dTemperature2, &CReportInfo::m_dHumidity1,
                                             &CReportInfo::m_dHumidity2, &CReportInfo::m_dPressure1,
                                             &CReportInfo::m_dPressure2})
            info.*pNumber = from.*pNumber;
    }
    if (!info.m_bLab) {
        for (CString CReportInfo::*pText : {&CReportInfo::m_sConditionSend, &CReportInfo::m_sConditionReceive,
                                            &CReportInfo::m_sTypeSend, &CReportInfo::m_sTypeReceive,
                                            &CReportInfo::m_sLocationSend, &CReportInfo::m_sLocationReceive})
            info.*pText = from.*pText;
    }
    if (info.m_bBS && info.m_bBB93)
        info.m_dBB93ReverbTime = from.m_dBB93ReverbTime;
    if (info.m_bDIN && info.m_bLoudspeaker && info.m_bFacade)
        info.m_dAngle = from.m_dAngle;
    if (info.m_bIntensity) {
        info.m_dMeasurementArea = from.m_dMeasurementArea;
        info.m_dReceivingRoomArea = from.m_dReceivingRoomArea;
    }
    for (CString CReportInfo::*pText : {&CReportInfo::m_sCompany, &CReportInfo::m_sReportNoLabel,
                                        &CReportInfo::m_sReportNo, &CReportInfo::m_sDate, &CReportInfo::m_sSignature,
                                        &CReportInfo::m_sRemarksLabel})
        info.*pText = from.*pText;
}
