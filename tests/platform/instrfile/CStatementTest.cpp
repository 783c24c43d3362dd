// CStatement: number, text and list rules of the instrument text formats.

#include "platform/instrfile/CStatementReader.h"
#include "platform/instrfile/FvxCodes.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>

namespace
{

CStatement Statement(const std::string& sLine)
{
    std::vector<CStatement> aStatements = CStatementReader::ReadText(sLine);
    EXPECT_EQ(aStatements.size(), 1u);
    return aStatements.at(0);
}

int CodeOf(const std::function<void()>& read)
{
    try
    {
        read();
    }
    catch (int nCode)
    {
        return nCode;
    }
    return kFvxOk;
}

} // namespace

TEST(CStatement, SkipsBlankAndCommentLinesAndKeepsTheRestOfTheLineAsText)
{
    std::vector<CStatement> aStatements =
        CStatementReader::ReadText("\n  # a note\r\nMeasType  Survey 3 \r\n\t\nMode 5\n");
    ASSERT_EQ(aStatements.size(), 2u);
    EXPECT_EQ(aStatements[0].Keyword(), "MeasType");
    EXPECT_EQ(aStatements[0].Text(), "Survey 3");
    EXPECT_EQ(aStatements[0].Line(), 3);
    EXPECT_EQ(aStatements[1].Keyword(), "Mode");
    EXPECT_EQ(aStatements[1].Integer(0, INT_MIN, INT_MAX), 5);
}

TEST(CStatement, ReadsNumbersOnlyWhenTheWholeFieldIsAFiniteNumber)
{
    struct Row
    {
        const char* szField;
        int nExpectedCode;
        double dExpected;
    } rows[] = {
        {"45.1", kFvxOk, 45.1},    {"-99", kFvxOk, -99.0},         {"+1e-3", kFvxOk, 0.001},
        {"45,1", kFvxBadNumber, 0}, {"45.1dB", kFvxBadNumber, 0},  {"nan", kFvxBadNumber, 0},
        {"inf", kFvxBadNumber, 0},  {"-inf", kFvxBadNumber, 0},    {"abc", kFvxBadNumber, 0},
        {"1e39", kFvxBadNumber, 0}, // beyond a float
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szField);
        CStatement statement = Statement(std::string("Sens ") + row.szField);
        float fValue = 0;
        EXPECT_EQ(CodeOf([&] { fValue = statement.Float(0); }), row.nExpectedCode);
        if (row.nExpectedCode == kFvxOk)
        {
            EXPECT_FLOAT_EQ(fValue, float(row.dExpected));
        }
    }
}

TEST(CStatement, ReadsNumbersWithAPointWhateverTheLocale)
{
    std::string sPrevious = std::setlocale(LC_NUMERIC, nullptr);
    bool bCommaLocale = false;
    for (const char* szName : {"de_DE.UTF-8", "de_DE", "German"})
    {
        if (std::setlocale(LC_NUMERIC, szName) && *std::localeconv()->decimal_point == ',')
        {
            bCommaLocale = true;
            break;
        }
    }
    double dValue = Statement("Sens 47.25").Double(0);
    std::setlocale(LC_NUMERIC, sPrevious.c_str());
    if (!bCommaLocale)
        GTEST_SKIP() << "no locale with a decimal comma on this system";
    EXPECT_DOUBLE_EQ(dValue, 47.25);
}

TEST(CStatement, ReadsIntegersInTheirRangeAndStatusWordsAsBits)
{
    struct Row
    {
        const char* szField;
        int nExpectedCode;
        long long nExpected;
    } rows[] = {
        {"127", kFvxOk, 127},       {"-128", kFvxOk, -128},        {"128", kFvxBadNumber, 0},
        {"0x7f", kFvxOk, 127},      {"12.0", kFvxBadNumber, 0},    {"", kFvxSyntax, 0},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szField);
        CStatement statement = Statement(std::string("Bandwidth ") + row.szField);
        long long nValue = 0;
        EXPECT_EQ(CodeOf([&] { nValue = statement.Integer(0, -128, 127); }), row.nExpectedCode);
        EXPECT_EQ(nValue, row.nExpected);
    }
    EXPECT_EQ(Statement("Status 1 0xFFFF0001").StatusWordList(0), std::vector<int32_t>{-65535});
    EXPECT_EQ(Statement("Status 1 -65535").StatusWordList(0), std::vector<int32_t>{-65535});
    EXPECT_EQ(CodeOf([] { Statement("Status 1 0x100000000").StatusWordList(0); }), kFvxBadNumber);
}

TEST(CStatement, RefusesAListWhoseCountDiffersFromItsValues)
{
    struct Row
    {
        const char* szLine;
        int nExpectedCode;
    } rows[] = {
        {"Values 3 1 2 3", kFvxOk},
        {"Values 3 1 2", kFvxCountMismatch},
        {"Values 3 1 2 3 4", kFvxCountMismatch},
        {"Values 0", kFvxOk},
        {"Values -1", kFvxBadNumber},
        {"Values", kFvxSyntax},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szLine);
        EXPECT_EQ(CodeOf([&] { Statement(row.szLine).FloatList(0); }), row.nExpectedCode);
    }
}
