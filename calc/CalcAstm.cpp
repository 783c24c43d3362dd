// Classes in this file: CCalc, its ASTM methods: transmission loss, the
// standardised and the plain noise reduction, and the normalised and
// standardised impact level. The absorption area follows from the volume,
// the reverberation time and the speed of sound at the air temperature.
// Band results are whole dB unless the exact rating is asked for.

#include "Calc.h"

#include "BandMethod.h"

#include "model/ReportInfo.h"

#include <cmath>

namespace {

// 55.26 V / c, m² s, with the speed of sound c = 20.047 sqrt(273.15 + t) m/s;
// the absorption area is A = 55.26 V / (c T).
double AbsorptionTimesTime(const CReportInfo& info)
{
    const double dSpeedOfSound = 20.047 * std::sqrt(273.15 + info.m_dTemperature1);
    return 55.26 * info.m_dVolume / dSpeedOfSound;
}

// The band loop of the ASTM methods: spectrum 0 the result (whole dB unless
// exact), spectrum 2 the term band by band (a method without a term writes
// only its missing bands there), -999.0 in both where an input is missing.
int WriteAstmResult(CCalc& calc, const CBandMethod& method, bool bHasTerm = true)
{
    const CCalcSettings settings = calc.GetSettings();
    if (settings.m_bBgnCorrection)
        calc.CorrectBackgroundAstm();
    const CMethodLevels levels = SummaryLevels(calc);
    const NSpectrum& correction = calc.m_aSpec[4];
    for (int nBand = settings.FirstBand(); nBand <= settings.LastBand(); ++nBand) {
        double dResult = kMissingValue;
        double dTerm = kMissingValue;
        const double dReverb = levels.m_reverb[nBand];
        if (method.HasInputs(levels.m_source[nBand], levels.m_receiving[nBand], dReverb)) {
            double dReceiving = levels.m_receiving[nBand];
            if (settings.m_bBgnCorrection && !IsMissingValue(correction.GetSpecLine(nBand)))
                dReceiving += correction.GetSpecLine(nBand);
            dTerm = method.m_term(nBand, dReverb);
            dResult = method.Result(nBand, levels.m_source[nBand], dReceiving, dReverb);
            if (!settings.m_bExactRating)
                dResult = RoundValue(dResult, 0);
        }
        calc.m_aSpec[0].InsertData(nBand, dResult);
        if (bHasTerm || IsMissingValue(dResult))
            calc.m_aSpec[2].InsertData(nBand, IsMissingValue(dResult) ? kMissingValue : dTerm);
    }
    return kCalcDone;
}

CBandMethod AstmMethod(bool bLevelDifference, std::function<double(int, double)> term)
{
    CBandMethod method;
    method.m_bLevelDifference = bLevelDifference;
    method.m_term = std::move(term);
    return method;
}

// Round(10 lg(2 T), 1), dB: the standardisation to T0 = 0.5 s.
double StandardisedTerm(int, double dReverb)
{
    return RoundedLevelTerm(2.0 * dReverb);
}

}  // namespace

// TL = L1 - L2c + Round(10 lg(S / A), 1), dB.
int CCalc::CalcAstmAirborne()
{
    const CReportInfo& info = ReportInfoOf(*this);
    if (IsProjectValueMissing(info.m_dVolume))
        return ResetWith(*this, kCalcVolumeMissing);
    if (IsProjectValueMissing(info.m_dArea))
        return ResetWith(*this, kCalcAreaMissing);
    if (IsProjectValueMissing(info.m_dTemperature1))
        return ResetWith(*this, kCalcClimateMissing);
    const double dArea = info.m_dArea;
    const double dAbsorptionTime = AbsorptionTimesTime(info);
    return WriteAstmResult(*this, AstmMethod(true, [=](int, double dReverb) {
                               return RoundedLevelTerm(dArea * dReverb / dAbsorptionTime);
                           }));
}

// NR standardised: L1 - L2c + Round(10 lg(2 T), 1), dB.
int CCalc::CalcAstmNoiseReduction()
{
    return WriteAstmResult(*this, AstmMethod(true, StandardisedTerm));
}

// NR: L1 - L2c, dB; no reverberation time, no term.
int CCalc::CalcAstmNoiseReduction2()
{
    CBandMethod method = AstmMethod(true, [](int, double) { return 0.0; });
    method.m_bUsesReverbTime = false;
    return WriteAstmResult(*this, method, false);
}

// Normalised impact level: L2c - Round(10 lg(10 / A), 1), dB.
int CCalc::CalcAstmImpact()
{
    const CReportInfo& info = ReportInfoOf(*this);
    if (IsProjectValueMissing(info.m_dVolume))
        return ResetWith(*this, kCalcVolumeMissing);
    if (IsProjectValueMissing(info.m_dTemperature1))
        return ResetWith(*this, kCalcClimateMissing);
    const double dAbsorptionTime = AbsorptionTimesTime(info);
    return WriteAstmResult(*this, AstmMethod(false, [=](int, double dReverb) {
                               const double dAbsorption = dAbsorptionTime / dReverb;
                               return NegatedTerm(RoundedLevelTerm(10.0 / dAbsorption));
                           }));
}

// Standardised impact level: L2c - Round(10 lg(2 T), 1), dB.
int CCalc::CalcAstmImpact2()
{
    return WriteAstmResult(*this, AstmMethod(false, [](int nBand, double dReverb) {
                               return NegatedTerm(StandardisedTerm(nBand, dReverb));
                           }));
}
