// Writing and reading an archive of 10,000 strings and doubles, as a large
// project file holds them.
#include "platform/afx/afx.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

const int kItemCount = 10000;

std::string BenchFilePath()
{
    return (std::filesystem::temp_directory_path() / "vestolar_archive_bench.bin").string();
}

void StoreItems(const std::string& sPath)
{
    CFile file(sPath.c_str(), CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    CString sName;
    for (int i = 0; i < kItemCount; ++i) {
        sName.Format("Measurement %d, receiving room", i);
        ar << sName << i * 0.1;
    }
    ar.Close();
    file.Close();
}

void BM_ArchiveStore(benchmark::State& state)
{
    const std::string sPath = BenchFilePath();
    for (auto _ : state)
        StoreItems(sPath);
    state.SetItemsProcessed(state.iterations() * kItemCount);
    std::remove(sPath.c_str());
}
BENCHMARK(BM_ArchiveStore)->Unit(benchmark::kMillisecond);

void BM_ArchiveLoad(benchmark::State& state)
{
    const std::string sPath = BenchFilePath();
    StoreItems(sPath);
    for (auto _ : state) {
        CFile file(sPath.c_str(), CFile::modeRead);
        CArchive ar(&file, CArchive::load);
        CString sName;
        double dValue = 0;
        for (int i = 0; i < kItemCount; ++i)
            ar >> sName >> dValue;
        benchmark::DoNotOptimize(dValue);
    }
    state.SetItemsProcessed(state.iterations() * kItemCount);
    std::remove(sPath.c_str());
}
BENCHMARK(BM_ArchiveLoad)->Unit(benchmark::kMillisecond);

}
