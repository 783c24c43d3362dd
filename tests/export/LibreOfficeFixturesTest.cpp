// Writes one exported workbook per sheet writer and variant into the folder
// "libreoffice", each with the cells it must show in a reader we did not
// write (<name>.expected: sheet, cell and text per line, a line break in
// the text written as backslash and n). The ctest test
// ExportedWorkbooksInLibreOffice opens them in LibreOffice and compares.

#include "ExportFixture.h"

#include "CorrectionRules.h"
#include "ReportInfo.h"
#include "TableIds.h"

#include <filesystem>
#include <fstream>

namespace {

struct CLibreOfficeCase {
    const char* pName;
    void (*prepare)(CProjectDoc& doc, CExportSettings& settings);
    std::vector<std::pair<const char*, const char*>> aCells;  // cell of the data sheet, text as shown
};

const CLibreOfficeCase kCases[] = {
    {"field",
     [](CProjectDoc& doc, CExportSettings& settings) {
         doc.m_ReportInfo.m_bField = doc.m_ReportInfo.m_bISO = doc.m_ReportInfo.m_bAirborne = true;
         settings.m_bBgnCorrection = true;
         doc.m_Calc.m_dRating = 52.7;
         CExportFixture::SetBand(doc.m_Calc.m_aSpec[4], 20, 1.2, kStatusLimited);
         CExportFixture::AddSummary(doc, kTableReceiving, 20, 40.0);
         doc.m_ReportInfo.m_sClient = "Caf\xE9 & <Bar>";
         doc.m_ReportInfo.m_sDescription = "line \x01two\r\nnext";
     },
     {{"B39", "52"}, {"C5", "1"}, {"AA5", "\xC2\xB9)"}, {"F5", "41.2"}, {"H5", ""}, {"L5", " "},
      {"B33", "Caf\xC3\xA9 & <Bar>"}, {"B35", "line \x01two\nnext"}, {"K31", "1"}}},
    {"lab",
     [](CProjectDoc& doc, CExportSettings& settings) {
         doc.m_ReportInfo.m_bLab = doc.m_ReportInfo.m_bISO = doc.m_ReportInfo.m_bAirborne = true;
         settings.m_bBgnCorrection = settings.m_bFtmCorrection = true;
         CExportFixture::SetBand(doc.m_Calc.m_aSpec[4], 20, 0.5, kStatusLimited);
         CExportFixture::SetBand(doc.m_Calc.m_aSpec[5], 20, 0.3, kStatusLimited);
         CExportFixture::SetBand(doc.m_Calc.m_aSpec[2], 20, 7.04);
     },
     {{"C5", "1 2"}, {"J33", "Minimum values"}, {"H5", "7.0"}, {"AA5", "\xC2\xB9)"}}},
    {"absorption",
     [](CProjectDoc& doc, CExportSettings&) {
         doc.m_ReportInfo.m_bAbsorption = doc.m_ReportInfo.m_bAlpha_S = true;
         doc.m_ReportInfo.m_nYear = 2003;
         doc.m_ReportInfo.m_dHumidity1 = 45.5;
         doc.m_Calc.m_dRating = 0.85;
         CExportFixture::SetBand(doc.m_Calc.m_aSpec[0], 37, 0.95);
     },
     {{"E32", "45.5"}, {"B22", "0.95"}, {"B42", "0.85"}}},
    {"lossfactor",
     [](CProjectDoc& doc, CExportSettings&) {
         doc.m_ReportInfo.m_bLab = doc.m_ReportInfo.m_bTotalLossFactor = true;
         doc.m_Calc.m_dRating = 0.02;
         CExportFixture::SetBand(doc.m_Calc.m_aSpec[0], 20, 0.013);
     },
     {{"B5", "0.013"}}},
    {"positions",
     [](CProjectDoc& doc, CExportSettings& settings) {
         doc.m_ReportInfo.m_bField = doc.m_ReportInfo.m_bISO = doc.m_ReportInfo.m_bAirborne = true;
         doc.m_ReportInfo.m_bAverageLoudspeaker = true;
         settings.m_bExactRating = true;
         CCalc position;
         position.m_dRating = 52.34;
         doc.m_CalcSets.Add(position);
         position.m_dRating = 49.0;
         doc.m_CalcSets.Add(position);
     },
     {{"B109", "52.3"}, {"B179", "49.0"}, {"E2", " "}}},
};

}  // namespace

class LibreOfficeFixtures : public CExportFixture {};

TEST_F(LibreOfficeFixtures, WriteExportedWorkbooksWithTheirExpectedCells)
{
    std::filesystem::create_directory("libreoffice");
    for (const CLibreOfficeCase& row : kCases) {
        SCOPED_TRACE(row.pName);
        const CString sTemplate = CString("libreoffice/") + row.pName + "-template.xlsx";
        const CString sMultiTemplate = CString("libreoffice/") + row.pName + "-template_multi.xlsx";
        CWorkbook book;
        book.CreateNew({"Report", "Data"});
        book.GetSheet(1)->SetText(31, 10, "\xB9)");  // K32, the footnote mark the formulas show
        book.GetSheet(0)->SetFormula(0, 0, "Data!B39");
        ASSERT_TRUE(book.Save(sTemplate));
        ASSERT_TRUE(book.Save(sMultiTemplate));
        CProjectDoc& doc = NewProject();
        row.prepare(doc, m_Host.m_Settings);
        CResultsExporter exporter(m_Host);
        const CString sTarget = CString("libreoffice/") + row.pName + ".xlsx";
        ASSERT_TRUE(exporter.ExportResults(&doc, sTarget, sTemplate, 2));
        std::remove(sTemplate);
        std::remove(sMultiTemplate);
        std::ofstream expected(std::string("libreoffice/") + row.pName + ".expected", std::ios::binary);
        for (const auto& cell : row.aCells) {
            std::string sText = cell.second;
            for (size_t nBreak = sText.find('\n'); nBreak != std::string::npos; nBreak = sText.find('\n', nBreak))
                sText.replace(nBreak, 1, "\\n");
            expected << "Data\t" << cell.first << "\t" << sText << "\n";
        }
    }
}
