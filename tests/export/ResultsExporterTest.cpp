// Tests of CResultsExporter::ExportResults and its rules: the sheet by
// project kind, the template's name and search, the question when it is
// missing, the target's name, a cancelled or failed save, the launch, and
// the blocks of several loudspeaker positions.

#include "ExportFixture.h"

#include "ReportInfo.h"

#include <fstream>

using Cell = CWorkbookSheet;

class ResultsExporterTest : public CExportFixture {};

TEST(ResultsExporterRules, SheetByProjectKind)
{
    struct Row {
        const char* pName;
        bool CReportInfo::*aFlags[4];
        int nSheet;
    } kCases[] = {
        {"absorption", {&CReportInfo::m_bAbsorption}, 3},
        {"intensity", {&CReportInfo::m_bField, &CReportInfo::m_bIntensity}, 3},
        {"reverberation", {&CReportInfo::m_bField, &CReportInfo::m_bReverberation}, 2},
        {"loss factor", {&CReportInfo::m_bLab, &CReportInfo::m_bTotalLossFactor}, 2},
        {"BS standardised", {&CReportInfo::m_bField, &CReportInfo::m_bBS, &CReportInfo::m_bAirborne, &CReportInfo::m_bStandard}, 3},
        {"field single loudspeaker", {&CReportInfo::m_bField, &CReportInfo::m_bSingleLoudspeaker}, 3},
        {"field", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne}, 4},
        {"lab improvement", {&CReportInfo::m_bLab, &CReportInfo::m_bImprovement, &CReportInfo::m_bAirborne}, 3},
        {"lab impact reduction", {&CReportInfo::m_bLab, &CReportInfo::m_bImpact, &CReportInfo::m_bReduction}, 3},
        {"lab impact corrected", {&CReportInfo::m_bLab, &CReportInfo::m_bImpactCorrected}, 3},
        {"lab ASTM", {&CReportInfo::m_bLab, &CReportInfo::m_bASTM, &CReportInfo::m_bAirborne}, 4},
        {"lab impact", {&CReportInfo::m_bLab, &CReportInfo::m_bImpact}, 4},
        {"lab flanking", {&CReportInfo::m_bLab, &CReportInfo::m_bFlankingTransmission}, 4},
        {"lab airborne", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne}, 5},
    };
    for (const Row& row : kCases) {
        SCOPED_TRACE(row.pName);
        CReportInfo info;
        for (bool CReportInfo::*pFlag : row.aFlags)
            if (pFlag)
                info.*pFlag = true;
        EXPECT_EQ(row.nSheet, CResultsExporter::SheetOf(info));
    }
}

TEST(ResultsExporterRules, NamesAndPaths)
{
    EXPECT_EQ("method.xlsx", CResultsExporter::NormalizedTemplateName("Method.XLS"));
    EXPECT_EQ("Method.xlsx", CResultsExporter::NormalizedTemplateName("Method.xlsx"));
    EXPECT_EQ("multiplot", CResultsExporter::NormalizedTemplateName("Multiplot"));
    EXPECT_EQ("Flat 3 a b  .xlsx", CResultsExporter::FileNameOf("Flat 3 a/b:\\.xlsx"));
    struct { const char* pPath; const char* pExtension; const char* pResult; } kCases[] = {
        {"c:\\out\\report.xls", "xlsx", "c:\\out\\report.xlsx"},
        {"c:\\out\\Data2.xls", "xls", "c:\\out\\Data2.xls"},
        {"c:\\a.xls\\report", "xlsm", "c:\\a.xls\\report.xlsm"},
        {"report.final.xlsx", "xls", "report.final.xls"},
    };
    for (const auto& row : kCases)
        EXPECT_EQ(row.pResult, CResultsExporter::WithExtension(row.pPath, row.pExtension)) << row.pPath;
}

TEST(ResultsExporterRules, DecimalSeparatorFromTheSystemProfile)
{
    struct { const char* pSetting; char cSeparator; } kCases[] = {{"", '.'}, {",", ','}, {".", '.'}, {";x", ';'}};
    for (const auto& row : kCases) {
        CExportTestHost host;
        host.m_sDecimal = row.pSetting;
        EXPECT_EQ(row.cSeparator, CResultsExporter(host).GetDecimalSeparator()) << row.pSetting;
    }
}

