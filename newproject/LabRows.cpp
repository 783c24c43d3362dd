// Laboratory methods, and the methods of impact with airborne noise, half of
// which are laboratory methods. Columns as in FieldRows.cpp.

#include "newproject/CatalogueTables.h"

#include "res/resource.h"

namespace
{

using R = CReportInfo;
constexpr int kNew = CMethodRow::kNewerStandard;

// Both tables offer the ISO 10140 floor-covering methods.
constexpr CMethodRow kReductionHeavyRow = {
    kNew, {&R::m_bLab, &R::m_bImpact, &R::m_bISO, &R::m_bReduction}, kNoYear, "L", "",
    IDS_LAB_ISO10140_REDUCT_HEAVY, IDS_LAB_ISO10140_REDUCT_HEAVY_TITLE, IDS_SUBTITLE_LAB_HEAVY_FLOOR, IDS_GRAPH_REDUCT_IMPACT,
    IDS_TPL_LAB_ISO10140_REDUCT_HEAVY};
constexpr CMethodRow kReductionLightRow = {
    kNew, {&R::m_bLab, &R::m_bImpact, &R::m_bISO, &R::m_bReductionLightweight}, kNoYear, "L", "t",
    IDS_LAB_ISO10140_REDUCT_LIGHT, IDS_LAB_ISO10140_REDUCT_LIGHT_TITLE, IDS_SUBTITLE_LAB_LIGHT_FLOOR, IDS_GRAPH_REDUCT_IMPACT_LIGHT,
    IDS_TPL_LAB_ISO10140_REDUCT_LIGHT};

const CMethodRow kLabIsoAirborneRows[] = {
    {kNew, {&R::m_bLab, &R::m_bAirborne, &R::m_bISO, &R::m_bReduction, &R::m_bElements, &R::m_bAverageLoudspeaker}, 2010, "R", "",
     IDS_LAB_ISO10140_2_SRI, 0, IDS_SUBTITLE_LAB_ELEMENTS, IDS_GRAPH_SRI, IDS_TPL_LAB_ISO10140_2_SRI},
    {kNew, {&R::m_bLab, &R::m_bAirborne, &R::m_bISO, &R::m_bReduction, &R::m_bElements, &R::m_bApparent, &R::m_bAverageLoudspeaker}, 2010, "R'", "",
     IDS_LAB_ISO10140_2_APP_SRI, 0, IDS_SUBTITLE_LAB_ELEMENTS, IDS_GRAPH_APP_SRI, IDS_TPL_LAB_ISO10140_2_APP_SRI},
    {kNew, {&R::m_bLab, &R::m_bAirborne, &R::m_bISO, &R::m_bNormal, &R::m_bSmallElements, &R::m_bAverageLoudspeaker}, 2010, "D", "n,e",
     IDS_LAB_ISO10140_2_ELEMENT, 0, IDS_SUBTITLE_LAB_ELEMENTS, IDS_GRAPH_ELEMENT_LEVDIFF, IDS_TPL_LAB_ISO10140_2_ELEMENT},
    {kNew, {&R::m_bLab, &R::m_bAirborne, &R::m_bISO, &R::m_bReduction, &R::m_bElements, &R::m_bSingleLoudspeaker}, 2010, "R", "",
     IDS_LAB_ISO10140_2_SRI_SINGLE, IDS_LAB_ISO10140_2_SRI, IDS_SUBTITLE_LAB_ELEMENTS, IDS_GRAPH_SRI, IDS_TPL_LAB_ISO10140_2_SRI_SINGLE},
    {kNew, {&R::m_bLab, &R::m_bAirborne, &R::m_bISO, &R::m_bReduction, &R::m_bElements, &R::m_bApparent, &R::m_bSingleLoudspeaker}, 2010, "R'", "",
     IDS_LAB_ISO10140_2_APP_SRI_SINGLE, IDS_LAB_ISO10140_2_APP_SRI, IDS_SUBTITLE_LAB_ELEMENTS, IDS_GRAPH_APP_SRI, IDS_TPL_LAB_ISO10140_2_APP_SRI_SINGLE},
    {kNew, {&R::m_bLab, &R::m_bAirborne, &R::m_bISO, &R::m_bNormal, &R::m_bSmallElements, &R::m_bSingleLoudspeaker}, 2010, "D", "n,e",
     IDS_LAB_ISO10140_2_ELEMENT_SINGLE, IDS_LAB_ISO10140_2_ELEMENT, IDS_SUBTITLE_LAB_ELEMENTS, IDS_GRAPH_ELEMENT_LEVDIFF, IDS_TPL_LAB_ISO10140_2_ELEMENT_SINGLE},
    {kNew, {&R::m_bLab, &R::m_bAirborne, &R::m_bISO, &R::m_bImprovement}, kNoYear, "R", "",
     IDS_LAB_ISO10140_IMPROVE, 0, IDS_SUBTITLE_LAB_LINING, IDS_GRAPH_IMPROVE, IDS_TPL_LAB_ISO10140_IMPROVE},
    {0, {&R::m_bLab, &R::m_bAirborne, &R::m_bISO, &R::m_bReduction, &R::m_bElements}, kNoYear, "R", "",
     IDS_LAB_ISO140_3_SRI, 0, IDS_SUBTITLE_LAB_ELEMENTS, IDS_GRAPH_SRI, IDS_TPL_LAB_ISO140_3_SRI},
    {0, {&R::m_bLab, &R::m_bAirborne, &R::m_bISO, &R::m_bReduction, &R::m_bElements, &R::m_bApparent}, kNoYear, "R'", "",
     IDS_LAB_ISO140_3_APP_SRI, 0, IDS_SUBTITLE_LAB_ELEMENTS, IDS_GRAPH_APP_SRI, IDS_TPL_LAB_ISO140_3_APP_SRI},
    {0, {&R::m_bLab, &R::m_bAirborne, &R::m_bISO, &R::m_bNormal, &R::m_bCeiling}, kNoYear, "D", "n,c",
     IDS_LAB_ISO140_9_CEILING, 0, IDS_SUBTITLE_LAB_ELEMENTS, IDS_GRAPH_CEILING_LEVDIFF, IDS_TPL_LAB_ISO140_9_CEILING},
    {0, {&R::m_bLab, &R::m_bAirborne, &R::m_bISO, &R::m_bNormal, &R::m_bSmallElements}, kNoYear, "D", "n,e",
     IDS_LAB_ISO140_10_ELEMENT, 0, IDS_SUBTITLE_LAB_ELEMENTS, IDS_GRAPH_ELEMENT_LEVDIFF, IDS_TPL_LAB_ISO140_10_ELEMENT},
    {0, {&R::m_bLab, &R::m_bAirborne, &R::m_bISO, &R::m_bImprovement}, kNoYear, "R", "",
     IDS_LAB_ISO140_16_IMPROVE, 0, IDS_SUBTITLE_LAB_LINING, IDS_GRAPH_IMPROVE, IDS_TPL_LAB_ISO140_16_IMPROVE},
    {0, {&R::m_bLab, &R::m_bAirborne, &R::m_bISO, &R::m_bNormal, &R::m_bFlankingTransmission}, kNoYear, "D", "n,f",
     IDS_LAB_ISO10848_FLANK, 0, IDS_SUBTITLE_LAB_FLANK, IDS_GRAPH_FLANK, IDS_TPL_LAB_ISO10848_FLANK},
};

const CMethodRow kLabIsoImpactRows[] = {
    {kNew, {&R::m_bLab, &R::m_bImpact, &R::m_bISO, &R::m_bNormal}, kNoYear, "L", "n",
     IDS_LAB_ISO10140_3_NORM_IMPACT, 0, IDS_SUBTITLE_LAB_FLOORS, IDS_GRAPH_NORM_IMPACT, IDS_TPL_LAB_ISO10140_3_NORM_IMPACT},
    kReductionHeavyRow,
    kReductionLightRow,
    {0, {&R::m_bLab, &R::m_bImpact, &R::m_bISO, &R::m_bNormal, &R::m_bFlankingTransmission}, kNoYear, "L", "n,f",
     IDS_LAB_ISO10848_FLANK_IMPACT, 0, IDS_SUBTITLE_LAB_FLANK_IMPACT, IDS_GRAPH_FLANK_IMPACT, IDS_TPL_LAB_ISO10848_FLANK_IMPACT},
    {0, {&R::m_bLab, &R::m_bImpact, &R::m_bISO, &R::m_bNormal}, kNoYear, "L", "n",
     IDS_LAB_ISO140_6_NORM_IMPACT, 0, IDS_SUBTITLE_LAB_FLOORS, IDS_GRAPH_NORM_IMPACT, IDS_TPL_LAB_ISO140_6_NORM_IMPACT},
    {0, {&R::m_bLab, &R::m_bImpact, &R::m_bISO, &R::m_bReduction}, kNoYear, "L", "",
     IDS_LAB_ISO140_8_REDUCT_IMPACT, 0, IDS_SUBTITLE_LAB_HEAVY_FLOOR, IDS_GRAPH_REDUCT_IMPACT, IDS_TPL_LAB_ISO140_8_REDUCT_IMPACT},
    {0, {&R::m_bLab, &R::m_bImpact, &R::m_bISO, &R::m_bReductionLightweight}, kNoYear, "L", "t",
     IDS_LAB_ISO140_11_REDUCT_IMPACT, 0, IDS_SUBTITLE_LAB_LIGHT_FLOOR, IDS_GRAPH_REDUCT_IMPACT_LIGHT, IDS_TPL_LAB_ISO140_11_REDUCT_IMPACT},
};

// A loss-factor report has no sub-title and no remarks caption.
const CMethodRow kLabIsoLossFactorRows[] = {
    {CMethodRow::kNoRemarksLabel, {&R::m_bLab, &R::m_bTotalLossFactor, &R::m_bISO}, kNoYear, "h", "",
     IDS_LAB_ISO140_3_LOSS, 0, 0, IDS_TOTAL_LOSS_FACTOR, IDS_TPL_LAB_ISO140_3_LOSS},
    {CMethodRow::kNoRemarksLabel, {&R::m_bLab, &R::m_bTotalLossFactor, &R::m_bISO}, kNoYear, "h", "",
     IDS_LAB_ISO10140_4_LOSS, 0, 0, IDS_TOTAL_LOSS_FACTOR, IDS_TPL_LAB_ISO10140_4_LOSS},
};

const CMethodRow kLabAstmAirborneRows[] = {
    {0, {&R::m_bLab, &R::m_bAirborne, &R::m_bASTM, &R::m_bReduction, &R::m_bElements}, kNoYear, "TL", "",
     IDS_LAB_ASTM_E90, IDS_ASTM_TL, IDS_SUBTITLE_ASTM_E90, IDS_ASTM_TL, IDS_TPL_ASTM_E90},
};

const CMethodRow kLabAstmImpactRows[] = {
    {0, {&R::m_bLab, &R::m_bImpact, &R::m_bASTM, &R::m_bNormal}, kNoYear, "L", "n",
     IDS_LAB_ASTM_E492, IDS_ASTM_LN, IDS_SUBTITLE_ASTM_E492, IDS_ASTM_LN, IDS_TPL_ASTM_E492},
};

const CMethodRow kLabNfImpactRows[] = {
    {0, {&R::m_bLab, &R::m_bImpactCorrected, &R::m_bNF, &R::m_bNormal}, kNoYear, "L", "n,e",
     IDS_LAB_NFS31_074, 0, IDS_SUBTITLE_LAB_COVERING_ROOM, IDS_GRAPH_NORM_IMPACT, IDS_TPL_LAB_NFS31_074},
};

// The floor-covering methods here are plain impact methods; the others take
// the second pair of source and receiving tables for the airborne noise.
const CMethodRow kImpactAirborneIsoRows[] = {
    {kNew, {&R::m_bField, &R::m_bImpactAirborne, &R::m_bISO, &R::m_bNormal, &R::m_bAverageLoudspeaker}, 2014, "L'", "n",
     IDS_ISO16283_2_NORM_IMPACT, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_NORM_IMPACT, IDS_TPL_IA_ISO16283_2_NORM},
    {kNew, {&R::m_bField, &R::m_bImpactAirborne, &R::m_bISO, &R::m_bStandard, &R::m_bAverageLoudspeaker}, 2014, "L'", "nT",
     IDS_ISO16283_2_STD_IMPACT, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_STD_IMPACT, IDS_TPL_IA_ISO16283_2_STD},
    {0, {&R::m_bField, &R::m_bImpactAirborne, &R::m_bISO, &R::m_bNormal}, kNoYear, "L'", "n",
     IDS_ISO140_7_NORM_IMPACT, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_NORM_IMPACT, IDS_TPL_IA_ISO140_7_NORM},
    {0, {&R::m_bField, &R::m_bImpactAirborne, &R::m_bISO, &R::m_bStandard}, kNoYear, "L'", "nT",
     IDS_ISO140_7_STD_IMPACT, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_STD_IMPACT, IDS_TPL_IA_ISO140_7_STD},
    {kNew, {&R::m_bLab, &R::m_bImpactAirborne, &R::m_bISO, &R::m_bNormal}, kNoYear, "L", "n",
     IDS_LAB_ISO10140_3_NORM_IMPACT, 0, IDS_SUBTITLE_LAB_FLOORS, IDS_GRAPH_NORM_IMPACT, IDS_TPL_IA_ISO10140_3_NORM},
    kReductionHeavyRow,
    kReductionLightRow,
    {kNew, {&R::m_bLab, &R::m_bImpactAirborne, &R::m_bISO, &R::m_bNormal}, kNoYear, "L", "n",
     IDS_LAB_ISO140_6_NORM_IMPACT, 0, IDS_SUBTITLE_LAB_FLOORS, IDS_GRAPH_NORM_IMPACT, IDS_TPL_IA_ISO140_6_NORM},
};

const CMethodRow kImpactAirborneDinRows[] = {
    {kNew, {&R::m_bField, &R::m_bImpactAirborne, &R::m_bDIN, &R::m_bNormal, &R::m_bAverageLoudspeaker}, kNoYear, "L'", "n",
     IDS_DIN4109_4_NORM_IMPACT, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_NORM_IMPACT, IDS_TPL_IA_DIN4109_4_NORM},
    {kNew, {&R::m_bField, &R::m_bImpactAirborne, &R::m_bDIN, &R::m_bStandard, &R::m_bAverageLoudspeaker}, kNoYear, "L'", "nT",
     IDS_DIN4109_4_STD_IMPACT, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_STD_IMPACT, IDS_TPL_IA_DIN4109_4_STD},
};

} // namespace

const CRowTable kLabIsoAirborne = MakeRowTable(kLabIsoAirborneRows);
const CRowTable kLabIsoImpact = MakeRowTable(kLabIsoImpactRows);
const CRowTable kLabIsoLossFactor = MakeRowTable(kLabIsoLossFactorRows);
const CRowTable kLabAstmAirborne = MakeRowTable(kLabAstmAirborneRows);
const CRowTable kLabAstmImpact = MakeRowTable(kLabAstmImpactRows);
const CRowTable kLabNfImpact = MakeRowTable(kLabNfImpactRows);
const CRowTable kImpactAirborneIso = MakeRowTable(kImpactAirborneIsoRows);
const CRowTable kImpactAirborneDin = MakeRowTable(kImpactAirborneDinRows);
