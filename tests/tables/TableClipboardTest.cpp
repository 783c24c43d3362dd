// Behaviours of the table clipboard: copying whole measurements into another
// table or project, the conflict, locked-cell, format and duplicate
// messages, columns of values and titles, and the analyser export, each
// through the table window's Copy and Paste commands with the real
// clipboard.

#include "AnalyserExportText.h"
#include "CountingViewSink.h"
#include "TableWindowFixture.h"

#include "tables/BandRows.h"
#include "tables/TableColumns.h"

#include "res/resource.h"

namespace {

CString LoadedText(UINT nID)
{
    CString sText;
    sText.LoadString(nID);
    return sText;
}

} // namespace

class CTableClipboardTest : public CTableWindowTest {
protected:
    // A measurement with its own time stamp (seconds after a fixed day), so
    // that copies of different measurements are no duplicates.
    // A measurement read from an instrument (type 1), with its own time
    // stamp (seconds after a fixed minute): copies of different measurements
    // are no duplicates, a second copy of one is.
    NBuildData& AddTimedMeasurement(CVestolarDoc* pDoc, int nTableId, const char* lpszTitle, int nSecond)
    {
        NBuildData& rec = AddMeasurement(pDoc, nTableId, lpszTitle, {{kBand100Hz, 60.0 + nSecond}});
        rec.m_Time = CTime(2024, 5, 6, 7, 8, nSecond);
        rec.m_MeasSetup.SetInstrumentType(1, 1);
        return rec;
    }
    void SelectMeasurements(CTabView* pView, std::initializer_list<int> aPositions)
    {
        const CTableColumns columns(pView->m_pGrid->GetDlgCtrlID());
        bool bFirst = true;
        for (int nPosition : aPositions) {
            HoldKeys(false, !bFirst);
            ClickColumnHeading(*pView->m_pGrid, columns.FirstColOf(nPosition));
            bFirst = false;
        }
        HoldKeys(false, false);
    }
    // The source-room table with measurement "A", copied through its heading.
    CTabView* CopyOfOneMeasurement(CVestolarDoc* pDoc)
    {
        AddTimedMeasurement(pDoc, 122, "A", 1);
        CTabView* pView = OpenTable(pDoc, 122);
        if (pView != nullptr) {
            SelectMeasurements(pView, {1});
            CopyIn(pView);
        }
        return pView;
    }
    void CopyIn(CTabView* pView)
    {
        pView->GetParentFrame()->ActivateFrame(SW_SHOWMAXIMIZED);
        PumpMessages();
        Command(ID_EDIT_COPY);
    }
    void PasteInto(CTabView* pView, int nCol, int nRow)
    {
        pView->GetParentFrame()->ActivateFrame(SW_SHOWMAXIMIZED);
        FocusCell(*pView->m_pGrid, nCol, nRow);
        Command(ID_EDIT_PASTE);
    }
    void PutOnClipboard(CTabView* pView, const CString& sText) { pView->m_pGrid->SetClipboardText(sText); }
    static CString ClipboardText(CTabView* pView)
    {
        CString sText;
        pView->m_pGrid->GetClipboardText(sText);
        return sText;
    }
    static INT_PTR CountOf(CVestolarDoc* pDoc, int nTableId)
    {
        return pDoc->GetProject().GetMeasurementList(nTableId)->GetCount() - 1;
    }
    // The boxes of the clipboard; the calculation's notes on the test
    // projects' methods do not count.
    std::vector<std::string> BoxTexts() const
    {
        const CString sCalcNote = LoadedText(IDS_NOT_IMPLEMENTED);
        std::vector<std::string> aTexts;
        for (const auto& box : m_boxes.m_boxes) {
            if (box.sText != static_cast<LPCTSTR>(sCalcNote))
                aTexts.push_back(box.sText);
        }
        return aTexts;
    }
};

