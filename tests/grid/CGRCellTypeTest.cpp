// CGRCellType on a printer's device context (an enhanced metafile that
// says it prints): a left-aligned text runs over the empty cells to its
// right as far as the page goes and those cells print nothing; a printed
// cell's font is scaled to the printed row's height.
#include "grid/CGRCellType.h"

#include "GridWindowFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Pages end after column nLastCol.
class CPagedGrid : public CFiftyGrid {
public:
    int GetPrintLastCol() const override { return m_nLastCol; }
    int m_nLastCol = 49;
};

using CGRCellTypePrint = CGridWindowTest<CPagedGrid>;

// A printing DC on a metafile for the life of the object; Stop() gives the
// recorded texts and fonts.
class CPrintRecording {
public:
    CPrintRecording()
    {
        m_dc.Attach(::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr));
        m_dc.m_bPrinting = TRUE;
        // Wine measures no text on a new metafile DC until a font is selected.
        m_dc.SelectStockObject(DEFAULT_GUI_FONT);
    }
    CTextRecorder Stop()
    {
        HENHMETAFILE hRecorded = ::CloseEnhMetaFile(m_dc.Detach());
        CTextRecorder recorder(hRecorded);
        ::DeleteEnhMetaFile(hRecorded);
        return recorder;
    }
    CDC m_dc;
};

}

TEST_F(CGRCellTypePrint, TextRunsOverEmptyCellsAsFarAsThePageGoes)
{
    struct Row {
        int nLastCol;
        LONG nExpectedRight;
    };
    const Row rows[] = {{49, 0}, {1, 150}, {0, 75}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nLastCol);
        m_grid.m_nLastCol = row.nLastCol;
        CGRCell cell;
        m_grid.GetCellIndirect(0, 7, &cell);
        CRect rect(0, 140, 75, 160);
        CPrintRecording recording;
        m_grid.GetCellType(0)->OnDraw(&recording.m_dc, &rect, 0, 7, &cell, 0, 0);
        CTextRecorder recorder = recording.Stop();
        const TextCall* pText = recorder.Find("A text that runs on over empty cells");
        ASSERT_NE(pText, nullptr);
        EXPECT_EQ(pText->ptReference.x, 4);
        if (row.nExpectedRight) {
            EXPECT_EQ(pText->rcClip.right, row.nExpectedRight);
        } else {
            EXPECT_GT(pText->rcClip.right, 150);  // the whole text fits
            EXPECT_EQ(pText->rcClip.right % 75, 0);
        }
    }
}

TEST_F(CGRCellTypePrint, CellTheTextRunsIntoPrintsNothing)
{
    CGRCell cell;
    m_grid.GetCellIndirect(1, 7, &cell);
    CRect rect(75, 140, 150, 160);
    CPrintRecording recording;
    m_grid.GetCellType(0)->OnDraw(&recording.m_dc, &rect, 1, 7, &cell, 0, 0);
    EXPECT_EQ(recording.Stop().m_nDrawings, 0);
}

TEST_F(CGRCellTypePrint, PrintedFontIsScaledToThePrintedRowHeight)
{
    LOGFONT guiFont = {};
    ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(guiFont), &guiFont);
    struct Row {
        const char* lpszCase;
        int nCol, nRow;
        int nPrintedHeight;
        LONG nExpectedFontHeight;
    };
    const Row rows[] = {
        {"bold cell of a row of 20", 1, 3, 43, 30},          // 43 / (20 + 1.5) = 2
        {"plain cell", 2, 3, 43, guiFont.lfHeight * 2},
        {"joined over two rows", 4, 4, 80, guiFont.lfHeight * 2},  // 80 / 2 / 20
        {"corner of one heading row", -1, -1, 40, guiFont.lfHeight * 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CGRCell cell;
        m_grid.GetCellIndirect(row.nCol, row.nRow, &cell);
        CRect rect(0, 0, 75, row.nPrintedHeight);
        CPrintRecording recording;
        m_grid.GetCellType(0)->OnPrintCell(&recording.m_dc, &rect, row.nCol, row.nRow, &cell);
        CTextRecorder recorder = recording.Stop();
        ASSERT_FALSE(recorder.m_createdHeights.empty());
        EXPECT_EQ(recorder.m_createdHeights.front(), row.nExpectedFontHeight);
    }
    CGRCell bold;
    m_grid.GetCellIndirect(1, 3, &bold);
    EXPECT_EQ(bold.GetFont(), m_grid.GetFont(0));  // the cell keeps its own font
}
