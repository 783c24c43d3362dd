// INI project files: the file type and version, entries and their set
// numbers, continuation files, locale-independent numbers, protocol data,
// tables the file does not hold, and a project that ends at a damaged table.

#include "ImportFixture.h"

#include "import/ReadKelFile.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

std::string General(const char* szVersion, const char* szType = "Quorad Project File")
{
    return std::string("[GENERAL]\nFile Type=") + szType + "\nFile Version=" + szVersion + "\n";
}

// One entry section with a flat spectrum over bands 17..19.
std::string Entry(const std::string& sSection, int n, const char* szLevel, const char* szExtra = "")
{
    std::string sText = "[" + sSection + " " + std::to_string(n) + "]\nStatus=0\nTitle=" + sSection + " " +
                        std::to_string(n) + "\n" + szExtra;
    for (int nBand = 17; nBand <= 19; ++nBand)
        sText += "B" + std::to_string(nBand) + "=" + szLevel + "\n";
    return sText;
}

// The four tables of a field airborne project, each with one record.
std::string AirborneTables()
{
    return Entry("SPECTRUM SEND", 1, "1.0") + Entry("SPECTRUM SEND", 2, "70.0") + Entry("SPECTRUM RECEIVE", 1, "1.0") +
           Entry("SPECTRUM RECEIVE", 2, "40.0") + Entry("BACKGROUND NOISE", 1, "0.0") +
           Entry("BACKGROUND NOISE", 2, "20.0") + Entry("SPECTRUM REVERB", 1, "0.5");
}

void Write(CImportFixture& fixture, const std::string& sName, const std::string& sText)
{
    std::ofstream(fixture.PathOf(sName)) << sText;
}

} // namespace

TEST(IniProjectImport, AcceptsTheProjectTypeFromVersionThreeOn)
{
    struct Row {
        const char* szVersion;
        const char* szType;
        bool bAccepted;
    } rows[] = {
        {"2.9", "Quorad Project File", false},
        {"3", "Quorad Project File", true},
        {"3.0", "Quorad Project File", true},
        {"3,5", "Quorad Project File", true},
        {"2,99", "Quorad Project File", false},
        {"", "Quorad Project File", false},
        {"3.0", "quorad project file", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.szVersion) + " " + row.szType);
        CImportFixture fixture;
        Write(fixture, "p.prj", General(row.szVersion, row.szType) + AirborneTables());
        EXPECT_EQ(fixture.Import({"p.prj"}), 0);
        EXPECT_EQ(fixture.CountOf(122), row.bAccepted ? 1 : 0);
        EXPECT_EQ(fixture.m_host.m_aMessages,
                  row.bAccepted ? std::vector<std::string>{}
                                : std::vector<std::string>{StringOf(IDS_INVALID_DATA_FORMAT) + "\n" + fixture.PathOf("p.prj")});
    }
}

TEST(IniProjectImport, ReadsLevelsFromEntryTwoWithTheFirstEntryAsSecondSpectrum)
{
    CImportFixture fixture;
    Write(fixture, "p.prj", General("3.0") + Entry("SPECTRUM SEND", 1, "1,5") + Entry("SPECTRUM SEND", 2, "70,5") +
                                Entry("SPECTRUM SEND", 3, "71.0"));
    CList<NBuildData, NBuildData&> records;
    ASSERT_EQ(CReadKelFile::ReadIniTable(records, 122, fixture.m_doc.m_ReportInfo, fixture.PathOf("p.prj").c_str()), 0);
    ASSERT_EQ(records.GetCount(), 2);
    const NBuildData& first = records.GetHead();
    EXPECT_DOUBLE_EQ(first.m_Spectrum.GetSpecLine(18), 70.5);
    EXPECT_DOUBLE_EQ(first.m_CorrSpectrum.GetSpecLine(18), 1.5);
    EXPECT_EQ(first.m_MeasSetup.GetDescription(1), kRoleSource);
    EXPECT_EQ(first.m_MeasSetup.GetMeasurementMode(), 0);
    EXPECT_EQ(first.m_MeasSetup.GetInstrumentType(2), 4);
    EXPECT_EQ(first.m_MeasSetup.GetLowerFreq(), 8);
    EXPECT_EQ(first.m_MeasSetup.GetUpperFreq(), 43);
}

