// The report page of a multiplot project in its report window: the layout
// with its joins and borders, the graph cell by graph type, the legend's
// samples (pixels), copying the chart, the description and the legend
// picture (its records), paste into the description and the edit that the
// focus loss ends.
// Not tested here: the printed page (ReportPrintTest), the keys the page
// shares with every report page (ReportWindowTest).

#include "ReportWindowFixture.h"

#include "multiplot/MultiplotReportGrid.h"
#include "res/resource.h"
#include "tests/grid/GridWindowPixels.h"

#include <string>

namespace {

constexpr int kLevel = 0, kReverberation = 1, kAbsorption = 2;
constexpr int kByThickness = 0, kByPattern = 1;

struct CCurveLook {
    int nColor, nStyle, nWidth;
};

// What the legend picture holds: its pens, line ends and texts in order.
struct CLegendRecords {
    std::vector<LOGPEN> aPens;
    std::vector<POINT> aLineEnds;
    std::vector<std::pair<POINT, std::string>> aTexts;
};

int CALLBACK ReadRecord(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam)
{
    auto& records = *reinterpret_cast<CLegendRecords*>(lParam);
    switch (pRecord->iType) {
    case EMR_CREATEPEN:
        records.aPens.push_back(reinterpret_cast<const EMRCREATEPEN*>(pRecord)->lopn);
        break;
    case EMR_LINETO:
        records.aLineEnds.push_back({reinterpret_cast<const EMRLINETO*>(pRecord)->ptl.x,
                                     reinterpret_cast<const EMRLINETO*>(pRecord)->ptl.y});
        break;
    case EMR_EXTTEXTOUTW: {
        const auto* pText = reinterpret_cast<const EMREXTTEXTOUTW*>(pRecord);
        const auto* pChars = reinterpret_cast<const WCHAR*>(reinterpret_cast<const BYTE*>(pRecord) + pText->emrtext.offString);
        std::string sText;
        for (DWORD i = 0; i < pText->emrtext.nChars; ++i)
            sText += static_cast<char>(pChars[i]);
        records.aTexts.push_back({{pText->emrtext.ptlReference.x, pText->emrtext.ptlReference.y}, sText});
        break;
    }
    case EMR_EXTTEXTOUTA: {
        const auto* pText = reinterpret_cast<const EMREXTTEXTOUTA*>(pRecord);
        const char* pChars = reinterpret_cast<const char*>(pRecord) + pText->emrtext.offString;
        records.aTexts.push_back({{pText->emrtext.ptlReference.x, pText->emrtext.ptlReference.y},
                                  std::string(pChars, pText->emrtext.nChars)});
        break;
    }
    default:
        break;
    }
    return 1;
}

CLegendRecords ClipboardLegend()
{
    CLegendRecords records;
    if (!::OpenClipboard(nullptr))
        return records;
    if (HANDLE hPicture = ::GetClipboardData(CF_ENHMETAFILE))
        ::EnumEnhMetaFile(nullptr, static_cast<HENHMETAFILE>(hPicture), ReadRecord, &records, nullptr);
    ::CloseClipboard();
    return records;
}

std::vector<BYTE> PictureBytes(HENHMETAFILE hPicture)
{
    std::vector<BYTE> bytes(::GetEnhMetaFileBits(hPicture, 0, nullptr));
    ::GetEnhMetaFileBits(hPicture, static_cast<UINT>(bytes.size()), bytes.data());
    return bytes;
}

std::vector<BYTE> ClipboardPictureBytes()
{
    std::vector<BYTE> bytes;
    if (!::OpenClipboard(nullptr))
        return bytes;
    if (HANDLE hPicture = ::GetClipboardData(CF_ENHMETAFILE))
        bytes = PictureBytes(static_cast<HENHMETAFILE>(hPicture));
    ::CloseClipboard();
    return bytes;
}

bool ClipboardHasPicture()
{
    return ::IsClipboardFormatAvailable(CF_ENHMETAFILE) != FALSE;
}

class CMultiplotReportTest : public CReportWindowTest {
protected:
    // A multiplot project with its curves, in its maximized report window.
    CMultiplotReportGrid* ShowPage(int nGraphType, int nLineType, const std::vector<CCurveLook>& aLooks,
                                   const std::function<void(NSpectrum&)>& fill = {})
    {
        CReportView* pView = ShowReport({&R::m_bMultiplot}, [&](CProjectDoc& project) {
            project.m_nMultiplotGraphType = nGraphType;
            project.m_nMultiplotLineType = nLineType;
            project.m_ReportInfo.m_sTitle = "Curves compared";
            project.m_ReportInfo.m_sDescriptionLabel = "Label";
            project.m_ReportInfo.m_sDescription = "Walls";
            for (size_t i = 0; i < aLooks.size(); ++i)
                AddCurve(project, i, aLooks[i], fill);
        });
        m_pView = pView;
        if (pView == nullptr)
            return nullptr;
        pView->GetParentFrame()->ActivateFrame(SW_SHOWMAXIMIZED);
        PumpMessages();
        return dynamic_cast<CMultiplotReportGrid*>(pView->GetReportGrid());
    }
    static void AddCurve(CProjectDoc& project, size_t nCurve, const CCurveLook& look,
                         const std::function<void(NSpectrum&)>& fill)
    {
        NBuildData rec;
        rec.m_Spectrum = NSpectrum(8, 43);
        for (int nBand = 8; nBand <= 43; ++nBand)
            rec.m_Spectrum.InsertSpecLine(nBand, 40.0 + static_cast<double>(nCurve), 1, 1);
        if (fill)
            fill(rec.m_Spectrum);
        rec.m_Spectrum.SetTitle(CString("Curve ") + static_cast<char>('A' + nCurve));
        rec.m_nLineColor = look.nColor;
        rec.m_nLineStyle = look.nStyle;
        rec.m_nLineSize = look.nWidth;
        project.GetMeasurementList(kMultiplotTableId)->AddTail(rec);
    }
    static CRect JoinRange(CGRCtrl& grid, int nCol, int nRow)
    {
        int nEndCol = nCol, nEndRow = nRow;
        if (grid.GetJoinRange(nCol, nRow, nEndCol, nEndRow) != 0)
            return CRect(nCol, nRow, nCol, nRow);
        return CRect(nCol, nRow, nEndCol, nEndRow);
    }
    static CString ClipboardText(CGRCtrl& grid)
    {
        CString sText;
        grid.GetClipboardText(sText);
        return sText;
    }
    static short Border(CGRCtrl& grid, int nCol, int nRow)
    {
        CGRCell cell;
        grid.GetCell(nCol, nRow, &cell);
        return cell.GetBorderStyle();
    }
    void Update()
    {
        Refill(m_pView);
        PumpMessages();
    }

