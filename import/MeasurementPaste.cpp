#include "MeasurementPaste.h"

#include "TreeItemData.h"
#include "model/FilingBatch.h"
#include "res/resource.h"

namespace {

constexpr int kRoleLabWith = -999;
constexpr int kRoleLabWithout = -1;

int ActiveChannelOf(const NBuildData& rec)
{
    return rec.m_MeasSetup.IsChannelActivated(2) ? 2 : 1;
}

bool IsLevelMode(int nMode)
{
    return nMode == 0 || nMode == 2 || nMode == 10;
}

bool IsReverberationMode(int nMode)
{
    return nMode == 3 || nMode == 4 || nMode == 11;
}

// Instruments whose records carry no time of their own may be pasted twice.
bool ChecksDuplicates(const NBuildData& rec)
{
    const int nType = rec.m_MeasSetup.GetInstrumentType(1);
    return nType != 0 && nType != 4 && nType != 5;
}

int CorrectedImpactTable(int nMode, int nRole)
{
    if (IsLevelMode(nMode) && nRole == 0)
        return 128;
    if (IsLevelMode(nMode) && nRole == 1)
        return 129;
    if (nMode == 1 && nRole == 0)
        return 122;
    if (nMode == 1 && nRole == 1)
        return 123;
    if (nMode == 5)
        return 125;
    if (IsReverberationMode(nMode) && nRole == 3)
        return 124;
    return -1;
}

int CornerTable(int nMode, int nRole)
{
    const bool bLevel = IsLevelMode(nMode);
    if (bLevel && nRole == 0)
        return 122;
    if ((bLevel || nMode == 1) && nRole == 1)
        return 123;
    if (bLevel && nRole == 8)
        return 128;
    if ((bLevel || nMode == 1) && nRole == 9)
        return 129;
    if (nMode == 5 && nRole == 2)
        return 125;
    if (nMode == 5 && nRole == 10)
        return 132;
    if (IsReverberationMode(nMode) && nRole == 3)
        return 124;
    if (IsReverberationMode(nMode) && nRole == 11)
        return 126;
    return -1;
}

int OtherProjectTable(const CReportInfo& info, int nMode, int nRole)
{
    if (IsLevelMode(nMode) && nRole == 0 && info.m_bAirborne)
        return 122;
    if (IsLevelMode(nMode) && nRole == 1 && info.m_bAirborne)
        return 123;
    if (nMode == 1 && info.m_bImpact)
        return 123;
    if (nMode == 12 && nRole == 1)
        return 129;
    if (nMode == 5)
        return 125;
    if (IsReverberationMode(nMode) && nRole == 3)
        return 124;
    if (IsReverberationMode(nMode) && nRole == 4)
        return 126;
    const bool bLabWith = info.m_bSingleLoudspeaker ||
        (info.m_bLab && (!info.m_bCeiling || info.m_bReduction || info.m_bReductionLightweight));
    if (nMode == 0 && nRole == kRoleLabWith && bLabWith)
        return 130;
    const bool bLabWithout = info.m_bLab && (info.m_bReduction || info.m_bImprovement || info.m_bReductionLightweight);
    if (nMode == 0 && nRole == kRoleLabWithout && bLabWithout)
        return 131;
    return -1;
}

}  // namespace

int CMeasurementPaste::RoutedTable(const CReportInfo& info, int nMode, int nRole)
{
    if (info.m_bImpactAirborne || info.m_bImpactCorrected)
        return CorrectedImpactTable(nMode, nRole);
    if (info.m_bCorner)
        return CornerTable(nMode, nRole);
    return OtherProjectTable(info, nMode, nRole);
}

