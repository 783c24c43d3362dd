// Classes in this file: CCalc, its sound intensity methods: the intensity
// sound reduction index and the intensity normalised level difference, with
// the Waterhouse term of the receiving room in the modified procedure.

#include "Calc.h"

#include "BandMethod.h"
#include "SpectrumBands.h"

#include "model/ReportInfo.h"

namespace {

// dB between the sound pressure level and the intensity level of a diffuse field
const double kIntensityTerm = 6.0;
const double kReferenceArea = 10.0;  // m²

// The modified procedure needs the receiving room's volume (1) and surface (2).
int CheckModifiedRoom(const CReportInfo& info)
{
    if (!info.m_bIntensityModified)
        return kCalcDone;
    if (IsProjectValueMissing(info.m_dVolume))
        return kCalcVolumeMissing;
    if (IsProjectValueMissing(info.m_dReceivingRoomArea))
        return kCalcAreaMissing;
    return kCalcDone;
}

// Lp1 - LI - 6 + W + area term per band, dB; a negative result is missing.
// Spectrum 4 gets W under the modified procedure, spectrum 2 the difference
// of the summary levels of tables 129 and 123.
int WriteIntensityResult(CCalc& calc, double dAreaTerm)
{
    const CReportInfo& info = ReportInfoOf(calc);
    const CCalcSettings settings = calc.GetSettings();
    const CBandArray source = BandsOf(calc.SummaryLevel(kTableSource));
    const CBandArray intensity = BandsOf(calc.SummaryLevel(kTableReceiving));
    for (int nBand = settings.FirstBand(); nBand <= settings.LastBand(); ++nBand) {
        double dWaterhouse = 0.0;
        if (info.m_bIntensityModified) {
            dWaterhouse = CCalc::WaterhouseTerm(nBand, info.m_dVolume, info.m_dReceivingRoomArea);
            calc.m_aSpec[4].InsertData(nBand, dWaterhouse);
        }
        double dResult = kMissingValue;
        if (!IsMissingValue(source[nBand]) && !IsMissingValue(intensity[nBand]) &&
            !IsMissingValue(dAreaTerm))
            dResult = source[nBand] - intensity[nBand] - kIntensityTerm + dWaterhouse + dAreaTerm;
        calc.m_aSpec[0].InsertData(nBand, dResult < 0.0 ? kMissingValue : dResult);
    }
    calc.m_aSpec[2] =
        calc.SummaryLevel(kTableCornerReceiving) || calc.SummaryLevel(kTableReceiving);
    calc.m_aSpec[2].Round(1);
    return kCalcDone;
}

}  // namespace

// Intensity sound reduction index: Lp1 - LI - 6 + W + Round(10 lg(S / Sm), 1).
int CCalc::CalcIntensityReduction()
{
    const CReportInfo& info = ReportInfoOf(*this);
    if (IsProjectValueMissing(info.m_dArea) || IsProjectValueMissing(info.m_dMeasurementArea))
        return ResetWith(*this, kCalcAreaMissing);
    const int nRoom = CheckModifiedRoom(info);
    if (nRoom != kCalcDone)
        return ResetWith(*this, nRoom);
    return WriteIntensityResult(*this, RoundedLevelTerm(info.m_dArea / info.m_dMeasurementArea));
}

// Intensity normalised level difference: Lp1 - LI - 6 + W - Round(10 lg(Sm / 10), 1).
int CCalc::CalcIntensityLevelDifference()
{
    const CReportInfo& info = ReportInfoOf(*this);
    if (IsProjectValueMissing(info.m_dMeasurementArea))
        return ResetWith(*this, kCalcVolumeMissing);
    const int nRoom = CheckModifiedRoom(info);
    if (nRoom != kCalcDone)
        return ResetWith(*this, nRoom);
    return WriteIntensityResult(
        *this, NegatedTerm(RoundedLevelTerm(info.m_dMeasurementArea / kReferenceArea)));
}
