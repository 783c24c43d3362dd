// The system's private-profile functions under Wine on the fixture of
// PrivateProfileCases.h: they must give the results our reader gives.
// Rows marked lpszWineDiffers show where Wine's own result is off by one;
// the documented result is the one our reader gives.
#include "ArchiveBytes.h"
#include "PrivateProfileCases.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::string FullPath(const char* lpszPath)
{
    char szFull[MAX_PATH];
    GetFullPathNameA(lpszPath, MAX_PATH, szFull, nullptr);
    return szFull;
}

}

TEST(CPrivateProfile, AgreesWithTheSystemOnStrings)
{
    CTestFilePath path(".ini");
    WriteFileBytes(path.Get(), Bytes(kProfileFixture.begin(), kProfileFixture.end()));
    const std::string sFullPath = FullPath(path.Get());
    for (const ProfileStringCase& row : kProfileStringCases) {
        if (row.lpszWineDiffers != nullptr)
            continue;
        SCOPED_TRACE(DescribeCase(row));
        char szBuffer[512];
        std::memset(szBuffer, 0xCC, sizeof(szBuffer));
        const DWORD nReturned = GetPrivateProfileStringA(row.lpszSection, row.lpszKey, row.lpszDefault, szBuffer,
                                                         row.nSize, sFullPath.c_str());
        ExpectProfileResult(row, nReturned, szBuffer);
    }
}

TEST(CPrivateProfile, AgreesWithTheSystemOnIntegers)
{
    CTestFilePath path(".ini");
    WriteFileBytes(path.Get(), Bytes(kProfileFixture.begin(), kProfileFixture.end()));
    const std::string sFullPath = FullPath(path.Get());
    for (const ProfileIntCase& row : kProfileIntCases) {
        SCOPED_TRACE(row.lpszKey);
        EXPECT_EQ(GetPrivateProfileIntA("Numbers", row.lpszKey, row.nDefault, sFullPath.c_str()), row.nExpected);
    }
}
