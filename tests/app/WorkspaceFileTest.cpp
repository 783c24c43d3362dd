// Behaviours of CWorkspaceFile: the bytes of a workspace file, the schemas
// it reads and refuses, damaged files, and saving beside the old file.

#include "app/WorkspaceFile.h"
#include "platform/afx/ArchiveBytes.h"

#include <gtest/gtest.h>

namespace {

// The class record of the application object with a schema.
Bytes ClassRecord(BYTE nSchema)
{
    return Bytes{0xFF, 0xFF, nSchema, 0x00, 12, 0x00} + "CVestolarApp";
}

// Two suffixes ".001" and ".012".
const Bytes kTwoSuffixes = Bytes{0x02, 0x00, 4} + ".001" + Bytes{4} + ".012";

CWorkspaceFile LoadFileBytes(const Bytes& bytes)
{
    CWorkspaceFile workspace;
    LoadBytes(bytes, [&](CArchive& ar) { workspace.Serialize(ar); });
    return workspace;
}

TEST(CWorkspaceFile, WritesSuffixesClassRecordTitleAndActiveProject)
{
    CWorkspaceFile workspace;
    workspace.m_saProjectSuffixes.Add(".001");
    workspace.m_saProjectSuffixes.Add(".012");
    workspace.m_sWorkspaceTitle = "Plant.vsp";
    workspace.m_nActiveProject = 12;

    const Bytes bytes = StoreBytes([&](CArchive& ar) { workspace.Serialize(ar); });

    const Bytes expected = kTwoSuffixes + ClassRecord(2) + Bytes{9} + "Plant.vsp" + Bytes{12, 0, 0, 0};
    EXPECT_EQ(expected, bytes);
}

TEST(CWorkspaceFile, WritesAnEmptyWorkspaceWithoutActiveProject)
{
    CWorkspaceFile workspace;
    workspace.m_sWorkspaceTitle = "Untitled";

    const Bytes bytes = StoreBytes([&](CArchive& ar) { workspace.Serialize(ar); });

    const Bytes expected = Bytes{0x00, 0x00} + ClassRecord(2) + Bytes{8} + "Untitled" + Bytes{0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(expected, bytes);
}

TEST(CWorkspaceFile, ReadsBothSchemas)
{
    const CWorkspaceFile second = LoadFileBytes(kTwoSuffixes + ClassRecord(2) + Bytes{2} + "ws" + Bytes{5, 0, 0, 0});
    ASSERT_EQ(2, second.m_saProjectSuffixes.GetSize());
    EXPECT_EQ(CString(".012"), second.m_saProjectSuffixes[1]);
    EXPECT_EQ(CString("ws"), second.m_sWorkspaceTitle);
    EXPECT_EQ(5, second.m_nActiveProject);

    const CWorkspaceFile first = LoadFileBytes(kTwoSuffixes + ClassRecord(1) + Bytes{2} + "ws");
    EXPECT_EQ(2, first.m_saProjectSuffixes.GetSize());
    EXPECT_EQ(CString("ws"), first.m_sWorkspaceTitle);
    EXPECT_EQ(-1, first.m_nActiveProject);
}

TEST(CWorkspaceFile, RefusesOtherSchemasAndOtherClasses)
{
    struct Row {
        const char* lpszCase;
        Bytes bytes;
        int nCause;
        const char* lpszNamed;
    };
    const Row rows[] = {
        {"schema 0", kTwoSuffixes + ClassRecord(0) + Bytes{0}, CArchiveException::badSchema, "CVestolarApp"},
        {"schema 3", kTwoSuffixes + ClassRecord(3) + Bytes{0, 0, 0, 0, 0}, CArchiveException::badSchema,
         "CVestolarApp"},
        {"unknown class", kTwoSuffixes + Bytes{0xFF, 0xFF, 2, 0, 6, 0} + "CWhat?" + Bytes{0},
         CArchiveException::badClass, "CWhat?"},
        {"project document", kTwoSuffixes + Bytes{0xFF, 0xFF, 9, 0, 12, 0} + "CVestolarDoc" + Bytes{0},
         CArchiveException::badClass, "CVestolarDoc"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        try {
            LoadFileBytes(row.bytes);
            ADD_FAILURE() << "read without error";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(row.nCause, e.m_cause);
            EXPECT_EQ(CString(row.lpszNamed), e.m_strFileName);
        }
    }
}

TEST(CWorkspaceFile, ReportsADamagedSuffixListAsAnInvalidFileOfThatName)
{
    CTestFilePath path(".vsp");
    WriteFileBytes(path.Get(), Bytes{0x03, 0x00, 4} + ".001");
    try {
        CWorkspaceFile::Load(path.Get());
        ADD_FAILURE() << "read without error";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(CArchiveException::badIndex, e.m_cause);
        EXPECT_EQ(CString(path.Get()), e.m_strFileName);
    }
}

TEST(CWorkspaceFile, ReportsAFileThatEndsAfterTheSuffixesAsItsEnd)
{
    EXPECT_EQ(CArchiveException::endOfFile, ArchiveCause([] { LoadFileBytes(kTwoSuffixes + ClassRecord(2) + Bytes{9} + "Pla"); }));
    EXPECT_EQ(CArchiveException::endOfFile, ArchiveCause([] { LoadFileBytes(kTwoSuffixes + ClassRecord(2) + Bytes{2} + "ws" + Bytes{1, 0}); }));
}

TEST(CWorkspaceFile, SavesAWholeFileAndReadsItBack)
{
    CTestFilePath path(".vsp");
    WriteFileBytes(path.Get(), Bytes{'o', 'l', 'd'});
    CWorkspaceFile workspace;
    workspace.m_saProjectSuffixes.Add(".005");
    workspace.m_sWorkspaceTitle = "Tower.vsp";
    workspace.m_nActiveProject = 5;

    workspace.Save(path.Get());

    const CWorkspaceFile read = CWorkspaceFile::Load(path.Get());
    ASSERT_EQ(1, read.m_saProjectSuffixes.GetSize());
    EXPECT_EQ(CString(".005"), read.m_saProjectSuffixes[0]);
    EXPECT_EQ(CString("Tower.vsp"), read.m_sWorkspaceTitle);
    EXPECT_EQ(5, read.m_nActiveProject);
    EXPECT_TRUE(ReadFileBytes((std::string(path.Get()) + ".~tmp").c_str()).empty());
}

TEST(CWorkspaceFile, FormatsProjectSuffixesWithThreeDigits)
{
    EXPECT_EQ(CString(".001"), CWorkspaceFile::SuffixOf(1));
    EXPECT_EQ(CString(".012"), CWorkspaceFile::SuffixOf(12));
    EXPECT_EQ(CString(".1234"), CWorkspaceFile::SuffixOf(1234));
}

} // namespace
