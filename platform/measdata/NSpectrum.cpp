// NSpectrum: band access, averaging and the band-wise operations. Text forms
// are in NSpectrumText.cpp, the archive and INI forms in NSpectrumStorage.cpp.

#include "NSpectrum.h"

#include <algorithm>
#include <cmath>

namespace {

// Nominal centre frequencies: the preferred values of every decade, in
// hundredths so that 6.3 * 10 gives exactly 63.
const int kDecadeStepsCenti[10] = {100, 125, 160, 200, 250, 315, 400, 500, 630, 800};

// A-weighting in dB per band: the analytic weighting at the exact centre
// frequency 10^(n/10) Hz rounded to 0.1 dB, as the standard tabulates it from
// 10 Hz (band 10) on.
const double kAWeighting[kBandCount] = {
    -148.6, -140.6, -132.6, -124.6, -116.7, -108.8, -100.9, -93.1, -85.4, -77.8,
    -70.4,  -63.4,  -56.7,  -50.5,  -44.7,  -39.4,  -34.6,  -30.2, -26.2, -22.5,
    -19.1,  -16.1,  -13.4,  -10.9,  -8.6,   -6.6,   -4.8,   -3.2,  -1.9,  -0.8,
    0.0,    0.6,    1.0,    1.2,    1.3,    1.2,    1.0,    0.5,   -0.1,  -1.1,
    -2.5,   -4.3,   -6.6,   -9.3};

// The one place where a value enters a band: infinities and NaN become the
// missing marker instead of travelling through means and ratings.
double StorableValue(double dValue)
{
    return std::isfinite(dValue) ? dValue : kMissingValue;
}

} // namespace

// (0, 0) is the empty spectrum; any other valid range is written as missing.
NSpectrum::NSpectrum(int nLower, int nUpper)
{
    if ((nLower == 0 && nUpper == 0) || !IsBand(nLower) || !IsBand(nUpper) || nLower > nUpper)
        return;
    for (int nBand = nLower; nBand <= nUpper; ++nBand)
        m_aBands[nBand].m_bWritten = true;
}

double NSpectrum::GetSpecLine(int nBand) const
{
    return IsBand(nBand) ? m_aBands[nBand].m_dValue : kMissingValue;
}

// An existing band keeps its status and count; a new one gets status 0 (no
// mark) and count 1.
BOOL NSpectrum::InsertData(int nBand, double dValue)
{
    if (!IsBand(nBand))
        return FALSE;
    const bool bNew = !m_aBands[nBand].m_bWritten;
    CBand& band = BandForWrite(nBand);
    band.m_dValue = StorableValue(dValue);
    if (bNew)
        band.m_nAvrCnt = 1;
    return TRUE;
}

BOOL NSpectrum::InsertSpecLine(int nBand, double dValue, int nAverages, BYTE nStatus)
{
    if (!IsBand(nBand))
        return FALSE;
    CBand& band = BandForWrite(nBand);
    band.m_dValue = StorableValue(dValue);
    band.m_nAvrCnt = std::max(nAverages, 0);
    band.m_nStatus = nStatus;
    band.m_dSD = 0.0;
    return TRUE;
}

BYTE NSpectrum::GetMeasStatus(int nBand) const
{
    return IsBand(nBand) ? m_aBands[nBand].m_nStatus : 0;
}

BOOL NSpectrum::SetMeasStatus(int nBand, BYTE nStatus)
{
    if (!IsBand(nBand))
        return FALSE;
    BandForWrite(nBand).m_nStatus = nStatus;
    return TRUE;
}

int NSpectrum::GetAvrCnt(int nBand) const
{
    return IsBand(nBand) ? m_aBands[nBand].m_nAvrCnt : 0;
}

BOOL NSpectrum::SetAvrCnt(int nBand, int nCount)
{
    if (!IsBand(nBand))
        return FALSE;
    BandForWrite(nBand).m_nAvrCnt = std::max(nCount, 0);
    return TRUE;
}

double NSpectrum::GetSD(int nBand) const
{
    return IsBand(nBand) ? m_aBands[nBand].m_dSD : 0.0;
}

int NSpectrum::GetLowerFreq() const
{
    for (int nBand = 0; nBand < kBandCount; ++nBand) {
        if (m_aBands[nBand].m_bWritten)
            return nBand;
    }
    return -1;
}

int NSpectrum::GetUpperFreq() const
{
    for (int nBand = kBandCount - 1; nBand >= 0; --nBand) {
        if (m_aBands[nBand].m_bWritten)
            return nBand;
    }
    return -1;
}

int NSpectrum::GetNumOfFreq() const
{
    return static_cast<int>(std::count_if(m_aBands.begin(), m_aBands.end(),
                                          [](const CBand& band) { return band.m_bWritten; }));
}

