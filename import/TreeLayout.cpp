#include "TreeLayout.h"

#include "TreeItemData.h"
#include "TreeLabelText.h"
#include "model/ReportInfo.h"
#include "model/ViewKinds.h"
#include "res/resource.h"

namespace {

CResultNode ReportNode(UINT nText = IDS_TREE_TEST_REPORT)
{
    return {DWORD_PTR(kViewKindReport), LoadedText(nText), kImageReport};
}

CResultNode TableNode(int nKind, const CString& sText)
{
    return {DWORD_PTR(nKind), sText, kImageProject};
}

std::vector<CResultNode> ReportAndResultTable()
{
    return {ReportNode(), TableNode(kViewKindResultTable, LoadedText(IDS_TREE_RESULT_TABLE))};
}

void AddLabCorrectionTables(const CReportInfo& info, std::vector<CResultNode>& nodes)
{
    const bool bNoBackgroundTable = info.m_bImprovement || (info.m_bImpact && info.m_bReduction) ||
        info.m_bReductionLightweight || info.m_bSingleLoudspeaker || info.m_bImpactCorrected;
    if (!bNoBackgroundTable)
        nodes.push_back(TableNode(kViewKindBgnCorrectionTable, LoadedText(IDS_TREE_BGN_CORRECTION_TABLE)));
    const bool bFlankingTable = info.m_bAirborne && !info.m_bCeiling && !info.m_bImprovement &&
        !info.m_bFlankingTransmission && !info.m_bSingleLoudspeaker && !info.m_bASTM;
    if (bFlankingTable)
        nodes.push_back(TableNode(kViewKindFtmCorrectionTable, LoadedText(IDS_TREE_FTM_CORRECTION_TABLE)));
}

void AddFieldCorrectionTables(const CReportInfo& info, std::vector<CResultNode>& nodes)
{
    const bool bNoBackgroundTable =
        info.m_bSingleLoudspeaker || (info.m_bBS && info.m_bAirborne && info.m_bStandard);
    if (!bNoBackgroundTable)
        nodes.push_back(TableNode(kViewKindBgnCorrectionTable, LoadedText(IDS_TREE_BGN_CORRECTION_TABLE)));
    if (info.m_bCorner)
        nodes.push_back(TableNode(kViewKindFtmCorrectionTable, JoinedText(IDS_TREE_CORNER, IDS_TREE_BGN_CORRECTION_TABLE)));
}

bool IsLabReduction(const CReportInfo& info)
{
    return info.m_bLab && info.m_bImpact && (info.m_bReduction || info.m_bReductionLightweight);
}

bool IsLabImprovement(const CReportInfo& info)
{
    return info.m_bLab && info.m_bAirborne && info.m_bImprovement;
}

CString ReceivingRoomLabel(const CReportInfo& info)
{
    CString s = LoadedText(info.m_bImpactCorrected ? IDS_TREE_LBR_WITH : IDS_TREE_RECEIVING_ROOM);
    if (info.m_bIntensity)
        s += " (" + LoadedText(IDS_TREE_INTENSITY) + ")";
    return s;
}

CString SecondSourceRoomLabel(const CReportInfo& info)
{
    if (info.m_bCorner)
        return JoinedText(IDS_TREE_SOURCE_ROOM, IDS_TREE_CORNER);
    if (info.m_bImpactCorrected)
        return LoadedText(IDS_TREE_LHD_WITHOUT);
    return BracketedText(IDS_TREE_SOURCE_ROOM, IDS_AIRBORNE);
}

CString SecondReceivingRoomLabel(const CReportInfo& info)
{
    if (info.m_bCorner)
        return JoinedText(IDS_TREE_RECEIVING_ROOM, IDS_TREE_CORNER);
    if (info.m_bIntensity)
        return BracketedText(IDS_TREE_RECEIVING_ROOM, IDS_TREE_SOUND_PRESSURE);
    if (info.m_bImpactCorrected)
        return LoadedText(IDS_TREE_LBD_WITHOUT);
    return BracketedText(IDS_TREE_RECEIVING_ROOM, IDS_AIRBORNE);
}

CString SingleLoudspeakerResultsLabel(const CReportInfo& info)
{
    return info.m_sIndexStr + info.m_sSubscript + " - " + LoadedText(IDS_TREE_RESULTS);
}

CString FacilityWithLabel(const CReportInfo& info)
{
    if (info.m_bSingleLoudspeaker)
        return SingleLoudspeakerResultsLabel(info);
    if (IsLabReduction(info))
        return LoadedText(IDS_TREE_REFERENCE_FLOOR_WITH);
    if (IsLabImprovement(info))
        return LoadedText(IDS_TREE_R_WITH);
    return LoadedText(IDS_TREE_TEST_FACILITY);
}

CString FacilityWithoutLabel(const CReportInfo& info)
{
    if (IsLabReduction(info))
        return LoadedText(IDS_TREE_REFERENCE_FLOOR_WITHOUT);
    if (IsLabImprovement(info))
        return LoadedText(IDS_TREE_R_WITHOUT);
    return CString();
}

} // namespace

