// Tests of CWorkbook, CWorkbookSheet and CZipArchive: cells written and read
// back, a template's other parts kept byte for byte, the styles new cells
// take, zips with data descriptors, and files that must fail cleanly.

#include "Workbook.h"
#include "ZipArchive.h"

#include "CAtomicFile.h"
#include "CFile.h"
#include "CFileException.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

const char kRels[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

// A template as a spreadsheet program leaves it: a styled sheet with a
// merged range, a row and a column style, shared texts, a chart part, a
// macro part and a calculation chain.
std::string TemplateBytes()
{
    CWorkbook book;
    book.CreateNew({"Report", "Data"});
    book.SetPart("xl/worksheets/sheet2.xml",
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                 "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                 "<dimension ref=\"A1:C3\"/><cols><col min=\"4\" max=\"4\" width=\"9\" style=\"2\" customWidth=\"1\"/></cols>"
                 "<sheetData><row r=\"1\" spans=\"1:3\"><c r=\"A1\" s=\"1\" t=\"s\"><v>0</v></c>"
                 "<c r=\"C1\" s=\"2\"><v>12.5</v></c></row>"
                 "<row r=\"3\" s=\"1\" customFormat=\"1\"><c r=\"B3\" t=\"s\"><v>1</v></c></row></sheetData>"
                 "<mergeCells count=\"1\"><mergeCell ref=\"A5:C5\"/></mergeCells>"
                 "<pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" header=\"0.3\" footer=\"0.3\"/>"
                 "</worksheet>");
    book.SetPart("xl/sharedStrings.xml",
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                 "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" count=\"2\" uniqueCount=\"2\">"
                 "<si><t>Rating</t></si><si><r><t>Vol</t></r><r><t>ume m\xC2\xB3</t></r></si></sst>",
                 "application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml");
    book.SetPart("xl/calcChain.xml",
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<calcChain "
                 "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><c r=\"A1\" i=\"1\"/></calcChain>",
                 "application/vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml");
    book.SetPart("xl/charts/chart1.xml", "<c:chartSpace xmlns:c=\"chart\"><c:chart/></c:chartSpace>",
                 "application/vnd.openxmlformats-officedocument.drawingml.chart+xml");
    book.SetPart("xl/vbaProject.bin", std::string("\xD0\xCF\x11\xE0 macro bytes \x01\x02", 18),
                 "application/vnd.ms-office.vbaProject");
    std::string sRels;
    book.GetPart("xl/_rels/workbook.xml.rels", sRels);
    sRels.insert(sRels.rfind("</"), std::string("<Relationship Id=\"rIdS\" Type=\"") + kRels +
                                        "/sharedStrings\" Target=\"sharedStrings.xml\"/><Relationship Id=\"rIdC\" "
                                        "Type=\"" + kRels + "/calcChain\" Target=\"calcChain.xml\"/>");
    book.SetPart("xl/_rels/workbook.xml.rels", sRels);
    return book.SaveBytes();
}

CWorkbookSheet& LoadedSheet(CWorkbook& book, const std::string& sBytes, int nSheet)
{
    EXPECT_EQ(CWorkbook::loadOk, book.LoadBytes(sBytes)) << book.GetError();
    EXPECT_NE(nullptr, book.GetSheet(nSheet));
    return *book.GetSheet(nSheet);
}

std::string ReadFile(const char* pPath)
{
    std::ifstream in(pPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const char* pPath, const std::string& sBytes)
{
    std::ofstream(pPath, std::ios::binary) << sBytes;
}

}  // namespace

TEST(Workbook, WrittenCellsReadBackWithTheirTypes)
{
    CWorkbook book;
    CWorkbookSheet& template_ = LoadedSheet(book, TemplateBytes(), 1);
    template_.SetNumber(31, 10, 52.7);                          // K32
    template_.SetText(38, 1, "52");                             // B39
    template_.SetText(36, 4, "m\xB3 & <\"x\">\nline \x01");     // E37
    template_.SetFormula(4, 26, "$K$32");                       // AA5
    template_.SetText(39, 1, " ");

    CWorkbook reread;
    CWorkbookSheet& sheet = LoadedSheet(reread, book.SaveBytes(), 1);
    struct { int nRow, nCol; CWorkbookSheet::CellType nType; double dNumber; const char* pText; } kCases[] = {
        {31, 10, CWorkbookSheet::cellNumber, 52.7, ""},
        {38, 1, CWorkbookSheet::cellText, 0, "52"},
        {36, 4, CWorkbookSheet::cellText, 0, "m\xB3 & <\"x\">\nline \x01"},
        {4, 26, CWorkbookSheet::cellFormula, 52.7, ""},
        {39, 1, CWorkbookSheet::cellText, 0, " "},
        {0, 0, CWorkbookSheet::cellText, 0, "Rating"},
        {2, 1, CWorkbookSheet::cellText, 0, "Volume m\xB3"},
        {0, 2, CWorkbookSheet::cellNumber, 12.5, ""},
        {1, 1, CWorkbookSheet::cellEmpty, 0, ""},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(testing::Message() << "row " << row.nRow << " col " << row.nCol);
        const CWorkbookSheet::CellInfo cell = sheet.GetCell(row.nRow, row.nCol);
        EXPECT_EQ(row.nType, cell.nType);
        EXPECT_EQ(row.dNumber, cell.dNumber);
        EXPECT_EQ(row.pText, cell.sText);
    }
    EXPECT_EQ("$K$32", sheet.GetCell(4, 26).sFormula);
}

TEST(Workbook, CellsKeepTheirStyleAndNewCellsTakeTheirRowsOrColumns)
{
    CWorkbook book;
    CWorkbookSheet& template_ = LoadedSheet(book, TemplateBytes(), 1);
    template_.SetText(0, 0, "replaced");   // A1, bold
    template_.SetNumber(0, 2, 1.0);        // C1, one decimal
    template_.SetNumber(2, 0, 3.0);        // A3, new in a row styled bold
    template_.SetNumber(5, 3, 4.0);        // D6, new in a column styled "0.0"
    template_.SetNumber(5, 4, 5.0);        // E6, new without any style

    CWorkbook reread;
    CWorkbookSheet& sheet = LoadedSheet(reread, book.SaveBytes(), 1);
    struct { int nRow, nCol, nStyle; } kCases[] = {{0, 0, 1}, {0, 2, 2}, {2, 0, 1}, {5, 3, 2}, {5, 4, -1}};
    for (const auto& row : kCases) {
        SCOPED_TRACE(testing::Message() << "row " << row.nRow << " col " << row.nCol);
        EXPECT_EQ(row.nStyle, sheet.GetCell(row.nRow, row.nCol).nStyle);
    }
}

TEST(Workbook, OtherPartsRoundTripByteForByte)
{
    const std::string sTemplate = TemplateBytes();
    CZipArchive before;
    std::string sError;
    ASSERT_TRUE(before.Read(sTemplate, sError));

    CWorkbook book;
    LoadedSheet(book, sTemplate, 1).SetNumber(1, 1, 2.0);
    CZipArchive after;
    ASSERT_TRUE(after.Read(book.SaveBytes(), sError));

    for (const CZipArchive::Entry& entry : before.GetEntries()) {
        SCOPED_TRACE(entry.sName);
        const bool bEdited = entry.sName == "xl/worksheets/sheet2.xml" || entry.sName == "xl/workbook.xml" ||
                             entry.sName == "xl/_rels/workbook.xml.rels" || entry.sName == "[Content_Types].xml";
        if (entry.sName == "xl/calcChain.xml") {
            EXPECT_FALSE(after.Has(entry.sName));
            continue;
        }
        std::string sBefore, sAfter;
        ASSERT_TRUE(before.Extract(entry.sName, sBefore, sError));
        ASSERT_TRUE(after.Extract(entry.sName, sAfter, sError));
        if (!bEdited) {
            EXPECT_EQ(sBefore, sAfter);
        }
    }
    std::string sSheet, sWorkbook, sTypes, sRels;
    after.Extract("xl/worksheets/sheet2.xml", sSheet, sError);
    after.Extract("xl/workbook.xml", sWorkbook, sError);
    after.Extract("[Content_Types].xml", sTypes, sError);
    after.Extract("xl/_rels/workbook.xml.rels", sRels, sError);
    EXPECT_NE(std::string::npos, sSheet.find("<mergeCells count=\"1\"><mergeCell ref=\"A5:C5\"/></mergeCells>"));
    EXPECT_NE(std::string::npos, sSheet.find("<dimension ref=\"A1:C3\"/>"));
    EXPECT_NE(std::string::npos, sWorkbook.find("fullCalcOnLoad=\"1\""));
    EXPECT_EQ(std::string::npos, sTypes.find("calcChain"));
    EXPECT_NE(std::string::npos, sTypes.find("vbaProject"));
    EXPECT_EQ(std::string::npos, sRels.find("calcChain"));
}

// Some zip writers put an entry's sizes after its data and leave zeros in
// its local header; the central directory has them.
TEST(Workbook, ReadsZipsWithDataDescriptors)
{
    CZipArchive zip;
    std::string sError;
    ASSERT_TRUE(zip.Read(TemplateBytes(), sError));
    std::string sLocal, sDirectory;
    auto le = [](std::string& s, unsigned n, int nBytes) {
        for (int i = 0; i < nBytes; ++i, n >>= 8)
            s += static_cast<char>(n & 0xFF);
    };
    for (const CZipArchive::Entry& entry : zip.GetEntries()) {
        const unsigned nOffset = static_cast<unsigned>(sLocal.size());
        le(sLocal, 0x04034b50, 4);
        le(sLocal, 20, 2); le(sLocal, 8, 2); le(sLocal, entry.nMethod, 2); le(sLocal, 0, 4);
        le(sLocal, 0, 4); le(sLocal, 0, 4); le(sLocal, 0, 4);
        le(sLocal, static_cast<unsigned>(entry.sName.size()), 2); le(sLocal, 0, 2);
        sLocal += entry.sName + entry.sCompressed;
        le(sLocal, 0x08074b50, 4);
        le(sLocal, static_cast<unsigned>(entry.nCrc), 4);
        le(sLocal, static_cast<unsigned>(entry.sCompressed.size()), 4);
        le(sLocal, static_cast<unsigned>(entry.nUncompressedSize), 4);
        le(sDirectory, 0x02014b50, 4);
        le(sDirectory, 20, 2); le(sDirectory, 20, 2); le(sDirectory, 8, 2); le(sDirectory, entry.nMethod, 2);
        le(sDirectory, 0, 4); le(sDirectory, static_cast<unsigned>(entry.nCrc), 4);
        le(sDirectory, static_cast<unsigned>(entry.sCompressed.size()), 4);
        le(sDirectory, static_cast<unsigned>(entry.nUncompressedSize), 4);
        le(sDirectory, static_cast<unsigned>(entry.sName.size()), 2);
        le(sDirectory, 0, 2); le(sDirectory, 0, 2); le(sDirectory, 0, 2); le(sDirectory, 0, 2); le(sDirectory, 0, 4);
        le(sDirectory, nOffset, 4);
        sDirectory += entry.sName;
    }
    std::string sZip = sLocal + sDirectory;
    le(sZip, 0x06054b50, 4); le(sZip, 0, 4);
    le(sZip, static_cast<unsigned>(zip.GetEntries().size()), 2);
    le(sZip, static_cast<unsigned>(zip.GetEntries().size()), 2);
    le(sZip, static_cast<unsigned>(sDirectory.size()), 4);
    le(sZip, static_cast<unsigned>(sLocal.size()), 4);
    le(sZip, 0, 2);

    CWorkbook book;
    EXPECT_EQ(12.5, LoadedSheet(book, sZip, 1).GetCell(0, 2).dNumber);
}

TEST(Workbook, DamagedAndForeignFilesFailCleanly)
{
    const std::string sGood = TemplateBytes();
    const size_t nEnd = sGood.size() - 22;
    auto patched = [&](size_t nPos, const std::string& sBytes) {
        std::string s = sGood;
        s.replace(nPos, sBytes.size(), sBytes);
        return s;
    };
    const size_t nDirectory = nEnd - (static_cast<unsigned char>(sGood[nEnd + 12]) |
                                      static_cast<unsigned char>(sGood[nEnd + 13]) << 8);
    struct { const char* pName; std::string sBytes; CWorkbook::LoadResult nResult; } kCases[] = {
        {"Excel 97-2003", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(504, '\0'),
         CWorkbook::loadLegacyFormat},
        {"text", "Client;Date\n", CWorkbook::loadNotWorkbook},
        {"empty", "", CWorkbook::loadNotWorkbook},
        {"zip64", patched(nEnd + 10, "\xFF\xFF"), CWorkbook::loadDamaged},
        {"encrypted", patched(nDirectory + 8, "\x01"), CWorkbook::loadDamaged},
        {"bad checksum", patched(nDirectory + 16, std::string(4, '\0')), CWorkbook::loadDamaged},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.pName);
        CWorkbook book;
        EXPECT_EQ(row.nResult, book.LoadBytes(row.sBytes));
        EXPECT_FALSE(book.GetError().empty());
        EXPECT_EQ(0, book.GetSheetCount());
    }
    for (size_t nLength = 0; nLength < sGood.size(); ++nLength) {
        CWorkbook book;
        ASSERT_NE(CWorkbook::loadOk, book.LoadBytes(sGood.substr(0, nLength))) << nLength;
    }
}

