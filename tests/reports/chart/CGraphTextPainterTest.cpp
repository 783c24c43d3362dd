// CGraphTextPainter in a chart's custom drawing: every chart kind's calls
// in their order, the standard chart's placement table, the letter-spaced
// text, an empty subscript, the SIA facade angle, the reduction charts'
// values below 0, the legends by project kind, the multiplot graph types,
// no texts for the result chart of an absorption project.
#include "reports/chart/CGraphTextPainter.h"

#include "platform/charting/CChartDrawList.h"

#include "../ChartTestWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
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
        SetAxis(21, 60.0, 0.0);
        m_info.m_bField = true;
        m_info.m_bAirborne = true;
        m_info.m_sGraphTitle = "Standardized level difference";
        m_info.m_sIndexStr = "D";
        m_info.m_sSubscript = "nT";
    }
    void TearDown() override { m_window.DestroyWindow(); }
    CGraphProps& Graph() { return m_window.m_graph; }
    void SetAxis(int nPoints, double dMax, double dMin)
    {
        Graph().NumPoints.SetInt(nPoints);
        Graph().YAxisMax.At(0).SetDouble(dMax);
        Graph().YAxisMin.At(0).SetDouble(dMin);
    }

    // What the painting drew, in order.
    std::vector<CChartItem> PaintItems(const std::function<void(CGraphTextPainter&)>& paint)
    {
        size_t nBefore = 0;
        m_window.m_customDrawing = [&] {
            nBefore = GraphDrawList(Graph().GetHandle())->Items().size();
            CGraphTextPainter painter(Graph(), m_info);
            paint(painter);
        };
        Graph().DrawMode.SetInt(6);
        const std::vector<CChartItem>& items = GraphDrawList(Graph().GetHandle())->Items();
        return std::vector<CChartItem>(items.begin() + nBefore, items.end());
    }
    // The texts the painting drew, in order.
    std::vector<CChartItem> Paint(const std::function<void(CGraphTextPainter&)>& paint)
    {
        std::vector<CChartItem> aTexts;
        for (const CChartItem& item : PaintItems(paint))
            if (item.kind == ChartItemKind::Text)
                aTexts.push_back(item);
        return aTexts;
    }
    static std::string Joined(const std::vector<CChartItem>& aTexts)
    {
        std::string sJoined;
        for (const CChartItem& text : aTexts)
            sJoined += std::string(text.sText) + "|";
        return sJoined;
    }
    static const CChartItem* Find(const std::vector<CChartItem>& aTexts, const char* lpszText)
    {
        for (const CChartItem& text : aTexts)
            if (text.sText == lpszText)
                return &text;
        return nullptr;
    }
    double Info(int i) { return Graph().SDKInfo.At(i).GetDouble(); }
    double WidthIn(int nSize, const char* lpszText, const char* lpszFace = "Arial")
    {
        Graph().SelWin();
        GraphFontFace(2, lpszFace);
        GraphFontSize(2, 0, nSize, 0);
        return GraphTextWidth(3, 0, lpszText);
    }
    double LineHeightIn(int nSize)
    {
        WidthIn(nSize, "0");
        return GraphTextExtent(3, 20, "0");
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

std::string Tail(const std::string& s, size_t nLength)
{
    return s.substr(s.size() - std::min(nLength, s.size()));
}

// Every drawn item in order: a text as itself, a line "-" (dashed "~"), a
// frame "[]" (dashed "[~]", light "[.]").
std::string Calls(const std::vector<CChartItem>& items)
{
    std::string s;
    for (const CChartItem& item : items) {
        const bool bDashed = item.nPenStyle == kChartDash;
        if (item.kind == ChartItemKind::Text)
            s += std::string(item.sText) + "|";
        else if (item.kind == ChartItemKind::Line)
            s += bDashed ? "~" : "-";
        else if (item.kind == ChartItemKind::Frame)
            s += bDashed ? "[~]" : item.colour == RGB(0, 0, 0) ? "[]" : "[.]";
    }
    return s;
}

// An item the placement table expects: its kind and first points (a text's
// anchor), its text (a letter-spaced text: its first character's place and
// then every character).
struct CPlaced {
    ChartItemKind kind;
    std::vector<CChartPoint> points;
    std::string sText;
    bool bSpaced = false;
};

void ExpectPlaced(const std::vector<CChartItem>& items, const std::vector<CPlaced>& expected)
{
    size_t i = 0;
    for (size_t n = 0; n < expected.size(); ++n) {
        const CPlaced& want = expected[n];
        SCOPED_TRACE("row " + std::to_string(n) + " " + want.sText);
        ASSERT_LT(i, items.size());
        const CChartItem& item = items[i];
        EXPECT_EQ(item.kind, want.kind);
        ASSERT_GE(item.points.size(), want.points.size());
        for (size_t p = 0; p < want.points.size(); ++p) {
            EXPECT_NEAR(item.points[p].x, want.points[p].x, 1e-9);
            EXPECT_NEAR(item.points[p].y, want.points[p].y, 1e-9);
        }
        const size_t nCount = want.bSpaced ? want.sText.size() : 1;
        for (size_t c = 0; c < nCount && i < items.size(); ++c, ++i)
            EXPECT_EQ(std::string(items[i].sText), want.bSpaced ? want.sText.substr(c, 1) : want.sText);
    }
    EXPECT_EQ(i, items.size());
}

}

