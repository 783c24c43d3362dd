// Tests of the multiplot table window (CMultiplotTabView, CMultiplotTabGrid)
// under Wine: caption and refills by hint, typing by graph type, titles,
// Delete, the Add limit, heading selection with the delete question, value
// columns pasted and copied curves inserted up to the limit.
// Not yet tested: the context menu's position.

#include "MultiplotWindowFixture.h"

#include "multiplot/MultiplotTabGrid.h"
#include "multiplot/MultiplotTabView.h"
#include "res/resource.h"

namespace {

constexpr int kRowOfBand14 = 8;

class CMultiplotTableTest : public CMultiplotWindowTest {};

TEST_F(CMultiplotTableTest, ShowsCurvesWithCaptionAndIgnoresOtherHints)
{
    CVestolarDoc* pDoc = MultiplotProject(0);
    AddCurves(pDoc, 2);
    CMultiplotTabView* pView = OpenMultiplot(pDoc);
    ASSERT_NE(nullptr, pView);
    CMultiplotTabGrid& grid = *pView->m_pGrid;
    CString sCaption;
    pView->GetParentFrame()->GetWindowText(sCaption);
    EXPECT_EQ(CString("P - Multiplot"), sCaption);
    EXPECT_EQ(4, grid.GetColCount());
    EXPECT_EQ(CString("C2"), CellText(grid, 2, 0));
    EXPECT_EQ(CString("#2"), CellText(grid, 2, 1));
    EXPECT_EQ(CString("51.0"), CellText(grid, 2, kRow100Hz));

    pDoc->GetProject().m_sName = "Q";
    pDoc->GetProject().Recalculate(102);
    PumpMessages();
    pView->GetParentFrame()->GetWindowText(sCaption);
    EXPECT_EQ(CString("P - Multiplot"), sCaption);
}

TEST_F(CMultiplotTableTest, TypedValuesTakeTheFormOfTheGraphType)
{
    struct Row {
        int nGraphType;
        const char* lpszTyped;
        const char* lpszShown;
        double dStored;
    } const rows[] = {
        {0, "5", "5.0", 5.0},   {0, ".5", "0.5", 0.5},         {0, "-12.3", "-12.3", -12.3},
        {1, "2", "2.00", 2.0},  {1, "0.0", "", kMissingValue}, {1, "1.234", "1.23", 1.23},
        // 60 or more is no time nor absorption: the cell is emptied, not cut to "7.00".
        {1, "75", "", kMissingValue}, {2, "75", "", kMissingValue}, {2, "59.99", "59.99", 59.99},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.lpszTyped << " type " << row.nGraphType);
        CVestolarDoc* pDoc = MultiplotProject(row.nGraphType);
        AddMeasurement(pDoc, kMultiplotTableId, "A", {});
        CMultiplotTabView* pView = OpenMultiplot(pDoc);
        ASSERT_NE(nullptr, pView);
        TypeInto(*pView->m_pGrid, 1, kRow100Hz, row.lpszTyped);
        EXPECT_EQ(CString(row.lpszShown), CellText(*pView->m_pGrid, 1, kRow100Hz));
        const NSpectrum& spectrum = Curves(pDoc).GetHead().m_Spectrum;
        EXPECT_DOUBLE_EQ(row.dStored, spectrum.GetSpecLine(kBand100Hz));
        EXPECT_EQ(row.dStored == kMissingValue ? 4 : 1, spectrum.GetMeasStatus(kBand100Hz));
        pView->GetParentFrame()->DestroyWindow();
        PumpMessages();
    }
}

