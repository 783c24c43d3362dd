// Behaviours of TableGroupsOf: the table groups of each project kind, in the
// tree's order; the first rule that holds decides.

#include "ProjectTestSupport.h"
#include "model/TableGroups.h"

#include <gtest/gtest.h>

namespace {

struct CGroupCase {
    const char* m_lpszKind;
    std::vector<bool CReportInfo::*> m_aFlags;
    std::vector<int> m_aGroups;
};

const CGroupCase kGroupCases[] = {
    {"field airborne difference", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bDifference}, {122, 123, 125}},
    {"field airborne", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne}, {122, 123, 125, 124}},
    {"field impact", {&CReportInfo::m_bField, &CReportInfo::m_bImpact}, {123, 125, 124}},
    {"field single loudspeaker", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bSingleLoudspeaker}, {130}},
    {"field airborne intensity", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bIntensity}, {122, 123, 129, 125}},
    {"absorption", {&CReportInfo::m_bLab, &CReportInfo::m_bAbsorption}, {124, 126}},
    {"multiplot", {&CReportInfo::m_bMultiplot}, {127}},
    {"impact airborne", {&CReportInfo::m_bField, &CReportInfo::m_bImpactAirborne}, {122, 123, 128, 129, 125, 124}},
    {"impact corrected", {&CReportInfo::m_bLab, &CReportInfo::m_bImpactCorrected}, {122, 123, 128, 129}},
    {"corner airborne", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bCorner}, {122, 123, 125, 124, 128, 129, 132, 126}},
    {"corner impact", {&CReportInfo::m_bField, &CReportInfo::m_bImpact, &CReportInfo::m_bCorner}, {123, 125, 124, 129, 132, 126}},
    {"reverberation", {&CReportInfo::m_bReverberation}, {124}},
    {"total loss factor", {&CReportInfo::m_bLab, &CReportInfo::m_bTotalLossFactor}, {124}},
    {"lab airborne single loudspeaker", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bSingleLoudspeaker}, {130}},
    {"lab airborne improvement", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bImprovement}, {130, 131}},
    {"lab impact lightweight", {&CReportInfo::m_bLab, &CReportInfo::m_bImpact, &CReportInfo::m_bReductionLightweight}, {130, 131}},
    {"lab airborne", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne}, {122, 123, 125, 124, 130}},
    {"lab airborne ceiling", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bCeiling}, {122, 123, 125, 124}},
    {"lab airborne flanking", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bFlankingTransmission}, {122, 123, 125, 124}},
    {"lab impact", {&CReportInfo::m_bLab, &CReportInfo::m_bImpact}, {123, 125, 124}},
    {"no kind", {}, {}},
    {"lab without kind", {&CReportInfo::m_bLab}, {}},
};

TEST(TableGroups, GivesEachProjectKindItsGroupsInTreeOrder)
{
    for (const CGroupCase& c : kGroupCases) {
        SCOPED_TRACE(c.m_lpszKind);
        const CReportInfo info = KindWith(c.m_aFlags);

        EXPECT_EQ(c.m_aGroups, TableGroupsOf(info));
        for (int nTableId = 121; nTableId <= 133; ++nTableId) {
            const bool bListed = std::find(c.m_aGroups.begin(), c.m_aGroups.end(), nTableId) != c.m_aGroups.end();
            EXPECT_EQ(bListed, HasTableGroup(info, nTableId)) << nTableId;
        }
    }
}

} // namespace
