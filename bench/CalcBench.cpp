// Ratings of many spectra: ISO 717-1 with the adaptation terms C and Ctr,
// and ISO 717-2 with CI, over 10,000 random spectra each; the airborne
// rating also with the 0.1 dB search. One item is one rating with all its
// adaptation terms as the result pass runs it: the reset, the spectrum in,
// the rating, the terms (eight for the airborne rating, two for CI).

#include "calc/ReferenceCurves.h"
#include "tools/ratingcases/RatingProject.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

const int kSpectrumCount = 10000;

// Spectra from 50 to 5000 Hz around a reference curve (continued flat below
// 100 Hz and above 3150 Hz): a random level and slope and up to 6 dB of
// scatter per band, the same on every run.
std::vector<NSpectrum> RandomSpectra(const CBandArray& curve, unsigned nSeed)
{
    std::mt19937 generator(nSeed);
    std::uniform_real_distribution<double> level(-25.0, 25.0);
    std::uniform_real_distribution<double> slope(-0.5, 0.5);
    std::uniform_real_distribution<double> scatter(-6.0, 6.0);
    std::vector<NSpectrum> spectra(kSpectrumCount);
    for (NSpectrum& spectrum : spectra) {
        const double dLevel = level(generator);
        const double dSlope = slope(generator);
        for (int nBand = 17; nBand <= 37; ++nBand) {
            const double dCurve = curve[std::min(std::max(nBand, 20), 35)];
            const double dValue = dCurve + dLevel + dSlope * (nBand - 27) + scatter(generator);
            spectrum.InsertData(nBand, RoundValue(dValue, 1));
        }
    }
    return spectra;
}

void RateAirborneSpectra(benchmark::State& state, CCalcDocument* pProject)
{
    const std::vector<NSpectrum> spectra = RandomSpectra(RefAirborneCurve(), 717);
    CCalc calc;
    calc.m_pDoc = pProject;
    for (auto _ : state) {
        for (const NSpectrum& spectrum : spectra) {
            calc.Reset();
            calc.m_aSpec[0] = spectrum;
            calc.RateAirborne();
            calc.CalcAdaptationTermsC();
            benchmark::DoNotOptimize(calc.m_dCtr);
        }
    }
    state.SetItemsProcessed(state.iterations() * kSpectrumCount);
}

void BM_RateAirborneWithTerms(benchmark::State& state)
{
    RateAirborneSpectra(state, nullptr);
}

void BM_RateAirborneExactWithTerms(benchmark::State& state)
{
    CRatingProject project(true);
    RateAirborneSpectra(state, &project);
}

void BM_RateImpactWithTerms(benchmark::State& state)
{
    const std::vector<NSpectrum> spectra = RandomSpectra(RefImpactCurve(), 7172);
    CCalc calc;
    for (auto _ : state) {
        for (const NSpectrum& spectrum : spectra) {
            calc.Reset();
            calc.m_aSpec[0] = spectrum;
            calc.RateImpact();
            calc.CalcAdaptationTermCI();
            benchmark::DoNotOptimize(calc.m_dCI);
        }
    }
    state.SetItemsProcessed(state.iterations() * kSpectrumCount);
}

}  // namespace

BENCHMARK(BM_RateAirborneWithTerms)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RateAirborneExactWithTerms)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RateImpactWithTerms)->Unit(benchmark::kMillisecond);