TEST_F(CTableClipboardTest, CopiesMeasurementsIntoAnotherProjectsTableOnce)
{
    CVestolarDoc* pSource = FieldAirborneProject();
    AddTimedMeasurement(pSource, 122, "A", 1);
    AddTimedMeasurement(pSource, 122, "B", 2);
    AddTimedMeasurement(pSource, 122, "C", 3);
    CTabView* pSourceView = OpenTable(pSource, 122);
    ASSERT_NE(nullptr, pSourceView);
    // The third measurement's heading lies past the table's right edge
    // while the tree bar and its splitter take the left of the frame.
    auto* pMainFrame = static_cast<CFrameWnd*>(AfxGetMainWnd());
    pMainFrame->ShowControlBar(pMainFrame->GetControlBar(ID_VIEW_EXPLORER_BAR), FALSE, FALSE);
    PumpMessages();
    SelectMeasurements(pSourceView, {1, 3});
    CopyIn(pSourceView);
    EXPECT_GE(ClipboardText(pSourceView).Find("\tS\tN"), 0);
    ASSERT_EQ(2, App().m_lCopyBuffer.GetCount());

    CVestolarDoc* pTarget = FieldAirborneProject();
    CTabView* pTargetView = OpenTable(pTarget, 123);
    ASSERT_NE(nullptr, pTargetView);
    PasteInto(pTargetView, 1, 0);
    ASSERT_EQ(2, CountOf(pTarget, 123));
    EXPECT_EQ(CString("A"), RecordAt(pTarget, 123, 1).m_Spectrum.GetTitle());
    EXPECT_EQ(CString("C"), RecordAt(pTarget, 123, 2).m_Spectrum.GetTitle());
    EXPECT_EQ(1, RecordAt(pTarget, 123, 1).m_MeasSetup.GetDescription(1));
    EXPECT_EQ(CString("C"), CellText(*pTargetView->m_pGrid, CTableColumns(123).FirstColOf(2), 0));
    EXPECT_TRUE(BoxTexts().empty());

    // The same copy again: every record is there already.
    PasteInto(pTargetView, 1, 0);
    EXPECT_EQ(2, CountOf(pTarget, 123));
    EXPECT_EQ(std::vector<std::string>{static_cast<LPCTSTR>(LoadedText(IDS_IDENTICAL_MEASUREMENTS))}, BoxTexts());
}

// A record copied into a table is filed into that table whatever its old
// mode and role: a source-room record of an impact-with-airborne project
// stays in 122 (not 128), a reverberation record goes into the corner
// reference table 126.
TEST_F(CTableClipboardTest, FilesCopiesIntoTheTableTheyArePastedInto)
{
    struct {
        std::vector<bool CReportInfo::*> aFlags;
        int nFromTable;
        int nToTable;
    } const aRows[] = {
        {{&CReportInfo::m_bField, &CReportInfo::m_bImpactAirborne}, 123, 122},
        {{&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bCorner}, 124, 126},
        {{&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bCorner}, 122, 128},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.nToTable);
        CVestolarDoc* pDoc = NewProject(row.aFlags);
        AddTimedMeasurement(pDoc, row.nFromTable, "Copied", 1);
        CTabView* pFrom = OpenTable(pDoc, row.nFromTable);
        ASSERT_NE(nullptr, pFrom);
        SelectMeasurements(pFrom, {1});
        CopyIn(pFrom);
        CTabView* pTo = OpenTable(pDoc, row.nToTable);
        ASSERT_NE(nullptr, pTo);
        PasteInto(pTo, 1, 0);
        EXPECT_EQ(1, CountOf(pDoc, row.nToTable));
        EXPECT_EQ(1, CountOf(pDoc, row.nFromTable));
        EXPECT_TRUE(BoxTexts().empty());
        m_boxes.m_boxes.clear();
    }
}

TEST_F(CTableClipboardTest, RefusesTheOtherQuantity)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    AddTimedMeasurement(pDoc, 122, "Level", 1);
    AddTimedMeasurement(pDoc, 124, "Time", 2);
    CTabView* pLevels = OpenTable(pDoc, 122);
    CTabView* pTimes = OpenTable(pDoc, 124);
    ASSERT_NE(nullptr, pLevels);
    ASSERT_NE(nullptr, pTimes);
    for (auto [pFrom, pTo, nTo] : {std::make_tuple(pLevels, pTimes, 124), std::make_tuple(pTimes, pLevels, 122)}) {
        SCOPED_TRACE(nTo);
        m_boxes.m_boxes.clear();
        SelectMeasurements(pFrom, {1});
        CopyIn(pFrom);
        PasteInto(pTo, 1, 0);
        EXPECT_EQ(1, CountOf(pDoc, nTo));
        EXPECT_EQ(std::vector<std::string>{static_cast<LPCTSTR>(LoadedText(IDS_DATA_TYPE_CONFLICT))}, BoxTexts());
    }
}