TEST_F(CMultiplotTableTest, TypedTitleRenamesAndDeleteClearsTitleAndBand)
{
    CVestolarDoc* pDoc = MultiplotProject(0);
    AddCurves(pDoc, 1);
    CMultiplotTabView* pView = OpenMultiplot(pDoc);
    ASSERT_NE(nullptr, pView);
    CMultiplotTabGrid& grid = *pView->m_pGrid;
    TypeInto(grid, 1, 0, "Wall");
    EXPECT_EQ(CString("Wall"), Curves(pDoc).GetHead().m_Spectrum.GetTitle());

    FocusCell(grid, 1, kRow100Hz);
    KeyDown(VK_DELETE);
    EXPECT_DOUBLE_EQ(kMissingValue, Curves(pDoc).GetHead().m_Spectrum.GetSpecLine(kBand100Hz));
    EXPECT_EQ(4, Curves(pDoc).GetHead().m_Spectrum.GetMeasStatus(kBand100Hz));
    EXPECT_EQ(CString(""), CellText(grid, 1, kRow100Hz));

    FocusCell(grid, 1, 0);
    KeyDown(VK_DELETE);
    EXPECT_EQ(CString(""), Curves(pDoc).GetHead().m_Spectrum.GetTitle());
}

TEST_F(CMultiplotTableTest, AddStopsSilentlyAtTenCurves)
{
    CVestolarDoc* pDoc = MultiplotProject(0);
    AddCurves(pDoc, 9);
    CMultiplotTabView* pView = OpenMultiplot(pDoc);
    ASSERT_NE(nullptr, pView);
    EXPECT_TRUE(IsCommandEnabled(ID_EDIT_ADD_MEASUREMENT));
    Command(ID_EDIT_ADD_MEASUREMENT);
    EXPECT_EQ(10, Curves(pDoc).GetCount());
    EXPECT_EQ(12, pView->m_pGrid->GetColCount());
    EXPECT_FALSE(IsCommandEnabled(ID_EDIT_ADD_MEASUREMENT));
    const size_t nBoxes = m_boxes.m_boxes.size();
    pView->m_pGrid->AddMeasurement("X", TRUE, 1);
    EXPECT_EQ(10, Curves(pDoc).GetCount());
    EXPECT_EQ(nBoxes, m_boxes.m_boxes.size());
    for (UINT nID : {ID_EXTRAS_BGN_CORRECTION, ID_EXTRAS_FTM_CORRECTION, ID_EXTRAS_SHIFTED_REF_CURVE,
                     ID_EXTRAS_TENTH_DB_ACCURACY, ID_EXTRAS_SWAP_TABLE}) {
        SCOPED_TRACE(nID);
        EXPECT_FALSE(IsCommandEnabled(nID));
    }
}

TEST_F(CMultiplotTableTest, HeadingSelectionDeletesOnlyAfterYes)
{
    CVestolarDoc* pDoc = MultiplotProject(0);
    AddCurves(pDoc, 3);
    CMultiplotTabView* pView = OpenMultiplot(pDoc);
    ASSERT_NE(nullptr, pView);
    CMultiplotTabGrid& grid = *pView->m_pGrid;
    ClickColumnHeading(grid, 2);
    HoldKeys(false, true);
    ClickColumnHeading(grid, 3);
    HoldKeys(false, false);
    ASSERT_EQ(2, grid.m_arrSelMeas.GetSize());
    EXPECT_EQ(2u, grid.m_arrSelMeas[0]);
    EXPECT_EQ(3u, grid.m_arrSelMeas[1]);
    EXPECT_TRUE(IsCommandEnabled(ID_EDIT_DELETE_MEASUREMENT));

    m_boxes.Answer({IDNO});
    Command(ID_EDIT_DELETE_MEASUREMENT);
    EXPECT_EQ(3, Curves(pDoc).GetCount());
    ASSERT_FALSE(m_boxes.m_boxes.empty());
    EXPECT_EQ("Confirm Measurement Delete", m_boxes.m_boxes.back().sCaption);

    m_boxes.Answer({IDYES});
    Command(ID_EDIT_DELETE_MEASUREMENT);
    ASSERT_EQ(1, Curves(pDoc).GetCount());
    EXPECT_EQ(CString("C1"), Curves(pDoc).GetHead().m_Spectrum.GetTitle());
    EXPECT_EQ(3, grid.GetColCount());
}