CMeasurementPaste::CTarget CMeasurementPaste::GroupTarget(const CReportInfo& info, int nGroup, const NBuildData& rec,
                                                          bool& bTypeConflict)
{
    const bool bReverbGroup = nGroup == 124 || nGroup == 126;
    const int nRefusedType = bReverbGroup ? NSpectrum::kTypeLevel : NSpectrum::kTypeReverberation;
    CTarget target;
    if (rec.m_Spectrum.GetType() == nRefusedType) {
        bTypeConflict = true;
        return target;
    }
    const bool bCorner = info.m_bCorner;
    switch (nGroup) {
    case 122:
        return {122, info.m_bImpactAirborne || info.m_bImpactCorrected ? 1 : 0, 0};
    case 123:
        return {123, info.m_bImpact || info.m_bImpactAirborne || info.m_bImpactCorrected ? 1 : 0, 1};
    case 124:
        return {124, 3, 3};
    case 125:
        return {125, 5, 2};
    case 126:
        return {126, 3, bCorner ? 11 : 4};
    case 128:
        return {128, 0, bCorner ? 8 : 0};
    case 129:
        return {129, bCorner ? (info.m_bImpact ? 1 : 0) : (info.m_bIntensity ? 12 : 0), bCorner ? 9 : 1};
    case 130:
        return {130, 0, kRoleLabWith};
    case 131:
        return {131, 0, kRoleLabWithout};
    case 132:
        return {132, 5, 10};
    default:
        return target;
    }
}

int CMeasurementPaste::PasteMeasurements()
{
    const CTreeItemView item = m_host.GetSelection();
    const CMeasurementList& records = m_host.GetCopiedRecords();
    if (item.m_pProject == nullptr || records.IsEmpty())
        return 0;
    CProjectDoc& project = *item.m_pProject;
    if (project.m_ReportInfo.m_bMultiplot) {
        PasteCurves(project);
        return 0;
    }
    const bool bGroup = IsTableGroupCode(item.m_dwData);
    const int nCountBefore = RecordCount(project);
    bool bTypeConflict = false;
    CFilingBatch batch(project);
    for (POSITION pos = records.GetHeadPosition(); pos != nullptr;) {
        NBuildData copy = records.GetNext(pos);
        const int nChannel = ActiveChannelOf(copy);
        CTarget target;
        if (bGroup) {
            target = GroupTarget(project.m_ReportInfo, static_cast<int>(item.m_dwData), copy, bTypeConflict);
        } else {
            target.m_nMode = copy.m_MeasSetup.GetMeasurementMode();
            target.m_nRole = copy.m_MeasSetup.GetDescription(nChannel);
            target.m_nTableId = RoutedTable(project.m_ReportInfo, target.m_nMode, target.m_nRole);
        }
        if (target.m_nTableId < 0)
            continue;
        copy.m_MeasSetup.SetMeasurementMode(target.m_nMode);
        copy.m_MeasSetup.SetDescription(target.m_nRole, nChannel);
        project.AddMeasurement(copy, ChecksDuplicates(copy));
    }
    const int nFiled = RecordCount(project) - nCountBefore;
    project.Recalculate(0);
    if (bTypeConflict)
        m_host.ShowTreeMessage(IDS_DATA_TYPE_CONFLICT);
    else if (bGroup && nFiled != records.GetCount())
        m_host.ShowTreeMessage(IDS_IDENTICAL_MEASUREMENTS);
    return 0;
}

// Curves are filed in order until the multiplot table is full.
void CMeasurementPaste::PasteCurves(CProjectDoc& project)
{
    const CMeasurementList& records = m_host.GetCopiedRecords();
    bool bRefused = false;
    CFilingBatch batch(project);
    for (POSITION pos = records.GetHeadPosition(); pos != nullptr && !bRefused;)
        bRefused = project.AddMeasurement(records.GetNext(pos), FALSE) != 0;
    project.Recalculate(0);
    if (bRefused)
        m_host.ShowTreeMessage(IDS_MULTIPLOT_TABLE_FULL);
}

int CMeasurementPaste::RecordCount(CProjectDoc& project)
{
    int nCount = 0;
    for (int nTableId = kFirstTableId; nTableId <= kLastTableId; ++nTableId)
        nCount += project.GetMeasurementList(nTableId)->GetCount();
    return nCount;
}
