#include "ExportFixture.h"

#include "WorkbookText.h"

#include <cstdio>
#include <filesystem>

CString CExportTestHost::LoadText(UINT nId) const
{
    CString sText;
    sText.LoadString(nId);
    return sText;
}

bool CExportTestHost::AskYesNo(const CString& sText)
{
    m_aQuestions.push_back(sText);
    return m_bAnswerYes;
}

bool CExportTestHost::BrowseForOpen(CString& rsPath, const CString&, const CString&)
{
    if (m_aOpenAnswers.empty())
        return false;
    rsPath = m_aOpenAnswers.front();
    m_aOpenAnswers.pop_front();
    return true;
}

bool CExportTestHost::BrowseForSave(CString& rsPath, const CString&, const CString&, const CString&)
{
    m_aSaveProposals.push_back(rsPath);
    if (!m_sSaveAnswer.IsEmpty())
        rsPath = m_sSaveAnswer;
    return m_bSaveConfirmed;
}

// The template folder "tpl": a folder under Windows; natively the paths
// "tpl\\name" are plain file names beside it.
CExportFixture::CExportFixture()
{
    MakeFolder("tpl");
    m_Host.m_Settings.m_sTemplateDir = "tpl";
    m_Host.m_Settings.m_bLaunchExcel = false;
    m_Host.m_Settings.m_sTextBgnTooHigh = "Background noise too high";
    m_Host.m_Settings.m_sFirm = "Acme Acoustics";
}

CExportFixture::~CExportFixture()
{
    for (const CString& sPath : m_aFiles)
        std::remove(sPath);
    std::error_code ignored;
    for (const std::string& sFolder : m_aFolders)
        std::filesystem::remove(sFolder, ignored);
}

void CExportFixture::MakeFolder(const char* pName)
{
    std::filesystem::create_directory(pName);
    m_aFolders.push_back(pName);
}

void CExportFixture::WriteTemplate(const CString& sPath, int nSheets)
{
    std::vector<std::string> aNames;
    for (int i = 1; i <= nSheets; ++i)
        aNames.push_back("Sheet" + std::to_string(i));
    CWorkbook book;
    book.CreateNew(aNames);
    ASSERT_TRUE(book.Save(sPath));
    m_aFiles.push_back(sPath);
}

CProjectDoc& CExportFixture::NewProject(const CString& sTemplateName)
{
    m_pDoc = std::make_unique<CProjectDoc>();
    m_pDoc->m_sName = "Flat 3";
    m_pDoc->m_ReportInfo.m_sTemplateFileName = sTemplateName;
    return *m_pDoc;
}

CWorkbookSheet& CExportFixture::ReadBack(const CString& sPath, int nSheet)
{
    EXPECT_EQ(CWorkbook::loadOk, m_Readback.Load(sPath)) << m_Readback.GetError();
    static CWorkbookSheet empty;
    CWorkbookSheet* pSheet = m_Readback.GetSheet(nSheet);
    return pSheet ? *pSheet : empty;
}

CWorkbookSheet& CExportFixture::ExportToSheet(CProjectDoc& doc)
{
    WriteTemplate("one.xlsx", 1);
    WriteTemplate("one_multi.xlsx", 1);
    m_aFiles.push_back("out.xlsx");
    CResultsExporter exporter(m_Host);
    EXPECT_TRUE(exporter.ExportResults(&doc, "out.xlsx", "one.xlsx", 1));
    return ReadBack("out.xlsx", 0);
}

void CExportFixture::SetBand(NSpectrum& spec, int nBand, double dValue, int nStatus)
{
    spec.InsertSpecLine(nBand, dValue, 1, static_cast<BYTE>(nStatus));
}

void CExportFixture::AddSummary(CProjectDoc& doc, int nTableId, int nBand, double dValue)
{
    CMeasurementList* pList = doc.GetMeasurementList(nTableId);
    if (pList->IsEmpty()) {
        NBuildData summary;
        pList->AddTail(summary);
    }
    SetBand(pList->GetHead().m_Spectrum, nBand, dValue);
}

void ExpectCells(const CWorkbookSheet& sheet, const std::vector<CExpectedCell>& aCells)
{
    for (const CExpectedCell& expected : aCells) {
        SCOPED_TRACE(expected.pAddress);
        int nRow = 0, nCol = 0;
        ASSERT_TRUE(WorkbookText::ParseCellAddress(expected.pAddress, nRow, nCol));
        const CWorkbookSheet::CellInfo cell = sheet.GetCell(nRow, nCol);
        EXPECT_EQ(expected.nType, cell.nType);
        if (expected.nType == CWorkbookSheet::cellNumber)
            EXPECT_DOUBLE_EQ(expected.dNumber, cell.dNumber);
        else if (expected.nType == CWorkbookSheet::cellFormula)
            EXPECT_EQ(expected.pText, cell.sFormula);
        else
            EXPECT_EQ(expected.pText, cell.sText);
    }
}
