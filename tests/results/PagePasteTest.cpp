// Pasted text on a result or report page.

#include "results/PagePaste.h"

#include <gtest/gtest.h>

namespace {

std::string Cells(const std::vector<CCellText>& cells)
{
    std::string sText;
    for (const CCellText& cell : cells)
        sText += "(" + std::to_string(cell.nCol) + "," + std::to_string(cell.nRow) + ")" + static_cast<LPCTSTR>(cell.sText) + " ";
    return sText;
}

TEST(PagePaste, SplitsAtTabsAndLineEnds)
{
    const struct {
        const char* lpszText;
        int nCol;
        int nRow;
        const char* lpszCells;
        int nLastCol;
        int nLastRow;
    } aCases[] = {
        {"a\tb\r\nc", 18, 40, "(18,40)a (19,40)b (18,41)c ", 19, 41},
        {"a\nb\rc", 0, 0, "(0,0)a (0,1)b (0,2)c ", 0, 2},
        {"a\t\tb", 0, 0, "(0,0)a (1,0) (2,0)b ", 2, 0},
        {"a\r\n", 3, 3, "(3,3)a ", 3, 3},
        {"", 3, 3, "", 3, 3},
        // Past the last column (70) and row (121) nothing is written.
        {"x\ty\tz", 69, 120, "(69,120)x (70,120)y ", 70, 120},
        {"x\ny\nz", 5, 120, "(5,120)x (5,121)y ", 5, 121},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszText);
        CPagePaste paste(71, 122);
        EXPECT_EQ(c.lpszCells, Cells(paste.Split(c.lpszText, c.nCol, c.nRow)));
        EXPECT_EQ(c.nLastCol, paste.m_nLastCol);
        EXPECT_EQ(c.nLastRow, paste.m_nLastRow);
    }
}

TEST(PagePaste, KeepsEveryLineInOneField)
{
    CPagePaste paste(71, 122);
    EXPECT_EQ("(0,45)one\r\ntwo\tthree ", Cells(paste.IntoField("one\r\ntwo\tthree", 0, 45)));
}

} // namespace
