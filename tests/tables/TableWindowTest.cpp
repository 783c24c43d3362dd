// Behaviours of the measurement table window: which grid each table gets and
// its caption, the update hints, the layout and fill of a project's values,
// typing and committing values and titles, the Delete key, the commands of
// the table (Add, Delete, Include, Exclude, column toggles),
// the correction toggles of the project's own window, and the graphs that
// Properties asks of the graph host.
// Not yet tested here: printing.

#include "TableWindowFixture.h"

#include "tables/LevelTabGrid.h"
#include "tables/ReverbTabGrid.h"

#include "grid/GridWindowPixels.h"

#include "app/RecordingGraphHost.h"
#include "app/ViewToggleRules.h"
#include "res/resource.h"

TEST_F(CTableWindowTest, OpensEveryTableWithItsGridAndCaption)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bCorner});
    for (int nTableId : {122, 123, 124, 125, 126, 128, 129, 130, 131, 132}) {
        SCOPED_TRACE(nTableId);
        CTabView* pView = OpenTable(pDoc, nTableId);
        ASSERT_NE(nullptr, pView);
        const bool bReverberation = nTableId == 124 || nTableId == 126;
        EXPECT_EQ(bReverberation, dynamic_cast<CReverbTabGrid*>(pView->m_pGrid) != nullptr);
        EXPECT_EQ(!bReverberation, dynamic_cast<CLevelTabGrid*>(pView->m_pGrid) != nullptr);
        EXPECT_NE(nullptr, pView->m_pPrintGrid);
        EXPECT_EQ(nTableId, pView->m_pGrid->GetDlgCtrlID());
    }
    CString sCaption;
    CProjectWindows::FindView(pDoc, 126)->GetParentFrame()->GetWindowText(sCaption);
    EXPECT_EQ(pDoc->GetProject().m_sName + " - Reverberation Corner", sCaption);
}

TEST_F(CTableWindowTest, RefillsOnlyForItsOwnTableOrAllTables)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    NBuildData& rec = AddMeasurement(pDoc, 122, "Pos 1", {{kBand100Hz, 71.5}});
    CTabView* pView = OpenTable(pDoc, 122);
    ASSERT_NE(nullptr, pView);
    EXPECT_EQ(CString("71.5"), CellText(*pView->m_pGrid, 4, kRow100Hz));

    rec.m_Spectrum.InsertSpecLine(kBand100Hz, 66.0, 1, 1);
    pDoc->UpdateAllViews(123);
    EXPECT_EQ(CString("71.5"), CellText(*pView->m_pGrid, 4, kRow100Hz));
    pDoc->UpdateAllViews(122);
    EXPECT_EQ(CString("66.0"), CellText(*pView->m_pGrid, 4, kRow100Hz));
}

TEST_F(CTableWindowTest, ShowsBandsOfTheSettingsRangeWithAveragesMarksAndSum)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    AddMeasurement(pDoc, 122, "Pos 1", {{kBand100Hz, 70.0}, {21, 72.0}}, 2 | 8);
    AddMeasurement(pDoc, 122, "Pos 2", {{kBand100Hz, 72.0}}, 16);
    CTabView* pView = OpenTable(pDoc, 122);
    ASSERT_NE(nullptr, pView);
    CTabGrid& grid = *pView->m_pGrid;

    EXPECT_EQ(14, grid.GetColCount() - 1);
    EXPECT_EQ(CString("L avg"), CellText(grid, 1, 1));
    EXPECT_EQ(CString("Sum A"), CellText(grid, 0, 38));
    EXPECT_EQ(CString("Pos 1"), CellText(grid, 4, 0));
    EXPECT_EQ(CString("Pos 2"), CellText(grid, 9, 0));
    EXPECT_EQ(CString("*?"), CellText(grid, 5, kRow100Hz));
    EXPECT_EQ(CString("H"), CellText(grid, 10, kRow100Hz));
    EXPECT_EQ(CString("2"), CellText(grid, 3, kRow100Hz));
    EXPECT_FALSE(CellText(grid, 1, kRow100Hz).IsEmpty());
    EXPECT_FALSE(CellText(grid, 1, 38).IsEmpty());
    for (int nRow = 2; nRow <= 40; ++nRow) {
        const bool bShown = (nRow >= 11 && nRow <= 31) || nRow == 38 || nRow == 39;
        EXPECT_EQ(bShown ? 20 : 0, grid.GetRowHeight(nRow)) << "row " << nRow;
    }
    EXPECT_EQ(-1, grid.SetFreqRange(44, 20));
    EXPECT_EQ(-1, grid.SetFreqRange(-1, 20));
    EXPECT_EQ(0, grid.GetRowHeight(5));
}

