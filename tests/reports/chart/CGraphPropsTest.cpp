// CGraphProps and CGraphProperty over the charting component: elements by
// index, read-only properties, creation, drawing a text; the result chart
// made, filled and exported by its sequence: the placeable metafile's
// header and records, its picture's pixels, the custom drawing's texts.
#include "reports/chart/CGraphProps.h"

#include "platform/charting/CChartDrawList.h"
#include "platform/charting/ChartStyle.h"

#include "../ChartTestWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr double M = -999.0;

class CGraphPropsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_window.CreateTestWindow());
        ASSERT_TRUE(m_window.CreateChart());
    }
    void TearDown() override { m_window.DestroyWindow(); }
    CGraphProps& Graph() { return m_window.m_graph; }
    CChartTestWindow m_window;
};

// The chart defaults of the result table's graph, in their order.
void SetResultChartDefaults(CGraphProps& graph)
{
    graph.Toolbar.SetInt(0);
    graph.Hot.SetInt(0);
    graph.RandomData.SetInt(0);
    graph.SDKMouse.SetInt(0);
    graph.SDKPaint.SetInt(1);
    graph.RunTime.SetInt(1);
    graph.PropertyPages.SetInt(0);
    graph.GraphType.SetInt(6);
    graph.GraphStyle.SetInt(4);
    graph.Ticks.SetInt(0);
    graph.Background.At(0).SetInt(15);
    graph.MissingData.SetInt(2);
    graph.LimitLowValue.SetDouble(-998.0);
    graph.GridStyle.SetInt(1);
    const int kFontSizes[][2] = {{0, 90}, {1, 20}, {4, 90}, {2, 20}};
    for (const auto& size : kFontSizes)
        graph.FontSize.At(size[0]).SetInt(size[1]);
    graph.GraphTitle.SetStringPtr("  ");
    graph.LeftTitleStyle.SetInt(1);
    graph.NumSets.SetInt(10);
    graph.NumPoints.SetInt(21);
    for (int p = 0; p < 21; ++p)
        for (int s = 0; s < graph.NumSets.GetInt(); ++s)
            graph.GraphData.AtRow(s).At(p).SetDouble(M);
    const int kColours[] = {9, 0, 12, 10, 11, 13, 7, 14, 6, 8};
    for (int s = 0; s < 10; ++s)
        graph.ColorData.At(s).SetInt(kColours[s]);
    graph.ThickLines.SetInt(1);
    for (int s = 0; s < 10; ++s)
        graph.PatternData.At(s).SetInt(2);
    graph.ClipGraph.SetInt(1);
    graph.YAxisPos.At(0).SetInt(1);
    graph.YAxisStyle.At(0).SetInt(2);
    graph.YAxisMax.At(0).SetDouble(120.0);
    graph.YAxisMin.At(0).SetDouble(graph.YAxisMax.At(0).GetDouble() - 100.0);
    graph.Labels.SetInt(0);
    graph.DrawMode.SetInt(3);
}

void Export(CGraphProps& graph, const CString& sPath)
{
    graph.DrawMode.SetInt(3);
    graph.ImageFile.SetString(sPath);
    graph.DrawMode.SetInt(2);
    graph.DrawMode.SetInt(6);
}

CString TempPath(LPCSTR lpszName)
{
    char szFolder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szFolder);
    return CString(szFolder) + lpszName;
}

