// One full result pass of a field airborne project measured in 5 sets of 10
// measurements each (source room, receiving room, reverberation time and
// background noise per measurement), with the background-noise correction:
// every set evaluated and rated, the kept sets combined and rated.

#include "calc/Calc.h"
#include "calc/CalcDocument.h"
#include "calc/CalcMethodSelection.h"
#include "model/ReportInfo.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

const int kFirstTable = 122;
const int kTableCount = 11;
const int kSetCount = 5;
const int kMeasurementsPerSet = 10;

class CFieldAirborneProject : public CCalcDocument {
public:
    CFieldAirborneProject()
    {
        m_ReportInfo.m_bField = m_ReportInfo.m_bAirborne = m_ReportInfo.m_bISO = true;
        m_ReportInfo.m_bReduction = m_ReportInfo.m_bAverageLoudspeaker = true;
        m_ReportInfo.m_dVolume = 50.0;
        m_ReportInfo.m_dArea = 10.0;
        m_Settings.m_bBgnCorrection = true;
        std::mt19937 generator(2102);
        std::uniform_real_distribution<double> scatter(-2.0, 2.0);
        for (int nTable = kFirstTable; nTable <= 125; ++nTable) {
            CList<NBuildData, NBuildData&>& list = m_aLists[nTable - kFirstTable];
            NBuildData summary;
            summary.m_Spectrum.SetType(nTable == 124 ? NSpectrum::kTypeReverberation
                                                     : NSpectrum::kTypeLevel);
            summary.m_Spectrum.SetStatus(1);   // the accumulator's marker
            for (int nSet = 1; nSet <= kSetCount; ++nSet)
                for (int i = 0; i < kMeasurementsPerSet; ++i) {
                    NBuildData record = Measurement(nTable, nSet, generator, scatter);
                    summary.m_Spectrum = summary.m_Spectrum + record.m_Spectrum;
                    list.AddTail(record);
                }
            summary.m_Spectrum.SetStatus(0);   // ends it: the list's average
            list.AddHead(summary);
        }
        m_Calc.m_pDoc = this;
    }

    const CReportInfo& GetReportInfo() const override { return m_ReportInfo; }
    CList<NBuildData, NBuildData&>* GetMeasurementList(int nTableId) override
    {
        const int nIndex = nTableId - kFirstTable;
        return nIndex >= 0 && nIndex < kTableCount ? &m_aLists[nIndex] : nullptr;
    }
    CArray<CCalc, CCalc&>& GetCalcSets() override { return m_CalcSets; }
    CCalcSettings GetCalcSettings() const override { return m_Settings; }
    void ShowCalcMessage(UINT) override {}
    void UpdateCalcViews(int) override {}

    CCalc m_Calc;

private:
    // Levels of 85 dB in the source room, 50 dB falling with frequency in
    // the receiving room, 25 dB of background, 0.6 s, each with scatter.
    static NBuildData Measurement(int nTable, int nSet, std::mt19937& generator,
                                  std::uniform_real_distribution<double>& scatter)
    {
        NBuildData record;
        record.m_nSetNumber = nSet;
        if (nTable == 124)
            record.m_Spectrum.SetType(NSpectrum::kTypeReverberation);
        for (int nBand = 17; nBand <= 37; ++nBand) {
            const double adBase[] = {85.0, 50.0 - 0.8 * (nBand - 17), 0.6, 25.0};
            const double dSpread = nTable == 124 ? 0.05 : 1.0;
            record.m_Spectrum.InsertData(nBand, RoundValue(adBase[nTable - kFirstTable]
                                                               + dSpread * scatter(generator),
                                                           nTable == 124 ? 2 : 1));
        }
        return record;
    }

    CReportInfo m_ReportInfo;
    CCalcSettings m_Settings;
    CArray<CCalc, CCalc&> m_CalcSets;
    CList<NBuildData, NBuildData&> m_aLists[kTableCount];
};

void BM_FieldAirborneResultPass(benchmark::State& state)
{
    CFieldAirborneProject project;
    for (auto _ : state) {
        CCalcMethodSelection().CalculateResults(project.m_Calc);
        benchmark::DoNotOptimize(project.m_Calc.m_dRating);
    }
    // shows that the pass evaluated something: the sets kept with a rating
    state.counters["sets"] = project.GetCalcSets().GetSize();
}

}  // namespace

BENCHMARK(BM_FieldAirborneResultPass)->Unit(benchmark::kMicrosecond);