TEST_F(CTableWindowTest, ShowsAnEmptyTableWithoutAverages)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    CTabView* pView = OpenTable(pDoc, 125);
    ASSERT_NE(nullptr, pView);
    CTabGrid& grid = *pView->m_pGrid;
    EXPECT_EQ(0, grid.m_nMeasCount);
    EXPECT_EQ(4, grid.GetColCount() - 1);
    for (int nRow = 2; nRow <= 38; ++nRow)
        EXPECT_TRUE(CellText(grid, 1, nRow).IsEmpty()) << "row " << nRow;
}

TEST_F(CTableWindowTest, ShowsTheAreaRowOfIntensityReceivingRooms)
{
    App().m_nUpperFreq = 43;
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bIntensity});
    NBuildData& rec = AddMeasurement(pDoc, 123, "Intensity", {{kBand100Hz, 50.0}, {43, 40.0}});
    rec.m_dArea = 12.5;
    CTabView* pView = OpenTable(pDoc, 123);
    ASSERT_NE(nullptr, pView);
    CTabGrid& grid = *pView->m_pGrid;
    EXPECT_EQ(CString("Sum A"), CellText(grid, 0, 38));
    EXPECT_EQ(CString("12.5"), CellText(grid, 4, 39));
    EXPECT_TRUE(CellText(grid, 2, kRow100Hz).IsEmpty());

    TypeInto(grid, 4, 39, "20");
    EXPECT_DOUBLE_EQ(20.0, RecordAt(pDoc, 123, 1).m_dArea);
    EXPECT_DOUBLE_EQ(40.0, RecordAt(pDoc, 123, 1).m_Spectrum.GetSpecLine(43));
}

TEST_F(CTableWindowTest, CommitsTypedLevelsAsManualInput)
{
    struct {
        const char* lpszSeparator;
        const char* lpszTyped;
        int nCol;
        const char* lpszShown;
        double dStored;
        BYTE nStatus;
    } const aRows[] = {
        {".", "12", 4, "12.0", 12.0, 16},   {".", "0", 4, "", kMissingValue, 20},
        {".", "00.0", 4, "", kMissingValue, 20}, {".", "-5", 4, "-5.0", -5.0, 16},
        {".", "199.9", 4, "199.9", 199.9, 16}, {".", "200", 4, "20.0", 20.0, 16},
        {",", "12,5", 4, "12,5", 12.5, 16},   {",", "0,0", 4, "", kMissingValue, 20},
        {",", ",0", 4, "", kMissingValue, 20}, {".", "12.5x", 4, "12.5", 12.5, 16},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(testing::Message() << row.lpszTyped << " with " << row.lpszSeparator);
        UseDecimalSeparator(row.lpszSeparator);
        CVestolarDoc* pDoc = FieldAirborneProject();
        AddMeasurement(pDoc, 123, "Pos", {{kBand100Hz, 44.0}});
        CTabView* pView = OpenTable(pDoc, 123);
        ASSERT_NE(nullptr, pView);
        TypeInto(*pView->m_pGrid, row.nCol, kRow100Hz, row.lpszTyped);
        const NBuildData& rec = RecordAt(pDoc, 123, 1);
        EXPECT_EQ(CString(row.lpszShown), CellText(*pView->m_pGrid, row.nCol, kRow100Hz));
        EXPECT_DOUBLE_EQ(row.dStored, rec.m_Spectrum.GetSpecLine(kBand100Hz));
        EXPECT_EQ(row.nStatus, rec.m_Spectrum.GetMeasStatus(kBand100Hz));
    }
}

