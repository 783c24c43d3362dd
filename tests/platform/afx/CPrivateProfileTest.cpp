// CPrivateProfile and AfxGetPrivateProfileString/Int over the fixture of
// PrivateProfileCases.h, and a missing file; CPrivateProfileReadScope.
#include "ArchiveBytes.h"
#include "PrivateProfileCases.h"
#include "platform/afx/CPrivateProfileReadScope.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

// Read from the file for each value, and from the copy of a read scope.
TEST(CPrivateProfile, ReadsStringsAsWin32Does)
{
    CTestFilePath path(".ini");
    WriteFileBytes(path.Get(), Bytes(kProfileFixture.begin(), kProfileFixture.end()));
    for (bool bInScope : {false, true}) {
        std::unique_ptr<CPrivateProfileReadScope> pScope(bInScope ? new CPrivateProfileReadScope(path.Get()) : nullptr);
        for (const ProfileStringCase& row : kProfileStringCases) {
            SCOPED_TRACE(DescribeCase(row) + (bInScope ? " (read scope)" : ""));
            char szBuffer[512];
            std::memset(szBuffer, 0xCC, sizeof(szBuffer));
            const DWORD nReturned = AfxGetPrivateProfileString(row.lpszSection, row.lpszKey, row.lpszDefault, szBuffer,
                                                               row.nSize, path.Get());
            ExpectProfileResult(row, nReturned, szBuffer);
        }
    }
}

// The file is read once, when the scope is made: a change made while it
// lives is not seen until it ends. Other files are read as before.
TEST(CPrivateProfileReadScope, AnswersForItsFileFromTheCopyItLoaded)
{
    CTestFilePath path(".ini");
    CTestFilePath other(".other.ini");
    const auto write = [](const CTestFilePath& file, const std::string& sText) {
        WriteFileBytes(file.Get(), Bytes(sText.begin(), sText.end()));
    };
    write(path, "[A]\nk=1\n");
    write(other, "[A]\nk=1\n");
    {
        const CPrivateProfileReadScope scope(path.Get());
        write(path, "[A]\nk=2\n");
        write(other, "[A]\nk=2\n");
        EXPECT_EQ(AfxGetPrivateProfileInt("A", "k", 0, path.Get()), 1u);
        EXPECT_EQ(AfxGetPrivateProfileInt("A", "k", 0, other.Get()), 2u);
        {
            const CPrivateProfileReadScope inner(path.Get());
            EXPECT_EQ(AfxGetPrivateProfileInt("A", "k", 0, path.Get()), 2u);
        }
        EXPECT_EQ(AfxGetPrivateProfileInt("A", "k", 0, path.Get()), 1u);
    }
    EXPECT_EQ(AfxGetPrivateProfileInt("A", "k", 0, path.Get()), 2u);
}

TEST(CPrivateProfile, ReadsIntegersAsWin32Does)
{
    CTestFilePath path(".ini");
    WriteFileBytes(path.Get(), Bytes(kProfileFixture.begin(), kProfileFixture.end()));
    CPrivateProfile profile;
    ASSERT_TRUE(profile.Load(path.Get()));
    for (const ProfileIntCase& row : kProfileIntCases) {
        SCOPED_TRACE(row.lpszKey);
        EXPECT_EQ(AfxGetPrivateProfileInt("Numbers", row.lpszKey, row.nDefault, path.Get()), row.nExpected);
        EXPECT_EQ(profile.GetInt("numbers", row.lpszKey, row.nDefault), row.nExpected);
    }
    EXPECT_EQ(profile.GetInt("Nowhere", "Number", 4), 4u);
}

TEST(CPrivateProfile, GivesDefaultsForAMissingFile)
{
    CTestFilePath path(".ini");
    char szBuffer[16];
    std::memset(szBuffer, 0xCC, sizeof(szBuffer));
    EXPECT_EQ(AfxGetPrivateProfileString("GENERAL", "File Type", "FOO  ", szBuffer, 10, path.Get()), 3u);
    EXPECT_STREQ(szBuffer, "FOO");
    EXPECT_EQ(AfxGetPrivateProfileString(nullptr, nullptr, "FOO", szBuffer, 10, path.Get()), 0u);
    EXPECT_EQ(szBuffer[0], '\0');
    EXPECT_EQ(AfxGetPrivateProfileInt("GENERAL", "Status", 333, path.Get()), 333u);
    CPrivateProfile profile;
    EXPECT_FALSE(profile.Load(path.Get()));
}
