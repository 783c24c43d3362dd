// CGRHintPlacement: the hint's width, its place beside the point after each
// placement flag, and the moves that keep it inside the control.
#include "grid/CGRHintPlacement.h"

#include <gtest/gtest.h>

TEST(CGRHintPlacement, FlagsPutAnEdgeOrTheMiddleAtThePointInsideTheControl)
{
    const CSize client(400, 300);
    const CSize size(40, 16);
    struct Row {
        const char* lpszCase;
        CPoint point;
        int nFlags;
        int nLeft, nTop;
    } rows[] = {
        {"left and top at the point", {100, 100}, 0, 100, 100},
        {"right edge at x", {100, 100}, CGRHintPlacement::kRightAtX, 60, 100},
        {"centred on x", {100, 100}, CGRHintPlacement::kCentredOnX, 80, 100},
        {"bottom at y", {100, 100}, CGRHintPlacement::kBottomAtY, 100, 84},
        {"centred on y", {100, 100}, CGRHintPlacement::kCentredOnY, 100, 92},
        {"vertical bar's hint (34)", {382, 150}, 34, 342, 142},
        {"horizontal bar's hint (20)", {200, 282}, 20, 180, 266},
        {"right edge at x = 5: moved right", {5, 100}, CGRHintPlacement::kRightAtX, 0, 100},
        {"left of the control", {-10, 100}, 0, 0, 100},
        {"past the right edge", {390, 100}, 0, 360, 100},
        {"right edge exactly at the control's", {400, 100}, CGRHintPlacement::kRightAtX, 360, 100},
        {"above the control", {100, 5}, CGRHintPlacement::kBottomAtY, 100, 0},
        {"below the control", {100, 295}, 0, 100, 284},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CRect rect = CGRHintPlacement::Place(row.point, size, row.nFlags, client);
        EXPECT_EQ(rect.left, row.nLeft);
        EXPECT_EQ(rect.top, row.nTop);
        EXPECT_EQ(rect.Size(), size);
    }
}

TEST(CGRHintPlacement, WidthIsTheTextAndItsPaddingAtLeastTheMinimum)
{
    EXPECT_EQ(CGRHintPlacement::Width(10, 40), 40);
    EXPECT_EQ(CGRHintPlacement::Width(36, 40), 40);
    EXPECT_EQ(CGRHintPlacement::Width(37, 40), 41);
    EXPECT_EQ(CGRHintPlacement::Width(60, 20), 64);
}
