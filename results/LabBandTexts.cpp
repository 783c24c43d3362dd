#include "LabBandTexts.h"

#include "ResultLines.h"
#include "ResultNumbers.h"

#include "res/resource.h"

namespace {

constexpr BYTE kAtLimit = CResultBandTexts::kStatusAtLimit;
constexpr BYTE kCorrected = CResultBandTexts::kStatusCorrected;

} // namespace

CLabBandTexts::CLabBandTexts(const CReportInfo& info, const CResultLayout& layout, const CLabSources& sources)
    : m_info(info), m_layout(layout), m_sources(sources), m_calc(*sources.base.pCalc),
      m_variant(CLabLines::VariantOf(info)), m_aGroups(CLabLines::GroupColumns(info, layout))
{
}

CString CLabBandTexts::Text(const NSpectrum& spec, int nBand) const
{
    if (!CResultNumbers::HasBand(spec, nBand))
        return CString();
    return CResultNumbers::WithSeparator(spec.GetSpecLineStr(nBand, 1), m_sources.base.cDecimal);
}

bool CLabBandTexts::IsRated() const
{
    return CResultNumbers::IsPresent(m_calc.m_dRating);
}

CString CLabBandTexts::Rated(const CString& sText) const
{
    return IsRated() ? sText : CString();
}

BYTE CLabBandTexts::Status(int nIndex, int nBand) const
{
    return m_calc.m_aSpec[nIndex].GetMeasStatus(nBand);
}

void CLabBandTexts::Put(std::vector<CCellText>& row, int nCol, int nBand, const CString& sText) const
{
    if (nCol >= 0)
        row.push_back({nCol, m_layout.BandRow(nBand), sText});
}

std::vector<CCellText> CLabBandTexts::Row(int nBand) const
{
    switch (m_variant) {
    case ELabVariant::kLining:
        return LiningRow(nBand);
    case ELabVariant::kFloorCovering:
    case ELabVariant::kLightweight:
    case ELabVariant::kImpact:
        return ImpactRow(nBand);
    case ELabVariant::kAirborne:
        return StatusRow(nBand);
    default:
        return {};
    }
}

// The octave-band result stands in the middle band of each octave.
std::vector<CCellText> CLabBandTexts::LiningRow(int nBand) const
{
    std::vector<CCellText> row;
    Put(row, m_aGroups[0], nBand, Text(m_sources.withCovering, nBand));
    Put(row, m_aGroups[1], nBand, Text(m_sources.withoutCovering, nBand));
    Put(row, m_aGroups[2], nBand, nBand % 3 == 0 ? Rated(Text(m_calc.m_aSpec[10], nBand)) : CString());
    Put(row, m_aGroups[3], nBand, CString());
    return row;
}

std::vector<CCellText> CLabBandTexts::ImpactRow(int nBand) const
{
    std::vector<CCellText> row;
    const CString& sTooHigh = m_sources.base.sTooHigh;
    if (m_info.m_bImpactCorrected) {
        const NSpectrum* aLevels[4] = {&m_sources.base.l2, &m_sources.base.l1, &m_sources.cornerReceiving,
                                       &m_sources.cornerSource};
        for (int i = 0; i < 4; ++i)
            Put(row, m_aGroups[i + 1], nBand, Rated(Text(*aLevels[i], nBand)));
        if (Status(4, nBand) == kAtLimit && IsRated())
            Put(row, m_aGroups[5], nBand, sTooHigh);
    }
    if (m_info.m_bImpactAirborne)
        Put(row, m_aGroups[5], nBand, ImpactAirborneNote(nBand));
    if (!CLabLines::IsImpactReduction(m_variant))
        return row;
    Put(row, m_layout.m_nValueCol, nBand, ImpactReductionValue(nBand));
    Put(row, m_aGroups[1], nBand, Rated(Text(m_sources.withoutCovering, nBand)));
    Put(row, m_aGroups[2], nBand, Rated(Text(m_calc.m_aSpec[0], nBand)));
    Put(row, m_aGroups[3], nBand, Rated(Text(m_calc.m_aSpec[19], nBand)));
    Put(row, m_aGroups[4], nBand, CString());
    return row;
}

CString CLabBandTexts::ImpactAirborneNote(int nBand) const
{
    const bool bBgn = m_sources.base.bBgnCorrection;
    if ((bBgn && (Status(4, nBand) == kAtLimit || Status(6, nBand) == kAtLimit)) || Status(7, nBand) == kAtLimit)
        return m_sources.base.sTooHigh;
    if (bBgn && (Status(4, nBand) == kCorrected || Status(6, nBand) == kCorrected))
        return CResultLines::Text(IDS_BGN_CORRECTION_REMARK);
    if (Status(7, nBand) == kCorrected)
        return CResultLines::Text(m_sources.bAirborneCorrectionDin ? IDS_AIRBORNE_CORR_DIN : IDS_AIRBORNE_CORR_ISO);
    return CString();
}

// The level with the covering: the calculated one (or, on a lightweight
// floor, the measured one) while the project is rated, else the receiving
// room's level with its background correction.
CString CLabBandTexts::ImpactReductionValue(int nBand) const
{
    const NSpectrum& covered = m_variant == ELabVariant::kLightweight ? m_sources.withCovering : m_calc.m_aSpec[18];
    const CString sCovered = Rated(Text(covered, nBand));
    if (!sCovered.IsEmpty())
        return sCovered;
    const NSpectrum& level = m_sources.base.l2;
    if (!CResultNumbers::HasBand(level, nBand))
        return CString();
    const NSpectrum& bgn = m_calc.m_aSpec[4];
    double dLevel = level.GetSpecLine(nBand);
    if (CResultNumbers::HasBand(bgn, nBand))
        dLevel += bgn.GetSpecLine(nBand);
    return CResultNumbers::Fixed(dLevel, 1, m_sources.base.cDecimal);
}

std::vector<CCellText> CLabBandTexts::StatusRow(int nBand) const
{
    const auto StatusText = [&](int nIndex, UINT nAtLimitText) {
        switch (Status(nIndex, nBand)) {
        case kAtLimit:
            return CResultLines::Text(nAtLimitText);
        case kCorrected:
            return CResultLines::Text(IDS_FLANKING_CORRECTION_REMARK);
        default:
            return CString();
        }
    };
    const bool bBackground = m_sources.base.bBgnCorrection && CResultNumbers::HasBand(m_calc.m_aSpec[4], nBand);
    std::vector<CCellText> row;
    Put(row, CLabLines::kBackgroundCol, nBand, bBackground ? StatusText(4, IDS_RESULT_TOO_HIGH) : CString());
    Put(row, CLabLines::kFlankingCol, nBand,
        m_sources.bFlankingCorrection ? StatusText(5, IDS_MINIMUM_VALUES) : CString());
    return row;
}
