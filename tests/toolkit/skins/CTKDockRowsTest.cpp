// Tests of the row arithmetic of a sizable dock bar: the row information,
// fitting a row to a length, the shrink operations a splitter drag asks,
// the row under a point and the layout signature.

#include "CTKDockRows.h"

#include <gtest/gtest.h>

namespace {

CTKDockRowEntry Separator()
{
    return CTKDockRowEntry();
}

CTKDockRowEntry SizeBar(int nLength, int nThickness = 100, bool bVisible = true)
{
    CTKDockRowEntry entry;
    entry.nKind = CTKDockRowEntry::kBar;
    entry.bVisible = bVisible;
    entry.bSizeBar = true;
    entry.nLength = nLength;
    entry.nThickness = nThickness;
    return entry;
}

CTKDockRowEntry ToolBar(int nLength, int nThickness = 26)
{
    CTKDockRowEntry entry = SizeBar(nLength, nThickness);
    entry.bSizeBar = false;
    return entry;
}

std::vector<int> Lengths(const CTKDockRows& rows)
{
    std::vector<int> lengths;
    for (const CTKDockRowEntry& entry : rows.Entries()) {
        if (entry.nKind == CTKDockRowEntry::kBar)
            lengths.push_back(entry.nLength);
    }
    return lengths;
}

}  // namespace

TEST(CTKDockRows, RowInfoCountsASplitterOnlyBetweenTwoSizableBars)
{
    CTKDockRows rows({Separator(), SizeBar(100, 90), SizeBar(50, 120), ToolBar(40, 26), SizeBar(30, 80),
                      SizeBar(20, 80, false), Separator()});
    rows.Entries()[4].nMinTrackWidth = 33;
    rows.Entries()[2].nMinTrackHeight = 44;

    const CTKDockRowInfo info = rows.RowInfo(1);

    EXPECT_EQ(info.nSizeLength, 180);
    EXPECT_EQ(info.nFixedLength, 40 + 8);
    EXPECT_EQ(info.TotalLength(), 228);
    EXPECT_EQ(info.nMaxThickness, 120);
    EXPECT_EQ(info.nMaxFixedThickness, 26);
    EXPECT_EQ(info.nSizeBars, 3);
    EXPECT_EQ(info.nVisibleBars, 4);
    EXPECT_EQ(info.nMinTrackWidth, 33);
    EXPECT_EQ(info.nMinTrackHeight, 44);
}

// 800 long, one splitter between the two bars, border 2 on each: 796
// shared in proportion to 400 and 600, each share truncated.
TEST(CTKDockRows, FitRowShares796PixelsAs318And477)
{
    CTKDockRows rows({Separator(), SizeBar(400, 150), SizeBar(600, 170), Separator()});

    ASSERT_TRUE(rows.FitRow(1, 800, 2));

    EXPECT_EQ(Lengths(rows), (std::vector<int>{318, 477}));
    EXPECT_EQ(rows.Entries()[1].nThickness, 170);
    EXPECT_EQ(rows.Entries()[2].nThickness, 170);
}

TEST(CTKDockRows, FitRowCases)
{
    struct Case {
        const char* szName;
        std::vector<CTKDockRowEntry> entries;
        int nAvailable;
        bool bFitted;
        std::vector<int> lengths;
    } cases[] = {
        {"no sizable bar: left alone", {Separator(), ToolBar(300), Separator()}, 100, false, {300}},
        {"bars without length: the first takes all",
         {Separator(), SizeBar(0), SizeBar(0), Separator()}, 500, true, {496, 0}},
        {"a toolbar's length is kept off the share",
         {Separator(), ToolBar(100), SizeBar(200), Separator()}, 500, true, {100, 404}},
        {"a hidden bar keeps its length",
         {Separator(), SizeBar(100), SizeBar(70, 100, false), SizeBar(100), Separator()}, 400, true,
         {198, 70, 198}},
        {"too little room: a negative share is truncated towards zero",
         {Separator(), ToolBar(300), SizeBar(50), SizeBar(50), Separator()}, 100, true, {300, -100, -100}},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.szName);
        CTKDockRows rows(row.entries);
        EXPECT_EQ(rows.FitRow(1, row.nAvailable, 2), row.bFitted);
        EXPECT_EQ(Lengths(rows), row.lengths);
    }
}

