#include "MeasGraphWnd.h"

#include "MeasGraphPlot.h"
#include "MeasGraphWindows.h"

#include "CPaintDC.h"
#include "CPen.h"
#include "CScopedSaveDC.h"
#include "CScopedSelectObject.h"

#include "ThirdOctaveBandLabels.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 420;
// Space around the plot for the axis texts, in pixels.
constexpr int kMarginTop = 28;
constexpr int kMarginRight = 20;
constexpr int kGapToText = 6;
constexpr int kLineWidth = 2;

constexpr COLORREF kBackground = RGB(255, 255, 255);
constexpr COLORREF kAxis = RGB(0, 0, 0);
constexpr COLORREF kGridLine = RGB(208, 208, 208);
constexpr COLORREF kLineColours[] = {
    RGB(0, 0, 192),   RGB(192, 0, 0),   RGB(0, 128, 0),   RGB(192, 96, 0),
    RGB(128, 0, 128), RGB(0, 128, 128), RGB(96, 96, 96),  RGB(160, 128, 0),
};

// As many decimals as the step has: 0.5 s steps give "1.5", 10 dB steps "40".
CString ValueText(double dValue, double dStep)
{
    const int nDecimals = std::max(0, -static_cast<int>(std::floor(std::log10(dStep))));
    CString sText;
    sText.Format("%.*f", nDecimals, dValue);
    return sText;
}

} // namespace

BEGIN_MESSAGE_MAP(CMeasGraphWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

CMeasGraphWnd::CMeasGraphWnd(const CMeasGraphRequest& request, CMeasGraphWindows& windows)
    : m_aSpectra(request.m_aSpectra), m_scale(request), m_windows(windows)
{
}

BOOL CMeasGraphWnd::CreateGraph(const CString& sTitle, CWnd* pOwner)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW));
    if (!CreateEx(0, lpszClass, sTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, kWindowWidth,
                  kWindowHeight, pOwner != nullptr ? pOwner->GetSafeHwnd() : nullptr, nullptr))
        return FALSE;
    m_bCreated = TRUE;
    ShowWindow(SW_SHOW);
    UpdateWindow();
    return TRUE;
}

COLORREF CMeasGraphWnd::LineColour(int nSpectrum)
{
    constexpr int kColourCount = sizeof(kLineColours) / sizeof(kLineColours[0]);
    return kLineColours[nSpectrum % kColourCount];
}

void CMeasGraphWnd::DoPaint(CDC& dc)
{
    CScopedSaveDC saved(dc);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, kBackground);
    dc.SelectStockObject(DEFAULT_GUI_FONT);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kAxis);
    const CRect rcPlot = PlotRect(dc);
    if (rcPlot.IsRectEmpty())
        return;
    const CMeasGraphPlot plot(m_scale, rcPlot);
    DrawValueAxis(dc, plot, rcPlot);
    DrawBandAxis(dc, plot, rcPlot);
    DrawSpectra(dc, plot);
}

// The plot leaves room for the widest value text on the left and a line of
// band labels below.
CRect CMeasGraphWnd::PlotRect(CDC& dc) const
{
    CRect client;
    GetClientRect(&client);
    const CSize lowText = dc.GetTextExtent(ValueText(m_scale.GetLowLimit(), m_scale.GetStep()));
    const CSize highText = dc.GetTextExtent(ValueText(m_scale.GetHighLimit(), m_scale.GetStep()));
    const int nLeft = std::max(lowText.cx, highText.cx) + 2 * kGapToText;
    const int nBottom = lowText.cy + 2 * kGapToText;
    return CRect(client.left + nLeft, client.top + kMarginTop, client.right - kMarginRight, client.bottom - nBottom);
}

// A grid line and its value at every step; "dB" above the values.
void CMeasGraphWnd::DrawValueAxis(CDC& dc, const CMeasGraphPlot& plot, const CRect& rcPlot)
{
    CPen gridPen(PS_SOLID, 1, kGridLine);
    CScopedSelectObject selected(dc, gridPen);
    const double dStep = m_scale.GetStep();
    const int nSteps = static_cast<int>(std::lround((m_scale.GetHighLimit() - m_scale.GetLowLimit()) / dStep));
    for (int n = 0; n <= nSteps; ++n) {
        const double dValue = m_scale.GetLowLimit() + n * dStep;
        const int y = plot.ValueToY(dValue);
        dc.MoveTo(rcPlot.left, y);
        dc.LineTo(rcPlot.right, y);
        const CString sText = ValueText(dValue, dStep);
        const CSize size = dc.GetTextExtent(sText);
        dc.TextOut(rcPlot.left - kGapToText - size.cx, y - size.cy / 2, sText);
    }
    const CString sUnit("dB");
    dc.TextOut(rcPlot.left - kGapToText - dc.GetTextExtent(sUnit).cx, rcPlot.top - kMarginTop + kGapToText / 2,
               sUnit);
}

// The axes, and the labels of as many bands as fit side by side.
void CMeasGraphWnd::DrawBandAxis(CDC& dc, const CMeasGraphPlot& plot, const CRect& rcPlot)
{
    CPen axisPen(PS_SOLID, 1, kAxis);
    CScopedSelectObject selected(dc, axisPen);
    dc.MoveTo(rcPlot.left, rcPlot.top);
    dc.LineTo(rcPlot.left, rcPlot.bottom);
    dc.LineTo(rcPlot.right, rcPlot.bottom);
    // "20.0k" is as wide as the widest label.
    const int nLabelWidth = dc.GetTextExtent(ThirdOctaveBandLabels[kBandLabelCount - 1]).cx + 2 * kGapToText;
    const int nLabelStep = plot.LabelStep(nLabelWidth);
    for (int nBand = m_scale.GetLowBand(); nBand <= m_scale.GetHighBand(); nBand += nLabelStep) {
        const int x = plot.BandToX(nBand);
        dc.MoveTo(x, rcPlot.bottom);
        dc.LineTo(x, rcPlot.bottom + kGapToText / 2);
        const CString& sLabel = ThirdOctaveBandLabels[nBand];
        dc.TextOut(x - dc.GetTextExtent(sLabel).cx / 2, rcPlot.bottom + kGapToText, sLabel);
    }
}

void CMeasGraphWnd::DrawSpectra(CDC& dc, const CMeasGraphPlot& plot)
{
    for (size_t nSpectrum = 0; nSpectrum < m_aSpectra.size(); ++nSpectrum) {
        CPen linePen(PS_SOLID, kLineWidth, LineColour(static_cast<int>(nSpectrum)));
        CScopedSelectObject selected(dc, linePen);
        for (const CGraphLine& line : plot.Lines(m_aSpectra[nSpectrum])) {
            if (line.size() == 1)
                dc.Ellipse(line[0].x - kLineWidth, line[0].y - kLineWidth, line[0].x + kLineWidth + 1,
                           line[0].y + kLineWidth + 1);
            else
                dc.Polyline(line.data(), static_cast<int>(line.size()));
        }
    }
}

void CMeasGraphWnd::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(dc);
}

BOOL CMeasGraphWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

LRESULT CMeasGraphWnd::OnPrintClient(WPARAM wParam, LPARAM)
{
    CDC dc;
    dc.SetTempHandle(reinterpret_cast<HDC>(wParam));
    DoPaint(dc);
    dc.ReleaseTempHandle();
    return 0;
}

// A window that failed in creation is left to the host that made it.
void CMeasGraphWnd::PostNcDestroy()
{
    if (!m_bCreated)
        return;
    m_windows.Forget(this);
    delete this;
}