    CReportView* m_pView = nullptr;
};

TEST_F(CMultiplotReportTest, LaysOutTitleDescriptionAndFrame)
{
    CMultiplotReportGrid* pGrid = ShowPage(kLevel, kByThickness, {});
    ASSERT_NE(nullptr, pGrid);
    CMultiplotReportGrid& grid = *pGrid;
    EXPECT_EQ(71, grid.GetColCount());
    EXPECT_EQ(68, grid.GetRowCount());
    EXPECT_EQ(30, grid.GetRowHeight(0));
    EXPECT_EQ(10, grid.GetRowHeight(1));
    EXPECT_EQ(17, grid.GetRowHeight(11));
    EXPECT_EQ(2, grid.GetRowHeight(12));
    EXPECT_EQ(2, grid.GetRowHeight(30));
    EXPECT_EQ(17, grid.GetRowHeight(31));
    EXPECT_EQ(2, grid.GetRowHeight(67));
    EXPECT_EQ(2, grid.GetColWidth(70));
    EXPECT_EQ(10, grid.GetColWidth(50));

    EXPECT_EQ(CRect(0, 0, 69, 1), JoinRange(grid, 0, 0));
    EXPECT_EQ(CRect(0, 2, 69, 2), JoinRange(grid, 0, 2));
    EXPECT_EQ(CRect(0, 3, 7, 9), JoinRange(grid, 0, 3));
    EXPECT_EQ(CRect(8, 3, 69, 9), JoinRange(grid, 8, 3));
    EXPECT_EQ(CRect(0, 67, 70, 67), JoinRange(grid, 0, 67));

    const short kLeftTop = kBorderLeft | kBorderTop;
    EXPECT_EQ(kLeftTop, Border(grid, 0, 0));
    EXPECT_EQ(kLeftTop, Border(grid, 0, 2));
    EXPECT_EQ(kLeftTop, Border(grid, 0, 67));
    for (int nRow : {1, 20, 66}) {
        SCOPED_TRACE(nRow);
        EXPECT_EQ(kBorderLeft, Border(grid, 0, nRow));
        EXPECT_EQ(kBorderLeft, Border(grid, 70, nRow));
    }

    EXPECT_STREQ("Curves compared", Cell(grid, 0, 0));
    EXPECT_STREQ("Label", Cell(grid, 0, 3));
    EXPECT_STREQ("Walls", Cell(grid, 8, 3));
    for (const auto& cell : {std::make_pair(0, 3), std::make_pair(8, 3)}) {
        CGRCell shown;
        grid.GetCell(cell.first, cell.second, &shown);
        EXPECT_FALSE(shown.GetReadOnly());
        EXPECT_EQ(CPageGrid::kEditableShade, shown.GetBackColor());
        EXPECT_TRUE(grid.IsEditableCell(cell.first, cell.second));
    }
    CGRCell legend;
    grid.GetCellIndirect(14, 11, &legend);
    EXPECT_TRUE(legend.GetReadOnly());
    EXPECT_FALSE(grid.IsEditableCell(14, 11));
    EXPECT_FALSE(grid.IsEditableCell(1, 3));
}

TEST_F(CMultiplotReportTest, PlacesTheGraphCellByGraphType)
{
    const auto Octaves = [](NSpectrum& spectrum) {
        for (int nBand : {23, 24, 25, 29, 30, 31})
            spectrum.InsertSpecLine(nBand, 0.5, 1, 1);
    };
    CMultiplotReportGrid* pGrid = ShowPage(kLevel, kByThickness, {{0, 0, 0}}, Octaves);
    ASSERT_NE(nullptr, pGrid);
    CMultiplotReportGrid& grid = *pGrid;
    const struct {
        int nGraphType;
        bool bOctaves;
        CRect area;
        int nWideColWidth;
    } aCases[] = {
        {kLevel, true, CRect(11, 32, 57, 65), 10},
        {kReverberation, true, CRect(11, 38, 57, 65), 10},
        {kAbsorption, true, CRect(17, 48, 51, 65), 13},
        {kAbsorption, false, CRect(14, 48, 53, 65), 10},
        {kLevel, false, CRect(11, 32, 57, 65), 10},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(testing::Message() << "graph type " << c.nGraphType << (c.bOctaves ? ", octaves" : ""));
        Project().m_nMultiplotGraphType = c.nGraphType;
        NSpectrum& spectrum = Project().GetMeasurementList(kMultiplotTableId)->GetHead().m_Spectrum;
        spectrum.InsertSpecLine(24, c.bOctaves ? 0.5 : 0.6, 1, 1);
        Update();
        EXPECT_EQ(c.area, JoinRange(grid, c.area.left, c.area.top));
        EXPECT_EQ(c.nWideColWidth, grid.GetColWidth(50));
        CRect cell;
        grid.GetCellRect(c.area.left, c.area.top, &cell);
        EXPECT_EQ(cell, grid.GetGraphRect());
        CGRCell start;
        grid.GetCell(c.area.left, c.area.top, &start);
        EXPECT_EQ(grid.GetGraphCellType().GetTypeIndex(), start.GetCellType());
        for (const CFieldPos& other : CMultiplotReportGrid::kGraphStarts) {
            if (other.nCol == c.area.left && other.nRow == c.area.top)
                continue;
            CGRCell left;
            grid.GetCell(other.nCol, other.nRow, &left);
            EXPECT_NE(start.GetCellType(), left.GetCellType()) << other.nCol << ", " << other.nRow;
            if (other.nCol < c.area.left || other.nRow < c.area.top) {
                EXPECT_EQ(CRect(other.nCol, other.nRow, other.nCol, other.nRow), JoinRange(grid, other.nCol, other.nRow));
            }
        }
    }

    // A graph type the page does not know shows no graph and keeps the rectangle.
    const CRect before = grid.GetGraphRect();
    Project().m_nMultiplotGraphType = 7;
    Update();
    EXPECT_EQ(before, grid.GetGraphRect());
    EXPECT_EQ(CRect(11, 32, 11, 32), JoinRange(grid, 11, 32));
}

// Each sample is the curve's colour, as thick as its width says or with
// its pattern two pixels thick; rows without a curve stay blank.
TEST_F(CMultiplotReportTest, DrawsEachLegendSampleInItsColourAndThickness)
{
    CMultiplotReportGrid* pGrid = ShowPage(kLevel, kByThickness, {{12, 0, 0}, {9, 0, 4}, {99, 0, 77}});
    ASSERT_NE(nullptr, pGrid);
    CMultiplotReportGrid& grid = *pGrid;
    const struct {
        COLORREF crColor;
        int nThickness;
    } aSamples[] = {{RGB(255, 0, 0), 1}, {RGB(0, 0, 255), 5}, {RGB(0, 0, 0), 1}};
    const COLORREF kWhite = RGB(255, 255, 255);
    {
        CGridSnapshot snapshot(grid);
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            const int nRow = CMultiplotReportGrid::kFirstLegendRow + 2 * i;
            CRect sample;
            grid.GetCellRect(CMultiplotReportGrid::kLegendSampleCol, nRow, &sample);
            const int x = sample.left + 20;
            if (i == 3) {
                for (int y = sample.top; y < sample.bottom; ++y)
                    EXPECT_EQ(kWhite, snapshot.Pixel(x, y)) << y;
                EXPECT_STREQ("", Cell(grid, CMultiplotReportGrid::kLegendTitleCol, nRow));
                continue;
            }
            EXPECT_EQ(CRect(4, nRow, 11, nRow), JoinRange(grid, 4, nRow));
            EXPECT_EQ(CRect(14, nRow, 65, nRow), JoinRange(grid, 14, nRow));
            EXPECT_STREQ((std::string("Curve ") + static_cast<char>('A' + i)).c_str(), Cell(grid, 14, nRow));
            int nColoured = 0;
            for (int y = sample.top; y < sample.bottom; ++y) {
                const COLORREF crPixel = snapshot.Pixel(x, y);
                EXPECT_TRUE(crPixel == kWhite || crPixel == aSamples[i].crColor) << y;
                nColoured += crPixel == aSamples[i].crColor;
            }
            EXPECT_EQ(aSamples[i].nThickness, nColoured);
        }
    }