TEST_F(CGraphTextPainterTest, EveryChartKindDrawsItsCallsInOrder)
{
    const std::string sStandardFrame = "-[.][][~][~]";
    const std::string sStandardRow = "63|125|250|500|1000|2000|4000|";
    const std::string sAbsorptionRow = "125|250|500|1000|2000|4000|";
    const std::string sTitle = Spaced("Frequency, f, Hz") + "---";
    const std::string sLevels = "0|10|20|30|40|50|60|---";
    const std::string sCoefficients = "0.0|0.2|0.4|0.6|0.8|1.0|1.2|---";
    struct Row {
        const char* lpszCase;
        std::function<void(CReportInfo&)> configure;
        int nPoints;
        double dMax, dMin;
        std::function<void(CGraphTextPainter&)> paint;
        std::string sCalls;
    };
    auto report = [](CGraphTextPainter& painter) { painter.DrawGraphTexts(false); };
    auto multiplot = [](int nType, bool bOctaves) {
        return [=](CGraphTextPainter& painter) { painter.DrawGraphTextsMultiplot(nType, bOctaves); };
    };
    const Row rows[] = {
        {"standard", [](CReportInfo&) {}, 21, 60.0, 0.0, report,
         sStandardFrame + sStandardRow + sTitle + sLevels + ", dB|s|Title, X|-~"
             + Spaced("curve of reference values (ISO 717-1)") + Spaced("Frequency range according to the")},
        {"impact reduction", [](CReportInfo& info) { info.m_bLab = info.m_bImpact = info.m_bReduction = true; },
         21, 50.0, -10.0, report,
         sStandardFrame + sStandardRow + sTitle + "-10|0|10|20|30|40|50|---" + "  L, dB|D|Title, |-~"
             + Spaced("ISO 717-2") + Spaced("Frequency range for rating according to")},
        {"lightweight reduction",
         [](CReportInfo& info) { info.m_bLab = info.m_bImpact = info.m_bReductionLightweight = true; }, 21, 50.0,
         -10.0, report,
         sStandardFrame + sStandardRow + sTitle + "-10|0|10|20|30|40|50|---" + "  L     , dB|s|D|Title, |-~"
             + Spaced("ISO 717-2") + Spaced("Frequency range for rating according to")},
        {"improvement", [](CReportInfo& info) { info.m_bLab = info.m_bAirborne = info.m_bImprovement = true; },
         21, 50.0, -10.0, report,
         sStandardFrame + sStandardRow + sTitle + "-10|0|10|20|30|40|50|---" + "  R, dB|D|Title, |-~"
             + Spaced("ISO 717-1") + Spaced("Frequency range for rating according to")},
        {"absorption by third octaves", [](CReportInfo& info) { info.m_bAbsorption = info.m_bAlpha_S = true; }, 18,
         1.2, 0.0, report, "-[]" + sAbsorptionRow + sTitle + sCoefficients + "s|X|Title, |"},
        {"absorption by octaves", [](CReportInfo& info) { info.m_bAbsorption = true; }, 6, 1.0, 0.0, report,
         "-[]" + sAbsorptionRow + sTitle + "0.0|0.2|0.4|0.6|0.8|1.0|---" + "s|X|Title, |"},
        {"loss factor", [](CReportInfo& info) { info.m_bTotalLossFactor = true; }, 21, 0.2, 0.0, report,
         "-[]" + sStandardRow + sTitle
             + "0.00|0.01|0.02|0.03|0.04|0.05|0.06|0.07|0.08|0.09|0.10|0.11|0.12|0.13|0.14|0.15|0.16|0.17|0.18|"
               "0.19|0.20|---X|Title, |"},
        {"reverberation", [](CReportInfo& info) { info.m_bReverberation = true; }, 22, 4.0, 0.0,
         [](CGraphTextPainter& painter) { painter.DrawGraphTextsReverberation(); },
         "-[]63|125|250|500|1000|2000|4000|8000|" + sTitle + "0|1|2|3|---Title, X, s  |"},
        {"reverberation, DIN", [](CReportInfo& info) { info.m_bReverberation = info.m_bDIN = true; }, 20, 2.0, 0.0,
         [](CGraphTextPainter& painter) { painter.DrawGraphTextsReverberation(); },
         "-[][~]" + sAbsorptionRow + sTitle + "0|1|---Title, X, s  |"},
        {"multiplot levels", [](CReportInfo&) {}, 21, 60.0, 0.0, multiplot(0, false),
         sStandardFrame + sStandardRow + sTitle + sLevels + "Title, dB  |Sub|"},
        {"multiplot times", [](CReportInfo&) {}, 21, 2.0, 0.0, multiplot(1, false),
         sStandardFrame + sStandardRow + sTitle + "0|1|---Title, s  |Sub|"},
        {"multiplot absorption", [](CReportInfo&) {}, 18, 1.2, 0.0, multiplot(2, false),
         sStandardFrame + sAbsorptionRow + sTitle + sCoefficients + "Title  |Sub|"},
        {"multiplot absorption by octaves", [](CReportInfo&) {}, 6, 1.0, 0.0, multiplot(2, true),
         sStandardFrame + sAbsorptionRow + sTitle + "0.0|0.2|0.4|0.6|0.8|1.0|---Title  |Sub|"},
        {"multiplot of another graph type", [](CReportInfo&) {}, 21, 60.0, 0.0, multiplot(3, false), "Sub|"},
    };
    Graph().XAxisPos.SetInt(2);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        m_info = CReportInfo();
        m_info.m_sGraphTitle = "Title";
        m_info.m_sIndexStr = "X";
        m_info.m_sSubscript = "s";
        m_info.m_sSubTitle = "Sub";
        row.configure(m_info);
        Graph().GraphTitle.SetStringPtr("");
        SetAxis(row.nPoints, row.dMax, row.dMin);
        EXPECT_EQ(Calls(PaintItems(row.paint)), row.sCalls);
    }
}

