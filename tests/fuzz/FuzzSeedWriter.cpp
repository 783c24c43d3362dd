// fuzzseeds: writes the seed inputs of the fuzz targets, each made by the
// program's own writers, into <folder>/<target>/corpus:
//     fuzzseeds tests/fuzz
// The seeds are small on purpose: the fuzzer finds its way from a valid file
// of each kind, and the committed corpora stay light.

#include "app/WorkspaceFile.h"
#include "grid/RecordingGrid.h"
#include "import/MeasArchiveFile.h"
#include "model/ProjectFile.h"
#include "model/ProjectTestSupport.h"
#include "platform/converter/CIniProjectWriter.h"
#include "tools/fixtures/CConverterFileWriter.h"
#include "tools/fixtures/CFixtureFolder.h"
#include "tools/fixtures/CSampleFiles.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

namespace fs = std::filesystem;

namespace {

class CSeedWriter {
public:
    explicit CSeedWriter(const fs::path& root) : m_root(root) {}

    // The path of a seed; its corpus folder is created.
    std::string PathOf(const char* lpszTarget, const std::string& sName) const
    {
        const fs::path folder = m_root / lpszTarget / "corpus";
        fs::create_directories(folder);
        return (folder / sName).string();
    }
    void WriteText(const char* lpszTarget, const std::string& sName, const std::string& sText) const
    {
        std::ofstream(PathOf(lpszTarget, sName), std::ios::binary) << sText;
    }
    void WriteArchive(const char* lpszTarget, const std::string& sName, const std::function<void(CArchive&)>& store) const
    {
        CFile file(PathOf(lpszTarget, sName).c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        store(ar);
        ar.Close();
    }

private:
    fs::path m_root;
};

NBuildData Record(const char* lpszTitle, double dLevel)
{
    NBuildData record = MakeRecord(0, kRoleSource, lpszTitle);
    for (int nBand = 17; nBand <= 21; ++nBand)
        record.m_Spectrum.InsertData(nBand, dLevel + nBand);
    return record;
}

void WriteArchiveSeeds(const CSeedWriter& seeds)
{
    CRecordingHost host;
    CProjectDoc doc;
    doc.m_sName = "Floor 3";
    doc.m_ReportInfo = KindWith({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    NBuildData record = Record("S1", 40.0);
    doc.GetMeasurementList(122)->AddTail(record);
    CProjectFile::Save(doc, seeds.PathOf("project_file", "airborne.001").c_str());

    CWorkspaceFile workspace;
    workspace.m_saProjectSuffixes.Add(".001");
    workspace.m_saProjectSuffixes.Add(".005");
    workspace.m_sWorkspaceTitle = "Hall.vsp";
    workspace.m_nActiveProject = 5;
    workspace.Save(seeds.PathOf("workspace_file", "hall.vsp").c_str());

    seeds.WriteArchive("report_info", "airborne", [&](CArchive& ar) { doc.m_ReportInfo.Serialize(ar); });

    NMeasCtrlData control;
    control.m_MeasSetup = record.m_MeasSetup;
    seeds.WriteArchive("meas_record", "control", [&](CArchive& ar) { control.Serialize(ar); });
    seeds.WriteArchive("meas_record", "record", [&](CArchive& ar) { record.Serialize(ar); });
    seeds.WriteArchive("meas_record", "spectrum", [&](CArchive& ar) { record.m_Spectrum.Serialize(ar); });

    CMeasCtrlList controls;
    controls.AddTail(control);
    CMeasArchiveFile::Write(seeds.PathOf("meas_archive", "one.zuz").c_str(), TRUE, controls);
}

// The sample instrument and converter files, and the INI project the
// converter makes of a building-acoustics file.
void WriteTextSeeds(const CSeedWriter& seeds)
{
    CFixtureFolder samples;
    CSampleFiles::WriteAll(samples.Path());
    for (const std::string& sName : CSampleFiles::Names()) {
        std::string sExtension = fs::path(sName).extension().string();
        std::transform(sExtension.begin(), sExtension.end(), sExtension.begin(), ::tolower);
        const char* lpszTarget = sExtension == ".config" ? "converter_file" : "instrument_file";
        fs::copy_file(samples.PathOf(sName), seeds.PathOf(lpszTarget, fs::path(sName).filename().string()),
                      fs::copy_options::overwrite_existing);
    }
    const std::string sProject = CIniProjectWriter::ProjectText(CConverterFileWriter::BuildingAcousticsFile());
    seeds.WriteText("ini_project", "building.prj", sProject);
    seeds.WriteText("ini_reader", "building.prj", sProject);
}

// What the grid copies of a block is what it pastes.
class CCopyingGrid : public CRecordingGrid {
public:
    int SetClipboardText(const CString& sText) override
    {
        m_sCopied = sText;
        return 0;
    }
    CString m_sCopied;
};

void WriteGridSeeds(const CSeedWriter& seeds)
{
    CCopyingGrid grid;
    grid.Build(3, 3, 3, 3);
    grid.SetMultiSelectMode(1);
    const char* aTexts[] = {"45.1", "", "N_A_MT", "63", "-3,5", "1e3", "x", "\"q\"", "7"};
    for (int i = 0; i < 9; ++i)
        grid.SetCellText(i % 3, i / 3, aTexts[i]);
    grid.SelectRange(0, 0, 2, 2);
    grid.CopySelected();
    seeds.WriteText("grid_paste", "block", static_cast<LPCTSTR>(grid.m_sCopied));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzzseeds <folder of the fuzz targets>\n");
        return 2;
    }
    const CSeedWriter seeds(argv[1]);
    WriteArchiveSeeds(seeds);
    WriteTextSeeds(seeds);
    WriteGridSeeds(seeds);
    return 0;
}
