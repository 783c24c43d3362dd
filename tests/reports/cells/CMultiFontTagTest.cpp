// CMultiFontText and CMultiFontTag: a cell text cut into characters and
// tags, an unclosed tag, fields and their defaults, the exact baseline tags.
#include "reports/cells/CMultiFontTag.h"
#include "reports/cells/CMultiFontText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Characters as themselves, tags in brackets.
std::string Pieces(const CString& sText)
{
    std::string sPieces;
    const CMultiFontText text(sText);
    for (const CMultiFontPiece& piece : text.Pieces())
        sPieces += piece.bTag ? "[" + std::string(piece.sText) + "]" : std::string(piece.sText);
    return sPieces;
}

}

TEST(CMultiFontText, TextIsCutIntoCharactersAndTags)
{
    struct Row {
        const char* lpszText;
        const char* lpszPieces;
    };
    const Row rows[] = {
        {"C<:S,-1>50-3150<:S,0>    = ", "C[S,-1]50-3150[S,0]    = "},
        {"plain", "plain"},
        {"", ""},
        {"ab<:F,Arial,13", "ab[F,Arial,13]"},
        {"a<:>b", "a[]b"},
        {"a<b:c>", "a<b:c>"},
        {"x<", "x<"},
        {"<:C,0><:S,1>1", "[C,0][S,1]1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszText);
        EXPECT_EQ(Pieces(row.lpszText), row.lpszPieces);
    }
}

TEST(CMultiFontTag, FieldsAreUpperCasedAndMissingNumbersTakeTheirDefault)
{
    struct Row {
        const char* lpszTag;
        char cLetter;
        int nField;
        int nExpected;  // with -7 for a missing field
        const char* lpszField1;
    };
    const Row rows[] = {
        {"F,Arial,13,500", 'F', 2, 13, "ARIAL"},
        {"F,Arial,13,500", 'F', 3, 500, "ARIAL"},
        {"F,Symbol", 'F', 2, -7, "SYMBOL"},
        {"C,255,0,0", 'C', 1, 255, "255"},
        {"C,0", 'C', 2, -7, "0"},
        {"S,-1", 'S', 1, -1, "-1"},
        {"s,-1", 'S', 1, -1, "-1"},
        {"S", 'S', 1, -7, ""},
        {"S,x", 'S', 1, 0, "X"},
        {"", '\0', 1, -7, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszTag);
        const CMultiFontTag tag(row.lpszTag);
        EXPECT_EQ(tag.Letter(), row.cLetter);
        EXPECT_EQ(tag.Number(row.nField, -7), row.nExpected);
        EXPECT_EQ(tag.Field(1), row.lpszField1);
    }
}

TEST(CMultiFontTag, OnlyTheExactTextsMoveTheBaseline)
{
    struct Row {
        const char* lpszTag;
        bool bSubscript, bSuperscript;
    };
    const Row rows[] = {{"S,-1", true, false}, {"s,-1", false, false}, {"S,1", false, true},
                        {"S, 1", false, false}, {"S,0", false, false}, {"S,-1 ", false, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszTag);
        EXPECT_EQ(CMultiFontTag(row.lpszTag).IsSubscript(), row.bSubscript);
        EXPECT_EQ(CMultiFontTag(row.lpszTag).IsSuperscript(), row.bSuperscript);
    }
}

TEST(CMultiFontTag, CommasAfterThe29thStayInTheLastField)
{
    CString sTag = "C";
    for (int i = 1; i <= 31; ++i)
        sTag += ",1";
    const CMultiFontTag tag(sTag);
    EXPECT_TRUE(tag.HasField(29));
    EXPECT_FALSE(tag.HasField(30));
    EXPECT_EQ(tag.Field(29), "1,1,1");
}
