#include "MultiplotSetupGrid.h"

#include "MultiplotLineSamples.h"

#include "res/resource.h"

#include <algorithm>
#include <utility>

namespace {
constexpr int kRowCount = 21;
constexpr int kColCount = 5;
constexpr int kColWidths[kColCount] = {90, 10, 90, 10, 367};
constexpr int kLastRowHeight = 4;
constexpr int kGapRowHeight = 5;
constexpr int kTextHeight = 15;
constexpr int kNormalWeight = 400;
constexpr int kHeadingWeight = 600;
// The samples in the order the grid loads them.
constexpr UINT kSampleIds[] = {IDB_LINE_SOLID_1, IDB_LINE_SOLID_2, IDB_LINE_SOLID_3,
                               IDB_LINE_SOLID_4, IDB_LINE_SOLID_5, IDB_LINE_DASH,
                               IDB_LINE_DOT,     IDB_LINE_DASH_DOT, IDB_LINE_DASH_DOT_DOT};

// Spinning wraps round: up from the last value gives the first, down from
// the first the last.
int Wrapped(int nValue, int nCount)
{
    return (nValue % nCount + nCount) % nCount;
}

} // namespace

CMultiplotSetupGrid::CMultiplotSetupGrid()
{
    static_assert(sizeof kSampleIds / sizeof kSampleIds[0] == kSampleCount, "one bitmap per sample");
    for (int n = 0; n < kSampleCount; ++n)
        m_aSampleIds[n] = kSampleIds[n];
}

void CMultiplotSetupGrid::OnSetup()
{
    CGRCell cell;
    GetGridDefault(&cell);
    cell.SetReadOnly(1);
    cell.SetAlignment(kAlignLeft);
    SetGridDefault(&cell);
    SetDefFontIndex(AddFont("Arial", kTextHeight, kNormalWeight));
    SetUserSizingMode(0);
    SetRowCount(kRowCount, FALSE);
    SetColCount(kColCount, FALSE);
    EnableDefaultBorders(0);
    EnableCellOverlap(0);
    SetSideHeadingWidth(0);
    SetTopHeadingHeight(0);
    for (int nCol = 0; nCol < kColCount; ++nCol)
        SetColWidth(nCol, kColWidths[nCol]);
    SetRowHeight(kRowCount - 1, kLastRowHeight);
    LayOutHeadings();
    m_nSpinType = AddCellType(&m_spinType);
    for (int n = 0; n < kSampleCount; ++n)
        m_aSamples[n].LoadBitmap(m_aSampleIds[n]);
    for (int nCurve = 0; nCurve < kMultiplotCurveCount; ++nCurve)
        LayOutCurve(nCurve);
}

void CMultiplotSetupGrid::LayOutHeadings()
{
    const int nHeadingFont = AddFont("Arial", kTextHeight, kHeadingWeight);
    const std::pair<int, UINT> headings[] = {{kSampleCol, IDS_MULTIPLOT_LINE_STYLE},
                                             {kColorCol, IDS_MULTIPLOT_LINE_COLOR},
                                             {kTitleCol, IDS_MULTIPLOT_LINE_TITLE}};
    for (const auto& heading : headings) {
        CString sText;
        sText.LoadString(heading.second);
        SetCellText(heading.first, 0, sText);
        SetCellFontIndex(heading.first, 0, nHeadingFont);
    }
}

void CMultiplotSetupGrid::LayOutCurve(int nCurve)
{
    const int nRow = RowOf(nCurve);
    LayOutSample(nCurve);
    SetCellText(kTitleCol, nRow, m_aLineTitle[nCurve]);
    SetCellCellType(kColorCol, nRow, m_nSpinType);
    SetCellBackColor(kColorCol, nRow, CMultiplotLineSamples::LineColor(m_aLineColor[nCurve]));
}

// The curve's sample, then a thin gap row joined across sample and colour.
void CMultiplotSetupGrid::LayOutSample(int nCurve)
{
    const int nRow = RowOf(nCurve);
    SetRowHeight(nRow + 1, kGapRowHeight);
    JoinCells(0, nRow + 1, kTitleCol - 1, nRow + 1);
    SetCellCellType(kSampleCol, nRow, m_nSpinType);
    ShowSample(nRow, ShownValues()[nCurve]);
}

void CMultiplotSetupGrid::ShowSample(int nRow, int nValue)
{
    SetCellBitmap(kSampleCol, nRow, SampleBitmap(CMultiplotLineSamples::SampleOf(m_nLineType, nValue)));
    SetCellNumber(kSampleCol, nRow, nValue);
}

CBitmap* CMultiplotSetupGrid::SampleBitmap(UINT nSampleId)
{
    for (int n = 0; n < kSampleCount; ++n) {
        if (m_aSampleIds[n] == nSampleId)
            return &m_aSamples[n];
    }
    return nullptr;
}

int CMultiplotSetupGrid::OnCellTypeNotify(int nID, int nCol, int nRow, long lMessage, LONG_PTR lParam)
{
    (void)nID;
    (void)lParam;
    const bool bUp = lMessage == CGRSpinButtonType::kMessageUp;
    if (!bUp && lMessage != CGRSpinButtonType::kMessageDown)
        return 1;
    if (nCol == kColorCol)
        SpinColor(nRow, bUp);
    else if (nCol == kSampleCol)
        SpinSample(nRow, bUp);
    RedrawCell(nCol, nRow);
    return 1;
}

// A colour that is none of the table's counts as colour 0.
void CMultiplotSetupGrid::SpinColor(int nRow, bool bUp)
{
    CGRCell cell;
    GetCell(kColorCol, nRow, &cell);
    const int nIndex = std::max(0, CMultiplotLineSamples::ColorIndexOf(cell.GetBackColor()));
    const int nNext = Wrapped(nIndex + (bUp ? 1 : -1), CMultiplotLineSamples::kColorCount);
    SetCellBackColor(kColorCol, nRow, CMultiplotLineSamples::LineColor(nNext));
}

void CMultiplotSetupGrid::SpinSample(int nRow, bool bUp)
{
    CGRCell cell;
    GetCell(kSampleCol, nRow, &cell);
    const int nValue = static_cast<int>(cell.GetNumber());
    ShowSample(nRow, Wrapped(nValue + (bUp ? 1 : -1), CMultiplotLineSamples::kValueCount));
}

// The colours shown stay as spun.
void CMultiplotSetupGrid::UpdateLineSamples()
{
    for (int nCurve = 0; nCurve < kMultiplotCurveCount; ++nCurve)
        LayOutSample(nCurve);
    if (GetSafeHwnd() != nullptr) {
        UpdateWindow();
        RedrawAll();
    }
}

// A sample or colour that matches none leaves the curve's value as it was.
void CMultiplotSetupGrid::ReadLineSettings()
{
    int* pValues = ShownValues();
    for (int nCurve = 0; nCurve < kMultiplotCurveCount; ++nCurve) {
        const int nRow = RowOf(nCurve);
        CGRCell sample;
        GetCell(kSampleCol, nRow, &sample);
        for (int n = 0; n < kSampleCount; ++n) {
            const int nValue = CMultiplotLineSamples::ValueOf(m_nLineType, m_aSampleIds[n]);
            if (sample.GetBitmap() == &m_aSamples[n] && nValue >= 0)
                pValues[nCurve] = nValue;
        }
        CGRCell color;
        GetCell(kColorCol, nRow, &color);
        const int nIndex = CMultiplotLineSamples::ColorIndexOf(color.GetBackColor());
        if (nIndex >= 0)
            m_aLineColor[nCurve] = nIndex;
    }
}
