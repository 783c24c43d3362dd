// The sample files of tools/fixturewriter: each kind opens and reads through
// the readers as the import reads it.

#include "RecordingImportHost.h"

#include "import/ReadKelFile.h"
#include "tools/fixtures/CFixtureFolder.h"
#include "tools/fixtures/CSampleFiles.h"

#include <gtest/gtest.h>

namespace
{

typedef CList<NBuildData, NBuildData&> CRecordList;

class SampleFiles : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(CSampleFiles::WriteAll(m_folder.Path())); }
    CString PathOf(const char* szName) const { return m_folder.PathOf(szName).c_str(); }

    CFixtureFolder m_folder;
    CRecordingImportHost m_host{2};
    CReadKelFile m_reader{&m_host};
};

} // namespace

TEST_F(SampleFiles, SpectrumFilesReadOnEveryUsedChannel)
{
    struct Row
    {
        const char* szName;
        int nChannelUse;
        int nType;
    } rows[] = {{"Level.vsf", 1, 0}, {"Analyser.sdf", 0, 0}, {"Reverberation.vsf", 1, 1}};
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szName);
        ASSERT_EQ(m_reader.OpenFile(PathOf(row.szName)), 0);
        EXPECT_EQ(m_reader.GetChannelUse(), row.nChannelUse);
        for (int nChannel = 1; nChannel <= (row.nChannelUse == 0 ? 2 : 1); ++nChannel)
        {
            NBuildData record;
            EXPECT_EQ(m_reader.ReadSpectrum(record, nChannel, CReportInfo()), 0);
            EXPECT_EQ(record.m_Spectrum.GetType(), row.nType);
            EXPECT_EQ(record.m_Spectrum.GetNumOfFreq(), 21);
        }
    }
}

TEST_F(SampleFiles, TableFilesReadEveryTableAndTheRoom)
{
    struct Row
    {
        const char* szName;
        bool bSurvey;
        int nRecordsPerTable;
    } rows[] = {{"Hall 3/KEL-303.KPF", false, 3}, {"Survey.vsf", true, 2}};
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szName);
        ASSERT_EQ(m_reader.OpenFile(PathOf(row.szName)), 0);
        EXPECT_EQ(m_reader.m_bSurveyFile, row.bSurvey);
        for (int nTable : {122, 123, 125, 124})
        {
            SCOPED_TRACE(nTable);
            CRecordList records;
            int nResult = row.bSurvey ? m_reader.ReadSurveyTables(records, nTable, CReportInfo())
                                      : m_reader.ReadProjectTable(records, nTable, CReportInfo());
            EXPECT_EQ(nResult, 0);
            EXPECT_EQ(records.GetCount(), row.nRecordsPerTable);
        }
        double dVolume = 0;
        EXPECT_EQ(m_reader.GetRoomVolume(dVolume), 0);
        EXPECT_EQ(dVolume, 48.0);
    }
    EXPECT_TRUE(m_host.m_aMessages.empty());
}

TEST_F(SampleFiles, ConverterFilesReadAndConvert)
{
    ASSERT_EQ(m_reader.OpenConverterFile(PathOf("General.config")), 0);
    EXPECT_EQ(m_reader.GetChannelUse(), 0);
    NBuildData record;
    EXPECT_EQ(m_reader.ReadConverterSpectrum(record, 2, CReportInfo()), 0);

    Kel270Converter::CKel270Converter converter(PathOf("Building.config"));
    EXPECT_TRUE(converter.IsBuildingAcoustics());
    EXPECT_EQ(converter.ConvertFile(PathOf("kelX70.prj")), 0);
}
