#pragma once
// The export the benchmarks time: a field project of three loudspeaker
// positions with every band filled, exported into its "_Multi" template.
// The host answers nothing and launches nothing.

#include "export/ExportHost.h"
#include "export/ResultsExporter.h"

#include "ProjectDoc.h"
#include "Workbook.h"

#include <memory>
#include <string>

class CQuietExportHost : public CExportHost {
public:
    CExportSettings GetSettings() const override
    {
        CExportSettings settings;
        settings.m_sTemplateDir = ".";
        settings.m_bLaunchExcel = false;
        settings.m_bBgnCorrection = true;
        return settings;
    }
    CString LoadText(UINT) const override { return "text"; }
    CString GetVersionText() const override { return "4.2"; }
    CString GetDecimalSetting() const override { return "."; }
    bool AskYesNo(const CString&) override { return false; }
    void ShowMessage(const CString&, bool) override {}
    bool BrowseForOpen(CString&, const CString&, const CString&) override { return false; }
    bool BrowseForSave(CString&, const CString&, const CString&, const CString&) override { return false; }
    void Launch(const CString&) override {}
};

inline std::unique_ptr<CProjectDoc> ThreePositionFieldProject()
{
    auto pDoc = std::make_unique<CProjectDoc>();
    pDoc->m_sName = "Bench";
    pDoc->m_ReportInfo.m_bField = pDoc->m_ReportInfo.m_bISO = pDoc->m_ReportInfo.m_bAirborne = true;
    pDoc->m_ReportInfo.m_bAverageLoudspeaker = true;
    pDoc->m_ReportInfo.m_sTemplateFileName = "bench.xlsx";
    pDoc->m_Calc.m_dRating = 52.0;
    for (int nSpec = 0; nSpec < kCalcSpectrumCount; ++nSpec)
        for (int nBand = 17; nBand <= 37; ++nBand)
            pDoc->m_Calc.m_aSpec[nSpec].InsertSpecLine(nBand, 40.0 + nBand * 0.1, 1, 1);
    for (int nSet = 0; nSet < 3; ++nSet)
        pDoc->m_CalcSets.Add(pDoc->m_Calc);
    CWorkbook book;
    book.CreateNew({"Report 1", "Report 2", "Report 3", "Results"});
    book.Save(".\\bench_multi.xlsx");
    return pDoc;
}