TEST_F(CTableWindowTest, CommitsCorrectionsAndReverberationTimes)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    AddMeasurement(pDoc, 123, "Pos", {{kBand100Hz, 44.0}});
    AddMeasurement(pDoc, 124, "T", {{kBand100Hz, 1.2}});
    CTabView* pLevel = OpenTable(pDoc, 123);
    CTabView* pReverb = OpenTable(pDoc, 124);
    ASSERT_TRUE(pLevel != nullptr && pReverb != nullptr);

    TypeInto(*pLevel->m_pGrid, 7, kRow100Hz, "0");
    EXPECT_EQ(CString("0.0"), CellText(*pLevel->m_pGrid, 7, kRow100Hz));
    EXPECT_DOUBLE_EQ(0.0, RecordAt(pDoc, 123, 1).m_CorrSpectrum.GetSpecLine(kBand100Hz));
    TypeInto(*pLevel->m_pGrid, 7, kRow100Hz, "100");
    EXPECT_EQ(CString("10.0"), CellText(*pLevel->m_pGrid, 7, kRow100Hz));

    TypeInto(*pReverb->m_pGrid, 4, kRow100Hz, "1");
    EXPECT_EQ(CString("1.00"), CellText(*pReverb->m_pGrid, 4, kRow100Hz));
    TypeInto(*pReverb->m_pGrid, 4, kRow100Hz, "65");
    EXPECT_DOUBLE_EQ(6.0, RecordAt(pDoc, 124, 1).m_Spectrum.GetSpecLine(kBand100Hz));
    TypeInto(*pReverb->m_pGrid, 4, kRow100Hz, "59.99");
    EXPECT_DOUBLE_EQ(59.99, RecordAt(pDoc, 124, 1).m_Spectrum.GetSpecLine(kBand100Hz));
}

TEST_F(CTableWindowTest, TypedTitleRenamesTheTreeLeaf)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    AddMeasurement(pDoc, 122, "Old", {{kBand100Hz, 60.0}});
    CTabView* pView = OpenTable(pDoc, 122);
    ASSERT_NE(nullptr, pView);
    TypeInto(*pView->m_pGrid, 4, 0, "New name");
    EXPECT_EQ(CString("New name"), RecordAt(pDoc, 122, 1).m_Spectrum.GetTitle());
    EXPECT_EQ(CString("New name"), TreeBar().GetTreeCtrl().GetItemText(LastLeaf(pDoc, 122)));
}

TEST_F(CTableWindowTest, DeleteKeyStoresTheBandAsMissing)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    AddMeasurement(pDoc, 122, "Pos", {{kBand100Hz, 60.0}});
    CTabView* pView = OpenTable(pDoc, 122);
    ASSERT_NE(nullptr, pView);
    CTabGrid& grid = *pView->m_pGrid;
    FocusCell(grid, 4, kRow100Hz);
    KeyDown(VK_DELETE);
    const NBuildData& rec = RecordAt(pDoc, 122, 1);
    EXPECT_DOUBLE_EQ(kMissingValue, rec.m_Spectrum.GetSpecLine(kBand100Hz));
    EXPECT_EQ(4, rec.m_Spectrum.GetMeasStatus(kBand100Hz));
    EXPECT_TRUE(CellText(grid, 5, kRow100Hz).IsEmpty());
}

// A value typed beside every measurement (the closing column) must not go
// into the first or into a record that is not there.
TEST_F(CTableWindowTest, ColumnOutsideEveryGroupChangesNothing)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    AddMeasurement(pDoc, 122, "Pos", {{kBand100Hz, 60.0}});
    CTabView* pView = OpenTable(pDoc, 122);
    ASSERT_NE(nullptr, pView);
    for (int nCol : {2, 9, 14}) {
        SCOPED_TRACE(nCol);
        pView->SetBandValue(nCol, 33.0, kBand100Hz, TRUE, TRUE);
        pView->RenameMeasurement(nCol, "Wrong");
        pView->SetMeasurementStatus(nCol, 1);
    }
    const NBuildData& rec = RecordAt(pDoc, 122, 1);
    EXPECT_DOUBLE_EQ(60.0, rec.m_Spectrum.GetSpecLine(kBand100Hz));
    EXPECT_EQ(CString("Pos"), rec.m_Spectrum.GetTitle());
    EXPECT_EQ(0, rec.m_Spectrum.GetStatus());
    EXPECT_EQ(2, pDoc->GetProject().GetMeasurementList(122)->GetCount());
}

