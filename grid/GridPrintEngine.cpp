#include "GridPrintEngine.h"

#include "CGRCtrlCore.h"
#include "CGRGridInfo.h"

#include <algorithm>

namespace {
// Grid pixels per millimetre on paper, across and down.
const double kPixelsPerMMAcross = 3.79;
const double kPixelsPerMMDown = 3.78;
// Device pixels per millimetre below which a logical unit is one device
// pixel (a 100 dpi screen's 3.937 rounded up, as the layout was made).
const double kUnitPixelsPerMM = 3.9523809523809526;
}

GridPrintEngine::GridPrintEngine(CGRCtrlCore* pCtrl) : m_pCtrl(pCtrl)
{
}

CGRGridInfo& GridPrintEngine::Info() const
{
    return *m_pCtrl->GetGridInfo();
}

int GridPrintEngine::SetPrintOption(int nOption, int nValue)
{
    switch (nOption) {
    case kTopHeading: m_bPrintTopHeading = nValue; break;
    case kSideHeading: m_bPrintSideHeading = nValue; break;
    case kLeftMargin: m_nLeftMargin = nValue; break;
    case kTopMargin: m_nTopMargin = nValue; break;
    case kRightMargin: m_nRightMargin = nValue; break;
    case kBottomMargin: m_nBottomMargin = nValue; break;
    case kFrame: m_bFrame = nValue ? 1 : 0; break;
    default: break;
    }
    return 0;
}

// Scales and margin edges in logical units, then the bands: columns across
// against the printable width, rows down against the printable height,
// each less the headings repeated on every page.
int GridPrintEngine::Paginate(const GridPrinterMetrics& metrics, int nStartCol, int nStartRow, int nEndCol,
                              int nEndRow)
{
    m_pages.clear();
    m_nColBands = m_nRowBands = 0;
    m_bPreScaled = metrics.bPreScaled ? 1 : 0;
    if (metrics.nPhysicalWidth <= 0 || metrics.nPhysicalHeight <= 0 || metrics.nHorzSizeMM <= 0
        || metrics.nVertSizeMM <= 0 || metrics.nHorzRes <= 0 || metrics.nVertRes <= 0)
        return 0;
    double dPhysicalWidth = metrics.nPhysicalWidth, dPhysicalHeight = metrics.nPhysicalHeight;
    double dPaperWidthMM = static_cast<double>(metrics.nHorzSizeMM) / metrics.nHorzRes * dPhysicalWidth;
    double dPaperHeightMM = static_cast<double>(metrics.nVertSizeMM) / metrics.nVertRes * dPhysicalHeight;
    double dPrintableWidthMM = dPaperWidthMM - m_nLeftMargin - m_nRightMargin;
    double dPrintableHeightMM = dPaperHeightMM - m_nTopMargin - m_nBottomMargin;
    m_nPrintableWidth = static_cast<int>(dPrintableWidthMM * kPixelsPerMMAcross);
    m_nPrintableHeight = static_cast<int>(dPrintableHeightMM * kPixelsPerMMDown);
    if (m_nPrintableWidth <= 0 || m_nPrintableHeight <= 0)
        return 0;
    double dPixelsPerMMAcross = dPhysicalWidth / dPaperWidthMM;
    double dPixelsPerMMDown = dPhysicalHeight / dPaperHeightMM;
    m_dHScale = dPixelsPerMMAcross * dPrintableWidthMM / m_nPrintableWidth;
    m_dVScale = dPixelsPerMMDown * dPrintableHeightMM / m_nPrintableHeight;
    m_nLeftEdge = static_cast<int>(dPixelsPerMMAcross * m_nLeftMargin) - metrics.nPhysicalOffsetX;
    m_nTopEdge = static_cast<int>(dPixelsPerMMDown * m_nTopMargin) - metrics.nPhysicalOffsetY;
    m_nRightEdge = static_cast<int>(dPhysicalWidth - dPixelsPerMMAcross * m_nRightMargin) - metrics.nPhysicalOffsetX;
    m_nBottomEdge = static_cast<int>(dPhysicalHeight - dPixelsPerMMDown * m_nBottomMargin) - metrics.nPhysicalOffsetY;
    m_nPaperWidth = metrics.nPhysicalWidth;
    m_nPaperHeight = metrics.nPhysicalHeight;
    if (!m_bPreScaled) {
        m_nUnitDivisor = std::max(1, static_cast<int>(dPhysicalWidth / (dPaperWidthMM * kUnitPixelsPerMM)));
        m_nLeftEdge /= m_nUnitDivisor;
        m_nTopEdge /= m_nUnitDivisor;
        m_nRightEdge /= m_nUnitDivisor;
        m_nBottomEdge /= m_nUnitDivisor;
        m_nPaperWidth /= m_nUnitDivisor;
        m_nPaperHeight /= m_nUnitDivisor;
        m_dHScale /= m_nUnitDivisor;
        m_dVScale /= m_nUnitDivisor;
    }

    std::vector<Band> colBands = SplitIntoBands(false, nStartCol, nEndCol, m_nPrintableWidth,
                                                m_bPrintSideHeading ? Info().m_nSideHdgWidth : 0);
    std::vector<Band> rowBands = SplitIntoBands(true, nStartRow, nEndRow, m_nPrintableHeight,
                                                m_bPrintTopHeading ? Info().m_nTopHdgHeight : 0);
    m_nColBands = static_cast<int>(colBands.size());
    m_nRowBands = static_cast<int>(rowBands.size());
    for (size_t nRowBand = 0; nRowBand < rowBands.size(); ++nRowBand)
        for (size_t nColBand = 0; nColBand < colBands.size(); ++nColBand)
            StorePage(static_cast<int>(nRowBand * colBands.size() + nColBand + 1), colBands[nColBand],
                      rowBands[nRowBand]);
    return m_nColBands * m_nRowBands;
}

