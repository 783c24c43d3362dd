#include "MultiplotReportGrid.h"

#include "reports/MultiplotChartData.h"

#include "app/VestolarApp.h"
#include "model/ProjectDoc.h"
#include "reports/chart/GraphFolder.h"

#include "CMetaFileDC.h"

#include <algorithm>

namespace {

constexpr int kLastCol = CReportFields::kColumns - 1;
constexpr int kLastRow = CMultiplotReportGrid::kRows - 1;
constexpr int kDescriptionStyle = 2;  // drawn over several lines
constexpr int kLegendEntries = kMaxMultiplotCurves;
constexpr int kLegendSampleEndCol = 11;
constexpr int kLegendTitleEndCol = 65;
constexpr int kGraphTop = 32;
constexpr int kGraphBottom = 65;
constexpr int kWideGraphCol = 50;

// The joined graph cell of each graph type: columns and rows, inclusive.
struct CGraphArea {
    int nStartCol, nStartRow, nEndCol, nEndRow;
};

bool FindGraphArea(int nGraphType, bool bOctaveData, CGraphArea& area)
{
    switch (nGraphType) {
    case CMultiplotChartData::kLevelType:
        area = {11, kGraphTop, 57, kGraphBottom};
        return true;
    case CMultiplotChartData::kReverberationType:
        area = {11, 38, 57, kGraphBottom};
        return true;
    case CMultiplotChartData::kAbsorptionType:
        area = bOctaveData ? CGraphArea{17, 48, 51, kGraphBottom} : CGraphArea{14, 48, 53, kGraphBottom};
        return true;
    default:
        return false;
    }
}

int LegendRow(int nEntry)
{
    return CMultiplotReportGrid::kFirstLegendRow + 2 * nEntry;
}

} // namespace

const CFieldPos CMultiplotReportGrid::kGraphStarts[4] = {{32, 11}, {38, 11}, {48, 14}, {48, 17}};

CMultiplotReportGrid::CMultiplotReportGrid()
{
    m_nRows = kRows;
    m_nLastPageRow = kLastRow;
}

CMultiplotReportGrid::~CMultiplotReportGrid() = default;

void CMultiplotReportGrid::OnSetup()
{
    if (const CProjectDoc* pProject = GetProject())
        m_info = pProject->m_ReportInfo;
    InitFieldPositions();
    SetupPageDefaults();
    SetPageFrame();
    SetRowHeight(0, 30);
    SetRowHeight(1, 10);
    JoinFieldCells();
    FillHeaderTexts();
    SetFieldBorders();
    SetEditableHighlight(TRUE);
    for (const CFieldPos& field : EditableFields()) {
        SetCellCellTypeEx(field.nCol, field.nRow, kDescriptionStyle);
        SetCellReadOnly(field.nCol, field.nRow, FALSE);
    }
    // Registered once: each update joins the graph cell anew but keeps the type.
    m_graphType.SetGraphFile(GetGraphFolder(GetVestolarApp().GetAppDirectory()) + "\\vestolargraph.wmf");
    m_nGraphType = AddCellType(&m_graphType);
    SetGraphCell();
    for (int nEntry = 0; nEntry < kLegendEntries; ++nEntry)
        SetRowHeight(LegendRow(nEntry) + 1, 2);
    SetCellFontIndex(m_fields.m_title.nCol, m_fields.m_title.nRow, AddFont("Arial", 19, 700));
    m_nLineSampleTypeIndex = AddCellType(&m_LineSampleType);
    FillLegend();
}

void CMultiplotReportGrid::InitFieldPositions()
{
    m_fields.m_title = {0, 0};
    m_fields.m_descriptionLabel = {3, 0};
    m_fields.m_description = {3, 8};
}

void CMultiplotReportGrid::JoinFieldCells()
{
    const CReportFields& f = m_fields;
    JoinFrom(f.m_title, 69, 1);
    JoinCells(0, 1, 69, 1);
    JoinCells(0, 2, 69, 2);
    JoinFrom(f.m_descriptionLabel, f.m_description.nCol - 1, 9);
    JoinFrom(f.m_description, 69, 9);
    JoinCells(0, kLastRow, kLastCol, kLastRow);
}

void CMultiplotReportGrid::SetFieldBorders()
{
    const short kLeftTop = static_cast<short>(kBorderLeft | kBorderTop);
    for (int nRow = 0; nRow < kLastRow; ++nRow) {
        SetCellBorder(0, nRow, kBorderLeft);
        SetCellBorder(kLastCol, nRow, kBorderLeft);
    }
    SetCellBorder(m_fields.m_title.nCol, m_fields.m_title.nRow, kLeftTop);
    SetCellBorder(0, 2, kLeftTop);
    SetCellBorder(0, kLastRow, kLeftTop);
}

