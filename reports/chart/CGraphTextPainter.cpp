#include "CGraphTextPainter.h"

#include "res/resource.h"

#include <cmath>

namespace {

constexpr int kModeTransparent = 3;
constexpr int kModeOpaque = 1;
constexpr int kAlignUpwardsFromEnd = 36;
constexpr int kAlignBaseline = 16;
constexpr int kAlignBaselineEnd = 20;
constexpr double kSpacing = 3.6;
// The colour numbers of the result chart's sets, set by set.
constexpr int kSetColours[] = {9, 0, 12, 10, 11, 13, 7, 14, 6, 8};
constexpr int kMostSetEntries = 8;

// The third-octave bands 50 Hz to 5 kHz, named at the octave centres.
const std::vector<CString>& StandardBandRow()
{
    static const std::vector<CString> row = {"",    "63", "",     "",  "125", "",     "",  "250", "",
                                             "",    "500", "",    "",  "1000", "",    "",  "2000", "",
                                             "",    "4000", ""};
    return row;
}

CString LoadText(UINT nID)
{
    CString sText;
    sText.LoadString(nID);
    return sText;
}

}

CGraphTextPainter::CGraphTextPainter(CGraphProps& graph, const CReportInfo& info) : m_graph(graph), m_info(info) {}

// L, B, W, H from SDKInfo 6, 7, 4, 5; one band step k and one value unit u.
CGraphTextPainter::CPlot CGraphTextPainter::ReadPlot()
{
    auto info = [&](int i) { return m_graph.SDKInfo.At(i).GetDouble(); };
    CPlot plot = {};
    plot.L = info(6);
    plot.B = info(7);
    plot.W = info(4);
    plot.H = info(5);
    plot.T = plot.B + plot.H;
    plot.k = info(0) != 0.0 ? plot.W / info(0) : 0.0;
    plot.u = info(2) != info(3) ? plot.H / (info(2) - info(3)) : 0.0;
    plot.dAxisLow = info(3);
    return plot;
}

void CGraphTextPainter::SetFont(const char* lpszFace, int nSize)
{
    m_graph.SelWin();
    GraphFontFace(2, lpszFace);
    GraphFontSize(2, 0, nSize, 0);
}

double CGraphTextPainter::Width(const CString& sText)
{
    return GraphTextWidth(3, 0, sText);
}

void CGraphTextPainter::DrawSpacedText(double x, double y, int nMode, int nAlign, int nFlag, const CString& sText)
{
    const int nY = static_cast<int>(y);
    for (int i = 0; i < sText.GetLength(); ++i) {
        const CString sChar = sText.Mid(i, 1);
        m_graph.DrawTextAt(static_cast<int>(std::lround(x)), nY, nMode, nAlign, nFlag, sChar);
        x = std::trunc(x + GraphTextWidth(3, 0, sChar) + kSpacing);
    }
}

// Plot strip, inner area, frame, the two bands of the rating range and the
// frame with its extents exchanged (a code the component leaves undrawn).
void CGraphTextPainter::DrawFrame(const CPlot& p, int nExchangedKind, bool bRangeBands)
{
    m_graph.SelWin();
    GraphBox(p.L, p.B, p.W, 0.01 * p.H, 20, 6, 0, 0);
    GraphBox(p.L + p.k, p.B, p.W - 2 * p.k, p.H, 6, 0, 0, 0);
    GraphBox(p.L, p.B, p.W, p.H, 2, 0, 0, 0);
    if (bRangeBands) {
        GraphBox(p.L + 2 * p.k, p.B, 2 * p.k, p.H, 2, 6, 2, 0);
        GraphBox(p.L + p.W - 3 * p.k, p.B, 2 * p.k, p.H, 2, 6, 2, 0);
    }
    GraphBox(p.L, p.B, p.H, p.W, nExchangedKind, 1, 0, 0);
}

void CGraphTextPainter::DrawFrequencyAxis(const CPlot& p, int nTitleSize, bool bSpaced, double dMarkY)
{
    SetFont("Arial", 75);
    std::vector<LPCSTR> aLabels;
    for (const CString& sLabel : StandardBandRow())
        aLabels.push_back(sLabel);
    GraphLabelRow(p.L, p.B - 0.01 * p.H, p.k, 2 * p.k, 0.02 * p.H, static_cast<int>(aLabels.size()), 3, 18, 0,
                  aLabels.data());
    SetFont("Arial", nTitleSize);
    const CString sTitle = LoadText(IDS_FREQUENCY) + ", f, Hz";
    if (bSpaced) {
        const double w = GraphTextWidth(3, kAlignBaseline, sTitle);
        DrawSpacedText(p.L + p.W - 1.7 * p.k - 1.5 * w, 0.5 * p.B, kModeTransparent, kAlignBaseline, 0, sTitle);
    } else {
        m_graph.DrawTextAt(static_cast<int>(p.L + p.W - 1.7 * p.k), static_cast<int>(0.5 * p.B), kModeTransparent,
                           kAlignBaselineEnd, 0, sTitle);
    }
    m_graph.SelWin();
    GraphArrow(p.L + p.W - 1.2 * p.k, dMarkY, p.L + p.W, dMarkY, 0.5 * p.k, 0, 0, 0);
}

