// Measurement archives through the dispatcher: both header extensions, the
// archive without header, both channels of a record, a missing archive, a
// refused header or version, and an archive damaged in its middle.

#include "ImportFixture.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

// A record with channel 1 in the source room at dLevel dB and, when
// bBothChannels, channel 2 in the receiving room 30 dB lower.
NMeasCtrlData ControlRecord(double dLevel, bool bBothChannels, int nMinute)
{
    NMeasCtrlData record;
    record.m_MeasSetup.SetActivateChannel(1);
    record.m_MeasSetup.SetChannelActivated(2, bBothChannels);
    record.m_MeasSetup.SetMeasurementMode(0);
    record.m_MeasSetup.SetDescription(kRoleSource, 1);
    record.m_MeasSetup.SetDescription(kRoleReceiving, 2);
    for (int nBand = 17; nBand <= 37; ++nBand) {
        record.m_aLevel[0].InsertData(nBand, dLevel);
        record.m_aLevel[1].InsertData(nBand, dLevel - 30.0);
    }
    record.m_Time = CTime(2024, 3, 1, 10, nMinute, 0);
    return record;
}

void WriteArchive(const std::string& sPath, BOOL bHeader, std::vector<NMeasCtrlData> aRecords)
{
    CMeasCtrlList records;
    for (NMeasCtrlData& record : aRecords)
        records.AddTail(record);
    ASSERT_TRUE(CMeasArchiveFile::Write(sPath.c_str(), bHeader, records));
}

// An archive whose header string or version is not ours.
void WriteForeignHeader(const std::string& sPath, const char* szHeader, DWORD nVersion)
{
    CFile file(sPath.c_str(), CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    ar << CString(szHeader) << nVersion;
    ar.WriteCount(0);
    ar.Close();
}

} // namespace

TEST(MeasArchive, FilesEveryActiveChannelAndNamesTheProjectAfterAnArchiveWithHeader)
{
    for (const char* szName : {"survey.zuz", "survey.kcd", "SURVEY.ZUZ"}) {
        SCOPED_TRACE(szName);
        CImportFixture fixture;
        WriteArchive(fixture.PathOf(szName), TRUE, {ControlRecord(70.0, true, 1), ControlRecord(71.0, false, 2)});
        EXPECT_EQ(fixture.Import({szName}), 0);
        EXPECT_EQ(fixture.CountOf(122), 2);
        EXPECT_EQ(fixture.CountOf(123), 1);
        EXPECT_DOUBLE_EQ(fixture.RecordsOf(123)[0].m_Spectrum.GetSpecLine(20), 40.0);
        EXPECT_EQ(fixture.m_host.m_aNodeTexts, std::vector<std::string>{szName});
        EXPECT_EQ(std::string(fixture.m_doc.m_sName), szName);
        EXPECT_EQ(std::string(fixture.m_doc.m_ReportInfo.m_sTreeTitle), szName);
        EXPECT_TRUE(fixture.m_host.m_aMessages.empty());
    }
}

TEST(MeasArchive, ReadsTheScratchArchiveWithoutHeaderAndKeepsTheProjectName)
{
    CImportFixture fixture;
    fixture.m_doc.m_sName = "Hall";
    WriteArchive(fixture.PathOf("~dragdrop.tmp"), FALSE, {ControlRecord(70.0, false, 1)});
    EXPECT_EQ(fixture.Import({"~dragdrop.tmp"}), 0);
    EXPECT_EQ(fixture.CountOf(122), 1);
    EXPECT_EQ(std::string(fixture.m_doc.m_sName), "Hall");
    EXPECT_TRUE(fixture.m_host.m_aNodeTexts.empty());
}

TEST(MeasArchive, AddsTheCorrectionsOfEachChannelToItsRecord)
{
    CImportFixture fixture;
    fixture.SetCorrection(0, 1, 1.0);
    fixture.SetCorrection(5, 2, 2.0);
    WriteArchive(fixture.PathOf("a.zuz"), TRUE, {ControlRecord(70.0, true, 1)});
    fixture.Import({"a.zuz"});
    EXPECT_DOUBLE_EQ(fixture.RecordsOf(122)[0].m_Spectrum.GetSpecLine(20), 71.0);
    EXPECT_DOUBLE_EQ(fixture.RecordsOf(123)[0].m_Spectrum.GetSpecLine(20), 42.0);
}

TEST(MeasArchive, ReportsAMissingArchiveAndCreatesNoFile)
{
    CImportFixture fixture;
    const std::string sPath = fixture.PathOf("missing.zuz");
    EXPECT_EQ(fixture.Import({"missing.zuz"}), 0);
    ASSERT_EQ(fixture.m_host.m_aMessages.size(), 1u);
    EXPECT_NE(fixture.m_host.m_aMessages[0].find("missing.zuz"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(sPath));
    EXPECT_TRUE(fixture.m_host.m_aNodeTexts.empty());
    EXPECT_EQ(fixture.CountOf(122), 0);
}

TEST(MeasArchive, RefusesAForeignHeaderOrVersionWithoutRenamingTheProject)
{
    struct Row {
        const char* szHeader;
        DWORD nVersion;
    } rows[] = {
        {"Kelcheck.Document", 2},
        {"Kelcheck.Document", 0},
        {"kelcheck.document", 1},
        {"Vestolar.Document", 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.szHeader) + " " + std::to_string(row.nVersion));
        CImportFixture fixture;
        fixture.m_doc.m_sName = "Hall";
        WriteForeignHeader(fixture.PathOf("a.kcd"), row.szHeader, row.nVersion);
        EXPECT_EQ(fixture.Import({"a.kcd"}), 0);
        ASSERT_EQ(fixture.m_host.m_aMessages.size(), 1u);
        CArchiveException expected(CArchiveException::badIndex, fixture.PathOf("a.kcd").c_str());
        EXPECT_EQ(fixture.m_host.m_aMessages[0], std::string(expected.GetErrorText()));
        EXPECT_TRUE(fixture.m_host.m_aNodeTexts.empty());
        EXPECT_EQ(std::string(fixture.m_doc.m_sName), "Hall");
    }
}

TEST(MeasArchive, KeepsTheRecordsReadBeforeADamagedRecord)
{
    CImportFixture fixture;
    const std::string sPath = fixture.PathOf("a.zuz");
    WriteArchive(sPath, TRUE, {ControlRecord(70.0, false, 1), ControlRecord(71.0, false, 2)});
    std::filesystem::resize_file(sPath, std::filesystem::file_size(sPath) - 10);
    EXPECT_EQ(fixture.Import({"a.zuz"}), 0);
    EXPECT_EQ(fixture.m_host.m_aMessages.size(), 1u);
    ASSERT_EQ(fixture.CountOf(122), 1);
    EXPECT_DOUBLE_EQ(fixture.RecordsOf(122)[0].m_Spectrum.GetSpecLine(20), 70.0);
    EXPECT_TRUE(fixture.m_host.m_aNodeTexts.empty());
}

TEST(MeasArchive, FilesNothingOfARecordWithoutActiveChannel)
{
    CImportFixture fixture;
    NMeasCtrlData record = ControlRecord(70.0, false, 1);
    record.m_MeasSetup.SetActivateChannel(0);
    WriteArchive(fixture.PathOf("a.zuz"), TRUE, {record});
    fixture.Import({"a.zuz"});
    EXPECT_EQ(fixture.CountOf(122) + fixture.CountOf(123), 0);
}
