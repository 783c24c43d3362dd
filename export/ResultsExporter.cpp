#include "ResultsExporter.h"

#include "ExportHost.h"

#include "ProjectDoc.h"
#include "ReportInfo.h"

#include "res/resource.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// The template cell positions, 1-based (row, column); several entries share
// a cell on purpose, and the writers move some of them for one export.
const CELLPOS kCellPositions[CResultsExporter::kCellCount] = {
    {58, 2},  {2, 2},   {2, 4},   {2, 3},   {2, 5},   {2, 6},   {2, 7},   {2, 8},   {2, 9},   {2, 10},
    {2, 11},  {2, 12},  {22, 4},  {2, 13},  {2, 20},  {2, 21},  {2, 22},  {2, 23},  {2, 24},  {2, 25},
    {2, 13},  {2, 27},  {33, 2},  {34, 2},  {35, 1},  {35, 2},  {36, 1},  {36, 2},  {37, 2},  {39, 2},
    {40, 2},  {41, 2},  {42, 2},  {44, 2},  {46, 2},  {43, 2},  {45, 2},  {47, 2},  {48, 1},  {49, 2},
    {50, 2},  {51, 2},  {52, 2},  {55, 2},  {53, 2},  {54, 1},  {54, 2},  {37, 4},  {37, 5},  {37, 6},
    {38, 4},  {38, 5},  {38, 6},  {39, 4},  {39, 5},  {39, 6},  {36, 4},  {36, 5},  {36, 6},  {32, 10},
    {32, 5},  {36, 5},  {33, 5},  {37, 5},  {32, 8},  {33, 8},  {34, 5},  {35, 5},  {42, 2},  {43, 2},
    {2, 6},   {2, 2},   {2, 3},   {2, 4},   {2, 5},   {22, 2},  {36, 5},  {57, 2},  {35, 2},  {56, 2},
    {36, 2},  {38, 2},  {33, 5},  {35, 5},  {34, 5},  {57, 2},  {32, 5},  {36, 5},  {37, 5},  {2, 14},
    {2, 17},  {2, 14},  {2, 15},  {2, 16},  {2, 17},  {37, 5},  {33, 5},  {34, 5},  {35, 5},  {42, 5},
    {43, 5},  {44, 5}};

const int kExportToReportGenerator = 12;
const int kPositionRowStep = 70;

// Where the file name of a path begins.
int FileNameStart(const CString& sPath)
{
    return std::max(sPath.ReverseFind('\\'), sPath.ReverseFind('/')) + 1;
}

// A replacement in the file name only: a folder named "x.xls" stays.
CString ReplaceInFileName(const CString& sPath, LPCTSTR lpszOld, LPCTSTR lpszNew)
{
    const int nStart = FileNameStart(sPath);
    CString sName = sPath.Mid(nStart);
    sName.Replace(lpszOld, lpszNew);
    return sPath.Left(nStart) + sName;
}

CString ExtensionOf(const CString& sPath)
{
    const CString sName = sPath.Mid(FileNameStart(sPath));
    const int nPoint = sName.ReverseFind('.');
    return nPoint < 0 ? sName : sName.Mid(nPoint + 1);
}

bool EndsWith(const CString& s, LPCTSTR lpszEnd)
{
    const int nLen = static_cast<int>(std::strlen(lpszEnd));
    return s.GetLength() >= nLen && s.Right(nLen) == lpszEnd;
}

}  // namespace

CResultsExporter::CResultsExporter(CExportHost& host)
    : m_Writer(&host), m_cDecimalSep('.'), m_Host(host)
{
    std::copy(std::begin(kCellPositions), std::end(kCellPositions), m_aCellPos);
    const CString sDecimal = m_Host.GetDecimalSetting();
    if (!sDecimal.IsEmpty())
        m_cDecimalSep = sDecimal[0];
}

int CResultsExporter::SheetOf(const CReportInfo& info)
{
    if (info.m_bAbsorption || info.m_bIntensity)
        return 3;
    if (info.m_bReverberation || info.m_bTotalLossFactor)
        return 2;
    if (info.m_bBS && info.m_bAirborne && info.m_bStandard && !info.m_bAverageLoudspeaker)
        return 3;
    if (info.m_bField && info.m_bSingleLoudspeaker)
        return 3;
    if (!info.m_bLab)
        return 4;
    if ((info.m_bSingleLoudspeaker || info.m_bImprovement) && info.m_bAirborne)
        return 3;
    if (info.m_bImpact && (info.m_bReduction || info.m_bReductionLightweight))
        return 3;
    if (info.m_bImpactCorrected)
        return 3;
    if (info.m_bASTM)
        return 4;
    if (info.m_bImpact || info.m_bImpactAirborne || info.m_bCeiling || info.m_bFlankingTransmission)
        return 4;
    return 5;
}

CString CResultsExporter::NormalizedTemplateName(const CString& sName)
{
    CString sLower = sName;
    sLower.MakeLower();
    if (sLower.Find(".xlsx") >= 0)
        return sName;
    sLower.Replace(".xls", ".xlsx");
    return sLower;
}

CString CResultsExporter::FileNameOf(const CString& sName)
{
    CString sFile = sName;
    for (const char* p = "\\/:*?\"<>|"; *p; ++p)
        sFile.Replace(*p, ' ');
    return sFile;
}

CString CResultsExporter::WithExtension(const CString& sPath, const CString& sExtension)
{
    const int nStart = FileNameStart(sPath);
    const int nPoint = sPath.Mid(nStart).ReverseFind('.');
    return (nPoint < 0 ? sPath : sPath.Left(nStart + nPoint)) + "." + sExtension;
}