TEST(Workbook, AFailedSaveKeepsTheOldFile)
{
    const char* pPath = "failed-save.xlsx";
    WriteFile(pPath, "the old workbook");
    CWorkbook book;
    LoadedSheet(book, TemplateBytes(), 0).SetNumber(0, 0, 1.0);
    CAtomicFile::SetSaveStepHook([](CAtomicFile::SaveStep, const CString& sPath) {
        AfxThrowFileException(CFileException::diskFull, -1, sPath);
    });
    EXPECT_FALSE(book.Save(pPath));
    CAtomicFile::SetSaveStepHook(nullptr);
    EXPECT_EQ("the old workbook", ReadFile(pPath));
    EXPECT_FALSE(std::ifstream(static_cast<LPCTSTR>(CAtomicFile::TempPathOf(pPath))).good());

    EXPECT_TRUE(book.Save(pPath));
    CWorkbook reread;
    EXPECT_EQ(CWorkbook::loadOk, reread.Load(pPath));
    EXPECT_EQ(1.0, reread.GetSheet(0)->GetCell(0, 0).dNumber);
    std::remove(pPath);
}

TEST(Workbook, ChartSheetsCountButTakeNoCells)
{
    CWorkbook book;
    book.CreateNew({"Data"});
    std::string sWorkbook, sRels;
    book.GetPart("xl/workbook.xml", sWorkbook);
    book.GetPart("xl/_rels/workbook.xml.rels", sRels);
    sWorkbook.insert(sWorkbook.find("</sheets>"), "<sheet name=\"Chart\" sheetId=\"9\" r:id=\"rIdChart\"/>");
    sRels.insert(sRels.rfind("</"), std::string("<Relationship Id=\"rIdChart\" Type=\"") + kRels +
                                        "/chartsheet\" Target=\"chartsheets/sheet1.xml\"/>");
    book.SetPart("xl/workbook.xml", sWorkbook);
    book.SetPart("xl/_rels/workbook.xml.rels", sRels);
    book.SetPart("xl/chartsheets/sheet1.xml", "<chartsheet/>");
    CWorkbook reread;
    ASSERT_EQ(CWorkbook::loadOk, reread.LoadBytes(book.SaveBytes())) << reread.GetError();
    EXPECT_EQ(2, reread.GetSheetCount());
    EXPECT_EQ("Chart", reread.GetSheetName(1));
    EXPECT_EQ(nullptr, reread.GetSheet(1));
}