double NSpectrum::IndexToFreq(int nBand)
{
    if (!IsBand(nBand))
        return kMissingValue;
    int nDecade = 1;
    for (int i = 0; i < nBand / 10; ++i)
        nDecade *= 10;
    return kDecadeStepsCenti[nBand % 10] * nDecade / 100.0;
}

// Status 0 ends a running accumulation: the bands keep the means they show.
void NSpectrum::SetStatus(int nStatus)
{
    m_nStatus = nStatus;
    if (nStatus == kIncluded)
        m_aAccumulators.clear();
}

void NSpectrum::Round(int nDecimals)
{
    for (int nBand = 0; nBand < kBandCount; ++nBand) {
        if (m_aBands[nBand].m_bWritten) {
            CBand& band = BandForWrite(nBand);
            band.m_dValue = RoundValue(band.m_dValue, nDecimals);
        }
    }
}

// A band holds its defaults until its first write (BandForWrite), so only
// the written bands need clearing: an empty spectrum costs a scan of the
// flags, which a calculation object's reset meets for most of its twenty.
void NSpectrum::RemoveAll()
{
    for (CBand& band : m_aBands)
        if (band.m_bWritten)
            band = CBand();
    m_aAccumulators.clear();
}

// Same bands written with equal values; missing equals missing whatever its
// marker. Title, type, status, counts and deviations are not compared.
bool NSpectrum::operator==(const NSpectrum& other) const
{
    for (int nBand = 0; nBand < kBandCount; ++nBand) {
        const CBand& mine = m_aBands[nBand];
        const CBand& theirs = other.m_aBands[nBand];
        if (mine.m_bWritten != theirs.m_bWritten)
            return false;
        if (HasValue(nBand) != other.HasValue(nBand))
            return false;
        if (HasValue(nBand) && mine.m_dValue != theirs.m_dValue)
            return false;
    }
    return true;
}

// running average: energetic for levels, arithmetic for reverberation times
// and loss factors (type 1)
NSpectrum NSpectrum::operator+(const NSpectrum& operand) const
{
    NSpectrum result(*this);
    result.Accumulate(operand,
                      m_nType == kTypeReverberation ? CBandAccumulator::kArithmetic
                                                    : CBandAccumulator::kEnergetic,
                      0.0);
    return result;
}

// running level difference: D = -10 lg(mean 10^(-Di/10)), dB
NSpectrum NSpectrum::operator-(const NSpectrum& operand) const
{
    NSpectrum result(*this);
    result.Accumulate(operand, CBandAccumulator::kLevelDifference, 0.0);
    return result;
}

// running arithmetic mean of the level differences of measurement sets
NSpectrum NSpectrum::operator&(const NSpectrum& operand) const
{
    NSpectrum result(*this);
    result.Accumulate(operand, CBandAccumulator::kArithmetic, 0.0);
    return result;
}

// intensity level: 10 lg(sum a 10^(L/10) / sum a) when area-weighted, else the
// energetic mean. The weights are kept per band by the accumulation, so a band
// that some records lack is weighted by the areas of the records that hold it;
// the caller's running total over all records would weight it wrongly and is
// not needed here.
NSpectrum NSpectrum::AverageIntensity([[maybe_unused]] double dAreaSoFar, const NSpectrum& operand,
                                      double dArea, BOOL bAreaWeighted) const
{
    NSpectrum result(*this);
    if (bAreaWeighted) {
        // A project value below 0.001 counts as not entered.
        const double dWeight = (!IsMissingValue(dArea) && dArea >= 0.001) ? dArea : 0.0;
        result.Accumulate(operand, CBandAccumulator::kAreaWeighted, dWeight);
    } else {
        result.Accumulate(operand, CBandAccumulator::kEnergetic, 0.0);
    }
    return result;
}

// Band-wise difference a - b over the bands of either; missing unless both
// have a value.
NSpectrum NSpectrum::operator||(const NSpectrum& other) const
{
    return CombineBands(other, [](double a, double b) { return a - b; });
}

// Band-wise sum a + b over the bands of either; missing unless both have a
// value.
NSpectrum NSpectrum::operator&&(const NSpectrum& other) const
{
    return CombineBands(other, [](double a, double b) { return a + b; });
}

NSpectrum NSpectrum::AddCorrection(const NSpectrum& correction) const
{
    return ApplyCorrection(correction, 1.0);
}

NSpectrum NSpectrum::SubCorrection(const NSpectrum& correction) const
{
    return ApplyCorrection(correction, -1.0);
}

