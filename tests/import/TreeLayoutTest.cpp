// Behaviours of the tree layout: the view nodes under "Results" for each
// project kind, the label of every table group with its variants, and the
// title of a table's graph.

#include "import/TreeLayout.h"

#include "model/ReportInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

typedef std::vector<bool CReportInfo::*> CFlags;

CReportInfo KindWith(const CFlags& aFlags)
{
    CReportInfo info;
    for (bool CReportInfo::*pFlag : aFlags)
        info.*pFlag = true;
    return info;
}

// "102 Test report/4" per node, for whole-list comparisons.
std::vector<std::string> Describe(const std::vector<CResultNode>& nodes)
{
    std::vector<std::string> aTexts;
    for (const CResultNode& node : nodes)
        aTexts.push_back(std::to_string(node.m_dwData) + " " + static_cast<LPCTSTR>(node.m_sText) + "/" +
                         std::to_string(node.m_nImage));
    return aTexts;
}

struct CNodesCase {
    const char* m_lpszKind;
    CFlags m_aFlags;
    std::vector<std::string> m_aNodes;
};

const std::string kReport = "102 Test report/4";
const std::string kResult = "103 Result table/1";
const std::string kBgn = "105 Background noise correction table/1";
const std::string kFtm = "106 Flanking transmission correction table/1";

const CNodesCase kNodesCases[] = {
    {"multiplot", {&CReportInfo::m_bMultiplot, &CReportInfo::m_bLab}, {"102 Result chart/4", "111 Settings/2"}},
    {"reverberation", {&CReportInfo::m_bReverberation}, {kReport}},
    {"total loss factor", {&CReportInfo::m_bLab, &CReportInfo::m_bTotalLossFactor}, {kReport}},
    {"absorption", {&CReportInfo::m_bLab, &CReportInfo::m_bAbsorption}, {kReport, kResult}},
    {"intensity", {&CReportInfo::m_bField, &CReportInfo::m_bIntensity, &CReportInfo::m_bAirborne}, {kReport, kResult}},
    {"lab airborne", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne}, {kReport, kResult, kBgn, kFtm}},
    {"lab airborne ASTM", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bASTM}, {kReport, kResult, kBgn}},
    {"lab airborne ceiling", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bCeiling}, {kReport, kResult, kBgn}},
    {"lab airborne improvement", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bImprovement}, {kReport, kResult}},
    {"lab impact", {&CReportInfo::m_bLab, &CReportInfo::m_bImpact}, {kReport, kResult, kBgn}},
    {"lab impact reduction", {&CReportInfo::m_bLab, &CReportInfo::m_bImpact, &CReportInfo::m_bReduction}, {kReport, kResult}},
    {"lab impact corrected", {&CReportInfo::m_bLab, &CReportInfo::m_bImpactCorrected}, {kReport, kResult}},
    {"field airborne", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne}, {kReport, kResult, kBgn}},
    {"field single loudspeaker", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bSingleLoudspeaker}, {kReport, kResult}},
    {"field BS standardised airborne", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bBS, &CReportInfo::m_bStandard}, {kReport, kResult}},
    {"field corner", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bCorner},
     {kReport, kResult, kBgn, "106 Corner Background noise correction table/1"}},
};

TEST(TreeLayout, GivesEachProjectKindItsResultNodes)
{
    for (const CNodesCase& c : kNodesCases) {
        SCOPED_TRACE(c.m_lpszKind);
        EXPECT_EQ(c.m_aNodes, Describe(ResultNodesOf(KindWith(c.m_aFlags))));
    }
}

struct CLabelCase {
    int m_nTableId;
    const char* m_lpszKind;
    CFlags m_aFlags;
    const char* m_lpszLabel;
};

