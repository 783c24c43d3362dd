// Times the export of a three-position field project into its "_Multi"
// template: loading, the sheet writers, the positions' blocks and the save.

#include "ExportScenario.h"

#include <benchmark/benchmark.h>

#include <cstdio>

static void BM_ThreePositionFieldExport(benchmark::State& state)
{
    CQuietExportHost host;
    auto pDoc = ThreePositionFieldProject();
    for (auto _ : state) {
        CResultsExporter exporter(host);
        benchmark::DoNotOptimize(exporter.ExportResults(pDoc.get(), "bench-out.xlsx", "", 4));
    }
    std::remove(".\\bench_multi.xlsx");
    std::remove("bench-out.xlsx");
}
BENCHMARK(BM_ThreePositionFieldExport)->Unit(benchmark::kMillisecond);
