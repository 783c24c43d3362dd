#include "DocumentCommands.h"

#include "model/ProjectDoc.h"
#include "model/ProjectTreeSink.h"
#include "model/TableGroups.h"
#include "res/resource.h"

namespace {

constexpr int kSourceRoom = 122;
constexpr int kReceivingRoom = 123;

// Appends rec to the list of nTableId and gives it a leaf there.
void AppendWithLeaf(CProjectDoc& project, int nTableId, NBuildData& rec, CProjectTreeSink* pTree)
{
    const POSITION pos = project.GetMeasurementList(nTableId)->AddTail(rec);
    if (pTree != nullptr)
        pTree->AddMeasurementItem(nTableId, pos, rec.m_Spectrum.GetTitle());
}

// Moves every record of the list of nTableId, in order, into rTaken and
// removes its leaf.
void TakeAll(CProjectDoc& project, int nTableId, CProjectTreeSink* pTree, CMeasurementList& rTaken)
{
    CMeasurementList* pList = project.GetMeasurementList(nTableId);
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
        const POSITION posRecord = pos;
        rTaken.AddTail(pList->GetNext(pos));
        if (pTree != nullptr)
            pTree->RemoveMeasurementItem(nTableId, posRecord);
    }
    pList->RemoveAll();
}

} // namespace

bool IsDocumentTreeCommand(UINT nID)
{
    switch (nID) {
    case ID_EDIT_DELETE_MEASUREMENT:
    case ID_EDIT_PASTE:
    case ID_EDIT_COPY:
    case ID_PROJECT_SET_ACTIVE:
    case ID_VIEW_PROPERTIES:
        return true;
    default:
        return false;
    }
}

// Single-loudspeaker and improvement projects pass the kind test but have no
// room tables: swapping there would move records into tables they never show.
bool IsSwapTableOffered(const CReportInfo& info)
{
    const bool bRefusedKind = info.m_bAbsorption || info.m_bMultiplot || info.m_bReverberation || info.m_bImpact ||
        info.m_bImpactAirborne || info.m_bTotalLossFactor;
    return !bRefusedKind && HasTableGroup(info, kSourceRoom) && HasTableGroup(info, kReceivingRoom);
}

bool IsFlankingCorrectionActive(const CReportInfo& info, bool bFtmCorrection)
{
    return bFtmCorrection && info.m_bLab && info.m_bAirborne && !info.m_bCeiling;
}

// The summary records travel with their tables; the recalculation rebuilds them.
void SwapSourceAndReceivingTables(CProjectDoc& project, CProjectTreeSink* pTree)
{
    CMeasurementList formerSource;
    CMeasurementList formerReceiving;
    TakeAll(project, kSourceRoom, pTree, formerSource);
    TakeAll(project, kReceivingRoom, pTree, formerReceiving);
    for (POSITION pos = formerReceiving.GetHeadPosition(); pos != nullptr;)
        AppendWithLeaf(project, kSourceRoom, formerReceiving.GetNext(pos), pTree);
    for (POSITION pos = formerSource.GetHeadPosition(); pos != nullptr;)
        AppendWithLeaf(project, kReceivingRoom, formerSource.GetNext(pos), pTree);
    project.Recalculate(0);
}
