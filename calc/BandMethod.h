#pragma once
// Classes in this file: CBandMethod, the per-band formula of a calculation
// method on the summary levels: which levels it combines, below which value an
// input counts as missing and its rounded term per band; CMethodLevels, the
// band values a method reads. With the tests for missing project values and
// band inputs that every method shares.

#include "BandArray.h"
#include "TableIds.h"

#include "NSpectrum.h"

#include <functional>
#include <vector>

class CCalc;
class CReportInfo;

constexpr double kMissingBelowStrict = -200.0;   // inputs below it are missing in some methods

bool IsProjectValueMissing(double dValue);
bool IsInputMissing(double dValue, double dMissingBelow);
bool IsReverbTimeMissing(double dTime, double dMissingBelow);
const CReportInfo& ReportInfoOf(const CCalc& calc);
int ResetWith(CCalc& calc, int nCode);
double ReferenceTimeByVolume(double dVolume);
double ProjectReferenceTime(const CReportInfo& info);
double SmallPartitionArea(const CReportInfo& info);

struct CMethodLevels {
    CBandArray m_source;      // L1, dB
    CBandArray m_receiving;   // L2, dB
    CBandArray m_reverb;      // T, s
};

struct CBandMethod {
    bool m_bLevelDifference = true;   // L1 - L2c + term; else L2c + term
    bool m_bUsesReverbTime = true;
    double m_dMissingBelow = kMissingThreshold;
    std::function<double(int nBand, double dReverbTime)> m_term;   // dB, rounded

    bool HasInputs(double dSource, double dReceiving, double dReverb) const;
    double Result(int nBand, double dSource, double dCorrectedReceiving, double dReverb) const;
};

CMethodLevels SummaryLevels(const CCalc& calc);
void WriteMethodResult(CCalc& calc, const CBandMethod& method, const CMethodLevels& levels,
                       const std::vector<const NSpectrum*>& corrections);
std::vector<const NSpectrum*> AppliedCorrections(const CCalc& calc, bool bBackground,
                                                 bool bAirborneNoise);
int WriteFieldLevelDifference(CCalc& calc, const CBandMethod& method);
NSpectrum MethodTerm(const CCalc& calc, bool bLevelDifference,
                     const std::vector<const NSpectrum*>& corrections);
double RoundedLevelTerm(double dArgument);
double NormalisedTerm(double dAbsorptionFactor, double dVolume, double dReverb);
double NegatedTerm(double dTerm);
