#include "SummaryCopyLabels.h"

#include "TreeLabelText.h"
#include "model/ReportInfo.h"
#include "res/resource.h"

namespace {

// Tables 130 and 131 of a laboratory project: with and without the element.
CString CopyFacilityLabel(const CReportInfo& info, UINT nFloor, UINT nImprovement)
{
    if (!info.m_bLab)
        return LoadedText(IDS_TREE_TEST_FACILITY);
    if (info.m_bImpact && info.m_bReduction)
        return LoadedText(nFloor);
    if (info.m_bAirborne && info.m_bImprovement)
        return LoadedText(nImprovement);
    if (info.m_bImpact && info.m_bReductionLightweight)
        return LoadedText(nFloor);
    return LoadedText(IDS_TREE_TEST_FACILITY);
}

CString CopySecondReceivingRoomLabel(const CReportInfo& info)
{
    if (info.m_bCorner)
        return JoinedText(IDS_TREE_RECEIVING_ROOM, IDS_TREE_CORNER);
    if (info.m_bIntensity)
        return BracketedText(IDS_TREE_RECEIVING_ROOM, IDS_TREE_SOUND_PRESSURE);
    return BracketedText(IDS_TREE_RECEIVING_ROOM, IDS_AIRBORNE);
}

CString DropRoomLabel(const CReportInfo& info, UINT nRoom, UINT nCorrected)
{
    return LoadedText(info.m_bImpactCorrected ? nCorrected : nRoom);
}

CString DropSecondRoomLabel(const CReportInfo& info, UINT nRoom, UINT nCorrected)
{
    if (info.m_bImpactCorrected)
        return LoadedText(nCorrected);
    if (info.m_bCorner)
        return JoinedText(nRoom, IDS_TREE_CORNER);
    return BracketedText(nRoom, IDS_AIRBORNE);
}

CString DropFacilityWithLabel(const CReportInfo& info)
{
    if (info.m_bLab && info.m_bImpact && info.m_bReduction)
        return LoadedText(IDS_TREE_REFERENCE_FLOOR_WITH);
    if (info.m_bLab && info.m_bAirborne && info.m_bImprovement)
        return LoadedText(IDS_TREE_R_WITH);
    if (info.m_bLab && info.m_bImpact && info.m_bReductionLightweight)
        return LoadedText(IDS_TREE_REFERENCE_FLOOR_WITH);
    return LoadedText(IDS_TREE_TEST_FACILITY);
}

CString DropFacilityWithoutLabel(const CReportInfo& info)
{
    if (info.m_bLab && info.m_bAirborne && info.m_bImprovement)
        return LoadedText(IDS_TREE_R_WITHOUT);
    if (info.m_bLab && info.m_bImpact && info.m_bReductionLightweight)
        return LoadedText(IDS_TREE_REFERENCE_FLOOR_WITHOUT);
    return CString();
}

}  // namespace

CString CopySummaryLabelOf(const CReportInfo& info, int nTableId)
{
    switch (nTableId) {
    case 122:
        return LoadedText(IDS_TREE_SOURCE_ROOM);
    case 123:
        return info.m_bIntensity ? BracketedText(IDS_TREE_RECEIVING_ROOM, IDS_TREE_INTENSITY)
                                 : LoadedText(IDS_TREE_RECEIVING_ROOM);
    case 124:
        return LoadedText(IDS_TREE_REVERBERATION);
    case 125:
        return LoadedText(IDS_TREE_BACKGROUND_NOISE);
    case 126:
        return info.m_bCorner ? JoinedText(IDS_TREE_REVERBERATION, IDS_TREE_CORNER)
                              : LoadedText(IDS_TREE_REF_REVERBERATION);
    case 127:
        return LoadedText(IDS_TREE_MULTIPLOT);
    case 128:
        return info.m_bCorner ? JoinedText(IDS_TREE_SOURCE_ROOM, IDS_TREE_CORNER)
                              : BracketedText(IDS_TREE_SOURCE_ROOM, IDS_AIRBORNE);
    case 129:
        return CopySecondReceivingRoomLabel(info);
    case 130:
        return CopyFacilityLabel(info, IDS_TREE_REFERENCE_FLOOR_WITH, IDS_TREE_R_WITH);
    case 131:
        return CopyFacilityLabel(info, IDS_TREE_REFERENCE_FLOOR_WITHOUT, IDS_TREE_R_WITHOUT);
    case 132:
        return JoinedText(IDS_TREE_BACKGROUND_NOISE, IDS_TREE_CORNER);
    default:
        return CString();
    }
}

CString DropSummaryLabelOf(const CReportInfo& info, int nTableId)
{
    switch (nTableId) {
    case 122:
        return DropRoomLabel(info, IDS_TREE_SOURCE_ROOM, IDS_TREE_LHR_WITH);
    case 123:
        return DropRoomLabel(info, IDS_TREE_RECEIVING_ROOM, IDS_TREE_LBR_WITH);
    case 124:
        return LoadedText(IDS_TREE_REVERBERATION);
    case 125:
        return LoadedText(IDS_TREE_BACKGROUND_NOISE);
    case 126:
        return info.m_bCorner ? JoinedText(IDS_TREE_REF_REVERBERATION, IDS_TREE_CORNER)
                              : LoadedText(IDS_TREE_REF_REVERBERATION);
    case 127:
        return LoadedText(IDS_TREE_MULTIPLOT);
    case 128:
        return DropSecondRoomLabel(info, IDS_TREE_SOURCE_ROOM, IDS_TREE_LHD_WITHOUT);
    case 129:
        return DropSecondRoomLabel(info, IDS_TREE_RECEIVING_ROOM, IDS_TREE_LBD_WITHOUT);
    case 130:
        return DropFacilityWithLabel(info);
    case 131:
        return DropFacilityWithoutLabel(info);
    case 132:
        return JoinedText(IDS_TREE_BACKGROUND_NOISE, IDS_TREE_CORNER);
    default:
        return CString();
    }
}