void CMultiplotReportGrid::FillHeaderTexts()
{
    LoadFieldsFromReportInfo();
    SetTextField(m_fields.m_title, m_info.m_sTitle);
    SetCellAlignment(m_fields.m_title.nCol, m_fields.m_title.nRow, kAlignCenter | kAlignVCenter);
}

void CMultiplotReportGrid::LoadFieldsFromReportInfo()
{
    const CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    SetDescriptionLabel(pProject->m_ReportInfo.m_sDescriptionLabel);
    SetDescription(pProject->m_ReportInfo.m_sDescription);
}

void CMultiplotReportGrid::StoreFieldsToReportInfo()
{
    CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    pProject->m_ReportInfo.m_sDescriptionLabel = GetDescriptionLabel();
    pProject->m_ReportInfo.m_sDescription = GetDescription();
}

// ---------------------------------------------------------------------------
// The curves

std::vector<const NBuildData*> CMultiplotReportGrid::Curves() const
{
    std::vector<const NBuildData*> aCurves;
    CProjectDoc* pProject = GetProject();
    const CMeasurementList* pList = pProject != nullptr ? pProject->GetMeasurementList(kMultiplotTableId) : nullptr;
    if (pList == nullptr)
        return aCurves;
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr && aCurves.size() < kMaxMultiplotCurves;)
        aCurves.push_back(&pList->GetNext(pos));
    return aCurves;
}

int CMultiplotReportGrid::LineType() const
{
    const CProjectDoc* pProject = GetProject();
    return pProject != nullptr ? pProject->m_nMultiplotLineType : CMultiplotLineStyle::kThicknessLineType;
}

CMultiplotLineStyle CMultiplotReportGrid::LineStyleOf(const NBuildData& curve) const
{
    return CMultiplotLineStyle(LineType(), curve.m_nLineColor, curve.m_nLineStyle, curve.m_nLineSize);
}

// ---------------------------------------------------------------------------
// The graph cell and the legend

// The graph area is cleared first, so that a graph type changed since the
// last update leaves no join or picture of the old place behind.
void CMultiplotReportGrid::SetGraphCell()
{
    CGRCell blank;
    SetCellRange(1, kGraphTop, kLastCol - 1, kGraphBottom, &blank);
    SetColWidth(kWideGraphCol, 10);
    const CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    const int nGraphType = pProject->m_nMultiplotGraphType;
    const bool bOctaveData = CMultiplotChartData::IsOctaveData(nGraphType, Curves());
    CGraphArea area{};
    if (!FindGraphArea(nGraphType, bOctaveData, area))
        return;
    if (nGraphType == CMultiplotChartData::kAbsorptionType && bOctaveData)
        SetColWidth(kWideGraphCol, 13);
    JoinCells(area.nStartCol, area.nStartRow, area.nEndCol, area.nEndRow);
    SetCellCellType(area.nStartCol, area.nStartRow, m_nGraphType);
    GetCellRect(area.nStartCol, area.nStartRow, &m_rcGraph);
}

void CMultiplotReportGrid::FillLegend()
{
    for (int nEntry = 0; nEntry < kLegendEntries; ++nEntry) {
        SetCellText(kLegendTitleCol, LegendRow(nEntry), "");
        CGRCell sample;
        GetCell(kLegendSampleCol, LegendRow(nEntry), &sample);
        sample.SetParam(-1);
        SetCell(kLegendSampleCol, LegendRow(nEntry), &sample);
        SetCellCellType(kLegendSampleCol, LegendRow(nEntry), m_nLineSampleTypeIndex);
    }
    std::vector<CMultiplotLineStyle> aSamples;
    for (const NBuildData* pCurve : Curves()) {
        const int nEntry = static_cast<int>(aSamples.size());
        const int nRow = LegendRow(nEntry);
        JoinCells(kLegendSampleCol, nRow, kLegendSampleEndCol, nRow);
        JoinCells(kLegendTitleCol, nRow, kLegendTitleEndCol, nRow);
        SetCellText(kLegendTitleCol, nRow, pCurve->m_Spectrum.GetTitle());
        CGRCell sample;
        GetCell(kLegendSampleCol, nRow, &sample);
        sample.SetParam(nEntry);
        SetCell(kLegendSampleCol, nRow, &sample);
        aSamples.push_back(LineStyleOf(*pCurve));
    }
    m_LineSampleType.SetSamples(aSamples);
}

