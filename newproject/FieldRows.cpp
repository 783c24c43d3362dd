// Field methods of ISO (the façade grid apart), ÖNORM, SIA, BS, DIN, ASTM and
// SS. Columns: options; flags; year; symbol and subscript; leaf, title,
// sub-title, graph title and template texts; then, where a leaf is joined from
// pieces, its prefix and separator, and how the loaded texts are derived.

#include "newproject/CatalogueTables.h"

#include "res/resource.h"

namespace
{

using R = CReportInfo;
constexpr int kNew = CMethodRow::kNewerStandard;
constexpr int kCaret = CMethodRow::kCaretWhenNoMru;
constexpr auto kOen = CMethodRow::kOenorm;

const CMethodRow kIsoFieldAirborneRows[] = {
    {kNew | kCaret, {&R::m_bField, &R::m_bISO, &R::m_bAirborne, &R::m_bReduction, &R::m_bElements, &R::m_bAverageLoudspeaker}, kNoYear, "R'", "",
     IDS_ISO16283_1_APP_SRI, 0, IDS_SUBTITLE_ROOMS, IDS_GRAPH_APP_SRI, IDS_TPL_ISO16283_1_APP_SRI},
    {kNew, {&R::m_bField, &R::m_bISO, &R::m_bAirborne, &R::m_bStandard, &R::m_bAverageLoudspeaker}, kNoYear, "D", "nT",
     IDS_ISO16283_1_STD_LEVDIFF, 0, IDS_SUBTITLE_ROOMS, IDS_GRAPH_STD_LEVDIFF, IDS_TPL_ISO16283_1_STD_LEVDIFF},
    {kNew, {&R::m_bField, &R::m_bISO, &R::m_bAirborne, &R::m_bReduction, &R::m_bRoom, &R::m_bAverageLoudspeaker}, kNoYear, "R'", "",
     IDS_ISO16283_1_APP_SRI_STAGGERED, IDS_ISO16283_1_APP_SRI, IDS_SUBTITLE_ROOMS, IDS_GRAPH_APP_SRI, IDS_TPL_ISO16283_1_APP_SRI},
    {kNew, {&R::m_bField, &R::m_bISO, &R::m_bAirborne, &R::m_bReduction, &R::m_bElements, &R::m_bCorner, &R::m_bAverageLoudspeaker}, kNoYear, "R'", "",
     IDS_ISO16283_1_APP_SRI_LOWFREQ, 0, IDS_SUBTITLE_ROOMS, IDS_GRAPH_APP_SRI, IDS_TPL_ISO16283_1_APP_SRI_LOWFREQ},
    {kNew, {&R::m_bField, &R::m_bISO, &R::m_bAirborne, &R::m_bStandard, &R::m_bCorner, &R::m_bAverageLoudspeaker}, kNoYear, "D", "nT",
     IDS_ISO16283_1_STD_LEVDIFF_LOWFREQ, 0, IDS_SUBTITLE_ROOMS, IDS_GRAPH_STD_LEVDIFF, IDS_TPL_ISO16283_1_STD_LEVDIFF_LOWFREQ},
    {kNew, {&R::m_bField, &R::m_bISO, &R::m_bAirborne, &R::m_bReduction, &R::m_bElements, &R::m_bApparent, &R::m_bSingleLoudspeaker}, 2014, "R'", "",
     IDS_ISO16283_1_APP_SRI_SINGLE, IDS_ISO16283_1_APP_SRI, IDS_SUBTITLE_ROOMS, IDS_GRAPH_APP_SRI, IDS_TPL_ISO16283_1_APP_SRI_SINGLE},
    {kNew, {&R::m_bField, &R::m_bISO, &R::m_bAirborne, &R::m_bStandard, &R::m_bSingleLoudspeaker}, 2014, "D", "nT",
     IDS_ISO16283_1_STD_LEVDIFF_SINGLE, IDS_ISO16283_1_STD_LEVDIFF, IDS_SUBTITLE_ROOMS, IDS_GRAPH_STD_LEVDIFF, IDS_TPL_ISO16283_1_STD_LEVDIFF_SINGLE},
    {kCaret, {&R::m_bField, &R::m_bISO, &R::m_bAirborne, &R::m_bReduction, &R::m_bRoom}, kNoYear, "R'", "",
     IDS_ISO140_4_APP_SRI_ROOM, IDS_ISO140_4_APP_SRI, IDS_SUBTITLE_ROOMS, IDS_GRAPH_APP_SRI, IDS_TPL_ISO140_4_APP_SRI_ROOM},
    {0, {&R::m_bField, &R::m_bISO, &R::m_bAirborne, &R::m_bReduction, &R::m_bElements}, kNoYear, "R'", "",
     IDS_ISO140_4_APP_SRI_ELEMENT, IDS_ISO140_4_APP_SRI, IDS_SUBTITLE_ROOMS, IDS_GRAPH_APP_SRI, IDS_TPL_ISO140_4_APP_SRI_ELEMENT},
    {0, {&R::m_bField, &R::m_bISO, &R::m_bAirborne, &R::m_bNormal}, kNoYear, "D", "n",
     IDS_ISO140_4_NORM_LEVDIFF, 0, IDS_SUBTITLE_ROOMS, IDS_GRAPH_NORM_LEVDIFF, IDS_TPL_ISO140_4_NORM_LEVDIFF},
    {0, {&R::m_bField, &R::m_bISO, &R::m_bAirborne, &R::m_bStandard}, kNoYear, "D", "nT",
     IDS_ISO140_4_STD_LEVDIFF, 0, IDS_SUBTITLE_ROOMS, IDS_GRAPH_STD_LEVDIFF, IDS_TPL_ISO140_4_STD_LEVDIFF},
};

const CMethodRow kIsoFieldImpactRows[] = {
    {kNew, {&R::m_bField, &R::m_bISO, &R::m_bImpact, &R::m_bNormal, &R::m_bAverageLoudspeaker}, kNoYear, "L'", "n",
     IDS_ISO16283_2_NORM_IMPACT, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_NORM_IMPACT, IDS_TPL_ISO16283_2_NORM_IMPACT},
    {kNew, {&R::m_bField, &R::m_bISO, &R::m_bImpact, &R::m_bStandard, &R::m_bAverageLoudspeaker}, kNoYear, "L'", "nT",
     IDS_ISO16283_2_STD_IMPACT, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_STD_IMPACT, IDS_TPL_ISO16283_2_STD_IMPACT},
    {kNew, {&R::m_bField, &R::m_bISO, &R::m_bImpact, &R::m_bNormal, &R::m_bCorner, &R::m_bAverageLoudspeaker}, kNoYear, "L'", "n",
     IDS_ISO16283_2_NORM_IMPACT_LOWFREQ, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_NORM_IMPACT, IDS_TPL_ISO16283_2_NORM_IMPACT_LOWFREQ},
    {kNew, {&R::m_bField, &R::m_bISO, &R::m_bImpact, &R::m_bStandard, &R::m_bCorner, &R::m_bAverageLoudspeaker}, kNoYear, "L'", "nT",
     IDS_ISO16283_2_STD_IMPACT_LOWFREQ, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_STD_IMPACT, IDS_TPL_ISO16283_2_STD_IMPACT_LOWFREQ},
    {0, {&R::m_bField, &R::m_bISO, &R::m_bImpact, &R::m_bNormal}, kNoYear, "L'", "n",
     IDS_ISO140_7_NORM_IMPACT, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_NORM_IMPACT, IDS_TPL_ISO140_7_NORM_IMPACT},
    {0, {&R::m_bField, &R::m_bISO, &R::m_bImpact, &R::m_bStandard}, kNoYear, "L'", "nT",
     IDS_ISO140_7_STD_IMPACT, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_STD_IMPACT, IDS_TPL_ISO140_7_STD_IMPACT},
};

// The methods after ÖNORM EN ISO 16283 load the ISO methods' texts; those
// after ÖNORM EN ISO 140 have texts of their own.
const CMethodRow kOenFieldAirborneRows[] = {
    {kNew | kCaret, {&R::m_bField, &R::m_bOEN, &R::m_bAirborne, &R::m_bReduction, &R::m_bElements, &R::m_bAverageLoudspeaker}, kNoYear, "R'", "",
     IDS_ISO16283_1_APP_SRI, 0, IDS_SUBTITLE_ROOMS, IDS_GRAPH_APP_SRI, IDS_TPL_ISO16283_1_APP_SRI, 0, "", kOen},
    {kNew, {&R::m_bField, &R::m_bOEN, &R::m_bAirborne, &R::m_bStandard, &R::m_bAverageLoudspeaker}, kNoYear, "D", "nT",
     IDS_ISO16283_1_STD_LEVDIFF, 0, IDS_SUBTITLE_ROOMS, IDS_GRAPH_STD_LEVDIFF, IDS_TPL_ISO16283_1_STD_LEVDIFF, 0, "", kOen},
    {kNew, {&R::m_bField, &R::m_bOEN, &R::m_bAirborne, &R::m_bReduction, &R::m_bElements, &R::m_bAverageLoudspeaker, &R::m_bCorner}, kNoYear, "R'", "",
     IDS_ISO16283_1_APP_SRI_LOWFREQ, 0, IDS_SUBTITLE_ROOMS, IDS_GRAPH_APP_SRI, IDS_TPL_ISO16283_1_APP_SRI_LOWFREQ, 0, "", kOen},
    {kNew, {&R::m_bField, &R::m_bOEN, &R::m_bAirborne, &R::m_bStandard, &R::m_bAverageLoudspeaker, &R::m_bCorner}, kNoYear, "D", "nT",
     IDS_ISO16283_1_STD_LEVDIFF_LOWFREQ, 0, IDS_SUBTITLE_ROOMS, IDS_GRAPH_STD_LEVDIFF, IDS_TPL_ISO16283_1_STD_LEVDIFF_LOWFREQ, 0, "", kOen},
    {0, {&R::m_bField, &R::m_bOEN, &R::m_bAirborne, &R::m_bReduction, &R::m_bRoom}, kNoYear, "R'", "",
     IDS_OEN140_4_APP_SRI_ROOM, IDS_OEN140_4_APP_SRI, IDS_SUBTITLE_ROOMS, IDS_GRAPH_APP_SRI, IDS_TPL_OEN140_4_APP_SRI_ROOM},
    {0, {&R::m_bField, &R::m_bOEN, &R::m_bAirborne, &R::m_bReduction, &R::m_bElements}, kNoYear, "R'", "",
     IDS_OEN140_4_APP_SRI_ELEMENT, IDS_OEN140_4_APP_SRI, IDS_SUBTITLE_ROOMS, IDS_GRAPH_APP_SRI, IDS_TPL_OEN140_4_APP_SRI_ELEMENT},
    {0, {&R::m_bField, &R::m_bOEN, &R::m_bAirborne, &R::m_bNormal}, kNoYear, "D", "n",
     IDS_OEN140_4_NORM_LEVDIFF, 0, IDS_SUBTITLE_ROOMS, IDS_GRAPH_NORM_LEVDIFF, IDS_TPL_OEN140_4_NORM_LEVDIFF},
    {0, {&R::m_bField, &R::m_bOEN, &R::m_bAirborne, &R::m_bStandard}, kNoYear, "D", "nT",
     IDS_OEN140_4_STD_LEVDIFF, 0, IDS_SUBTITLE_ROOMS, IDS_GRAPH_STD_LEVDIFF, IDS_TPL_OEN140_4_STD_LEVDIFF},
};

const CMethodRow kOenFieldImpactRows[] = {
    {kNew, {&R::m_bField, &R::m_bOEN, &R::m_bImpact, &R::m_bNormal, &R::m_bAverageLoudspeaker}, kNoYear, "L'", "n",
     IDS_ISO16283_2_NORM_IMPACT, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_NORM_IMPACT, IDS_TPL_ISO16283_2_NORM_IMPACT, 0, "", kOen},
    {kNew, {&R::m_bField, &R::m_bOEN, &R::m_bImpact, &R::m_bStandard, &R::m_bAverageLoudspeaker}, kNoYear, "L'", "nT",
     IDS_ISO16283_2_STD_IMPACT, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_STD_IMPACT, IDS_TPL_ISO16283_2_STD_IMPACT, 0, "", kOen},
    {kNew, {&R::m_bField, &R::m_bOEN, &R::m_bImpact, &R::m_bNormal, &R::m_bAverageLoudspeaker, &R::m_bCorner}, kNoYear, "L'", "n",
     IDS_ISO16283_2_NORM_IMPACT_LOWFREQ, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_NORM_IMPACT, IDS_TPL_ISO16283_2_NORM_IMPACT_LOWFREQ, 0, "", kOen},
    {kNew, {&R::m_bField, &R::m_bOEN, &R::m_bImpact, &R::m_bStandard, &R::m_bAverageLoudspeaker, &R::m_bCorner}, kNoYear, "L'", "nT",
     IDS_ISO16283_2_STD_IMPACT_LOWFREQ, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_STD_IMPACT, IDS_TPL_ISO16283_2_STD_IMPACT_LOWFREQ, 0, "", kOen},
    {0, {&R::m_bField, &R::m_bOEN, &R::m_bImpact, &R::m_bNormal}, kNoYear, "L'", "n",
     IDS_OEN140_7_NORM_IMPACT, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_NORM_IMPACT, IDS_TPL_OEN140_7_NORM_IMPACT},
    {0, {&R::m_bField, &R::m_bOEN, &R::m_bImpact, &R::m_bStandard}, kNoYear, "L'", "nT",
     IDS_OEN140_7_STD_IMPACT, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_STD_IMPACT, IDS_TPL_OEN140_7_STD_IMPACT},
};

// SIA 181 rates every method as a standardized level difference. The façade
// subscripts "45°,nT" and "nT," are the program's historical spelling.
const CMethodRow kSiaAirborneRows[] = {
    {0, {&R::m_bField, &R::m_bSIA, &R::m_bAirborne, &R::m_bStandard, &R::m_bAverageLoudspeaker}, 2006, "D", "nT",
     IDS_SIA2006_STD_LEVDIFF, 0, IDS_SUBTITLE_ROOMS, IDS_GRAPH_STD_LEVDIFF, IDS_TPL_SIA2006_STD_LEVDIFF},
    {0, {&R::m_bField, &R::m_bSIA, &R::m_bAirborne, &R::m_bStandard, &R::m_bLowFreq, &R::m_bAverageLoudspeaker}, 2006, "D", "nT",
     IDS_SIA2006_STD_LEVDIFF, IDS_SIA2006_STD_LEVDIFF, IDS_SUBTITLE_ROOMS, IDS_GRAPH_STD_LEVDIFF, IDS_TPL_SIA2006_LOW_STD_LEVDIFF,
     IDS_LOW_FREQ_EMISSIONS, ", "},
    {0, {&R::m_bField, &R::m_bSIA, &R::m_bAirborne, &R::m_bStandard, &R::m_bFacade}, 2006, "D", "45\xB0,nT",
     IDS_SIA2006_LS_STD_LEVDIFF, IDS_SIA2006_STD_LEVDIFF, IDS_SUBTITLE_FACADES, IDS_GRAPH_STD_LEVDIFF, IDS_TPL_SIA2006_LS_STD_LEVDIFF},
    {0, {&R::m_bField, &R::m_bSIA, &R::m_bAirborne, &R::m_bStandard, &R::m_bFacade, &R::m_bLoudspeaker}, 2006, "D", "ls,2m,nT",
     IDS_SIA2006_STD_LEVDIFF, IDS_SIA2006_16283_3_TITLE, IDS_SUBTITLE_FACADES, IDS_GRAPH_STD_LEVDIFF, IDS_TPL_SIA2006_LS16283_STD_LEVDIFF,
     IDS_LOUDSPEAKER, " (ISO 16283-3), "},
    {0, {&R::m_bField, &R::m_bSIA, &R::m_bAirborne, &R::m_bStandard, &R::m_bFacade, &R::m_bRoadTraffic}, 2006, "D", "tr,2m,nT",
     IDS_SIA2006_STD_LEVDIFF, IDS_SIA2006_16283_3_TITLE, IDS_SUBTITLE_FACADES, IDS_GRAPH_STD_LEVDIFF, IDS_TPL_SIA2006_TR16283_STD_LEVDIFF,
     IDS_TRAFFIC_NOISE, " (ISO 16283-3), "},
    {0, {&R::m_bField, &R::m_bSIA, &R::m_bAirborne, &R::m_bStandard, &R::m_bFacade, &R::m_bLoudspeaker}, 2006, "D", "ls,2m,nT",
     IDS_SIA2006_STD_LEVDIFF, IDS_SIA2006_STD_LEVDIFF, IDS_SUBTITLE_FACADES, IDS_GRAPH_STD_LEVDIFF, IDS_TPL_SIA2006_LSISO_STD_LEVDIFF,
     IDS_LOUDSPEAKER, " (ISO 140-5), "},
    {0, {&R::m_bField, &R::m_bSIA, &R::m_bAirborne, &R::m_bStandard, &R::m_bFacade, &R::m_bRoadTraffic}, 2006, "D", "tr,2m,nT",
     IDS_SIA2006_STD_LEVDIFF, IDS_SIA2006_STD_LEVDIFF, IDS_SUBTITLE_FACADES, IDS_GRAPH_STD_LEVDIFF, IDS_TPL_SIA2006_TRISO_STD_LEVDIFF,
     IDS_TRAFFIC_NOISE, " (ISO 140-5), "},
    {0, {&R::m_bField, &R::m_bSIA, &R::m_bAirborne, &R::m_bStandard}, 1988, "D", "nT",
     IDS_SIA1988_STD_LEVDIFF, 0, IDS_SUBTITLE_ROOMS, IDS_GRAPH_STD_LEVDIFF, IDS_TPL_SIA1988_STD_LEVDIFF},
    {0, {&R::m_bField, &R::m_bSIA, &R::m_bAirborne, &R::m_bStandard, &R::m_bFacade, &R::m_bLoudspeaker}, 1988, "D", "nT,",
     IDS_SIA1988_STD_LEVDIFF, IDS_SIA1988_STD_LEVDIFF, IDS_SUBTITLE_FACADES, IDS_GRAPH_STD_LEVDIFF, IDS_TPL_SIA1988_LS_STD_LEVDIFF,
     IDS_LOUDSPEAKER, ", "},
};

const CMethodRow kSiaImpactRows[] = {
    {0, {&R::m_bField, &R::m_bSIA, &R::m_bImpact, &R::m_bStandard, &R::m_bAverageLoudspeaker}, 2006, "L'", "nT",
     IDS_SIA2006_STD_IMPACT, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_STD_IMPACT, IDS_TPL_SIA2006_STD_IMPACT},
    {0, {&R::m_bField, &R::m_bSIA, &R::m_bImpact, &R::m_bStandard}, 1988, "L'", "nT",
     IDS_SIA1988_STD_IMPACT, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_STD_IMPACT, IDS_TPL_SIA1988_STD_IMPACT},
};

// BS methods are offered whatever the version, the EN ISO 16283 ones included.
const CMethodRow kBsAirborneRows[] = {
    {0, {&R::m_bField, &R::m_bBS, &R::m_bAirborne, &R::m_bStandard}, kNoYear, "D", "nT",
     IDS_BS140_4_STD_LEVDIFF, 0, IDS_SUBTITLE_ROOMS, IDS_GRAPH_STD_LEVDIFF, IDS_TPL_BS140_4_STD_LEVDIFF},
    {0, {&R::m_bField, &R::m_bBS, &R::m_bAirborne, &R::m_bStandard, &R::m_bBB93, &R::m_bAverageLoudspeaker}, kNoYear, "D", "nT(Tmf,max)",
     IDS_BS16283_1_BB93, 0, IDS_SUBTITLE_ROOMS, IDS_GRAPH_STD_LEVDIFF, IDS_TPL_BS16283_1_BB93},
    {0, {&R::m_bField, &R::m_bBS, &R::m_bAirborne, &R::m_bStandard, &R::m_bBB93}, kNoYear, "D", "nT(Tmf,max)",
     IDS_BS140_4_BB93, 0, IDS_SUBTITLE_ROOMS, IDS_GRAPH_STD_LEVDIFF, IDS_TPL_BS140_4_BB93},
};

const CMethodRow kBsImpactRows[] = {
    {0, {&R::m_bField, &R::m_bBS, &R::m_bImpact, &R::m_bStandard}, kNoYear, "L'", "nT",
     IDS_BS140_7_STD_IMPACT, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_STD_IMPACT, IDS_TPL_BS140_7_STD_IMPACT},
    {0, {&R::m_bField, &R::m_bBS, &R::m_bImpact, &R::m_bStandard, &R::m_bBB93, &R::m_bAverageLoudspeaker}, kNoYear, "L'", "nT(Tmf,max)",
     IDS_BS16283_2_BB93, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_STD_IMPACT, IDS_TPL_BS16283_2_BB93},
    {0, {&R::m_bField, &R::m_bBS, &R::m_bImpact, &R::m_bStandard, &R::m_bBB93}, kNoYear, "L'", "nT(Tmf,max)",
     IDS_BS140_7_BB93, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_STD_IMPACT, IDS_TPL_BS140_7_BB93},
};

// The DIN façade methods print their symbol with a blank subscript.
const CMethodRow kDinAirborneRows[] = {
    {0, {&R::m_bField, &R::m_bDIN, &R::m_bAirborne, &R::m_bElements, &R::m_bDoorHall, &R::m_bReduction, &R::m_bAverageLoudspeaker}, kNoYear, "R'", "",
     IDS_DIN4109_4_DOOR, 0, IDS_SUBTITLE_DOORS, IDS_GRAPH_APP_SRI, IDS_TPL_DIN4109_4_DOOR},
    {0, {&R::m_bField, &R::m_bDIN, &R::m_bAirborne, &R::m_bNormal, &R::m_bAverageLoudspeaker}, kNoYear, "D", "n",
     IDS_DIN4109_4_NORM_LEVDIFF, 0, IDS_SUBTITLE_ROOMS, IDS_GRAPH_NORM_LEVDIFF, IDS_TPL_DIN4109_4_NORM_LEVDIFF},
    {0, {&R::m_bField, &R::m_bDIN, &R::m_bAirborne, &R::m_bFacade, &R::m_bLoudspeaker, &R::m_bCloseRange, &R::m_bReduction}, kNoYear, "R'", " ",
     IDS_DIN4109_4_APP_SRI, IDS_DIN4109_4_APP_SRI, IDS_SUBTITLE_CLOSE_RANGE, IDS_GRAPH_APP_SRI, IDS_TPL_DIN4109_4_CLOSE_RANGE,
     IDS_LS_CLOSE_RANGE, ", "},
    {0, {&R::m_bField, &R::m_bDIN, &R::m_bAirborne, &R::m_bFacade, &R::m_bLoudspeaker, &R::m_bFarRange, &R::m_bReduction}, kNoYear, "R'", " ",
     IDS_DIN4109_4_APP_SRI, IDS_DIN4109_4_APP_SRI, IDS_SUBTITLE_FAR_RANGE, IDS_GRAPH_APP_SRI, IDS_TPL_DIN4109_4_FAR_RANGE,
     IDS_LS_FAR_RANGE, ", "},
    {0, {&R::m_bField, &R::m_bDIN, &R::m_bAirborne, &R::m_bDoorHall, &R::m_bReduction}, kNoYear, "R'", "",
     IDS_DIN4109_11_DOOR, IDS_ISO140_4_APP_SRI, IDS_SUBTITLE_DOORS, IDS_GRAPH_APP_SRI, IDS_TPL_DIN4109_11_DOOR},
};

// ASTM quantities map onto the project kinds: apparent transmission loss is a
// reduction index, normalized noise reduction and the reverberation-time
// normalized impact level are standardized, noise reduction is a difference.
const CMethodRow kAstmAirborneRows[] = {
    {0, {&R::m_bField, &R::m_bASTM, &R::m_bAirborne, &R::m_bElements, &R::m_bReduction}, kNoYear, "ATL", "",
     IDS_ASTM_E336_ATL, IDS_ASTM_ATL, IDS_SUBTITLE_ASTM_E336, IDS_ASTM_ATL, IDS_TPL_ASTM_E336_ATL},
    {0, {&R::m_bField, &R::m_bASTM, &R::m_bAirborne, &R::m_bStandard}, kNoYear, "NNR", "",
     IDS_ASTM_E336_NNR, IDS_ASTM_NNR, IDS_SUBTITLE_ASTM_E336, IDS_ASTM_NNR, IDS_TPL_ASTM_E336_NNR},
    {0, {&R::m_bField, &R::m_bASTM, &R::m_bAirborne, &R::m_bDifference}, kNoYear, "NR", "",
     IDS_ASTM_E336_NR, IDS_ASTM_NR, IDS_SUBTITLE_ASTM_E336, IDS_ASTM_NR, IDS_TPL_ASTM_E336_NR},
};

const CMethodRow kAstmImpactRows[] = {
    {0, {&R::m_bField, &R::m_bASTM, &R::m_bImpact, &R::m_bNormal}, kNoYear, "ANISPL", "",
     IDS_ASTM_E1007_ANISPL, IDS_ASTM_ANISPL, IDS_SUBTITLE_ASTM_E1007, IDS_ASTM_ANISPL, IDS_TPL_ASTM_E1007_ANISPL},
    {0, {&R::m_bField, &R::m_bASTM, &R::m_bImpact, &R::m_bStandard}, kNoYear, "RTNISPL", "",
     IDS_ASTM_E1007_RTNISPL, IDS_ASTM_RTNISPL, IDS_SUBTITLE_ASTM_E1007, IDS_ASTM_RTNISPL, IDS_TPL_ASTM_E1007_RTNISPL},
};

const CMethodRow kSsAirborneRows[] = {
    {0, {&R::m_bField, &R::m_bSS, &R::m_bAirborne, &R::m_bStandard, &R::m_bAverageLoudspeaker}, 2015, "D", "nT",
     IDS_SS2015_STD_LEVDIFF, 0, IDS_SUBTITLE_ROOMS, IDS_GRAPH_STD_LEVDIFF, IDS_TPL_SS2015_STD_LEVDIFF},
    {0, {&R::m_bField, &R::m_bSS, &R::m_bAirborne, &R::m_bElements, &R::m_bReduction}, 2004, "R'", "",
     IDS_SS2004_APP_SRI, 0, IDS_SUBTITLE_ROOMS, IDS_GRAPH_APP_SRI, IDS_TPL_SS2004_APP_SRI},
};

const CMethodRow kSsImpactRows[] = {
    {0, {&R::m_bField, &R::m_bSS, &R::m_bImpact, &R::m_bStandard, &R::m_bAverageLoudspeaker}, 2015, "L'", "nT",
     IDS_SS2015_STD_IMPACT, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_STD_IMPACT, IDS_TPL_SS2015_STD_IMPACT},
    {0, {&R::m_bField, &R::m_bSS, &R::m_bImpact, &R::m_bNormal}, 2004, "L'", "n",
     IDS_SS2004_NORM_IMPACT, 0, IDS_SUBTITLE_FLOORS, IDS_GRAPH_NORM_IMPACT, IDS_TPL_SS2004_NORM_IMPACT},
};

} // namespace

const CRowTable kIsoFieldAirborne = MakeRowTable(kIsoFieldAirborneRows);
const CRowTable kIsoFieldImpact = MakeRowTable(kIsoFieldImpactRows);
const CRowTable kOenFieldAirborne = MakeRowTable(kOenFieldAirborneRows);
const CRowTable kOenFieldImpact = MakeRowTable(kOenFieldImpactRows);
const CRowTable kSiaAirborne = MakeRowTable(kSiaAirborneRows);
const CRowTable kSiaImpact = MakeRowTable(kSiaImpactRows);
const CRowTable kBsAirborne = MakeRowTable(kBsAirborneRows);
const CRowTable kBsImpact = MakeRowTable(kBsImpactRows);
const CRowTable kDinAirborne = MakeRowTable(kDinAirborneRows);
const CRowTable kAstmAirborne = MakeRowTable(kAstmAirborneRows);
const CRowTable kAstmImpact = MakeRowTable(kAstmImpactRows);
const CRowTable kSsAirborne = MakeRowTable(kSsAirborneRows);
const CRowTable kSsImpact = MakeRowTable(kSsImpactRows);
