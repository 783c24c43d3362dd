// CTime and CTimeSpan: local fields round trip through time_t, formatting,
// arithmetic with spans. All cases avoid daylight-saving changeovers, so they
// hold in any time zone.
#include "platform/afx/afx.h"

#include <gtest/gtest.h>

#include <string>

TEST(CTime, GivesBackTheLocalFieldsItWasMadeFrom)
{
    struct Row {
        int nYear, nMonth, nDay, nHour, nMin, nSec;
        int nDayOfWeek;  // 1 = Sunday
        const char* lpszFormatted;
    };
    const Row rows[] = {
        {2026, 3, 5, 14, 7, 9, 5, "20260305_140709"},
        {2024, 2, 29, 0, 0, 0, 5, "20240229_000000"},
        {1999, 12, 31, 23, 59, 59, 6, "19991231_235959"},
        {2000, 1, 1, 0, 0, 0, 7, "20000101_000000"},
        {2038, 1, 19, 3, 14, 8, 3, "20380119_031408"},
        {2026, 7, 15, 12, 30, 0, 4, "20260715_123000"},
        {1970, 1, 2, 8, 0, 0, 6, "19700102_080000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszFormatted);
        const CTime time(row.nYear, row.nMonth, row.nDay, row.nHour, row.nMin, row.nSec);
        EXPECT_EQ(time.GetYear(), row.nYear);
        EXPECT_EQ(time.GetMonth(), row.nMonth);
        EXPECT_EQ(time.GetDay(), row.nDay);
        EXPECT_EQ(time.GetHour(), row.nHour);
        EXPECT_EQ(time.GetMinute(), row.nMin);
        EXPECT_EQ(time.GetSecond(), row.nSec);
        EXPECT_EQ(time.GetDayOfWeek(), row.nDayOfWeek);
        EXPECT_STREQ(time.Format("%Y%m%d_%H%M%S"), row.lpszFormatted);
        EXPECT_EQ(CTime(time.GetTime()), time);
    }
}

TEST(CTime, FormatsTextLongerThanAFirstGuessAndEmptyFormats)
{
    const CTime time(2026, 3, 5, 14, 7, 9);
    std::string sFormat;
    std::string sExpected;
    for (int i = 0; i < 200; ++i) {
        sFormat += "%Y-%d|";
        sExpected += "2026-05|";
    }
    EXPECT_EQ(std::string(time.Format(sFormat.c_str())), sExpected);
    EXPECT_STREQ(time.Format(""), "");
    EXPECT_STREQ(time.Format("%H:%M %%"), "14:07 %");
}

TEST(CTime, MovesBySpansAndMeasuresSpans)
{
    const CTime start(2026, 1, 30, 22, 0, 0);
    const CTime end(2026, 2, 1, 1, 30, 15);
    const CTimeSpan span = end - start;
    EXPECT_EQ(span, CTimeSpan(1, 3, 30, 15));
    EXPECT_EQ(start + span, end);
    EXPECT_EQ(end - span, start);
    EXPECT_EQ(start - end, CTimeSpan(-span.GetTotalSeconds()));

    CTime moving = start;
    moving += CTimeSpan(0, 2, 0, 0);
    EXPECT_EQ(moving.GetDay(), 31);
    EXPECT_EQ(moving.GetHour(), 0);
    moving -= CTimeSpan(0, 0, 0, 1);
    EXPECT_EQ(moving.Format("%d %H:%M:%S"), CString("30 23:59:59"));

    EXPECT_TRUE(start < end);
    EXPECT_TRUE(end >= start);
    EXPECT_TRUE(start != end);
    EXPECT_FALSE(start > end);
}

TEST(CTime, CurrentTimeIsNow)
{
    const time_t before = std::time(nullptr);
    const CTime now = CTime::GetCurrentTime();
    const time_t after = std::time(nullptr);
    EXPECT_GE(now.GetTime(), before);
    EXPECT_LE(now.GetTime(), after);
}

TEST(CTimeSpan, SplitsIntoDaysHoursMinutesAndSeconds)
{
    struct Row {
        CTimeSpan span;
        LONGLONG nDays, nTotalHours, nTotalMinutes, nTotalSeconds;
        int nHours, nMinutes, nSeconds;
    };
    const Row rows[] = {
        {CTimeSpan(1, 2, 3, 4), 1, 26, 1563, 93784, 2, 3, 4},
        {CTimeSpan(0, 0, 0, 59), 0, 0, 0, 59, 0, 0, 59},
        {CTimeSpan(0, 23, 59, 60), 1, 24, 1440, 86400, 0, 0, 0},
        {CTimeSpan(-90), 0, 0, -1, -90, 0, -1, -30},
        {CTimeSpan(3000, 0, 0, 0), 3000, 72000, 4320000, 259200000, 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nTotalSeconds);
        EXPECT_EQ(row.span.GetDays(), row.nDays);
        EXPECT_EQ(row.span.GetTotalHours(), row.nTotalHours);
        EXPECT_EQ(row.span.GetTotalMinutes(), row.nTotalMinutes);
        EXPECT_EQ(row.span.GetTotalSeconds(), row.nTotalSeconds);
        EXPECT_EQ(row.span.GetHours(), row.nHours);
        EXPECT_EQ(row.span.GetMinutes(), row.nMinutes);
        EXPECT_EQ(row.span.GetSeconds(), row.nSeconds);
    }
}