TEST_F(CTableWindowTest, MovesWithKeysWithinTheLastColumn)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    CTabView* pView = OpenSourceRoomOfTwo(pDoc);
    ASSERT_NE(nullptr, pView);
    CTabGrid& grid = *pView->m_pGrid;
    FocusCell(grid, 4, kRow100Hz);
    KeyDown(VK_TAB);
    EXPECT_EQ(5, grid.GetCurrentCol());
    HoldKeys(false, true);
    KeyDown(VK_RIGHT);
    EXPECT_EQ(grid.m_nLastCol, grid.GetCurrentCol());
    KeyDown(VK_LEFT);
    EXPECT_EQ(0, grid.GetCurrentCol());
    HoldKeys(false, false);
    KeyDown(VK_HOME);
    EXPECT_EQ(0, grid.GetCurrentRow());
    EXPECT_EQ(0, grid.GetCurrentCol());
}

TEST_F(CTableWindowTest, AddsAnUntitledMeasurementToTheTable)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    CTabView* pView = OpenTable(pDoc, 125);
    ASSERT_NE(nullptr, pView);
    pView->GetParentFrame()->ActivateFrame();
    Command(ID_EDIT_ADD_MEASUREMENT);
    CMeasurementList* pList = pDoc->GetProject().GetMeasurementList(125);
    ASSERT_EQ(2, pList->GetCount());
    EXPECT_EQ(CString("Untitled"), pList->GetTail().m_Spectrum.GetTitle());
    EXPECT_EQ(0, pList->GetTail().m_nSetNumber);
    EXPECT_EQ(CString("Untitled"), CellText(*pView->m_pGrid, 4, 0));
}

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kExcludedGrey = RGB(220, 220, 220);

// What the screen shows, not only the cells' colour: the title and a band
// cell of the second measurement drawn in crSecond, those of the first,
// included, white. The current cell moves away so no highlight covers them.
void ExpectSecondMeasurementDrawn(CTabGrid& grid, COLORREF crSecond)
{
    grid.ClearSelections();
    grid.GotoCell(0, 0);
    CGridSnapshot snapshot(grid);
    for (int nRow : {0, kRow100Hz}) {
        SCOPED_TRACE(testing::Message() << "row " << nRow);
        CRect first;
        CRect second;
        grid.GetCellRect(4, nRow, &first);
        grid.GetCellRect(9, nRow, &second);
        EXPECT_EQ(kWhite, snapshot.Pixel(first.left + 3, first.top + 3));
        EXPECT_EQ(crSecond, snapshot.Pixel(second.left + 3, second.top + 3));
    }
}

} // namespace

