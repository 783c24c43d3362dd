// CReadKelFile::OpenConverterFile and ReadConverterSpectrum: channel use,
// refusals, the level rule, octave numbering, the folder as title, set-up.

#include "ReaderFixture.h"

#include "tools/fixtures/CConverterFileWriter.h"

#include <gtest/gtest.h>

TEST(ReadConverterSpectrum, OpensOneAndTwoChannelFilesAndRefusesOthers)
{
    struct Row
    {
        const char* szCase;
        int nChannels;
        const char* szFail;
        int nResult;
        int nChannelUse;
        bool bBandwidthOk;
    } rows[] = {
        {"one channel", 1, nullptr, 0, 1, true},
        {"two channels", 2, nullptr, 0, 0, true},
        {"three channels", 3, nullptr, -999, -999, false},
        {"open fails", 1, "Open", -51, -999, false},
        {"channel count fails", 1, "GetChannelsCount", -52, -999, false},
        {"bandwidth fails", 2, "GetBandwidth", -53, 0, false},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szCase);
        CConverterData data = CConverterFileWriter::GeneralFile(row.nChannels);
        if (row.szFail)
            data.m_faults.Add(row.szFail, row.nResult);
        CReaderFixture fixture;
        EXPECT_EQ(fixture.OpenConverter(data), row.nResult);
        EXPECT_EQ(fixture.m_reader.GetChannelUse(), row.nChannelUse);
        EXPECT_EQ(fixture.m_reader.IsBandwidthOk(), row.bBandwidthOk);
        EXPECT_EQ(fixture.m_reader.GetInstrumentCode(), row.nResult == -51 ? -1 : 12);
    }
}

TEST(ReadConverterSpectrum, KeepsLevelsFromMinus99To199Point9)
{
    CConverterData data = CConverterFileWriter::GeneralFile(2);
    std::vector<double>& aLevels = *data.m_aChannels[1].m_aLfeq;
    aLevels[0] = -99.0;
    aLevels[1] = -99.5;
    aLevels[2] = 199.9;
    aLevels[3] = 199.91;
    aLevels[4] = 62.25;
    CReaderFixture fixture;
    ASSERT_EQ(fixture.OpenConverter(data), 0);
    NBuildData record;
    ASSERT_EQ(fixture.m_reader.ReadConverterSpectrum(record, 2, CReportInfo()), 0);
    const double adExpected[] = {-99.0, -999.0, 199.9, -999.0, 62.3};
    const int anStatus[] = {1, 4, 1, 4, 1};
    for (int j = 0; j < 5; ++j)
    {
        SCOPED_TRACE(j);
        EXPECT_DOUBLE_EQ(record.m_Spectrum.GetSpecLine(17 + j), adExpected[j]);
        EXPECT_EQ(record.m_Spectrum.GetMeasStatus(17 + j), anStatus[j]);
        EXPECT_EQ(record.m_Spectrum.GetAvrCnt(17 + j), 1);
    }
    EXPECT_TRUE(record.m_MeasSetup.IsChannelActivated(2));
    EXPECT_DOUBLE_EQ(record.m_MeasSetup.GetSensMic1(), 48.5);
}

TEST(ReadConverterSpectrum, NumbersOctaveBandsEveryThirdBandAndTitlesByTheFolder)
{
    CConverterData data = CConverterFileWriter::GeneralFile(1);
    data.m_nBandwidth = 1;
    data.m_nLowerFreq = 2;
    data.m_nUpperFreq = 14;
    data.m_aChannels[0].m_aLfeq = std::vector<double>(13, 70.0);
    CReaderFixture fixture;
    ASSERT_EQ(fixture.OpenConverter(data, "data/Hall 3/meas.config"), 0);
    NBuildData record;
    ASSERT_EQ(fixture.m_reader.ReadConverterSpectrum(record, 1, CReportInfo()), 0);

    EXPECT_EQ(record.m_Spectrum.GetLowerFreq(), 6);
    EXPECT_EQ(record.m_Spectrum.GetUpperFreq(), 42);
    EXPECT_EQ(record.m_Spectrum.GetNumOfFreq(), 13);
    EXPECT_EQ(record.m_Spectrum.GetTitle(), "Hall 3");
    const CMeasSetup& setup = record.m_MeasSetup;
    EXPECT_EQ(setup.GetLowerFreq(), 6);
    EXPECT_EQ(setup.GetUpperFreq(), 42);
    EXPECT_EQ(setup.GetMeasurementMode(), 0);
    EXPECT_EQ(setup.GetInstrumentType(1), 12);
    EXPECT_EQ(setup.GetFullScale(1), 130);
    EXPECT_EQ(setup.GetFullScale(2), 130);
    EXPECT_EQ(setup.GetInstrSWVersion(1), "2.13");
    EXPECT_EQ(setup.GetMeasurementTime(), 90);
    EXPECT_EQ(setup.GetNumbersOfAverages(), 1);
    EXPECT_EQ(record.m_Time, CTime(2024, 3, 1, 10, 15, 0));
}

TEST(ReadConverterSpectrum, RefusesAChannelWithoutLfeqOrAFailingRead)
{
    struct Row
    {
        const char* szCase;
        const char* szFail;
        bool bLfeq;
    } rows[] = {
        {"Lfeq not measured", nullptr, false},
        {"values cannot be read", "GetDataLfeq", true},
        {"no sensitivity", "GetSensitivity", true},
        {"no version", "GetInstrumentVersion", true},
        {"no duration", "GetDuration", true},
        {"no trigger time", "GetTrigTime", true},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szCase);
        CConverterData data = CConverterFileWriter::GeneralFile(1);
        if (!row.bLfeq)
            data.m_aChannels[0].m_aLfeq.reset();
        if (row.szFail)
            data.m_faults.Add(row.szFail, -60);
        CReaderFixture fixture;
        ASSERT_EQ(fixture.OpenConverter(data), 0);
        NBuildData record;
        EXPECT_EQ(fixture.m_reader.ReadConverterSpectrum(record, 1, CReportInfo()), -1);
    }
    CReadKelFile unopened;
    NBuildData record;
    EXPECT_EQ(unopened.ReadConverterSpectrum(record, 1, CReportInfo()), -1);
}
