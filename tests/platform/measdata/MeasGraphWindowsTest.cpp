// The graph windows under Wine: a request opens a top-level window with the
// request's title, owned by its parent's top-level window when it names one;
// its pixels show each spectrum's line in its colour, broken at a missing
// band; closing a window frees it, and the host closes what is still open.

#include "platform/measdata/MeasGraphWindows.h"
#include "platform/measdata/MeasGraphWnd.h"

#include "platform/measdata/NBuildData.h"

#include "CBitmap.h"
#include "CWindowDC.h"
#include "CScopedSelectObject.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kLowBand = 17;
constexpr int kHighBand = 37;
constexpr int kGapBand = 27;

// A flat spectrum over the graph's bands, without nMissingBand.
NSpectrum FlatSpectrum(double dLevel, int nMissingBand = -1)
{
    NSpectrum spectrum;
    for (int nBand = kLowBand; nBand <= kHighBand; ++nBand)
        spectrum.InsertData(nBand, nBand == nMissingBand ? kMissingValue : dLevel);
    return spectrum;
}

CMeasGraphRequest Request(const char* lpszTitle)
{
    CMeasGraphRequest request;
    request.m_sTitle = lpszTitle;
    request.m_nLowBand = kLowBand;
    request.m_nHighBand = kHighBand;
    request.m_aSpectra = {FlatSpectrum(40.0, kGapBand), FlatSpectrum(60.0)};
    return request;
}

std::string WindowText(HWND hWnd)
{
    char szText[256] = {};
    ::GetWindowTextA(hWnd, szText, sizeof(szText));
    return szText;
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

// The graph's client area as DoPaint draws it into a memory bitmap.
class CGraphPicture {
public:
    explicit CGraphPicture(CMeasGraphWnd& wnd)
    {
        wnd.GetClientRect(&m_client);
        CWindowDC screen(nullptr);
        CDC dc;
        dc.CreateCompatibleDC(&screen);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&screen, m_client.Width(), m_client.Height());
        CScopedSelectObject selected(dc, bitmap);
        wnd.DoPaint(dc);
        m_aPixels.resize(static_cast<size_t>(m_client.Width()) * m_client.Height());
        for (int y = 0; y < m_client.Height(); ++y)
            for (int x = 0; x < m_client.Width(); ++x)
                m_aPixels[static_cast<size_t>(y) * m_client.Width() + x] = dc.GetPixel(x, y);
    }

    // The rows of column x drawn in crColour, top to bottom.
    std::vector<int> RowsOf(COLORREF crColour, int x) const
    {
        std::vector<int> aRows;
        for (int y = 0; y < m_client.Height(); ++y)
            if (m_aPixels[static_cast<size_t>(y) * m_client.Width() + x] == crColour)
                aRows.push_back(y);
        return aRows;
    }
    // The first and the last column with a pixel in crColour.
    std::pair<int, int> ColumnsOf(COLORREF crColour) const
    {
        std::pair<int, int> columns(-1, -1);
        for (int x = 0; x < m_client.Width(); ++x) {
            if (RowsOf(crColour, x).empty())
                continue;
            if (columns.first < 0)
                columns.first = x;
            columns.second = x;
        }
        return columns;
    }

private:
    CRect m_client;
    std::vector<COLORREF> m_aPixels;
};

