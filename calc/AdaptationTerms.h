#pragma once
// Spectrum adaptation terms of ISO 717-1 (C, Ctr) and ISO 717-2 (CI) over
// one band range, on plain band arrays.

#include "BandArray.h"

double AdaptationTerm(const CBandArray& reduction, const CBandArray& soundSpectrum,
                      int nFirstBand, int nLastBand, double dRating);
double ImpactTerm(const CBandArray& level, int nFirstBand, int nLastBand, double dRatingWhole);
double WeightedImpactTerm(const CBandArray& level, const CBandArray& weighting,
                          int nFirstBand, int nLastBand, double dRatingWhole);