// The whole file is read once per table, so a long project reads every entry
// in its order, the last one included.
TEST(IniProjectImport, ReadsEveryEntryOfAProjectOfSeveralHundred)
{
    CImportFixture fixture;
    std::string sText = General("3.0");
    for (int n = 1; n <= 400; ++n)
        sText += Entry("SPECTRUM SEND", n, std::to_string(n).c_str());
    Write(fixture, "p.prj", sText);
    CList<NBuildData, NBuildData&> records;
    ASSERT_EQ(CReadKelFile::ReadIniTable(records, 122, fixture.m_doc.m_ReportInfo, fixture.PathOf("p.prj").c_str()), 0);
    ASSERT_EQ(records.GetCount(), 399);
    EXPECT_DOUBLE_EQ(records.GetHead().m_Spectrum.GetSpecLine(18), 2.0);
    EXPECT_DOUBLE_EQ(records.GetTail().m_Spectrum.GetSpecLine(18), 400.0);
}

TEST(IniProjectImport, GivesNoRecordForATableWithOnlyItsFirstEntry)
{
    CImportFixture fixture;
    Write(fixture, "p.prj", General("3.0") + Entry("SPECTRUM SEND", 1, "1.0"));
    CList<NBuildData, NBuildData&> records;
    EXPECT_EQ(CReadKelFile::ReadIniTable(records, 122, fixture.m_doc.m_ReportInfo, fixture.PathOf("p.prj").c_str()), 0);
    EXPECT_EQ(records.GetCount(), 0);
}

TEST(IniProjectImport, TakesLoudspeakerOneToNineAsSetNumberAndZeroAsNone)
{
    struct Row {
        const char* szId;
        int nSet;
    } rows[] = {{"0", 0}, {"1", 1}, {"9", 9}, {"10", -1}, {"-1", -1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.szId);
        CImportFixture fixture;
        const std::string sExtra = std::string("LoudspeakerId=") + row.szId + "\nArea=12,5\n";
        Write(fixture, "p.prj", General("3.0") + Entry("SPECTRUM REVERB", 1, "0.5", sExtra.c_str()));
        CList<NBuildData, NBuildData&> records;
        ASSERT_EQ(CReadKelFile::ReadIniTable(records, 124, fixture.m_doc.m_ReportInfo, fixture.PathOf("p.prj").c_str()), 0);
        ASSERT_EQ(records.GetCount(), 1);
        EXPECT_EQ(records.GetHead().m_nSetNumber, row.nSet);
        EXPECT_DOUBLE_EQ(records.GetHead().m_dArea, 12.5);
        EXPECT_EQ(records.GetHead().m_Spectrum.GetType(), NSpectrum::kTypeReverberation);
    }
}

TEST(IniProjectImport, ReadsTheContinuationFilesAfterTheMainFileThreeBeforeTwo)
{
    CImportFixture fixture;
    Write(fixture, "p.prj", General("3.0") + Entry("SPECTRUM SEND", 1, "1.0") + Entry("SPECTRUM SEND", 2, "70.0"));
    Write(fixture, "p.PR2", Entry("SPECTRUM SEND", 2, "72.0"));
    Write(fixture, "p.PR3", Entry("SPECTRUM SEND", 2, "71.0") + Entry("SPECTRUM SEND", 3, "71.5"));
    CList<NBuildData, NBuildData&> records;
    ASSERT_EQ(CReadKelFile::ReadIniTable(records, 122, fixture.m_doc.m_ReportInfo, fixture.PathOf("p.prj").c_str()), 0);
    std::vector<double> aLevels;
    std::vector<bool> aWithSecond;
    for (POSITION pos = records.GetHeadPosition(); pos != nullptr;) {
        const NBuildData& record = records.GetNext(pos);
        aLevels.push_back(record.m_Spectrum.GetSpecLine(18));
        aWithSecond.push_back(record.m_CorrSpectrum.GetNumOfFreq() > 0);
    }
    EXPECT_EQ(aLevels, (std::vector<double>{70.0, 71.0, 71.5, 72.0}));
    EXPECT_EQ(aWithSecond, (std::vector<bool>{true, false, false, false}));
}