// Band-wise maximum; an excluded measurement takes no part.
NSpectrum NSpectrum::Max(const NSpectrum& other) const
{
    NSpectrum result(*this);
    if (other.m_nStatus == kExcluded)
        return result;
    for (int nBand = 0; nBand < kBandCount; ++nBand) {
        if (!other.Contributes(nBand))
            continue;
        const double dOther = other.m_aBands[nBand].m_dValue;
        if (!HasValue(nBand) || dOther > m_aBands[nBand].m_dValue)
            result.WriteComputedBand(nBand, dOther);
    }
    return result;
}

// A-weighted sum level: LA = 10 lg(sum 10^((Ln + An)/10)), dB, over the
// contributing bands of the range; missing when none contributes.
double NSpectrum::GetASum(int nFirstBand, int nBandCount) const
{
    const int nFirst = std::max(nFirstBand, 0);
    const int nLast = std::min(nFirstBand + nBandCount - 1, kBandCount - 1);
    CBandAccumulator sum;
    for (int nBand = nFirst; nBand <= nLast; ++nBand) {
        if (Contributes(nBand))
            sum.Add(m_aBands[nBand].m_dValue + kAWeighting[nBand], 0.0);
    }
    if (sum.IsEmpty())
        return kMissingValue;
    // energetic mean + 10 lg n = energetic sum
    return sum.GetMean(CBandAccumulator::kEnergetic) + 10.0 * std::log10(sum.GetCount());
}

bool NSpectrum::HasValue(int nBand) const
{
    return m_aBands[nBand].m_bWritten && !IsMissingValue(m_aBands[nBand].m_dValue);
}

// Only these bands enter averages, maxima and sums: a value, and not marked
// invalid.
bool NSpectrum::Contributes(int nBand) const
{
    return HasValue(nBand) && (m_aBands[nBand].m_nStatus & kBandInvalid) == 0;
}

// Every write other than the accumulation itself goes through here: it
// creates an unwritten band as missing and ends the band's running sums.
NSpectrum::CBand& NSpectrum::BandForWrite(int nBand)
{
    if (!m_aAccumulators.empty())
        m_aAccumulators[nBand] = CBandAccumulator();
    CBand& band = m_aBands[nBand];
    if (!band.m_bWritten) {
        band = CBand();
        band.m_bWritten = true;
    }
    return band;
}

// Bands computed by the band-wise operations carry no mark and count 1.
void NSpectrum::WriteComputedBand(int nBand, double dValue)
{
    CBand& band = BandForWrite(nBand);
    band.m_dValue = StorableValue(dValue);
    band.m_nStatus = 0;
    band.m_nAvrCnt = 1;
    band.m_dSD = 0.0;
}

void NSpectrum::Accumulate(const NSpectrum& operand, CBandAccumulator::Mean eMean, double dWeight)
{
    if (operand.m_nStatus == kExcluded)
        return;
    for (int nBand = 0; nBand < kBandCount; ++nBand) {
        if (!operand.Contributes(nBand))
            continue;
        if (m_aAccumulators.empty())
            m_aAccumulators.resize(kBandCount);
        CBandAccumulator& accumulator = m_aAccumulators[nBand];
        accumulator.Add(operand.m_aBands[nBand].m_dValue, dWeight);
        CBand& band = m_aBands[nBand];
        band.m_bWritten = true;
        band.m_dValue = StorableValue(accumulator.GetMean(eMean));
        band.m_nStatus = kBandValid;
        band.m_nAvrCnt = accumulator.GetCount();
        band.m_dSD = accumulator.GetSampleSD();
    }
}

template <class Combine>
NSpectrum NSpectrum::CombineBands(const NSpectrum& other, Combine combine) const
{
    NSpectrum result;
    result.m_sTitle = m_sTitle;
    result.m_nType = m_nType;
    for (int nBand = 0; nBand < kBandCount; ++nBand) {
        if (!m_aBands[nBand].m_bWritten && !other.m_aBands[nBand].m_bWritten)
            continue;
        const bool bBoth = HasValue(nBand) && other.HasValue(nBand);
        result.WriteComputedBand(nBand, bBoth ? combine(m_aBands[nBand].m_dValue,
                                                        other.m_aBands[nBand].m_dValue)
                                              : kMissingValue);
    }
    return result;
}

// Adds dSign times the correction to every band that has a value on both
// sides; everything else of this spectrum, its exclusion included, is kept.
NSpectrum NSpectrum::ApplyCorrection(const NSpectrum& correction, double dSign) const
{
    NSpectrum result(*this);
    for (int nBand = 0; nBand < kBandCount; ++nBand) {
        if (HasValue(nBand) && correction.HasValue(nBand)) {
            CBand& band = result.BandForWrite(nBand);
            band.m_dValue = StorableValue(band.m_dValue + dSign * correction.m_aBands[nBand].m_dValue);
        }
    }
    return result;
}
