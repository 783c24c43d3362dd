// CRiroSequence: the set-up sequences as they go on the wire, the gains and
// the duration estimate.
#include "instrument/RiroSequence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The lines the sequence sends, with "(wait)" after the ones the start dialog
// shows, and the gains of a sensitivity reply of -26.4 dB on both channels.
std::vector<std::string> Wire(const CRiroSequence& sequence)
{
    std::vector<std::string> lines;
    CRiroSequence::CGains gains;
    for (const CRiroSequence::CStep& step : sequence.Build()) {
        if (step.eKind == CRiroSequence::kQuerySensitivities)
            gains = CRiroSequence::Gains(step, -26.4, -26.4);
        std::string line = static_cast<LPCTSTR>(CRiroSequence::FormatCommand(step, gains));
        if (step.nWaitMs > 0)
            line += " (" + std::to_string(step.nWaitMs) + ")";
        lines.push_back(line);
    }
    return lines;
}

const char kBandwidth[] = "BAW 2;UFR 20000;LFR 50;UFR 5000 (2000)";

} // namespace

TEST(CRiroSequence, EachKindSendsItsLinesInBothVariants)
{
    CRiroSettings airborneMls;
    CRiroSettings airborne;
    airborne.m_nCheckAirMls = 0;
    airborne.m_nAirFs1 = 100;
    CRiroSettings impact;
    impact.m_nWriteRdBttn = CRiroSettings::kImpact;
    impact.m_nCheckImpactCh2 = 0;
    CRiroSettings reverbMls;
    reverbMls.m_nWriteRdBttn = CRiroSettings::kReverberation;
    reverbMls.m_nReverbAvrg = 4;
    reverbMls.m_nCheckReverbCh1 = 0;
    CRiroSettings reverb = reverbMls;
    reverb.m_nCheckReverbMls = 0;
    reverb.m_nCheckReverbCh1 = 1;
    const struct {
        const char* pszName;
        const CRiroSettings* pSettings;
        int nSourceMode;
        bool bSecond;
        std::vector<std::string> wire;
    } kCases[] = {
        {"airborne MLS, mode 2", &airborneMls, 2, false,
         {"MOD 1 (4000)", kBandwidth, "CHN 0;HPF 2;INP 1 (1000)", "IAS? 0,1,1", "CHN 1;GAN 15;CHN 2;GAN 7 (1500)",
          "MNA 1", "RSN 6", "NOT 1;NOS 2;NOL 6 (2000)"}},
        {"airborne MLS, mode 1", &airborneMls, 1, false,
         {"SMM 2 (5000)", "MOD 1 (4000)", kBandwidth, "CHN 0;HPF 2;INP 1 (1000)", "IAS? 0,1,1",
          "CHN 1;GAN 15;CHN 2;GAN 7 (1500)", "MNA 1", "RSN 6", "NOT 1;NOS 2;NOL 6 (2000)"}},
        {"airborne, mode 2", &airborne, 2, false,
         {"SMM 1 (5000)", "MOD 1 (4000)", kBandwidth, "CHN 0;HPF 2;INP 1 (1000)", "IAS? 0,1,1",
          "CHN 1;GAN 11;CHN 2;GAN 7 (1500)", "TIC 2;SSM 0", "MEE 1;MEP 16,0 (1000)", "NOT 1;NOS 2;NOL 0;GSM 1 (2000)",
          "XCO 0 (1000)"}},
        {"airborne, second variant", &airborne, 1, true,
         {"MOD 1 (4000)", kBandwidth, "CHN 0;HPF 2;INP 2 (1000)", "IAS? 0,1,1", "CHN 1;GAN 11;CHN 2;GAN 7 (1500)",
          "TIC 2;SSM 0", "MEE 1;MEP 45,0 (1000)", "NOT 2;NOS 2;NOL 0;GSM 1 (2000)", "XCO 0 (1000)"}},
        {"impact, channel 2 off", &impact, 2, false,
         {"SMM 1 (5000)", "MOD 1 (4000)", kBandwidth, "TIC 2;SSM 0", "MEE 1;MEP 16,0 (2000)", "NOL 20;GSM 0 (1000)",
          "XCO 0 (1000)", "CHN 0;INP 1 (1000)", "IAS? 0,1,1", "CHN 1;HPF 2;INP 1 (1000)", "GAN 7 (1500)",
          "CHN 2;INP 0 (1000)"}},
        {"impact, second variant", &impact, 1, true,
         {"MOD 1 (4000)", kBandwidth, "TIC 2;SSM 0", "MEE 1;MEP 16,0 (2000)", "NOL 20;GSM 0 (1000)", "XCO 0 (1000)",
          "CHN 0;INP 2 (1000)", "IAS? 0,1,1", "CHN 1;HPF 2;INP 2 (1000)", "GAN 7 (1500)", "CHN 2;INP 0 (1000)"}},
        {"reverberation MLS, channel 1 off", &reverbMls, 1, false,
         {"SMM 2 (5000)", "MOD 2 (4000)", "CHN 0;INP 1 (1000)", "IAS? 0,1,1", "CHN 1;INP 0 (1000)",
          "CHN 2;HPF 2;INP 1 (1000)", "GAN 15 (1500)", "BGL 10 (1000)", kBandwidth, "MNA 4", "RSN 10",
          "NOT 1;NOS 2;NOL 12 (1500)"}},
        {"reverberation", &reverb, 1, false,
         {"MOD 2 (4000)", "CHN 0;INP 1 (1000)", "IAS? 0,1,1", "CHN 1;HPF 2;INP 1 (1000)", "GAN 15 (1500)",
          "CHN 2;HPF 2;INP 1 (1000)", "GAN 15 (1500)", "BGL 10 (1000)", "BAW 2;UFR 20000;LFR 100;UFR 5000 (2000)",
          "TIC 2;SSM 0", "MEE 1;MEP 0,004;NPR 1000;NPB 100 (2000)",
          "VLR 1,1;VLR 2,0;VLR 3,0;VLR 4,0;VLR 5,0;VLR 6,0 (2500)", "NOT 1;NOS 2;NOL 0;GSM 0 (2000)",
          "XCT 1;XTM 3 (1000)", "XCO 6;XDL 0 (1000)"}},
        {"reverberation, second variant", &reverb, 2, true,
         {"SMM 1 (5000)", "MOD 2 (4000)", "CHN 0;INP 2 (1000)", "IAS? 0,1,2", "CHN 1;HPF 2;INP 2 (1000)",
          "GAN 15 (1500)", "CHN 2;HPF 2;INP 2 (1000)", "GAN 15 (1500)", "BGL 10 (1000)", kBandwidth, "TIC 2;SSM 0",
          "MEE 1;MEP 0,004;NPR 1000;NPB 100 (2000)", "VLR 1,1;VLR 2,0;VLR 3,0;VLR 4,0;VLR 5,0;VLR 6,0 (2500)",
          "NOT 2;NOS 2;NOL 0;GSM 0 (2000)", "XCT 1;XTM 8 (1000)", "XCO 6;XDL 0 (1000)"}},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.pszName);
        EXPECT_EQ(row.wire, Wire(CRiroSequence(*row.pSettings, row.nSourceMode, row.bSecond)));
    }
}