TEST_F(CTableWindowTest, ExcludesIncludesAndDeletesMeasurementsSelectedByHeading)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    AddMeasurement(pDoc, 122, "A", {{kBand100Hz, 60.0}});
    AddMeasurement(pDoc, 122, "B", {{kBand100Hz, 70.0}});
    CTabView* pView = OpenTable(pDoc, 122);
    ASSERT_NE(nullptr, pView);
    pView->GetParentFrame()->ActivateFrame();
    CTabGrid& grid = *pView->m_pGrid;
    EXPECT_FALSE(IsCommandEnabled(ID_EDIT_EXCLUDE_MEASUREMENT));

    ClickColumnHeading(grid, 9);
    ASSERT_EQ(1, grid.m_arrSelMeas.GetSize());
    EXPECT_EQ(2u, grid.m_arrSelMeas[0]);
    EXPECT_TRUE(IsCommandEnabled(ID_EDIT_EXCLUDE_MEASUREMENT));
    Command(ID_EDIT_EXCLUDE_MEASUREMENT);
    EXPECT_EQ(1, RecordAt(pDoc, 122, 2).m_Spectrum.GetStatus());
    ExpectSecondMeasurementDrawn(grid, kExcludedGrey);

    ClickColumnHeading(grid, 9);
    Command(ID_EDIT_INCLUDE_MEASUREMENT);
    EXPECT_EQ(0, RecordAt(pDoc, 122, 2).m_Spectrum.GetStatus());
    ExpectSecondMeasurementDrawn(grid, kWhite);

    ClickColumnHeading(grid, 4);
    const size_t nBoxesBefore = m_boxes.m_boxes.size();
    m_boxes.Answer({IDYES});
    Command(ID_EDIT_DELETE_MEASUREMENT);
    ASSERT_LT(nBoxesBefore, m_boxes.m_boxes.size());
    EXPECT_EQ("Confirm Measurement Delete", m_boxes.m_boxes[nBoxesBefore].sCaption);
    EXPECT_EQ("Are you sure you want to delete the selected measurement?", m_boxes.m_boxes[nBoxesBefore].sText);
    CMeasurementList* pList = pDoc->GetProject().GetMeasurementList(122);
    ASSERT_EQ(2, pList->GetCount());
    EXPECT_EQ(CString("B"), pList->GetTail().m_Spectrum.GetTitle());
}

TEST_F(CTableWindowTest, ColumnTogglesFollowTheSettingAndLaterTables)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    AddMeasurement(pDoc, 122, "A", {{kBand100Hz, 60.0}});
    AddMeasurement(pDoc, 123, "B", {{kBand100Hz, 50.0}});
    CTabView* pView = OpenTable(pDoc, 122);
    ASSERT_NE(nullptr, pView);
    pView->GetParentFrame()->ActivateFrame();
    Command(ID_VIEW_CORRECTION_COLUMN);
    EXPECT_EQ(0, pView->m_pGrid->GetColWidth(7));
    EXPECT_FALSE(App().m_bShowColCorrection);
    Command(ID_VIEW_CORRECTION_COLUMN);
    EXPECT_EQ(40, pView->m_pGrid->GetColWidth(7));
    Command(ID_VIEW_STATUS_COLUMN);
    EXPECT_FALSE(App().m_bShowColSatus);

    CTabView* pOther = OpenTable(pDoc, 123);
    ASSERT_NE(nullptr, pOther);
    EXPECT_EQ(0, pOther->m_pGrid->GetColWidth(5));
}

TEST_F(CTableWindowTest, AbsorptionProjectsShowTheCorrectionTogglesDisabledAndUnchecked)
{
    App().m_bBgnCorrection = true;
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bLab, &CReportInfo::m_bAbsorption});
    CTabView* pView = OpenTable(pDoc, 124);
    ASSERT_NE(nullptr, pView);
    pView->GetParentFrame()->ActivateFrame();
    for (UINT nID : {kToggleTenthDb, kToggleShiftedRefCurve, kToggleBgnCorrection, kToggleFtmCorrection}) {
        SCOPED_TRACE(nID);
        EXPECT_FALSE(IsCommandEnabled(nID));
        EXPECT_EQ(0u, MainFrame().GetMenu()->GetMenuState(nID, MF_BYCOMMAND) & MF_CHECKED);
    }
}

TEST_F(CTableWindowTest, CorrectionToggleRecalculatesEveryProject)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    CTabView* pView = OpenTable(pDoc, 122);
    ASSERT_NE(nullptr, pView);
    pView->GetParentFrame()->ActivateFrame();
    const bool bBefore = App().m_bBgnCorrection;
    Command(kToggleBgnCorrection);
    EXPECT_NE(bBefore, App().m_bBgnCorrection);
}

TEST_F(CTableWindowTest, CommitsTheOpenEditWhenTheGridLosesTheFocus)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    AddMeasurement(pDoc, 122, "Pos", {{kBand100Hz, 60.0}});
    CTabView* pView = OpenTable(pDoc, 122);
    ASSERT_NE(nullptr, pView);
    CTabGrid& grid = *pView->m_pGrid;
    FocusCell(grid, 4, kRow100Hz);
    Chars("55");
    TreeBar().GetTreeCtrl().SetFocus();
    PumpMessages();
    EXPECT_DOUBLE_EQ(55.0, RecordAt(pDoc, 122, 1).m_Spectrum.GetSpecLine(kBand100Hz));
    EXPECT_EQ(16, RecordAt(pDoc, 122, 1).m_Spectrum.GetMeasStatus(kBand100Hz));
}

