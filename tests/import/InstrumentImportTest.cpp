// CInstrumentImport through the dispatcher: a corrupt file, the selected
// group and the assignment dialog, the channel corrections, instrument
// project files and survey files.

#include "ImportFixture.h"
#include "TableFixtures.h"

#include "import/ReadKelFile.h"
#include "res/resource.h"
#include "tools/fixtures/CInstrumentFileBuilder.h"
#include "tools/fixtures/CInstrumentFileWriter.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

typedef CInstrumentFileBuilder Build;

// An analyser file: channel 1 at 80 dB, channel 2 at 50 dB, as asked.
void WriteAnalyserFile(CImportFixture& fixture, const std::string& sName, bool bChannel1, bool bChannel2)
{
    std::vector<CInstrumentData::CChannelData> aChannels;
    if (bChannel1) {
        aChannels.push_back(Build::Channel(1, 0));
        Build::AddObject(aChannels.back(), 0, {Build::Function(Build::kLevel, {Build::FlatPeriod(aChannels.back(), 80.0f)})});
    }
    if (bChannel2) {
        aChannels.push_back(Build::Channel(2, 0));
        Build::AddObject(aChannels.back(), 0, {Build::Function(Build::kLevel, {Build::FlatPeriod(aChannels.back(), 50.0f)})});
    }
    ASSERT_TRUE(CInstrumentFileWriter::Write(fixture.PathOf(sName), Build::File(1, aChannels)));
}

void WriteReverberationFile(CImportFixture& fixture, const std::string& sName)
{
    CInstrumentData::CChannelData channel = Build::Channel(1, 3);
    Build::AddObject(channel, 9,
                     {Build::Function(Build::kPrimaryDecay, {Build::FlatPeriod(channel, 0.6f)}),
                      Build::Function(Build::kSecondaryDecay, {Build::FlatPeriod(channel, 0.5f)}),
                      Build::Function({2, 0, 30}, {Build::FlatPeriod(channel, 0.0f)})})
        .m_aRTPars = std::vector<float>{30.0f, 20.0f, -1.0f};
    ASSERT_TRUE(CInstrumentFileWriter::Write(fixture.PathOf(sName), Build::File(1, {channel})));
}

std::vector<int> RolesOf(CImportFixture& fixture, int nTable)
{
    std::vector<int> aRoles;
    for (const NBuildData& record : fixture.RecordsOf(nTable)) {
        const int nChannel = record.m_MeasSetup.IsChannelActivated(2) ? 2 : 1;
        aRoles.push_back(nChannel * 100 + record.m_MeasSetup.GetDescription(nChannel));
    }
    return aRoles;
}

int TotalCount(CImportFixture& fixture)
{
    int nCount = 0;
    for (int nTable = 122; nTable <= 132; ++nTable)
        nCount += nTable == 127 ? 0 : fixture.CountOf(nTable);
    return nCount;
}

} // namespace

// In a batch each failing file is named, so the user knows which to look at.
TEST(InstrumentImport, ReportsEachCorruptFileByNameWithTheReadersCodeAndFilesNothing)
{
    CImportFixture fixture;
    std::vector<std::string> aExpected;
    for (const char* lpszName : {"first.vsf", "second.sdf"}) {
        std::ofstream(fixture.PathOf(lpszName)) << "not an instrument file\n";
        const int nCode = CReadKelFile().OpenFile(fixture.PathOf(lpszName).c_str());
        ASSERT_NE(nCode, 0);
        aExpected.push_back(StringOf(IDS_INVALID_DATA_FORMAT) + "\n" + StringOf(IDS_ERROR_CODE) + " " +
                            std::to_string(nCode) + "\n" + fixture.PathOf(lpszName));
    }
    EXPECT_EQ(fixture.Import({"first.vsf", "second.sdf"}), 0);
    EXPECT_EQ(fixture.m_host.m_aMessages, aExpected);
    EXPECT_EQ(TotalCount(fixture), 0);
}

TEST(InstrumentImport, FilesBothChannelsIntoTheSelectedReceivingRoomWithTheirOwnCorrections)
{
    CImportFixture fixture;
    fixture.m_host.m_nGroup = 123;
    fixture.SetCorrection(2, 2, 3.0);
    WriteAnalyserFile(fixture, "two.sdf", true, true);
    EXPECT_EQ(fixture.Import({"two.sdf"}), 0);
    EXPECT_EQ(RolesOf(fixture, 123), (std::vector<int>{101, 201}));
    EXPECT_DOUBLE_EQ(fixture.RecordsOf(123)[0].m_Spectrum.GetSpecLine(20), 80.0);
    EXPECT_DOUBLE_EQ(fixture.RecordsOf(123)[1].m_Spectrum.GetSpecLine(20), 53.0);
    EXPECT_TRUE(fixture.m_host.m_aDialogs.empty());
}

