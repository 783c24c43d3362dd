#pragma once
// Spectrum adaptation terms of ISO 717-1 (C, Ctr) and ISO 717-2 (CI) over
// one band range, on plain band arrays.

#include "BandArray.h"

CBandArray TransmittedEnergies(const CBandArray& reduction, const CBandArray& soundSpectrum,
                               int nFirstBand, int nLastBand);
double AdaptationTermOfEnergies(const CBandArray& energies, int nFirstBand, int nLastBand,
                                double dRating);
double AdaptationTerm(const CBandArray& reduction, const CBandArray& soundSpectrum,
                      int nFirstBand, int nLastBand, double dRating);
double ImpactTerm(const CBandArray& level, int nFirstBand, int nLastBand, double dRatingWhole);
double WeightedImpactTerm(const CBandArray& level, const CBandArray& weighting,
                          int nFirstBand, int nLastBand, double dRatingWhole);