// The first kind that matches decides which view nodes a project offers.
std::vector<CResultNode> ResultNodesOf(const CReportInfo& info)
{
    if (info.m_bMultiplot)
        return {ReportNode(IDS_TREE_RESULT_CHART), {DWORD_PTR(kViewKindMultiplotSetup), LoadedText(IDS_TREE_SETTINGS), kImageSettings}};
    if (info.m_bReverberation || info.m_bTotalLossFactor)
        return {ReportNode()};
    std::vector<CResultNode> nodes = ReportAndResultTable();
    if (info.m_bAbsorption || info.m_bIntensity)
        return nodes;
    if (info.m_bLab)
        AddLabCorrectionTables(info, nodes);
    else
        AddFieldCorrectionTables(info, nodes);
    return nodes;
}

// Where several variants apply, the one the table's rules name last wins; the
// helpers test them from the last to the first.
CString TableGroupLabelOf(const CReportInfo& info, int nTableId)
{
    switch (nTableId) {
    case 122:
        return LoadedText(info.m_bImpactCorrected ? IDS_TREE_LHR_WITH : IDS_TREE_SOURCE_ROOM);
    case 123:
        return ReceivingRoomLabel(info);
    case 124:
        return LoadedText(IDS_TREE_REVERBERATION);
    case 125:
        return LoadedText(info.m_bIntensity ? IDS_TREE_RESIDUAL_INTENSITY : IDS_TREE_BACKGROUND_NOISE);
    case 126:
        return info.m_bCorner ? JoinedText(IDS_TREE_REVERBERATION, IDS_TREE_CORNER) : LoadedText(IDS_TREE_REF_REVERBERATION);
    case 127:
        return LoadedText(IDS_TREE_MULTIPLOT);
    case 128:
        return SecondSourceRoomLabel(info);
    case 129:
        return SecondReceivingRoomLabel(info);
    case 130:
        return FacilityWithLabel(info);
    case 131:
        return FacilityWithoutLabel(info);
    case 132:
        return JoinedText(IDS_TREE_BACKGROUND_NOISE, IDS_TREE_CORNER);
    default:
        return CString();
    }
}

namespace {

// The graph names a table by its plain title: of the label variants only the
// corner tables and the single-loudspeaker results keep theirs.
CString GraphTableTitleOf(const CReportInfo& info, int nTableId)
{
    switch (nTableId) {
    case 122:
        return LoadedText(IDS_TREE_SOURCE_ROOM);
    case 123:
        return LoadedText(IDS_TREE_RECEIVING_ROOM);
    case 124:
        return LoadedText(IDS_TREE_REVERBERATION);
    case 125:
        return LoadedText(IDS_TREE_BACKGROUND_NOISE);
    case 126:
        return info.m_bCorner ? JoinedText(IDS_TREE_REVERBERATION, IDS_TREE_CORNER) : LoadedText(IDS_TREE_REF_REVERBERATION);
    case 127:
        return LoadedText(IDS_TREE_MULTIPLOT);
    case 128:
        return info.m_bCorner ? JoinedText(IDS_TREE_SOURCE_ROOM, IDS_TREE_CORNER) : BracketedText(IDS_TREE_SOURCE_ROOM, IDS_AIRBORNE);
    case 129:
        return info.m_bCorner ? JoinedText(IDS_TREE_RECEIVING_ROOM, IDS_TREE_CORNER)
                              : BracketedText(IDS_TREE_RECEIVING_ROOM, IDS_AIRBORNE);
    case 130:
        return info.m_bSingleLoudspeaker ? SingleLoudspeakerResultsLabel(info) : LoadedText(IDS_TREE_TEST_FACILITY);
    case 131:
        return LoadedText(IDS_TREE_R_WITHOUT);
    case 132:
        return JoinedText(IDS_TREE_BACKGROUND_NOISE, IDS_TREE_CORNER);
    default:
        return "?????";
    }
}

} // namespace

CString GraphTitleOf(int nProjectNumber, const CReportInfo& info, int nTableId)
{
    CString sNumber;
    sNumber.Format("%1d - ", nProjectNumber);
    return LoadedText(IDS_TREE_PROJECT) + sNumber + GraphTableTitleOf(info, nTableId);
}