TEST(IniProjectImport, TakesProtocolNumbersAboveZeroAndTheReportTexts)
{
    CImportFixture fixture;
    fixture.SetKind({&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bCeiling});
    fixture.m_doc.m_ReportInfo.m_dTemperature1 = 21.0;
    fixture.m_doc.m_ReportInfo.m_sClient = "Old ";
    fixture.SetCorrection(0, 1, 5.0);
    Write(fixture, "Hall.prj",
          General("3.0") + AirborneTables() +
              "[PROTOCOL DATA]\nVolume Receive=50,5\nVolume Send=60\nSize=10.0\nTemperature=0\nHumidity=45,0\n"
              "Mass per Unit=-3\nClient1=Acme\nClient2=Town\nObject1=Flat 1\nObject2=Floor 2\nComment1=Quiet\n"
              "Test Specimen1=Wall\nJob Number=J-7\nDate=1.3.2024\n");
    EXPECT_EQ(fixture.Import({"Hall.prj"}), 0);
    const CReportInfo& info = fixture.m_doc.m_ReportInfo;
    EXPECT_DOUBLE_EQ(info.m_dVolume, 50.5);
    EXPECT_EQ(std::string(info.m_sSourceRoomVolume), "60.0");
    EXPECT_DOUBLE_EQ(info.m_dArea, 10.0);
    EXPECT_DOUBLE_EQ(info.m_dTemperature1, 21.0);
    EXPECT_EQ(std::string(info.m_sHumidity), "45.0");
    EXPECT_EQ(std::string(info.m_sMassPerUnit), "");
    EXPECT_EQ(std::string(info.m_sClient), "Old Acme Town ");
    EXPECT_EQ(std::string(info.m_sObject), "Flat 1\r\nFloor 2\n\n" + StringOf(IDS_COMMENT) + ":\nQuiet");
    EXPECT_EQ(std::string(info.m_sDescription), "Wall");
    EXPECT_EQ(std::string(info.m_sReportNo), "J-7");
    EXPECT_EQ(std::string(info.m_sTestDate), "1.3.2024");
    EXPECT_EQ(std::string(fixture.m_doc.m_sName), "Hall.prj");
    EXPECT_EQ(fixture.m_host.m_aNodeTexts, std::vector<std::string>{"Hall.prj"});
    EXPECT_FALSE(fixture.m_host.m_sFilterText.IsEmpty());
    EXPECT_DOUBLE_EQ(fixture.RecordsOf(122)[0].m_Spectrum.GetSpecLine(18), 70.0);
}

TEST(IniProjectImport, AppendsTheClientLinesAgainOnASecondImport)
{
    CImportFixture fixture;
    Write(fixture, "p.prj", General("3.0") + AirborneTables() + "[PROTOCOL DATA]\nClient1=Acme\n");
    fixture.Import({"p.prj", "p.prj"});
    EXPECT_EQ(std::string(fixture.m_doc.m_ReportInfo.m_sClient), "Acme Acme ");
    EXPECT_EQ(fixture.Recalculations(), 1);
}

TEST(IniProjectImport, ReadsATableTheFileDoesNotHoldAsEmptyAndRefusesADamagedOne)
{
    struct Row {
        const char* szCase;
        std::string sTables;
        int nResult;
    } rows[] = {
        {"no section of the table", "", 0},
        {"only a table whose name begins alike", Entry("SPECTRUM SEND LS", 1, "1.0") + Entry("SPECTRUM SEND LS", 2, "70.0"), 0},
        {"entries without the first", Entry("SPECTRUM SEND", 2, "70.0"), -1},
        {"entries in other letter case without the first", Entry("spectrum send", 3, "70.0"), -1},
        {"a first entry without its status", "[SPECTRUM SEND 1]\nB18=1.0\n", -1},
        {"a first entry that marks the end", "[SPECTRUM SEND 1]\nStatus=333\n", -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.szCase);
        CImportFixture fixture;
        Write(fixture, "p.prj", General("3.0") + row.sTables);
        CList<NBuildData, NBuildData&> records;
        NBuildData leftOver;
        records.AddTail(leftOver);
        EXPECT_EQ(CReadKelFile::ReadIniTable(records, 122, fixture.m_doc.m_ReportInfo, fixture.PathOf("p.prj").c_str()),
                  row.nResult);
        EXPECT_EQ(records.GetCount(), 0);
    }
}

