// Importing a batch of 1,000 instrument files into one project, as a drop of a
// measurement campaign's folder does: dispatch by extension, open, read,
// file into the selected table group, one recalculation at the end.
#include "import/ImportDispatcher.h"
#include "model/ProjectDoc.h"
#include "tools/fixtures/CFixtureFolder.h"
#include "tools/fixtures/CInstrumentFileBuilder.h"
#include "tools/fixtures/CInstrumentFileWriter.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

const int kFileCount = 1000;

// The tree with the source-room group of one project selected; no dialog,
// no corrections, messages counted.
class CBenchImportHost : public CTreeImportHost {
public:
    explicit CBenchImportHost(CProjectDoc& doc) : m_doc(doc) {}

    int GetReverbImport() const override { return 2; }
    void ShowImportMessage(UINT) override { ++m_nMessages; }
    CProjectDoc* GetSelectedProject() override { return &m_doc; }
    int GetSelectedGroup() override { return 122; }
    void SetProjectNodeText(CProjectDoc&, const CString&) override {}
    BOOL RunAssignDialog(CAssignExchange&, BOOL) override { return FALSE; }
    void OpenWorkspace(const CString&) override {}
    CString GetAppDirectory() const override { return CString(); }
    const CImportCorrections& GetCorrections() const override { return m_Corrections; }
    void SetFilterText(const CString&) override {}
    void ShowImportText(const CString&) override { ++m_nMessages; }

    int m_nMessages = 0;

private:
    CProjectDoc& m_doc;
    CImportCorrections m_Corrections;
};

// Level files of channel 1, each triggered a second after the one before,
// so none is refused as a duplicate.
void WriteFiles(const CFixtureFolder& folder, CStringArray& paths)
{
    for (int i = 0; i < kFileCount; ++i) {
        CInstrumentData::CChannelData channel = CInstrumentFileBuilder::Channel(1, 0);
        channel.m_trigTime = CInstrumentData::DateTime{2024, 3, 1, 10 + i / 3600, i / 60 % 60, i % 60};
        CInstrumentFileBuilder::AddLevelObject(channel, 0, 1, 55.5f + float(i % 10));
        const std::string sPath = folder.PathOf("meas" + std::to_string(i) + ".vsf");
        CInstrumentFileWriter::Write(sPath, CInstrumentFileBuilder::File(7, {channel}));
        paths.Add(sPath.c_str());
    }
}

void BM_ImportBatchIntoOneProject(benchmark::State& state)
{
    CFixtureFolder folder;
    CStringArray paths;
    WriteFiles(folder, paths);
    for (auto _ : state) {
        CProjectDoc doc;
        doc.m_ReportInfo.m_bField = true;
        doc.m_ReportInfo.m_bAirborne = true;
        CBenchImportHost host(doc);
        CImportDispatcher(host).ImportFiles(paths);
        if (host.m_nMessages != 0 || doc.GetMeasurementList(122)->GetCount() != kFileCount + 1)
            state.SkipWithError("a file was not filed");
    }
    state.SetItemsProcessed(state.iterations() * kFileCount);
}
BENCHMARK(BM_ImportBatchIntoOneProject)->Unit(benchmark::kMillisecond);

} // namespace
