// Tests of CKelXlsxWriter: sheet clamps, 1-based cells, texts that keep or
// clear a cell, and files that are not workbooks of the format it fills.

#include "ExportFixture.h"

#include "export/KelXlsxWriter.h"

#include <fstream>

using Cell = CWorkbookSheet;

class KelXlsxWriterTest : public CExportFixture {};

TEST_F(KelXlsxWriterTest, SelectsTheLastSheetAfterLoadingAndClampsRequests)
{
    WriteTemplate("three.xlsx", 3);
    CKelXlsxWriter writer(&m_Host);
    ASSERT_TRUE(writer.Load("THREE.XLSX"));  // read as the lower-case name
    struct { int nAsked, nCurrent, nWrittenSheet; } kCases[] = {{5, 3, 2}, {0, 0, 0}, {-2, -2, 0}, {2, 2, 1}};
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.nAsked);
        ASSERT_TRUE(writer.Load("three.xlsx"));
        EXPECT_EQ(3, writer.GetCurrentSheet());
        writer.SelectSheet(row.nAsked);
        EXPECT_EQ(row.nCurrent, writer.GetCurrentSheet());
        writer.WriteNumber(1, 1, 7.0);
        m_aFiles.push_back("three-out.xlsx");
        ASSERT_TRUE(writer.Save("three-out.xlsx"));
        for (int nSheet = 0; nSheet < 3; ++nSheet)
            EXPECT_EQ(nSheet == row.nWrittenSheet ? Cell::cellNumber : Cell::cellEmpty,
                      ReadBack("three-out.xlsx", nSheet).GetCell(0, 0).nType) << "sheet " << nSheet;
    }
}

TEST_F(KelXlsxWriterTest, WritesAtOneBasedCellsAndSkipsEmptyTexts)
{
    WriteTemplate("cells.xlsx", 1);
    CKelXlsxWriter writer(&m_Host);
    ASSERT_TRUE(writer.Load("cells.xlsx"));
    writer.WriteString(3, 2, "kept");
    writer.WriteString(3, 2, "");          // leaves "kept"
    writer.WriteString(4, 2, "gone");
    writer.WriteString(4, 2, " ");         // a blank replaces it
    writer.WriteNumber(0, 0, 1.5);         // row and column 0 reach A1
    writer.WriteFormula(5, 2, "");
    writer.WriteFormula(6, 2, "$A$1");
    m_aFiles.push_back("cells-out.xlsx");
    ASSERT_TRUE(writer.Save("cells-out.xlsx"));
    ExpectCells(ReadBack("cells-out.xlsx", 0), {{"B3", Cell::cellText, 0, "kept"},
                                                {"B4", Cell::cellText, 0, " "},
                                                {"A1", Cell::cellNumber, 1.5, ""},
                                                {"B5", Cell::cellEmpty, 0, ""},
                                                {"B6", Cell::cellFormula, 0, "$A$1"}});
    EXPECT_DOUBLE_EQ(1.5, ReadBack("cells-out.xlsx", 0).GetCell(5, 1).dNumber);
}

TEST_F(KelXlsxWriterTest, DoesNothingWithoutABook)
{
    CKelXlsxWriter writer(&m_Host);
    writer.SelectSheet(2);
    writer.WriteNumber(1, 1, 1.0);
    writer.WriteString(1, 1, "x");
    EXPECT_FALSE(writer.Save("never.xlsx"));
    EXPECT_FALSE(std::ifstream("never.xlsx").good());
}

// The kind is told by the content: an Excel 97-2003 file is named in a box,
// a missing file is not (the exporter's search goes on and asks itself).
TEST_F(KelXlsxWriterTest, RefusesExcel97FilesWithABox)
{
    std::ofstream("old.xls", std::ios::binary) << std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8)
                                               << std::string(504, '\0');
    m_aFiles.push_back("old.xls");
    CKelXlsxWriter writer(&m_Host);
    EXPECT_FALSE(writer.Load("OLD.XLS"));
    EXPECT_FALSE(writer.Load("missing.xlsx"));
    ASSERT_EQ(1u, m_Host.m_aMessages.size());
    EXPECT_NE(-1, m_Host.m_aMessages[0].Find("Excel 97-2003"));
    EXPECT_NE(-1, m_Host.m_aMessages[0].Find("old.xls"));
}