// A converted analyser file holds only the tables the analyser measured.
TEST(IniProjectImport, ImportsAProjectWhoseFileLacksSomeOfItsTables)
{
    CImportFixture fixture;
    fixture.SetKind({&CReportInfo::m_bLab, &CReportInfo::m_bAirborne});
    Write(fixture, "Lab.prj",
          General("3.0") + Entry("SPECTRUM SEND", 1, "1.0") + Entry("SPECTRUM SEND", 2, "70.0") +
              Entry("SPECTRUM RECEIVE", 1, "1.0") + Entry("SPECTRUM RECEIVE", 2, "40.0") +
              Entry("SPECTRUM REVERB", 1, "0.5") +
              "[PROTOCOL DATA]\nVolume Receive=55\nSize=10.0\nTemperature=21\nHumidity=45\n"
              "Test Specimen1=Wall\nJob Number=J-7\n");
    EXPECT_EQ(fixture.Import({"Lab.prj"}), 0);
    EXPECT_TRUE(fixture.m_host.m_aMessages.empty());
    for (const auto& [nTable, nCount] : std::vector<std::pair<int, int>>{{122, 1}, {123, 1}, {124, 1}, {125, 0}, {130, 0}}) {
        SCOPED_TRACE(nTable);
        EXPECT_EQ(fixture.CountOf(nTable), nCount);
    }
    const CReportInfo& info = fixture.m_doc.m_ReportInfo;
    EXPECT_DOUBLE_EQ(info.m_dVolume, 55.0);
    EXPECT_DOUBLE_EQ(info.m_dArea, 10.0);
    EXPECT_DOUBLE_EQ(info.m_dTemperature1, 21.0);
    EXPECT_EQ(std::string(info.m_sHumidity), "45.0");
    EXPECT_EQ(std::string(info.m_sDescription), "Wall");
    EXPECT_EQ(std::string(info.m_sReportNo), "J-7");
    EXPECT_EQ(std::string(fixture.m_doc.m_sName), "Lab.prj");
}

TEST(IniProjectImport, StopsAtADamagedTableNamingTheFileAndKeepsTheTablesFiledBefore)
{
    CImportFixture fixture;
    fixture.m_doc.m_sName = "Mine";
    Write(fixture, "p.prj", General("3.0") + Entry("SPECTRUM SEND", 1, "1.0") + Entry("SPECTRUM SEND", 2, "70.0") +
                                Entry("SPECTRUM RECEIVE", 1, "1.0") + Entry("SPECTRUM RECEIVE", 2, "40.0") +
                                Entry("BACKGROUND NOISE", 2, "20.0") + Entry("SPECTRUM REVERB", 1, "0.5") +
                                "[PROTOCOL DATA]\nVolume Receive=55\n");
    fixture.Import({"p.prj"});
    EXPECT_EQ(fixture.CountOf(122), 1);
    EXPECT_EQ(fixture.CountOf(123), 1);
    EXPECT_EQ(fixture.CountOf(124), 0);
    EXPECT_EQ(fixture.m_host.m_aMessages,
              std::vector<std::string>{StringOf(IDS_INVALID_DATA_FORMAT) + "\n" + fixture.PathOf("p.prj")});
    EXPECT_EQ(std::string(fixture.m_doc.m_sName), "Mine");
    EXPECT_LT(fixture.m_doc.m_ReportInfo.m_dVolume, 0.0);
}
