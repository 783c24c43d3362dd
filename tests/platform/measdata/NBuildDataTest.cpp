// Behaviours of NBuildData and NMeasCtrlData: a fresh record, the import of
// one channel of a control record with the choice of reverberation time, the
// text export, and archive round trips of records and record lists,
// truncated archives included.

#include "platform/afx/ArchiveBytes.h"
#include "platform/measdata/NBuildData.h"
#include "platform/measdata/NMeasCtrlData.h"
#include "platform/measdata/SpectrumBuilder.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using measdata_test::MakeSpectrum;

const CTime kTime(2023, 6, 1, 14, 30, 0);

NMeasCtrlData TwoChannelLevels()
{
    NMeasCtrlData ctrl;
    ctrl.m_MeasSetup.SetMeasurementMode(0);
    ctrl.m_MeasSetup.SetChannelActivated(2, TRUE);
    ctrl.m_MeasSetup.SetDescription(kRoleSource, 1);
    ctrl.m_MeasSetup.SetDescription(kRoleReceiving, 2);
    ctrl.m_aLevel[0] = MakeSpectrum({{20, 80.0}});
    ctrl.m_aLevel[0].SetTitle("Source");
    ctrl.m_aLevel[1] = MakeSpectrum({{20, 45.0}});
    ctrl.m_aLevel[1].SetTitle("Receiving");
    ctrl.m_Time = kTime;
    ctrl.m_nSetNumber = 3;
    ctrl.m_dArea = 12.5;
    return ctrl;
}

TEST(NBuildData, StartsEmptyWithNothingGiven)
{
    const NBuildData record;
    EXPECT_EQ(0, record.m_Spectrum.GetNumOfFreq());
    EXPECT_EQ(0, record.m_CorrSpectrum.GetNumOfFreq());
    EXPECT_EQ(0, record.m_SNSpectrum.GetNumOfFreq());
    EXPECT_TRUE(record.m_saTexts.IsEmpty());
    EXPECT_EQ(-1, record.m_nSetNumber);
    EXPECT_EQ(kMissingValue, record.m_dArea);
    EXPECT_EQ(0, record.m_nLineStyle);
    EXPECT_EQ(-999, record.m_MeasSetup.GetMeasurementMode());
}

TEST(NBuildData, ImportsOneChannelOfAControlRecord)
{
    const NMeasCtrlData ctrl = TwoChannelLevels();
    for (int nChannel : {1, 2}) {
        SCOPED_TRACE(nChannel);
        NBuildData record;
        record.m_CorrSpectrum = MakeSpectrum({{20, 1.0}});
        record.m_saTexts.Add("old");
        ASSERT_EQ(0, record.Import(ctrl, nChannel, 0));
        EXPECT_TRUE(record.m_Spectrum == ctrl.m_aLevel[nChannel - 1]);
        EXPECT_EQ(ctrl.m_aLevel[nChannel - 1].GetTitle(), record.m_Spectrum.GetTitle());
        EXPECT_EQ(NSpectrum::kTypeLevel, record.m_Spectrum.GetType());
        EXPECT_TRUE(record.m_MeasSetup.IsChannelActivated(nChannel));
        EXPECT_FALSE(record.m_MeasSetup.IsChannelActivated(3 - nChannel));
        EXPECT_EQ(nChannel - 1, record.m_MeasSetup.GetDescription(nChannel));
        EXPECT_EQ(kTime, record.m_Time);
        EXPECT_EQ(3, record.m_nSetNumber);
        EXPECT_EQ(12.5, record.m_dArea);
        EXPECT_EQ(0, record.m_CorrSpectrum.GetNumOfFreq());
        EXPECT_TRUE(record.m_saTexts.IsEmpty());
    }
}

TEST(NBuildData, RefusesAChannelOtherThanOneOrTwo)
{
    NBuildData record;
    record.m_Spectrum = MakeSpectrum({{20, 33.0}});
    EXPECT_EQ(-1, record.Import(TwoChannelLevels(), 3, 0));
    EXPECT_EQ(-1, record.Import(TwoChannelLevels(), 0, 0));
    EXPECT_EQ(33.0, record.m_Spectrum.GetSpecLine(20));
}

// Reverberation record of channel 1: primary decay bands 20.. with the given
// statuses and values 1.0, 1.1, ...; secondary decay values 2.0, 2.1, ...
NMeasCtrlData Reverberation(const std::vector<std::pair<BYTE, BYTE>>& statuses)
{
    NMeasCtrlData ctrl;
    ctrl.m_MeasSetup.SetMeasurementMode(3);
    int nBand = 20;
    for (const auto& status : statuses) {
        ctrl.m_aReverbPrimary[0].InsertSpecLine(nBand, 1.0 + (nBand - 20) * 0.1, 3, status.first);
        ctrl.m_aReverbSecondary[0].InsertSpecLine(nBand, 2.0 + (nBand - 20) * 0.1, 5, status.second);
        ++nBand;
    }
    ctrl.m_aReverbPrimary[0].SetTitle("T30");
    ctrl.m_aReverbSecondary[0].SetTitle("T20");
    return ctrl;
}

