// CPrivateProfile and AfxGetPrivateProfileString/Int over the fixture of
// PrivateProfileCases.h, and a missing file.
#include "ArchiveBytes.h"
#include "PrivateProfileCases.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(CPrivateProfile, ReadsStringsAsWin32Does)
{
    CTestFilePath path(".ini");
    WriteFileBytes(path.Get(), Bytes(kProfileFixture.begin(), kProfileFixture.end()));
    for (const ProfileStringCase& row : kProfileStringCases) {
        SCOPED_TRACE(DescribeCase(row));
        char szBuffer[512];
        std::memset(szBuffer, 0xCC, sizeof(szBuffer));
        const DWORD nReturned =
            AfxGetPrivateProfileString(row.lpszSection, row.lpszKey, row.lpszDefault, szBuffer, row.nSize, path.Get());
        ExpectProfileResult(row, nReturned, szBuffer);
    }
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
