// Tests of CMultiplotBandValue: the shown text of a curve's band and pasted
// lines as band values by graph type.

#include "multiplot/MultiplotBandValue.h"

#include <gtest/gtest.h>

namespace {

NBuildData CurveWith(double dValue, double dCorrection)
{
    NBuildData rec;
    rec.m_Spectrum = NSpectrum(8, 43);
    rec.m_CorrSpectrum = NSpectrum(8, 43);
    rec.m_Spectrum.InsertSpecLine(20, dValue, 1, 1);
    rec.m_CorrSpectrum.InsertSpecLine(20, dCorrection, 1, 1);
    return rec;
}

} // namespace

TEST(CMultiplotBandValue, ShowsTheValueWithItsCorrectionWhenPresent)
{
    struct Row {
        double dValue;
        double dCorrection;
        int nGraphType;
        const char* lpszShown;
    } const rows[] = {
        {60.0, kMissingValue, 0, "60.0"},
        {60.0, -1.5, 0, "58.5"},
        {kMissingValue, 2.0, 0, ""},
        {1.5, kMissingValue, 1, "1.50"},
        {0.25, kMissingValue, 2, "0.25"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszShown);
        EXPECT_STREQ(row.lpszShown,
                     CMultiplotBandValue::ShownText(CurveWith(row.dValue, row.dCorrection), 20, row.nGraphType));
    }
}

TEST(CMultiplotBandValue, PastedLineWithoutNumberOrOutOfRangeIsMissing)
{
    struct Row {
        const char* lpszLine;
        int nGraphType;
        double dValue;
    } const rows[] = {
        {"", 0, kMissingValue},       {"dB", 0, kMissingValue},  {"0", 0, 0.0},
        {"-99.9", 0, -99.9},          {"-100", 0, kMissingValue}, {"199.9", 0, 199.9},
        {"200", 0, kMissingValue},    {"12.5 dB", 0, 12.5},      {"", 1, kMissingValue},
        {"0", 1, kMissingValue},      {"0.001", 1, 0.001},       {"59.99", 2, 59.99},
        {"60", 2, kMissingValue},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "\"" << row.lpszLine << "\" type " << row.nGraphType);
        EXPECT_DOUBLE_EQ(row.dValue, CMultiplotBandValue::PastedValue(row.lpszLine, row.nGraphType));
    }
}
