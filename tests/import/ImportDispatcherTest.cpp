// CImportDispatcher: the extension rule, files skipped or refused by their
// extension, workspaces, the one recalculation of a batch, and a batch
// without a selected project; a mixed batch.

#include "ImportFixture.h"

#include "TableFixtures.h"

#include "res/resource.h"
#include "tools/fixtures/CConverterFileWriter.h"
#include "tools/fixtures/CInstrumentFileBuilder.h"
#include "tools/fixtures/CInstrumentFileWriter.h"

#include <gtest/gtest.h>

#include <fstream>

TEST(ImportDispatcher, TakesTheExtensionFromTheLastFourOrSevenCharacters)
{
    struct Row {
        const char* szPath;
        const char* szExtension;
    } rows[] = {
        {"C:\\m\\a.SDF", ".sdf"},
        {"C:\\m\\a.vsf", ".vsf"},
        {"C:\\m\\a.Config", ".config"},
        {"C:\\m\\a.sdf1", "\\a.sdf1"},
        {"C:\\m\\a.kpfx", "\\a.kpfx"},
        {"a.config", ".config"},
        {"ab", "ab"},
        {"x.tm", "x.tm"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.szPath);
        EXPECT_EQ(std::string(CImportDispatcher::ExtensionOf(row.szPath)), row.szExtension);
    }
}

TEST(ImportDispatcher, NamesAnUnknownExtensionSkipsDatFilesAndRecalculatesOnce)
{
    CImportFixture fixture;
    EXPECT_EQ(fixture.Import({"a.dat", "b.sdf1", "c.DAT", "d.txt"}), 0);
    EXPECT_EQ(fixture.m_host.m_aMessages,
              (std::vector<std::string>{StringOf(IDS_UNKNOWN_EXTENSION) + "\n" + fixture.PathOf("b.sdf1"),
                                        StringOf(IDS_UNKNOWN_EXTENSION) + "\n" + fixture.PathOf("d.txt")}));
    EXPECT_EQ(fixture.Recalculations(), 1);
}

TEST(ImportDispatcher, OpensAWorkspaceFile)
{
    CImportFixture fixture;
    fixture.Import({"site.VSP"});
    EXPECT_EQ(fixture.m_host.m_aWorkspaces, std::vector<std::string>{fixture.PathOf("site.VSP")});
    EXPECT_TRUE(fixture.m_host.m_aMessages.empty());
}

TEST(ImportDispatcher, RecalculatesNothingWithoutASelectedProject)
{
    CImportFixture fixture;
    fixture.m_host.m_pProject = nullptr;
    EXPECT_EQ(fixture.Import({"a.dat", "b.zuz"}), -1);
    EXPECT_EQ(fixture.Recalculations(), 0);
}

namespace {

// A level file of channel 1 at fLevel dB, triggered at the given minute.
void WriteLevelFile(CImportFixture& fixture, const std::string& sName, float fLevel, int nMinute)
{
    CInstrumentData::CChannelData channel = CInstrumentFileBuilder::Channel(1, 0);
    channel.m_trigTime = CInstrumentData::DateTime{2024, 3, 1, 10, nMinute, 0};
    CInstrumentFileBuilder::AddObject(
        channel, 0,
        {CInstrumentFileBuilder::Function(CInstrumentFileBuilder::kLevel, {CInstrumentFileBuilder::FlatPeriod(channel, fLevel)})});
    ASSERT_TRUE(CInstrumentFileWriter::Write(fixture.PathOf(sName), CInstrumentFileBuilder::File(1, {channel})));
}

// An archive of one record, channel 1 in the source room.
void WriteArchive(CImportFixture& fixture, const std::string& sName)
{
    NMeasCtrlData control;
    control.m_MeasSetup.SetActivateChannel(1);
    control.m_MeasSetup.SetMeasurementMode(0);
    control.m_MeasSetup.SetDescription(kRoleSource, 1);
    control.m_aLevel[0].InsertData(20, 75.0);
    CMeasCtrlList records;
    records.AddTail(control);
    ASSERT_TRUE(CMeasArchiveFile::Write(fixture.PathOf(sName).c_str(), TRUE, records));
}

// An INI project of a field airborne project, with one more source-room
// record in its continuation file.
void WriteIniProject(CImportFixture& fixture, const std::string& sName)
{
    std::string sText = "[GENERAL]\nFile Type=Quorad Project File\nFile Version=3.0\n";
    for (const char* szSection : {"SPECTRUM SEND", "SPECTRUM RECEIVE", "BACKGROUND NOISE"})
        sText += std::string("[") + szSection + " 1]\nStatus=0\n[" + szSection + " 2]\nStatus=0\nB20=50\n";
    sText += "[SPECTRUM REVERB 1]\nStatus=0\nB20=0.5\n";
    std::ofstream(fixture.PathOf(sName + ".prj")) << sText;
    std::ofstream(fixture.PathOf(sName + ".PR3")) << "[SPECTRUM SEND 2]\nStatus=0\nB20=51\n";
}

} // namespace

