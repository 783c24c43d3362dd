// CFile: open modes, reading and writing, positions, the static file
// operations and their errors; CAtomicFile: a save replaces the target only
// when complete. Sharing modes are tested in the win tree only
// (CFileWin32Test.cpp): the native tree cannot enforce them.
#include "ArchiveBytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

bool Exists(const char* lpszPath)
{
    CFileStatus status;
    return CFile::GetStatus(lpszPath, status) != FALSE;
}

std::string ReadText(const char* lpszPath)
{
    const Bytes bytes = ReadFileBytes(lpszPath);
    return std::string(bytes.begin(), bytes.end());
}

void WriteText(const char* lpszPath, const std::string& sText)
{
    WriteFileBytes(lpszPath, Bytes(sText.begin(), sText.end()));
}

}

TEST(CFile, OpensWithTheFrameworksModes)
{
    struct Row {
        const char* lpszCase;
        UINT nFlags;
        bool bFileExists;
        int nExpectedCause;  // CFileException::none: opened
        ULONGLONG nExpectedLength;
    };
    const Row rows[] = {
        {"read an existing file", CFile::modeRead, true, CFileException::none, 3},
        {"read a missing file", CFile::modeRead, false, CFileException::fileNotFound, 0},
        {"write a missing file", CFile::modeWrite, false, CFileException::fileNotFound, 0},
        {"write an existing file", CFile::modeWrite, true, CFileException::none, 3},
        {"create over an existing file", CFile::modeCreate | CFile::modeWrite, true, CFileException::none, 0},
        {"create a missing file", CFile::modeCreate | CFile::modeReadWrite, false, CFileException::none, 0},
        {"create keeping an existing file", CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite, true,
         CFileException::none, 3},
        {"read, creating a missing file", CFile::modeCreate | CFile::modeNoTruncate | CFile::modeRead, false,
         CFileException::none, 0},
        {"read and write an existing file", CFile::modeReadWrite | CFile::shareDenyWrite | CFile::typeBinary, true,
         CFileException::none, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CTestFilePath path;
        if (row.bFileExists)
            WriteText(path.Get(), "old");
        CFile file;
        CFileException error;
        const BOOL bOpened = file.Open(path.Get(), row.nFlags, &error);
        EXPECT_EQ(error.m_cause, row.nExpectedCause);
        EXPECT_EQ(bOpened != FALSE, row.nExpectedCause == CFileException::none);
        if (!bOpened) {
            EXPECT_STREQ(error.m_strFileName, path.Get());
            EXPECT_FALSE(Exists(path.Get()));
            continue;
        }
        EXPECT_EQ(file.GetLength(), row.nExpectedLength);
        file.Close();
        EXPECT_TRUE(Exists(path.Get()));
    }
}

TEST(CFile, ThrowsFromItsConstructorWhenTheFileCannotBeOpened)
{
    CTestFilePath path;
    try {
        CFile file(path.Get(), CFile::modeRead);
        FAIL() << "no exception";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
        EXPECT_STREQ(e.m_strFileName, path.Get());
        EXPECT_STREQ(e.GetErrorText(), CString(path.Get()) + " was not found.");
    }
}

TEST(CFile, ReadsWhatItWroteAtTheRightPositions)
{
    CTestFilePath path;
    CFile file(path.Get(), CFile::modeCreate | CFile::modeReadWrite);
    file.Write("abcdef", 6);
    EXPECT_EQ(file.GetPosition(), 6u);
    EXPECT_EQ(file.Seek(-4, CFile::current), 2u);
    char szRead[8] = {};
    EXPECT_EQ(file.Read(szRead, 2), 2u);
    EXPECT_STREQ(szRead, "cd");
    file.Write("XY", 2);
    EXPECT_EQ(file.GetLength(), 6u);
    EXPECT_EQ(file.SeekToEnd(), 6u);
    EXPECT_EQ(file.Read(szRead, sizeof(szRead)), 0u);
    file.SeekToBegin();
    EXPECT_EQ(file.Read(szRead, sizeof(szRead)), 6u);
    EXPECT_EQ(std::string(szRead, 6), "abcdXY");
    EXPECT_THROW(file.Seek(-1, CFile::begin), CFileException);
    file.Close();
    EXPECT_EQ(ReadText(path.Get()), "abcdXY");
}

TEST(CFile, SplitsTheFileNameFromItsPath)
{
    struct Row {
        const char* lpszPath;
        const char* lpszName;
    };
    const Row rows[] = {
        {"plain.bin", "plain.bin"},
        {"folder\\sub\\data.kcd", "data.kcd"},
        {"folder/data.vsp.001", "data.vsp.001"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszPath);
        CFile file;
        CFileException ignored;
        file.Open(row.lpszPath, CFile::modeRead, &ignored);
        EXPECT_STREQ(file.GetFilePath(), row.lpszPath);
        EXPECT_STREQ(file.GetFileName(), row.lpszName);
    }
}

TEST(CFile, RemovesFilesAndReportsMissingOnes)
{
    CTestFilePath path;
    WriteText(path.Get(), "x");
    CFile::Remove(path.Get());
    EXPECT_FALSE(Exists(path.Get()));
    try {
        CFile::Remove(path.Get());
        FAIL() << "no exception";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
        EXPECT_STREQ(e.m_strFileName, path.Get());
    }
}

TEST(CFile, RenamesButNeverOverAnExistingFile)
{
    CTestFilePath oldPath(".old");
    CTestFilePath newPath(".new");
    WriteText(oldPath.Get(), "moved");
    WriteText(newPath.Get(), "kept");
    try {
        CFile::Rename(oldPath.Get(), newPath.Get());
        FAIL() << "no exception";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::accessDenied);
        EXPECT_STREQ(e.m_strFileName, oldPath.Get());
    }
    EXPECT_EQ(ReadText(newPath.Get()), "kept");

    CFile::Remove(newPath.Get());
    CFile::Rename(oldPath.Get(), newPath.Get());
    EXPECT_FALSE(Exists(oldPath.Get()));
    EXPECT_EQ(ReadText(newPath.Get()), "moved");
}