TEST_F(CGraphTextPainterTest, StandardChartFollowsItsPlacementTable)
{
    const std::vector<CChartItem> items = PaintItems([](CGraphTextPainter& painter) { painter.DrawGraphTexts(false); });
    const double L = Info(6), B = Info(7), W = Info(4), H = Info(5), T = B + H;
    const double k = W / Info(0), u = H / (Info(2) - Info(3));
    const double dTitle = WidthIn(75, "Frequency, f, Hz");
    const double dHalfLine = LineHeightIn(75) / 2;
    const double w1 = WidthIn(75, ", dB"), w2 = WidthIn(60, "nT");
    auto whole = [](double v) { return static_cast<double>(static_cast<int>(v)); };
    auto rounded = [](double v) { return static_cast<double>(std::lround(v)); };
    const auto kLine = ChartItemKind::Line, kFrame = ChartItemKind::Frame, kText = ChartItemKind::Text;
    std::vector<CPlaced> expected = {
        {kLine, {{L, B}, {L + W, B}}, ""},
        {kFrame, {{L + k, B}, {L + W - k, T}}, ""},
        {kFrame, {{L, B}, {L + W, T}}, ""},
        {kFrame, {{L + 2 * k, B}, {L + 4 * k, T}}, ""},
        {kFrame, {{L + W - 3 * k, B}, {L + W - k, T}}, ""},
    };
    const char* const kLabels[] = {"63", "125", "250", "500", "1000", "2000", "4000"};
    for (int i = 0; i < 7; ++i)
        expected.push_back({kText, {{L + (3 * i + 1.5) * k, B - 0.01 * H}}, kLabels[i]});
    expected.push_back({kText, {{rounded(L + W - 1.7 * k - 1.5 * dTitle), whole(0.5 * B)}}, "Frequency, f, Hz", true});
    expected.push_back({kLine, {{L + W - 1.2 * k, B / 2.9}, {L + W, B / 2.9}}, ""});
    expected.push_back({kLine, {{L + W, B / 2.9}}, ""});
    expected.push_back({kLine, {{L + W, B / 2.9}}, ""});
    for (int i = 0; i < 7; ++i)
        expected.push_back({kText, {{L - 0.01 * W, B + 2 * u / 3 + i * 10 * u + dHalfLine}}, std::to_string(10 * i)});
    expected.push_back({kLine, {{0.2 * L, T - 2.5 * u}, {0.2 * L, T + 0.5 * u}}, ""});
    expected.push_back({kLine, {{0.2 * L, T + 0.5 * u}}, ""});
    expected.push_back({kLine, {{0.2 * L, T + 0.5 * u}}, ""});
    expected.push_back({kText, {{whole(0.4 * L), whole(T - 3 * u)}}, ", dB"});
    expected.push_back({kText, {{whole(L / 2.1), whole(T - 3 * u - 1.2 * w1)}}, "nT"});
    expected.push_back({kText, {{whole(0.4 * L), whole(T - 3 * u - (w1 + w2) - 10)}}, "Standardized level difference, D"});
    expected.push_back({kLine, {{L, T + 1.7 * u}, {L + 1.8 * k, T + 1.7 * u}}, ""});
    expected.push_back({kLine, {{L, T + 3.2 * u}, {L + 1.8 * k, T + 3.2 * u}}, ""});
    expected.push_back({kText, {{rounded(L + 3 * k), whole(T + u)}}, "curve of reference values (ISO 717-1)", true});
    expected.push_back({kText, {{rounded(L + 3 * k), whole(T + 2.5 * u)}}, "Frequency range according to the", true});
    ExpectPlaced(items, expected);

    const size_t nLegendTexts = std::string("curve of reference values (ISO 717-1)").size()
                                + std::string("Frequency range according to the").size();
    ASSERT_GT(items.size(), nLegendTexts + 2);
    const CChartItem& reference = items[items.size() - nLegendTexts - 2];
    const CChartItem& range = items[items.size() - nLegendTexts - 1];
    EXPECT_EQ(reference.colour, RGB(255, 0, 0));
    EXPECT_EQ(reference.nPenWidth, 2);
    EXPECT_EQ(range.nPenStyle, kChartDash);
    EXPECT_FALSE(items[items.size() - nLegendTexts].bOpaque);
    EXPECT_TRUE(items.back().bOpaque);
}

