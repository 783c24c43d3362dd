// Tests of VersionReader: the test program's own version resource
// (VersionFixture.rc) read as the program reads its own, and the shortened
// version text.

#include <gtest/gtest.h>

#include "platform/version/VersionReader.h"

TEST(VersionReader, ReadsTheStringValuesOfTheProgramsOwnFile)
{
    const VersionReader reader(VersionReader::GetProgramPath());

    EXPECT_STREQ("4.2.32 (released)", reader.GetVersionText(VersionReader::kFileVersion, 0));
    EXPECT_STREQ("Copyright Kelvaron", reader.GetVersionText(VersionReader::kLegalCopyright, 0));
    EXPECT_STREQ("2.3.1.45", reader.GetValue("ProductVersion"));
    EXPECT_STREQ("", reader.GetValue("SpecialBuild"));
}

TEST(VersionReader, ShortensOnlyTheFileAndProductVersion)
{
    const VersionReader reader(VersionReader::GetProgramPath());

    EXPECT_STREQ("4.2 (released)", reader.GetVersionText(VersionReader::kFileVersion, VersionReader::kShorten));
    EXPECT_STREQ("2.3.1 ", reader.GetVersionText(VersionReader::kProductVersion, VersionReader::kShorten));
    EXPECT_STREQ("Copyright Kelvaron",
                 reader.GetVersionText(VersionReader::kLegalCopyright, VersionReader::kShorten));
}

TEST(VersionReader, GivesEmptyTextsForAFileWithoutVersionResource)
{
    const VersionReader reader("C:\\no such folder\\no such file.exe");

    EXPECT_STREQ("", reader.GetVersionText(VersionReader::kFileVersion, 0));
    EXPECT_STREQ("", reader.GetValue("FileVersion"));
    EXPECT_STREQ("", reader.GetVersionText(-1, 0));
    EXPECT_STREQ("", reader.GetVersionText(12, 0));
}

TEST(VersionReader, ShortenedVersionDropsTheLastNumberAndKeepsTheRemark)
{
    const struct {
        const char* szVersion;
        const char* szShort;
    } kCases[] = {
        {"4.2.32 (released)", "4.2 (released)"},
        {"2.3.1.45 (beta)", "2.3.1 (beta)"},
        {"2.3.1.45", "2.3.1 "},
        {"3.0.0.0", "3.0.0 "},
        {"7", " "},
        {"", " "},
        {"(draft)", " (draft)"},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.szVersion);
        EXPECT_STREQ(row.szShort, VersionReader::ShortenVersion(row.szVersion));
    }
}

// The module folder of the test program, where the fixture libraries lie.
static CString FixturePath(LPCTSTR lpszLibrary)
{
    const CString sProgram = VersionReader::GetProgramPath();
    return sProgram.Left(sProgram.ReverseFind('\\') + 1) + lpszLibrary;
}

TEST(VersionReader, AddsTheBuildRemarksOfTheFixedInformation)
{
    const struct {
        const char* szLibrary;
        UINT nFlags;
        const char* szText;
    } kCases[] = {
        {"VersionPreRelease.dll", VersionReader::kShorten, "1.4.0 "},
        {"VersionPreRelease.dll", VersionReader::kBuildRemarks,
         "1.4.0.12 - Pre-release\r\n   Designed for Windows NT/Windows 2000\r\n"},
        {"VersionPrivateBuild.dll", VersionReader::kShorten, "2.3.1 (beta)"},
        {"VersionPrivateBuild.dll", VersionReader::kShorten | VersionReader::kBuildRemarks,
         "2.3.1 (beta) - Debug build\r\n   Designed for the Win32 API\r\n   for the lab"},
        {"VersionSpecialBuild.dll", VersionReader::kBuildRemarks, "5.0.0.1   night build"},
        {"VersionSpecialBuild.dll", 0, "5.0.0.1"},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(std::string(row.szLibrary) + ", flags " + std::to_string(row.nFlags));
        const VersionReader reader(FixturePath(row.szLibrary));
        EXPECT_STREQ(row.szText, reader.GetVersionText(VersionReader::kFileVersion, row.nFlags));
        EXPECT_STREQ(row.szText, reader.GetVersionText(VersionReader::kProductVersion, row.nFlags))
            << "the product version reads alike";
    }
}

TEST(VersionReader, AddsNoRemarksToOtherTextsOrForAFileWithoutVersionResource)
{
    EXPECT_STREQ("", VersionReader("C:\\no such file.dll").GetVersionText(VersionReader::kFileVersion,
                                                                         VersionReader::kBuildRemarks));
    EXPECT_STREQ("for the lab", VersionReader(FixturePath("VersionPrivateBuild.dll"))
                                    .GetVersionText(VersionReader::kPrivateBuild, VersionReader::kBuildRemarks));
}