    // By pattern: a dash, then its gap, two pixels thick.
    Project().m_nMultiplotLineType = kByPattern;
    Project().GetMeasurementList(kMultiplotTableId)->GetHead().m_nLineStyle = 1;
    Update();
    CGridSnapshot snapshot(grid);
    CRect sample;
    grid.GetCellRect(CMultiplotReportGrid::kLegendSampleCol, CMultiplotReportGrid::kFirstLegendRow, &sample);
    const int y = sample.top + (sample.Height() - 2) / 2;
    for (int dy : {0, 1}) {
        EXPECT_EQ(RGB(255, 0, 0), snapshot.Pixel(sample.left + 2, y + dy));
        EXPECT_EQ(kWhite, snapshot.Pixel(sample.left + 7, y + dy));
    }
    EXPECT_EQ(kWhite, snapshot.Pixel(sample.left + 2, y + 2));
}

TEST_F(CMultiplotReportTest, CopiesTheLegendAsAPictureOfPensAndTitles)
{
    const struct {
        int nLineType;
        std::vector<CCurveLook> aLooks;
        std::vector<LOGPEN> aPens;  // the curves' pens, then the white margin's
    } aCases[] = {
        {kByThickness, {}, {{PS_SOLID, {0, 0}, RGB(255, 255, 255)}}},
        {kByThickness,
         {{12, 3, 0}, {1, 0, 4}, {16, 9, 5}},
         {{PS_SOLID, {0, 0}, RGB(255, 0, 0)}, {PS_SOLID, {4, 0}, RGB(0, 0, 128)}, {PS_SOLID, {0, 0}, RGB(0, 0, 0)},
          {PS_SOLID, {0, 0}, RGB(255, 255, 255)}}},
        {kByPattern,
         {{2, 4, 3}, {3, 7, 3}},
         {{PS_DASHDOTDOT, {1, 0}, RGB(0, 128, 0)}, {PS_SOLID, {1, 0}, RGB(0, 128, 128)}, {PS_SOLID, {0, 0}, RGB(255, 255, 255)}}},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.aLooks.size());
        CMultiplotReportGrid* pGrid = ShowPage(kLevel, c.nLineType, c.aLooks);
        ASSERT_NE(nullptr, pGrid);
        pGrid->GotoCell(30, 20);
        EXPECT_EQ(0, pGrid->CopyGraphToClipboard());
        const CLegendRecords records = ClipboardLegend();
        ASSERT_EQ(c.aPens.size(), records.aPens.size());
        for (size_t i = 0; i < c.aPens.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(c.aPens[i].lopnStyle, records.aPens[i].lopnStyle);
            EXPECT_EQ(c.aPens[i].lopnWidth.x, records.aPens[i].lopnWidth.x);
            EXPECT_EQ(c.aPens[i].lopnColor, records.aPens[i].lopnColor);
        }
        ASSERT_EQ(c.aLooks.size() + 1, records.aLineEnds.size());
        ASSERT_EQ(c.aLooks.size(), records.aTexts.size());
        for (size_t i = 0; i < c.aLooks.size(); ++i) {
            const LONG y = 20 * static_cast<LONG>(i);
            EXPECT_EQ(70, records.aLineEnds[i].x);
            EXPECT_EQ(y, records.aLineEnds[i].y);
            EXPECT_EQ(100, records.aTexts[i].first.x);
            EXPECT_EQ(y - 6, records.aTexts[i].first.y);
            EXPECT_EQ(std::string("Curve ") + static_cast<char>('A' + i) + " ", records.aTexts[i].second);
        }
        EXPECT_EQ(20 * static_cast<LONG>(c.aLooks.size()) - 10, records.aLineEnds.back().y);
    }
}