TEST(InstrumentImport, AsksTheDialogWhenTheSelectedGroupRefusesAReverberationTime)
{
    CImportFixture fixture;
    fixture.m_host.m_nGroup = 122;
    fixture.m_host.m_nDialogTable1 = 124;
    WriteReverberationFile(fixture, "decay.vsf");
    fixture.Import({"decay.vsf"});
    ASSERT_EQ(fixture.m_host.m_aDialogs.size(), 1u);
    EXPECT_NE(fixture.m_host.m_aDialogs[0].m_pChannel1, nullptr);
    EXPECT_EQ(fixture.m_host.m_aDialogs[0].m_pChannel2, nullptr);
    EXPECT_EQ(fixture.CountOf(122), 0);
    EXPECT_EQ(fixture.CountOf(124), 1);
}

TEST(InstrumentImport, FilesWhatTheDialogChoosesAndNothingOnCancel)
{
    struct Row {
        const char* szCase;
        BOOL bOk;
        int nTable1;
        int nTable2;
        std::vector<int> aSource;
        std::vector<int> aReceiving;
    } rows[] = {
        {"both channels", TRUE, 122, 123, {100}, {201}},
        {"channel 2 only", TRUE, -1, 123, {}, {201}},
        {"channel 1 only", TRUE, 122, 0, {100}, {}},
        {"no table", TRUE, -1, -1, {}, {}},
        {"a table without a row", TRUE, 130, 123, {}, {}},
        {"cancel", FALSE, 122, 123, {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.szCase);
        CImportFixture fixture;
        fixture.m_host.m_bDialogOk = row.bOk;
        fixture.m_host.m_nDialogTable1 = row.nTable1;
        fixture.m_host.m_nDialogTable2 = row.nTable2;
        WriteAnalyserFile(fixture, "two.sdf", true, true);
        fixture.Import({"two.sdf"});
        EXPECT_EQ(RolesOf(fixture, 122), row.aSource);
        EXPECT_EQ(RolesOf(fixture, 123), row.aReceiving);
        EXPECT_TRUE(fixture.m_host.m_aMessages.empty());
    }
}

TEST(InstrumentImport, FillsTheKindsTablesFromAProjectFileAndTakesTheFolderName)
{
    CImportFixture fixture;
    fixture.m_doc.m_sName = "Mine";
    fixture.SetCorrection(0, 1, 5.0);
    ASSERT_TRUE(CInstrumentFileWriter::Write(fixture.PathOf("Hall 3/KEL-303.KPF"), CTableFixtures::File(5)));
    EXPECT_EQ(fixture.Import({"Hall 3/KEL-303.KPF"}), 0);
    for (int nTable : {122, 123, 125, 124}) {
        SCOPED_TRACE(nTable);
        EXPECT_EQ(fixture.CountOf(nTable), 3);
    }
    EXPECT_DOUBLE_EQ(fixture.RecordsOf(122)[0].m_Spectrum.GetSpecLine(20), 42.0);
    EXPECT_EQ(std::string(fixture.m_doc.m_sName), "Hall 3");
    EXPECT_EQ(fixture.m_host.m_aNodeTexts, std::vector<std::string>{"Hall 3"});
}

TEST(InstrumentImport, ImportsOnlyTheSelectedTableOfAProjectFileAndKeepsTheName)
{
    CImportFixture fixture;
    fixture.m_doc.m_sName = "Mine";
    fixture.m_host.m_nGroup = 123;
    ASSERT_TRUE(CInstrumentFileWriter::Write(fixture.PathOf("Hall 3/KEL-303.KPF"), CTableFixtures::File(5)));
    fixture.Import({"Hall 3/KEL-303.KPF"});
    EXPECT_EQ(fixture.CountOf(123), 3);
    EXPECT_EQ(TotalCount(fixture), 3);
    EXPECT_EQ(std::string(fixture.m_doc.m_sName), "Mine");
    EXPECT_TRUE(fixture.m_host.m_aNodeTexts.empty());
}

TEST(InstrumentImport, AddsChannelOnesCorrectionsToSurveyLevelsAndTakesTheFileName)
{
    CInstrumentData data = CTableFixtures::File(5);
    CTableFixtures::ChannelOf(data, 1).m_sMeasType = "Survey";
    CImportFixture plain;
    CImportFixture corrected;
    corrected.SetCorrection(0, 1, 1.0);
    corrected.SetCorrection(1, 2, 10.0);
    for (CImportFixture* pFixture : {&plain, &corrected}) {
        ASSERT_TRUE(CInstrumentFileWriter::Write(pFixture->PathOf("site.vsf"), data));
        pFixture->Import({"site.vsf"});
    }
    EXPECT_EQ(std::string(corrected.m_doc.m_sName), "site.vsf");
    for (int nTable : {122, 123, 125, 124}) {
        SCOPED_TRACE(nTable);
        ASSERT_GT(plain.CountOf(nTable), 0);
        ASSERT_EQ(plain.CountOf(nTable), corrected.CountOf(nTable));
        const double dExpected = nTable == 124 ? 0.0 : 1.0;
        EXPECT_NEAR(corrected.RecordsOf(nTable)[0].m_Spectrum.GetSpecLine(20) -
                        plain.RecordsOf(nTable)[0].m_Spectrum.GetSpecLine(20),
                    dExpected, 1e-9);
    }
}
