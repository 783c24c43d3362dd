// CReadKelFile::ReadSpectrum: the band rules (validity, status, averages),
// octave band numbering, the set-up, the decay choice of reverberation files
// and refusals.

#include "ReaderFixture.h"

#include "tools/fixtures/CInstrumentFileBuilder.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>

namespace
{

typedef CInstrumentFileBuilder Build;

struct CBandCase
{
    float fValue;
    int32_t nWord;
    double dExpected;
    int nStatus;
    int nStatusWithMarkers;
    int nAverages;
};

// One level channel 17..37 whose first bands are the cases, the rest 50 dB.
CInstrumentData LevelFile(const std::vector<CBandCase>& aCases, int nMarkers)
{
    CInstrumentData::CChannelData channel = Build::Channel(1, 0);
    CInstrumentData::CPeriodData period = Build::FlatPeriod(channel, 50.0f);
    for (size_t j = 0; j < aCases.size(); ++j)
    {
        period.m_aValues[j] = aCases[j].fValue;
        period.m_aStatus[j] = aCases[j].nWord;
    }
    period.m_aStatus.back() = 0x50000;   // the last band: 5 averages
    period.m_nMarkers = nMarkers;
    Build::AddObject(channel, 0, {Build::Function(Build::kLevel, {period})});
    return Build::File(7, {channel});
}

// A reverberation object: one function per decay (each followed by two more
// functions in the every-third families), then one closing function.
void AddDecays(CInstrumentData::CChannelData& channel, std::vector<float> aPars,
               const std::vector<CInstrumentData::CPeriodData>& aDecays, int nStride)
{
    std::vector<CInstrumentData::CFunctionData> aFunctions;
    int nQuantity = 100;
    for (const CInstrumentData::CPeriodData& decay : aDecays)
    {
        aFunctions.push_back(Build::Function({2, 0, nQuantity++}, {decay}));
        for (int i = 1; i < nStride; ++i)
            aFunctions.push_back(Build::Function({2, 0, nQuantity++}, {Build::FlatPeriod(channel, 9.99f)}));
    }
    aFunctions.push_back(Build::Function({2, 0, nQuantity}, {Build::FlatPeriod(channel, 8.88f)}));
    Build::AddObject(channel, 9, aFunctions).m_aRTPars = std::move(aPars);
}

CInstrumentData ReverbFile(int nType, std::vector<float> aPars, const std::vector<float>& aDecayValues,
                           int nStride = 1)
{
    CInstrumentData::CChannelData channel = Build::Channel(1, 3);
    std::vector<CInstrumentData::CPeriodData> aDecays;
    for (float fValue : aDecayValues)
        aDecays.push_back(Build::FlatPeriod(channel, fValue));
    AddDecays(channel, std::move(aPars), aDecays, nStride);
    return Build::File(nType, {channel});
}

int Read(CReaderFixture& fixture, const CInstrumentData& data, NBuildData& record, int nChannel = 1,
         CReportInfo info = CReportInfo())
{
    int nOpened = fixture.Open(data);
    EXPECT_EQ(nOpened, 0);
    return nOpened == 0 ? fixture.m_reader.ReadSpectrum(record, nChannel, info) : nOpened;
}

} // namespace

TEST(ReadSpectrum, KeepsLevelsFromMinus99To199Point9AndMarksTheRest)
{
    const std::vector<CBandCase> cases = {
        {-99.0f, 0x10000, -99.0, 1, 2, 1},
        {199.9f, 0x10000, 199.9, 1, 2, 1},
        {199.91f, 0x10000, -999.0, 4, 4, 1},
        {-99.01f, 0x30001, -999.0, 4, 4, 3},
        {50.0f, 0x30001, 50.0, 16, 18, 3},
        {50.0f, 0x00004, 50.0, 8, 10, 1},
        {50.0f, 0x20005, 50.0, 16, 18, 2},
        {50.0f, int32_t(0xFFFF0000), 50.0, 1, 2, 1},
        {45.26f, 0x10000, 45.3, 1, 2, 1},
    };
    for (int nMarkers : {0, 1})
    {
        SCOPED_TRACE(nMarkers ? "with markers" : "without markers");
        CReaderFixture fixture;
        NBuildData record;
        ASSERT_EQ(Read(fixture, LevelFile(cases, nMarkers), record), 0);
        for (size_t j = 0; j < cases.size(); ++j)
        {
            SCOPED_TRACE(j);
            const int nBand = 17 + int(j);
            EXPECT_DOUBLE_EQ(record.m_Spectrum.GetSpecLine(nBand), cases[j].dExpected);
            EXPECT_EQ(record.m_Spectrum.GetMeasStatus(nBand), nMarkers ? cases[j].nStatusWithMarkers : cases[j].nStatus);
            EXPECT_EQ(record.m_Spectrum.GetAvrCnt(nBand), cases[j].nAverages);
        }
        EXPECT_EQ(record.m_MeasSetup.GetNumbersOfAverages(), 5);
        EXPECT_EQ(record.m_Spectrum.GetNumOfFreq(), 21);
    }
}