// A list read from a file may hold more curves than the page shows.
TEST_F(CMultiplotReportTest, ShowsTenCurvesAtMost)
{
    CMultiplotReportGrid* pGrid = ShowPage(kLevel, kByThickness, std::vector<CCurveLook>(11, {1, 1, 1}));
    ASSERT_NE(nullptr, pGrid);
    EXPECT_STREQ("Curve J", Cell(*pGrid, 14, 29));
    EXPECT_STREQ("", Cell(*pGrid, 14, 31));
    pGrid->GotoCell(30, 20);
    EXPECT_EQ(0, pGrid->CopyGraphToClipboard());
    EXPECT_EQ(10u, ClipboardLegend().aTexts.size());
}

TEST_F(CMultiplotReportTest, CopiesTheChartOnAnyGraphPlaceAndTheDescriptionAsText)
{
    CMultiplotReportGrid* pGrid = ShowPage(kAbsorption, kByThickness, {{0, 0, 0}});
    ASSERT_NE(nullptr, pGrid);
    ASSERT_NE(nullptr, pGrid->GetGraphCellType().GetMetaFile().GetHandle());
    for (const CFieldPos& place : CMultiplotReportGrid::kGraphStarts) {
        SCOPED_TRACE(testing::Message() << place.nCol << ", " << place.nRow);
        pGrid->SetClipboardText("before");
        pGrid->GotoCell(place.nCol, place.nRow);
        EXPECT_EQ(0, pGrid->CopyGraphToClipboard());
        EXPECT_EQ(PictureBytes(pGrid->GetGraphCellType().GetMetaFile().GetHandle()), ClipboardPictureBytes());
    }
    pGrid->GotoCell(8, 3);
    pGrid->CopyGraphToClipboard();
    EXPECT_STREQ("Walls", ClipboardText(*pGrid));
}

