// CReadKelFile::ReadProjectTable: positions, the table map with roles and
// modes, empty tables, the microphone correction and its firmware rule, the
// decay preference with its messages, and failures.

#include "ReaderFixture.h"
#include "TableFixtures.h"

#include "tools/fixtures/CInstrumentFileBuilder.h"

#include "res/resource.h"

#include <gtest/gtest.h>

namespace
{

typedef CInstrumentFileBuilder Build;
typedef CList<NBuildData, NBuildData&> CRecordList;

int ReadTable(CReaderFixture& fixture, const CInstrumentData& data, int nTable, CRecordList& records,
              const CReportInfo& info = CReportInfo())
{
    int nOpened = fixture.Open(data, "Hall 3/KEL-303.KPF");
    EXPECT_EQ(nOpened, 0);
    return nOpened == 0 ? fixture.m_reader.ReadProjectTable(records, nTable, info) : nOpened;
}

CReportInfo Info(bool bCorner, bool bImpact, bool bImpactAirborne)
{
    CReportInfo info;
    info.m_bCorner = bCorner;
    info.m_bImpact = bImpact;
    info.m_bImpactAirborne = bImpactAirborne;
    return info;
}

} // namespace

TEST(ReadProjectTable, ReadsOneRecordPerPositionFromPeriodTwoOn)
{
    struct Row
    {
        int nPeriods;
        std::vector<double> aExpected;
    } rows[] = {
        {5, {62.0, 63.0, 64.0}},
        {3, {62.0}},
        {2, {}},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.nPeriods);
        CReaderFixture fixture;
        CRecordList records;
        EXPECT_EQ(ReadTable(fixture, CTableFixtures::File(row.nPeriods), 123, records), 0);
        EXPECT_EQ(CTableFixtures::BandOf(records, 20), row.aExpected);
    }
}

TEST(ReadProjectTable, GivesEachTableItsChannelRoleAndMode)
{
    struct Row
    {
        const char* szCase;
        int nTable;
        CReportInfo info;
        int nRole;
        int nMode;
        int nChannel;
        double dBand20;     // of the first record
    } rows[] = {
        {"source room", 122, Info(false, false, false), 0, 0, 1, 42.0},
        {"receiving room", 123, Info(false, false, false), 1, 0, 2, 62.0},
        {"second source room", 128, Info(false, false, false), 0, 0, 1, 42.0},
        {"second source room, corner", 128, Info(true, false, false), 8, 0, 1, 42.0},
        {"second receiving room, corner", 129, Info(true, false, false), 9, 0, 2, 62.0},
        {"second receiving room", 129, Info(false, false, false), 1, 0, 2, 62.0},
        {"background noise", 125, Info(false, false, false), 2, 5, 2, 22.0},
        {"background at corners", 132, Info(false, false, false), 0, 5, 2, 22.0},
        {"background at corners, corner", 132, Info(true, false, false), 10, 5, 2, 22.0},
        {"reverberation", 124, Info(false, false, false), 3, 3, 2, 0.52},
        {"reference reverberation", 126, Info(false, false, false), 4, 3, 2, 0.52},
        {"reference reverberation, corner", 126, Info(true, false, false), 11, 3, 2, 0.52},
        {"impact: receiving room", 123, Info(false, true, false), 1, 1, 2, 62.0},
        {"impact: second source room", 128, Info(false, true, false), 0, 1, 1, 42.0},
        {"impact and airborne: source room", 122, Info(false, false, true), 0, 1, 1, 42.0},
        {"impact and airborne: second receiving room", 129, Info(false, false, true), 1, 0, 2, 62.0},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szCase);
        CReaderFixture fixture(0);
        CRecordList records;
        ASSERT_EQ(ReadTable(fixture, CTableFixtures::File(4), row.nTable, records, row.info), 0);
        ASSERT_EQ(records.GetCount(), 2);
        const NBuildData& record = records.GetHead();
        EXPECT_EQ(record.m_MeasSetup.GetDescription(1), row.nRole);
        EXPECT_EQ(record.m_MeasSetup.GetDescription(2), row.nRole);
        EXPECT_EQ(record.m_MeasSetup.GetMeasurementMode(), row.nMode);
        EXPECT_TRUE(record.m_MeasSetup.IsChannelActivated(row.nChannel));
        EXPECT_DOUBLE_EQ(record.m_Spectrum.GetSpecLine(20), row.dBand20);
        EXPECT_EQ(record.m_Spectrum.GetTitle(), "Hall 3");
        EXPECT_EQ(record.m_MeasSetup.GetMeasurementTime(), -999);
        EXPECT_EQ(record.m_MeasSetup.GetInstrumentType(2), 1);
        EXPECT_EQ(record.m_Spectrum.GetAvrCnt(20), 1);
    }
}