TEST(MeasGraphWindows, ARequestOpensATopLevelWindowWithItsTitle)
{
    CMeasGraphWindows host;

    ASSERT_TRUE(host.ShowGraph(Request("Receiving room")));

    ASSERT_EQ(1u, host.GetWindows().size());
    const HWND hWnd = host.GetWindows()[0]->GetSafeHwnd();
    EXPECT_EQ("Receiving room", WindowText(hWnd));
    EXPECT_TRUE(::IsWindowVisible(hWnd));
    EXPECT_EQ(0, ::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(nullptr, ::GetWindow(hWnd, GW_OWNER));
}

TEST(MeasGraphWindows, AParentWindowsTopLevelWindowOwnsTheGraph)
{
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), "Main", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                               nullptr));
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD, CRect(0, 0, 50, 50), &frame, 1));
    CMeasGraphWindows host;
    CMeasGraphRequest request = Request("Pos 1");
    request.m_pParentWnd = &child;

    ASSERT_TRUE(host.ShowGraph(request));

    const HWND hWnd = host.GetWindows()[0]->GetSafeHwnd();
    EXPECT_EQ(frame.GetSafeHwnd(), ::GetWindow(hWnd, GW_OWNER));
    // Closing the main window takes the graphs it owns with it.
    frame.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_TRUE(host.GetWindows().empty());
}

TEST(MeasGraphWindows, EachSpectrumIsALineInItsColourBrokenAtAMissingBand)
{
    CMeasGraphWindows host;
    ASSERT_TRUE(host.ShowGraph(Request("Levels")));
    const CGraphPicture picture(*host.GetWindows()[0]);
    const COLORREF crLower = CMeasGraphWnd::LineColour(0);
    const COLORREF crUpper = CMeasGraphWnd::LineColour(1);

    // The upper spectrum has every band: its line spans the band axis.
    const std::pair<int, int> upper = picture.ColumnsOf(crUpper);
    ASSERT_LT(0, upper.first);
    ASSERT_LT(upper.first + 100, upper.second);
    const int xQuarter = upper.first + (upper.second - upper.first) / 4;
    const int xGap = (upper.first + upper.second) / 2;
    const std::vector<int> aLowerRows = picture.RowsOf(crLower, xQuarter);
    const std::vector<int> aUpperRows = picture.RowsOf(crUpper, xQuarter);
    ASSERT_FALSE(aLowerRows.empty());
    ASSERT_FALSE(aUpperRows.empty());
    // 40 dB lies below 60 dB.
    EXPECT_GT(aLowerRows.front(), aUpperRows.back());
    // The lower spectrum misses the middle band: no line there.
    EXPECT_TRUE(picture.RowsOf(crLower, xGap).empty());
    EXPECT_FALSE(picture.RowsOf(crUpper, xGap).empty());
}

TEST(MeasGraphWindows, ClosingAWindowFreesIt)
{
    CMeasGraphWindows host;
    ASSERT_TRUE(host.ShowGraph(Request("One")));
    ASSERT_TRUE(host.ShowGraph(Request("Two")));
    const HWND hFirst = host.GetWindows()[0]->GetSafeHwnd();

    ::PostMessageA(hFirst, WM_CLOSE, 0, 0);
    PumpMessages();

    EXPECT_FALSE(::IsWindow(hFirst));
    ASSERT_EQ(1u, host.GetWindows().size());
    EXPECT_EQ("Two", WindowText(host.GetWindows()[0]->GetSafeHwnd()));
}

TEST(MeasGraphWindows, TheHostClosesTheWindowsStillOpen)
{
    HWND hWnd = nullptr;
    {
        CMeasGraphWindows host;
        ASSERT_TRUE(host.ShowGraph(Request("Left open")));
        hWnd = host.GetWindows()[0]->GetSafeHwnd();
    }
    EXPECT_FALSE(::IsWindow(hWnd));
}

TEST(MeasGraphWindows, TheRegisteredHostShowsARecordsGraph)
{
    CMeasGraphWindows host;
    SetMeasGraphHost(&host);
    NBuildData record;
    record.m_Spectrum = FlatSpectrum(50.0);

    EXPECT_TRUE(record.ShowGraph("Pos 2", kLowBand, kHighBand, TRUE));

    SetMeasGraphHost(nullptr);
    ASSERT_EQ(1u, host.GetWindows().size());
    EXPECT_EQ("Pos 2", WindowText(host.GetWindows()[0]->GetSafeHwnd()));
}

} // namespace
