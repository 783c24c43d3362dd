// Behaviours of the averaging of NSpectrum: the running means of +, -, & and
// AverageIntensity with their counts and standard deviations, excluded
// operands, missing and invalid bands, and the accumulator protocol.

#include "platform/measdata/NSpectrum.h"
#include "platform/measdata/SpectrumBuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using measdata_test::MakeSpectrum;

const double kTolerance = 1e-9;

// The averaging protocol of the document and the engine: status 0, emptied,
// status 1, the operands, status 0.
template <class Add>
NSpectrum Average(NSpectrum accumulator, const std::vector<NSpectrum>& operands, Add add)
{
    accumulator.SetStatus(NSpectrum::kIncluded);
    accumulator.RemoveAll();
    accumulator.SetStatus(NSpectrum::kExcluded);
    for (const NSpectrum& operand : operands)
        accumulator = add(accumulator, operand);
    accumulator.SetStatus(NSpectrum::kIncluded);
    return accumulator;
}

NSpectrum Sum(const NSpectrum& a, const NSpectrum& b) { return a + b; }
NSpectrum Difference(const NSpectrum& a, const NSpectrum& b) { return a - b; }
NSpectrum SetMean(const NSpectrum& a, const NSpectrum& b) { return a & b; }

NSpectrum Excluded(NSpectrum spectrum)
{
    spectrum.SetStatus(NSpectrum::kExcluded);
    return spectrum;
}

TEST(NSpectrumAveraging, GivesTheThreeMeansWithCountAndSampleDeviation)
{
    const NSpectrum level50 = MakeSpectrum({{20, 50.0}});
    const NSpectrum level60 = MakeSpectrum({{20, 60.0}});
    const NSpectrum levelAccumulator;
    const NSpectrum timeAccumulator = MakeSpectrum({}, NSpectrum::kTypeReverberation);
    const NSpectrum time1 = MakeSpectrum({{20, 1.0}}, NSpectrum::kTypeReverberation);
    const NSpectrum time2 = MakeSpectrum({{20, 2.0}}, NSpectrum::kTypeReverberation);
    struct Row {
        const char* pszCase;
        NSpectrum result;
        double dMean;
        double dSD;
    } const rows[] = {
        // 10 lg((10^5 + 10^6) / 2)
        {"energetic levels", Average(levelAccumulator, {level50, level60}, Sum),
         57.40362689494244, 7.0710678118654755},
        // (1.0 + 2.0) / 2
        {"arithmetic times", Average(timeAccumulator, {time1, time2}, Sum), 1.5,
         0.70710678118654757},
        // -10 lg((10^-5 + 10^-6) / 2) with D = 50 and 60
        {"level differences", Average(levelAccumulator, {level50, level60}, Difference),
         52.59637310505756, 7.0710678118654755},
        {"set differences", Average(levelAccumulator, {level50, level60}, SetMean), 55.0,
         7.0710678118654755},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        EXPECT_NEAR(row.dMean, row.result.GetSpecLine(20), kTolerance);
        EXPECT_NEAR(row.dSD, row.result.GetSD(20), kTolerance);
        EXPECT_EQ(2, row.result.GetAvrCnt(20));
        EXPECT_EQ(NSpectrum::kBandValid, row.result.GetMeasStatus(20));
        EXPECT_EQ(1, row.result.GetNumOfFreq());
    }
}

TEST(NSpectrumAveraging, OneRecordGivesItsValueWithDeviationZero)
{
    NSpectrum record;
    record.InsertSpecLine(30, 48.3, 12, 18);
    const NSpectrum average = Average(NSpectrum(), {record}, Sum);
    EXPECT_NEAR(48.3, average.GetSpecLine(30), kTolerance);
    EXPECT_EQ(0.0, average.GetSD(30));
    EXPECT_EQ(1, average.GetAvrCnt(30));
    EXPECT_EQ("0.00", average.GetSDStr(30, 2));
}

