// Classes in this file: CCalc, its reverberation-time methods: the measured
// reverberation time with its value at 1000 Hz or its mean over 400 to
// 1250 Hz, and the total loss factor of a structure.

#include "Calc.h"

#include "BandMethod.h"

namespace {

const int kBand1000Hz = 30;
const int kFirstMeanBand = 26;   // 400 Hz
const int kLastMeanBand = 31;    // 1250 Hz
const double kOneSixth = 1.0 / 6.0;

// Total loss factor eta = 2.2 / (T f): the constant is held in single
// precision, 2.200000047683716, as the loss factors on earlier reports were
// computed with it.
const double kLossFactorConstant = static_cast<double>(2.2f);
// Loss factors of structures lie between 0.0001 and 0.1: two decimals would
// turn 0.0022 into 0.00.
const int kLossFactorDecimals = 4;
const double kLossFactorRating = 10.0;

struct CReverbBands {
    int m_nFirstNeeded;
    int m_nLastNeeded;
    int m_nFirstCopied;
    int m_nLastCopied;
};

const CReverbBands kReverbTimeBands = {21, 36, 19, 38};       // 125-4000 Hz, 80-6300 Hz
const CReverbBands kReverbTimeMeanBands = {20, 37, 18, 39};   // 100-5000 Hz, 63-8000 Hz

// Copies the reverberation time of the summary record of table 124 into
// spectrum 0 over a fixed span, missing bands included; 3 without a band
// the single value needs. A time shorter than 1 ms is missing, as in every
// other method, so that no single value reads 0.00 s.
int CopyReverbTime(CCalc& calc, const CReverbBands& bands)
{
    calc.Reset();
    const NSpectrum reverb = calc.SummaryLevel(kTableReverb);
    for (int nBand = bands.m_nFirstNeeded; nBand <= bands.m_nLastNeeded; ++nBand)
        if (IsReverbTimeMissing(reverb.GetSpecLine(nBand), kMissingThreshold))
            return kCalcBandMissing;
    for (int nBand = bands.m_nFirstCopied; nBand <= bands.m_nLastCopied; ++nBand) {
        const double dTime = reverb.GetSpecLine(nBand);
        calc.m_aSpec[0].InsertData(nBand, IsReverbTimeMissing(dTime, kMissingThreshold) ? kMissingValue : dTime);
    }
    return kCalcDone;
}

}  // namespace

// Reverberation time T per band, s; the single value is T at 1000 Hz.
int CCalc::CalcReverbTime()
{
    const int nStatus = CopyReverbTime(*this, kReverbTimeBands);
    if (nStatus == kCalcDone)
        m_dRating = m_aSpec[0].GetSpecLine(kBand1000Hz);
    return nStatus;
}

// Reverberation time T per band, s; the single value is the arithmetic mean
// of the six bands 400 to 1250 Hz, 0.01 s.
int CCalc::CalcReverbTimeMean()
{
    const int nStatus = CopyReverbTime(*this, kReverbTimeMeanBands);
    if (nStatus != kCalcDone)
        return nStatus;
    double dSum = 0.0;
    for (int nBand = kFirstMeanBand; nBand <= kLastMeanBand; ++nBand)
        dSum += m_aSpec[0].GetSpecLine(nBand);
    m_dRating = RoundValue(dSum * kOneSixth, 2);
    return kCalcDone;
}

// Total loss factor eta = 2.2 / (T f) per band of the band range, with f the
// band's nominal centre frequency, Hz. A band whose T is missing, shorter
// than 1 ms or not a number stays unwritten: eta would be infinite or
// negative. The single value 10.0 says that a band was computed.
int CCalc::CalcTotalLossFactor()
{
    Reset();
    const NSpectrum reverb = SummaryLevel(kTableReverb);
    const CCalcSettings settings = GetSettings();
    for (int nBand = settings.FirstBand(); nBand <= settings.LastBand(); ++nBand) {
        const double dTime = reverb.GetSpecLine(nBand);
        if (IsReverbTimeMissing(dTime, kMissingThreshold))
            continue;
        m_aSpec[0].InsertData(nBand, kLossFactorConstant / (dTime * NSpectrum::IndexToFreq(nBand)));
        m_dRating = kLossFactorRating;
    }
    m_aSpec[0].Round(kLossFactorDecimals);
    return kCalcDone;
}