TEST(CRiroSequence, AnotherKindSendsNothingAndKeepsTheEstimate)
{
    CRiroSettings settings;
    settings.m_nWriteRdBttn = 1083;
    const CRiroSequence sequence(settings, 1, false);
    EXPECT_TRUE(sequence.Build().empty());
    EXPECT_DOUBLE_EQ(7.25, sequence.EstimateDuration(7.25));
}

TEST(CRiroSequence, GainsRoundHalfUpFromTheFullScaleAndSensitivity)
{
    const struct {
        int nFullScale;
        double dSensitivity;
        int nGain;
    } kCases[] = {
        {120, -26.4, 15}, {80, -26.4, 7}, {50, -26.4, 1}, {160, -26.4, 23},
        {82, -26.4, 7},   {83, -26.4, 8}, {120, -30.0, 14}, {45, -26.4, 0}, {40, -26.4, 0},  // -0.5 truncates to 0
        {30, -26.4, -2},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(::testing::Message() << row.nFullScale << " dB, " << row.dSensitivity << " dB");
        EXPECT_EQ(row.nGain, CRiroSequence::Gain(row.nFullScale, row.dSensitivity));
    }
}

TEST(CRiroSequence, TheEstimateCountsTheSourceModeSwitchAndTheChannels)
{
    const struct {
        int nKind, nMls, nChannel2, nSourceMode;
        double dSeconds;
    } kCases[] = {
        {CRiroSettings::kAirborne, 1, 1, 2, 10.5},
        {CRiroSettings::kAirborne, 1, 1, 1, 15.5},
        {CRiroSettings::kAirborne, 0, 1, 1, 12.5},
        {CRiroSettings::kAirborne, 0, 1, 2, 17.5},
        {CRiroSettings::kAirborne, 1, 1, 0, 10.5},  // an unknown mode is switched, but not counted
        {CRiroSettings::kImpact, 1, 1, 1, 18.0},
        {CRiroSettings::kImpact, 1, 0, 1, 15.5},
        {CRiroSettings::kImpact, 1, 1, 2, 23.0},
        {CRiroSettings::kReverberation, 0, 1, 1, 24.0},
        {CRiroSettings::kReverberation, 0, 0, 2, 25.0},
        {CRiroSettings::kReverberation, 1, 1, 2, 18.0},
        {CRiroSettings::kReverberation, 1, 1, 1, 23.0},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(::testing::Message() << row.nKind << " MLS " << row.nMls << " ch2 " << row.nChannel2 << " mode "
                                          << row.nSourceMode);
        CRiroSettings settings;
        settings.m_nWriteRdBttn = row.nKind;
        settings.m_nCheckAirMls = settings.m_nCheckReverbMls = row.nMls;
        settings.m_nCheckImpactCh2 = settings.m_nCheckReverbCh2 = row.nChannel2;
        EXPECT_DOUBLE_EQ(row.dSeconds, CRiroSequence(settings, row.nSourceMode, false).EstimateDuration(0.0));
    }
}