// A copy of cells (no measurement heading selected) empties the copy
// buffer: pasting its text, which carries the table copy's marker, inserts
// nothing of an earlier measurement copy.
TEST_F(CTableClipboardTest, CellCopyNeverPastesAnEarlierMeasurementCopy)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    CTabView* pView = CopyOfOneMeasurement(pDoc);
    ASSERT_NE(nullptr, pView);
    ASSERT_EQ(1, App().m_lCopyBuffer.GetCount());

    CTabGrid& grid = *pView->m_pGrid;
    CRect rect;
    grid.GetCellRect(4, kRow100Hz, &rect);
    ClickCellArea(grid, rect.CenterPoint());
    grid.SelectRange(4, 0, 7, 1);
    Command(ID_EDIT_COPY);
    EXPECT_GE(ClipboardText(pView).Find("\tS\tN"), 0);
    EXPECT_EQ(0, App().m_lCopyBuffer.GetCount());
    PasteInto(pView, 1, 0);
    EXPECT_EQ(1, CountOf(pDoc, 122));
    EXPECT_EQ(std::vector<std::string>{"Invalid data format."}, BoxTexts());
}

// Both markers: the text is a table copy and inserts the copy buffer.
TEST_F(CTableClipboardTest, TextWithBothMarkersIsATableCopy)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    ASSERT_NE(nullptr, CopyOfOneMeasurement(pDoc));
    CTabView* pTarget = OpenTable(pDoc, 123);
    ASSERT_NE(nullptr, pTarget);
    PutOnClipboard(pTarget, "Partial\tx\n[Hz]\tL\tS\tN\tCorr.\n");
    PasteInto(pTarget, 1, 0);
    EXPECT_EQ(1, CountOf(pDoc, 123));
}

TEST_F(CTableClipboardTest, PastesAValueColumnUpToTheUpperBandWithOneRecalculation)
{
    App().m_nUpperFreq = 37;
    CVestolarDoc* pDoc = FieldAirborneProject();
    AddTimedMeasurement(pDoc, 122, "A", 1);
    CTabView* pView = OpenTable(pDoc, 122);
    ASSERT_NE(nullptr, pView);
    CString sColumn = "250\r\nnone\r\n";  // out of range, no number: both missing
    for (int i = 2; i < 40; ++i) {
        CString sLine;
        sLine.Format("%d.5\r\n", 40 + i);
        sColumn += sLine;
    }
    PutOnClipboard(pView, sColumn);
    CCountingViewSink updates(pDoc);
    PasteInto(pView, 4, kRow100Hz);

    EXPECT_EQ(1, updates.m_nUpdates);
    const NSpectrum& spectrum = RecordAt(pDoc, 122, 1).m_Spectrum;
    EXPECT_DOUBLE_EQ(kMissingValue, spectrum.GetSpecLine(20));
    EXPECT_DOUBLE_EQ(kMissingValue, spectrum.GetSpecLine(21));
    EXPECT_DOUBLE_EQ(42.5, spectrum.GetSpecLine(22));
    EXPECT_DOUBLE_EQ(57.5, spectrum.GetSpecLine(37));
    EXPECT_DOUBLE_EQ(kMissingValue, spectrum.GetSpecLine(38));
    EXPECT_EQ(CString("57.5"), CellText(*pView->m_pGrid, 4, CBandRows::RowOfBand(37)));
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(CTableClipboardTest, PastedReverberationTimesOutsideTheirRangeAreMissing)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    AddTimedMeasurement(pDoc, 124, "T", 1);
    CTabView* pView = OpenTable(pDoc, 124);
    ASSERT_NE(nullptr, pView);
    PutOnClipboard(pView, "0.0005\n60\n1.25\n");
    PasteInto(pView, CTableColumns(124).FirstColOf(1), kRow100Hz);
    const NSpectrum& spectrum = RecordAt(pDoc, 124, 1).m_Spectrum;
    EXPECT_DOUBLE_EQ(kMissingValue, spectrum.GetSpecLine(20));
    EXPECT_DOUBLE_EQ(kMissingValue, spectrum.GetSpecLine(21));
    EXPECT_DOUBLE_EQ(1.25, spectrum.GetSpecLine(22));
}

// Values go into band rows only: the source position in row 1 of a project
// with several loudspeaker positions is no band.
TEST_F(CTableClipboardTest, RefusesValuesOutsideBandCells)
{
    CVestolarDoc* pDoc =
        NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bAverageLoudspeaker});
    AddTimedMeasurement(pDoc, 122, "A", 1);
    CTabView* pView = OpenTable(pDoc, 122);
    ASSERT_NE(nullptr, pView);
    const NSpectrum before = RecordAt(pDoc, 122, 1).m_Spectrum;
    for (auto [nCol, nRow] : {std::make_pair(4, 1), std::make_pair(1, kRow100Hz), std::make_pair(5, kRow100Hz)}) {
        SCOPED_TRACE(testing::Message() << nCol << "," << nRow);
        m_boxes.m_boxes.clear();
        PutOnClipboard(pView, "55.0\n");
        PasteInto(pView, nCol, nRow);
        EXPECT_EQ(std::vector<std::string>{static_cast<LPCTSTR>(LoadedText(IDS_LOCKED_CELLS))}, BoxTexts());
    }
    EXPECT_TRUE(before == RecordAt(pDoc, 122, 1).m_Spectrum);
}

