// Behaviours of NSpectrum: band access, the band-wise operations and the
// text forms. Averaging is in NSpectrumAveragingTest.cpp, persistence in
// NSpectrumStorageTest.cpp.

#include "platform/measdata/NSpectrum.h"
#include "platform/measdata/SpectrumBuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using measdata_test::MakeSpectrum;

TEST(NSpectrum, BuiltWithZeroZeroIsEmptyAndReadsMissingEverywhere)
{
    const NSpectrum spectrum(0, 0);
    EXPECT_EQ(0, spectrum.GetNumOfFreq());
    EXPECT_EQ(-1, spectrum.GetLowerFreq());
    EXPECT_EQ(-1, spectrum.GetUpperFreq());
    for (int nBand = 0; nBand < kBandCount; ++nBand) {
        EXPECT_EQ(kMissingValue, spectrum.GetSpecLine(nBand));
        EXPECT_EQ(0, spectrum.GetMeasStatus(nBand));
        EXPECT_EQ(0, spectrum.GetAvrCnt(nBand));
    }
    EXPECT_TRUE(spectrum == NSpectrum());
}

TEST(NSpectrum, BuiltWithARangeHoldsThatRangeAsMissingBands)
{
    struct Row {
        int nLower;
        int nUpper;
        int nExpectedLower;
        int nExpectedCount;
    } const rows[] = {
        {17, 37, 17, 21}, {0, 43, 0, 44}, {5, 5, 5, 1},
        {5, 3, -1, 0},    {-1, 10, -1, 0}, {0, 44, -1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.nLower << ".." << row.nUpper);
        const NSpectrum spectrum(row.nLower, row.nUpper);
        EXPECT_EQ(row.nExpectedLower, spectrum.GetLowerFreq());
        EXPECT_EQ(row.nExpectedCount, spectrum.GetNumOfFreq());
        EXPECT_EQ(kMissingValue, spectrum.GetSpecLine(row.nLower));
    }
}

TEST(NSpectrum, RefusesBandsOutsideZeroToFortyThree)
{
    for (int nBand : {-1, 44, 1000}) {
        SCOPED_TRACE(nBand);
        NSpectrum spectrum;
        EXPECT_FALSE(spectrum.InsertData(nBand, 50.0));
        EXPECT_FALSE(spectrum.InsertSpecLine(nBand, 50.0, 1, 1));
        EXPECT_FALSE(spectrum.SetMeasStatus(nBand, 1));
        EXPECT_FALSE(spectrum.SetAvrCnt(nBand, 1));
        EXPECT_EQ(0, spectrum.GetNumOfFreq());
        EXPECT_EQ(kMissingValue, spectrum.GetSpecLine(nBand));
        EXPECT_EQ(0, spectrum.GetMeasStatus(nBand));
    }
}

TEST(NSpectrum, InsertDataKeepsTheStatusAndCountOfAWrittenBand)
{
    NSpectrum spectrum;
    ASSERT_TRUE(spectrum.InsertData(20, 45.0));
    EXPECT_EQ(0, spectrum.GetMeasStatus(20));
    EXPECT_EQ(1, spectrum.GetAvrCnt(20));

    spectrum.InsertSpecLine(21, 46.0, 7, 18);
    spectrum.InsertData(21, 47.5);
    EXPECT_EQ(47.5, spectrum.GetSpecLine(21));
    EXPECT_EQ(18, spectrum.GetMeasStatus(21));
    EXPECT_EQ(7, spectrum.GetAvrCnt(21));
    EXPECT_EQ(20, spectrum.GetLowerFreq());
    EXPECT_EQ(21, spectrum.GetUpperFreq());
}

TEST(NSpectrum, StoresNonFiniteValuesAndNegativeCountsSafely)
{
    NSpectrum spectrum;
    spectrum.InsertSpecLine(20, std::numeric_limits<double>::quiet_NaN(), -3, 1);
    spectrum.InsertData(21, std::numeric_limits<double>::infinity());
    EXPECT_EQ(kMissingValue, spectrum.GetSpecLine(20));
    EXPECT_EQ(0, spectrum.GetAvrCnt(20));
    EXPECT_EQ(kMissingValue, spectrum.GetSpecLine(21));
}

TEST(NSpectrum, MarksAnUnwrittenBandAsAMissingBandWithThatStatus)
{
    NSpectrum spectrum;
    spectrum.SetMeasStatus(25, 48);
    EXPECT_EQ(1, spectrum.GetNumOfFreq());
    EXPECT_EQ(48, spectrum.GetMeasStatus(25));
    EXPECT_EQ(kMissingValue, spectrum.GetSpecLine(25));
    EXPECT_EQ("N_A_MT", spectrum.GetSpecLineStr(25, 1));
}

