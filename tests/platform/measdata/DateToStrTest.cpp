// Behaviours of DateToStr and of the library's language setting.

#include "platform/measdata/DateToStr.h"
#include "platform/measdata/MeasToolLanguage.h"

#include <gtest/gtest.h>

namespace {

TEST(DateToStr, WritesDayMonthYearAndOptionallyTheTime)
{
    const CTime time(2024, 3, 5, 7, 8, 9);
    EXPECT_EQ("05.03.2024", DateToStr(time, false));
    EXPECT_EQ("05.03.2024 07:08:09", DateToStr(time, true));
    EXPECT_EQ("31.12.1999 23:59:59", DateToStr(CTime(1999, 12, 31, 23, 59, 59), true));
}

TEST(SetMeasToolLanguage, KeepsTheLanguageFileForTheGraphWindows)
{
    SetMeasToolLanguage("MestrelFra.DLL");
    EXPECT_EQ("MestrelFra.DLL", GetMeasToolLanguage());
    SetMeasToolLanguage("");
    EXPECT_TRUE(GetMeasToolLanguage().IsEmpty());
}

} // namespace