TEST(NSpectrumAveraging, LeavesOutExcludedRecords)
{
    const NSpectrum average =
        Average(NSpectrum(), {MakeSpectrum({{20, 50.0}, {21, 40.0}}),
                              Excluded(MakeSpectrum({{20, 90.0}, {22, 90.0}})),
                              MakeSpectrum({{20, 60.0}})},
                Sum);
    EXPECT_NEAR(57.40362689494244, average.GetSpecLine(20), kTolerance);
    EXPECT_EQ(2, average.GetAvrCnt(20));
    EXPECT_EQ(40.0, average.GetSpecLine(21));
    EXPECT_EQ(1, average.GetAvrCnt(21));
    EXPECT_EQ(kMissingValue, average.GetSpecLine(22));
    EXPECT_EQ(2, average.GetNumOfFreq());
}

TEST(NSpectrumAveraging, LeavesOutMissingAndInvalidBandsBandByBand)
{
    NSpectrum second = MakeSpectrum({{20, -999.0}, {22, 66.0}});
    second.InsertSpecLine(21, 70.0, 1, NSpectrum::kBandInvalid | NSpectrum::kBandManual);
    const NSpectrum average =
        Average(NSpectrum(), {MakeSpectrum({{20, 50.0}, {21, 51.0}, {22, 60.0}}), second}, Sum);

    struct Row {
        int nBand;
        double dMean;
        int nCount;
    } const rows[] = {
        {20, 50.0, 1},
        {21, 51.0, 1},
        {22, 10.0 * std::log10((1e6 + std::pow(10.0, 6.6)) / 2.0), 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nBand);
        EXPECT_NEAR(row.dMean, average.GetSpecLine(row.nBand), kTolerance);
        EXPECT_EQ(row.nCount, average.GetAvrCnt(row.nBand));
    }
}

TEST(NSpectrumAveraging, ListWithoutRecordsAveragesToAnEmptySpectrum)
{
    NSpectrum summary = MakeSpectrum({{20, 55.0}, {21, 56.0}});
    summary.SetTitle("Average");
    const NSpectrum average = Average(summary, {}, Sum);
    EXPECT_TRUE(average == NSpectrum(0, 0));
    EXPECT_EQ("Average", average.GetTitle());

    const NSpectrum onlyExcluded = Average(summary, {Excluded(MakeSpectrum({{20, 50.0}}))}, Sum);
    EXPECT_EQ(0, onlyExcluded.GetNumOfFreq());
}

TEST(NSpectrumAveraging, ResultKeepsTheTitleTypeAndStatusOfTheAccumulator)
{
    NSpectrum accumulator = MakeSpectrum({}, 7);
    accumulator.SetTitle("Average");
    accumulator.SetStatus(NSpectrum::kExcluded);
    NSpectrum record = MakeSpectrum({{20, 50.0}});
    record.SetTitle("Pos 1");
    const NSpectrum sum = accumulator + record;
    EXPECT_EQ("Average", sum.GetTitle());
    EXPECT_EQ(7, sum.GetType());
    EXPECT_EQ(NSpectrum::kExcluded, sum.GetStatus());
}

TEST(NSpectrumAveraging, FirstContributionReplacesWhatAnAccumulatorBandHeld)
{
    // The engine sums all records of a list into a copy of the finished
    // summary without emptying it: the summary's values must not count.
    NSpectrum summaryCopy = MakeSpectrum({{20, 70.0}, {21, 71.0}});
    summaryCopy = summaryCopy + MakeSpectrum({{20, 50.0}});
    summaryCopy = summaryCopy + MakeSpectrum({{20, 60.0}});
    summaryCopy.SetStatus(NSpectrum::kIncluded);
    EXPECT_NEAR(57.40362689494244, summaryCopy.GetSpecLine(20), kTolerance);
    EXPECT_EQ(2, summaryCopy.GetAvrCnt(20));
    EXPECT_EQ(71.0, summaryCopy.GetSpecLine(21));
}

TEST(NSpectrumAveraging, StatusZeroEndsTheRunningAverage)
{
    NSpectrum accumulator = Average(NSpectrum(), {MakeSpectrum({{20, 50.0}}),
                                                  MakeSpectrum({{20, 60.0}})}, Sum);
    const NSpectrum next = accumulator + MakeSpectrum({{20, 60.0}});
    EXPECT_EQ(60.0, next.GetSpecLine(20));
    EXPECT_EQ(1, next.GetAvrCnt(20));
}