// ---------------------------------------------------------------------------
// Editing and the clipboard

std::vector<CFieldPos> CMultiplotReportGrid::EditableFields() const
{
    return {m_fields.m_descriptionLabel, m_fields.m_description};
}

std::vector<CFieldPos> CMultiplotReportGrid::MultiLineFields() const
{
    return EditableFields();
}

// The description takes a pasted text whole, whatever else is selected:
// split at its tabs and line ends, the text would run into the hidden
// cells of the description's join and into the read-only legend.
bool CMultiplotReportGrid::IsMultiLineField(int nCol, int nRow) const
{
    return IsEditableCell(nCol, nRow);
}

bool CMultiplotReportGrid::IsEditableCell(int nCol, int nRow) const
{
    const std::vector<CFieldPos> aFields = EditableFields();
    return std::any_of(aFields.begin(), aFields.end(),
                       [&](const CFieldPos& field) { return field.nCol == nCol && field.nRow == nRow; });
}

bool CMultiplotReportGrid::IsGraphStartCell(int nCol, int nRow) const
{
    return std::any_of(std::begin(kGraphStarts), std::end(kGraphStarts),
                       [&](const CFieldPos& cell) { return cell.nCol == nCol && cell.nRow == nRow; });
}

// Any of the graph cell's places copies the chart, whichever graph type
// the page shows now.
int CMultiplotReportGrid::CopyGraphToClipboard()
{
    const CFieldPos current = {GetCurrentRow(), GetCurrentCol()};
    if (IsGraphStartCell(current.nCol, current.nRow))
        return CopyPictureOrSelection(current, m_graphType.GetMetaFile().GetHandle());
    if (IsEditableCell(current.nCol, current.nRow))
        return CopySelected();
    return CopyLegendAsMetafile();
}

int CMultiplotReportGrid::CopyLegendAsMetafile()
{
    CClientDC screen(this);
    CMetaFileDC dc;
    if (!dc.CreateEnhanced(&screen, nullptr, nullptr, nullptr))
        return 1;
    DrawLegendPicture(dc);
    HENHMETAFILE hLegend = dc.CloseEnhanced();
    // Offered as the current cell's picture, it goes on the clipboard.
    const int nResult = CopyPictureOrSelection({GetCurrentRow(), GetCurrentCol()}, hLegend);
    ::DeleteEnhMetaFile(hLegend);
    return nResult;
}

// Each curve's line 70 long, its title beside it; a white line below the
// last one gives the picture its bottom margin (with no curve it is all).
void CMultiplotReportGrid::DrawLegendPicture(CDC& dc) const
{
    dc.SetBkColor(RGB(255, 255, 255));
    dc.SetBkMode(OPAQUE);
    CFont font;
    font.CreateFont(13, 0, 0, 0, 500, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");
    CScopedSelectObject selectedFont(dc, font);
    const std::vector<const NBuildData*> aCurves = Curves();
    for (size_t i = 0; i < aCurves.size(); ++i) {
        const int y = 20 * static_cast<int>(i);
        const CMultiplotLineStyle style = LineStyleOf(*aCurves[i]);
        CPen pen;
        pen.CreatePen(style.PenStyle(), style.PenWidth(), style.Color());
        CScopedSelectObject selectedPen(dc, pen);
        dc.MoveTo(0, y);
        dc.LineTo(70, y);
        const CString sTitle = aCurves[i]->m_Spectrum.GetTitle() + " ";
        dc.TextOut(100, y - 6, sTitle);
    }
    CPen margin;
    margin.CreatePen(PS_SOLID, 0, RGB(255, 255, 255));
    CScopedSelectObject selectedMargin(dc, margin);
    const int yMargin = 20 * static_cast<int>(aCurves.size()) - 10;
    dc.MoveTo(0, yMargin);
    dc.LineTo(70, yMargin);
}

// ---------------------------------------------------------------------------
// Notifications

// Delete starts an edit of a writable cell with Backspace, the other keys
// move as on every page; the base report page's clearing of a selection
// is not this page's.
void CMultiplotReportGrid::OnKeyDown(UINT* pnKey, int nProcessed)
{
    CPageGrid::OnKeyDown(pnKey, nProcessed);
}

// The description recalculates nothing when left.
void CMultiplotReportGrid::OnCellChange(int nOldCol, int nNewCol, int nOldRow, int nNewRow)
{
    CPageGrid::OnCellChange(nOldCol, nNewCol, nOldRow, nNewRow);
}