TEST(CFile, ReportsTheStatusOfExistingFilesOnly)
{
    CTestFilePath path;
    CFileStatus status;
    status.m_size = 99;
    EXPECT_FALSE(CFile::GetStatus(path.Get(), status));
    EXPECT_EQ(status.m_size, 99u);

    WriteText(path.Get(), "12345");
    const CTime before = CTime::GetCurrentTime() - CTimeSpan(0, 0, 1, 0);
    ASSERT_TRUE(CFile::GetStatus(path.Get(), status));
    EXPECT_EQ(status.m_size, 5u);
    EXPECT_EQ(status.m_attribute & CFileStatus::directory, 0);
    EXPECT_GE(status.m_mtime, before);
    const std::string sFullName = status.m_szFullName;
    EXPECT_GT(sFullName.size(), std::string(path.Get()).size());
    EXPECT_EQ(sFullName.substr(sFullName.size() - std::string(path.Get()).size()), path.Get());
}

TEST(CAtomicFile, ReplacesTheTargetWhenCommitted)
{
    CTestFilePath target;
    WriteText(target.Get(), "previous contents");
    CAtomicFile save;
    ASSERT_TRUE(save.Open(target.Get()));
    {
        CArchive ar(&save.GetFile(), CArchive::store);
        ar << CString("new");
        ar.Close();
    }
    EXPECT_EQ(ReadText(target.Get()), "previous contents");
    save.Commit();
    EXPECT_EQ(ReadText(target.Get()), "\x03new");
    EXPECT_FALSE(Exists(save.GetTempPath()));
}

TEST(CAtomicFile, LeavesTheTargetUntouchedWhenASaveFails)
{
    CTestFilePath target;
    WriteText(target.Get(), "previous contents");
    CString sTempPath;
    try {
        CAtomicFile save;
        ASSERT_TRUE(save.Open(target.Get()));
        sTempPath = save.GetTempPath();
        CArchive ar(&save.GetFile(), CArchive::store);
        ar << CString("half");
        AfxThrowArchiveException(CArchiveException::genericException, target.Get());
    } catch (const CArchiveException&) {
    }
    EXPECT_EQ(ReadText(target.Get()), "previous contents");
    EXPECT_FALSE(sTempPath.IsEmpty());
    EXPECT_FALSE(Exists(sTempPath));
}

TEST(CAtomicFile, ReportsAFailedReplaceNamingTheTarget)
{
    CTestFilePath target;
    std::filesystem::create_directory(target.Get());
    CAtomicFile save;
    ASSERT_TRUE(save.Open(target.Get()));
    save.GetFile().Write("data", 4);
    const CString sTempPath = save.GetTempPath();
    try {
        save.Commit();
        ADD_FAILURE() << "no exception";
    } catch (const CFileException& e) {
        EXPECT_STREQ(e.m_strFileName, target.Get());
    }
    EXPECT_FALSE(Exists(sTempPath));
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(target.Get(), status));
    EXPECT_NE(status.m_attribute & CFileStatus::directory, 0);
    std::filesystem::remove(target.Get());
}

// Win32 calls the missing folder a bad path, POSIX a missing file.
TEST(CAtomicFile, ReportsATargetInAMissingFolder)
{
    CAtomicFile save;
    CFileException error;
    EXPECT_FALSE(save.Open("no such folder/file.vsp", &error));
    EXPECT_TRUE(error.m_cause == CFileException::badPath || error.m_cause == CFileException::fileNotFound)
        << error.m_cause;
    EXPECT_STREQ(error.m_strFileName, "no such folder/file.vsp");
}