TEST(ReadSpectrum, NumbersOctaveBandsEveryThirdBand)
{
    CInstrumentData::CChannelData channel = Build::Channel(1, 0);
    channel.m_nBandwidth = 1;
    channel.m_lLowerFrq = 5;
    channel.m_lUpperFrq = 10;
    Build::AddObject(channel, 0, {Build::Function(Build::kLevel, {Build::Period({60, 61, 62, 63, 64, 65})})});
    CReaderFixture fixture;
    NBuildData record;
    ASSERT_EQ(Read(fixture, Build::File(7, {channel}), record), 0);
    EXPECT_EQ(record.m_Spectrum.GetLowerFreq(), 15);
    EXPECT_EQ(record.m_Spectrum.GetUpperFreq(), 30);
    EXPECT_EQ(record.m_Spectrum.GetNumOfFreq(), 6);
    EXPECT_DOUBLE_EQ(record.m_Spectrum.GetSpecLine(18), 61.0);
    EXPECT_DOUBLE_EQ(record.m_Spectrum.GetSpecLine(30), 65.0);
    EXPECT_EQ(record.m_MeasSetup.GetLowerFreq(), 15);
    EXPECT_EQ(record.m_MeasSetup.GetUpperFreq(), 30);
}

TEST(ReadSpectrum, FillsTheSetUpOfTheChannelRead)
{
    CInstrumentData::CChannelData first = Build::Channel(1, 0);
    CInstrumentData::CChannelData second = Build::Channel(2, 0);
    second.m_fSens = 12.25f;
    second.m_fFullscale = 110.7f;
    second.m_nMIM = 1;
    Build::AddLevelObject(first, 0, 1, 50.0f);
    Build::AddLevelObject(second, 0, 1, 40.0f);
    CReaderFixture fixture;
    NBuildData record;
    ASSERT_EQ(Read(fixture, Build::File(12, {first, second}), record, 2), 0);

    const CMeasSetup& setup = record.m_MeasSetup;
    EXPECT_DOUBLE_EQ(record.m_Spectrum.GetSpecLine(20), 40.0);
    EXPECT_EQ(record.m_Spectrum.GetType(), 0);
    EXPECT_EQ(record.m_Spectrum.GetTitle(), "meas.vsf");
    EXPECT_EQ(setup.GetMeasurementMode(), 2);   // MIM 1 switches mode 0 to 2
    EXPECT_TRUE(setup.IsChannelActivated(2));
    EXPECT_FALSE(setup.IsChannelActivated(1));
    EXPECT_EQ(setup.GetInstrumentType(1), 9);
    EXPECT_EQ(setup.GetInstrumentType(2), 9);
    EXPECT_DOUBLE_EQ(setup.GetSensMic1(), 12.25);
    EXPECT_DOUBLE_EQ(setup.GetSensMic2(), 12.25);
    EXPECT_EQ(setup.GetFullScale(1), 110);
    EXPECT_EQ(setup.GetFullScale(2), 110);
    EXPECT_EQ(setup.GetInstrSWVersion(1), "2.13");
    EXPECT_EQ(setup.GetInstrSWVersion(2), "");
    EXPECT_EQ(setup.GetMeasurementTime(), 90);
    EXPECT_EQ(setup.GetLowerFreq(), 17);
    EXPECT_EQ(setup.GetUpperFreq(), 37);
    EXPECT_EQ(record.m_Time, CTime(2024, 3, 1, 10, 15, 0));
    for (int nNotGiven : {setup.GetCalcMethod(), setup.GetDelay(), setup.GetExcitation(), setup.GetNoiseDistance(),
                          setup.GetNoiseLevel(), setup.GetNoiseType(), setup.GetReverbTime()})
        EXPECT_EQ(nNotGiven, -999);
}

