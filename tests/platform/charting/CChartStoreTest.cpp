// CChartStore: elements by index, the bounds of the data and of the indexed
// properties, whole numbers from stored doubles, resetting the data.
#include "platform/charting/CChartStore.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(CChartStore, ElementsInsideTheirBoundsAreKeptOutsideIgnored)
{
    CChartStore store;
    store.SetNumber(ChartPropertyId::NumSets, 0, 0, 2);
    store.SetNumber(ChartPropertyId::NumPoints, 0, 0, 21);
    struct Row {
        const char* lpszCase;
        ChartPropertyId id;
        int nRow, nCol;
        BOOL bKept;
    };
    const Row rows[] = {
        {"no index", ChartPropertyId::DrawMode, 0, 0, TRUE},
        {"no index, indices ignored", ChartPropertyId::GraphType, 7, 9, TRUE},
        {"one index, first", ChartPropertyId::ColorData, 0, 0, TRUE},
        {"one index, last", ChartPropertyId::ColorData, 0, kChartIndexLimit - 1, TRUE},
        {"one index, past the last", ChartPropertyId::ColorData, 0, kChartIndexLimit, FALSE},
        {"one index, 65535", ChartPropertyId::FontSize, 0, 65535, FALSE},
        {"data, last point of last set", ChartPropertyId::GraphData, 1, 20, TRUE},
        {"data, set past NumSets", ChartPropertyId::GraphData, 2, 0, FALSE},
        {"data, point past NumPoints", ChartPropertyId::GraphData, 0, 21, FALSE},
        {"data, negative point", ChartPropertyId::GraphData, 0, -1, FALSE},
        {"two indices, other property", ChartPropertyId::XPosData, 200, 3, TRUE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        EXPECT_EQ(store.SetNumber(row.id, row.nRow, row.nCol, 42.5), row.bKept);
        EXPECT_EQ(store.GetNumber(row.id, row.nRow, row.nCol), row.bKept ? 42.5 : 0.0);
    }
}

TEST(CChartStore, NumbersAndTextsOfOneElementAreKeptApart)
{
    CChartStore store;
    store.SetText(ChartPropertyId::GraphTitle, 0, 0, "Level");
    store.SetNumber(ChartPropertyId::GraphTitle, 0, 0, 3.0);
    EXPECT_EQ(store.GetText(ChartPropertyId::GraphTitle), "Level");
    EXPECT_EQ(store.GetNumber(ChartPropertyId::GraphTitle), 3.0);
    EXPECT_EQ(store.GetText(ChartPropertyId::LeftTitle), "");
}

TEST(CChartStore, WholeNumbersAreTruncatedAndUnrepresentableOnesReadZero)
{
    struct Row {
        double dStored;
        int nRead;
    };
    const Row rows[] = {{2.9, 2}, {-2.9, -2}, {NAN, 0}, {INFINITY, 0}, {1e12, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.dStored);
        CChartStore store;
        store.SetNumber(ChartPropertyId::YAxisTicks, 0, 0, row.dStored);
        EXPECT_EQ(store.GetInt(ChartPropertyId::YAxisTicks, 0, 0), row.nRead);
    }
}

TEST(CChartStore, ResetDataClearsThePointsOnly)
{
    CChartStore store;
    store.SetNumber(ChartPropertyId::NumSets, 0, 0, 1);
    store.SetNumber(ChartPropertyId::NumPoints, 0, 0, 3);
    store.SetNumber(ChartPropertyId::GraphData, 0, 2, 55.0);
    store.SetNumber(ChartPropertyId::ColorData, 0, 0, 9);
    store.ResetData();
    EXPECT_EQ(store.GetNumber(ChartPropertyId::GraphData, 0, 2), 0.0);
    EXPECT_EQ(store.GetInt(ChartPropertyId::ColorData, 0, 0), 9);
    EXPECT_EQ(store.GetInt(ChartPropertyId::NumPoints), 3);
}

TEST(ChartProperty, TableCountsMatchTheComponentsProperties)
{
    int nByDims[3] = {};
    int nReadOnly = 0;
    for (int i = 0; i < kChartPropertyCount; ++i) {
        const ChartPropertyInfo& info = GetChartPropertyInfo(static_cast<ChartPropertyId>(i));
        ++nByDims[info.nDims];
        nReadOnly += info.access == ChartAccess::ReadOnly;
    }
    EXPECT_EQ(kChartPropertyCount, 166);
    EXPECT_EQ(nByDims[0], 122);
    EXPECT_EQ(nByDims[1], 30);
    EXPECT_EQ(nByDims[2], 14);
    EXPECT_EQ(nReadOnly, 11);
    EXPECT_STREQ(GetChartPropertyInfo(ChartPropertyId::SDKInfo).lpszName, "SDKInfo");
}