TEST(ImportDispatcher, ImportsAMixedBatchWithOneRecalculation)
{
    CImportFixture fixture;
    fixture.m_host.m_nDialogTable1 = 122;
    fixture.m_host.m_nDialogTable2 = 123;
    WriteLevelFile(fixture, "level.vsf", 80.0f, 1);
    ASSERT_TRUE(CInstrumentFileWriter::Write(fixture.PathOf("Hall 3/KEL-303.KPF"), CTableFixtures::File(5)));
    // Measured at another time than the project file's positions, so no
    // record is refused as a duplicate of another file's.
    CConverterData general = CConverterFileWriter::GeneralFile(2);
    general.m_trigTime = CConverterData::DateTime{2024, 3, 1, 10, 2, 0};
    ASSERT_TRUE(CConverterFileWriter::Write(fixture.PathOf("general.config"), general));
    ASSERT_TRUE(CConverterFileWriter::Write(fixture.PathOf("building.CONFIG"),
                                            CConverterFileWriter::BuildingAcousticsFile()));
    std::ofstream(fixture.PathOf("bad.sdf")) << "not an instrument file\n";
    WriteArchive(fixture, "site.zuz");
    WriteIniProject(fixture, "p");
    const std::vector<std::string> aBatch = {"level.vsf", "site.zuz", "Hall 3/KEL-303.KPF", "p.prj", "general.config",
                                             "notes.txt", "building.CONFIG", "bad.sdf", "skip.dat"};

    EXPECT_EQ(fixture.Import(aBatch), 0);
    EXPECT_EQ(fixture.Recalculations(), 1);
    ASSERT_EQ(fixture.m_host.m_aMessages.size(), 2u);
    EXPECT_EQ(fixture.m_host.m_aMessages[0], StringOf(IDS_UNKNOWN_EXTENSION) + "\n" + fixture.PathOf("notes.txt"));
    EXPECT_EQ(fixture.m_host.m_aMessages[1].rfind(StringOf(IDS_INVALID_DATA_FORMAT) + "\n", 0), 0u);
    // Each file files what it files alone; the batch adds them up.
    for (int nTable : {122, 123, 125, 124}) {
        SCOPED_TRACE(nTable);
        int nAlone = 0;
        for (const std::string& sFile : aBatch) {
            CImportFixture single;
            single.m_host.m_nDialogTable1 = 122;
            single.m_host.m_nDialogTable2 = 123;
            CStringArray paths;
            paths.Add(fixture.PathOf(sFile).c_str());
            single.m_dispatcher.ImportFiles(paths);
            nAlone += single.CountOf(nTable);
        }
        EXPECT_EQ(fixture.CountOf(nTable), nAlone);
        EXPECT_GT(nAlone, 0);
    }
    EXPECT_EQ(std::string(fixture.m_doc.m_sName), "kelX70.prj");
}
