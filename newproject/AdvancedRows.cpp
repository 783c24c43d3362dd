// Absorption and intensity methods (the "Advanced" group), the multiplot and
// the reverberation methods. Columns as in FieldRows.cpp.

#include "newproject/CatalogueTables.h"

#include "res/resource.h"

namespace
{

using R = CReportInfo;
constexpr auto kModified = CMethodRow::kModifiedIntensity;

const CMethodRow kAbsorptionRows[] = {
    {0, {&R::m_bLab, &R::m_bAbsorption, &R::m_bISO, &R::m_bAlpha_S}, 1993, "a", "s",
     IDS_ISO354_1993, 0, IDS_SUBTITLE_ABSORPTION, IDS_GRAPH_ALPHA_S, IDS_TPL_ISO354_1993},
    {0, {&R::m_bLab, &R::m_bAbsorption, &R::m_bISO, &R::m_bAlpha_S}, 2003, "a", "s",
     IDS_ISO354_2003, 0, IDS_SUBTITLE_ABSORPTION, IDS_GRAPH_ALPHA_S, IDS_TPL_ISO354_2003},
    {0, {&R::m_bLab, &R::m_bAbsorption, &R::m_bISO, &R::m_bAlpha_PW}, kNoYear, "a", "p",
     IDS_ISO11654, 0, IDS_SUBTITLE_ABSORPTION, IDS_GRAPH_ALPHA_P, IDS_TPL_ISO11654},
};

// The whole intensity group is a newer standard; the builder gates it. Each
// method has a modified form that also uses the receiving room's volume and
// surface: "Modified:" texts, an "m" subscript and a "Mod_ISO" template.
const CMethodRow kIntensityRows[] = {
    {0, {&R::m_bField, &R::m_bAirborne, &R::m_bISO, &R::m_bIntensity, &R::m_bReduction, &R::m_bRoom}, kNoYear, "R'", "I",
     IDS_ISO15186_APP_SRI, 0, IDS_SUBTITLE_INTENSITY, IDS_GRAPH_INTENSITY_SRI, IDS_TPL_ISO15186_APP_SRI},
    {0, {&R::m_bField, &R::m_bAirborne, &R::m_bISO, &R::m_bIntensity, &R::m_bReduction, &R::m_bElements}, kNoYear, "R", "IFj",
     IDS_ISO15186_FLANK_SRI, 0, IDS_SUBTITLE_INTENSITY, IDS_GRAPH_INTENSITY_SRI, IDS_TPL_ISO15186_FLANK_SRI},
    {0, {&R::m_bField, &R::m_bAirborne, &R::m_bISO, &R::m_bIntensity, &R::m_bNormal, &R::m_bRoom}, kNoYear, "D", "In",
     IDS_ISO15186_NORM_LEVDIFF, 0, IDS_SUBTITLE_INTENSITY, IDS_GRAPH_INTENSITY_LEVDIFF, IDS_TPL_ISO15186_NORM_LEVDIFF},
    {0, {&R::m_bField, &R::m_bAirborne, &R::m_bISO, &R::m_bIntensity, &R::m_bNormal, &R::m_bElements}, kNoYear, "D", "Ine",
     IDS_ISO15186_ELEMENT_LEVDIFF, 0, IDS_SUBTITLE_INTENSITY, IDS_GRAPH_INTENSITY_LEVDIFF, IDS_TPL_ISO15186_ELEMENT_LEVDIFF},
    {0, {&R::m_bField, &R::m_bAirborne, &R::m_bISO, &R::m_bIntensity, &R::m_bReduction, &R::m_bRoom, &R::m_bIntensityModified}, kNoYear, "R'", "Im",
     IDS_ISO15186_APP_SRI, 0, IDS_SUBTITLE_INTENSITY, IDS_GRAPH_INTENSITY_SRI, IDS_TPL_ISO15186_APP_SRI, 0, "", kModified},
    {0, {&R::m_bField, &R::m_bAirborne, &R::m_bISO, &R::m_bIntensity, &R::m_bReduction, &R::m_bElements, &R::m_bIntensityModified}, kNoYear, "R", "IFjm",
     IDS_ISO15186_FLANK_SRI, 0, IDS_SUBTITLE_INTENSITY, IDS_GRAPH_INTENSITY_SRI, IDS_TPL_ISO15186_FLANK_SRI, 0, "", kModified},
    {0, {&R::m_bField, &R::m_bAirborne, &R::m_bISO, &R::m_bIntensity, &R::m_bNormal, &R::m_bRoom, &R::m_bIntensityModified}, kNoYear, "D", "Inm",
     IDS_ISO15186_NORM_LEVDIFF, 0, IDS_SUBTITLE_INTENSITY, IDS_GRAPH_INTENSITY_LEVDIFF, IDS_TPL_ISO15186_NORM_LEVDIFF, 0, "", kModified},
    {0, {&R::m_bField, &R::m_bAirborne, &R::m_bISO, &R::m_bIntensity, &R::m_bNormal, &R::m_bElements, &R::m_bIntensityModified}, kNoYear, "D", "Inem",
     IDS_ISO15186_ELEMENT_LEVDIFF, 0, IDS_SUBTITLE_INTENSITY, IDS_GRAPH_INTENSITY_LEVDIFF, IDS_TPL_ISO15186_ELEMENT_LEVDIFF, 0, "", kModified},
};

// A multiplot project compares curves; its "template" names no workbook file.
const CMethodRow kMultiplotRows[] = {
    {0, {&R::m_bMultiplot}, kNoYear, "", "",
     IDS_MULTIPLOT, 0, IDS_MULTIPLOT, IDS_MULTIPLOT, IDS_MULTIPLOT},
};

// Both sit below "DIN"; the second is evaluated after DIN EN ISO 3382-1.
const CMethodRow kReverberationRows[] = {
    {0, {&R::m_bField, &R::m_bReverberation, &R::m_bDIN}, kNoYear, "T", "",
     IDS_DIN52216, 0, 0, IDS_GRAPH_REVERBERATION, IDS_TPL_DIN52216},
    {0, {&R::m_bField, &R::m_bReverberation, &R::m_bISO}, kNoYear, "T", "mid",
     IDS_DIN_EN_ISO3382, 0, 0, IDS_GRAPH_REVERBERATION, IDS_TPL_DIN_EN_ISO3382},
};

} // namespace

const CRowTable kAbsorption = MakeRowTable(kAbsorptionRows);
const CRowTable kIntensity = MakeRowTable(kIntensityRows);
const CRowTable kMultiplot = MakeRowTable(kMultiplotRows);
const CRowTable kReverberation = MakeRowTable(kReverberationRows);
