// Behaviours of CProjectFile: the file name of a project, a save that
// replaces the previous file only when complete, and a load from disk.

#include "ProjectTestSupport.h"
#include "model/ProjectFile.h"
#include "platform/afx/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>

#ifdef _WIN32
#include <direct.h>
#else
#include <unistd.h>
#endif

namespace {

int MakeTestFolder(const char* lpszPath)
{
#ifdef _WIN32
    return _mkdir(lpszPath);
#else
    return mkdir(lpszPath, 0700);
#endif
}

void RemoveTestFolder(const char* lpszPath)
{
#ifdef _WIN32
    _rmdir(lpszPath);
#else
    rmdir(lpszPath);
#endif
}

const Bytes kOldFile = Bytes{'o', 'l', 'd'};

TEST(CProjectFile, NamesTheFileAfterTheWorkspaceAndTheProjectNumber)
{
    EXPECT_EQ(CString("C:\\Work\\Tower.vsp.007"), CProjectFile::PathOf("C:\\Work\\Tower.vsp", 7));
    EXPECT_EQ(CString("ws.123"), CProjectFile::PathOf("ws", 123));
}

TEST(CProjectFile, ReplacesThePreviousFileWithTheCompleteProject)
{
    CRecordingHost host;
    CTestFilePath path(".001");
    WriteFileBytes(path.Get(), kOldFile);
    CProjectDoc doc;
    doc.m_sName = "Hall";

    CProjectFile::Save(doc, path.Get());

    CProjectDoc read;
    CProjectFile::Load(read, path.Get());
    EXPECT_EQ(CString("Hall"), read.m_sName);
    EXPECT_EQ(nullptr, std::fopen((std::string(path.Get()) + ".~tmp").c_str(), "rb"));
}

TEST(CProjectFile, LeavesThePreviousFileWhenTheSaveCannotBeWritten)
{
    CRecordingHost host;
    CTestFilePath path(".002");
    WriteFileBytes(path.Get(), kOldFile);
    const std::string sBeside = std::string(path.Get()) + ".~tmp";
    ASSERT_EQ(0, MakeTestFolder(sBeside.c_str()));  // the save's temporary file cannot be made
    CProjectDoc doc;

    EXPECT_THROW(CProjectFile::Save(doc, path.Get()), CFileException);

    RemoveTestFolder(sBeside.c_str());
    EXPECT_EQ(kOldFile, ReadFileBytes(path.Get()));
}

TEST(CProjectFile, RefusesAFileThatIsNoProject)
{
    CRecordingHost host;
    CTestFilePath path(".003");
    WriteFileBytes(path.Get(), kOldFile);
    CProjectDoc doc;
    doc.m_sName = "Kept";

    EXPECT_EQ(CArchiveException::endOfFile, ArchiveCause([&] { CProjectFile::Load(doc, path.Get()); }));
    EXPECT_EQ(CString("Kept"), doc.m_sName);
}

} // namespace
