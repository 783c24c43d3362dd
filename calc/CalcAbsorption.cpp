// Classes in this file: CCalc, its sound absorption methods in a
// reverberation room: the equivalent sound absorption area and the
// absorption coefficient of a specimen per band, the practical absorption
// coefficient per octave and its ISO 11654 rating, with one air temperature
// or with the air attenuation of both room conditions.

#include "Calc.h"

#include "AirAttenuation.h"
#include "BandMethod.h"
#include "PracticalAbsorption.h"
#include "SpectrumBands.h"

#include "model/ReportInfo.h"

#include <cmath>

namespace {

const int kBand100Hz = 20;
const int kBand5000Hz = 37;
const int kFirstOctaveBand = 17;   // 63 Hz octave: bands 17 to 19
const int kLastOctaveBand = 37;    // 4000 Hz octave: bands 35 to 37

// One condition of the reverberation room: °C, %, kPa.
struct CRoomCondition {
    double m_dTemperature;
    double m_dHumidity;
    double m_dPressure;

    bool IsGiven() const
    {
        return !IsProjectValueMissing(m_dTemperature) && !IsProjectValueMissing(m_dHumidity)
               && !IsProjectValueMissing(m_dPressure);
    }
};

// Sabine's factor of the room, s·m²: 55.3 V / c, c = 331 + 0.6 t the speed
// of sound in m/s at t °C.
double SabineFactor(double dVolume, double dTemperature)
{
    return 55.3 * dVolume / (331.0 + 0.6 * dTemperature);
}

// Refuses a room without volume (1) or a specimen without area (2).
int CheckRoom(const CReportInfo& info)
{
    if (IsProjectValueMissing(info.m_dVolume))
        return kCalcVolumeMissing;
    if (IsProjectValueMissing(info.m_dArea))
        return kCalcAreaMissing;
    return kCalcDone;
}

// Spectrum 8 := the absorption area A_T of the specimen, m², 0.1 m², and
// spectrum 0 := alpha_s = A_T / S, 0.01, per band of the band range, from the
// reverberation times T1 of the empty room (table 126) and T2 with the
// specimen (table 124). A band with a time missing, shorter than 1 ms or not
// a number stays missing: A_T would be infinite.
template <class AreaOfBand>
void WriteAbsorptionAreas(CCalc& calc, double dSpecimenArea, AreaOfBand areaOfBand)
{
    const NSpectrum empty = calc.SummaryLevel(kTableRefReverb);
    const NSpectrum withSpecimen = calc.SummaryLevel(kTableReverb);
    const CCalcSettings settings = calc.GetSettings();
    calc.m_aSpec[0] = NSpectrum();
    calc.m_aSpec[8] = NSpectrum();
    for (int nBand = settings.FirstBand(); nBand <= settings.LastBand(); ++nBand) {
        const double dTime1 = empty.GetSpecLine(nBand);
        const double dTime2 = withSpecimen.GetSpecLine(nBand);
        const bool bMissing = IsReverbTimeMissing(dTime1, kMissingThreshold)
                              || IsReverbTimeMissing(dTime2, kMissingThreshold);
        const double dArea = bMissing ? kMissingValue : areaOfBand(nBand, dTime1, dTime2);
        calc.m_aSpec[8].InsertData(nBand, RoundValue(dArea, 1));
        calc.m_aSpec[0].InsertData(nBand, bMissing ? kMissingValue
                                                   : RoundValue(dArea / dSpecimenArea, 2));
    }
}

// Spectrum 9 := alpha_p of the octaves 63 to 4000 Hz, the same value in the
// three bands of each; missing where a third is missing.
void WritePracticalCoefficients(CCalc& calc)
{
    const CBandArray alpha = BandsOf(calc.m_aSpec[0]);
    for (int nLow = kFirstOctaveBand; nLow + 2 <= kLastOctaveBand; nLow += 3) {
        const double dMean = (alpha[nLow] + alpha[nLow + 1] + alpha[nLow + 2]) / 3.0;
        const double dPractical = alpha.HasBands(nLow, nLow + 2)
                                      ? PracticalAbsorptionCoefficient(dMean)
                                      : kMissingValue;
        for (int nBand = nLow; nBand <= nLow + 2; ++nBand)
            calc.m_aSpec[9].InsertData(nBand, dPractical);
    }
}

}  // namespace