TEST(NSpectrum, GivesTheNominalCentreFrequencyOfABand)
{
    struct Row {
        int nBand;
        double dFrequency;
    } const rows[] = {
        {0, 1.0},     {5, 3.15},   {17, 50.0},     {18, 63.0},          {20, 100.0},
        {30, 1000.0}, {38, 6300.0}, {43, 20000.0}, {44, kMissingValue}, {-1, kMissingValue},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nBand);
        EXPECT_EQ(row.dFrequency, NSpectrum::IndexToFreq(row.nBand));
    }
}

TEST(NSpectrum, RoundsEveryBandAndKeepsMissingBandsMissing)
{
    NSpectrum spectrum = MakeSpectrum({{17, 50.25}, {18, -999.9}, {19, 2.449}});
    spectrum.Round(1);
    EXPECT_EQ(50.3, spectrum.GetSpecLine(17));
    EXPECT_EQ(kMissingValue, spectrum.GetSpecLine(18));
    EXPECT_EQ(2.4, spectrum.GetSpecLine(19));
    NSpectrum again(spectrum);
    again.Round(1);
    EXPECT_TRUE(again == spectrum);
}

TEST(NSpectrum, RemoveAllKeepsTitleTypeAndStatus)
{
    NSpectrum spectrum = MakeSpectrum({{20, 1.2}}, NSpectrum::kTypeReverberation);
    spectrum.SetTitle("T");
    spectrum.SetStatus(NSpectrum::kExcluded);
    spectrum.RemoveAll();
    EXPECT_EQ(0, spectrum.GetNumOfFreq());
    EXPECT_EQ("T", spectrum.GetTitle());
    EXPECT_EQ(NSpectrum::kTypeReverberation, spectrum.GetType());
    EXPECT_EQ(NSpectrum::kExcluded, spectrum.GetStatus());
}

TEST(NSpectrum, ComparesWrittenBandsAndValuesOnly)
{
    NSpectrum a = MakeSpectrum({{17, 50.0}, {18, -999.0}});
    NSpectrum b = MakeSpectrum({{17, 50.0}, {18, -600.0}});
    b.SetTitle("other");
    b.SetAvrCnt(17, 9);
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a == MakeSpectrum({{17, 50.1}, {18, -999.0}}));
    EXPECT_FALSE(a == MakeSpectrum({{17, 50.0}}));
    EXPECT_FALSE(a == NSpectrum(0, 0));
}

TEST(NSpectrum, DifferenceIsBandWiseOverTheBandsOfEither)
{
    NSpectrum a = MakeSpectrum({{17, 60.0}, {18, 61.0}, {19, -999.0}});
    a.SetTitle("L1");
    a.SetType(3);
    a.SetStatus(NSpectrum::kExcluded);
    const NSpectrum b = MakeSpectrum({{17, 45.5}, {19, 40.0}, {20, 40.0}});

    const NSpectrum d = a || b;
    EXPECT_EQ(14.5, d.GetSpecLine(17));
    EXPECT_EQ(kMissingValue, d.GetSpecLine(18));
    EXPECT_EQ(kMissingValue, d.GetSpecLine(19));
    EXPECT_EQ(kMissingValue, d.GetSpecLine(20));
    EXPECT_EQ(4, d.GetNumOfFreq());
    EXPECT_EQ("L1", d.GetTitle());
    EXPECT_EQ(3, d.GetType());
    EXPECT_EQ(NSpectrum::kIncluded, d.GetStatus());
    EXPECT_EQ(0, d.GetMeasStatus(17));
}

TEST(NSpectrum, ImprovedCurveIsTheBandWiseSum)
{
    const NSpectrum y = MakeSpectrum({{17, 30.0}, {18, 31.0}});
    const NSpectrum deltaR = MakeSpectrum({{17, 5.5}, {19, 2.0}});
    const NSpectrum x = y && deltaR;
    EXPECT_EQ(35.5, x.GetSpecLine(17));
    EXPECT_EQ(kMissingValue, x.GetSpecLine(18));
    EXPECT_EQ(kMissingValue, x.GetSpecLine(19));
}

TEST(NSpectrum, CorrectionChangesOnlyBandsPresentOnBothSides)
{
    NSpectrum level;
    level.InsertSpecLine(17, 50.0, 3, 16);
    level.InsertSpecLine(18, -999.0, 0, 4);
    level.SetStatus(NSpectrum::kExcluded);
    level.SetTitle("Pos 1");
    const NSpectrum correction = MakeSpectrum({{17, -1.3}, {18, 2.0}, {19, 2.0}});

    const NSpectrum added = level.AddCorrection(correction);
    EXPECT_DOUBLE_EQ(48.7, added.GetSpecLine(17));
    EXPECT_EQ(16, added.GetMeasStatus(17));
    EXPECT_EQ(3, added.GetAvrCnt(17));
    EXPECT_EQ(kMissingValue, added.GetSpecLine(18));
    EXPECT_EQ(kMissingValue, added.GetSpecLine(19));
    EXPECT_EQ(2, added.GetNumOfFreq());
    EXPECT_EQ(NSpectrum::kExcluded, added.GetStatus());
    EXPECT_EQ("Pos 1", added.GetTitle());

    EXPECT_DOUBLE_EQ(51.3, level.SubCorrection(correction).GetSpecLine(17));
}

