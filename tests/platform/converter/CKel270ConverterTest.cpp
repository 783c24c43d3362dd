// CKel270Converter: the kind questions, refusal when opened, reading the
// spectra of a general-analyser file, and the conversion results.

#include "platform/converter/CKel270Converter.h"
#include "platform/instrfile/FvxCodes.h"
#include "tools/fixtures/CConverterFileWriter.h"
#include "tools/fixtures/CFixtureFolder.h"

#include "CPrivateProfile.h"
#include "NSpectrum.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

using Kel270Converter::CKel270Converter;

namespace
{

std::string Written(const CFixtureFolder& folder, const CConverterData& data,
                    const char* szName = "meas.config")
{
    std::string sPath = folder.PathOf(szName);
    EXPECT_TRUE(CConverterFileWriter::Write(sPath, data));
    return sPath;
}

std::string WrittenText(const CFixtureFolder& folder, const std::string& sText, const char* szName)
{
    std::string sPath = folder.PathOf(szName);
    std::ofstream(sPath, std::ios::binary) << sText;
    return sPath;
}

std::string ContentOf(const std::string& sPath)
{
    std::ifstream file(sPath, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::string Replaced(std::string sText, const std::string& sOld, const std::string& sNew)
{
    size_t nPos = sText.find(sOld);
    EXPECT_NE(nPos, std::string::npos) << sOld;
    return nPos == std::string::npos ? sText : sText.replace(nPos, sOld.size(), sNew);
}

std::string IniValue(const CPrivateProfile& ini, const char* szSection, const char* szKey)
{
    char szValue[100];
    ini.GetString(szSection, szKey, "(none)", szValue, sizeof(szValue));
    return szValue;
}

} // namespace

TEST(CKel270Converter, TellsTheKindFromTheFirstTwoLinesWithoutOpening)
{
    CFixtureFolder folder;
    std::string sBuilding = CConverterFileWriter::ToText(CConverterFileWriter::BuildingAcousticsFile());
    struct Row
    {
        const char* szCase;
        std::string sText;
        int nBuilding;
        int nIntensity;
        int nGeneral;
    } rows[] = {
        {"building acoustics", sBuilding, 1, 0, 0},
        {"intensity", Replaced(sBuilding, "Kind BuildingAcoustics", "Kind Intensity"), 0, 1, 0},
        {"general", CConverterFileWriter::ToText(CConverterFileWriter::GeneralFile(1)), 0, 0, 1},
        {"broken body", Replaced(sBuilding, "Channels 2", "Channels two"), 1, 0, 0},
        {"kind in other case", Replaced(sBuilding, "Kind BuildingAcoustics", "Kind buildingacoustics"), 0, 0, 0},
        {"another format", Replaced(sBuilding, "K270 1", "K270 2"), 0, 0, 0},
        {"empty", "", 0, 0, 0},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szCase);
        CKel270Converter converter(WrittenText(folder, row.sText, "kind.config").c_str());
        EXPECT_EQ(converter.IsBuildingAcoustics(), row.nBuilding);
        EXPECT_EQ(converter.IsIntensity(), row.nIntensity);
        EXPECT_EQ(converter.IsGeneralAnalyzer(), row.nGeneral);
    }
    CKel270Converter missing(folder.PathOf("missing.config").c_str());
    EXPECT_FALSE(missing.IsBuildingAcoustics() || missing.IsIntensity() || missing.IsGeneralAnalyzer());
}

TEST(CKel270Converter, OpenRefusesAFileThatBreaksAnyRule)
{
    CFixtureFolder folder;
    const std::string sGeneral = CConverterFileWriter::ToText(CConverterFileWriter::GeneralFile(2));
    const std::string sBuilding = CConverterFileWriter::ToText(CConverterFileWriter::BuildingAcousticsFile());
    struct Row
    {
        const char* szCase;
        std::string sText;
        int nExpected;
    } rows[] = {
        {"as written", sGeneral, kFvxOk},
        {"building acoustics as written", sBuilding, kFvxOk},
        {"unknown kind", Replaced(sGeneral, "Kind General", "Kind Impact"), kFvxNotThisFormat},
        {"channel count not matching", Replaced(sGeneral, "Channels 2", "Channels 3"), kFvxCountMismatch},
        {"channels out of order", Replaced(sGeneral, "Channel 2\n", "Channel 3\n"), kFvxCountMismatch},
        {"an Lfeq list one short", Replaced(sGeneral, "Lfeq 21 50", "Lfeq 20"), kFvxCountMismatch},
        {"a value not a number", Replaced(sGeneral, "Sensitivity 47.5", "Sensitivity nan"), kFvxBadNumber},
        {"a trigger year 1970", Replaced(sGeneral, "TrigTime 2024", "TrigTime 1970"), kFvxBadNumber},
        {"band index 44", Replaced(sGeneral, "UpperFreq 37", "UpperFreq 44"), kFvxBandOutOfRange},
        {"a channel without sensitivity", Replaced(sGeneral, "Sensitivity 48.5\n", ""), kFvxSyntax},
        {"no band statements", Replaced(sGeneral, "Bandwidth 2\n", ""), kFvxSyntax},
        {"a table in a general file", sGeneral + "Table Send\n", kFvxSyntax},
        {"an unknown table", Replaced(sBuilding, "Table Background", "Table Kitchen"), kFvxSyntax},
        {"a position without values", Replaced(sBuilding, "Values 21 20", "Area 1"), kFvxSyntax},
        {"a protocol entry without key", sBuilding + "Protocol =3\n", kFvxSyntax},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szCase);
        CKel270Converter converter(WrittenText(folder, row.sText, "open.config").c_str());
        EXPECT_EQ(converter.Open(), row.nExpected);
    }
    CKel270Converter missing(folder.PathOf("missing.config").c_str());
    EXPECT_EQ(missing.Open(), kFvxCannotOpen);
}

