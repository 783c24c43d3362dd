// Behaviours of CMeasSetup: "not given" defaults, the two channels and the
// active channels, and the archive round trip.

#include "platform/afx/ArchiveBytes.h"
#include "platform/measdata/MeasSetup.h"

#include <gtest/gtest.h>

namespace {

TEST(CMeasSetup, StartsWithNothingGivenAndChannelOneActive)
{
    const CMeasSetup setup;
    EXPECT_TRUE(setup.IsChannelActivated(1));
    EXPECT_FALSE(setup.IsChannelActivated(2));
    EXPECT_EQ(-999, setup.GetMeasurementMode());
    EXPECT_EQ(-999, setup.GetDescription(1));
    EXPECT_EQ(-999, setup.GetInstrumentType(2));
    EXPECT_EQ(-999.0, setup.GetSensMic1());
    EXPECT_EQ(-999, setup.GetMeasurementTime());
    EXPECT_TRUE(setup.GetInstrSWVersion(1).IsEmpty());
    EXPECT_TRUE(setup.GetCalcPrimary().IsEmpty());
}

TEST(CMeasSetup, KeepsTheTwoChannelsApartAndRefusesOthers)
{
    CMeasSetup setup;
    setup.SetDescription(kRoleSource, 1);
    setup.SetDescription(kRoleReceiving, 2);
    setup.SetInstrumentType(2, 2);
    setup.SetFullScale(110, 1);
    setup.SetInstrSWVersion("2.13", 1);
    for (int nChannel : {0, 3, -1}) {
        setup.SetDescription(kRoleBackground, nChannel);
        setup.SetNameInstrument("wrong", nChannel);
    }
    EXPECT_EQ(kRoleSource, setup.GetDescription(1));
    EXPECT_EQ(kRoleReceiving, setup.GetDescription(2));
    EXPECT_EQ(-999, setup.GetInstrumentType(1));
    EXPECT_EQ(2, setup.GetInstrumentType(2));
    EXPECT_EQ(110, setup.GetFullScale(1));
    EXPECT_EQ(-999, setup.GetFullScale(2));
    EXPECT_EQ("2.13", setup.GetInstrSWVersion(1));
    EXPECT_TRUE(setup.GetNameInstrument(1).IsEmpty());
    EXPECT_EQ(-999, setup.GetDescription(3));
    EXPECT_TRUE(setup.GetNameInstrument(0).IsEmpty());
}

TEST(CMeasSetup, ActivatesOneChannelOrBoth)
{
    struct Row {
        const char* pszCase;
        void (*apply)(CMeasSetup&);
        bool bChannel1;
        bool bChannel2;
    } const rows[] = {
        {"channel 2 only", [](CMeasSetup& s) { s.SetActivateChannel(2); }, false, true},
        {"channel 1 only", [](CMeasSetup& s) { s.SetActivateChannel(2); s.SetActivateChannel(1); }, true, false},
        {"none", [](CMeasSetup& s) { s.SetActivateChannel(0); }, false, false},
        {"both", [](CMeasSetup& s) { s.SetChannelActivated(2, TRUE); }, true, true},
        {"1 switched off", [](CMeasSetup& s) { s.SetChannelActivated(2, TRUE); s.SetChannelActivated(1, FALSE); },
         false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        CMeasSetup setup;
        row.apply(setup);
        EXPECT_EQ(row.bChannel1, bool(setup.IsChannelActivated(1)));
        EXPECT_EQ(row.bChannel2, bool(setup.IsChannelActivated(2)));
        EXPECT_FALSE(setup.IsChannelActivated(3));
    }
}

TEST(CMeasSetup, RoundTripsThroughAnArchive)
{
    CMeasSetup setup;
    setup.SetChannelActivated(2, TRUE);
    setup.SetMeasurementMode(4);
    setup.SetLowerFreq(8);
    setup.SetUpperFreq(43);
    setup.SetSensMic2(48.25);
    setup.SetNumbersOfAverages(12);
    setup.SetReverbTime(20);
    setup.SetMeasurementTime(3605);
    setup.SetCalcSecondary("T20");
    setup.SetDescription(kRoleWithFacility, 1);
    setup.SetPortInstrument("COM3", 2);
    setup.SetInstrFileName("KEL-303.KPF", 1);

    CMeasSetup loaded;
    LoadBytes(StoreBytes([&](CArchive& ar) { setup.Serialize(ar); }),
              [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_TRUE(loaded.IsChannelActivated(1));
    EXPECT_TRUE(loaded.IsChannelActivated(2));
    EXPECT_EQ(4, loaded.GetMeasurementMode());
    EXPECT_EQ(8, loaded.GetLowerFreq());
    EXPECT_EQ(43, loaded.GetUpperFreq());
    EXPECT_EQ(48.25, loaded.GetSensMic2());
    EXPECT_EQ(-999.0, loaded.GetSensMic1());
    EXPECT_EQ(12, loaded.GetNumbersOfAverages());
    EXPECT_EQ(20, loaded.GetReverbTime());
    EXPECT_EQ(3605, loaded.GetMeasurementTime());
    EXPECT_EQ("T20", loaded.GetCalcSecondary());
    EXPECT_EQ(kRoleWithFacility, loaded.GetDescription(1));
    EXPECT_EQ("COM3", loaded.GetPortInstrument(2));
    EXPECT_EQ("KEL-303.KPF", loaded.GetInstrFileName(1));
}

} // namespace
