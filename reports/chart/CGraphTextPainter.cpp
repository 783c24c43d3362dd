#include "CGraphTextPainter.h"

#include "res/resource.h"

#include <cmath>

namespace {

constexpr int kModeTransparent = 3;
constexpr int kModeOpaque = 1;
constexpr int kAlignUpwards = 32;
constexpr int kAlignUpwardsFromEnd = 36;
constexpr int kAlignBaseline = 16;
constexpr int kAlignBaselineEnd = 20;
constexpr double kSpacing = 3.6;
// The colour numbers of the result chart's sets, set by set.
constexpr int kSetColours[] = {9, 0, 12, 10, 11, 13, 7, 14, 6, 8};
constexpr int kMostSetEntries = 8;
// Band 18 is 63 Hz; every third band is the next octave centre.
constexpr int kFirstOctaveBand = 18;
constexpr int kLastOctaveBand = 39;

// The name of an octave centre, "" for any other band.
CString OctaveCentreName(int nBand)
{
    static const char* const kNames[] = {"63", "125", "250", "500", "1000", "2000", "4000", "8000"};
    if (nBand < kFirstOctaveBand || nBand > kLastOctaveBand || (nBand - kFirstOctaveBand) % 3 != 0)
        return "";
    return kNames[(nBand - kFirstOctaveBand) / 3];
}

// One entry per third-octave band from nFirstBand, named at the octave centres.
std::vector<CString> ThirdOctaveRow(int nFirstBand, int nCount)
{
    std::vector<CString> row;
    for (int nBand = nFirstBand; nBand < nFirstBand + nCount; ++nBand)
        row.push_back(OctaveCentreName(nBand));
    return row;
}

// 50 Hz to 5 kHz.
std::vector<CString> StandardBandRow()
{
    return ThirdOctaveRow(17, 21);
}

// 100 Hz to 5 kHz.
std::vector<CString> AbsorptionBandRow()
{
    return ThirdOctaveRow(20, 18);
}

// The octaves 125 Hz to 4 kHz.
std::vector<CString> OctaveBandRow()
{
    std::vector<CString> row;
    for (int nBand = 21; nBand <= 36; nBand += 3)
        row.push_back(OctaveCentreName(nBand));
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
    plot.dAxisHigh = info(2);
    return plot;
}

// A chart whose x axis crosses the value axis at 0 reports that line as its
// lower edge; with values below 0 the texts stand under the real bottom.
CGraphTextPainter::CPlot CGraphTextPainter::PlotFromAxisBottom()
{
    CPlot plot = ReadPlot();
    if (plot.dAxisLow < 0.0) {
        plot.B += plot.dAxisLow * plot.u;
        plot.T = plot.B + plot.H;
    }
    return plot;
}

// The line height of the value numbers' font.
double CGraphTextPainter::ZeroExtent()
{
    return GraphTextExtent(3, 20, "0");
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

double CGraphTextPainter::WidthIn(const char* lpszFace, int nSize, const CString& sText)
{
    SetFont(lpszFace, nSize);
    return Width(sText);
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

void CGraphTextPainter::DrawUpwards(const char* lpszFace, int nSize, double x, double y, int nAlign,
                                    const CString& sText)
{
    SetFont(lpszFace, nSize);
    m_graph.DrawTextAt(static_cast<int>(x), static_cast<int>(y), kModeTransparent, nAlign, 0, sText);
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

// The axis along the plot's lower edge, the frame, and the frame with its
// extents exchanged: the charts of coefficients and times.
void CGraphTextPainter::DrawOutline(const CPlot& p, int nAxisKind, int nExchangedKind)
{
    m_graph.SelWin();
    GraphBox(p.L, p.B, p.W, p.H, nAxisKind, 6, 0, 0);
    GraphBox(p.L, p.B, p.W, p.H, 1, 0, 0, 0);
    GraphBox(p.L, p.B, p.H, p.W, nExchangedKind, 1, 0, 0);
}

// The DIN chart runs from 80 Hz to 6.3 kHz; the dashed frame marks the
// evaluated range, 100 Hz to 5 kHz, one band in from either end.
void CGraphTextPainter::DrawDinRange(const CPlot& p)
{
    m_graph.SelWin();
    GraphBox(p.L + p.k, p.B, p.W - 2 * p.k, p.H, 2, 6, 2, 0);
}

void CGraphTextPainter::DrawBandLabels(const CPlot& p, const std::vector<CString>& aLabels, int nSize)
{
    SetFont("Arial", nSize);
    std::vector<LPCSTR> aTexts;
    for (const CString& sLabel : aLabels)
        aTexts.push_back(sLabel);
    GraphLabelRow(p.L, p.B - 0.01 * p.H, p.k, 2 * p.k, 0.02 * p.H, static_cast<int>(aTexts.size()), 3, 18, 0,
                  aTexts.data());
}

// "Frequency, f, Hz" ending near the axis's right end, then the end mark.
void CGraphTextPainter::DrawFrequencyTitle(const CPlot& p, int nSize, double dTitleY, double dMarkY, bool bSpaced)
{
    SetFont("Arial", nSize);
    const CString sTitle = LoadText(IDS_FREQUENCY) + ", f, Hz";
    if (bSpaced) {
        const double w = GraphTextWidth(3, kAlignBaseline, sTitle);
        DrawSpacedText(p.L + p.W - 1.7 * p.k - 1.5 * w, dTitleY, kModeTransparent, kAlignBaseline, 0, sTitle);
    } else {
        m_graph.DrawTextAt(static_cast<int>(p.L + p.W - 1.7 * p.k), static_cast<int>(dTitleY), kModeTransparent,
                           kAlignBaselineEnd, 0, sTitle);
    }
    m_graph.SelWin();
    GraphArrow(p.L + p.W - 1.2 * p.k, dMarkY, p.L + p.W, dMarkY, 0.5 * p.k, 0, 0, 0);
}

// The numbers from the axis's lower end, then the end mark at the axis's
// top, reaching 2.5 dMarkUnit below it and half of one above.
void CGraphTextPainter::DrawValueAxis(const CPlot& p, const CValueScale& scale, double dMarkX, double dMarkUnit)
{
    m_graph.SelWin();
    GraphValueNumbers(p.L - 0.01 * p.W, scale.dFirstY, scale.dSpacing, 2 * p.k, 0.02 * p.H, p.dAxisLow,
                      scale.dStep, scale.nDecimals, scale.nCount, 3, 20, 0);
    GraphArrow(dMarkX, p.T - 2.5 * dMarkUnit, dMarkX, p.T + 0.5 * dMarkUnit, 0.5 * p.k, 0, 0, 0);
}

// Levels in dB: a number every 10 dB.
CGraphTextPainter::CValueScale CGraphTextPainter::LevelScale(const CPlot& p, double dFirstY, int nCount) const
{
    return {dFirstY, 10 * p.u, 10.0, 0, nCount};
}

// The height of 0.2 on a coefficient's axis.
double CGraphTextPainter::CoefficientStep(const CPlot& p) const
{
    return p.dAxisHigh != p.dAxisLow ? p.H / (5 * (p.dAxisHigh - p.dAxisLow)) : 0.0;
}

// Coefficients: a number every 0.2.
CGraphTextPainter::CValueScale CGraphTextPainter::AbsorptionScale(const CPlot& p, double dFirstY) const
{
    return {dFirstY, CoefficientStep(p), 0.2, 1, 12};
}

// Times in seconds: a number every second, as many as whole seconds the
// axis spans.
CGraphTextPainter::CValueScale CGraphTextPainter::ReverberationScale(const CPlot& p, double dFirstY) const
{
    return {dFirstY, p.u, 1.0, 0, static_cast<int>(p.dAxisHigh - p.dAxisLow)};
}

// Written upwards from its end P: the unit at P, the subscript a little
// nearer the plot, the main text before both; each placed by the widths of
// the pieces after it. An empty subscript takes no room. A facade angle
// stands in the blanks after the subscript, in the Greek font.
void CGraphTextPainter::DrawValueTitle(const CPlot& p, const CString& sMain, int nMainSize,
                                       const CString& sSubscript, int nSubscriptSize, int nUnitSize,
                                       bool bFacadeAngle)
{
    const double yEnd = p.T - 3 * p.u;
    const CString sUnit = ", dB";
    const double w1 = WidthIn("Arial", nUnitSize, sUnit);
    DrawUpwards("Arial", nUnitSize, 0.4 * p.L, yEnd, kAlignUpwardsFromEnd, sUnit);
    const CString sShownSubscript = bFacadeAngle ? sSubscript + "   " : sSubscript;
    double w2 = 0.0;
    if (!sShownSubscript.IsEmpty()) {
        w2 = WidthIn("Arial", nSubscriptSize, sShownSubscript);
        const double ySubscript = yEnd - 1.2 * w1;
        DrawUpwards("Arial", nSubscriptSize, p.L / 2.1, ySubscript, kAlignUpwardsFromEnd, sShownSubscript);
        if (bFacadeAngle)
            DrawUpwards("Symbol", nSubscriptSize, p.L / 2.1, ySubscript, kAlignUpwardsFromEnd, "J");
    }
    DrawUpwards("Arial", nMainSize, 0.4 * p.L, yEnd - (w1 + w2) - 10, kAlignUpwardsFromEnd, sMain);
}

// A difference of levels: the Greek capital delta stands in the leading
// blanks of the unit text, sWidthText gives the room the symbol, letter and
// subscript take; a subscript starts upwards inside the unit text.
void CGraphTextPainter::DrawDeltaTitle(const CPlot& p, const CString& sUnit, const CString& sWidthText,
                                       double dDeltaShare, const CString& sSubscript)
{
    const double yEnd = p.T - 3 * p.u;
    const double w = WidthIn("Arial", 75, sWidthText);
    DrawUpwards("Arial", 75, 0.4 * p.L, yEnd, kAlignUpwardsFromEnd, sUnit);
    if (!sSubscript.IsEmpty())
        DrawUpwards("Arial", 60, p.L / 2.1, yEnd - 0.75 * w, kAlignUpwards, sSubscript);
    DrawUpwards("Symbol", 85, 0.4 * p.L, yEnd - dDeltaShare * w, kAlignUpwardsFromEnd, "D");
    DrawUpwards("Arial", 75, 0.4 * p.L, yEnd - w - 10, kAlignUpwardsFromEnd, m_info.m_sGraphTitle + ", ");
}

// The coefficient's Greek symbol with its subscript after it.
void CGraphTextPainter::DrawAbsorptionTitle(const CPlot& p)
{
    const double v = CoefficientStep(p);
    const CString& sSubscript = m_info.m_sSubscript;
    double w1 = 0.0;
    if (!sSubscript.IsEmpty()) {
        w1 = WidthIn("Arial", 65, sSubscript);
        DrawUpwards("Arial", 65, p.L / 2.25, p.T - 0.65 * v, kAlignUpwardsFromEnd, sSubscript);
    }
    const double w2 = WidthIn("Symbol", 90, m_info.m_sIndexStr);
    DrawUpwards("Symbol", 90, 0.4 * p.L, p.T - 0.7 * v - 1.1 * w1, kAlignUpwardsFromEnd, m_info.m_sIndexStr);
    DrawUpwards("Arial", 75, 0.4 * p.L, p.T - 0.7 * v - 1.05 * (w1 + w2), kAlignUpwardsFromEnd,
                m_info.m_sGraphTitle + ", ");
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

// An SIA facade measured with a loudspeaker names the angle of incidence
// in its rating's subscript, except under the 2006 edition.
bool CGraphTextPainter::HasFacadeAngle() const
{
    return m_info.m_bAirborne && m_info.m_bSIA && m_info.m_bStandard && m_info.m_bFacade
           && m_info.m_bLoudspeaker && m_info.m_nYear != 2006;
}

void CGraphTextPainter::DrawGraphTexts(bool bShiftedRefCurve)
{
    const CReportInfo& info = m_info;
    if (info.m_bAbsorption)
        return DrawGraphTextsAbsorption();
    if (info.m_bTotalLossFactor)
        return DrawGraphTextsLossFactor();
    if (info.m_bLab && info.m_bImpact && info.m_bReduction)
        return DrawGraphTextsImpactReduction();
    if (info.m_bLab && info.m_bAirborne && info.m_bImprovement)
        return DrawGraphTextsImprovement();
    if (info.m_bLab && info.m_bImpact && info.m_bReductionLightweight)
        return DrawGraphTextsImpactReduction();
    const CPlot p = ReadPlot();
    DrawFrame(p, 6, true);
    DrawBandLabels(p, StandardBandRow(), 75);
    DrawFrequencyTitle(p, 75, 0.5 * p.B, p.B / 2.9, true);
    DrawValueAxis(p, LevelScale(p, p.B + 2 * p.u / 3, 7), 0.2 * p.L, p.u);
    DrawValueTitle(p, info.m_sGraphTitle + ", " + info.m_sIndexStr, 75, info.m_sSubscript, 60, 75,
                   HasFacadeAngle());
    DrawReferenceLegend(p, ReferenceCurveText(bShiftedRefCurve), LoadText(IDS_GRAPH_FREQUENCY_RANGE), 1, 0,
                        kModeOpaque);
}

void CGraphTextPainter::DrawGraphTextsASTM()
{
    const CPlot p = ReadPlot();
    DrawFrame(p, 6, false);
    DrawBandLabels(p, StandardBandRow(), 75);
    DrawFrequencyTitle(p, 75, 0.5 * p.B, p.B / 2.9, true);
    DrawValueAxis(p, LevelScale(p, p.B + 2 * p.u / 3, 7), 0.2 * p.L, p.u);
    DrawValueTitle(p, m_info.m_sGraphTitle + ", " + m_info.m_sIndexStr, 80, m_info.m_sSubscript, 65, 75, false);
    DrawReferenceLegend(p, LoadText(m_info.m_bAirborne ? IDS_GRAPH_ASTM_REFERENCE : IDS_GRAPH_ASTM_IIC),
                        m_info.m_sIndexStr + m_info.m_sSubscript, 4, 9, kModeTransparent);
}

// The charts of a reduction or improvement, whose values may fall below 0:
// the standard chart's scheme from the plot's real bottom, the title a
// difference of levels, the legend the rating's reference curve and range.
void CGraphTextPainter::DrawDeltaChart(const CString& sUnit, const CString& sWidthText, double dDeltaShare,
                                       const CString& sSubscript, const CString& sCurve)
{
    const CPlot p = PlotFromAxisBottom();
    DrawFrame(p, 6, true);
    DrawBandLabels(p, StandardBandRow(), 75);
    DrawFrequencyTitle(p, 75, 0.5 * p.B, p.B / 2.9, true);
    DrawValueAxis(p, LevelScale(p, p.B + 2 * p.u / 3, 7), 0.2 * p.L, p.u);
    DrawDeltaTitle(p, sUnit, sWidthText, dDeltaShare, sSubscript);
    DrawReferenceLegend(p, sCurve, LoadText(IDS_GRAPH_RATING_RANGE), 1, 0, kModeTransparent);
}

void CGraphTextPainter::DrawGraphTextsImpactReduction()
{
    const CString sCurve = LoadText(IDS_GRAPH_ISO_717_2);
    if (m_info.m_bReductionLightweight)
        DrawDeltaChart("  L     , dB", "DLt,3, dB", 0.99, m_info.m_sSubscript, sCurve);
    else
        DrawDeltaChart("  L, dB", "  L, dB", 0.9, "", sCurve);
}

void CGraphTextPainter::DrawGraphTextsImprovement()
{
    DrawDeltaChart("  R, dB", "  R, dB", 0.9, "", "ISO 717-1");
}

// The sound absorption coefficient by third-octave bands, the practical
// coefficient by octaves; no legend.
void CGraphTextPainter::DrawGraphTextsAbsorption()
{
    const CPlot p = ReadPlot();
    DrawOutline(p, 17, 6);
    DrawBandLabels(p, m_info.m_bAlpha_S ? AbsorptionBandRow() : OctaveBandRow(), 75);
    DrawFrequencyTitle(p, 80, 0.4 * p.B, 0.2 * p.B, true);
    const double h = ZeroExtent();
    DrawValueAxis(p, AbsorptionScale(p, p.B + 0.5 * h), 0.2 * p.L, h);
    DrawAbsorptionTitle(p);
}

// Twenty steps of the axis, two decimals; the Greek symbol after the title.
void CGraphTextPainter::DrawGraphTextsLossFactor()
{
    const CPlot p = ReadPlot();
    DrawOutline(p, 20, 20);
    DrawBandLabels(p, StandardBandRow(), 75);
    DrawFrequencyTitle(p, 75, p.B / 1.75, p.B / 2.2, true);
    const double h = ZeroExtent();
    const CValueScale scale = {p.B + 0.5 * h, 0.05 * p.H, 0.05 * (p.dAxisHigh - p.dAxisLow), 2, 21};
    DrawValueAxis(p, scale, p.L / 6, h);
    DrawUpwards("Symbol", 90, p.L / 2.8, p.T - 0.09 * p.H, kAlignUpwardsFromEnd, m_info.m_sIndexStr);
    DrawUpwards("Arial", 80, p.L / 2.8, p.T - 0.12 * p.H, kAlignUpwardsFromEnd, m_info.m_sGraphTitle + ", ");
}

// 63 Hz to 8 kHz, or the DIN chart's 80 Hz to 6.3 kHz with its range.
void CGraphTextPainter::DrawGraphTextsReverberation()
{
    const CPlot p = ReadPlot();
    DrawOutline(p, 19, 20);
    if (m_info.m_bDIN) {
        DrawDinRange(p);
        DrawBandLabels(p, ThirdOctaveRow(19, 20), 80);
    } else {
        DrawBandLabels(p, ThirdOctaveRow(18, 22), 80);
    }
    DrawFrequencyTitle(p, 75, p.B / 1.75, p.B / 2.2, true);
    const double h = ZeroExtent();
    DrawValueAxis(p, ReverberationScale(p, p.B + 0.5 * h), p.L / 2.8, h);
    DrawUpwards("Arial", 80, p.L / 6, p.T - 0.09 * p.H, kAlignUpwardsFromEnd,
                m_info.m_sGraphTitle + ", " + m_info.m_sIndexStr + ", s  ");
}

// The curves of several measurements: levels and times over the standard
// bands, absorption over its own; no legend (the report page has one).
void CGraphTextPainter::DrawGraphTextsMultiplot(int nGraphType, bool bOctaveData)
{
    m_graph.GraphTitle.SetStringPtr(m_info.m_sSubTitle);
    if (nGraphType < 0 || nGraphType > 2)
        return;
    const CPlot p = ReadPlot();
    DrawFrame(p, 1, true);
    const bool bAbsorption = nGraphType == 2;
    DrawBandLabels(p, !bAbsorption ? StandardBandRow() : bOctaveData ? OctaveBandRow() : AbsorptionBandRow(), 75);
    DrawFrequencyTitle(p, 75, 0.5 * p.B, p.B / 2.9, true);
    const double h = ZeroExtent();
    const double dFirstY = p.B + 0.5 * h;
    const int nLevels = static_cast<int>((p.dAxisHigh - p.dAxisLow) / 10) + 1;
    const CValueScale scales[] = {LevelScale(p, dFirstY, nLevels), ReverberationScale(p, dFirstY),
                                  AbsorptionScale(p, dFirstY)};
    DrawValueAxis(p, scales[nGraphType], 0.2 * p.L, h);
    static const char* const kUnits[] = {", dB  ", ", s  ", "  "};
    DrawUpwards("Arial", bAbsorption ? 75 : 80, 0.4 * p.L, p.T - 0.09 * p.H, kAlignUpwardsFromEnd,
                m_info.m_sGraphTitle + kUnits[nGraphType]);
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
    DrawBandLabels(p, StandardBandRow(), 75);
    DrawFrequencyTitle(p, 80, 0.5 * p.B, p.B / 2.3, false);
    DrawValueAxis(p, LevelScale(p, p.B + 2 * p.u / 3, 11), p.L / 4.4, p.u);
    DrawValueTitle(p, LoadText(IDS_GRAPH_LEVEL), 80, "", 80, 80, false);
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
