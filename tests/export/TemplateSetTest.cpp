// Tests of CTemplateSet: the template names of the catalogue and a written
// template that the export fills where it looks.

#include "ExportFixture.h"

#include "tools/templatewriter/TemplateSet.h"

#include "newproject/MethodCatalogue.h"

#include <algorithm>

TEST(TemplateSet, NamesEveryCatalogueTemplateWithItsMultiAndExtendedForms)
{
    const CMethodCatalogue catalogue(4, {});
    const std::vector<CString> aNames = CTemplateSet::FileNames(catalogue.GetMethods());
    for (const char* pName : {"app_sri_iso16283_1.xlsx", "app_sri_iso16283_1_ext.xlsx",
                              "app_sri_iso16283_1_multi.xlsx", "app_sri_iso16283_1_ext_multi.xlsx",
                              "soundabsorption_iso354.xlsx", "totallossfactor_iso140_3.xlsx"})
        EXPECT_NE(aNames.end(), std::find(aNames.begin(), aNames.end(), pName)) << pName;
    EXPECT_EQ(aNames.end(), std::find(aNames.begin(), aNames.end(), "multiplotx"));
    for (const CString& sName : aNames)
        EXPECT_EQ(sName.Right(5), ".xlsx") << static_cast<LPCTSTR>(sName);
}

class TemplateSetTest : public CExportFixture {};

TEST_F(TemplateSetTest, AWrittenTemplateTakesTheResultsOnItsResultsSheet)
{
    CProjectDoc& doc = NewProject("set.xls");
    doc.m_ReportInfo.m_bField = doc.m_ReportInfo.m_bISO = doc.m_ReportInfo.m_bAirborne = true;
    doc.m_Calc.m_dRating = 55.0;
    ASSERT_TRUE(CTemplateSet::WriteTemplate("tpl\\set.xlsx", doc.m_ReportInfo, false));
    m_aFiles.push_back("tpl\\set.xlsx");
    m_aFiles.push_back("set-out.xlsx");
    CResultsExporter exporter(m_Host);
    ASSERT_TRUE(exporter.ExportResults(&doc, "set-out.xlsx", "", CResultsExporter::SheetOf(doc.m_ReportInfo)));
    CWorkbookSheet& results = ReadBack("set-out.xlsx", 3);
    ASSERT_EQ(4, m_Readback.GetSheetCount());
    ExpectCells(results, {{"B39", CWorkbookSheet::cellText, 0, "55"}, {"K32", CWorkbookSheet::cellText, 0, "\xB9)"}});
    EXPECT_EQ(2, results.GetCell(1, 1).nStyle);  // B2 keeps the template's one-decimal format
    ExpectCells(ReadBack("set-out.xlsx", 0), {{"B1", CWorkbookSheet::cellFormula, 0, "'Results'!B39"}});
}