TEST_F(CTableClipboardTest, PastesATitleIntoRow0AndRefusesTabbedText)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    AddTimedMeasurement(pDoc, 122, "A", 1);
    CTabView* pView = OpenTable(pDoc, 122);
    ASSERT_NE(nullptr, pView);
    PutOnClipboard(pView, "  Living room \r\n");
    PasteInto(pView, 4, 0);
    EXPECT_EQ(CString("Living room"), RecordAt(pDoc, 122, 1).m_Spectrum.GetTitle());
    PutOnClipboard(pView, "a\tb\n");
    PasteInto(pView, 4, kRow100Hz);
    EXPECT_EQ(std::vector<std::string>{"Invalid data format."}, BoxTexts());
}

TEST_F(CTableClipboardTest, ImportsAnAnalyserExportAgainAndAgain)
{
    CVestolarDoc* pDoc = FieldAirborneProject();
    CTabView* pView = OpenTable(pDoc, 123);
    ASSERT_NE(nullptr, pView);
    const CString sExport = AnalyserExportText(
        {{"03.04.2025 10:11:12", "", "100 Hz", "125 Hz", {"50.5", "51.5"}},
         {"03.04.25 10:12:00", "Room 2", "1.25 kHz", "1.6 kHz", {"44,0", ""}}},
        true);
    for (int nPaste = 1; nPaste <= 2; ++nPaste) {
        SCOPED_TRACE(nPaste);
        PutOnClipboard(pView, sExport);
        PasteInto(pView, 1, 0);
        ASSERT_EQ(2 * nPaste, CountOf(pDoc, 123));
    }
    const NBuildData& first = RecordAt(pDoc, 123, 1);
    EXPECT_EQ(CString("01dB"), first.m_Spectrum.GetTitle());
    EXPECT_DOUBLE_EQ(51.5, first.m_Spectrum.GetSpecLine(21));
    EXPECT_EQ(CTime(2025, 4, 3, 10, 11, 12), first.m_Time);
    EXPECT_EQ(5, first.m_MeasSetup.GetInstrumentType(1));
    const NBuildData& second = RecordAt(pDoc, 123, 2);
    EXPECT_EQ(CString("Room 2"), second.m_Spectrum.GetTitle());
    EXPECT_DOUBLE_EQ(44.0, second.m_Spectrum.GetSpecLine(31));
    EXPECT_DOUBLE_EQ(kMissingValue, second.m_Spectrum.GetSpecLine(32));
    EXPECT_EQ(CString("Room 2"), CellText(*pView->m_pGrid, CTableColumns(123).FirstColOf(2), 0));
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(CTableClipboardTest, RefusedAnalyserExportsLeaveTheProjectAsItWas)
{
    struct {
        const char* lpszLower;
        int nBandKind;
        const char* lpszUnit;
        int nTableId;
        const char* lpszMessage;
    } const aRows[] = {
        {"100 Hz", 1, "Pa", 122, "Octave band measurements are not processed."},
        {"0.8 Hz", 3, "Pa", 122, "Lower freq error."},
        {"25 kHz", 3, "Pa", 122, "Lower freq error."},
        {"100 Hz", 3, "Pa", 124, "Data type conflict.\nLevel <=> Reverberation"},
        {"100 Hz", 3, "s", 122, "Data type conflict.\nLevel <=> Reverberation"},
    };
    CVestolarDoc* pDoc = FieldAirborneProject();
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.lpszMessage);
        CTabView* pView = OpenTable(pDoc, row.nTableId);
        ASSERT_NE(nullptr, pView);
        m_boxes.m_boxes.clear();
        // A good measurement first: a refusal files none of the export.
        const CString sExport = AnalyserExportText({{"03.04.2025 10:11:12", "Good", "100 Hz", "100 Hz", {"50.0"}},
                                                    {"03.04.2025 10:11:13", "Bad", row.lpszLower, "20 kHz", {"1"}}},
                                                   false, row.nBandKind, row.lpszUnit);
        PutOnClipboard(pView, sExport);
        PasteInto(pView, 1, 0);
        EXPECT_EQ(0, CountOf(pDoc, row.nTableId));
        EXPECT_EQ(std::vector<std::string>{row.lpszMessage}, BoxTexts());
    }
}
