// CChartPrimitives: what each drawing call adds to the list: texts with
// their anchors, label rows, boxes by their codes, line samples, value
// numbers up to the axis's top; nothing without a chart being drawn.
#include "platform/charting/CChartPrimitives.h"

#include "platform/charting/ChartStyle.h"

#include <gtest/gtest.h>

namespace {

// Every character 7 units wide, every line 10 high.
class CFixedMeasure : public CChartTextMeasure {
public:
    double TextWidth(const CString&, int, const CString& sText) override { return 7.0 * sText.GetLength(); }
    double LineHeight(const CString&, int) override { return 10.0; }
};

class CChartPrimitivesTest : public testing::Test {
protected:
    void SetUp() override { m_primitives.SetTarget(&m_list, 60.0); }
    CFixedMeasure m_measure;
    CChartPrimitives m_primitives{m_measure};
    CChartDrawList m_list;
};

}

TEST_F(CChartPrimitivesTest, TextAlignmentCodesSetAnchorBaselineAndDirection)
{
    struct Row {
        int nMode, nAlign;
        ChartAnchor anchor;
        bool bBaseline, bRotated, bOpaque;
    };
    const Row rows[] = {
        {3, 0, ChartAnchor::Left, false, false, false},
        {3, 16, ChartAnchor::Left, true, false, false},
        {3, 20, ChartAnchor::Right, true, false, false},
        {3, 36, ChartAnchor::Right, false, true, false},
        {3, 32, ChartAnchor::Left, false, true, false},
        {1, 0, ChartAnchor::Left, false, false, true},
    };
    m_primitives.SetFontFace("Symbol");
    m_primitives.SetFontSize(90);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nAlign);
        EXPECT_EQ(m_primitives.DrawText(10.0, 20.0, row.nMode, row.nAlign, "D"), 0);
        const CChartItem& text = m_list.Items().back();
        EXPECT_EQ(text.anchor, row.anchor);
        EXPECT_EQ(text.bBaseline, row.bBaseline);
        EXPECT_EQ(text.bRotated, row.bRotated);
        EXPECT_EQ(text.bOpaque, row.bOpaque);
        EXPECT_EQ(text.sFace, "Symbol");
        EXPECT_EQ(text.nFontHeight, 12);
    }
}

TEST_F(CChartPrimitivesTest, NothingIsDrawnWithoutAChart)
{
    m_primitives.SetTarget(nullptr, 0.0);
    EXPECT_EQ(m_primitives.DrawText(0, 0, 3, 0, "x"), 1);
    m_primitives.DrawBox(0, 0, 10, 10, 2, 0);
    m_primitives.DrawValueNumbers(0, 0, 10, 0, 10, 0, 7);
    EXPECT_TRUE(m_list.Items().empty());
}

TEST_F(CChartPrimitivesTest, LabelRowCentresEachLabelOnItsPointAndSkipsEmptyOnes)
{
    m_primitives.DrawLabelRow(100.0, 50.0, 20.0, {"63", "", "", "125"});
    ASSERT_EQ(m_list.Items().size(), 2u);
    EXPECT_DOUBLE_EQ(m_list.Items()[0].points[0].x, 110.0);
    EXPECT_DOUBLE_EQ(m_list.Items()[1].points[0].x, 170.0);
    EXPECT_EQ(m_list.Items()[1].sText, "125");
    EXPECT_EQ(m_list.Items()[1].anchor, ChartAnchor::Centre);
}

TEST_F(CChartPrimitivesTest, BoxCodesChooseFrameAxisDashOrNothing)
{
    struct Row {
        int nKind, nLine;
        size_t nItems;
        ChartItemKind kind;
        int nPenStyle;
    };
    const Row rows[] = {
        {2, 0, 1, ChartItemKind::Frame, kChartSolid},
        {6, 0, 1, ChartItemKind::Frame, kChartSolid},
        {20, 6, 1, ChartItemKind::Line, kChartSolid},
        {17, 6, 1, ChartItemKind::Line, kChartSolid},
        {2, 6, 1, ChartItemKind::Frame, kChartDash},
        {6, 1, 0, ChartItemKind::Frame, kChartSolid},
        {10, 1, 0, ChartItemKind::Frame, kChartSolid},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.nKind << "," << row.nLine);
        m_list.Clear(0, 0, {0, 0}, {0, 0});
        m_primitives.DrawBox(10, 20, 100, 50, row.nKind, row.nLine);
        ASSERT_EQ(m_list.Items().size(), row.nItems);
        if (row.nItems) {
            EXPECT_EQ(m_list.Items()[0].kind, row.kind);
            EXPECT_EQ(m_list.Items()[0].nPenStyle, row.nPenStyle);
        }
    }
}

TEST_F(CChartPrimitivesTest, LineSampleTakesWidthStyleAndColourFromItsCodes)
{
    m_primitives.DrawLineSample(0, 5, 30, 5, 4, 1, 12);
    m_primitives.DrawLineSample(0, 9, 30, 9, 1, 2, 0);
    EXPECT_EQ(m_list.Items()[0].colour, RGB(255, 0, 0));
    EXPECT_EQ(m_list.Items()[0].nPenWidth, 2);
    EXPECT_EQ(m_list.Items()[0].nPenStyle, kChartSolid);
    EXPECT_EQ(m_list.Items()[1].nPenWidth, 1);
    EXPECT_EQ(m_list.Items()[1].nPenStyle, kChartDash);
}

TEST_F(CChartPrimitivesTest, ValueNumbersStopAtTheAxisTop)
{
    struct Row {
        double dFirst, dStep;
        int nDecimals, nCount;
        std::vector<const char*> aTexts;
    };
    const Row rows[] = {
        {0.0, 10.0, 0, 7, {"0", "10", "20", "30", "40", "50", "60"}},
        {30.0, 10.0, 0, 7, {"30", "40", "50", "60"}},
        {50.0, 2.5, 1, 3, {"50.0", "52.5", "55.0"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.dFirst);
        m_list.Clear(0, 0, {0, 0}, {0, 0});
        m_primitives.DrawValueNumbers(40.0, 100.0, 20.0, row.dFirst, row.dStep, row.nDecimals, row.nCount);
        ASSERT_EQ(m_list.Items().size(), row.aTexts.size());
        for (size_t i = 0; i < row.aTexts.size(); ++i) {
            EXPECT_EQ(m_list.Items()[i].sText, row.aTexts[i]);
            EXPECT_DOUBLE_EQ(m_list.Items()[i].points[0].y, 100.0 + 20.0 * i + 5.0);
            EXPECT_EQ(m_list.Items()[i].anchor, ChartAnchor::Right);
        }
    }
}
