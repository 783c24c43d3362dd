#include "TemplateSet.h"

#include "app/TemplateWorkbook.h"
#include "export/ResultsExporter.h"

#include "Workbook.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

const int kStyleBold = 1;
const int kStyleOneDecimal = 2;
const int kFirstBandRow = 2, kLastBandRow = 24;     // 50 Hz to 8 kHz
const int kPositionBlocks = 3;                      // "_Multi": blocks 70, 140 and 210 rows down
const int kPositionRowStep = 70;
// Band columns of the results sheet (1-based): B to AA.
const int kFirstBandCol = 2, kLastBandCol = 27;

std::string BandLabel(int nRow)
{
    char sText[16];
    std::snprintf(sText, sizeof sText, "%.0f Hz", NSpectrum::IndexToFreq(nRow + CResultsExporter::kBandOfRow));
    return sText;
}

void LabelBlock(CWorkbookSheet& sheet, int nRowOffset)
{
    sheet.SetText(nRowOffset, 0, "f");
    sheet.SetStyle(nRowOffset, 0, kStyleBold);
    for (int nRow = kFirstBandRow; nRow <= kLastBandRow; ++nRow) {
        sheet.SetText(nRowOffset + nRow - 1, 0, BandLabel(nRow));
        for (int nCol = kFirstBandCol; nCol <= kLastBandCol; ++nCol)
            sheet.SetStyle(nRowOffset + nRow - 1, nCol - 1, kStyleOneDecimal);
    }
}

}  // namespace

std::vector<CString> CTemplateSet::FileNames(const std::vector<CReportInfo>& aMethods)
{
    std::vector<CString> aNames;
    auto add = [&](CString sName) {
        sName.MakeLower();
        if (std::find(aNames.begin(), aNames.end(), sName) == aNames.end())
            aNames.push_back(sName);
    };
    for (const CReportInfo& method : aMethods) {
        if (method.m_sTemplateFileName.Find(".xls") < 0)
            continue;  // the multiplot entry has no workbook
        for (bool bExtended : {false, true}) {
            const CString sName = TemplateWorkbookOf(method, bExtended);
            add(sName);
            if (method.m_bAverageLoudspeaker) {
                CString sMulti = sName;
                sMulti.Replace(".xls", "_Multi.xls");
                add(sMulti);
            }
        }
    }
    return aNames;
}

int CTemplateSet::WriteAll(const CString& sFolder, const std::vector<CReportInfo>& aMethods)
{
    int nWritten = 0;
    for (const CReportInfo& method : aMethods) {
        if (method.m_sTemplateFileName.Find(".xls") < 0)
            continue;
        for (const CString& sName : FileNames({method})) {
            if (!WriteTemplate(sFolder + "\\" + sName, method, sName.Find("_multi") >= 0))
                return -1;
            ++nWritten;
        }
    }
    return nWritten;
}

BOOL CTemplateSet::WriteTemplate(const CString& sPath, const CReportInfo& method, bool bMulti)
{
    const int nDataSheet = CResultsExporter::SheetOf(method);
    std::vector<std::string> aNames;
    for (int i = 1; i < nDataSheet; ++i)
        aNames.push_back("Report " + std::to_string(i));
    aNames.push_back("Results");
    CWorkbook book;
    book.CreateNew(aNames);
    CWorkbookSheet& data = *book.GetSheet(nDataSheet - 1);
    LabelBlock(data, 0);
    for (int nBlock = 1; bMulti && nBlock <= kPositionBlocks; ++nBlock)
        LabelBlock(data, nBlock * kPositionRowStep);
    data.SetText(30, 9, "Background index shown");       // J31, beside the flag in K31
    data.SetNumber(30, 10, 0.0);
    data.SetText(31, 10, "\xB9)");                      // K32 to K34: the footnote marks
    data.SetText(32, 10, "\xB2)");
    data.SetText(33, 10, "\xB3)");
    data.SetText(38, 0, "Rating");                      // A39, beside B39
    data.SetText(57, 0, "Program");                     // A58, beside B58
    data.SetText(0, 0, method.m_sTitle.IsEmpty() ? "Results" : static_cast<LPCTSTR>(method.m_sTitle));
    for (int i = 0; i + 1 < nDataSheet; ++i) {
        CWorkbookSheet& report = *book.GetSheet(i);
        report.SetText(0, 0, "Rating");
        report.SetFormula(0, 1, "'Results'!B39");
        report.SetText(1, 0, "Client");
        report.SetFormula(1, 1, "'Results'!B33");
    }
    return book.Save(sPath);
}