std::vector<BYTE> ReadFile(const CString& sPath)
{
    std::ifstream file(static_cast<LPCSTR>(sPath), std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

WORD Word(const std::vector<BYTE>& bytes, size_t nOffset)
{
    return static_cast<WORD>(bytes[nOffset] | bytes[nOffset + 1] << 8);
}

DWORD Dword(const std::vector<BYTE>& bytes, size_t nOffset)
{
    return Word(bytes, nOffset) | static_cast<DWORD>(Word(bytes, nOffset + 2)) << 16;
}

// The records of a Windows metafile that starts at nStart: function and
// parameter words.
struct WmfRecord {
    WORD nFunction;
    std::vector<WORD> aParams;
};

std::vector<WmfRecord> Records(const std::vector<BYTE>& bytes, size_t nStart)
{
    std::vector<WmfRecord> aRecords;
    size_t nOffset = nStart + 2 * Word(bytes, nStart + 2);  // past the header
    while (nOffset + 6 <= bytes.size()) {
        const DWORD nWords = Dword(bytes, nOffset);
        if (nWords < 3 || nOffset + 2 * nWords > bytes.size())
            break;
        WmfRecord record = {Word(bytes, nOffset + 4), {}};
        for (DWORD i = 3; i < nWords; ++i)
            record.aParams.push_back(Word(bytes, nOffset + 2 * i));
        aRecords.push_back(record);
        nOffset += 2 * nWords;
    }
    return aRecords;
}

std::string Chars(const WmfRecord& record, size_t nFirstParam, WORD nLength)
{
    std::string sText;
    for (WORD i = 0; i < nLength && nFirstParam + i / 2 < record.aParams.size(); ++i) {
        const WORD nPair = record.aParams[nFirstParam + i / 2];
        sText += static_cast<char>(i % 2 ? HIBYTE(nPair) : LOBYTE(nPair));
    }
    return sText;
}

// The text a TEXTOUT or EXTTEXTOUT record writes ("" for other records).
std::string TextOf(const WmfRecord& record)
{
    if (record.nFunction == META_TEXTOUT)
        return Chars(record, 1, record.aParams[0]);
    if (record.nFunction != META_EXTTEXTOUT)
        return "";
    const bool bRect = (record.aParams[3] & (ETO_OPAQUE | ETO_CLIPPED)) != 0;
    return Chars(record, bRect ? 8 : 4, record.aParams[2]);
}

}

TEST_F(CGraphPropsTest, ElementsAreChosenByTheLow16BitsOfTheirIndex)
{
    Graph().NumSets.SetInt(2);
    Graph().NumPoints.SetInt(21);
    struct Row {
        const char* lpszCase;
        int nSet, nPoint;
        double dRead;  // after writing 55.5
        int nSetSeen, nPointSeen;  // where it lands when written
    };
    const Row rows[] = {
        {"plain", 1, 20, 55.5, 1, 20},
        {"point 65536 is point 0", 0, 65536, 55.5, 0, 0},
        {"set 65537 is set 1", 65537, 3, 55.5, 1, 3},
        {"point -1 is 65535, outside the data", 0, -1, 0.0, -1, -1},
        {"set 2 is outside the data", 2, 0, 0.0, -1, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        for (int s = 0; s < 2; ++s)
            for (int p = 0; p < 21; ++p)
                Graph().GraphData.AtRow(s).At(p).SetDouble(-1.0);
        EXPECT_EQ(Graph().GraphData.AtRow(row.nSet).At(row.nPoint).SetDouble(55.5), 55.5);
        EXPECT_EQ(Graph().GraphData.AtRow(row.nSet).At(row.nPoint).GetDouble(), row.dRead);
        int nWritten = 0;
        for (int s = 0; s < 2; ++s)
            for (int p = 0; p < 21; ++p)
                if (Graph().GraphData.AtRow(s).At(p).GetDouble() == 55.5) {
                    ++nWritten;
                    EXPECT_EQ(s, row.nSetSeen);
                    EXPECT_EQ(p, row.nPointSeen);
                }
        EXPECT_EQ(nWritten, row.nSetSeen >= 0 ? 1 : 0);
    }
    EXPECT_EQ(Graph().FontSize.At(-1).SetInt(90), 90);
    EXPECT_EQ(Graph().FontSize.At(-1).GetInt(), 0);
}

TEST_F(CGraphPropsTest, ReadOnlySetterReturnsTheValueAndChangesNothing)
{
    Graph().NumPoints.SetInt(21);
    const double dLeft = Graph().SDKInfo.At(6).GetDouble();
    ASSERT_GT(dLeft, 0.0);
    struct Row {
        const char* lpszCase;
        CGraphProperty property;
    };
    const Row rows[] = {{"SDKInfo", Graph().SDKInfo.At(6)}, {"HitX", Graph().HitX}, {"OverlayNumSets", Graph().OverlayNumSets}};
    for (Row row : rows) {
        SCOPED_TRACE(row.lpszCase);
        const double dBefore = row.property.GetDouble();
        EXPECT_EQ(row.property.SetInt(7), 7);
        EXPECT_EQ(row.property.SetDouble(123.25), 123.25);
        EXPECT_EQ(row.property.GetDouble(), dBefore);
    }
    EXPECT_EQ(Graph().SDKInfo.At(6).GetDouble(), dLeft);
}

TEST_F(CGraphPropsTest, ValuesRoundTripByKind)
{
    Graph().NumSets.SetInt(3);
    Graph().NumPoints.SetInt(21);
    Graph().GraphData.AtRow(2).At(20).SetDouble(63.25);
    EXPECT_EQ(Graph().GraphData.AtRow(2).At(20).GetDouble(), 63.25);
    EXPECT_EQ(Graph().YAxisMax.At(0).SetDouble(110.0), 110.0);
    EXPECT_EQ(Graph().YAxisMax.At(0).GetDouble(), 110.0);
    EXPECT_EQ(Graph().GraphTitle.SetString("Title"), "Title");
    EXPECT_EQ(Graph().GraphTitle.GetString(), "Title");
    EXPECT_EQ(Graph().NumSets.GetInt(), 3);
    CGraphProperty copy = Graph().ColorData.At(4);
    copy.SetInt(12);
    EXPECT_EQ(Graph().ColorData.GetInt(), 12);  // the member kept index 4 too
}

TEST_F(CGraphPropsTest, CreateIsFalseWhenNoChartIsMadeAndItsPropertiesDoNothing)
{
    CGraphProps graph;
    HWND hNoWindow = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7ff0));
    EXPECT_FALSE(graph.Create(0, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), CWnd::FromHandle(hNoWindow), 1));
    EXPECT_EQ(graph.GetHandle(), 0);
    EXPECT_EQ(graph.NumSets.SetInt(4), 4);
    EXPECT_EQ(graph.NumSets.GetInt(), 0);
    EXPECT_FALSE(graph.DrawTextAt(10, 10, 3, 0, 0, "x"));
    graph.DrawMode.SetInt(6);  // no chart, no render, no hang
}

