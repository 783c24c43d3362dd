// Behaviours of a graph window's axes without the window: the value limits
// that fit the spectra, band and value to pixel, lines broken at missing
// values, and the band labels that fit.

#include "platform/measdata/MeasGraphPlot.h"
#include "platform/measdata/MeasGraphScale.h"
#include "platform/measdata/SpectrumBuilder.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using measdata_test::MakeSpectrum;

typedef std::vector<std::pair<int, double>> CBandValues;

CMeasGraphRequest Request(int nLowBand, int nHighBand, const std::vector<CBandValues>& aSpectra)
{
    CMeasGraphRequest request;
    request.m_nLowBand = nLowBand;
    request.m_nHighBand = nHighBand;
    for (const CBandValues& values : aSpectra) {
        NSpectrum spectrum;
        for (const auto& band : values)
            spectrum.InsertData(band.first, band.second);
        request.m_aSpectra.push_back(spectrum);
    }
    return request;
}

TEST(MeasGraphScale, LimitsAreWholeStepsAroundTheValuesInTheBands)
{
    struct Row {
        const char* lpszCase;
        int nLowBand;
        int nHighBand;
        std::vector<CBandValues> aSpectra;
        double dLow;
        double dHigh;
        double dStep;
    };
    const Row rows[] = {
        {"levels of two spectra", 17, 37, {{{17, 35.2}, {20, 48.0}}, {{30, 69.9}}}, 30.0, 70.0, 10.0},
        {"bands outside the range do not count", 17, 20, {{{16, 5.0}, {17, 52.0}, {20, 58.0}, {21, 99.0}}},
         52.0, 58.0, 2.0},
        {"missing values do not count", 0, 43, {{{3, -999.0}, {4, 40.0}, {5, -600.0}, {6, 44.0}}}, 40.0, 44.0, 1.0},
        {"one value: a step either side", 0, 43, {{{10, 50.0}}}, 40.0, 60.0, 10.0},
        {"reverberation times", 17, 37, {{{17, 0.52}, {37, 1.9}}}, 0.5, 2.0, 0.5},
        {"negative corrections", 0, 43, {{{1, -12.0}, {2, 3.0}}}, -15.0, 5.0, 5.0},
        {"no value: the default range", 17, 37, {{{3, 40.0}}, {}}, 0.0, 100.0, 10.0},
        {"no spectrum: the default range", 17, 37, {}, 0.0, 100.0, 10.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        const CMeasGraphScale scale(Request(row.nLowBand, row.nHighBand, row.aSpectra));
        EXPECT_NEAR(row.dLow, scale.GetLowLimit(), 1e-9);
        EXPECT_NEAR(row.dHigh, scale.GetHighLimit(), 1e-9);
        EXPECT_NEAR(row.dStep, scale.GetStep(), 1e-9);
    }
}

TEST(MeasGraphScale, BandRangeIsKeptInsideTheBandsAndTurnedRound)
{
    struct Row {
        int nLow;
        int nHigh;
        int nExpectedLow;
        int nExpectedHigh;
    };
    const Row rows[] = {{17, 37, 17, 37}, {37, 17, 17, 37}, {-5, 50, 0, 43}, {20, 20, 20, 20}, {60, 70, 43, 43}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.nLow << ".." << row.nHigh);
        const CMeasGraphScale scale(Request(row.nLow, row.nHigh, {}));
        EXPECT_EQ(row.nExpectedLow, scale.GetLowBand());
        EXPECT_EQ(row.nExpectedHigh, scale.GetHighBand());
    }
}

TEST(MeasGraphPlot, BandsSpanThePlotWidthAndLimitsItsHeight)
{
    const CMeasGraphScale scale(Request(10, 20, {{{10, 30.0}, {20, 70.0}}}));
    const CMeasGraphPlot plot(scale, CRect(50, 20, 550, 420));

    EXPECT_EQ(50, plot.BandToX(10));
    EXPECT_EQ(300, plot.BandToX(15));
    EXPECT_EQ(550, plot.BandToX(20));
    EXPECT_EQ(420, plot.ValueToY(30.0));
    EXPECT_EQ(220, plot.ValueToY(50.0));
    EXPECT_EQ(20, plot.ValueToY(70.0));
}

TEST(MeasGraphPlot, ASingleBandStandsInTheMiddle)
{
    const CMeasGraphScale scale(Request(20, 20, {{{20, 50.0}}}));
    const CMeasGraphPlot plot(scale, CRect(0, 0, 100, 100));

    EXPECT_EQ(50, plot.BandToX(20));
    ASSERT_EQ(1u, plot.Lines(MakeSpectrum({{20, 50.0}})).size());
}

TEST(MeasGraphPlot, MissingValuesBreakTheLine)
{
    const CMeasGraphScale scale(Request(0, 10, {{{0, 0.0}, {10, 100.0}}}));
    const CMeasGraphPlot plot(scale, CRect(0, 0, 100, 100));
    const NSpectrum spectrum =
        MakeSpectrum({{0, 10.0}, {1, 20.0}, {2, -999.0}, {3, 30.0}, {5, 40.0}, {6, 50.0}, {7, 60.0}, {11, 70.0}});

    const std::vector<CGraphLine> aLines = plot.Lines(spectrum);

    ASSERT_EQ(3u, aLines.size());
    EXPECT_EQ((CGraphLine{CPoint(0, 90), CPoint(10, 80)}), aLines[0]);
    EXPECT_EQ((CGraphLine{CPoint(30, 70)}), aLines[1]);
    EXPECT_EQ((CGraphLine{CPoint(50, 60), CPoint(60, 50), CPoint(70, 40)}), aLines[2]);
}

TEST(MeasGraphPlot, LabelsSkipBandsUntilTheyFit)
{
    struct Row {
        int nLowBand;
        int nHighBand;
        int nPlotWidth;
        int nLabelWidth;
        int nStep;
    };
    const Row rows[] = {
        {17, 37, 600, 30, 1},  // 30 px a band: every label
        {17, 37, 600, 31, 2},  // a pixel too wide: every second
        {0, 43, 430, 45, 5},   // 10 px a band
        {20, 20, 100, 300, 1}, // one band, one label
        {0, 43, 0, 30, 43},    // no room: the first label only
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.nLowBand << ".." << row.nHighBand << " in " << row.nPlotWidth);
        const CMeasGraphScale scale(Request(row.nLowBand, row.nHighBand, {}));
        const CMeasGraphPlot plot(scale, CRect(0, 0, row.nPlotWidth, 100));
        EXPECT_EQ(row.nStep, plot.LabelStep(row.nLabelWidth));
    }
}

} // namespace