TEST(CKel270Converter, ReadsTheSpectrumAndSetUpOfEachChannel)
{
    CFixtureFolder folder;
    CConverterData data = CConverterFileWriter::GeneralFile(2);
    data.m_nBandwidth = 1;
    data.m_nLowerFreq = 2;
    data.m_nUpperFreq = 14;
    data.m_aChannels[0].m_aLfeq = std::vector<double>{-99.0, -99.5, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    data.m_aChannels[1].m_aLfeq.reset();
    data.m_sVersion = "2.13 build 4711";
    CKel270Converter converter(Written(folder, data).c_str());

    int nChannels = 0;
    EXPECT_EQ(converter.GetChannelsCount(nChannels), kFvxNotOpen);
    ASSERT_EQ(converter.Open(), kFvxOk);
    int nBandwidth = 0, nLower = 0, nUpper = 0;
    EXPECT_EQ(converter.GetChannelsCount(nChannels), kFvxOk);
    EXPECT_EQ(converter.GetBandwidth(nBandwidth), kFvxOk);
    EXPECT_EQ(converter.GetLowerFreq(nLower), kFvxOk);
    EXPECT_EQ(converter.GetUpperFreq(nUpper), kFvxOk);
    EXPECT_EQ((std::vector<int>{nChannels, nBandwidth, nLower, nUpper}), (std::vector<int>{2, 1, 2, 14}));

    double adValues[4] = {0, 0, 0, 7777};
    EXPECT_NE(converter.IsFunctionMeasured(CKel270Converter::kLfeq), 0);
    EXPECT_EQ(converter.IsFunctionMeasured(135), 0);
    EXPECT_EQ(converter.GetDataLfeq(adValues, 3), kFvxOk);
    EXPECT_EQ(std::vector<double>(adValues, adValues + 4), (std::vector<double>{-99.0, -99.5, 3, 7777}));
    EXPECT_EQ(converter.GetDataLfeq(adValues, 14), kFvxBadBandRange);

    char szVersion[8];
    EXPECT_EQ(converter.GetInstrumentVersion(szVersion, sizeof(szVersion)), kFvxOk);
    EXPECT_STREQ(szVersion, "2.13 bu");
    CTimeSpan duration;
    CTime start;
    EXPECT_EQ(converter.GetDuration(duration), kFvxOk);
    EXPECT_EQ(converter.GetTrigTime(start), kFvxOk);
    EXPECT_EQ(duration.GetTotalSeconds(), 90);
    EXPECT_EQ(start, CTime(2024, 3, 1, 10, 15, 0));

    double dSensitivity = 0;
    EXPECT_EQ(converter.SetChannel(2), kFvxOk);
    EXPECT_EQ(converter.GetSensitivity(dSensitivity), kFvxOk);
    EXPECT_EQ(dSensitivity, 48.5);
    EXPECT_EQ(converter.IsFunctionMeasured(CKel270Converter::kLfeq), 0);
    EXPECT_EQ(converter.GetDataLfeq(adValues, 1), kFvxNoMeasurement);
    EXPECT_EQ(converter.SetChannel(3), kFvxNoSuchChannel);
}

TEST(CKel270Converter, ConvertsABuildingAcousticsFileIntoAnIniProject)
{
    CFixtureFolder folder;
    CKel270Converter converter(Written(folder, CConverterFileWriter::BuildingAcousticsFile()).c_str());
    std::string sProject = folder.PathOf("kelX70.prj");
    ASSERT_EQ(converter.ConvertFile(sProject.c_str()), CKel270Converter::kConverted);

    CPrivateProfile ini;
    ASSERT_TRUE(ini.Load(sProject.c_str()));
    struct Row
    {
        const char* szSection;
        const char* szKey;
        const char* szExpected;
    } rows[] = {
        {"GENERAL", "File Type", "Quorad Project File"},
        {"GENERAL", "File Version", "3.0"},
        {"SPECTRUM SEND 1", "Status", "0"},
        {"SPECTRUM SEND 1", "B17", "(none)"},
        {"SPECTRUM SEND 2", "LoudspeakerId", "1"},
        {"SPECTRUM SEND 3", "B37", "91"},
        {"SPECTRUM SEND 4", "Status", "(none)"},
        {"SPECTRUM RECEIVE 1", "B20", "0.5"},
        {"SPECTRUM RECEIVE 2", "Title", "Position 1"},
        {"SPECTRUM RECEIVE 2", "Type", "0"},
        {"BACKGROUND NOISE 2", "B17", "20"},
        {"SPECTRUM REVERB 1", "B17", "0.52"},
        {"SPECTRUM REVERB 1", "Type", "1"},
        {"SPECTRUM REVERB 2", "B37", "0.61"},
        {"SPECTRUM REVERB 3", "Status", "(none)"},
        {"PROTOCOL DATA", "Volume Receive", "50.0"},
        {"PROTOCOL DATA", "Client1", "Vestolar test"},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(std::string(row.szSection) + " / " + row.szKey);
        EXPECT_EQ(IniValue(ini, row.szSection, row.szKey), row.szExpected);
    }
}

TEST(CKel270Converter, ItsProjectSpectraReadBackThroughTheMeasurementLibrary)
{
    CFixtureFolder folder;
    CConverterData data = CConverterFileWriter::BuildingAcousticsFile();
    data.m_nBandwidth = 1;
    data.m_nLowerFreq = 6;
    data.m_nUpperFreq = 7;
    for (CConverterData::CChannelData& channel : data.m_aChannels)
        channel.m_aLfeq = std::vector<double>{40.0, 41.0};
    data.m_aTables = {{"Reverb", std::nullopt, {{0, std::nullopt, {0.52, 1.25}}}}};
    CKel270Converter converter(Written(folder, data).c_str());
    std::string sProject = folder.PathOf("kelX70.prj");
    ASSERT_EQ(converter.ConvertFile(sProject.c_str()), CKel270Converter::kConverted);

    NSpectrum spectrum;
    EXPECT_EQ(spectrum.Retrieve("SPECTRUM REVERB 1", sProject.c_str()), 2);
    EXPECT_EQ(spectrum.GetSpecLine(18), 0.52);
    EXPECT_EQ(spectrum.GetSpecLine(21), 1.25);
    EXPECT_EQ(spectrum.GetMeasStatus(21), 1);
    EXPECT_EQ(spectrum.GetType(), 1);
    EXPECT_EQ(spectrum.GetTitle(), "Position 1");
}

TEST(CKel270Converter, ConversionResultsSayWhyNothingWasWritten)
{
    CFixtureFolder folder;
    const std::string sBuilding = CConverterFileWriter::ToText(CConverterFileWriter::BuildingAcousticsFile());
    CConverterData injected = CConverterFileWriter::BuildingAcousticsFile();
    injected.m_faults.Add("ConvertFile", 9);
    struct Row
    {
        const char* szCase;
        std::function<std::string()> source;
        std::string sTarget;
        int nExpected;
    } rows[] = {
        {"missing file", [&] { return folder.PathOf("missing.config"); }, "kelX70.prj", CKel270Converter::kCannotOpen},
        {"broken body", [&] { return WrittenText(folder, Replaced(sBuilding, "Channels 2", "Channels 3"), "a.config"); }, "kelX70.prj", CKel270Converter::kUnknownFormat},
        {"general analyser", [&] { return Written(folder, CConverterFileWriter::GeneralFile(1), "b.config"); }, "kelX70.prj", CKel270Converter::kUnknownFormat},
        {"folder of the project missing", [&] { return Written(folder, CConverterFileWriter::BuildingAcousticsFile(), "c.config"); }, "no such folder/kelX70.prj", CKel270Converter::kCannotWrite},
        {"another failure", [&] { return Written(folder, injected, "d.config"); }, "kelX70.prj", 9},
    };
    std::string sProject = folder.PathOf("kelX70.prj");
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szCase);
        std::ofstream(sProject, std::ios::binary) << "previous project";
        std::string sTarget = row.sTarget == "kelX70.prj" ? sProject : folder.Path() + "/" + row.sTarget;
        CKel270Converter converter(row.source().c_str());
        EXPECT_EQ(converter.ConvertFile(sTarget.c_str()), row.nExpected);
        EXPECT_EQ(ContentOf(sProject), "previous project");
    }
}
