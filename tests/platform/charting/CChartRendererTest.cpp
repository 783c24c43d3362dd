// CChartRenderer: the order of a render, one line per unbroken run of a
// set's points, the points that break a line, the pens of the sets, the
// title drawn after the custom drawing.
#include "platform/charting/CChartRenderer.h"

#include "platform/charting/ChartStyle.h"

#include "ChartTestStore.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double M = -999.0;

std::vector<CChartItem> Lines(const CChartDrawList& list, COLORREF colour)
{
    std::vector<CChartItem> aLines;
    for (const CChartItem& item : list.Items())
        if (item.kind == ChartItemKind::Line && item.colour == colour && item.nPenWidth == 2)
            aLines.push_back(item);
    return aLines;
}

CChartDrawList Render(const CChartStore& store, const std::function<void()>& custom = {})
{
    CChartDrawList list;
    const CChartLayout layout(store, 400, 500);
    CChartRenderer(store, layout, list).Render(custom);
    return list;
}

}

TEST(CChartRenderer, EachUnbrokenRunOfASetIsOneLine)
{
    struct Row {
        const char* lpszCase;
        std::vector<double> aValues;
        std::vector<std::vector<int>> aRuns;  // point numbers of each line
    };
    const Row rows[] = {
        {"no gap", {40, 50, 60, 70}, {{0, 1, 2, 3}}},
        {"gap inside", {40, M, 60, 70}, {{0}, {2, 3}}},
        {"gaps at both ends", {M, 50, 60, M}, {{1, 2}}},
        {"all missing", {M, M, M, M}, {}},
        {"below the low limit", {40, -998.5, 60, 70}, {{0}, {2, 3}}},
        {"not finite", {40, NAN, INFINITY, 70}, {{0}, {3}}},
        {"missing by the program's rule", {40, -600.0, 60, 70}, {{0}, {2, 3}}},
        {"negative levels are drawn", {40, -20.0, 60, 70}, {{0, 1, 2, 3}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        const CChartStore store = ResultChartStore({row.aValues});
        const CChartDrawList list = Render(store);
        const CChartLayout layout(store, 400, 500);
        const std::vector<CChartItem> aLines = Lines(list, ChartColour(9));
        ASSERT_EQ(aLines.size(), row.aRuns.size());
        for (size_t i = 0; i < aLines.size(); ++i) {
            ASSERT_EQ(aLines[i].points.size(), row.aRuns[i].size());
            for (size_t v = 0; v < row.aRuns[i].size(); ++v) {
                const int p = row.aRuns[i][v];
                EXPECT_DOUBLE_EQ(aLines[i].points[v].x, layout.PointX(p));
                EXPECT_DOUBLE_EQ(aLines[i].points[v].y, layout.ValueY(row.aValues[p]));
            }
        }
    }
}

TEST(CChartRenderer, SetsTakeTheirColourAndWidthAndAreClipped)
{
    const CChartDrawList list = Render(ResultChartStore({{40, 50}, {M, M}, {60, 70}}));
    ASSERT_EQ(Lines(list, ChartColour(9)).size(), 1u);
    ASSERT_EQ(Lines(list, ChartColour(12)).size(), 1u);
    EXPECT_TRUE(Lines(list, ChartColour(12))[0].bClipToPlot);
    EXPECT_EQ(list.Items().front().kind, ChartItemKind::Fill);
    EXPECT_EQ(list.Items().front().colour, RGB(255, 255, 255));
}

TEST(CChartRenderer, CustomDrawingComesAfterTheSetsAndBeforeTheTitle)
{
    CChartStore store = ResultChartStore({{40, 50}});
    store.SetText(ChartPropertyId::GraphTitle, 0, 0, "  ");
    size_t nItemsAtCustom = 0;
    CChartDrawList list;
    const CChartLayout layout(store, 400, 500);
    CChartRenderer(store, layout, list).Render([&] {
        nItemsAtCustom = list.Items().size();
        store.SetText(ChartPropertyId::GraphTitle, 0, 0, "Sub title");
    });
    EXPECT_EQ(Lines(list, ChartColour(9)).size(), 1u);
    EXPECT_EQ(list.Items()[nItemsAtCustom - 1].colour, ChartColour(9));
    ASSERT_EQ(list.Items().size(), nItemsAtCustom + 1);
    EXPECT_EQ(list.Items().back().sText, "Sub title");
}

TEST(CChartRenderer, BlankTitleDrawsNothing)
{
    CChartStore store = ResultChartStore({{40, 50}});
    store.SetText(ChartPropertyId::GraphTitle, 0, 0, "  ");
    const CChartDrawList list = Render(store);
    for (const CChartItem& item : list.Items())
        EXPECT_NE(item.kind, ChartItemKind::Text);
}
