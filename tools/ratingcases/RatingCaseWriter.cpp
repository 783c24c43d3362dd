// ratingcasewriter <file>: rates the seeded spectra of the rating regression
// test with the engine as it is and writes one case line per spectrum. Run it
// only when a rating is meant to change, and review the difference.

#include "tools/ratingcases/RatingCases.h"

#include <cstdio>
#include <fstream>

namespace {

const unsigned kSeed = 717;
const int kCaseCount = 2000;

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: ratingcasewriter <file>\n");
        return 2;
    }
    std::ofstream file(argv[1], std::ios::binary);
    for (const CRatingCase& ratingCase : GenerateRatingCases(kSeed, kCaseCount))
        file << RateCaseLine(ratingCase) << '\n';
    if (!file) {
        std::fprintf(stderr, "ratingcasewriter: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
