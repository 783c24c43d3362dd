// CRect with CPoint and CSize: the rectangle operations against Win32's own
// (the win build also asks the real IntersectRect/UnionRect), normalising,
// edges of PtInRect and the offset operators.
#include "platform/afx/afx.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

std::ostream& operator<<(std::ostream& os, const CRect& rect)
{
    return os << "(" << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom << ")";
}

std::string Describe(const CRect& rect1, const CRect& rect2)
{
    std::ostringstream os;
    os << rect1 << " with " << rect2;
    return os.str();
}

}

TEST(CRect, IntersectsAndUnitesAsWin32Does)
{
    struct Row {
        CRect rect1;
        CRect rect2;
        CRect intersection;
        BOOL bIntersects;
        CRect unionRect;
        BOOL bUnion;
    };
    const CRect kEmpty;
    const Row rows[] = {
        {{0, 0, 10, 10}, {5, 5, 15, 15}, {5, 5, 10, 10}, TRUE, {0, 0, 15, 15}, TRUE},
        {{0, 0, 10, 10}, {2, 3, 4, 5}, {2, 3, 4, 5}, TRUE, {0, 0, 10, 10}, TRUE},
        {{0, 0, 10, 10}, {10, 0, 20, 10}, kEmpty, FALSE, {0, 0, 20, 10}, TRUE},
        {{0, 0, 10, 10}, {9, 9, 20, 20}, {9, 9, 10, 10}, TRUE, {0, 0, 20, 20}, TRUE},
        {{0, 0, 10, 10}, {-5, -5, 0, 20}, kEmpty, FALSE, {-5, -5, 10, 20}, TRUE},
        {{0, 0, 10, 10}, {3, 3, 3, 8}, kEmpty, FALSE, {0, 0, 10, 10}, TRUE},
        {{7, 7, 7, 7}, {1, 2, 3, 4}, kEmpty, FALSE, {1, 2, 3, 4}, TRUE},
        {{5, 5, 0, 0}, {1, 1, 2, 2}, kEmpty, FALSE, {1, 1, 2, 2}, TRUE},
        {{5, 5, 0, 0}, {0, 8, 8, 8}, kEmpty, FALSE, kEmpty, FALSE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(Describe(row.rect1, row.rect2));
        CRect result(-1, -1, -1, -1);
        EXPECT_EQ(result.IntersectRect(row.rect1, row.rect2), row.bIntersects);
        EXPECT_EQ(result, row.intersection);
        EXPECT_EQ(row.rect1 & row.rect2, row.intersection);
        EXPECT_EQ(row.rect2 & row.rect1, row.intersection);

        result.SetRect(-1, -1, -1, -1);
        EXPECT_EQ(result.UnionRect(row.rect1, row.rect2), row.bUnion);
        EXPECT_EQ(result, row.unionRect);
        EXPECT_EQ(row.rect1 | row.rect2, row.unionRect);
#ifdef _WIN32
        RECT win32 = {-1, -1, -1, -1};
        EXPECT_EQ(::IntersectRect(&win32, &row.rect1, &row.rect2), row.bIntersects);
        EXPECT_EQ(CRect(win32), row.intersection);
        win32 = {-1, -1, -1, -1};
        EXPECT_EQ(::UnionRect(&win32, &row.rect1, &row.rect2), row.bUnion);
        EXPECT_EQ(CRect(win32), row.unionRect);
#endif
    }
}

TEST(CRect, IntersectsInPlaceWithItself)
{
    CRect rect(0, 0, 10, 10);
    EXPECT_TRUE(rect.IntersectRect(rect, CRect(4, -2, 12, 6)));
    EXPECT_EQ(rect, CRect(4, 0, 10, 6));
    EXPECT_TRUE(rect.UnionRect(CRect(-1, -1, 1, 1), rect));
    EXPECT_EQ(rect, CRect(-1, -1, 10, 6));
}

TEST(CRect, NormalizesSwappedEdges)
{
    struct Row {
        CRect rect;
        CRect normal;
    };
    const Row rows[] = {
        {{10, 20, 0, 5}, {0, 5, 10, 20}},
        {{10, 5, 0, 20}, {0, 5, 10, 20}},
        {{0, 20, 10, 5}, {0, 5, 10, 20}},
        {{0, 5, 10, 20}, {0, 5, 10, 20}},
        {{3, 3, 3, 3}, {3, 3, 3, 3}},
        {{-1, -2, -3, -4}, {-3, -4, -1, -2}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(Describe(row.rect, row.normal));
        CRect rect = row.rect;
        rect.NormalizeRect();
        EXPECT_EQ(rect, row.normal);
        EXPECT_EQ(rect.IsRectEmpty(), row.normal.Width() == 0 || row.normal.Height() == 0);
    }
}

TEST(CRect, ContainsPointsUpToButExcludingRightAndBottom)
{
    struct Row {
        CPoint point;
        BOOL bInside;
    };
    const CRect rect(-2, 1, 3, 4);
    const Row rows[] = {
        {{-2, 1}, TRUE}, {{2, 3}, TRUE}, {{3, 3}, FALSE}, {{2, 4}, FALSE},
        {{-3, 2}, FALSE}, {{0, 0}, FALSE}, {{0, 2}, TRUE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.point.x << "," << row.point.y);
        EXPECT_EQ(rect.PtInRect(row.point), row.bInside);
    }
    EXPECT_FALSE(CRect(5, 5, 0, 0).PtInRect(CPoint(2, 2)));
}

TEST(CRect, MeasuresItsExtentAndCentre)
{
    const CRect rect(CPoint(-4, 2), CSize(9, 5));
    EXPECT_EQ(rect, CRect(-4, 2, 5, 7));
    EXPECT_EQ(rect.Width(), 9);
    EXPECT_EQ(rect.Height(), 5);
    EXPECT_EQ(rect.Size(), CSize(9, 5));
    EXPECT_EQ(rect.TopLeft(), CPoint(-4, 2));
    EXPECT_EQ(rect.BottomRight(), CPoint(5, 7));
    EXPECT_EQ(rect.CenterPoint(), CPoint(0, 4));
    EXPECT_EQ(CRect(CPoint(1, 2), CPoint(3, 4)), CRect(1, 2, 3, 4));
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_FALSE(CRect(1, 1, 1, 1).IsRectNull());
    EXPECT_TRUE(CRect(1, 1, 1, 1).IsRectEmpty());
}

TEST(CRect, MovesInflatesAndDeflates)
{
    CRect rect(0, 0, 10, 10);
    rect += CPoint(2, 3);
    EXPECT_EQ(rect, CRect(2, 3, 12, 13));
    rect -= CSize(2, 3);
    EXPECT_EQ(rect, CRect(0, 0, 10, 10));
    rect.InflateRect(1, 2);
    EXPECT_EQ(rect, CRect(-1, -2, 11, 12));
    rect.DeflateRect(CSize(1, 2));
    EXPECT_EQ(rect, CRect(0, 0, 10, 10));
    rect.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(rect, CRect(-1, -2, 13, 14));
    rect.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(rect, CRect(0, 0, 10, 10));
    rect.DeflateRect(6, 6);
    EXPECT_EQ(rect, CRect(6, 6, 4, 4));
    EXPECT_TRUE(rect.IsRectEmpty());
    rect.SetRectEmpty();
    EXPECT_TRUE(rect.IsRectNull());

    CPoint point(1, 1);
    point += CSize(2, 3);
    EXPECT_EQ(point, CPoint(3, 4));
    EXPECT_EQ(point - CPoint(1, 1), CSize(2, 3));
    EXPECT_EQ(point - CSize(3, 4), CPoint());
}
