// CRiroReply: the fields of the analyser's replies, read within the reply.
#include "instrument/RiroReply.h"
#include "res/resource.h"

#include <gtest/gtest.h>

TEST(CRiroReply, FieldsPastTheEndOfAShortReplyAreEmpty)
{
    const struct {
        LPCTSTR lpszReply;
        int nFirst, nLast;
        LPCTSTR lpszField;
    } kCases[] = {
        {"1,120,-26.40", 2, 4, "120"},
        {"1,120,-26.40", 6, 11, "-26.40"},
        {"1,120,-26", 6, 11, "-26"},
        {"1,120", 6, 11, ""},
        {"", 0, 0, ""},
        {"abc", 2, 1, ""},
        {"abc", -1, 1, ""},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(::testing::Message() << row.lpszReply << " " << row.nFirst << ".." << row.nLast);
        EXPECT_STREQ(row.lpszField, CRiroReply::Field(row.lpszReply, row.nFirst, row.nLast));
    }
}

TEST(CRiroReply, NumbersAreReadWithADecimalPointAndTheirLeadingCharactersOnly)
{
    const struct {
        LPCTSTR lpszText;
        int nInt;
        double dValue;
    } kCases[] = {
        {"120", 120, 120.0}, {" -26.40", -26, -26.4}, {"+5", 5, 5.0}, {"45.2x", 45, 45.2},
        {"", 0, 0.0},        {"x1", 0, 0.0},           {"-", 0, 0.0},  {" 5.00e+01", 5, 50.0},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.lpszText);
        EXPECT_EQ(row.nInt, CRiroReply::ToInt(row.lpszText));
        EXPECT_DOUBLE_EQ(row.dValue, CRiroReply::ToDouble(row.lpszText));
    }
}

TEST(CRiroReply, StatesRefuseAReadAndAStartEachByTheirOwnRule)
{
    const struct {
        LPCTSTR lpszStatus;
        UINT nRead, nStart;
    } kCases[] = {
        {"S", 0, 0},
        {"I", 0, 0},
        {"R", IDS_RIRO_STATUS_RUNNING, IDS_RIRO_STATUS_RUNNING},
        {"P", IDS_RIRO_STATUS_PAUSE, 0},
        {"W", IDS_RIRO_STATUS_WAITING, 0},
        {"", IDS_RIRO_READ_NOT_CONNECTED, IDS_RIRO_START_NOT_CONNECTED},
        {"S\r", IDS_RIRO_READ_NOT_CONNECTED, 0},
        {"x#", IDS_RIRO_READ_NOT_CONNECTED, 0},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.lpszStatus);
        EXPECT_EQ(row.nRead, CRiroReply::ReadRefusal(row.lpszStatus));
        EXPECT_EQ(row.nStart, CRiroReply::StartRefusal(row.lpszStatus));
    }
}

TEST(CRiroReply, StandByIsAReplyEndingWithTheAtSign)
{
    EXPECT_TRUE(CRiroReply::IsStandBy("S@"));
    EXPECT_TRUE(CRiroReply::IsStandBy("@"));
    EXPECT_TRUE(CRiroReply::IsStandBy("whatever@"));
    EXPECT_FALSE(CRiroReply::IsStandBy("S"));
    EXPECT_FALSE(CRiroReply::IsStandBy("S@\r"));
    EXPECT_FALSE(CRiroReply::IsStandBy(""));
}

TEST(CRiroReply, FunctionAndModeComeFromCharactersZeroAndTwo)
{
    const struct {
        LPCTSTR lpszReply;
        bool bParsed;
        int nFunction, nMode;
    } kCases[] = {
        {"1,1", true, 1, 1}, {"2,2", true, 2, 2}, {"1,2", true, 1, 2},
        {"3,1", false, 3, 1},  // a function the read does not know
        {"0,1", false, 0, 1},
        {"1,", false, 0, 0},  // too short for the mode
        {"", false, 0, 0},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.lpszReply);
        CRiroReply::CFunctionMode result;
        EXPECT_EQ(row.bParsed, CRiroReply::ParseFunctionMode(row.lpszReply, result));
        if (row.bParsed) {
            EXPECT_EQ(row.nFunction, result.nFunction);
            EXPECT_EQ(row.nMode, result.nMode);
        }
    }
}

TEST(CRiroReply, AChannelIsOnUnlessItsReplyStartsWithZero)
{
    const struct {
        LPCTSTR lpszReply;
        bool bParsed, bOn;
        int nFullScale;
        double dSensitivity;
    } kCases[] = {
        {"1,120,-26.40", true, true, 120, -26.4},
        {"2,080,-30.10,extra", true, true, 80, -30.1},
        {"0", true, false, 0, 0.0},
        {"0,120,-26.40", true, false, 0, 0.0},
        {"1,120,", false, true, 0, 0.0},  // no sensitivity
        {"", false, false, 0, 0.0},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.lpszReply);
        CRiroReply::CChannelInput input;
        ASSERT_EQ(row.bParsed, CRiroReply::ParseChannelInput(row.lpszReply, input));
        if (!row.bParsed)
            continue;
        EXPECT_EQ(row.bOn, input.bOn);
        EXPECT_EQ(row.nFullScale, input.nFullScale);
        EXPECT_DOUBLE_EQ(row.dSensitivity, input.dSensitivity);
    }
}

TEST(CRiroReply, TheBandRangeIsReadFromTheFrequenciesOrStartsAtTenHertz)
{
    const struct {
        LPCTSTR lpszReply;
        bool bParsed;
        int nLower, nUpper, nLowerFrequency;
    } kCases[] = {
        {"5.00e+01,5.00e+03,20", true, 17, 37, 50},
        {"1.00e+02,1.00e+04,20", true, 20, 40, 100},
        {"5.00e+01,5.00e+03,28", true, 10, 37, 10},  // upper band less than 10 above n
        {"5.00e+01,5.00e+03,30", true, 10, 37, 10},
        {"2.00e+01,2.00e+04,0", true, 13, 43, 20},
        {"", false, 0, 0, 0},
        {"garbage", false, 0, 0, 0},
        {"5.00e+01,0.00e+00,0", false, 0, 0, 0},      // no upper frequency
        {"5.00e+01,5.00e+03", false, 0, 0, 0},        // no third field
        {"0.00e+00,5.00e+03,0", false, 0, 0, 0},      // no lower frequency
        {"5.00e+01,5.00e+05,0", false, 0, 0, 0},      // above 20 kHz
        {"5.00e+03,5.00e+01,-20", false, 0, 0, 0},    // running downwards
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.lpszReply);
        CRiroReply::CBandRange range;
        ASSERT_EQ(row.bParsed, CRiroReply::ParseBandRange(row.lpszReply, range));
        if (!row.bParsed)
            continue;
        EXPECT_EQ(row.nLower, range.nLowerBand);
        EXPECT_EQ(row.nUpper, range.nUpperBand);
        EXPECT_EQ(row.nLowerFrequency, range.nLowerFrequency);
    }
}

TEST(CRiroReply, SensitivitiesNeedTheSecondField)
{
    CRiroReply::CSensitivities result;
    ASSERT_TRUE(CRiroReply::ParseSensitivities("1,120,-26.40,2,080,    -30.10", result));
    EXPECT_DOUBLE_EQ(-26.4, result.dChannel1);
    EXPECT_DOUBLE_EQ(-30.1, result.dChannel2);
    EXPECT_FALSE(CRiroReply::ParseSensitivities("1,120,-26.40,2,080,    ", result));
    EXPECT_FALSE(CRiroReply::ParseSensitivities("", result));
}
