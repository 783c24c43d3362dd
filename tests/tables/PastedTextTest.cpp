// Behaviours of pasted texts in the measurement tables: their kind, their
// lines, the refusal of the other quantity, and pasted band values read with
// a point and kept only inside the range of their cell kind.

#include "tables/PastedNumber.h"
#include "tables/PastedText.h"

#include "MeasValue.h"

#include <gtest/gtest.h>

#include <clocale>

TEST(PastedText, TellsItsKindByItsMarkers)
{
    struct {
        const char* lpszText;
        CPastedText::Kind kind;
    } const aRows[] = {
        {"Pos 1\n[Hz]\tL\tS\tN\tCorr.\n", CPastedText::kTableCopy},
        {"Partial\tx\n", CPastedText::kAnalyserExport},
        {"Partial\t\tS\tN\n", CPastedText::kTableCopy},  // both markers: a table copy
        {"12.5\n13.0", CPastedText::kPlain},
        {"Partial x\n", CPastedText::kPlain},
        {"", CPastedText::kPlain},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.lpszText);
        EXPECT_EQ(row.kind, CPastedText(row.lpszText).GetKind());
    }
}

TEST(PastedText, SplitsAtLineEndsKeepingCarriageReturns)
{
    const CPastedText text("a\r\nb\nc");
    EXPECT_EQ(3, text.LineCount());
    EXPECT_EQ(CString("a\r"), text.Line(0));
    EXPECT_EQ(CString("c"), text.Line(2));
    EXPECT_EQ(CString(), text.Line(3));
    EXPECT_EQ(CString(), text.Line(-1));
    EXPECT_EQ(CString("a\r\nb\nc"), text.PlainText());
    EXPECT_EQ(CString("a\r\nb\nc"), CPastedText("a\r\nb\nc\n").PlainText());
}

TEST(PastedText, RefusesTheOtherQuantity)
{
    CString sExportLevels, sExportTimes;
    for (int nLine = 0; nLine < 17; ++nLine) {
        sExportLevels += "Partial\t\n";
        sExportTimes += "Partial\t\n";
    }
    sExportLevels += "Unit\tPa\n";
    sExportTimes += "Unit\ts\n";
    struct {
        CString sText;
        bool bOtherForLevelTable;
        bool bOtherForReverberationTable;
    } const aRows[] = {
        {"Pos 1\n[Hz]\tL avg\tSD\tN\tL\tS\tN\tCorr.\n", false, true},
        {"Pos 1\n[Hz]\tT avg\tSD\tN\tT\tS\tN\n", true, false},
        {sExportLevels, false, true},
        {sExportTimes, true, false},
        {"T\nCorr\n", false, false},  // plain values are not checked
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(static_cast<LPCTSTR>(row.sText));
        const CPastedText text(row.sText);
        EXPECT_EQ(row.bOtherForLevelTable, text.IsOtherQuantity(false));
        EXPECT_EQ(row.bOtherForReverberationTable, text.IsOtherQuantity(true));
    }
}

TEST(PastedNumber, ReadsTheLeadingNumberWithAPointInAnyLocale)
{
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    struct {
        const char* lpszText;
        bool bNumber;
        double dValue;
    } const aRows[] = {
        {"12.5", true, 12.5},  {" -3.25 dB", true, -3.25}, {"+4\r", true, 4.0}, {"7,5", true, 7.0},
        {".5", true, 0.5},     {"", false, 0.0},           {"dB", false, 0.0},  {"-", false, 0.0},
        {"-.", false, 0.0},    {"1.2.3", true, 1.2},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.lpszText);
        double dValue = -1.0;
        EXPECT_EQ(row.bNumber, CPastedNumber::ReadLeading(row.lpszText, dValue));
        if (row.bNumber) {
            EXPECT_DOUBLE_EQ(row.dValue, dValue);
        }
    }
    std::setlocale(LC_NUMERIC, "C");
}

TEST(PastedNumber, KeepsBandValuesInsideTheirKindsRangeOnly)
{
    using K = CPastedNumber::Kind;
    struct {
        const char* lpszLine;
        K kind;
        double dValue;
    } const aRows[] = {
        {"199.9", K::kLevel, 199.9},         {"-199.9", K::kLevel, -199.9},
        {"250", K::kLevel, kMissingValue},   {"text", K::kLevel, kMissingValue},
        {"", K::kLevel, kMissingValue},      {"99.9", K::kCorrection, 99.9},
        {"100", K::kCorrection, kMissingValue}, {"-100", K::kCorrection, kMissingValue},
        {"0.001", K::kReverberationTime, 0.001}, {"0.0005", K::kReverberationTime, kMissingValue},
        {"60", K::kReverberationTime, kMissingValue}, {"59.99", K::kReverberationTime, 59.99},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.lpszLine);
        EXPECT_DOUBLE_EQ(row.dValue, CPastedNumber::BandValueOf(row.lpszLine, row.kind));
    }
}