TEST(NSpectrumAveraging, AnyOtherWriteEndsTheRunningSumsOfThatBand)
{
    NSpectrum accumulator = MakeSpectrum({{20, 50.0}, {21, 50.0}});
    accumulator = accumulator + MakeSpectrum({{20, 50.0}, {21, 50.0}});
    accumulator.InsertData(21, 40.0);
    accumulator = accumulator + MakeSpectrum({{20, 60.0}, {21, 60.0}});
    EXPECT_NEAR(57.40362689494244, accumulator.GetSpecLine(20), kTolerance);
    EXPECT_EQ(60.0, accumulator.GetSpecLine(21));
    EXPECT_EQ(1, accumulator.GetAvrCnt(21));
}

TEST(NSpectrumAveraging, IntensityIsWeightedByAreaWhenAskedTo)
{
    const NSpectrum segment1 = MakeSpectrum({{20, 50.0}});
    const NSpectrum segment2 = MakeSpectrum({{20, 60.0}});
    struct Row {
        const char* pszCase;
        double dArea1;
        double dArea2;
        BOOL bWeighted;
        double dMean;
    } const rows[] = {
        // 10 lg((1 * 10^5 + 3 * 10^6) / 4)
        {"weighted", 1.0, 3.0, TRUE, 58.8930170250631},
        {"not weighted", 1.0, 3.0, FALSE, 57.40362689494244},
        {"an area missing", -999.0, 3.0, TRUE, 57.40362689494244},
        {"an area not entered", 0.0005, 3.0, TRUE, 57.40362689494244},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        NSpectrum accumulator;
        accumulator.SetStatus(NSpectrum::kExcluded);
        accumulator = accumulator.AverageIntensity(-999.0, segment1, row.dArea1, row.bWeighted);
        accumulator = accumulator.AverageIntensity(row.dArea1, segment2, row.dArea2, row.bWeighted);
        accumulator.SetStatus(NSpectrum::kIncluded);
        EXPECT_NEAR(row.dMean, accumulator.GetSpecLine(20), kTolerance);
        EXPECT_EQ(2, accumulator.GetAvrCnt(20));
    }
}

TEST(NSpectrumAveraging, IntensityLeavesOutExcludedSegments)
{
    NSpectrum accumulator;
    accumulator = accumulator.AverageIntensity(-999.0, MakeSpectrum({{20, 50.0}}), 1.0, TRUE);
    accumulator = accumulator.AverageIntensity(1.0, Excluded(MakeSpectrum({{20, 90.0}})), 5.0, TRUE);
    EXPECT_EQ(50.0, accumulator.GetSpecLine(20));
    EXPECT_EQ(1, accumulator.GetAvrCnt(20));
}

TEST(NSpectrumAveraging, AveragesVeryHighLevelsWithoutOverflow)
{
    const NSpectrum average = Average(NSpectrum(), {MakeSpectrum({{20, 4000.0}}),
                                                    MakeSpectrum({{20, 4010.0}})}, Sum);
    EXPECT_NEAR(4007.40362689494244, average.GetSpecLine(20), 1e-8);
}

TEST(NSpectrumAveraging, ManyEqualRecordsAverageToTheirValue)
{
    std::vector<NSpectrum> records(200, MakeSpectrum({{20, 63.7}, {21, 1.0}}));
    const NSpectrum average = Average(NSpectrum(), records, Sum);
    EXPECT_NEAR(63.7, average.GetSpecLine(20), kTolerance);
    EXPECT_NEAR(0.0, average.GetSD(20), kTolerance);
    EXPECT_EQ(200, average.GetAvrCnt(20));
}

TEST(NSpectrumAveraging, SetDifferencesSkipEmptySets)
{
    NSpectrum d;
    d = d & MakeSpectrum({{20, 40.0}});
    d = d & NSpectrum(0, 0);
    d = d & MakeSpectrum({{20, 46.0}, {21, 30.0}});
    EXPECT_EQ(43.0, d.GetSpecLine(20));
    EXPECT_EQ(2, d.GetAvrCnt(20));
    EXPECT_EQ(30.0, d.GetSpecLine(21));
    EXPECT_EQ(1, d.GetAvrCnt(21));
}

} // namespace