TEST_F(CGraphPropsTest, DrawTextAtFollowsTheDrawingCall)
{
    m_window.m_customDrawing = [&] {
        EXPECT_TRUE(Graph().DrawTextAt(-50, 9999, 3, 36, 0, "outside"));
    };
    Graph().SDKPaint.SetInt(1);
    Graph().DrawMode.SetInt(6);
    const CChartDrawList* pList = GraphDrawList(Graph().GetHandle());
    ASSERT_NE(pList, nullptr);
    bool bFound = false;
    for (const CChartItem& item : pList->Items())
        if (item.sText == "outside") {
            bFound = true;
            EXPECT_EQ(item.points[0].x, -50.0);
            EXPECT_EQ(item.points[0].y, 9999.0);
            EXPECT_TRUE(item.bRotated);
        }
    EXPECT_TRUE(bFound);
}

TEST_F(CGraphPropsTest, OnlyDrawMode6RendersAndEachRenderAsksForCustomDrawing)
{
    SetResultChartDefaults(Graph());
    const int nBefore = m_window.m_nPaintNotices;
    Graph().SDKPaint.SetInt(1);
    Graph().SDKPaint.SetInt(0);
    Graph().SDKPaint.SetInt(1);
    Graph().DrawMode.SetInt(3);
    EXPECT_EQ(m_window.m_nPaintNotices, nBefore);
    Graph().DrawMode.SetInt(6);
    EXPECT_EQ(m_window.m_nPaintNotices, nBefore + 1);
    Graph().SDKPaint.SetInt(0);
    Graph().DrawMode.SetInt(6);
    EXPECT_EQ(m_window.m_nPaintNotices, nBefore + 1);
}