// The summary record holds a sentinel that only a recalculation would
// overwrite; neither moving on nor leaving the grid after Escape may commit.
TEST_F(CTableWindowTest, CancelledEditCommitsNothing)
{
    constexpr double kSentinel = 11.1;
    CVestolarDoc* pDoc = FieldAirborneProject();
    AddMeasurement(pDoc, 122, "Pos", {{kBand100Hz, 60.0}});
    CTabView* pView = OpenTable(pDoc, 122);
    ASSERT_NE(nullptr, pView);
    CTabGrid& grid = *pView->m_pGrid;
    RecordAt(pDoc, 122, 0).m_Spectrum.InsertSpecLine(kBand100Hz, kSentinel, 1, 1);

    FocusCell(grid, 4, kRow100Hz);
    Chars("55");
    KeyDown(VK_ESCAPE);
    KeyDown(VK_TAB);
    TreeBar().GetTreeCtrl().SetFocus();
    PumpMessages();

    const NBuildData& rec = RecordAt(pDoc, 122, 1);
    EXPECT_DOUBLE_EQ(60.0, rec.m_Spectrum.GetSpecLine(kBand100Hz));
    EXPECT_EQ(1, rec.m_Spectrum.GetMeasStatus(kBand100Hz));
    EXPECT_EQ(CString("60.0"), CellText(grid, 4, kRow100Hz));
    EXPECT_TRUE(CellText(grid, 5, kRow100Hz).IsEmpty());
    EXPECT_DOUBLE_EQ(kSentinel, RecordAt(pDoc, 122, 0).m_Spectrum.GetSpecLine(kBand100Hz));
}

TEST_F(CTableWindowTest, SelectsAllAndExtendsHeadingSelectionsWithShift)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    CTabView* pView = OpenSourceRoomOfTwo(pDoc);
    ASSERT_NE(nullptr, pView);
    CTabGrid& grid = *pView->m_pGrid;

    ClickColumnHeading(grid, 4);
    HoldKeys(true, false);
    ClickColumnHeading(grid, 9);
    HoldKeys(false, false);
    EXPECT_TRUE(grid.IsSelected(6, kRow100Hz, nullptr));
    EXPECT_TRUE(grid.IsSelected(9, kRow100Hz, nullptr));

    Command(ID_EDIT_SELECT_ALL);
    EXPECT_TRUE(grid.IsSelected(0, 0, nullptr));
    EXPECT_TRUE(grid.IsSelected(grid.GetColCount() - 1, grid.GetRowCount() - 1, nullptr));
}

// The choice goes through the mouse as the user makes it: a click makes the
// position cell current, which shows its button, a click on the button opens
// the list, a click on "L#C" chooses it. The summary record's sentinel is
// only overwritten by a recalculation of the table itself (hint 0 or 122),
// not by the result table's recalculation (hint 103).
TEST_F(CTableWindowTest, ChosenSourcePositionIsStored)
{
    constexpr double kSentinel = 11.1;
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bAverageLoudspeaker});
    AddMeasurement(pDoc, 122, "A", {{kBand100Hz, 60.0}});
    CTabView* pView = OpenTable(pDoc, 122);
    ASSERT_NE(nullptr, pView);
    CTabGrid& grid = *pView->m_pGrid;
    CGRCell cell;
    grid.GetCellIndirect(4, 1, &cell);
    EXPECT_EQ(CString("L#A\nL#B\nL#C\nL#D\nL#E\nL#F\nL#G\nL#H\nL#I\n"), CString(cell.GetLabel()));
    RecordAt(pDoc, 122, 0).m_Spectrum.InsertSpecLine(kBand100Hz, kSentinel, 1, 1);
    App().m_bWorkspaceModified = false;

    CRect rect;
    grid.GetCellRect(4, 1, &rect);
    ClickCellArea(grid, CPoint(rect.left + 3, rect.CenterPoint().y));
    ClickCellArea(grid, CPoint(rect.right - 3, rect.CenterPoint().y));
    CWnd* pList = CWnd::GetFocus();
    ASSERT_NE(nullptr, pList);
    ASSERT_NE(grid.GetCellArea(), pList);
    ASSERT_EQ(9, pList->SendMessage(LB_GETCOUNT));
    CRect item;
    pList->SendMessage(LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    const LPARAM lItem = MAKELPARAM(item.left + 3, item.CenterPoint().y);
    pList->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lItem);
    pList->SendMessage(WM_LBUTTONUP, 0, lItem);
    PumpMessages();

    EXPECT_EQ(CString("L#C"), CellText(grid, 4, 1));
    EXPECT_EQ(3, RecordAt(pDoc, 122, 1).m_nSetNumber);
    EXPECT_EQ(2, grid.GetCurrentRow());
    EXPECT_TRUE(App().m_bWorkspaceModified);
    EXPECT_DOUBLE_EQ(kSentinel, RecordAt(pDoc, 122, 0).m_Spectrum.GetSpecLine(kBand100Hz));
}