// A splitter between the first and the second of three bars dragged as far
// as it goes to the right: the bars behind it give all they have, and the
// room behind the row too.
TEST(CTKDockRows, ShrinkForwardGivesAllLengthBehindTheSplitterAndTheFreeSpace)
{
    CTKDockRows rows({Separator(), SizeBar(100), SizeBar(50), SizeBar(70), Separator()});
    int nGiven = 0;

    EXPECT_EQ(rows.ShrinkForward(2, 16000, 30, false, nGiven), 2);
    EXPECT_EQ(nGiven, 150);
    EXPECT_EQ(Lengths(rows), (std::vector<int>{100, 50, 70}));

    EXPECT_EQ(rows.ShrinkForward(2, 120, 0, true, nGiven), 2);
    EXPECT_EQ(nGiven, 120);
    EXPECT_EQ(Lengths(rows), (std::vector<int>{100, 0, 0}));
}

TEST(CTKDockRows, ShrinkBackwardTakesFromTheNearestBarFirst)
{
    CTKDockRows rows({Separator(), SizeBar(100), ToolBar(40), SizeBar(50), SizeBar(70), Separator(), SizeBar(9),
                      Separator()});
    int nGiven = 0;

    EXPECT_EQ(rows.ShrinkBackward(4, 16000, false, nGiven), 2);
    EXPECT_EQ(nGiven, 150);

    EXPECT_EQ(rows.ShrinkBackward(4, 80, true, nGiven), 2);
    EXPECT_EQ(nGiven, 80);
    EXPECT_EQ(Lengths(rows), (std::vector<int>{70, 40, 0, 70, 9}));
}

TEST(CTKDockRows, ANegativeShrinkMakesTheFirstBarReachedLonger)
{
    CTKDockRows rows({Separator(), SizeBar(100), SizeBar(50), Separator()});
    int nGiven = 0;

    EXPECT_EQ(rows.ShrinkForward(1, -30, 0, true, nGiven), 1);
    EXPECT_EQ(nGiven, -30);
    EXPECT_EQ(Lengths(rows), (std::vector<int>{130, 50}));
}

// Rows 100 and 60 thick, overlapping by a border of 2: the first row takes
// 0 to 97, the second 98 to 155.
TEST(CTKDockRows, FindRowAnswersTheSeparatorEndingTheRowUnderThePoint)
{
    CTKDockRows rows({Separator(), SizeBar(10, 100), ToolBar(10, 26), Separator(), SizeBar(10, 60, false),
                      Separator(), ToolBar(10, 60), Separator()});
    const struct {
        int nAcross;
        int nRow;
    } cases[] = {{-1, 0}, {0, 3}, {97, 3}, {98, 7}, {155, 7}, {156, -1}};
    for (const auto& point : cases) {
        SCOPED_TRACE(point.nAcross);
        EXPECT_EQ(rows.FindRow(point.nAcross, 2), point.nRow);
    }
    EXPECT_EQ(rows.RowStart(7), 6);
}

TEST(CTKDockRows, SignatureFollowsVisibilityAndPlace)
{
    const CTKDockRows rows({Separator(), SizeBar(10), ToolBar(10), Separator(), SizeBar(10), Separator()});
    const uint32_t nSignature = rows.Signature();
    EXPECT_EQ(nSignature & 0xFF, 3u);

    CTKDockRows hidden = rows;
    hidden.Entries()[4].bVisible = false;
    CTKDockRows swapped = rows;
    std::swap(swapped.Entries()[1], swapped.Entries()[2]);
    CTKDockRows joined({Separator(), SizeBar(10), ToolBar(10), SizeBar(10), Separator()});
    for (const CTKDockRows* pOther : {&hidden, &swapped, &joined})
        EXPECT_NE(pOther->Signature(), nSignature);
    EXPECT_EQ(CTKDockRows(rows).Signature(), nSignature);
}
