#include "MultiplePrintKinds.h"

#include "model/ReportInfo.h"

namespace {

// Project kinds that have no tables of airborne or impact levels.
bool IsRoomAcousticKind(const CReportInfo& i)
{
    return i.m_bMultiplot || i.m_bReverberation || i.m_bTotalLossFactor;
}

struct CPrintKind {
    int nViewKind;
    bool bTable;
    bool (*pIsPrintedFor)(const CReportInfo&);
};

const CPrintKind kKinds[CMultiplePrintKinds::kKindCount] = {
    {102, false, [](const CReportInfo&) { return true; }},
    {103, false, [](const CReportInfo& i) { return !IsRoomAcousticKind(i); }},
    {105, false, [](const CReportInfo& i) { return !IsRoomAcousticKind(i) && !i.m_bAbsorption; }},
    {106, false, [](const CReportInfo& i) { return i.m_bLab && i.m_bAirborne && !i.m_bCeiling; }},
    {122, true, [](const CReportInfo& i) { return !IsRoomAcousticKind(i) && !i.m_bImpact && !i.m_bAbsorption; }},
    {123, true, [](const CReportInfo& i) { return !IsRoomAcousticKind(i) && !i.m_bAbsorption; }},
    {128, true, [](const CReportInfo& i) { return i.m_bImpactAirborne; }},
    {129, true, [](const CReportInfo& i) { return i.m_bImpactAirborne; }},
    {125, true, [](const CReportInfo& i) { return !IsRoomAcousticKind(i) && !i.m_bAbsorption; }},
    {124, true, [](const CReportInfo& i) { return !i.m_bMultiplot; }},
    {126, true, [](const CReportInfo& i) { return i.m_bAbsorption; }},
    {130, true,
     [](const CReportInfo& i) {
         return i.m_bLab && ((i.m_bAirborne && !i.m_bCeiling) || (i.m_bImpact && i.m_bReduction));
     }},
    // Only a multiplot project keeps a multiplot table group in its tree.
    {127, true, [](const CReportInfo& i) { return i.m_bMultiplot; }},
};

}  // namespace

int CMultiplePrintKinds::ViewKindOf(int nBit)
{
    return kKinds[nBit].nViewKind;
}

bool CMultiplePrintKinds::IsTable(int nBit)
{
    return kKinds[nBit].bTable;
}

int CMultiplePrintKinds::BitOf(int nViewKind)
{
    for (int nBit = 0; nBit < kKindCount; ++nBit) {
        if (kKinds[nBit].nViewKind == nViewKind)
            return nBit;
    }
    return -1;
}

bool CMultiplePrintKinds::IsPrintedFor(int nBit, const CReportInfo& info)
{
    return kKinds[nBit].pIsPrintedFor(info);
}
