// Times the export of a three-position field project into its "_Multi"
// template under the window system's file layer (run by hand under Wine).
// Prints the mean of the rounds in milliseconds.

#include "ExportScenario.h"

#include <cstdio>

int main()
{
    const int kRounds = 20;
    CQuietExportHost host;
    auto pDoc = ThreePositionFieldProject();
    LARGE_INTEGER frequency, from, to;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&from);
    for (int i = 0; i < kRounds; ++i) {
        CResultsExporter exporter(host);
        exporter.ExportResults(pDoc.get(), "bench-out.xlsx", "", 4);
    }
    ::QueryPerformanceCounter(&to);
    std::printf("three-position field export: %.2f ms\n",
                1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart) /
                    kRounds);
    ::DeleteFileA(".\\bench_multi.xlsx");
    ::DeleteFileA("bench-out.xlsx");
    return 0;
}