// A page whose chart was never exported has no picture to give.
TEST_F(CMultiplotReportTest, CopyOnAnEmptyGraphCellKeepsTheClipboard)
{
    ASSERT_NE(nullptr, ShowPage(kLevel, kByThickness, {}));
    CMultiplotReportGrid grid;
    ASSERT_TRUE(grid.CreateGrid(WS_CHILD, CRect(0, 0, 400, 400), m_pView, 999));
    ASSERT_EQ(nullptr, grid.GetGraphCellType().GetMetaFile().GetHandle());
    grid.SetClipboardText("before");
    grid.GotoCell(11, 32);
    EXPECT_NE(0, grid.CopyGraphToClipboard());
    EXPECT_STREQ("before", ClipboardText(grid));
    EXPECT_FALSE(ClipboardHasPicture());
}

// Split at its tabs and line ends, the text would run into the hidden
// cells of the description's join and into the legend.
TEST_F(CMultiplotReportTest, APasteGoesWholeIntoTheDescription)
{
    CMultiplotReportGrid* pGrid = ShowPage(kLevel, kByThickness, {{0, 0, 0}});
    ASSERT_NE(nullptr, pGrid);
    CMultiplotReportGrid& grid = *pGrid;
    const struct {
        int nCol, nRow;
        bool bWideSelection;
        const char* lpszText;
    } aCases[] = {
        {0, 3, false, "\tLeft\r\nRight"},
        {8, 3, true, "Wall A\tWall B\nWall C"},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszText);
        grid.GotoCell(c.nCol, c.nRow);
        if (c.bWideSelection)
            grid.SelectRange(c.nCol, c.nRow, 20, 14);
        grid.SetClipboardText(c.lpszText);
        Command(ID_EDIT_PASTE);
        EXPECT_STREQ(c.lpszText, Cell(grid, c.nCol, c.nRow));
        EXPECT_STREQ("", Cell(grid, c.nCol + 1, c.nRow));
        EXPECT_STREQ("", Cell(grid, c.nCol, c.nRow + 1));
        EXPECT_STREQ("Curve A", Cell(grid, 14, 11));
    }
    EXPECT_EQ(CString("\tLeft\r\nRight"), Project().m_ReportInfo.m_sDescriptionLabel);
    EXPECT_EQ(CString("Wall A\tWall B\nWall C"), Project().m_ReportInfo.m_sDescription);

    // The legend takes no paste.
    grid.GotoCell(14, 11);
    EXPECT_FALSE(IsCommandEnabled(ID_EDIT_PASTE));
    Command(ID_EDIT_PASTE);
    EXPECT_STREQ("Curve A", Cell(grid, 14, 11));
}

// Clearing the description and clicking elsewhere keeps it empty.
TEST_F(CMultiplotReportTest, FocusLossEndsTheEditAndStoresItsText)
{
    for (const char* lpszTyped : {"Floor", ""}) {
        SCOPED_TRACE(lpszTyped);
        CMultiplotReportGrid* pGrid = ShowPage(kLevel, kByThickness, {});
        ASSERT_NE(nullptr, pGrid);
        CMultiplotReportGrid& grid = *pGrid;
        grid.GotoCell(8, 3);
        grid.StartEdit();
        ASSERT_TRUE(grid.IsEditing());
        CWnd* pEdit = CWnd::GetFocus();
        ASSERT_NE(nullptr, pEdit);
        pEdit->SetWindowText(lpszTyped);
        grid.OnKillFocus(0, &MainFrame());
        EXPECT_FALSE(grid.IsEditing());
        EXPECT_STREQ(lpszTyped, Cell(grid, 8, 3));
        EXPECT_EQ(CString(lpszTyped), Project().m_ReportInfo.m_sDescription);
    }
}

} // namespace
