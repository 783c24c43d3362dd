#pragma once
// Classes in this file: CRatingCase, one spectrum with the rating it gets
// (ISO 717-1 with C and Ctr, ISO 717-2 with CI, STC or IIC, with the whole-dB
// or the 0.1 dB search). A case line holds the input bands and everything the
// rating stores, written so that every double reads back to the same bits.

#include <string>
#include <vector>

struct CRatingCase {
    enum Method { kAirborne, kImpact, kStc, kIic, kMethodCount };
    static constexpr int kFirstBand = 17;   // 50 Hz
    static constexpr int kLastBand = 37;    // 5000 Hz

    Method m_eMethod = kAirborne;
    bool m_bExact = false;
    std::vector<double> m_adBand;           // bands 17..37, -999 where missing
};

std::vector<CRatingCase> GenerateRatingCases(unsigned nSeed, int nCount);
std::string RateCaseLine(const CRatingCase& ratingCase);
bool ParseRatingCase(const std::string& sLine, CRatingCase& ratingCase);