TEST(ReadSpectrum, TakesVersionAndTimeAsTheFileGivesThem)
{
    struct Row
    {
        const char* szCase;
        std::vector<int> aVersion;
        CInstrumentData::DateTime trigger;
        const char* szVersion;
        CTime expectedTime;
    } rows[] = {
        {"major and minor", {3, 0, 712}, {2023, 12, 31, 23, 59, 59}, "3.0", CTime(2023, 12, 31, 23, 59, 59)},
        {"only a major", {5}, {2024, 3, 1, 10, 15, 0}, "", CTime(2024, 3, 1, 10, 15, 0)},
        {"zero version", {0, 0}, {2024, 3, 1, 10, 15, 0}, "", CTime(2024, 3, 1, 10, 15, 0)},
        {"minor only above 0", {0, 7}, {2024, 3, 1, 10, 15, 0}, "0.7", CTime(2024, 3, 1, 10, 15, 0)},
        {"trigger year 1900", {2, 13}, {1900, 6, 1, 12, 0, 0}, "2.13", CTime(1970, 1, 1, 1, 1, 1)},
        {"trigger year 1901", {2, 13}, {1901, 6, 1, 12, 0, 0}, "2.13", CTime(1901, 6, 1, 12, 0, 0)},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szCase);
        CInstrumentData::CChannelData channel = Build::Channel(1, 0);
        channel.m_trigTime = row.trigger;
        Build::AddLevelObject(channel, 0, 1, 50.0f);
        CInstrumentData data = Build::File(7, {channel});
        data.m_aVersion = row.aVersion;
        CReaderFixture fixture;
        NBuildData record;
        ASSERT_EQ(Read(fixture, data, record), 0);
        EXPECT_EQ(record.m_MeasSetup.GetInstrSWVersion(1), row.szVersion);
        EXPECT_EQ(record.m_Time, row.expectedTime);
    }
}

TEST(ReadSpectrum, RefusesWhatItCannotReadWhole)
{
    auto level = [] {
        CInstrumentData::CChannelData channel = Build::Channel(1, 0);
        Build::AddLevelObject(channel, 0, 1, 50.0f);
        return Build::File(7, {channel});
    };
    struct Row
    {
        const char* szCase;
        std::function<void(CInstrumentData&)> change;
    } rows[] = {
        {"level function not measured", [](CInstrumentData& d) {
             CInstrumentData::CChannelData& c = d.m_aChannels[0];
             c.m_aObjects.clear();
             Build::AddObject(c, 0, {Build::UnmeasuredFunction(Build::kLevel),
                                     Build::Function(Build::kPosition, {Build::FlatPeriod(c, 1.0f)})});
         }},
        {"values cannot be loaded", [](CInstrumentData& d) { d.m_faults.Add("LoadNativeData", -40); }},
        {"status words cannot be loaded", [](CInstrumentData& d) { d.m_faults.Add("LoadStatusBits", -41); }},
        {"markers cannot be loaded", [](CInstrumentData& d) { d.m_faults.Add("LoadMarker", -42); }},
        {"no sensitivity", [](CInstrumentData& d) { d.m_aChannels[0].m_fSens.reset(); }},
        {"no full scale", [](CInstrumentData& d) { d.m_aChannels[0].m_fFullscale.reset(); }},
        {"no duration", [](CInstrumentData& d) { d.m_aChannels[0].m_duration.reset(); }},
        {"no trigger time", [](CInstrumentData& d) { d.m_aChannels[0].m_trigTime.reset(); }},
        {"version cannot be read", [](CInstrumentData& d) { d.m_faults.Add("GetInstrumentVersion", -43); }},
        {"band limits cannot be read", [](CInstrumentData& d) { d.m_faults.Add("GetMeasLowerFrq", -44); }},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szCase);
        CInstrumentData data = level();
        row.change(data);
        CReaderFixture fixture;
        NBuildData record;
        EXPECT_EQ(Read(fixture, data, record), -1);
    }
    CReadKelFile unopened;
    NBuildData record;
    EXPECT_EQ(unopened.ReadSpectrum(record, 1, CReportInfo()), -1);
}

