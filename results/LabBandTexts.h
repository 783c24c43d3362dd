#pragma once
// Classes in this file: CLabBandTexts, the texts a laboratory project's
// result page writes into its band rows over those of the field page: the
// lining's measured and octave-band columns, the floor covering's levels
// with and without it, the corrected impact method's room levels, the notes
// of the impact-plus-airborne method and the background-noise and
// flanking-transmission status columns of an airborne project. Rated
// columns stay empty while the project's rating is missing.

#include "LabLines.h"
#include "ResultBandTexts.h"

// What the laboratory band rows add to those of the field page.
struct CLabSources {
    CResultSources base;
    NSpectrum withCovering, withoutCovering;   // tables 130 and 131: with and without covering or lining
    NSpectrum cornerSource, cornerReceiving;   // tables 128 and 129
    bool bFlankingCorrection = false;          // the project's flanking correction is active
    bool bAirborneCorrectionDin = false;       // the airborne correction follows DIN 4109-11
};

class CLabBandTexts {
public:
    // Keeps references: info, layout and sources must outlive the texts.
    CLabBandTexts(const CReportInfo& info, const CResultLayout& layout, const CLabSources& sources);

    std::vector<CCellText> Row(int nBand) const;

private:
    std::vector<CCellText> LiningRow(int nBand) const;
    std::vector<CCellText> ImpactRow(int nBand) const;
    std::vector<CCellText> StatusRow(int nBand) const;
    CString ImpactAirborneNote(int nBand) const;
    CString ImpactReductionValue(int nBand) const;
    CString Text(const NSpectrum& spec, int nBand) const;
    bool IsRated() const;
    CString Rated(const CString& sText) const;
    BYTE Status(int nIndex, int nBand) const;
    void Put(std::vector<CCellText>& row, int nCol, int nBand, const CString& sText) const;

    const CReportInfo& m_info;
    const CResultLayout& m_layout;
    const CLabSources& m_sources;
    const CCalc& m_calc;
    const ELabVariant m_variant;
    const std::array<int, 6> m_aGroups;
};
