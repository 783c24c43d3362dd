// CReadKelFile::ReadSurveyTables: where it differs from the project tables:
// positions of files with few periods, the decays counted by their
// descriptors, the set-up from channel 1, no microphone correction, and the
// position number of each period.

#include "ReaderFixture.h"
#include "TableFixtures.h"

#include "tools/fixtures/CInstrumentFileBuilder.h"

#include "res/resource.h"

#include <gtest/gtest.h>

namespace
{

typedef CInstrumentFileBuilder Build;
typedef CList<NBuildData, NBuildData&> CRecordList;

CInstrumentData SurveyFile(int nPeriods)
{
    CInstrumentData data = CTableFixtures::File(nPeriods);
    CTableFixtures::ChannelOf(data, 1).m_sMeasType = "Survey";
    return data;
}

int ReadTable(CReaderFixture& fixture, const CInstrumentData& data, int nTable, CRecordList& records)
{
    int nOpened = fixture.Open(data, "site/survey.vsf");
    EXPECT_EQ(nOpened, 0);
    EXPECT_TRUE(fixture.m_reader.m_bSurveyFile);
    return nOpened == 0 ? fixture.m_reader.ReadSurveyTables(records, nTable, CReportInfo()) : nOpened;
}

} // namespace

TEST(ReadSurveyTables, ReadsPeriodZeroOfAFileWithOneOrTwoPeriods)
{
    struct Row
    {
        int nPeriods;
        std::vector<double> aExpected;
    } rows[] = {
        {1, {40.0}},
        {2, {40.0}},
        {3, {42.0}},
        {5, {42.0, 43.0, 44.0}},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.nPeriods);
        CReaderFixture fixture;
        CRecordList records;
        EXPECT_EQ(ReadTable(fixture, SurveyFile(row.nPeriods), 122, records), 0);
        EXPECT_EQ(CTableFixtures::BandOf(records, 20), row.aExpected);
    }
}

TEST(ReadSurveyTables, StoresThePositionOfEachPeriodAsTheSetNumber)
{
    const std::vector<float> aPositions = {3.0f, 12.0f, 0.0f, 9.7f, 10.0f, -1.0f};
    const std::vector<int> aSetNumbers = {3, -1, 0, 9, -1, -1};
    CInstrumentData data = SurveyFile(int(aPositions.size()) + 2);
    CInstrumentData::CChannelData& channel = CTableFixtures::ChannelOf(data, 2);
    std::vector<CInstrumentData::CPeriodData> aPeriods(2, Build::FlatPeriod(channel, 0.0f));
    for (float fPosition : aPositions)
        aPeriods.push_back(Build::FlatPeriod(channel, fPosition));
    CTableFixtures::ObjectOf(data, 2, 15).m_aFunctions.push_back(Build::Function(Build::kPosition, aPeriods));

    CReaderFixture fixture;
    CRecordList records;
    ASSERT_EQ(ReadTable(fixture, data, 125, records), 0);
    std::vector<int> aRead;
    for (POSITION pos = records.GetHeadPosition(); pos;)
        aRead.push_back(records.GetNext(pos).m_nSetNumber);
    EXPECT_EQ(aRead, aSetNumbers);
    EXPECT_EQ(CTableFixtures::BandOf(records, 20).front(), 22.0);
}

TEST(ReadSurveyTables, LeavesTheSetNumberNotGivenWithoutPositions)
{
    CReaderFixture fixture;
    CRecordList records;
    ASSERT_EQ(ReadTable(fixture, SurveyFile(4), 123, records), 0);
    ASSERT_EQ(records.GetCount(), 2);
    EXPECT_EQ(records.GetHead().m_nSetNumber, -1);
}

TEST(ReadSurveyTables, FillsTheSetUpFromChannelOneAndAppliesNoCorrection)
{
    CInstrumentData data = SurveyFile(3);
    data.m_aVersion = {4, 0};
    CInstrumentData::CChannelData& receiving = CTableFixtures::ChannelOf(data, 2);
    receiving.m_sMicCorrection = "On";
    receiving.m_aCorrectionTable = std::vector<float>(48, 1.0f);
    CTableFixtures::ChannelOf(data, 1).m_fFullscale = 120.0f;
    CReaderFixture fixture;
    CRecordList records;
    ASSERT_EQ(ReadTable(fixture, data, 123, records), 0);
    ASSERT_EQ(records.GetCount(), 1);
    const NBuildData& record = records.GetHead();
    EXPECT_DOUBLE_EQ(record.m_Spectrum.GetSpecLine(20), 62.0);
    EXPECT_DOUBLE_EQ(record.m_MeasSetup.GetSensMic1(), 11.0);
    EXPECT_EQ(record.m_MeasSetup.GetFullScale(1), 120);
    EXPECT_EQ(record.m_MeasSetup.GetInstrSWVersion(1), "4.0");
    EXPECT_TRUE(record.m_MeasSetup.IsChannelActivated(2));
    EXPECT_EQ(record.m_CorrSpectrum.GetNumOfFreq(), 0);
    EXPECT_EQ(record.m_Spectrum.GetTitle(), "site");
}

TEST(ReadSurveyTables, CountsTheMeasuredDecaysByTheirDescriptors)
{
    struct Row
    {
        const char* szCase;
        bool bPrimary;
        bool bSecondary;
        int nChoice;
        std::vector<double> aExpected;
        std::vector<UINT> aMessages;
    } rows[] = {
        {"only the secondary, T30 preferred", false, true, 0, {0.72, 0.73}, {IDS_PRIMARY_NOT_AVAILABLE}},
        {"only the primary, T20 preferred", true, false, 1, {0.52, 0.53}, {IDS_SECONDARY_NOT_AVAILABLE}},
        {"both, T20 preferred", true, true, 1, {0.72, 0.73}, {}},
        {"both, automatic", true, true, 2, {0.52, 0.53}, {}},
        {"neither", false, false, 0, {}, {}},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szCase);
        CInstrumentData data = SurveyFile(4);
        CInstrumentData::CChannelData& channel = CTableFixtures::ChannelOf(data, 2);
        CInstrumentData::CAObjectData& decays = CTableFixtures::ObjectOf(data, 2, 9);
        std::vector<CInstrumentData::CFunctionData> aFunctions;
        aFunctions.push_back(row.bPrimary ? Build::Function(Build::kPrimaryDecay, CTableFixtures::Periods(channel, 4, 0.5f, 0.01f))
                                          : Build::UnmeasuredFunction(Build::kPrimaryDecay));
        aFunctions.push_back(row.bSecondary ? Build::Function(Build::kSecondaryDecay, CTableFixtures::Periods(channel, 4, 0.7f, 0.01f))
                                            : Build::UnmeasuredFunction(Build::kSecondaryDecay));
        decays.m_aFunctions = aFunctions;
        CReaderFixture fixture(row.nChoice);
        CRecordList records;
        ASSERT_EQ(ReadTable(fixture, data, 124, records), 0);
        EXPECT_EQ(CTableFixtures::BandOf(records, 20), row.aExpected);
        EXPECT_EQ(fixture.m_host.m_aMessages, row.aMessages);
    }
}