TEST(ReadSpectrum, MarksReverberationTimesOutside0Point001To59Point99Seconds)
{
    const std::vector<float> aValues = {0.0009f, 0.001f, 59.99f, 60.0f, 0.523f};
    const std::vector<double> aExpected = {-999.0, 0.0, 59.99, -999.0, 0.52};   // 0.001 rounds to 0.00
    const std::vector<int> aStatus = {4, 1, 1, 4, 1};
    CInstrumentData::CChannelData channel = Build::Channel(1, 3);
    CInstrumentData::CPeriodData decay = Build::FlatPeriod(channel, 1.0f);
    std::copy(aValues.begin(), aValues.end(), decay.m_aValues.begin());
    AddDecays(channel, {30.0f, -1.0f}, {decay}, 1);
    CReaderFixture fixture(0);
    NBuildData record;
    ASSERT_EQ(Read(fixture, Build::File(1, {channel}), record), 0);
    for (size_t j = 0; j < aValues.size(); ++j)
    {
        SCOPED_TRACE(j);
        EXPECT_DOUBLE_EQ(record.m_Spectrum.GetSpecLine(17 + int(j)), aExpected[j]);
        EXPECT_EQ(record.m_Spectrum.GetMeasStatus(17 + int(j)), aStatus[j]);
    }
    EXPECT_EQ(record.m_Spectrum.GetType(), 1);
    EXPECT_EQ(record.m_MeasSetup.GetMeasurementMode(), 3);
}

TEST(ReadSpectrum, ChoosesTheDecayByTheReverberationSetting)
{
    struct Row
    {
        const char* szCase;
        int nType;                  // 1 → code 3 (every function), 7 → code 1, 4 → code 2 (every third)
        std::vector<float> aPars;
        std::vector<float> aDecays; // flat value of each decay
        int nChoice;
        int nResult;
        double dExpected;
    } rows[] = {
        {"T30 preferred", 1, {30, 20, -1}, {0.5f, 0.6f}, 0, 0, 0.5},
        {"T20 preferred", 1, {30, 20, -1}, {0.5f, 0.6f}, 1, 0, 0.6},
        {"automatic takes T30", 1, {30, 20, -1}, {0.5f, 0.6f}, 2, 0, 0.5},
        {"setting 7 counts as automatic", 1, {30, 20, -1}, {0.5f, 0.6f}, 7, 0, 0.5},
        {"T30 preferred, only T20 there", 1, {20, -1}, {0.6f}, 0, 0, 0.6},
        {"T20 preferred, only T30 there", 1, {30, -1}, {0.5f}, 1, 0, 0.5},
        {"T15 of code 2 stands for T20", 4, {30, 15, -1}, {0.5f, 0.7f}, 1, 0, 0.7},
        {"T15 of code 3 is no decay", 1, {15, -1}, {0.7f}, 1, -1, 0},
        {"neither T30 nor T20", 1, {25, -1}, {0.7f}, 0, -1, 0},
        {"end mark before T20", 1, {30, -1, 20}, {0.5f, 0.6f, 0.7f}, 1, 0, 0.5},
        {"list shorter than the decays", 1, {30}, {0.5f, 0.6f}, 1, 0, 0.5},
        {"every third function of code 1", 7, {30, 20, -1}, {0.5f, 0.6f}, 1, 0, 0.6},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szCase);
        int nStride = row.nType == 1 ? 1 : 3;
        CReaderFixture fixture(row.nChoice);
        NBuildData record;
        ASSERT_EQ(fixture.Open(ReverbFile(row.nType, row.aPars, row.aDecays, nStride)), 0);
        EXPECT_EQ(fixture.m_reader.ReadSpectrum(record, 1, CReportInfo()), row.nResult);
        if (row.nResult == 0)
        {
            EXPECT_DOUBLE_EQ(record.m_Spectrum.GetSpecLine(25), row.dExpected);
        }
        EXPECT_TRUE(fixture.m_host.m_aMessages.empty());
    }
}