void CGraphTextPainter::DrawValueAxis(const CPlot& p, int nNumbers, double dMarkX)
{
    m_graph.SelWin();
    GraphValueNumbers(p.L - 0.01 * p.W, p.B + 2 * p.u / 3, 10 * p.u, 2 * p.k, 0.02 * p.H, p.dAxisLow, 10.0, 0,
                      nNumbers, 3, 20, 0);
    GraphArrow(dMarkX, p.T - 2.5 * p.u, dMarkX, p.T + 0.5 * p.u, 0.5 * p.k, 0, 0, 0);
}

// Written upwards from its end P: the unit at P, the subscript a little
// nearer the plot, the main text before both; each placed by the widths of
// the pieces after it. An empty subscript takes no room.
void CGraphTextPainter::DrawValueTitle(const CPlot& p, const CString& sMain, int nMainSize,
                                       const CString& sSubscript, int nSubscriptSize, int nUnitSize)
{
    const double yEnd = p.T - 3 * p.u;
    SetFont("Arial", nUnitSize);
    const CString sUnit = ", dB";
    const double w1 = Width(sUnit);
    m_graph.DrawTextAt(static_cast<int>(0.4 * p.L), static_cast<int>(yEnd), kModeTransparent,
                       kAlignUpwardsFromEnd, 0, sUnit);
    double w2 = 0.0;
    if (!sSubscript.IsEmpty()) {
        SetFont("Arial", nSubscriptSize);
        w2 = Width(sSubscript);
        m_graph.DrawTextAt(static_cast<int>(p.L / 2.1), static_cast<int>(yEnd - 1.2 * w1), kModeTransparent,
                           kAlignUpwardsFromEnd, 0, sSubscript);
    }
    SetFont("Arial", nMainSize);
    m_graph.DrawTextAt(static_cast<int>(0.4 * p.L), static_cast<int>(yEnd - (w1 + w2) - 10), kModeTransparent,
                       kAlignUpwardsFromEnd, 0, sMain);
}

// ISO 717-1 for airborne, 717-2 for impact; the shifted curve with the
// setting; the national wording for an OENORM project.
CString CGraphTextPainter::ReferenceCurveText(bool bShiftedRefCurve) const
{
    static const UINT kTexts[2][2][2] = {
        {{IDS_GRAPH_REFERENCE_717_1, IDS_GRAPH_SHIFTED_717_1}, {IDS_GRAPH_OEN_REFERENCE_717_1, IDS_GRAPH_OEN_SHIFTED_717_1}},
        {{IDS_GRAPH_REFERENCE_717_2, IDS_GRAPH_SHIFTED_717_2}, {IDS_GRAPH_OEN_REFERENCE_717_2, IDS_GRAPH_OEN_SHIFTED_717_2}},
    };
    return LoadText(kTexts[m_info.m_bImpact ? 1 : 0][m_info.m_bOEN ? 1 : 0][bShiftedRefCurve ? 1 : 0]);
}

// The reference curve's line sample and text, then a second entry with a
// dashed sample of its own width code and colour.
void CGraphTextPainter::DrawReferenceLegend(const CPlot& p, const CString& sCurve, const CString& sSecond,
                                            int nSecondWidth, int nSecondColour, int nSecondMode)
{
    m_graph.SelWin();
    GraphLineSample(p.L, p.T + 1.7 * p.u, p.L + 1.8 * p.k, p.T + 1.7 * p.u, 4, 1, 12);
    GraphLineSample(p.L, p.T + 3.2 * p.u, p.L + 1.8 * p.k, p.T + 3.2 * p.u, nSecondWidth,
                    2, nSecondColour);
    SetFont("Arial", 75);
    DrawSpacedText(p.L + 3 * p.k, p.T + p.u, kModeTransparent, 0, 0, sCurve);
    DrawSpacedText(p.L + 3 * p.k, p.T + 2.5 * p.u, nSecondMode, 0, 0, sSecond);
}

void CGraphTextPainter::DrawGraphTexts(bool bShiftedRefCurve)
{
    const CPlot p = ReadPlot();
    DrawFrame(p, 6, true);
    DrawFrequencyAxis(p, 75, true, p.B / 2.9);
    DrawValueAxis(p, 7, 0.2 * p.L);
    DrawValueTitle(p, m_info.m_sGraphTitle + ", " + m_info.m_sIndexStr, 75, m_info.m_sSubscript, 60, 75);
    DrawReferenceLegend(p, ReferenceCurveText(bShiftedRefCurve), LoadText(IDS_GRAPH_FREQUENCY_RANGE), 1, 0,
                        kModeOpaque);
}