TEST(NBuildData, ChoosesTheReverberationTimeOfEachBandAutomatically)
{
    struct Row {
        BYTE nPrimary;
        BYTE nSecondary;
        bool bSecondary;
    } const rows[] = {
        {4, 4, true},   // invalid primary: secondary even when invalid too
        {5, 1, true},
        {8, 1, true},   // primary not valid, secondary valid
        {16, 1, true},
        {2, 1, true},
        {18, 1, true},
        {8, 8, false},  // neither valid: primary stays
        {16, 16, false},
        {1, 1, false},
        {1, 4, false},
    };
    std::vector<std::pair<BYTE, BYTE>> statuses;
    for (const Row& row : rows)
        statuses.emplace_back(row.nPrimary, row.nSecondary);
    NBuildData record;
    ASSERT_EQ(0, record.Import(Reverberation(statuses), 1, 2));
    EXPECT_EQ(NSpectrum::kTypeReverberation, record.m_Spectrum.GetType());
    EXPECT_EQ("T30", record.m_Spectrum.GetTitle());
    int nBand = 20;
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << int(row.nPrimary) << "/" << int(row.nSecondary));
        const double dOffset = (nBand - 20) * 0.1;
        EXPECT_DOUBLE_EQ((row.bSecondary ? 2.0 : 1.0) + dOffset, record.m_Spectrum.GetSpecLine(nBand));
        EXPECT_EQ(row.bSecondary ? row.nSecondary : row.nPrimary, record.m_Spectrum.GetMeasStatus(nBand));
        EXPECT_EQ(row.bSecondary ? 5 : 3, record.m_Spectrum.GetAvrCnt(nBand));
        ++nBand;
    }
}

