// Classes in this file: CRatingCase: the seeded spectra of the rating
// regression test, their rating through CCalc, and the case line.
//
// The spectra cover what a search can trip over: ordinary measured spectra
// to 0.1 dB around the reference curve, unrounded values, a missing band in
// or beside the rated range, levels far outside any real measurement, and
// spectra whose sum of unfavourable deviations meets the limit exactly at a
// whole-dB or a 0.1 dB position.

#include "tools/ratingcases/RatingCases.h"

#include "tools/ratingcases/RatingProject.h"

#include "calc/ReferenceCurves.h"

#include <algorithm>
#include <charconv>
#include <random>
#include <sstream>

namespace {

enum Kind { kMeasured, kUnrounded, kMissingBand, kExtreme, kOnLimit, kKindCount };

const double kExtremeLevels[] = {1.0e7, -1.0e7, 1.0e5, -400.0, 499.0, -499.4};

std::string Number(double dValue)
{
    char acBuffer[32];
    const auto result = std::to_chars(acBuffer, acBuffer + sizeof(acBuffer), dValue);
    return std::string(acBuffer, result.ptr);
}

CBandArray CurveOf(CRatingCase::Method eMethod)
{
    switch (eMethod) {
    case CRatingCase::kImpact:
    case CRatingCase::kIic:
        return RefImpactCurve();
    case CRatingCase::kStc:
        return StcContour();
    default:
        return RefAirborneCurve();
    }
}

// The curve continued flat below and above the bands it lists.
double CurveValue(const CBandArray& curve, int nBand)
{
    int nFirst = 0;
    while (IsMissingValue(curve[nFirst]))
        ++nFirst;
    int nLast = kBandCount - 1;
    while (IsMissingValue(curve[nLast]))
        --nLast;
    return curve[std::clamp(nBand, nFirst, nLast)];
}

// The curve moved by a whole number of dB, with four bands of the rated range
// deficient by a quarter of dSum each, unfavourable for dSide.
std::vector<double> OnLimitBands(const CBandArray& curve, double dSide, double dSum,
                                 std::mt19937& generator)
{
    std::uniform_int_distribution<int> offset(-20, 20);
    std::uniform_int_distribution<int> band(21, 34);
    const double dOffset = offset(generator);
    std::vector<double> adBand;
    for (int nBand = CRatingCase::kFirstBand; nBand <= CRatingCase::kLastBand; ++nBand)
        adBand.push_back(CurveValue(curve, nBand) + dOffset);
    const int nFirstDeficient = band(generator);
    for (int i = 0; i < 4; ++i)
        adBand[std::min(nFirstDeficient + i, 35) - CRatingCase::kFirstBand] -= dSide * dSum / 4;
    return adBand;
}

std::vector<double> MeasuredBands(const CBandArray& curve, bool bRounded, std::mt19937& generator)
{
    std::uniform_real_distribution<double> level(-25.0, 25.0);
    std::uniform_real_distribution<double> slope(-0.5, 0.5);
    std::uniform_real_distribution<double> scatter(-6.0, 6.0);
    const double dLevel = level(generator);
    const double dSlope = slope(generator);
    std::vector<double> adBand;
    for (int nBand = CRatingCase::kFirstBand; nBand <= CRatingCase::kLastBand; ++nBand) {
        const double dValue = CurveValue(curve, nBand) + dLevel + dSlope * (nBand - 27)
                              + scatter(generator);
        adBand.push_back(bRounded ? RoundValue(dValue, 1) : dValue);
    }
    return adBand;
}

std::vector<double> CaseBands(Kind eKind, const CBandArray& curve, double dSide,
                              std::mt19937& generator)
{
    std::uniform_int_distribution<int> anyBand(CRatingCase::kFirstBand, CRatingCase::kLastBand);
    std::uniform_int_distribution<int> extreme(0, std::size(kExtremeLevels) - 1);
    // deviation sums at and around the limit 32.049 dB, and at a 0.1 dB step
    const double adSums[] = {32.0, 32.049, 32.04901, 32.1, 31.9, 32.05};
    std::uniform_int_distribution<int> sum(0, std::size(adSums) - 1);
    std::vector<double> adBand = MeasuredBands(curve, eKind != kUnrounded, generator);
    switch (eKind) {
    case kMissingBand:
        adBand[anyBand(generator) - CRatingCase::kFirstBand] = kMissingValue;
        break;
    case kExtreme:
        adBand[anyBand(generator) - CRatingCase::kFirstBand] = kExtremeLevels[extreme(generator)];
        break;
    case kOnLimit:
        adBand = OnLimitBands(curve, dSide, adSums[sum(generator)], generator);
        break;
    default:
        break;
    }
    return adBand;
}

NSpectrum SpectrumOf(const CRatingCase& ratingCase)
{
    NSpectrum spectrum;
    for (int i = 0; i < static_cast<int>(ratingCase.m_adBand.size()); ++i)
        spectrum.InsertData(CRatingCase::kFirstBand + i, ratingCase.m_adBand[i]);
    return spectrum;
}

// The rating of the case's method with its adaptation terms; returns the
// status of the rating and, behind it, of the terms.
std::vector<int> Rate(CCalc& calc, CRatingCase::Method eMethod)
{
    switch (eMethod) {
    case CRatingCase::kAirborne:
        return {calc.RateAirborne(), calc.CalcAdaptationTermsC()};
    case CRatingCase::kImpact:
        return {calc.RateImpact(), calc.CalcAdaptationTermCI()};
    case CRatingCase::kStc:
        return {calc.RateStc()};
    default:
        return {calc.RateIic()};
    }
}

const double CCalc::* const kRatedValues[] = {
    &CCalc::m_dRating,    &CCalc::m_dRatingWhole, &CCalc::m_dDevLimit,  &CCalc::m_dDevSum,
    &CCalc::m_dMaxDev,    &CCalc::m_dC,           &CCalc::m_dC50_3150,  &CCalc::m_dC100_5000,
    &CCalc::m_dC50_5000,  &CCalc::m_dCtr,         &CCalc::m_dCtr50_3150, &CCalc::m_dCtr100_5000,
    &CCalc::m_dCtr50_5000, &CCalc::m_dCI,         &CCalc::m_dCI50_2500,
};

// The written bands of a spectrum, lowest to highest, as band:value.
std::string SpectrumText(const NSpectrum& spectrum)
{
    std::string sText;
    const int nLast = spectrum.GetUpperFreq();
    for (int nBand = spectrum.GetLowerFreq(); nBand >= 0 && nBand <= nLast; ++nBand)
        sText += ' ' + std::to_string(nBand) + ':' + Number(spectrum.GetSpecLine(nBand));
    return sText;
}

}  // namespace

