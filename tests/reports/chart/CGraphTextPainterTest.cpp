// CGraphTextPainter in a chart's custom drawing: the standard chart's texts
// in their order and places, the letter-spaced text, an empty subscript,
// the result chart's legends by project kind, no texts for absorption.
#include "reports/chart/CGraphTextPainter.h"

#include "platform/charting/CChartDrawList.h"

#include "../ChartTestWindow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

class CGraphTextPainterTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_window.CreateTestWindow());
        ASSERT_TRUE(m_window.CreateChart());
        Graph().SDKPaint.SetInt(1);
        Graph().NumSets.SetInt(2);
        Graph().NumPoints.SetInt(21);
        Graph().YAxisMax.At(0).SetDouble(60.0);
        Graph().YAxisMin.At(0).SetDouble(0.0);
        m_info.m_bField = true;
        m_info.m_bAirborne = true;
        m_info.m_sGraphTitle = "Standardized level difference";
        m_info.m_sIndexStr = "D";
        m_info.m_sSubscript = "nT";
    }
    void TearDown() override { m_window.DestroyWindow(); }
    CGraphProps& Graph() { return m_window.m_graph; }

    // The texts the painting drew, in order.
    std::vector<CChartItem> Paint(const std::function<void(CGraphTextPainter&)>& paint)
    {
        size_t nBefore = 0;
        m_window.m_customDrawing = [&] {
            nBefore = GraphDrawList(Graph().GetHandle())->Items().size();
            CGraphTextPainter painter(Graph(), m_info);
            paint(painter);
        };
        Graph().DrawMode.SetInt(6);
        std::vector<CChartItem> aTexts;
        const std::vector<CChartItem>& items = GraphDrawList(Graph().GetHandle())->Items();
        for (size_t i = nBefore; i < items.size(); ++i)
            if (items[i].kind == ChartItemKind::Text)
                aTexts.push_back(items[i]);
        return aTexts;
    }
    static std::string Joined(const std::vector<CChartItem>& aTexts)
    {
        std::string sJoined;
        for (const CChartItem& text : aTexts)
            sJoined += std::string(text.sText) + "|";
        return sJoined;
    }
    double Info(int i) { return Graph().SDKInfo.At(i).GetDouble(); }
    double WidthIn(int nSize, const char* lpszText)
    {
        Graph().SelWin();
        GraphFontFace(2, "Arial");
        GraphFontSize(2, 0, nSize, 0);
        return GraphTextWidth(3, 0, lpszText);
    }

    CChartTestWindow m_window;
    CReportInfo m_info;
};

std::string Spaced(const char* lpszText)
{
    std::string s;
    for (const char* p = lpszText; *p; ++p)
        s += std::string(1, *p) + "|";
    return s;
}

}

TEST_F(CGraphTextPainterTest, StandardChartDrawsItsTextsInOrder)
{
    const std::vector<CChartItem> aTexts = Paint([](CGraphTextPainter& painter) { painter.DrawGraphTexts(false); });
    const std::string sExpected = std::string("63|125|250|500|1000|2000|4000|") + Spaced("Frequency, f, Hz")
                                  + "0|10|20|30|40|50|60|, dB|nT|Standardized level difference, D|"
                                  + Spaced("curve of reference values (ISO 717-1)")
                                  + Spaced("Frequency range according to the");
    EXPECT_EQ(Joined(aTexts), sExpected);
}

TEST_F(CGraphTextPainterTest, StandardChartPlacesFollowThePlot)
{
    const std::vector<CChartItem> aTexts = Paint([](CGraphTextPainter& painter) { painter.DrawGraphTexts(true); });
    const double L = Info(6), B = Info(7), W = Info(4), H = Info(5), T = B + H;
    const double k = W / Info(0), u = H / (Info(2) - Info(3));
    auto find = [&](const char* lpszText) -> const CChartItem* {
        for (const CChartItem& text : aTexts)
            if (text.sText == lpszText)
                return &text;
        return nullptr;
    };
    const CChartItem* pLabel = find("63");
    ASSERT_NE(pLabel, nullptr);
    EXPECT_DOUBLE_EQ(pLabel->points[0].x, L + 1.5 * k);
    EXPECT_DOUBLE_EQ(pLabel->points[0].y, B - 0.01 * H);
    const CChartItem* pUnit = find(", dB");
    ASSERT_NE(pUnit, nullptr);
    EXPECT_EQ(pUnit->points[0].x, static_cast<int>(0.4 * L));
    EXPECT_EQ(pUnit->points[0].y, static_cast<int>(T - 3 * u));
    EXPECT_TRUE(pUnit->bRotated);
    const double w1 = WidthIn(75, ", dB");
    const CChartItem* pSubscript = find("nT");
    ASSERT_NE(pSubscript, nullptr);
    EXPECT_EQ(pSubscript->points[0].x, static_cast<int>(L / 2.1));
    EXPECT_EQ(pSubscript->points[0].y, static_cast<int>(T - 3 * u - 1.2 * w1));
    const CChartItem* pMain = find("Standardized level difference, D");
    ASSERT_NE(pMain, nullptr);
    EXPECT_EQ(pMain->points[0].y, static_cast<int>(T - 3 * u - (w1 + WidthIn(60, "nT")) - 10));
    const CChartItem* pNumber = find("0");
    ASSERT_NE(pNumber, nullptr);
    EXPECT_EQ(pNumber->anchor, ChartAnchor::Right);
    EXPECT_NE(Joined(aTexts).find(Spaced("curve of shifted reference values (ISO 717-1)")), std::string::npos);
}

