// GridPrintEngine's page arithmetic without a printer: the printable width
// of A4, bands that fit exactly or overflow by a pixel, columns wider than a
// page, repeated headings, page numbering across first, the unit divisor,
// and a printer that reports no paper.
#include "grid/GridPrintEngine.h"

#include "GridTestEnvironment.h"
#include "RecordingGrid.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A4 portrait at the given resolution, all of it printable.
GridPrinterMetrics A4At(int nDpi)
{
    GridPrinterMetrics metrics;
    metrics.nPhysicalWidth = metrics.nHorzRes = 210 * nDpi * 10 / 254;
    metrics.nPhysicalHeight = metrics.nVertRes = 297 * nDpi * 10 / 254;
    metrics.nHorzSizeMM = 210;
    metrics.nVertSizeMM = 297;
    return metrics;
}

class GridPrintPages : public testing::Test {
protected:
    void SetUp() override { m_grid.Build(30, 100, 5, 5); }

    std::string PageText(int nPage)
    {
        const GridPrintEngine::Page* pPage = m_engine.FindPage(nPage);
        if (!pPage)
            return "none";
        return std::to_string(pPage->nStartCol) + "-" + std::to_string(pPage->nEndCol) + "/"
               + std::to_string(pPage->nStartRow) + "-" + std::to_string(pPage->nEndRow);
    }

    CScopedGridEnvironment m_environment;
    CRecordingGrid m_grid;
    GridPrintEngine m_engine{&m_grid};
};

}

TEST_F(GridPrintPages, A4WithDefaultMarginsPrints606GridPixelsAcross)
{
    EXPECT_EQ(m_engine.Paginate(A4At(100), 0, 0, 0, 0), 1);
    EXPECT_EQ(m_engine.GetPrintableWidth(), 606);
    EXPECT_EQ(m_engine.GetPrintableHeight(), 933);
}

TEST_F(GridPrintPages, ColumnsThatFitExactlyStayOnThePage)
{
    struct Row {
        int nLastWidth;
        int nPages;
    } rows[] = {{606 - 75 * 7, 1}, {606 - 75 * 7 + 1, 2}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nLastWidth);
        m_grid.SetColWidth(7, row.nLastWidth);
        EXPECT_EQ(m_engine.Paginate(A4At(100), 0, 0, 7, 0), row.nPages);
    }
}

TEST_F(GridPrintPages, AColumnWiderThanThePageGetsABandOfItsOwn)
{
    m_grid.SetColWidth(1, 700);
    EXPECT_EQ(m_engine.Paginate(A4At(100), 0, 0, 2, 0), 3);
    EXPECT_EQ(PageText(1), "0-0/0-0");
    EXPECT_EQ(PageText(2), "1-1/0-0");
    EXPECT_EQ(PageText(3), "2-2/0-0");
}

TEST_F(GridPrintPages, PagesAreNumberedAcrossFirst)
{
    // 8 columns of 75 fill a band of 606; 46 rows of 20 one of 933.
    EXPECT_EQ(m_engine.Paginate(A4At(100), 0, 0, 20, 50), 6);
    EXPECT_EQ(PageText(1), "0-7/0-45");
    EXPECT_EQ(PageText(3), "16-20/0-45");
    EXPECT_EQ(PageText(4), "0-7/46-50");
    EXPECT_EQ(PageText(7), "none");
}

TEST_F(GridPrintPages, RepeatedHeadingsLeaveLessRoomForCells)
{
    m_engine.SetPrintOption(GridPrintEngine::kTopHeading, 1);
    m_engine.SetPrintOption(GridPrintEngine::kSideHeading, 1);
    EXPECT_EQ(m_engine.Paginate(A4At(100), 0, 0, 20, 50), 6);
    EXPECT_EQ(PageText(1), "0-6/0-44");
    EXPECT_EQ(PageText(2), "7-13/0-44");
}

TEST_F(GridPrintPages, MarginsAndTheUnitDivisorFollowTheResolution)
{
    struct Row {
        int nDpi;
        int nDivisor;
        int nLeftEdge;
    } rows[] = {{100, 1, 98}, {300, 2, 147}, {600, 5, 118}, {50, 1, 49}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nDpi);
        m_engine.Paginate(A4At(row.nDpi), 0, 0, 0, 0);
        EXPECT_EQ(m_engine.GetUnitDivisor(), row.nDivisor);
        EXPECT_EQ(m_engine.GetMarginEdges().left, row.nLeftEdge);
    }
}

TEST_F(GridPrintPages, APrinterWithoutPaperGivesNoPages)
{
    m_engine.Paginate(A4At(100), 0, 0, 3, 3);
    GridPrinterMetrics none;
    EXPECT_EQ(m_engine.Paginate(none, 0, 0, 3, 3), 0);
    EXPECT_EQ(PageText(1), "none");
    m_engine.SetPrintOption(GridPrintEngine::kLeftMargin, 200);
    EXPECT_EQ(m_engine.Paginate(A4At(100), 0, 0, 3, 3), 0);
}