std::vector<CRatingCase> GenerateRatingCases(unsigned nSeed, int nCount)
{
    std::mt19937 generator(nSeed);
    std::vector<CRatingCase> cases(nCount);
    for (int i = 0; i < nCount; ++i) {
        CRatingCase& ratingCase = cases[i];
        ratingCase.m_eMethod = static_cast<CRatingCase::Method>(i % CRatingCase::kMethodCount);
        ratingCase.m_bExact = (i / CRatingCase::kMethodCount) % 2 == 1;
        const Kind eKind = static_cast<Kind>((i / (2 * CRatingCase::kMethodCount)) % kKindCount);
        const bool bImpactSide = ratingCase.m_eMethod == CRatingCase::kImpact
                                 || ratingCase.m_eMethod == CRatingCase::kIic;
        ratingCase.m_adBand = CaseBands(eKind, CurveOf(ratingCase.m_eMethod),
                                        bImpactSide ? -1.0 : 1.0, generator);
    }
    return cases;
}

// method exact | input bands | statuses | rated values | deviation spectrum
std::string RateCaseLine(const CRatingCase& ratingCase)
{
    CRatingProject project(ratingCase.m_bExact);
    CCalc calc;
    calc.m_pDoc = &project;
    calc.m_aSpec[0] = SpectrumOf(ratingCase);
    std::string sLine = std::to_string(ratingCase.m_eMethod) + ' ' + (ratingCase.m_bExact ? '1' : '0');
    sLine += " |";
    for (double dBand : ratingCase.m_adBand)
        sLine += ' ' + Number(dBand);
    sLine += " |";
    for (int nStatus : Rate(calc, ratingCase.m_eMethod))
        sLine += ' ' + std::to_string(nStatus);
    sLine += " |";
    for (const double CCalc::* pValue : kRatedValues)
        sLine += ' ' + Number(calc.*pValue);
    sLine += ' ' + std::to_string(calc.m_nMaxDevBand);
    sLine += " |" + SpectrumText(calc.m_aSpec[3]);
    return sLine;
}

bool ParseRatingCase(const std::string& sLine, CRatingCase& ratingCase)
{
    std::istringstream line(sLine);
    int nMethod = 0;
    int nExact = 0;
    std::string sToken;
    if (!(line >> nMethod >> nExact >> sToken) || nMethod < 0
        || nMethod >= CRatingCase::kMethodCount || sToken != "|")
        return false;
    ratingCase.m_eMethod = static_cast<CRatingCase::Method>(nMethod);
    ratingCase.m_bExact = nExact != 0;
    ratingCase.m_adBand.clear();
    while (line >> sToken && sToken != "|") {
        double dValue = 0.0;
        const auto result = std::from_chars(sToken.data(), sToken.data() + sToken.size(), dValue);
        if (result.ec != std::errc() || result.ptr != sToken.data() + sToken.size())
            return false;
        ratingCase.m_adBand.push_back(dValue);
    }
    return static_cast<int>(ratingCase.m_adBand.size())
           == CRatingCase::kLastBand - CRatingCase::kFirstBand + 1;
}