const CLabelCase kLabelCases[] = {
    {122, "plain", {}, "Source room"},
    {122, "impact corrected", {&CReportInfo::m_bImpactCorrected}, "LHR source room, with"},
    {123, "plain", {}, "Receiving room"},
    {123, "impact corrected", {&CReportInfo::m_bImpactCorrected}, "LBR receiving room, with"},
    {123, "intensity", {&CReportInfo::m_bIntensity}, "Receiving room (Intensity)"},
    {124, "plain", {}, "Reverberation"},
    {125, "plain", {}, "Background noise"},
    {125, "intensity", {&CReportInfo::m_bIntensity}, "Residual intensity"},
    {126, "plain", {}, "Ref. reverberation"},
    {126, "corner", {&CReportInfo::m_bCorner}, "Reverberation Corner"},
    {127, "multiplot", {&CReportInfo::m_bMultiplot}, "Multiplot"},
    {128, "plain", {}, "Source room (Airborne)"},
    {128, "impact corrected", {&CReportInfo::m_bImpactCorrected}, "LHD source room, without"},
    {128, "corner", {&CReportInfo::m_bCorner}, "Source room Corner"},
    {129, "plain", {}, "Receiving room (Airborne)"},
    {129, "impact corrected", {&CReportInfo::m_bImpactCorrected}, "LBD receiving room, without"},
    {129, "intensity", {&CReportInfo::m_bIntensity}, "Receiving room (Sound pressure)"},
    {129, "corner wins over intensity", {&CReportInfo::m_bIntensity, &CReportInfo::m_bCorner}, "Receiving room Corner"},
    {130, "plain", {}, "Laboratory test facility"},
    {130, "lab airborne improvement", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bImprovement}, "R-with"},
    {130, "lab impact lightweight", {&CReportInfo::m_bLab, &CReportInfo::m_bImpact, &CReportInfo::m_bReductionLightweight}, "Reference floor - with"},
    {130, "field impact reduction", {&CReportInfo::m_bField, &CReportInfo::m_bImpact, &CReportInfo::m_bReduction}, "Laboratory test facility"},
    {131, "plain", {}, ""},
    {131, "lab airborne improvement", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bImprovement}, "R-without"},
    {131, "lab impact reduction", {&CReportInfo::m_bLab, &CReportInfo::m_bImpact, &CReportInfo::m_bReduction}, "Reference floor - without"},
    {132, "plain", {}, "Background noise Corner"},
};

TEST(TreeLayout, LabelsEveryTableGroupWithItsVariants)
{
    for (const CLabelCase& c : kLabelCases) {
        SCOPED_TRACE(std::to_string(c.m_nTableId) + " " + c.m_lpszKind);
        EXPECT_STREQ(c.m_lpszLabel, TableGroupLabelOf(KindWith(c.m_aFlags), c.m_nTableId));
    }
}

TEST(TreeLayout, NamesTheSingleLoudspeakerFacilityTableByTheProjectsIndex)
{
    CReportInfo info = KindWith({&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bSingleLoudspeaker});
    info.m_sIndexStr = "R";
    info.m_sSubscript = "w";

    EXPECT_STREQ("Rw - Results", TableGroupLabelOf(info, 130));
}

TEST(TreeLayout, LabelsNoGroupOutsideTheTables)
{
    EXPECT_STREQ("", TableGroupLabelOf(CReportInfo(), 121));
    EXPECT_STREQ("", TableGroupLabelOf(CReportInfo(), 133));
}

struct CGraphTitleCase {
    int m_nTableId;
    const char* m_lpszKind;
    CFlags m_aFlags;
    const char* m_lpszTitle;
};

// The graph keeps the plain titles where the group's label has a variant,
// except in corner projects.
const CGraphTitleCase kGraphTitleCases[] = {
    {122, "plain", {}, "Project7 - Source room"},
    {122, "impact corrected", {&CReportInfo::m_bImpactCorrected}, "Project7 - Source room"},
    {123, "intensity", {&CReportInfo::m_bIntensity}, "Project7 - Receiving room"},
    {124, "plain", {}, "Project7 - Reverberation"},
    {125, "intensity", {&CReportInfo::m_bIntensity}, "Project7 - Background noise"},
    {126, "plain", {}, "Project7 - Ref. reverberation"},
    {126, "corner", {&CReportInfo::m_bCorner}, "Project7 - Reverberation Corner"},
    {127, "multiplot", {&CReportInfo::m_bMultiplot}, "Project7 - Multiplot"},
    {128, "plain", {}, "Project7 - Source room (Airborne)"},
    {128, "corner", {&CReportInfo::m_bCorner}, "Project7 - Source room Corner"},
    {129, "intensity", {&CReportInfo::m_bIntensity}, "Project7 - Receiving room (Airborne)"},
    {129, "corner", {&CReportInfo::m_bCorner}, "Project7 - Receiving room Corner"},
    {130, "lab airborne improvement", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bImprovement},
     "Project7 - Laboratory test facility"},
    {130, "single loudspeaker", {&CReportInfo::m_bField, &CReportInfo::m_bSingleLoudspeaker}, "Project7 - Rw - Results"},
    {131, "lab impact reduction", {&CReportInfo::m_bLab, &CReportInfo::m_bImpact, &CReportInfo::m_bReduction},
     "Project7 - R-without"},
    {132, "corner", {&CReportInfo::m_bCorner}, "Project7 - Background noise Corner"},
    {121, "measurement data folder", {}, "Project7 - ?????"},
    {133, "above the tables", {}, "Project7 - ?????"},
};

TEST(TreeLayout, TitlesATablesGraphWithTheProjectNumberAndTheTable)
{
    for (const CGraphTitleCase& c : kGraphTitleCases) {
        SCOPED_TRACE(std::to_string(c.m_nTableId) + " " + c.m_lpszKind);
        CReportInfo info = KindWith(c.m_aFlags);
        info.m_sIndexStr = "R";
        info.m_sSubscript = "w";
        EXPECT_STREQ(c.m_lpszTitle, GraphTitleOf(7, info, c.m_nTableId));
    }
}

} // namespace
