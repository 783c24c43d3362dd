#include "ResultCornerTabGrid.h"

#include "ResultLines.h"

#include "CornerBandTexts.h"

#include "app/ProjectView.h"
#include "app/VestolarApp.h"
#include "model/ProjectDoc.h"
#include "res/resource.h"

namespace {

using C = CCornerBandTexts;
constexpr int kColumnStarts[] = {C::kFreqCol,  C::kValueCol, C::kL1LfCol, C::kL2LfCol,     C::kTLfCol,
                                 C::kCorrCol,  C::kDevCol,   C::kL1Col,   C::kL2Col,       C::kL1CornerCol,
                                 C::kL2CornerCol, C::kMarkCol};
constexpr int kFootnoteCol = 45;
constexpr int kFirstFootnoteRow = 40;

CString Tagged(const char* lpszSymbol, const char* lpszSubscript)
{
    return CString("<:F,Arial,13,500>") + lpszSymbol + "<:S,-1>" + lpszSubscript;
}

} // namespace

void CResultCornerTabGrid::JoinLayoutCells()
{
    const int r0 = m_layout.m_nFirstRow;
    JoinPageFrame();
    for (int nRow : {r0 + 5, r0 + 9, r0 + 11, r0 + 12})
        JoinCells(2, nRow, 67, nRow);
    const int aStarts[4] = {2, 30, 43, 56};
    const int aEnds[4] = {29, 41, 54, 67};
    for (int nRow : {r0 + 6, r0 + 7}) {
        for (int i = 0; i < 4; ++i)
            JoinCells(aStarts[i], nRow, aEnds[i], nRow);
    }
    for (const CLabeledField* pField :
         {&m_layout.m_receivingVolume, &m_layout.m_sourceVolume, &m_layout.m_area, &m_layout.m_extra})
        JoinRow(*pField, 26);
    for (int nRow = m_layout.m_nHeadingRow; nRow <= r0 + 37; ++nRow) {
        JoinCells(C::kFreqCol, nRow, C::kValueCol - 1, nRow);
        JoinCells(C::kValueCol, nRow, C::kL1LfCol - 1, nRow);
        for (int nCol = C::kL1LfCol; nCol < C::kMarkCol; nCol += 5)
            JoinCells(nCol, nRow, nCol + 4, nRow);
        JoinCells(C::kMarkCol, nRow, 67, nRow);
        SetCellAlignment(C::kMarkCol, nRow, kAlignLeft);
    }
    for (int nRow = r0 + kFirstFootnoteRow; nRow < r0 + kFirstFootnoteRow + 4; ++nRow) {
        JoinCells(kFootnoteCol, nRow, 67, nRow);
        SetCellAlignment(kFootnoteCol, nRow, kAlignLeft);
    }
    JoinCells(12, r0 + 62, 58, r0 + 63);
}

void CResultCornerTabGrid::SetLayoutBorders()
{
    const int r0 = m_layout.m_nFirstRow;
    for (int nRow = m_layout.m_nHeadingRow; nRow <= r0 + 37; ++nRow) {
        for (int nCol : kColumnStarts)
            AddBorder(nCol, nRow, kBorderLeft);
        AddBorder(68, nRow, kBorderLeft);
    }
    for (int nCol : kColumnStarts) {
        AddBorder(nCol, m_layout.m_nHeadingRow, kBorderTop);
        AddBorder(nCol, m_layout.m_nFirstBandRow, kBorderTop);
    }
    AddBorder(2, r0 + 38, kBorderTop);
    SetFrameBorders();
}

void CResultCornerTabGrid::SetPageCellTypes()
{
    CResultTabGrid::SetPageCellTypes();
    for (int nCol = C::kL1LfCol; nCol < C::kMarkCol; nCol += 5)
        SetCellCellType(nCol, m_layout.m_nHeadingRow, m_nMultiFontType);
    for (int i = 0; i < 4; ++i)
        SetCellCellType(kFootnoteCol, m_layout.m_nFirstRow + kFirstFootnoteRow + i, m_nMultiFontType);
    const int nMarkFont = AddFont("Arial", 8, 400);
    for (int nBand = CResultLayout::kFirstBand; nBand < CResultLayout::kFirstBand + CResultLayout::kBandRows; ++nBand) {
        SetCellCellType(C::kMarkCol, m_layout.BandRow(nBand), m_nMultiFontType);
        SetCellFontIndex(C::kMarkCol, m_layout.BandRow(nBand), nMarkFont);
    }
}

void CResultCornerTabGrid::FillGroupHeadings()
{
    const CString sDb = CResultLines::Text(IDS_RESULT_DB);
    const bool bSource = !m_info.m_bImpact;
    const struct {
        int nCol;
        CString sHeading;
        bool bShown;
    } aHeadings[] = {
        {C::kL1LfCol, Tagged("L1", "LF"), bSource},        {C::kL2LfCol, Tagged("L2", "LF"), true},
        {C::kTLfCol, Tagged("T", "LF"), true},             {C::kCorrCol, CResultLines::Text(IDS_TABLE_CORRECTION), true},
        {C::kDevCol, CResultLines::Text(IDS_RESULT_DEVIATION), true},  {C::kL1Col, "L1", bSource},
        {C::kL2Col, "L2", true},                           {C::kL1CornerCol, Tagged("L1", "C"), bSource},
        {C::kL2CornerCol, Tagged("L2", "C"), true},
    };
    for (const auto& heading : aHeadings) {
        // The low-frequency time is in seconds, as the other times.
        if (heading.bShown)
            SetHeading(heading.nCol, heading.sHeading, heading.nCol == C::kTLfCol ? CString("[s]") : sDb);
    }
}

void CResultCornerTabGrid::FillSpectrumTable()
{
    FillBands(false, -1);
}

void CResultCornerTabGrid::FillPositionSpectrumTable(int nResult)
{
    FillBands(true, nResult);
}

// The band rows, then the footnote lines of the marks that occur.
void CResultCornerTabGrid::FillBands(bool bPosition, int nResult)
{
    const CCalc calc = ResultOf(nResult);
    const CResultSources sources = SourcesOf(calc);
    const CCornerBandTexts texts(m_info, m_layout.m_nFirstBandRow, sources);
    const CCalc firstSet = ResultOf(0);
    std::array<bool, 4> aUsed = {false, false, false, false};
    for (int nBand = CResultLayout::kFirstBand; nBand < CResultLayout::kFirstBand + CResultLayout::kBandRows; ++nBand) {
        PutTexts(bPosition ? texts.PositionRow(nBand) : texts.Row(nBand, &firstSet));
        const std::array<bool, 4> aNotes = texts.Footnotes(nBand);
        for (int i = 0; i < 4; ++i)
            aUsed[i] = aUsed[i] || aNotes[i];
        for (int nCol = C::kValueCol; nCol < C::kMarkCol; nCol += nCol == C::kValueCol ? 6 : 5)
            SetCellAlignment(nCol, m_layout.BandRow(nBand), kAlignRight);
    }
    for (int i = 0; i < 4; ++i) {
        SetCellText(kFootnoteCol, m_layout.m_nFirstRow + kFirstFootnoteRow + i,
                    aUsed[i] ? CCornerBandTexts::FootnoteLine(i, sources.sTooHigh) : CString());
    }
}