// The template is tried as .xlsx, .xlsm and .xls; the target proposed takes
// the project's name and the extension of the template that loaded.
TEST_F(ResultsExporterTest, FindsTheTemplateByItsExtensionsAndProposesTheTarget)
{
    struct { const char* pStored; const char* pFile; const char* pProposed; } kCases[] = {
        {"Method.XLS", "tpl\\method.xlsx", "Flat 3 a b.xlsx"},
        {"Method.xls", "tpl\\method.xlsm", "Flat 3 a b.xlsm"},
        {"Method.xls", "tpl\\method.xls", "Flat 3 a b.xls"},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.pFile);
        WriteTemplate(row.pFile);
        CProjectDoc& doc = NewProject(row.pStored);
        doc.m_sName = "Flat 3 a/b";
        m_Host.m_aSaveProposals.clear();
        m_Host.m_sSaveAnswer = "exported.xlsx";
        CResultsExporter exporter(m_Host);
        EXPECT_TRUE(exporter.ExportResults(&doc, "", "", 4));
        EXPECT_EQ("method.xlsx", doc.m_ReportInfo.m_sTemplateFileName);
        ASSERT_EQ(1u, m_Host.m_aSaveProposals.size());
        EXPECT_EQ(row.pProposed, m_Host.m_aSaveProposals[0]);
        const CString sSaved = CResultsExporter::WithExtension("exported.xlsx", CString(row.pProposed).Mid(11));
        m_aFiles.push_back(sSaved);
        EXPECT_EQ(Cell::cellText, ReadBack(sSaved, 3).GetCell(57, 1).nType);  // the version in B58 of sheet 4
        std::remove(row.pFile);
    }
    EXPECT_TRUE(m_Host.m_aQuestions.empty());
}

TEST_F(ResultsExporterTest, AsksForAMissingTemplateUntilFoundOrGivenUp)
{
    WriteTemplate("elsewhere.xlsx");
    struct { const char* pName; bool bYes; std::deque<CString> aOpen; BOOL bResult; size_t nQuestions; } kCases[] = {
        {"no", false, {}, FALSE, 1},
        {"browse cancelled", true, {}, FALSE, 1},
        {"browse to a missing file, then cancelled", true, {"nowhere.xlsx"}, FALSE, 2},
        {"browse found", true, {"ELSEWHERE.XLSX"}, TRUE, 1},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.pName);
        CProjectDoc& doc = NewProject("missing.xls");
        m_Host.m_aQuestions.clear();
        m_Host.m_bAnswerYes = row.bYes;
        m_Host.m_aOpenAnswers = row.aOpen;
        m_aFiles.push_back("found.xlsx");
        CResultsExporter exporter(m_Host);
        EXPECT_EQ(row.bResult, exporter.ExportResults(&doc, "found.xlsx", "", 1));
        ASSERT_EQ(row.nQuestions, m_Host.m_aQuestions.size());
        EXPECT_EQ("The template file could not be found:\ntpl\\missing.xlsx\nDo you want to browse for it?",
                  m_Host.m_aQuestions[0]);
        EXPECT_EQ(row.bResult == TRUE, std::ifstream("found.xlsx").good());
    }
}

// The question names a path that was tried: the ".xls" a save dialog gives
// is tried as ".xlsx" too before the user is asked.
TEST_F(ResultsExporterTest, TriesThePathTheQuestionNames)
{
    WriteTemplate("book.xlsx", 3);
    CProjectDoc& doc = NewProject();
    CResultsExporter exporter(m_Host);
    EXPECT_TRUE(exporter.ExportResults(&doc, "book.xls", "book.xls", 2));
    EXPECT_TRUE(m_Host.m_aQuestions.empty());
    EXPECT_EQ(Cell::cellText, ReadBack("book.xlsx", 1).GetCell(57, 1).nType);
}

TEST_F(ResultsExporterTest, ACancelledSaveWritesNothingAndAFailedOneSaysWhichFile)
{
    WriteTemplate("tpl\\method.xlsx");
    CProjectDoc& doc = NewProject();
    m_Host.m_bSaveConfirmed = false;
    CResultsExporter exporter(m_Host);
    EXPECT_FALSE(exporter.ExportResults(&doc, "", "", 1));
    EXPECT_FALSE(std::ifstream("Flat 3.xlsx").good());
    EXPECT_TRUE(m_Host.m_aMessages.empty());

    EXPECT_FALSE(exporter.ExportResults(&doc, "no-such-folder/report.xls", "", 1));
    ASSERT_EQ(1u, m_Host.m_aMessages.size());
    EXPECT_EQ("The following file could not be saved:\nno-such-folder/report.xlsx", m_Host.m_aMessages[0]);
    EXPECT_TRUE(m_Host.m_aLaunched.empty());
}

TEST_F(ResultsExporterTest, LaunchesTheSavedFileWhenAsked)
{
    WriteTemplate("tpl\\method.xlsx");
    CProjectDoc& doc = NewProject();
    m_Host.m_Settings.m_bLaunchExcel = true;
    m_aFiles.push_back("launched.xlsx");
    CResultsExporter exporter(m_Host);
    EXPECT_TRUE(exporter.ExportResults(&doc, "launched.xls", "", 1));
    ASSERT_EQ(1u, m_Host.m_aLaunched.size());
    EXPECT_EQ("launched.xlsx", m_Host.m_aLaunched[0]);
}