// Absorption by Sabine with one air temperature and no air attenuation:
// A_T = 55.3 V / c (1/T2 - 1/T1), m². Returns 1 without volume, 2 without
// specimen area, 4 without temperature, 3 when a band of 100 to 5000 Hz is
// missing.
int CCalc::CalcAbsorption()
{
    const CReportInfo& info = ReportInfoOf(*this);
    const int nStatus = CheckRoom(info);
    if (nStatus != kCalcDone)
        return ResetWith(*this, nStatus);
    if (IsProjectValueMissing(info.m_dTemperature1))
        return ResetWith(*this, kCalcClimateMissing);
    const double dFactor = SabineFactor(info.m_dVolume, info.m_dTemperature1);
    WriteAbsorptionAreas(*this, info.m_dArea, [=](int, double dTime1, double dTime2) {
        return dFactor * (1.0 / dTime2 - 1.0 / dTime1);
    });
    return RateAbsorptionBands();
}

// Absorption with the air attenuation of both room conditions (ISO 354):
// A_T = 55.3 V / c2 / T2 - 55.3 V / c1 / T1 - 4 V (m2 - m1), m². Returns as
// CalcAbsorption, 4 when a temperature, humidity or pressure is missing.
int CCalc::CalcAbsorptionAirAtten()
{
    const CReportInfo& info = ReportInfoOf(*this);
    const int nStatus = CheckRoom(info);
    if (nStatus != kCalcDone)
        return ResetWith(*this, nStatus);
    const CRoomCondition empty = {info.m_dTemperature1, info.m_dHumidity1, info.m_dPressure1};
    const CRoomCondition withSpecimen = {info.m_dTemperature2, info.m_dHumidity2, info.m_dPressure2};
    if (!empty.IsGiven() || !withSpecimen.IsGiven())
        return ResetWith(*this, kCalcClimateMissing);
    const double dVolume = info.m_dVolume;
    const double dFactor1 = SabineFactor(dVolume, empty.m_dTemperature);
    const double dFactor2 = SabineFactor(dVolume, withSpecimen.m_dTemperature);
    WriteAbsorptionAreas(*this, info.m_dArea, [=](int nBand, double dTime1, double dTime2) {
        const double dAir1 = CalcAirAttenuation(nBand, empty.m_dTemperature, empty.m_dHumidity,
                                                empty.m_dPressure);
        const double dAir2 = CalcAirAttenuation(nBand, withSpecimen.m_dTemperature,
                                                withSpecimen.m_dHumidity, withSpecimen.m_dPressure);
        return dFactor2 / dTime2 - dFactor1 / dTime1 - 4.0 * dVolume * (dAir2 - dAir1);
    });
    return RateAbsorptionBands();
}

// Power attenuation coefficient m of air, 1/m, at the exact frequency
// 10^(n/10) Hz of band n.
double CCalc::CalcAirAttenuation(int nBand, double dTemperature, double dHumidity, double dPressure)
{
    return AirAttenuationCoefficient(std::pow(10.0, nBand / 10.0), dTemperature, dHumidity,
                                     dPressure);
}

// The rating of an absorption result: without alpha_s from 100 to 5000 Hz
// the rating is cleared (3); otherwise alpha_p per octave and its ISO 11654
// rating.
int CCalc::RateAbsorptionBands()
{
    if (!BandsOf(m_aSpec[0]).HasBands(kBand100Hz, kBand5000Hz)) {
        ClearCurveRating();
        return kCalcBandMissing;
    }
    WritePracticalCoefficients(*this);
    RateAbsorption();
    return kCalcDone;
}