TEST_F(CGraphTextPainterTest, EmptySubscriptTakesNoRoom)
{
    struct Row {
        const char* lpszCase;
        std::function<void(CReportInfo&)> configure;
        int nPoints;
        double dMax;
        const char* lpszMain;
        std::function<double()> expectedY;
    };
    auto T = [this] { return Info(7) + Info(5); };
    auto u = [this] { return Info(5) / (Info(2) - Info(3)); };
    const Row rows[] = {
        {"standard", [](CReportInfo&) {}, 21, 60.0, "Standardized level difference, D",
         [&] { return T() - 3 * u() - WidthIn(75, ", dB") - 10; }},
        {"absorption",
         [](CReportInfo& info) {
             info.m_bAbsorption = info.m_bAlpha_S = true;
             info.m_sIndexStr = "a";
         },
         18, 1.2, "Standardized level difference, ",
         [&] { return T() - 0.7 * u() / 5 - 1.05 * WidthIn(90, "a", "Symbol"); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        row.configure(m_info);
        m_info.m_sSubscript = "";
        SetAxis(row.nPoints, row.dMax, 0.0);
        const std::vector<CChartItem> aTexts = Paint([](CGraphTextPainter& painter) { painter.DrawGraphTexts(false); });
        const CChartItem* pMain = Find(aTexts, row.lpszMain);
        ASSERT_NE(pMain, nullptr) << Joined(aTexts);
        EXPECT_EQ(pMain->points[0].y, static_cast<int>(row.expectedY()));
        EXPECT_EQ(Find(aTexts, ""), nullptr);
    }
}

TEST_F(CGraphTextPainterTest, SiaFacadeWithLoudspeakerNamesTheAngleAfterTheSubscript)
{
    struct Row {
        const char* lpszCase;
        int nYear;
        bool bImpact;
        const char* lpszSubscript;
        bool bAngle;
    };
    const Row rows[] = {{"2009", 2009, false, "nT   ", true},
                        {"2006 edition", 2006, false, "nT", false},
                        {"impact", 2009, true, "nT", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        m_info.m_bSIA = m_info.m_bStandard = m_info.m_bFacade = m_info.m_bLoudspeaker = true;
        m_info.m_bAirborne = !row.bImpact;
        m_info.m_bImpact = row.bImpact;
        m_info.m_nYear = row.nYear;
        const std::vector<CChartItem> aTexts = Paint([](CGraphTextPainter& painter) { painter.DrawGraphTexts(false); });
        const double L = Info(6), T = Info(7) + Info(5), u = Info(5) / (Info(2) - Info(3));
        const double w1 = WidthIn(75, ", dB");
        const CChartItem* pSubscript = Find(aTexts, row.lpszSubscript);
        ASSERT_NE(pSubscript, nullptr) << Joined(aTexts);
        EXPECT_EQ(pSubscript->points[0].x, static_cast<int>(L / 2.1));
        EXPECT_EQ(pSubscript->points[0].y, static_cast<int>(T - 3 * u - 1.2 * w1));
        const CChartItem* pAngle = Find(aTexts, "J");
        EXPECT_EQ(pAngle != nullptr, row.bAngle);
        if (pAngle) {
            EXPECT_EQ(std::string(pAngle->sFace), "Symbol");
            EXPECT_EQ(pAngle->points[0].x, pSubscript->points[0].x);
            EXPECT_EQ(pAngle->points[0].y, pSubscript->points[0].y);
        }
        const CChartItem* pMain = Find(aTexts, "Standardized level difference, D");
        ASSERT_NE(pMain, nullptr);
        EXPECT_EQ(pMain->points[0].y, static_cast<int>(T - 3 * u - (w1 + WidthIn(60, row.lpszSubscript)) - 10));
    }
}

TEST_F(CGraphTextPainterTest, DifferenceChartsStandOnThePlotsRealBottom)
{
    struct Row {
        const char* lpszCase;
        bool bImprovement, bLightweight;
        double dMin;
        const char* lpszWidthText;
        double dDeltaShare;
    };
    const Row rows[] = {{"reduction, values below 0", false, false, -10.0, "  L, dB", 0.9},
                        {"reduction, axis from 0", false, false, 0.0, "  L, dB", 0.9},
                        {"lightweight reduction", false, true, -10.0, "DLt,3, dB", 0.99},
                        {"improvement", true, false, -10.0, "  R, dB", 0.9}};
    Graph().XAxisPos.SetInt(2);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        m_info.m_bLab = true;
        m_info.m_bAirborne = row.bImprovement;
        m_info.m_bImprovement = row.bImprovement;
        m_info.m_bImpact = !row.bImprovement;
        m_info.m_bReduction = !row.bImprovement && !row.bLightweight;
        m_info.m_bReductionLightweight = row.bLightweight;
        SetAxis(21, row.dMin + 60.0, row.dMin);
        const std::vector<CChartItem> aTexts = Paint([](CGraphTextPainter& painter) { painter.DrawGraphTexts(false); });
        const double L = Info(6), H = Info(5), u = H / (Info(2) - Info(3));
        const double B = Info(7) + Info(3) * u, yEnd = B + H - 3 * u;
        ASSERT_FALSE(aTexts.empty());
        EXPECT_DOUBLE_EQ(aTexts[0].points[0].y, B - 0.01 * H);  // "63"
        const double w = WidthIn(75, row.lpszWidthText);
        const CChartItem* pDelta = Find(aTexts, "D");
        ASSERT_NE(pDelta, nullptr) << Joined(aTexts);
        EXPECT_EQ(std::string(pDelta->sFace), "Symbol");
        EXPECT_EQ(pDelta->points[0].x, static_cast<int>(0.4 * L));
        EXPECT_EQ(pDelta->points[0].y, static_cast<int>(yEnd - row.dDeltaShare * w));
        const CChartItem* pMain = Find(aTexts, "Standardized level difference, ");
        ASSERT_NE(pMain, nullptr);
        EXPECT_EQ(pMain->points[0].y, static_cast<int>(yEnd - w - 10));
        const CChartItem* pSubscript = Find(aTexts, "nT");
        EXPECT_EQ(pSubscript != nullptr, row.bLightweight);
        if (pSubscript) {
            EXPECT_EQ(pSubscript->points[0].y, static_cast<int>(yEnd - 0.75 * w));
            EXPECT_TRUE(pSubscript->bRotated);
            EXPECT_EQ(pSubscript->anchor, ChartAnchor::Left);
        }
    }
}

TEST_F(CGraphTextPainterTest, ReportLegendsFollowTheFlags)
{
    struct Row {
        const char* lpszCase;
        bool bImpact, bOEN, bShifted, bReduction, bImprovement;
        const char* lpszFirst;
        const char* lpszSecond;
    };
    const char* const kRange = "Frequency range according to the";
    const char* const kRatingRange = "Frequency range for rating according to";
    const Row rows[] = {
        {"airborne", false, false, false, false, false, "curve of reference values (ISO 717-1)", kRange},
        {"airborne, shifted", false, false, true, false, false, "curve of shifted reference values (ISO 717-1)",
         kRange},
        {"airborne, OENORM", false, true, false, false, false,
         "curve of reference values (\xD6NORM EN ISO 717-1)", kRange},
        {"airborne, OENORM, shifted", false, true, true, false, false,
         "curve of shifted reference values (\xD6NORM EN ISO 717-1)", kRange},
        {"impact", true, false, false, false, false, "curve of reference values (ISO 717-2)", kRange},
        {"impact, shifted", true, false, true, false, false, "curve of shifted reference values (ISO 717-2)",
         kRange},
        {"impact, OENORM", true, true, false, false, false, "curve of reference values (\xD6NORM EN ISO 717-2)",
         kRange},
        {"impact, OENORM, shifted", true, true, true, false, false,
         "curve of shifted reference values (\xD6NORM EN ISO 717-2)", kRange},
        {"impact reduction", true, false, false, true, false, "ISO 717-2", kRatingRange},
        {"improvement", false, false, false, false, true, "ISO 717-1", kRatingRange},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        m_info.m_bLab = row.bReduction || row.bImprovement;
        m_info.m_bAirborne = !row.bImpact;
        m_info.m_bImpact = row.bImpact;
        m_info.m_bOEN = row.bOEN;
        m_info.m_bReduction = row.bReduction;
        m_info.m_bImprovement = row.bImprovement;
        const bool bShifted = row.bShifted;
        const std::string sTexts = Joined(Paint([=](CGraphTextPainter& painter) { painter.DrawGraphTexts(bShifted); }));
        const std::string sLegend = Spaced(row.lpszFirst) + Spaced(row.lpszSecond);
        EXPECT_EQ(Tail(sTexts, sLegend.size()), sLegend);
    }
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
        EXPECT_EQ(Tail(sTexts, sLegend.size()), sLegend);
        int nDashed = 0;
        for (const CChartItem& item : GraphDrawList(Graph().GetHandle())->Items())
            nDashed += item.kind == ChartItemKind::Frame && item.nPenStyle == kChartDash;
        EXPECT_EQ(nDashed, 0);
    }
}