TEST(ReadProjectTable, ReadsNothingFromTablesTheFileDoesNotHold)
{
    struct Row
    {
        const char* szCase;
        int nTable;
        bool bRemoveBackground;
        bool bUnmeasuredLevel;
    } rows[] = {
        {"multiplot table", 127, false, false},
        {"table with test facility", 130, false, false},
        {"table without test facility", 131, false, false},
        {"no background object", 125, true, false},
        {"level function not measured", 123, false, true},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szCase);
        CInstrumentData data = CTableFixtures::File(4);
        std::vector<CInstrumentData::CAObjectData>& aObjects = CTableFixtures::ChannelOf(data, 2).m_aObjects;
        if (row.bRemoveBackground)
            aObjects.erase(aObjects.begin() + 1);
        if (row.bUnmeasuredLevel)
        {
            aObjects[0].m_aFunctions[0].m_descriptor = Build::kPosition;
            aObjects[0].m_aFunctions.push_back(Build::UnmeasuredFunction(Build::kLevel));
        }
        CReaderFixture fixture;
        CRecordList records;
        EXPECT_EQ(ReadTable(fixture, data, row.nTable, records), 0);
        EXPECT_TRUE(records.IsEmpty());
    }
}

TEST(ReadProjectTable, AppliesTheMicrophoneCorrectionFromFirmware3Point0Build712)
{
    struct Row
    {
        const char* szCase;
        std::vector<int> aVersion;
        const char* szSwitch;
        bool bApplied;
    } rows[] = {
        {"3.0 build 711", {3, 0, 711}, "On", false},
        {"3.0 build 712", {3, 0, 712}, "On", true},
        {"3.5 build 100", {3, 5, 100}, "On", false},
        {"4.0", {4, 0}, "On", true},
        {"4.0, switch in lower case", {4, 0}, "on", false},
        {"4.0, switch off", {4, 0}, "Off", false},
        {"no version", {}, "On", false},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szCase);
        CInstrumentData data = CTableFixtures::File(3);
        data.m_aVersion = row.aVersion;
        CInstrumentData::CChannelData& channel = CTableFixtures::ChannelOf(data, 2);
        channel.m_sMicCorrection = row.szSwitch;
        channel.m_sCorrectionName = "Mic 4190";
        channel.m_aCorrectionTable = std::vector<float>(48);
        for (size_t i = 0; i < channel.m_aCorrectionTable->size(); ++i)
            channel.m_aCorrectionTable->at(i) = float(i) / 10.0f;
        CReaderFixture fixture;
        CRecordList records;
        ASSERT_EQ(ReadTable(fixture, data, 123, records), 0);
        ASSERT_EQ(records.GetCount(), 1);
        const NSpectrum& correction = records.GetHead().m_CorrSpectrum;
        if (row.bApplied)
        {
            EXPECT_NEAR(correction.GetSpecLine(17), 2.7, 1e-6);
            EXPECT_NEAR(correction.GetSpecLine(37), 4.7, 1e-6);
            EXPECT_EQ(correction.GetMeasStatus(37), 1);
            EXPECT_EQ(correction.GetTitle(), "Mic 4190");
        }
        else
        {
            EXPECT_EQ(correction.GetNumOfFreq(), 0);
        }
    }
}

TEST(ReadProjectTable, RefusesAnAppliedCorrectionWithoutItsTable)
{
    CInstrumentData data = CTableFixtures::File(3);
    data.m_aVersion = {4, 0};
    CTableFixtures::ChannelOf(data, 2).m_sMicCorrection = "On";
    CReaderFixture fixture;
    CRecordList records;
    EXPECT_EQ(ReadTable(fixture, data, 123, records), -1);
}