// Properties shows the measurement of the current cell, the summary record
// from the average columns, and one graph of the measurements selected
// through their headings; the average heading stands for every measurement.
TEST_F(CTableWindowTest, PropertiesShowsTheCurrentOrTheSelectedMeasurements)
{
    struct {
        const char* lpszCase;
        int nCurrentCol;
        std::vector<int> aHeadingCols;  // the first clicked alone, the others with Ctrl
        std::vector<std::string> aTitles;
        BOOL bMeasurement;
    } const aRows[] = {
        {"cell of the second measurement", 11, {}, {"B"}, TRUE},
        {"average column", 1, {}, {"Average"}, FALSE},
        {"one heading", 4, {9}, {"B"}, TRUE},
        {"two headings", 4, {4, 9}, {"A", "B"}, FALSE},
        {"average heading", 4, {1}, {"A", "B"}, FALSE},
    };
    CRecordingGraphHost graphs;
    SetMeasGraphHost(&graphs);
    App().m_nLowerFreq = 14;
    App().m_nUpperFreq = 40;
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.lpszCase);
        CVestolarDoc* pDoc = FieldAirborneProject();
        CTabView* pView = OpenSourceRoomOfTwo(pDoc);
        ASSERT_NE(nullptr, pView);
        CTabGrid& grid = *pView->m_pGrid;
        FocusCell(grid, row.nCurrentCol, kRow100Hz);
        for (size_t i = 0; i < row.aHeadingCols.size(); ++i) {
            HoldKeys(false, i > 0);
            ClickColumnHeading(grid, row.aHeadingCols[i]);
        }
        HoldKeys(false, false);
        graphs.m_requests.clear();
        Command(ID_VIEW_PROPERTIES);

        ASSERT_EQ(1u, graphs.m_requests.size());
        const CMeasGraphRequest& request = graphs.m_requests[0];
        EXPECT_EQ(pDoc->GetProject().m_sName + " - Source room", request.m_sTitle);
        EXPECT_EQ(14, request.m_nLowBand);
        EXPECT_EQ(40, request.m_nHighBand);
        EXPECT_EQ(row.aTitles, CRecordingGraphHost::TitlesOf(request));
        EXPECT_EQ(row.bMeasurement, request.m_bMeasurement);
    }
    SetMeasGraphHost(nullptr);
}

TEST_F(CTableWindowTest, OpensTablesFromTheViewMenu)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    CTabView* pView = OpenTable(pDoc, 125);
    ASSERT_NE(nullptr, pView);
    pView->GetParentFrame()->ActivateFrame();
    PumpMessages();
    Command(ID_VIEW_OPEN_REVERBERATION);
    auto* pReverb = dynamic_cast<CTabView*>(CProjectWindows::FindView(pDoc, 124));
    ASSERT_NE(nullptr, pReverb);
    EXPECT_NE(nullptr, dynamic_cast<CReverbTabGrid*>(pReverb->m_pGrid));
}

