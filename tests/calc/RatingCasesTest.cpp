// The ratings of 2000 seeded spectra (ISO 717-1 with C and Ctr, ISO 717-2
// with CI, STC, IIC; whole-dB and 0.1 dB searches; missing bands, extreme
// levels, sums meeting the limit exactly) stay what they were when
// tools/ratingcases recorded them, to the last bit of every stored value.

#include "tools/ratingcases/RatingCases.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

std::string CasesFile()
{
    const char* pszData = std::getenv("VESTOLAR_TEST_DATA");
    return std::string(pszData ? pszData : "tests/data") + "/calc/rating-cases.txt";
}

TEST(RatingCases, EverySpectrumRatesAsRecorded)
{
    std::ifstream file(CasesFile(), std::ios::binary);
    ASSERT_TRUE(file.is_open()) << CasesFile();
    std::string sRecorded;
    int nLine = 0;
    while (std::getline(file, sRecorded)) {
        ++nLine;
        SCOPED_TRACE("line " + std::to_string(nLine));
        CRatingCase ratingCase;
        ASSERT_TRUE(ParseRatingCase(sRecorded, ratingCase)) << sRecorded;
        EXPECT_EQ(sRecorded, RateCaseLine(ratingCase));
    }
    EXPECT_GT(nLine, 0);
}

}  // namespace