TEST(NBuildData, PrefersTheChosenDecayWhenItHoldsBands)
{
    const NMeasCtrlData both = Reverberation({{4, 1}});
    NMeasCtrlData onlySecondary = both;
    onlySecondary.m_aReverbPrimary[0].RemoveAll();
    NMeasCtrlData onlyPrimary = both;
    onlyPrimary.m_aReverbSecondary[0].RemoveAll();
    struct Row {
        const char* pszCase;
        const NMeasCtrlData& ctrl;
        int nChoice;
        const char* pszTitle;
    } const rows[] = {
        {"primary", both, 0, "T30"},
        {"secondary", both, 1, "T20"},
        {"primary missing", onlySecondary, 0, "T20"},
        {"secondary missing", onlyPrimary, 1, "T30"},
        {"automatic with one decay", onlySecondary, 2, "T20"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        NBuildData record;
        ASSERT_EQ(0, record.Import(row.ctrl, 1, row.nChoice));
        EXPECT_EQ(row.pszTitle, record.m_Spectrum.GetTitle());
        EXPECT_EQ(NSpectrum::kTypeReverberation, record.m_Spectrum.GetType());
    }
}

TEST(NBuildData, ExportsItsSetUpAndLevelAsText)
{
    NBuildData record;
    record.Import(TwoChannelLevels(), 2, 0);
    record.m_MeasSetup.SetInstrumentType(4, 2);
    record.m_MeasSetup.SetSensMic2(47.5);
    const CString sText = record.ExportText("\t");
    EXPECT_EQ(0, sText.Find("Measurement Setup\r\nInstrument type\t4\r\n"));
    EXPECT_NE(-1, sText.Find("\r\nChannel\t2\r\nRole\t1\r\nLower band\t\r\n"));
    EXPECT_NE(-1, sText.Find("\r\nSensitivity\t47.5\r\n"));
    EXPECT_NE(-1, sText.Find("\r\nDate\t01.06.2023 14:30:00\r\nSet number\t3\r\nArea\t12.5\r\n\r\n"));
    EXPECT_NE(-1, sText.Find("\r\nFrequency [Hz]\t100\r\nReceiving\t45.00\r\n"));
}

NBuildData FilledRecord()
{
    NBuildData record;
    record.Import(TwoChannelLevels(), 1, 0);
    record.m_CorrSpectrum = MakeSpectrum({{20, -1.3}});
    record.m_SNSpectrum = MakeSpectrum({{21, 12.0}});
    record.m_SNSpectrum.SetStatus(NSpectrum::kExcluded);
    record.m_saTexts.Add("first line");
    record.m_saTexts.Add("");
    record.m_nLineStyle = 2;
    record.m_nLineSize = 3;
    record.m_nLineColor = 15;
    return record;
}

void ExpectSameRecord(const NBuildData& expected, const NBuildData& actual)
{
    EXPECT_TRUE(expected.m_Spectrum == actual.m_Spectrum);
    EXPECT_EQ(expected.m_Spectrum.GetTitle(), actual.m_Spectrum.GetTitle());
    EXPECT_TRUE(expected.m_CorrSpectrum == actual.m_CorrSpectrum);
    EXPECT_TRUE(expected.m_SNSpectrum == actual.m_SNSpectrum);
    EXPECT_EQ(expected.m_SNSpectrum.GetStatus(), actual.m_SNSpectrum.GetStatus());
    ASSERT_EQ(expected.m_saTexts.GetSize(), actual.m_saTexts.GetSize());
    for (int i = 0; i < expected.m_saTexts.GetSize(); ++i)
        EXPECT_EQ(expected.m_saTexts[i], actual.m_saTexts[i]);
    EXPECT_EQ(expected.m_Time, actual.m_Time);
    EXPECT_EQ(expected.m_nSetNumber, actual.m_nSetNumber);
    EXPECT_EQ(expected.m_dArea, actual.m_dArea);
    EXPECT_EQ(expected.m_nLineStyle, actual.m_nLineStyle);
    EXPECT_EQ(expected.m_nLineSize, actual.m_nLineSize);
    EXPECT_EQ(expected.m_nLineColor, actual.m_nLineColor);
    EXPECT_EQ(expected.m_MeasSetup.GetDescription(1), actual.m_MeasSetup.GetDescription(1));
    EXPECT_EQ(expected.m_MeasSetup.GetMeasurementMode(), actual.m_MeasSetup.GetMeasurementMode());
}

TEST(NBuildData, RoundTripsAListOfRecordsThroughAnArchive)
{
    CList<NBuildData, const NBuildData&> records;
    records.AddTail(FilledRecord());
    records.AddTail(NBuildData());
    CList<NBuildData, const NBuildData&> loaded;
    LoadBytes(StoreBytes([&](CArchive& ar) { records.Serialize(ar); }),
              [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(2, loaded.GetCount());
    ExpectSameRecord(FilledRecord(), loaded.GetHead());
    ExpectSameRecord(NBuildData(), loaded.GetTail());
}

TEST(NBuildData, TruncatedArchiveLeavesTheRecordAsItWas)
{
    NBuildData record = FilledRecord();
    const Bytes bytes = StoreBytes([&](CArchive& ar) { record.Serialize(ar); });
    for (size_t nLength = 0; nLength < bytes.size(); nLength += 7) {
        SCOPED_TRACE(nLength);
        NBuildData target;
        const Bytes truncated(bytes.begin(), bytes.begin() + static_cast<long>(nLength));
        EXPECT_EQ(CArchiveException::endOfFile,
                  ArchiveCause([&] { LoadBytes(truncated, [&](CArchive& ar) { target.Serialize(ar); }); }));
        ExpectSameRecord(NBuildData(), target);
    }
}

TEST(NMeasCtrlData, RoundTripsAListOfControlRecords)
{
    NMeasCtrlData ctrl = TwoChannelLevels();
    ctrl.m_aReverbPrimary[1] = MakeSpectrum({{30, 1.25}}, NSpectrum::kTypeReverberation);
    ctrl.m_aReverbSecondary[0] = MakeSpectrum({{31, 1.5}}, NSpectrum::kTypeReverberation);
    CList<NMeasCtrlData, const NMeasCtrlData&> records;
    records.AddTail(ctrl);
    CList<NMeasCtrlData, const NMeasCtrlData&> loaded;
    LoadBytes(StoreBytes([&](CArchive& ar) { records.Serialize(ar); }),
              [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(1, loaded.GetCount());
    const NMeasCtrlData& copy = loaded.GetHead();
    EXPECT_TRUE(copy.GetMeasSetup().IsChannelActivated(2));
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(copy.m_aLevel[i] == ctrl.m_aLevel[i]);
        EXPECT_TRUE(copy.m_aReverbPrimary[i] == ctrl.m_aReverbPrimary[i]);
        EXPECT_TRUE(copy.m_aReverbSecondary[i] == ctrl.m_aReverbSecondary[i]);
    }
    EXPECT_EQ("Receiving", copy.m_aLevel[1].GetTitle());
    EXPECT_EQ(kTime, copy.m_Time);
    EXPECT_EQ(3, copy.m_nSetNumber);
    EXPECT_EQ(12.5, copy.m_dArea);
}

TEST(NMeasCtrlData, RefusesAnUnknownVersion)
{
    NMeasCtrlData target = TwoChannelLevels();
    EXPECT_EQ(CArchiveException::badSchema,
              ArchiveCause([&] { LoadBytes(Bytes{0x02, 0x00}, [&](CArchive& ar) { target.Serialize(ar); }); }));
    EXPECT_EQ(80.0, target.m_aLevel[0].GetSpecLine(20));
}

} // namespace