TEST(ReadProjectTable, KeepsTheRecordsReadBeforeAFailure)
{
    CInstrumentData data = CTableFixtures::File(5);
    data.m_faults.Add("LoadStatusBits", -70, 1);
    CReaderFixture fixture;
    CRecordList records;
    EXPECT_EQ(ReadTable(fixture, data, 123, records), -1);
    EXPECT_EQ(CTableFixtures::BandOf(records, 20), std::vector<double>{62.0});
}

TEST(ReadProjectTable, SaysOnceWhenTheSingleDecayIsNotThePreferredOne)
{
    struct Row
    {
        const char* szCase;
        CInstrumentData::Descriptor decay;
        int nChoice;
        std::vector<UINT> aMessages;
    } rows[] = {
        {"T20 preferred, primary there", Build::kPrimaryDecay, 1, {IDS_SECONDARY_NOT_AVAILABLE}},
        {"T30 preferred, secondary there", Build::kSecondaryDecay, 0, {IDS_PRIMARY_NOT_AVAILABLE}},
        {"T30 preferred, primary there", Build::kPrimaryDecay, 0, {}},
        {"automatic, secondary there", Build::kSecondaryDecay, 2, {}},
        // The secondary is taken silently, and the later positions count as
        // preferring the primary.
        {"T20 preferred, secondary there", Build::kSecondaryDecay, 1, {IDS_PRIMARY_NOT_AVAILABLE}},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szCase);
        CInstrumentData data = CTableFixtures::File(5);
        CTableFixtures::ObjectOf(data, 2, 9).m_aFunctions[0].m_descriptor = row.decay;
        CReaderFixture fixture(row.nChoice);
        CRecordList records;
        ASSERT_EQ(ReadTable(fixture, data, 124, records), 0);
        EXPECT_EQ(CTableFixtures::BandOf(records, 20), (std::vector<double>{0.52, 0.53, 0.54}));
        EXPECT_EQ(fixture.m_host.m_aMessages, row.aMessages);
    }
}

TEST(ReadProjectTable, ReadsThePreferredOfTwoDecaysOrCombinesThem)
{
    struct Row
    {
        const char* szCase;
        int nChoice;
        double dBand20;
        double dBand21;
    } rows[] = {
        {"T30", 0, 0.52, -999.0},
        {"T20", 1, 0.72, 0.72},
        {"automatic", 2, 0.52, 0.72},
        {"unknown setting counts as T30", 5, 0.52, -999.0},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szCase);
        CInstrumentData data = CTableFixtures::File(3);
        CInstrumentData::CChannelData& channel = CTableFixtures::ChannelOf(data, 2);
        CInstrumentData::CAObjectData& decays = CTableFixtures::ObjectOf(data, 2, 9);
        decays.m_aFunctions[0].m_aPeriods[2].m_aValues[4] = 60.0f;   // band 21 invalid in T30
        decays.m_aFunctions.push_back(
            Build::Function(Build::kSecondaryDecay, CTableFixtures::Periods(channel, 3, 0.7f, 0.01f)));
        CReaderFixture fixture(row.nChoice);
        CRecordList records;
        ASSERT_EQ(ReadTable(fixture, data, 124, records), 0);
        ASSERT_EQ(records.GetCount(), 1);
        EXPECT_DOUBLE_EQ(records.GetHead().m_Spectrum.GetSpecLine(20), row.dBand20);
        EXPECT_DOUBLE_EQ(records.GetHead().m_Spectrum.GetSpecLine(21), row.dBand21);
        EXPECT_EQ(records.GetHead().m_Spectrum.GetType(), 1);
        EXPECT_TRUE(fixture.m_host.m_aMessages.empty());
    }
}

TEST(ReadProjectTable, RoundsReverberationTimesToThreeDecimalsInLossFactorProjects)
{
    CInstrumentData data = CTableFixtures::File(3);
    CTableFixtures::ObjectOf(data, 2, 9).m_aFunctions[0].m_aPeriods[2] =
        Build::FlatPeriod(CTableFixtures::ChannelOf(data, 2), 0.5234f);
    CReportInfo lossFactor;
    lossFactor.m_bTotalLossFactor = true;
    CReaderFixture fixture;
    CRecordList records;
    ASSERT_EQ(ReadTable(fixture, data, 124, records, lossFactor), 0);
    EXPECT_EQ(CTableFixtures::BandOf(records, 20), std::vector<double>{0.523});
}
