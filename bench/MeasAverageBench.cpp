// Averaging a table of 200 measurements of 44 bands the way the document
// averages a list: each record's level with its correction added, summed into
// an emptied accumulator, then rounded. Levels average energetically,
// reverberation times arithmetically.
#include "platform/measdata/NSpectrum.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

const int kRecordCount = 200;

struct CRecord {
    NSpectrum m_Level;
    NSpectrum m_Correction;
};

std::vector<CRecord> MakeRecords(int nType)
{
    std::vector<CRecord> records(kRecordCount);
    for (int i = 0; i < kRecordCount; ++i) {
        records[i].m_Level.SetType(nType);
        for (int nBand = 0; nBand < kBandCount; ++nBand) {
            const double dValue = nType == NSpectrum::kTypeReverberation ? 0.5 + (i % 17) * 0.05
                                                                         : 40.0 + (i * 7 + nBand) % 30;
            records[i].m_Level.InsertSpecLine(nBand, dValue, 1, NSpectrum::kBandValid);
            records[i].m_Correction.InsertData(nBand, -0.5);
        }
    }
    return records;
}

void AverageRecords(benchmark::State& state, int nType)
{
    const std::vector<CRecord> records = MakeRecords(nType);
    NSpectrum summary;
    summary.SetType(nType);
    for (auto _ : state) {
        NSpectrum accumulator(summary);
        accumulator.SetStatus(NSpectrum::kIncluded);
        accumulator.RemoveAll();
        accumulator.SetStatus(NSpectrum::kExcluded);
        for (const CRecord& record : records)
            accumulator = accumulator + record.m_Level.AddCorrection(record.m_Correction);
        accumulator.SetStatus(NSpectrum::kIncluded);
        accumulator.Round(nType == NSpectrum::kTypeReverberation ? 2 : 1);
        benchmark::DoNotOptimize(accumulator.GetSpecLine(30));
    }
    state.SetItemsProcessed(state.iterations() * kRecordCount);
}

void BM_AverageLevels(benchmark::State& state)
{
    AverageRecords(state, NSpectrum::kTypeLevel);
}

void BM_AverageReverberationTimes(benchmark::State& state)
{
    AverageRecords(state, NSpectrum::kTypeReverberation);
}

} // namespace

BENCHMARK(BM_AverageLevels);
BENCHMARK(BM_AverageReverberationTimes);