TEST(NSpectrum, MaxTakesTheLargerContributingValue)
{
    const NSpectrum a = MakeSpectrum({{17, 50.0}, {18, 55.0}, {19, 40.0}});
    NSpectrum b = MakeSpectrum({{17, 52.0}, {18, 53.0}, {20, 44.0}});
    b.InsertSpecLine(19, 70.0, 1, NSpectrum::kBandInvalid);

    const NSpectrum m = a.Max(b);
    EXPECT_EQ(52.0, m.GetSpecLine(17));
    EXPECT_EQ(55.0, m.GetSpecLine(18));
    EXPECT_EQ(40.0, m.GetSpecLine(19));
    EXPECT_EQ(44.0, m.GetSpecLine(20));
    EXPECT_TRUE(NSpectrum().Max(a) == a);

    b.SetStatus(NSpectrum::kExcluded);
    EXPECT_TRUE(a.Max(b) == a);
}

TEST(NSpectrum, SumsTheAWeightedBandsEnergetically)
{
    NSpectrum spectrum = MakeSpectrum({{30, 60.0}, {20, 79.1}, {25, -999.0}});
    spectrum.InsertSpecLine(31, 90.0, 1, NSpectrum::kBandInvalid);
    struct Row {
        int nFirst;
        int nCount;
        double dExpected;
    } const rows[] = {
        {30, 1, 60.0},                                   // 1 kHz: A = 0
        {17, 21, 60.0 + 10.0 * std::log10(2.0)},        // 100 Hz: 79.1 - 19.1 = 60
        {-5, 100, 60.0 + 10.0 * std::log10(2.0)},       // range clipped to 0..43
        {21, 4, kMissingValue},                          // nothing contributes
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.nFirst << "+" << row.nCount);
        EXPECT_NEAR(row.dExpected, spectrum.GetASum(row.nFirst, row.nCount), 1e-9);
    }
}

TEST(NSpectrum, FormatsValuesWithTheirDecimalsOrTheNoDataText)
{
    struct Row {
        double dValue;
        int nDecimals;
        const char* pszText;
    } const rows[] = {
        {57.403627, 1, "57.4"}, {57.403627, 0, "57"}, {2.45, 1, "2.5"},
        {-0.04, 1, "0.0"},      {-12.36, 1, "-12.4"}, {0.0022, 3, "0.002"},
        {-999.0, 1, "N_A_MT"},  {-499.6, 2, "N_A_MT"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszText);
        EXPECT_EQ(row.pszText, NSpectrum::FloatToString(row.dValue, row.nDecimals));
        NSpectrum spectrum;
        spectrum.InsertData(20, row.dValue);
        EXPECT_EQ(row.pszText, spectrum.GetSpecLineStr(20, row.nDecimals));
    }
}

TEST(NSpectrum, DeviationAndCountTextsNeedABandWithAValue)
{
    NSpectrum spectrum;
    spectrum.InsertSpecLine(20, 50.0, 4, 1);
    spectrum.InsertSpecLine(21, -999.0, 4, 4);
    EXPECT_EQ("0.00", spectrum.GetSDStr(20, 2));
    EXPECT_EQ("4", spectrum.GetAvrCntStr(20));
    EXPECT_EQ("N_A_MT", spectrum.GetSDStr(21, 2));
    EXPECT_EQ("N_A_MT", spectrum.GetAvrCntStr(21));
    EXPECT_EQ("N_A_MT", spectrum.GetSDStr(22, 2));
    EXPECT_EQ("N_A_MT", spectrum.GetAvrCntStr(44));
    EXPECT_EQ("N_A_MT", spectrum.GetSpecLineStr(44, 1));
}

TEST(NSpectrum, ExportsFrequenciesAndValuesAsTwoLines)
{
    const NSpectrum level = MakeSpectrum({{18, 50.25}, {20, 61.0}, {19, -999.0}});
    EXPECT_EQ("Frequency [Hz]\t63\t80\t100\r\nResult\t50.25\t\t61.00\r\n",
              level.ExportText("Result", "\t"));
    const NSpectrum reverb = MakeSpectrum({{30, 1.2345}}, NSpectrum::kTypeReverberation);
    EXPECT_EQ("Frequency [Hz];1000\r\nT;1.235\r\n", reverb.ExportText("T", ";"));
    EXPECT_EQ("Frequency [Hz]\r\nResult\r\n", NSpectrum().ExportText("Result", "\t"));
}

} // namespace
