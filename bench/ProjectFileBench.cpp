// Writing and reading a project file: a project with all eleven lists
// holding 20 measurements of 21 bands each (plus their summary records),
// saved through the atomic save and loaded back.

#include "model/ProjectDoc.h"
#include "model/ProjectFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

const int kRecordsPerList = 20;
const char kBenchPath[] = "project_file_bench.001";

NBuildData Measurement(int nTableId, int nIndex)
{
    NBuildData rec;
    rec.m_MeasSetup.SetMeasurementMode(0);
    rec.m_MeasSetup.SetDescription(kRoleSource, 1);
    rec.m_Spectrum = NSpectrum(17, 37);
    CString sTitle;
    sTitle.Format("Table %d position %d", nTableId, nIndex + 1);
    rec.m_Spectrum.SetTitle(sTitle);
    for (int nBand = 17; nBand <= 37; ++nBand)
        rec.m_Spectrum.InsertData(nBand, 40.0 + 0.5 * nBand + 0.1 * nIndex);
    rec.m_Time = CTime(2024, 3, 1, 10, nIndex, 0);
    rec.m_nSetNumber = 1 + nIndex / 5;
    return rec;
}

void FillLists(CProjectDoc& doc)
{
    doc.m_sName = "Benchmark";
    for (int nTableId = kFirstTableId; nTableId <= kLastTableId; ++nTableId) {
        for (int i = 0; i < kRecordsPerList; ++i) {
            NBuildData rec = Measurement(nTableId, i);
            doc.GetMeasurementList(nTableId)->AddTail(rec);
        }
    }
}

void BM_WriteProject(benchmark::State& state)
{
    CProjectDoc doc;
    FillLists(doc);
    for (auto _ : state)
        CProjectFile::Save(doc, kBenchPath);
    std::remove(kBenchPath);
}
BENCHMARK(BM_WriteProject)->Unit(benchmark::kMillisecond);

void BM_ReadProject(benchmark::State& state)
{
    {
        CProjectDoc doc;
        FillLists(doc);
        CProjectFile::Save(doc, kBenchPath);
    }
    CProjectDoc doc;
    for (auto _ : state)
        CProjectFile::Load(doc, kBenchPath);
    std::remove(kBenchPath);
}
BENCHMARK(BM_ReadProject)->Unit(benchmark::kMillisecond);

} // namespace