namespace {

// A level grid that counts its full redraws.
class CCountingGrid : public CLevelTabGrid {
public:
    int RedrawAll() override
    {
        ++m_nRedraws;
        return CLevelTabGrid::RedrawAll();
    }
    int m_nRedraws = 0;
};

} // namespace

// Moving through the table redraws only the cells touched; the whole grid
// is redrawn once, when the deferred-redraw timer comes.
TEST_F(CTableWindowTest, BurstOfMovesRedrawsTheWholeGridOnce)
{
    CCountingGrid grid;
    ASSERT_TRUE(grid.CreateGrid(WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 400), &MainFrame(), 122));
    FocusCell(grid, 0, 12);
    PumpMessages(FALSE);
    grid.m_nRedraws = 0;
    for (int i = 0; i < 5; ++i)
        ::SendMessageA(::GetFocus(), WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(0, grid.m_nRedraws);
    EXPECT_EQ(17, grid.GetCurrentRow());
    grid.SendMessage(WM_TIMER, CTabGrid::kRedrawTimer);
    EXPECT_EQ(1, grid.m_nRedraws);
    EXPECT_FALSE(::KillTimer(grid.GetSafeHwnd(), CTabGrid::kRedrawTimer)) << "a second redraw is still pending";
    grid.DestroyWindow();
}

TEST_F(CTableWindowTest, OpensItsContextMenuAtTheCursorFromTheKeyboard)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    AddMeasurement(pDoc, 122, "A", {{kBand100Hz, 60.0}});
    CTabView* pView = OpenTable(pDoc, 122);
    ASSERT_NE(nullptr, pView);
    CRect rect;
    pView->GetWindowRect(&rect);
    const CPoint cursor(rect.left + 40, rect.top + 50);
    CPoint cursorAtMenu;
    const CPoint menuCorner = KeyboardContextMenuCorner(pView, cursor, cursorAtMenu);
    // (0, 0) is no place: never the screen's or the window's corner. Wine
    // takes a moved cursor back to the display's pointer when its desktop
    // lacks the X focus (other test programs' desktops can take it), so the
    // exact place is checked only when the cursor stayed where it was put.
    ASSERT_NE(CPoint(-1, -1), menuCorner) << "no menu came up";
    EXPECT_NE(CPoint(0, 0), menuCorner);
    EXPECT_NE(rect.TopLeft(), menuCorner);
    if (cursorAtMenu == cursor)
        EXPECT_EQ(cursor, menuCorner);
}

TEST_F(CTableWindowTest, CommitsReverberationTimesWithTheirDecimals)
{
    struct {
        const char* lpszSeparator;
        bool bLossFactor;
        const char* lpszTyped;
        const char* lpszShown;
        double dStored;
    } const aRows[] = {
        {".", false, "1", "1.00", 1.0},       {".", true, "1", "1.000", 1.0},
        {".", false, "1.234", "1.23", 1.23},  {".", true, "1.234", "1.234", 1.234},
        {",", false, "0,0", "", kMissingValue}, {",", false, "2,5", "2,50", 2.5},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(testing::Message() << row.lpszTyped << (row.bLossFactor ? " loss factor" : ""));
        UseDecimalSeparator(row.lpszSeparator);
        std::vector<bool CReportInfo::*> aFlags = {&CReportInfo::m_bLab};
        aFlags.push_back(row.bLossFactor ? &CReportInfo::m_bTotalLossFactor : &CReportInfo::m_bAirborne);
        CVestolarDoc* pDoc = NewProject(aFlags);
        AddMeasurement(pDoc, 124, "T", {{kBand100Hz, 3.0}});
        CTabView* pView = OpenTable(pDoc, 124);
        ASSERT_NE(nullptr, pView);
        TypeInto(*pView->m_pGrid, 4, kRow100Hz, row.lpszTyped);
        EXPECT_EQ(CString(row.lpszShown), CellText(*pView->m_pGrid, 4, kRow100Hz));
        EXPECT_DOUBLE_EQ(row.dStored, RecordAt(pDoc, 124, 1).m_Spectrum.GetSpecLine(kBand100Hz));
    }
}
