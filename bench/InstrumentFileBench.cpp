// Opening and reading 1,000 instrument files of 21 bands each, as an import
// of a large measurement campaign does: open, classify, read the level.
#include "import/ReadKelFile.h"
#include "tools/fixtures/CFixtureFolder.h"
#include "tools/fixtures/CInstrumentFileBuilder.h"
#include "tools/fixtures/CInstrumentFileWriter.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

const int kFileCount = 1000;

std::vector<std::string> WriteFiles(const CFixtureFolder& folder)
{
    CInstrumentData::CChannelData channel = CInstrumentFileBuilder::Channel(1, 0);
    CInstrumentFileBuilder::AddLevelObject(channel, 0, 1, 55.5f);
    const CInstrumentData data = CInstrumentFileBuilder::File(7, {channel});
    std::vector<std::string> aPaths;
    for (int i = 0; i < kFileCount; ++i) {
        aPaths.push_back(folder.PathOf("meas" + std::to_string(i) + ".vsf"));
        CInstrumentFileWriter::Write(aPaths.back(), data);
    }
    return aPaths;
}

void BM_OpenAndReadInstrumentFiles(benchmark::State& state)
{
    CFixtureFolder folder;
    const std::vector<std::string> aPaths = WriteFiles(folder);
    for (auto _ : state) {
        for (const std::string& sPath : aPaths) {
            CReadKelFile reader;
            NBuildData record;
            if (reader.OpenFile(sPath.c_str()) != 0 || reader.ReadSpectrum(record, 1, CReportInfo()) != 0)
                state.SkipWithError("a file did not read");
            benchmark::DoNotOptimize(record.m_Spectrum.GetSpecLine(20));
        }
    }
    state.SetItemsProcessed(state.iterations() * kFileCount);
}
BENCHMARK(BM_OpenAndReadInstrumentFiles)->Unit(benchmark::kMillisecond);

}