// The report generator's data workbook is a scratch file the program deletes
// once the generator has read it: it is never opened for the user.
TEST_F(ResultsExporterTest, TheReportGeneratorsDataWorkbookIsNotLaunched)
{
    WriteTemplate("data.xlsx");
    CProjectDoc& doc = NewProject();
    m_Host.m_Settings.m_bLaunchExcel = true;
    m_Host.m_Settings.m_nExportTyp = 12;
    m_aFiles.push_back("data2.xlsx");
    CResultsExporter exporter(m_Host);
    EXPECT_TRUE(exporter.ExportResults(&doc, "data2.xlsx", "data.xlsx", 1));
    EXPECT_TRUE(m_Host.m_aLaunched.empty());
}

// With several averaged positions the "_Multi" template is filled, and each
// position gets a block 70 rows further down; the folder's name is not
// touched, and one position keeps the plain template.
TEST_F(ResultsExporterTest, SeveralPositionsFillTheMultiTemplateInBlocks)
{
    WriteTemplate("tpl\\method.xlsx", 4);
    WriteTemplate("tpl\\method_multi.xlsx", 4);
    struct { int nSets; const char* pMarker; std::vector<const char*> aRatings; } kCases[] = {
        {1, "plain", {}},
        {3, "multi", {"B109", "B179", "B249"}},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.nSets);
        CProjectDoc& doc = NewProject();
        doc.m_ReportInfo.m_bField = doc.m_ReportInfo.m_bAirborne = doc.m_ReportInfo.m_bISO = true;
        doc.m_ReportInfo.m_bAverageLoudspeaker = true;
        for (int nSet = 0; nSet < row.nSets; ++nSet) {
            CCalc calc;
            calc.m_dRating = 50 + nSet;
            doc.m_CalcSets.Add(calc);
        }
        m_aFiles.push_back("positions.xlsx");
        CResultsExporter exporter(m_Host);
        ASSERT_TRUE(exporter.ExportResults(&doc, "positions.xlsx", "", 4));
        CWorkbookSheet& sheet = ReadBack("positions.xlsx", 3);
        for (size_t i = 0; i < row.aRatings.size(); ++i)
            ExpectCells(sheet, {{row.aRatings[i], Cell::cellText, 0, std::to_string(50 + i).c_str()}});
        ExpectCells(sheet, {{"B319", Cell::cellEmpty, 0, ""}});
        // The blanks of the combined rows tell the multi form from the plain one.
        ExpectCells(sheet, {{"E2", row.nSets > 1 ? Cell::cellText : Cell::cellEmpty, 0, row.nSets > 1 ? " " : ""}});
    }
}

// "_Multi" goes into the file name only, never into a folder's; a book that
// is both template and target (the export onto one workbook's sheets) is
// taken as it is.
TEST_F(ResultsExporterTest, TheMultiFormChangesTheFileNameOnly)
{
    MakeFolder("dir.xls");
    WriteTemplate("dir.xls\\method_multi.xlsx", 4);
    WriteTemplate("book.xlsx", 4);
    CProjectDoc& doc = NewProject();
    doc.m_ReportInfo.m_bField = doc.m_ReportInfo.m_bAverageLoudspeaker = true;
    doc.m_CalcSets.Add(doc.m_Calc);
    doc.m_CalcSets.Add(doc.m_Calc);
    m_Host.m_Settings.m_sTemplateDir = "dir.xls";
    m_aFiles.push_back("multi-out.xlsx");
    CResultsExporter exporter(m_Host);
    EXPECT_TRUE(exporter.ExportResults(&doc, "multi-out.xlsx", "", 4));
    EXPECT_TRUE(exporter.ExportResults(&doc, "book.xlsx", "book.xlsx", 2));
    EXPECT_TRUE(m_Host.m_aQuestions.empty());
}

TEST_F(ResultsExporterTest, ASheetNumberPastTheTemplateFillsTheLastSheet)
{
    WriteTemplate("tpl\\method.xlsx", 2);
    CProjectDoc& doc = NewProject();
    m_aFiles.push_back("last.xlsx");
    CResultsExporter exporter(m_Host);
    ASSERT_TRUE(exporter.ExportResults(&doc, "last.xlsx", "", 5));
    EXPECT_EQ(Cell::cellEmpty, ReadBack("last.xlsx", 0).GetCell(57, 1).nType);
    EXPECT_EQ("Vestolar Version 4.2 (released)", ReadBack("last.xlsx", 1).GetCell(57, 1).sText);
}

// A remark pasted from elsewhere may hold control characters; the workbook
// must still open and show the rest of the text.
TEST_F(ResultsExporterTest, ControlCharactersInTextsStillGiveAWorkbook)
{
    CProjectDoc& doc = NewProject();
    doc.m_ReportInfo.m_bField = true;
    doc.m_ReportInfo.m_sClient = "A\x01" "B\x1F" "C\r\nD & <E>";
    ExpectCells(ExportToSheet(doc), {{"B33", Cell::cellText, 0, "A\x01" "B\x1F" "C\r\nD & <E>"}});
}
