#include "TableTitle.h"

#include "model/ReportInfo.h"
#include "res/resource.h"

namespace {

CString Text(UINT nID)
{
    CString sText;
    sText.LoadString(nID);
    return sText;
}

// "Source room Corner", or with bBracketed "Source room (Airborne)".
CString Composed(UINT nFirst, UINT nSecond, bool bBracketed = false)
{
    return bBracketed ? Text(nFirst) + " (" + Text(nSecond) + ")" : Text(nFirst) + " " + Text(nSecond);
}

bool IsLabImprovement(const CReportInfo& i) { return i.m_bLab && i.m_bAirborne && i.m_bImprovement; }
bool IsLabLightweight(const CReportInfo& i) { return i.m_bLab && i.m_bImpact && i.m_bReductionLightweight; }

} // namespace

CString CTableTitle::Of(int nTableId, const CReportInfo& info)
{
    switch (nTableId) {
    case 122:
        return Text(info.m_bImpactCorrected ? IDS_TREE_LHR_WITH : IDS_TREE_SOURCE_ROOM);
    case 123: {
        CString sTitle = Text(info.m_bImpactCorrected ? IDS_TREE_LBR_WITH : IDS_TREE_RECEIVING_ROOM);
        if (info.m_bIntensity)
            sTitle += " (" + Text(IDS_TREE_INTENSITY) + ")";
        return sTitle;
    }
    case 124:
        return Text(IDS_TREE_REVERBERATION);
    case 125:
        return Text(IDS_TREE_BACKGROUND_NOISE);
    case 126:
        return info.m_bCorner ? Composed(IDS_TREE_REVERBERATION, IDS_TREE_CORNER) : Text(IDS_TREE_REF_REVERBERATION);
    case 128:
        return SecondSourceRoom(info);
    case 129:
        return SecondReceivingRoom(info);
    case 130:
        return FacilityWith(info);
    case 131:
        return FacilityWithout(info);
    case 132:
        return Composed(IDS_TREE_BACKGROUND_NOISE, IDS_TREE_CORNER);
    default:
        return "?????";
    }
}

CString CTableTitle::CaptionOf(const CString& sProjectName, int nTableId, const CReportInfo& info)
{
    return sProjectName + " - " + Of(nTableId, info);
}

// Of the kinds that name the second tables, the corner positions win.
CString CTableTitle::SecondSourceRoom(const CReportInfo& info)
{
    if (info.m_bCorner)
        return Composed(IDS_TREE_SOURCE_ROOM, IDS_TREE_CORNER);
    if (info.m_bImpactCorrected)
        return Text(IDS_TREE_LHD_WITHOUT);
    return Composed(IDS_TREE_SOURCE_ROOM, IDS_AIRBORNE, true);
}

CString CTableTitle::SecondReceivingRoom(const CReportInfo& info)
{
    if (info.m_bCorner)
        return Composed(IDS_TREE_RECEIVING_ROOM, IDS_TREE_CORNER);
    if (info.m_bIntensity)
        return Composed(IDS_TREE_RECEIVING_ROOM, IDS_TREE_SOUND_PRESSURE, true);
    if (info.m_bImpactCorrected)
        return Text(IDS_TREE_LBD_WITHOUT);
    return Composed(IDS_TREE_RECEIVING_ROOM, IDS_AIRBORNE, true);
}

CString CTableTitle::FacilityWith(const CReportInfo& info)
{
    if (info.m_bLab && info.m_bImpact && info.m_bReduction)
        return Text(IDS_TABLE_BARE_FLOOR);
    if (IsLabImprovement(info))
        return Text(IDS_TREE_R_WITH);
    if (info.m_bSingleLoudspeaker)
        return info.m_sIndexStr + info.m_sSubscript + " - " + Text(IDS_TREE_RESULTS);
    if (IsLabLightweight(info))
        return Text(IDS_TREE_REFERENCE_FLOOR_WITH);
    return Text(IDS_TREE_TEST_FACILITY);
}

CString CTableTitle::FacilityWithout(const CReportInfo& info)
{
    if (IsLabImprovement(info))
        return Text(IDS_TREE_R_WITHOUT);
    if (IsLabLightweight(info))
        return Text(IDS_TREE_REFERENCE_FLOOR_WITHOUT);
    return CString();
}
