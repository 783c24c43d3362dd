// CRiroBandReader: the band fields of "LEQ?" and "T20?" replies.
#include "instrument/RiroBandReader.h"

#include "NSpectrum.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct CBand {
    int nBand;
    double dValue;
    int nStatus;
    bool operator==(const CBand& other) const
    {
        return nBand == other.nBand && dValue == other.dValue && nStatus == other.nStatus;
    }
};

std::ostream& operator<<(std::ostream& os, const CBand& band)
{
    return os << "{" << band.nBand << ", " << band.dValue << ", " << band.nStatus << "}";
}

std::vector<CBand> StoredBands(const NSpectrum& spectrum)
{
    std::vector<CBand> bands;
    for (int n = 0; n < kBandCount; ++n)
        if (spectrum.GetSpecLine(n) > -499.5)
            bands.push_back({n, spectrum.GetSpecLine(n), spectrum.GetMeasStatus(n)});
    return bands;
}

} // namespace

TEST(CRiroBandReader, FlagsSetTheStatusOfTheBandsThatFollow)
{
    const struct {
        const CRiroBandReader::CFlags* pFlags;
        LPCTSTR lpszReply;
        int nSteps;
        CRiroBandReader::EResult eResult;
        std::vector<CBand> bands;
    } kCases[] = {
        {&CRiroBandReader::kLeq, "  45.2,  47.9", 1, CRiroBandReader::kRead, {{17, 45.2, 0}, {18, 47.9, 0}}},
        {&CRiroBandReader::kLeq, "E 40.0,  41.0,A 42.0,  43.0,E 44.0", 4, CRiroBandReader::kRead,
         {{17, 40.0, 1}, {18, 41.0, 1}, {21, 44.0, 1}}},
        {&CRiroBandReader::kLeq, "  40.0, -99.0, -99.5,  20.0", 3, CRiroBandReader::kRead, {{17, 40.0, 0}, {20, 20.0, 0}}},
        {&CRiroBandReader::kT20, "  1.20, -99.0", 1, CRiroBandReader::kRead, {{17, 1.2, 0}, {18, -99.0, 0}}},
        {&CRiroBandReader::kT20, "e 1.20,g 1.30,  1.40,a 1.50,e 1.60", 4, CRiroBandReader::kRead, {{17, 1.2, 1}, {21, 1.6, 1}}},
        {&CRiroBandReader::kLeq, "  40.0,M 41.0,  42.0", 2, CRiroBandReader::kOverload, {{17, 40.0, 0}}},
        {&CRiroBandReader::kT20, "m 1.00", 0, CRiroBandReader::kOverload, {}},
        {&CRiroBandReader::kT20, "  1.00,o 1.00", 1, CRiroBandReader::kOverload, {{17, 1.0, 0}}},
        // The T20 flags mean nothing in a level reply, and the other way round.
        {&CRiroBandReader::kLeq, "m 40.0,e 41.0", 1, CRiroBandReader::kRead, {{17, 40.0, 0}, {18, 41.0, 0}}},
        // Replies too short for the bands asked for store nothing.
        {&CRiroBandReader::kLeq, "", 0, CRiroBandReader::kShortReply, {}},
        {&CRiroBandReader::kLeq, "  45.2,  47.", 1, CRiroBandReader::kShortReply, {}},
        {&CRiroBandReader::kT20, "  1.20", 1, CRiroBandReader::kShortReply, {}},
        {&CRiroBandReader::kLeq, "  45.2", -1, CRiroBandReader::kRead, {}},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.lpszReply);
        NSpectrum spectrum;
        EXPECT_EQ(row.eResult, CRiroBandReader(*row.pFlags).Read(row.lpszReply, 17, row.nSteps, spectrum));
        EXPECT_EQ(row.bands, StoredBands(spectrum));
    }
}

TEST(CRiroBandReader, AnEmptyRegisterAnswersTheProbeWithA)
{
    EXPECT_TRUE(CRiroBandReader::IsEmptyRegister("A"));
    EXPECT_TRUE(CRiroBandReader::IsEmptyRegister("A 0.0"));
    EXPECT_FALSE(CRiroBandReader::IsEmptyRegister(" 45.0"));
    EXPECT_FALSE(CRiroBandReader::IsEmptyRegister(""));
}