void CGraphTextPainter::DrawGraphTextsASTM()
{
    const CPlot p = ReadPlot();
    DrawFrame(p, 6, false);
    DrawFrequencyAxis(p, 75, true, p.B / 2.9);
    DrawValueAxis(p, 7, 0.2 * p.L);
    DrawValueTitle(p, m_info.m_sGraphTitle + ", " + m_info.m_sIndexStr, 80, m_info.m_sSubscript, 65, 75);
    DrawReferenceLegend(p, LoadText(m_info.m_bAirborne ? IDS_GRAPH_ASTM_REFERENCE : IDS_GRAPH_ASTM_IIC),
                        m_info.m_sIndexStr + m_info.m_sSubscript, 4, 9, kModeTransparent);
}

// The result table shows no chart for these kinds.
bool CGraphTextPainter::NoResultChart() const
{
    return m_info.m_bAbsorption || (m_info.m_bLab && m_info.m_bAirborne && m_info.m_bImprovement)
           || (m_info.m_bLab && m_info.m_bImpact && m_info.m_bReductionLightweight);
}

void CGraphTextPainter::DrawResultGraphTexts(const std::vector<CString>& aSetTitles)
{
    if (NoResultChart())
        return;
    const CPlot p = ReadPlot();
    DrawFrame(p, 10, true);
    DrawFrequencyAxis(p, 80, false, p.B / 2.3);
    DrawValueAxis(p, 11, p.L / 4.4);
    DrawValueTitle(p, LoadText(IDS_GRAPH_LEVEL), 80, "", 80, 80);
    if (m_info.m_bAverageLoudspeaker && aSetTitles.size() > 1)
        DrawSetsLegend(p, aSetTitles);
    else
        DrawResultLegend(p);
}

// Background noise (red), receiving room (black), source room (blue); an
// intensity project names its own three levels, an impact project has no
// source room.
void CGraphTextPainter::DrawResultLegend(const CPlot& p)
{
    const bool bIntensity = m_info.m_bIntensity;
    const CString sThird = bIntensity ? "FpIn" : "Lb";
    const CString sSecond = bIntensity ? "LIn" : (m_info.m_bImpactAirborne ? "L" : "L2");
    const bool bFirst = bIntensity || !(m_info.m_bImpact || m_info.m_bImpactAirborne);
    const CString sFirst = bIntensity ? "Lp1" : "L1";
    struct Entry {
        double dLine, dText;
        int nColour;
        CString sText;
    };
    std::vector<Entry> entries = {{1.7, 1.0, 12, sThird}, {3.2, 2.5, 0, sSecond}};
    if (bFirst)
        entries.push_back({4.7, 4.1, 9, sFirst});
    for (const Entry& entry : entries) {
        m_graph.SelWin();
        GraphLineSample(p.L, p.T + entry.dLine * p.u, p.L + 1.8 * p.k, p.T + entry.dLine * p.u, 4, 1,
                        entry.nColour);
        SetFont("Arial", 80);
        m_graph.DrawTextAt(static_cast<int>(p.L + 3 * p.k), static_cast<int>(p.T + entry.dText * p.u),
                           kModeTransparent, 0, 0, entry.sText);
    }
}

// The project result and the first eight per-set results, each with the
// colour of its curve, under the heading "Results, dB".
void CGraphTextPainter::DrawSetsLegend(const CPlot& p, const std::vector<CString>& aSetTitles)
{
    const CString sSymbol = m_info.m_sIndexStr + m_info.m_sSubscript;
    std::vector<CString> aEntries = {sSymbol};
    for (size_t i = 0; i < aSetTitles.size() && i < kMostSetEntries; ++i)
        aEntries.push_back(aSetTitles[i] + ": " + sSymbol);
    SetFont("Arial", 80);
    for (size_t i = 0; i < aEntries.size(); ++i) {
        const double dLine = 1.7 + 1.5 * i;
        m_graph.SelWin();
        GraphLineSample(p.L, p.T + dLine * p.u, p.L + 1.8 * p.k, p.T + dLine * p.u, 4, 1, kSetColours[i]);
        m_graph.DrawTextAt(static_cast<int>(p.L + 3 * p.k), static_cast<int>(p.T + (dLine - 0.7) * p.u),
                           kModeTransparent, 0, 0, aEntries[i]);
    }
    const double dHeading = 1.7 + 1.5 * aEntries.size();
    m_graph.DrawTextAt(static_cast<int>(p.L), static_cast<int>(p.T + (dHeading - 0.7) * p.u), kModeTransparent, 0,
                       0, LoadText(IDS_TREE_RESULTS) + ", dB");
}
