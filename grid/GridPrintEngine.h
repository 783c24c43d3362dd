#pragma once
// Classes in this file: GridPrintEngine, the print engine of a grid. It
// splits a range of cells into pages for a printer (column bands across,
// row bands down, numbered across first) and prints one page at a time,
// keeping the cells' screen proportions: a grid pixel is 1/3.79 mm across
// and 1/3.78 mm down on paper. The page arithmetic needs no window; the
// printing itself is the window system's (GridPrintEngine_win.cpp).

#include "afx.h"

#include <vector>

class CDC;
class CGRCtrlCore;
class CGRGridInfo;

// What a printer tells of its paper: device pixels and millimetres.
struct GridPrinterMetrics {
    int nPhysicalWidth = 0;
    int nPhysicalHeight = 0;
    int nPhysicalOffsetX = 0;
    int nPhysicalOffsetY = 0;
    int nHorzSizeMM = 0;
    int nVertSizeMM = 0;
    int nHorzRes = 0;
    int nVertRes = 0;
    BOOL bPreScaled = FALSE;   // the caller scaled the DC already
};

class GridPrintEngine {
public:
    explicit GridPrintEngine(CGRCtrlCore* pCtrl);

    // Options of SetPrintOption.
    enum Option { kTopHeading = 1, kSideHeading = 2, kLeftMargin = 3, kTopMargin = 4, kRightMargin = 5,
                  kBottomMargin = 6, kFrame = 10 };

    int SetPrintOption(int nOption, int nValue);
    int PrintInit(CDC* pDC, CDC* pUnused, int nStartCol, int nStartRow, int nEndCol, int nEndRow);
    int PrintPage(CDC* pDC, int nPage);
    // The pages of the range on a printer of these metrics; 0 when the
    // printer reports no paper or the margins leave none.
    int Paginate(const GridPrinterMetrics& metrics, int nStartCol, int nStartRow, int nEndCol, int nEndRow);

    struct Page {
        int nPage, nStartCol, nEndCol, nStartRow, nEndRow;
    };
    const Page* FindPage(int nPage) const;
    int GetUnitDivisor() const;
    int GetPrintableWidth() const;
    int GetPrintableHeight() const;
    CRect GetMarginEdges() const;
    // Logical units per grid pixel across, and the last column of the page
    // being printed (the grid's last column between pages).
    double GetScale() const;
    int GetPrintingLastCol() const;

private:
    struct Band {
        int nFirst, nLast;
    };
    std::vector<Band> SplitIntoBands(bool bRows, int nFirst, int nLast, int nSpace, int nRepeated) const;
    int SizeOf(bool bRows, int nIndex) const;
    void StorePage(int nPage, const Band& cols, const Band& rows);
    CGRGridInfo& Info() const;

// Printing a page (window system)
    void PrintCell(CDC* pDC, int nCol, int nRow, const CRect& rect, const Page& page);
    std::vector<int> WalkOrder(bool bRows, const Page& page) const;
    int PrintedSize(bool bRows, int nIndex) const;
    std::vector<int> PrintedPartOfJoin(bool bRows, int nFirst, int nLast, const Page& page) const;

    CGRCtrlCore* m_pCtrl;
    std::vector<Page> m_pages;
    int m_nColBands = 0;
    int m_nRowBands = 0;
    double m_dVScale = 1.0;
    double m_dHScale = 1.0;
    int m_nLeftEdge = 0, m_nTopEdge = 0, m_nRightEdge = 0, m_nBottomEdge = 0;
    int m_nPaperWidth = 0, m_nPaperHeight = 0;
    int m_nUnitDivisor = 7;
    int m_bPreScaled = 0;
    int m_nLeftMargin = 25, m_nTopMargin = 25, m_nRightMargin = 25, m_nBottomMargin = 25;
    int m_bFrame = 1;
    int m_bPrintTopHeading = 0;
    int m_bPrintSideHeading = 0;
    int m_nPrintableWidth = 0;
    int m_nPrintableHeight = 0;
    int m_nPrintingLastCol = -1;
};