int GridPrintEngine::SizeOf(bool bRows, int nIndex) const
{
    int nSize = 0;
    if (bRows)
        m_pCtrl->QueryRowHeight(nIndex, &nSize);
    else
        m_pCtrl->QueryColWidth(nIndex, &nSize);
    return nSize;
}

// Items are added to a band while they fit (an exact fit stays); the item
// that overflows starts the next band, unless it is the band's first: then
// it ends the band and is clipped on paper. So an item wider than the space
// gets a band of its own, and every band holds at least one item.
std::vector<GridPrintEngine::Band> GridPrintEngine::SplitIntoBands(bool bRows, int nFirst, int nLast, int nSpace,
                                                                   int nRepeated) const
{
    std::vector<Band> bands;
    int nUsed = nRepeated;
    int nBandStart = nFirst;
    for (int nIndex = nFirst; nIndex <= nLast; ++nIndex) {
        nUsed += SizeOf(bRows, nIndex);
        if (nUsed <= nSpace)
            continue;
        nUsed = nRepeated;
        if (nIndex > nBandStart) {
            bands.push_back({nBandStart, nIndex - 1});
            nBandStart = nIndex--;
        } else {
            bands.push_back({nBandStart, nIndex});
            nBandStart = nIndex + 1;
        }
    }
    if (nBandStart <= nLast)
        bands.push_back({nBandStart, nLast});
    return bands;
}

void GridPrintEngine::StorePage(int nPage, const Band& cols, const Band& rows)
{
    Page page = {nPage, cols.nFirst, cols.nLast, rows.nFirst, rows.nLast};
    for (Page& existing : m_pages)
        if (existing.nPage == nPage) {
            existing = page;
            return;
        }
    m_pages.push_back(page);
}

const GridPrintEngine::Page* GridPrintEngine::FindPage(int nPage) const
{
    for (const Page& page : m_pages)
        if (page.nPage == nPage)
            return &page;
    return nullptr;
}

int GridPrintEngine::GetUnitDivisor() const
{
    return m_nUnitDivisor;
}

int GridPrintEngine::GetPrintableWidth() const
{
    return m_nPrintableWidth;
}

int GridPrintEngine::GetPrintableHeight() const
{
    return m_nPrintableHeight;
}

double GridPrintEngine::GetScale() const
{
    return m_dHScale;
}

int GridPrintEngine::GetPrintingLastCol() const
{
    return m_nPrintingLastCol >= 0 ? m_nPrintingLastCol : m_pCtrl->GetColCount() - 1;
}

CRect GridPrintEngine::GetMarginEdges() const
{
    return CRect(m_nLeftEdge, m_nTopEdge, m_nRightEdge, m_nBottomEdge);
}

// Headings first when they repeat on every page, then the page's own
// columns (rows).
std::vector<int> GridPrintEngine::WalkOrder(bool bRows, const Page& page) const
{
    std::vector<int> order;
    const CGRGridInfo& info = Info();
    if (bRows ? m_bPrintTopHeading : m_bPrintSideHeading)
        for (int nIndex = -(bRows ? info.m_nNumberTopHdgRows : info.m_nNumberSideHdgCols); nIndex < 0; ++nIndex)
            order.push_back(nIndex);
    for (int nIndex = bRows ? page.nStartRow : page.nStartCol; nIndex <= (bRows ? page.nEndRow : page.nEndCol);
         ++nIndex)
        order.push_back(nIndex);
    return order;
}

// An item's size on paper, in logical units; 0 for an item that does not
// print.
int GridPrintEngine::PrintedSize(bool bRows, int nIndex) const
{
    return static_cast<int>(SizeOf(bRows, nIndex) * (bRows ? m_dVScale : m_dHScale));
}

// The rows (columns) of a joined range that the page prints, in the order
// they print: repeated heading items and the page's own, without the items
// of no size.
std::vector<int> GridPrintEngine::PrintedPartOfJoin(bool bRows, int nFirst, int nLast, const Page& page) const
{
    std::vector<int> part;
    for (int nIndex : WalkOrder(bRows, page))
        if (nIndex >= nFirst && nIndex <= nLast && PrintedSize(bRows, nIndex) != 0)
            part.push_back(nIndex);
    return part;
}
