// Copying a project of 50 measurements in the tree (the copy buffer and the
// report text for the clipboard), and pasting that copy into another
// project, filing and recalculation included.
#include "import/MeasurementPaste.h"
#include "import/TreeCopy.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const int kMeasurementCount = 50;

// The tree with one item of one project selected; messages counted.
class CBenchClipboardHost : public CTreeClipboardHost {
public:
    CTreeItemView GetSelection() override { return m_Selection; }
    CMeasurementList& GetCopiedRecords() override { return m_lCopyBuffer; }
    CReportInfo& GetCopiedReportInfo() override { return m_reportInfo; }
    CCalc& GetCopiedCalc() override { return m_calc; }
    void SetDescriptionCopied() override {}
    void ShowTreeMessage(UINT) override { ++m_nMessages; }

    CTreeItemView m_Selection;
    CMeasurementList m_lCopyBuffer;
    CReportInfo m_reportInfo{false};
    CCalc m_calc;
    int m_nMessages = 0;
};

void SelectProject(CBenchClipboardHost& host, CProjectDoc& project)
{
    host.m_Selection = CTreeItemView();
    host.m_Selection.m_pProject = &project;
    host.m_Selection.m_dwData = reinterpret_cast<DWORD_PTR>(&project);
    host.m_Selection.m_bHasChildren = true;
    host.m_Selection.m_bProjectNode = true;
}

// A field airborne project with 50 level measurements in its room tables,
// each with a full band range.
void FillProject(CProjectDoc& project)
{
    project.m_ReportInfo.m_bField = true;
    project.m_ReportInfo.m_bAirborne = true;
    for (int i = 0; i < kMeasurementCount; ++i) {
        NBuildData rec;
        rec.m_MeasSetup.SetMeasurementMode(0);
        rec.m_MeasSetup.SetActivateChannel(1);
        rec.m_MeasSetup.SetDescription(i % 2, 1);
        rec.m_MeasSetup.SetInstrumentType(1, 1);
        rec.m_Time = CTime(2024, 3, 1, 10, i / 60, i % 60);
        for (int nBand = 0; nBand < kBandCount; ++nBand)
            rec.m_Spectrum.InsertData(nBand, 40.0 + nBand * 0.5 + i % 7);
        project.AddMeasurement(rec, TRUE);
    }
    project.Recalculate(0);
}

void BM_CopyProject(benchmark::State& state)
{
    CProjectDoc project;
    FillProject(project);
    CBenchClipboardHost host;
    SelectProject(host, project);
    for (auto _ : state) {
        CString sReport;
        CTreeCopy(host).Copy(sReport);
        benchmark::DoNotOptimize(sReport.GetLength());
    }
}
BENCHMARK(BM_CopyProject)->Unit(benchmark::kMillisecond);

void BM_PasteProject(benchmark::State& state)
{
    CProjectDoc source;
    FillProject(source);
    CBenchClipboardHost host;
    SelectProject(host, source);
    CString sReport;
    CTreeCopy(host).Copy(sReport);
    for (auto _ : state) {
        state.PauseTiming();
        auto pTarget = std::make_unique<CProjectDoc>();
        pTarget->m_ReportInfo = source.m_ReportInfo;
        SelectProject(host, *pTarget);
        state.ResumeTiming();
        CMeasurementPaste(host).PasteMeasurements();
        benchmark::DoNotOptimize(pTarget->GetMeasurementList(122)->GetCount());
    }
}
BENCHMARK(BM_PasteProject)->Unit(benchmark::kMillisecond);

}  // namespace
