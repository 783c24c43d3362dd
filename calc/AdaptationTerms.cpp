// Spectrum adaptation terms of ISO 717-1 and ISO 717-2. Each term is missing
// (-999.0) when a band of its range or the rating it refers to is missing.

#include "AdaptationTerms.h"

#include "Rounding.h"

#include <cmath>

namespace {

const double kImpactTermOffset = 15.0;   // CI = Ln,sum - 15 dB - Ln,w

bool CanFormTerm(const CBandArray& values, int nFirstBand, int nLastBand, double dRating)
{
    return !IsMissingValue(dRating) && values.HasBands(nFirstBand, nLastBand);
}

// energetic sum of the band levels: 10 lg(sum 10^((L + W) / 10)), dB;
// W is 0 without a weighting
double EnergeticSum(const CBandArray& level, const CBandArray* pWeighting,
                    int nFirstBand, int nLastBand)
{
    double dSum = 0.0;
    for (int nBand = nFirstBand; nBand <= nLastBand; ++nBand) {
        const double dWeight = pWeighting ? (*pWeighting)[nBand] : 0.0;
        dSum += std::pow(10.0, (level[nBand] + dWeight) / 10.0);
    }
    return 10.0 * std::log10(dSum);
}

}  // namespace

// Relative energy of the sound spectrum K behind the element in each band of
// the range: 10^((K - R) / 10), dimensionless; missing where R is missing.
// C and Ctr over several ranges share these terms, so each is formed once.
CBandArray TransmittedEnergies(const CBandArray& reduction, const CBandArray& soundSpectrum,
                               int nFirstBand, int nLastBand)
{
    CBandArray energies;
    for (int nBand = nFirstBand; nBand <= nLastBand; ++nBand)
        if (!IsMissingValue(reduction[nBand]))
            energies[nBand] = std::pow(10.0, (soundSpectrum[nBand] - reduction[nBand]) / 10.0);
    return energies;
}

// C or Ctr from the transmitted energies: the A-weighted level difference
// X = -10 lg(sum 10^((K - R) / 10)) dB, brought to whole dB less the rating.
double AdaptationTermOfEnergies(const CBandArray& energies, int nFirstBand, int nLastBand,
                                double dRating)
{
    if (!CanFormTerm(energies, nFirstBand, nLastBand, dRating))
        return kMissingValue;
    double dSum = 0.0;
    for (int nBand = nFirstBand; nBand <= nLastBand; ++nBand)
        dSum += energies[nBand];
    return RoundTerm(-10.0 * std::log10(dSum), dRating);
}

double AdaptationTerm(const CBandArray& reduction, const CBandArray& soundSpectrum,
                      int nFirstBand, int nLastBand, double dRating)
{
    return AdaptationTermOfEnergies(TransmittedEnergies(reduction, soundSpectrum, nFirstBand,
                                                        nLastBand),
                                    nFirstBand, nLastBand, dRating);
}

// CI: the energetic sum of the impact levels less 15 dB and the rating.
double ImpactTerm(const CBandArray& level, int nFirstBand, int nLastBand, double dRatingWhole)
{
    if (!CanFormTerm(level, nFirstBand, nLastBand, dRatingWhole))
        return kMissingValue;
    return RoundTerm(EnergeticSum(level, nullptr, nFirstBand, nLastBand),
                     dRatingWhole + kImpactTermOffset);
}

// The weighted impact term: the energetic sum of the weighted impact levels
// less the rating, without the 15 dB.
double WeightedImpactTerm(const CBandArray& level, const CBandArray& weighting,
                          int nFirstBand, int nLastBand, double dRatingWhole)
{
    if (!CanFormTerm(level, nFirstBand, nLastBand, dRatingWhole))
        return kMissingValue;
    return RoundTerm(EnergeticSum(level, &weighting, nFirstBand, nLastBand), dRatingWhole);
}