TEST_F(CGraphTextPainterTest, EmptySubscriptTakesNoRoom)
{
    m_info.m_sSubscript = "";
    const std::vector<CChartItem> aTexts = Paint([](CGraphTextPainter& painter) { painter.DrawGraphTexts(false); });
    const double T = Info(7) + Info(5), u = Info(5) / (Info(2) - Info(3));
    for (const CChartItem& text : aTexts)
        if (text.sText == "Standardized level difference, D")
            EXPECT_EQ(text.points[0].y, static_cast<int>(T - 3 * u - WidthIn(75, ", dB") - 10));
    EXPECT_EQ(Joined(aTexts).find("|nT|"), std::string::npos);
}

TEST_F(CGraphTextPainterTest, SpacedTextStepsByWidthPlus3Point6Truncated)
{
    std::vector<double> aExpectedX;
    const std::vector<CChartItem> aTexts = Paint([&](CGraphTextPainter& painter) {
        GraphFontFace(2, "Arial");
        GraphFontSize(2, 0, 75, 0);
        double x = std::lround(10.6);
        for (const char* lpszChar : {"W", "i", "d"}) {
            aExpectedX.push_back(x);
            x = std::trunc(x + GraphTextWidth(3, 0, lpszChar) + 3.6);
        }
        painter.DrawSpacedText(10.6, 20.9, 3, 16, 0, "Wid");
    });
    ASSERT_EQ(aTexts.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(aTexts[i].points[0].x, aExpectedX[i]);
        EXPECT_EQ(aTexts[i].points[0].y, 20.0);
        EXPECT_TRUE(aTexts[i].bBaseline);
    }
}

TEST_F(CGraphTextPainterTest, ResultChartLegendFollowsTheProjectKind)
{
    struct Row {
        const char* lpszCase;
        bool bImpact, bImpactAirborne, bIntensity, bAverageLoudspeaker, bAbsorption;
        std::vector<CString> aSets;
        const char* lpszLegend;  // after the value-axis title
    };
    const Row rows[] = {
        {"airborne", false, false, false, false, false, {}, "Lb|L2|L1|"},
        {"impact", true, false, false, false, false, {}, "Lb|L2|"},
        {"impact and airborne", false, true, false, false, false, {}, "Lb|L|"},
        {"intensity", false, false, true, false, false, {}, "FpIn|LIn|Lp1|"},
        {"one set result", false, false, false, true, false, {"Pos 1"}, "Lb|L2|L1|"},
        {"two set results", false, false, false, true, false, {"Pos 1", "Pos 2"},
         "DnT|Pos 1: DnT|Pos 2: DnT|Results, dB|"},
        {"absorption", false, false, false, false, true, {}, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        m_info.m_bImpact = row.bImpact;
        m_info.m_bImpactAirborne = row.bImpactAirborne;
        m_info.m_bIntensity = row.bIntensity;
        m_info.m_bAverageLoudspeaker = row.bAverageLoudspeaker;
        m_info.m_bAbsorption = row.bAbsorption;
        const std::string sTexts = Joined(Paint([&](CGraphTextPainter& painter) {
            painter.DrawResultGraphTexts(row.aSets);
        }));
        if (!row.lpszLegend) {
            EXPECT_EQ(sTexts, "");
            continue;
        }
        const std::string sTitle = "Level|";
        const size_t nTitle = sTexts.find(", dB|" + sTitle);
        ASSERT_NE(nTitle, std::string::npos) << sTexts;
        EXPECT_EQ(sTexts.substr(nTitle + 5 + sTitle.size()), row.lpszLegend);
        EXPECT_EQ(sTexts.find("Frequency, f, Hz|"), sTexts.find("Frequency"));  // in one piece
    }
}

TEST_F(CGraphTextPainterTest, AstmChartNamesItsContourAndDrawsNoRatingRange)
{
    struct Row {
        const char* lpszCase;
        bool bAirborne;
        const char* lpszContour;
    };
    const Row rows[] = {{"airborne", true, "Reference contour according to E 413 - 10"},
                        {"impact", false, "IIC contour according to E 989 - 06"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        m_info.m_bASTM = true;
        m_info.m_bAirborne = row.bAirborne;
        m_info.m_bImpact = !row.bAirborne;
        const std::string sTexts = Joined(Paint([](CGraphTextPainter& painter) { painter.DrawGraphTextsASTM(); }));
        const std::string sLegend = Spaced(row.lpszContour) + Spaced("DnT");
        ASSERT_GE(sTexts.size(), sLegend.size());
        EXPECT_EQ(sTexts.substr(sTexts.size() - sLegend.size()), sLegend);
        int nDashed = 0;
        for (const CChartItem& item : GraphDrawList(Graph().GetHandle())->Items())
            nDashed += item.kind == ChartItemKind::Frame && item.nPenStyle == kChartDash;
        EXPECT_EQ(nDashed, 0);
    }
}