TEST(ReadSpectrum, AutomaticChoiceTakesTheT20BandWhereT30IsInvalidOrNotPlainlyValid)
{
    struct Row
    {
        float fT30;
        int32_t nT30Word;
        float fT20;
        int32_t nT20Word;
        double dExpected;
        int nStatus;
        int nAverages;
    } rows[] = {
        {0.50f, 0x10000, 0.60f, 0x40000, 0.50, 1, 1},     // T30 valid: kept
        {0.0009f, 0x10000, 60.0f, 0x40000, -999.0, 4, 4}, // both invalid: T20 taken
        {0.0009f, 0x10000, 0.60f, 0x40000, 0.60, 1, 4},   // T30 invalid
        {0.50f, 0x10004, 0.60f, 0x40000, 0.60, 1, 4},     // T30 suspicious (8), T20 valid
        {0.50f, 0x10001, 0.60f, 0x40000, 0.60, 1, 4},     // T30 overload (16), T20 valid
        {0.50f, 0x10001, 0.60f, 0x40004, 0.50, 16, 1},    // T30 16, T20 8: kept
        {0.50f, 0x10004, 0.60f, 0x40001, 0.50, 8, 1},     // T30 8, T20 16: kept
    };
    CInstrumentData::CChannelData channel = Build::Channel(1, 3);
    CInstrumentData::CPeriodData t30 = Build::FlatPeriod(channel, 0.5f);
    CInstrumentData::CPeriodData t20 = Build::FlatPeriod(channel, 0.6f);
    for (size_t j = 0; j < std::size(rows); ++j)
    {
        t30.m_aValues[j] = rows[j].fT30;
        t30.m_aStatus[j] = rows[j].nT30Word;
        t20.m_aValues[j] = rows[j].fT20;
        t20.m_aStatus[j] = rows[j].nT20Word;
    }
    AddDecays(channel, {30, 20, -1}, {t30, t20}, 1);
    CReaderFixture fixture(2);
    NBuildData record;
    ASSERT_EQ(Read(fixture, Build::File(1, {channel}), record), 0);
    for (size_t j = 0; j < std::size(rows); ++j)
    {
        SCOPED_TRACE(j);
        EXPECT_DOUBLE_EQ(record.m_Spectrum.GetSpecLine(17 + int(j)), rows[j].dExpected);
        EXPECT_EQ(record.m_Spectrum.GetMeasStatus(17 + int(j)), rows[j].nStatus);
        EXPECT_EQ(record.m_Spectrum.GetAvrCnt(17 + int(j)), rows[j].nAverages);
    }
}

TEST(ReadSpectrum, AutomaticChoiceTakesT20WhereT30CarriesMarkers)
{
    CInstrumentData::CChannelData channel = Build::Channel(1, 3);
    CInstrumentData::CPeriodData t30 = Build::FlatPeriod(channel, 0.5f);
    t30.m_nMarkers = 1;
    AddDecays(channel, {30, 20, -1}, {t30, Build::FlatPeriod(channel, 0.6f)}, 1);
    CReaderFixture fixture(2);
    NBuildData record;
    ASSERT_EQ(Read(fixture, Build::File(1, {channel}), record), 0);
    EXPECT_DOUBLE_EQ(record.m_Spectrum.GetSpecLine(17), 0.6);
    EXPECT_EQ(record.m_Spectrum.GetMeasStatus(37), 1);
}

TEST(ReadSpectrum, RoundsReverberationTimesToThreeDecimalsInLossFactorProjects)
{
    CReportInfo lossFactor;
    lossFactor.m_bTotalLossFactor = true;
    CReaderFixture fixture(0);
    NBuildData record;
    ASSERT_EQ(Read(fixture, ReverbFile(1, {30, -1}, {0.5234f}), record, 1, lossFactor), 0);
    EXPECT_DOUBLE_EQ(record.m_Spectrum.GetSpecLine(20), 0.523);
}
