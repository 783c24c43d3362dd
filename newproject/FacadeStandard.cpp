// The façade grids of ISO and ÖNORM: four sound sources, nine method variants
// (three quantities after EN ISO 16283-3, its low-frequency form and
// EN ISO 140-5), a template workbook per cell.

#include "newproject/FacadeStandard.h"

#include "res/resource.h"

// Subscripts by quantity: reduction index, normalized and standardized level
// difference. The loudspeaker method's reduction index is taken at 45°.
const CFacadeStandard::CSource kFacadeSources[CFacadeStandard::kSourceCount] = {
    {IDS_LOUDSPEAKER, &CReportInfo::m_bLoudspeaker, {"45\xB0", "ls,2m,n", "ls,2m,nT"}},
    {IDS_ROAD_TRAFFIC, &CReportInfo::m_bRoadTraffic, {"tr,s", "tr,2m,n", "tr,2m,nT"}},
    {IDS_RAILWAY_TRAFFIC, &CReportInfo::m_bRailwayTraffic, {"rt,s", "rt,2m,n", "rt,2m,nT"}},
    {IDS_AIR_TRAFFIC, &CReportInfo::m_bAirTraffic, {"at,s", "at,2m,n", "at,2m,nT"}},
};

using Q = CFacadeStandard;

// The quantity, sub-title and frequency range of each variant; the EN ISO
// 16283-3 sub-title is spelled without the cedilla.
const CFacadeStandard::CVariant kFacadeVariants[Q::kVariantCount] = {
    {Q::kReduction, IDS_SUBTITLE_FACADE_16283, false},
    {Q::kNormal, IDS_SUBTITLE_FACADE_16283, false},
    {Q::kStandard, IDS_SUBTITLE_FACADE_16283, false},
    {Q::kReduction, IDS_SUBTITLE_FACADE_16283, true},
    {Q::kNormal, IDS_SUBTITLE_FACADE_16283, true},
    {Q::kStandard, IDS_SUBTITLE_FACADE_16283, true},
    {Q::kReduction, IDS_SUBTITLE_FACADES, false},
    {Q::kNormal, IDS_SUBTITLE_FACADES, false},
    {Q::kStandard, IDS_SUBTITLE_FACADES, false},
};

namespace
{


const CFacadeStandard::CTitle kIsoTitles[Q::kVariantCount] = {
    {IDS_ISO16283_3_APP_SRI, CMethodRow::kAsLoaded},
    {IDS_ISO16283_3_NORM_LEVDIFF, CMethodRow::kAsLoaded},
    {IDS_ISO16283_3_STD_LEVDIFF, CMethodRow::kAsLoaded},
    {IDS_ISO16283_3_APP_SRI_LOWFREQ, CMethodRow::kAsLoaded},
    {IDS_ISO16283_3_NORM_LEVDIFF_LOWFREQ, CMethodRow::kAsLoaded},
    {IDS_ISO16283_3_STD_LEVDIFF_LOWFREQ, CMethodRow::kAsLoaded},
    {IDS_ISO140_5_APP_SRI, CMethodRow::kAsLoaded},
    {IDS_ISO140_5_NORM_LEVDIFF, CMethodRow::kAsLoaded},
    {IDS_ISO140_5_STD_LEVDIFF, CMethodRow::kAsLoaded},
};

// ÖNORM EN ISO 16283-3 takes the ISO texts and templates; ÖNORM EN ISO 140-5
// has texts and templates of its own.
const CFacadeStandard::CTitle kOenTitles[Q::kVariantCount] = {
    {IDS_ISO16283_3_APP_SRI, CMethodRow::kOenorm},
    {IDS_ISO16283_3_NORM_LEVDIFF, CMethodRow::kOenorm},
    {IDS_ISO16283_3_STD_LEVDIFF, CMethodRow::kOenorm},
    {IDS_ISO16283_3_APP_SRI_LOWFREQ, CMethodRow::kOenorm},
    {IDS_ISO16283_3_NORM_LEVDIFF_LOWFREQ, CMethodRow::kOenorm},
    {IDS_ISO16283_3_STD_LEVDIFF_LOWFREQ, CMethodRow::kOenorm},
    {IDS_OEN140_5_APP_SRI, CMethodRow::kAsLoaded},
    {IDS_OEN140_5_NORM_LEVDIFF, CMethodRow::kAsLoaded},
    {IDS_OEN140_5_STD_LEVDIFF, CMethodRow::kAsLoaded},
};

// The air-traffic standardized level differences after ISO 16283-3 name
// "StdLevDiff" workbooks like the other sources, so they do not export into
// the normalized level difference's workbook.
#define ISO_16283_3_TEMPLATES(src)                                                         \
    IDS_TPL_ISO_##src##_APP_SRI_16283_3, IDS_TPL_ISO_##src##_NORM_LEVDIFF_16283_3,         \
        IDS_TPL_ISO_##src##_STD_LEVDIFF_16283_3, IDS_TPL_ISO_##src##_APP_SRI_16283_3_LOWFREQ, \
        IDS_TPL_ISO_##src##_NORM_LEVDIFF_16283_3_LOWFREQ,                                  \
        IDS_TPL_ISO_##src##_STD_LEVDIFF_16283_3_LOWFREQ

#define TEMPLATES_140_5(std, src)                                                          \
    IDS_TPL_##std##_##src##_APP_SRI_140_5, IDS_TPL_##std##_##src##_NORM_LEVDIFF_140_5,     \
        IDS_TPL_##std##_##src##_STD_LEVDIFF_140_5

const UINT kIsoTemplates[Q::kSourceCount][Q::kVariantCount] = {
    {ISO_16283_3_TEMPLATES(LS), TEMPLATES_140_5(ISO, LS)},
    {ISO_16283_3_TEMPLATES(ROAD), TEMPLATES_140_5(ISO, ROAD)},
    {ISO_16283_3_TEMPLATES(RAIL), TEMPLATES_140_5(ISO, RAIL)},
    {ISO_16283_3_TEMPLATES(AIR), TEMPLATES_140_5(ISO, AIR)},
};

const UINT kOenTemplates[Q::kSourceCount][Q::kVariantCount] = {
    {ISO_16283_3_TEMPLATES(LS), TEMPLATES_140_5(OEN, LS)},
    {ISO_16283_3_TEMPLATES(ROAD), TEMPLATES_140_5(OEN, ROAD)},
    {ISO_16283_3_TEMPLATES(RAIL), TEMPLATES_140_5(OEN, RAIL)},
    {ISO_16283_3_TEMPLATES(AIR), TEMPLATES_140_5(OEN, AIR)},
};

#undef ISO_16283_3_TEMPLATES
#undef TEMPLATES_140_5

} // namespace

// The loudspeaker methods after EN ISO 16283-3 average over the loudspeaker
// positions: all six in ISO, only the level differences in ÖNORM.
const CFacadeStandard kIsoFacade = {&CReportInfo::m_bISO, kIsoTitles, kIsoTemplates, 0x3Fu};
const CFacadeStandard kOenFacade = {&CReportInfo::m_bOEN, kOenTitles, kOenTemplates, 0x36u};