bool CResultsExporter::HasSeveralPositions(CProjectDoc* pDoc)
{
    return pDoc->m_ReportInfo.m_bAverageLoudspeaker && pDoc->m_CalcSets.GetSize() > 1;
}

// The project's own template in the template folder, or the given one; the
// form for several loudspeaker positions carries "_Multi" in its file name.
// A workbook that is both template and target (the export of all projects
// onto the sheets of one book) is taken as it is.
CString CResultsExporter::TemplatePathOf(CProjectDoc* pDoc, const CString& sTemplate, const CString& sTarget) const
{
    CString sPath = sTemplate;
    if (sPath.IsEmpty())
        sPath = m_Settings.m_sTemplateDir + "\\" + pDoc->m_ReportInfo.m_sTemplateFileName;
    if (HasSeveralPositions(pDoc) && !(sTemplate == sTarget && !sTemplate.IsEmpty()))
        sPath = ReplaceInFileName(sPath, ".xls", "_Multi.xls");
    sPath.MakeLower();
    return sPath;
}

CString CResultsExporter::TemplateExtensionOf(CProjectDoc* pDoc)
{
    m_Settings = m_Host.GetSettings();
    const CString sPath = TemplatePathOf(pDoc, "", "");
    for (const CString& sTry : {sPath, ReplaceInFileName(sPath, ".xlsx", ".xlsm"),
                                ReplaceInFileName(ReplaceInFileName(sPath, ".xlsx", ".xlsm"), ".xlsm", ".xls")}) {
        CWorkbook book;
        if (book.Load(sTry) == CWorkbook::loadOk)
            return ExtensionOf(sTry);
    }
    return "xlsx";
}

// Tried in turn: the path, its ".xlsm" form, its ".xls" form, and the path
// the box names, so that a book the user is told is missing really is.
bool CResultsExporter::LoadTemplate(CString sPath, const CString& sFilter)
{
    for (;;) {
        const CString sMacro = ReplaceInFileName(sPath, ".xlsx", ".xlsm");
        const CString sNamed = EndsWith(sPath, ".xls") ? sPath + "x" : sPath;
        std::vector<CString> aTries = {sPath, sMacro, ReplaceInFileName(sMacro, ".xlsm", ".xls"), sNamed};
        for (size_t i = 0; i < aTries.size(); ++i) {
            if (std::find(aTries.begin(), aTries.begin() + static_cast<long>(i), aTries[i]) !=
                aTries.begin() + static_cast<long>(i))
                continue;
            if (m_Writer.Load(aTries[i])) {
                m_sLoadedPath = aTries[i];
                return true;
            }
        }
        CString sQuestion;
        sQuestion.Format(String(IDS_EXPORT_TEMPLATE_NOT_FOUND), static_cast<LPCTSTR>(sNamed));
        if (!m_Host.AskYesNo(sQuestion))
            return false;
        CString sChosen = sNamed;
        if (!m_Host.BrowseForOpen(sChosen, sFilter, String(IDS_EXPORT_BROWSE_TEMPLATE)))
            return false;
        sChosen.MakeLower();
        sPath = sChosen;
    }
}

BOOL CResultsExporter::ExportResults(CProjectDoc* pDoc, CString sTarget, CString sTemplate, int nSheet)
{
    std::copy(std::begin(kCellPositions), std::end(kCellPositions), m_aCellPos);
    m_Settings = m_Host.GetSettings();
    CString sFilter;
    if (m_Settings.m_nExportTyp == kExportToReportGenerator) {
        sFilter = String(IDS_EXPORT_WORD_FILTER);
    } else {
        sFilter = String(IDS_EXPORT_EXCEL_FILTER);
        pDoc->m_ReportInfo.m_sTemplateFileName = NormalizedTemplateName(pDoc->m_ReportInfo.m_sTemplateFileName);
    }
    if (!LoadTemplate(TemplatePathOf(pDoc, sTemplate, sTarget), sFilter))
        return FALSE;
    const CString sExtension = ExtensionOf(m_sLoadedPath);
    m_Writer.SelectSheet(nSheet);
    WriteSheets(pDoc);

    if (sTarget.IsEmpty()) {
        sTarget = FileNameOf(pDoc->m_sName + "." + sExtension);
        if (!m_Host.BrowseForSave(sTarget, sExtension, sFilter, String(IDS_EXPORT_RESULTS_TITLE)))
            return FALSE;
    }
    const CString sFinal = WithExtension(sTarget, sExtension);
    if (!m_Writer.Save(sFinal)) {
        CString sMessage;
        sMessage.Format(String(IDS_EXPORT_NOT_SAVED), static_cast<LPCTSTR>(sFinal));
        m_Host.ShowMessage(sMessage, true);
        return FALSE;
    }
    if (m_Settings.m_bLaunchExcel && m_Settings.m_nExportTyp != kExportToReportGenerator)
        m_Host.Launch(sFinal);
    return TRUE;
}

// The positions' blocks follow the combined one; the number of positions
// is read again after each block.
void CResultsExporter::WriteSheets(CProjectDoc* pDoc)
{
    const CReportInfo& info = pDoc->m_ReportInfo;
    if (info.m_bField) {
        WriteFieldSheet(pDoc);
    } else if (info.m_bAbsorption) {
        WriteAbsorptionSheet(pDoc);
        return;
    } else if (info.m_bTotalLossFactor) {
        WriteLossFactorSheet(pDoc);
        return;
    } else {
        WriteLabSheet(pDoc);
    }
    for (int nSet = 0; HasSeveralPositions(pDoc) && nSet < pDoc->m_CalcSets.GetSize(); ++nSet)
        WriteLoudspeakerSheet(pDoc, nSet, kPositionRowStep * (nSet + 1));
}