TEST_F(CGraphPropsTest, ResultChartExportsAPlaceableMetafileOfItsRuns)
{
    SetResultChartDefaults(Graph());
    std::vector<double> aSets[3];
    for (int p = 0; p < 21; ++p) {
        aSets[0].push_back(p == 5 ? M : 60.0 + p);                  // runs of 5 and 15
        aSets[1].push_back(50.0 + (p % 3));                         // one run of 21
        aSets[2].push_back(p < 10 ? M : (p == 14 ? M : 30.0 + p));  // runs of 4 and 6
    }
    for (int s = 0; s < 3; ++s)
        for (int p = 0; p < 21; ++p)
            Graph().GraphData.AtRow(s).At(p).SetDouble(aSets[s][p]);
    m_window.m_customDrawing = [&] {
        GraphFontFace(2, "Arial");
        GraphFontSize(2, 0, 80, 0);
        Graph().DrawTextAt(100, 40, 3, 0, 0, "Lb");
    };
    const CString sPath = TempPath("resultgraph7.wmf");
    ::DeleteFileA(sPath);
    Export(Graph(), sPath);

    const std::vector<BYTE> bytes = ReadFile(sPath);
    ASSERT_GT(bytes.size(), 40u);
    EXPECT_EQ(Dword(bytes, 0), 0x9AC6CDD7u);
    EXPECT_EQ(Word(bytes, 10), 470);  // box right, bottom
    EXPECT_EQ(Word(bytes, 12), 500);
    EXPECT_EQ(Word(bytes, 14), 96);
    WORD nChecksum = 0;
    for (size_t i = 0; i < 20; i += 2)
        nChecksum ^= Word(bytes, i);
    EXPECT_EQ(Word(bytes, 20), nChecksum);
    EXPECT_EQ(bytes.size(), 22 + 2 * static_cast<size_t>(Dword(bytes, 28)));

    std::map<size_t, int> runsByLength;
    std::vector<std::string> aTexts;
    for (const WmfRecord& record : Records(bytes, 22)) {
        if (record.nFunction == META_POLYLINE && record.aParams[0] > 2)
            ++runsByLength[record.aParams[0]];
        aTexts.push_back(TextOf(record));
    }
    const std::map<size_t, int> expected = {{4, 1}, {5, 1}, {6, 1}, {15, 1}, {21, 1}};
    EXPECT_EQ(runsByLength, expected);
    EXPECT_NE(std::find(aTexts.begin(), aTexts.end(), "Lb"), aTexts.end());

    // The picture played into a bitmap of the chart's size.
    HMETAFILE hWmf = ::SetMetaFileBitsEx(static_cast<UINT>(bytes.size() - 22), bytes.data() + 22);
    ASSERT_NE(hWmf, nullptr);
    HDC hScreen = ::GetDC(nullptr);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 470, 500);
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    ::SetMapMode(hDC, MM_ANISOTROPIC);
    ::SetViewportExtEx(hDC, 470, 500, nullptr);
    ::PlayMetaFile(hDC, hWmf);
    ::SetMapMode(hDC, MM_TEXT);
    EXPECT_EQ(::GetPixel(hDC, 3, 3), RGB(255, 255, 255));
    const CChartDrawList* pList = GraphDrawList(Graph().GetHandle());
    auto hasColourNear = [&](const CChartPoint& point, COLORREF colour) {
        const int x = static_cast<int>(point.x + 0.5), y = static_cast<int>(500 - point.y + 0.5);
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (::GetPixel(hDC, x + dx, y + dy) == colour)
                    return true;
        return false;
    };
    int nChecked = 0;
    for (const CChartItem& item : pList->Items()) {
        if (item.kind != ChartItemKind::Line || item.nPenWidth != 2)
            continue;
        SCOPED_TRACE(item.points.size());
        EXPECT_TRUE(hasColourNear(item.points.front(), item.colour));
        ++nChecked;
    }
    EXPECT_EQ(nChecked, 5);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hDC);
    ::DeleteMetaFile(hWmf);
    ::DeleteFileA(sPath);
}

TEST(Charting, StartAndStopAreCountedAndUnknownChartsAnswerZero)
{
    const int nStarted = GraphStartup(0, "HC");
    EXPECT_EQ(GraphStartup(0, "HC"), nStarted + 1);
    EXPECT_EQ(GraphShutdown(), nStarted);
    EXPECT_EQ(GraphShutdown(), nStarted - 1);
    for (int i = 0; i < nStarted + 2; ++i)
        GraphShutdown();
    EXPECT_EQ(GraphShutdown(), 0);  // never below zero
    for (HGRAPH hGraph : {0, 12345, -1}) {
        SCOPED_TRACE(hGraph);
        SetNumSets(hGraph, 0, 0, CChartValue{4.0, "", false});
        EXPECT_EQ(GetNumSets(hGraph, 0, 0).dNumber, 0.0);
        EXPECT_EQ(GetSDKInfo(hGraph, 0, 6).dNumber, 0.0);
        EXPECT_EQ(EnableEnhancedEvents(hGraph, nullptr, 0), 0);
        EXPECT_EQ(GraphDrawList(hGraph), nullptr);
        EXPECT_NE(GraphSelectWindow(hGraph, 0), 0);
        SetDrawMode(hGraph, 0, 0, CChartValue{6.0, "", false});
    }
}
