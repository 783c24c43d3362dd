#include "InstrumentReadImport.h"

#include "model/ProjectDoc.h"

#include <vector>

namespace {

const char kSourceName[] = "Kel620";

bool IsLevelTable(int nTableId)
{
    return nTableId == 122 || nTableId == 123 || nTableId == 125 || nTableId == 132 || nTableId == 128 ||
        nTableId == 129;
}

bool IsReverberationTable(int nTableId)
{
    return nTableId == 124 || nTableId == 126;
}

}  // namespace

bool CInstrumentReadImport::TableSetup(const CReportInfo& info, int nTableId, bool bDirect, int nReadMode,
                                       int& rnMode, int& rnRole)
{
    const bool bCornerRoles = bDirect && info.m_bCorner;
    switch (nTableId) {
    case 122:
        rnMode = info.m_bImpactAirborne ? 1 : nReadMode;
        rnRole = 0;
        return true;
    case 123:
        rnMode = info.m_bImpact || info.m_bImpactAirborne ? 1 : nReadMode;
        rnRole = 1;
        return true;
    case 124:
        rnMode = nReadMode;
        rnRole = 3;
        return true;
    case 125:
        rnMode = 5;
        rnRole = 2;
        return true;
    case 126:
        rnMode = nReadMode;
        rnRole = bCornerRoles ? 11 : 4;
        return true;
    case 128:
        rnMode = 0;
        rnRole = bCornerRoles ? 8 : 0;
        return true;
    case 129:
        rnMode = 0;
        rnRole = bCornerRoles ? 9 : 1;
        return true;
    case 132:
        rnMode = 5;
        rnRole = 10;
        return true;
    default:
        return false;
    }
}

void CInstrumentReadImport::Import(int nChannelChoice, const NBuildData& channel1, const NBuildData& channel2)
{
    CProjectDoc* pProject = m_host.GetSelectedProject();
    if (pProject == nullptr)
        return;
    std::vector<CChannelRead> reads;
    if (nChannelChoice == 0 || nChannelChoice == 1)
        reads.push_back({channel1, 1, 0});
    if (nChannelChoice == 0 || nChannelChoice == 2)
        reads.push_back({channel2, 2, 0});
    if (reads.empty())
        return;
    // The last channel read decides whether the data are levels or times.
    const bool bReverberation = reads.back().m_Record.m_Spectrum.GetType() == NSpectrum::kTypeReverberation;
    const int nGroup = m_host.GetSelectedGroup();
    const bool bDirect = bReverberation ? IsReverberationTable(nGroup) : IsLevelTable(nGroup);
    if (bDirect) {
        for (CChannelRead& read : reads)
            read.m_nTableId = nGroup;
    } else if (!AssignByDialog(pProject->m_ReportInfo, reads)) {
        return;
    }
    for (CChannelRead& read : reads) {
        if (read.m_nTableId > 0)
            File(*pProject, read, bDirect);
    }
    pProject->Recalculate(0);
}

// False when the user cancelled, chose no table, or chose one that takes
// none of the analyser's data: nothing is imported then.
bool CInstrumentReadImport::AssignByDialog(const CReportInfo& info, std::vector<CChannelRead>& reads)
{
    CAssignExchange exchange;
    exchange.m_pReportInfo = &info;
    exchange.m_sPath = kSourceName;
    for (const CChannelRead& read : reads)
        (read.m_nChannel == 1 ? exchange.m_pChannel1 : exchange.m_pChannel2) = &read.m_Record;
    if (!m_host.RunAssignDialog(exchange, FALSE))
        return false;
    bool bAnyTable = false;
    for (CChannelRead& read : reads) {
        read.m_nTableId = read.m_nChannel == 1 ? exchange.m_nTable1 : exchange.m_nTable2;
        int nMode = 0;
        int nRole = 0;
        if (read.m_nTableId > 0 && !TableSetup(info, read.m_nTableId, false, 0, nMode, nRole))
            return false;
        bAnyTable = bAnyTable || read.m_nTableId > 0;
    }
    return bAnyTable;
}

// The analyser's records are filed as read, without the duplicate check:
// two reads of one position are two measurements.
void CInstrumentReadImport::File(CProjectDoc& project, CChannelRead& read, bool bDirect)
{
    NBuildData& rec = read.m_Record;
    int nMode = 0;
    int nRole = 0;
    TableSetup(project.m_ReportInfo, read.m_nTableId, bDirect, rec.m_MeasSetup.GetMeasurementMode(), nMode, nRole);
    rec.m_MeasSetup.SetMeasurementMode(nMode);
    rec.m_MeasSetup.SetDescription(nRole, read.m_nChannel);
    const CImportCorrections& corrections = m_host.GetCorrections();
    for (int i = 0; i < kCorrectionCount; ++i) {
        if (corrections.m_aChannelSelection[i] == read.m_nChannel && rec.m_Spectrum.GetType() == NSpectrum::kTypeLevel)
            rec.m_Spectrum = rec.m_Spectrum.AddCorrection(corrections.m_aCorrSpec[i]);
    }
    project.AddMeasurement(rec, FALSE);
}
