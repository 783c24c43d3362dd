// The column ranges of a printed measurement table.

#include "tables/TablePrintRanges.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Ranges = std::vector<std::pair<int, int>>;

Ranges RangesOf(const CTablePrintRanges& rule, int nLastCol)
{
    Ranges ranges;
    for (const CTablePrintRanges::CRange& range : rule.Ranges(nLastCol))
        ranges.emplace_back(range.nStartCol, range.nEndCol);
    return ranges;
}

TEST(CTablePrintRanges, SplitsATableIntoPages)
{
    struct Row {
        const char* lpszCase;
        bool bReverberation, bCorrection, bAverages, bStatus;
        int nLastCol;
        Ranges expected;
    };
    const Row rows[] = {
        // 12 level measurements of five columns after the four first ones.
        {"level, Corr. on", false, true, false, false, 64, {{0, 43}, {44, 64}}},
        {"level, Corr. off", false, false, false, false, 64, {{0, 64}}},
        {"level, ends on the first range", false, true, false, false, 43, {{0, 43}}},
        {"level, one column more", false, true, false, false, 44, {{0, 43}, {44, 44}}},
        {"level, three pages", false, true, true, true, 90, {{0, 28}, {29, 58}, {59, 88}, {89, 90}}},
        {"reverberation restarts on the group", true, false, false, false, 120, {{0, 46}, {46, 100}, {100, 120}}},
        {"reverberation, N and S", true, false, true, true, 60, {{0, 22}, {22, 49}, {49, 60}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CTablePrintRanges rule(row.bReverberation, row.bCorrection, row.bAverages, row.bStatus);
        EXPECT_EQ(RangesOf(rule, row.nLastCol), row.expected);
    }
}

TEST(CTablePrintRanges, GivesEachColumnSetItsSpans)
{
    struct Row {
        bool bReverberation, bCorrection, bAverages, bStatus;
        int nFirst, nLater;
    };
    const Row rows[] = {
        {false, true, false, false, 43, 49}, {false, true, true, false, 33, 39}, {false, true, false, true, 33, 39},
        {false, true, true, true, 28, 29},   {false, false, false, false, 73, 94}, {false, false, true, false, 48, 54},
        {false, false, true, true, 38, 39},  {true, false, false, false, 46, 54}, {true, true, false, true, 31, 36},
        {true, false, true, true, 22, 27},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.bReverberation << row.bCorrection << row.bAverages << row.bStatus);
        CTablePrintRanges rule(row.bReverberation, row.bCorrection, row.bAverages, row.bStatus);
        EXPECT_EQ(rule.Span(true), row.nFirst);
        EXPECT_EQ(rule.Span(false), row.nLater);
    }
}

}  // namespace