TEST_F(CMultiplotTableTest, PastedValueColumnFillsBandsDownAndStoresMissingForEmptyLines)
{
    CVestolarDoc* pDoc = MultiplotProject(0);
    AddMeasurement(pDoc, kMultiplotTableId, "A", {});
    CMultiplotTabView* pView = OpenMultiplot(pDoc);
    ASSERT_NE(nullptr, pView);
    CMultiplotTabGrid& grid = *pView->m_pGrid;
    FocusCell(grid, 1, kRowOfBand14);
    grid.SetClipboardText("41.5\r\n\r\n43\r\n");
    Command(ID_EDIT_PASTE);
    const NSpectrum& spectrum = Curves(pDoc).GetHead().m_Spectrum;
    EXPECT_DOUBLE_EQ(41.5, spectrum.GetSpecLine(14));
    EXPECT_DOUBLE_EQ(kMissingValue, spectrum.GetSpecLine(15));
    EXPECT_DOUBLE_EQ(43.0, spectrum.GetSpecLine(16));
    EXPECT_EQ(CString("41.5"), CellText(grid, 1, kRowOfBand14));

    FocusCell(grid, 0, kRowOfBand14);
    const size_t nBoxes = m_boxes.m_boxes.size();
    Command(ID_EDIT_PASTE);
    ASSERT_LT(nBoxes, m_boxes.m_boxes.size());
    EXPECT_EQ("Locked cells can not be modified.", m_boxes.m_boxes.back().sText);
}

TEST_F(CMultiplotTableTest, CopiedCurvesFillTheTableUpToTenAndSayWhenSomeDidNotFit)
{
    CVestolarDoc* pSource = MultiplotProject(0);
    AddCurves(pSource, 3);
    CMultiplotTabView* pSourceView = OpenMultiplot(pSource);
    ASSERT_NE(nullptr, pSourceView);
    ClickColumnHeading(*pSourceView->m_pGrid, 1);
    HoldKeys(true, false);
    ClickColumnHeading(*pSourceView->m_pGrid, 3);
    HoldKeys(false, false);
    Command(ID_EDIT_COPY);

    CVestolarDoc* pTarget = MultiplotProject(0);
    AddCurves(pTarget, 8);
    CMultiplotTabView* pTargetView = OpenMultiplot(pTarget);
    ASSERT_NE(nullptr, pTargetView);
    FocusCell(*pTargetView->m_pGrid, 1, kRow100Hz);
    const size_t nBoxes = m_boxes.m_boxes.size();
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(10, Curves(pTarget).GetCount());
    ASSERT_LT(nBoxes, m_boxes.m_boxes.size());
    EXPECT_EQ("Multiplot table has reached its limit.\nNot all measurements could be added.",
              m_boxes.m_boxes.back().sText);
    EXPECT_EQ(12, pTargetView->m_pGrid->GetColCount());
}

TEST_F(CMultiplotTableTest, OctaveAbsorptionShowsEveryThirdBand)
{
    CVestolarDoc* pDoc = MultiplotProject(2);
    std::vector<std::pair<int, double>> aBands;
    for (int nBand = 8; nBand <= 43; ++nBand)
        aBands.emplace_back(nBand, nBand >= 23 && nBand <= 25 ? 0.4 : (nBand >= 29 && nBand <= 31 ? 0.8 : 0.1));
    AddMeasurement(pDoc, kMultiplotTableId, "A", aBands);
    CMultiplotTabView* pView = OpenMultiplot(pDoc);
    ASSERT_NE(nullptr, pView);
    for (int nBand = 8; nBand <= 43; ++nBand) {
        SCOPED_TRACE(nBand);
        const bool bShown = nBand >= 16 && (nBand - 16) % 3 == 0;
        EXPECT_EQ(bShown, !CellText(*pView->m_pGrid, 1, nBand - 6).IsEmpty());
    }
}

} // namespace
