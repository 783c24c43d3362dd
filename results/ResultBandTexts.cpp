#include "ResultBandTexts.h"

#include "ResultNumbers.h"

#include "res/resource.h"

CResultBandTexts::CResultBandTexts(const CReportInfo& info, const CResultLayout& layout, const CResultSources& sources)
    : m_info(info), m_layout(layout), m_sources(sources)
{
}

CString CResultBandTexts::Text(const NSpectrum& spec, int nBand, int nDecimals) const
{
    if (!CResultNumbers::HasBand(spec, nBand))
        return CString();
    return CResultNumbers::WithSeparator(spec.GetSpecLineStr(nBand, nDecimals), m_sources.cDecimal);
}

CString CResultBandTexts::Spec(int nIndex, int nBand, int nDecimals) const
{
    return Text(m_sources.pCalc->m_aSpec[nIndex], nBand, nDecimals);
}

CString CResultBandTexts::Sum(double dValue) const
{
    return CResultNumbers::Fixed(dValue, 1, m_sources.cDecimal);
}

void CResultBandTexts::Put(std::vector<CCellText>& row, int nCol, int nBand, const CString& sText) const
{
    if (nCol >= 0)
        row.push_back({nCol, m_layout.BandRow(nBand), sText});
}

bool CResultBandTexts::IsDifferenceLayout() const
{
    return m_info.m_bBS && m_info.m_bStandard && m_info.m_bAirborne && !m_info.m_bAverageLoudspeaker;
}

CString CResultBandTexts::ValueText(int nBand) const
{
    if (!CResultNumbers::IsPresent(m_sources.pCalc->m_dRating))
        return CString();
    const int nDecimals = m_info.m_bASTM && !m_sources.bTenth ? 0 : 1;
    return Spec(0, nBand, nDecimals);
}

CString CResultBandTexts::BackgroundMark(int nBand) const
{
    if (!m_sources.bBgnCorrection)
        return CString();
    const NSpectrum* aSpectra[3] = {&m_sources.pCalc->m_aSpec[4], &m_sources.pCalc->m_aSpec[6],
                                    &m_sources.pCalc->m_aSpec[7]};
    // The background correction alone, or with the corner and airborne
    // corrections of an impact-plus-airborne project.
    const int nCount = m_info.m_bImpactAirborne ? 3 : 1;
    const auto anyStatus = [&](BYTE nStatus) {
        for (int i = 0; i < nCount; ++i) {
            const bool bCounts = m_info.m_bImpactAirborne || CResultNumbers::HasBand(*aSpectra[i], nBand);
            if (bCounts && aSpectra[i]->GetMeasStatus(nBand) == nStatus)
                return true;
        }
        return false;
    };
    if (anyStatus(CResultBandTexts::kStatusAtLimit))
        return m_sources.sTooHigh;
    if (anyStatus(CResultBandTexts::kStatusCorrected)) {
        CString sText;
        sText.LoadString(IDS_BGN_CORRECTION_REMARK);
        return sText;
    }
    return CString();
}

// The receiving-room column; bWithMark tells whether the background note
// goes with it.
CString CResultBandTexts::ReceivingLevel(int nBand, bool& bWithMark) const
{
    const CCalc& calc = *m_sources.pCalc;
    const NSpectrum& corr = calc.m_aSpec[2];
    const NSpectrum& bgn = calc.m_aSpec[4];
    const NSpectrum& airborne = calc.m_aSpec[7];
    const double dL2 = m_sources.l2.GetSpecLine(nBand);
    bWithMark = true;
    if (IsDifferenceLayout()) {
        // A band without a correction has no difference: the cell is
        // emptied rather than left with the text of an earlier update.
        return CResultNumbers::HasBand(corr, nBand) ? Sum(calc.m_aSpec[0].GetSpecLine(nBand) - corr.GetSpecLine(nBand)) : CString();
    }
    if (m_info.m_bImpactAirborne) {
        if (!CResultNumbers::IsPresent(dL2))
            return CString();
        double dLevel = dL2;
        if (m_sources.bBgnCorrection && CResultNumbers::HasBand(bgn, nBand))
            dLevel += bgn.GetSpecLine(nBand);
        if (CResultNumbers::HasBand(airborne, nBand))
            dLevel += airborne.GetSpecLine(nBand);
        return Sum(dLevel);
    }
    if (!m_sources.bBgnCorrection) {
        bWithMark = false;
        return Text(m_sources.l2, nBand, 1);
    }
    if (!CResultNumbers::IsPresent(dL2))
        return CString();
    return Sum(CResultNumbers::HasBand(bgn, nBand) ? dL2 + bgn.GetSpecLine(nBand) : dL2);
}

std::vector<CCellText> CResultBandTexts::Row(int nBand) const
{
    std::vector<CCellText> row;
    Put(row, m_layout.m_nFreqCol, nBand, CResultNumbers::FrequencyText(nBand));
    Put(row, m_layout.m_nValueCol, nBand, ValueText(nBand));
    Put(row, m_layout.m_nCorrCol, nBand, Spec(2, nBand, 1));
    Put(row, m_layout.m_nDevCol, nBand, Spec(3, nBand, 1));
    if (m_sources.bMultiSet) {
        Put(row, m_layout.m_nL1Col, nBand, CString());
        Put(row, m_layout.m_nL2Col, nBand, CString());
        Put(row, m_layout.m_nTCol, nBand, Text(m_sources.t, nBand, 2));
        Put(row, m_layout.m_nNoteCol, nBand, BackgroundMark(nBand));
        return row;
    }
    Put(row, m_layout.m_nL1Col, nBand, Text(m_sources.l1, nBand, 1));
    Put(row, m_layout.m_nTCol, nBand, m_info.m_bIntensity ? Text(m_sources.bg, nBand, 1) : Text(m_sources.t, nBand, 2));
    bool bWithMark = false;
    const CString sLevel = ReceivingLevel(nBand, bWithMark);
    if (m_info.m_bIntensity) {
        Put(row, m_layout.m_nL2Col, nBand, Text(m_sources.l2, nBand, 1));
        Put(row, m_layout.m_nNoteCol, nBand,
            m_info.m_bIntensityModified ? Spec(4, nBand, 1) : CString());
        return row;
    }
    Put(row, m_layout.m_nL2Col, nBand, sLevel);
    Put(row, m_layout.m_nNoteCol, nBand, bWithMark ? BackgroundMark(nBand) : CString());
    return row;
}

std::vector<CCellText> CResultBandTexts::PositionRow(int nBand) const
{
    std::vector<CCellText> row;
    Put(row, m_layout.m_nFreqCol, nBand, CResultNumbers::FrequencyText(nBand));
    Put(row, m_layout.m_nValueCol, nBand, ValueText(nBand));
    if (!m_info.m_bImpact && !m_info.m_bImpactAirborne)
        Put(row, m_layout.m_nL1Col, nBand, Spec(18, nBand, 1));
    Put(row, m_layout.m_nL2Col, nBand, Spec(19, nBand, 1));
    Put(row, m_layout.m_nTCol, nBand, Text(m_sources.t, nBand, 2));
    Put(row, m_layout.m_nCorrCol, nBand, Spec(2, nBand, 1));
    Put(row, m_layout.m_nDevCol, nBand, Spec(3, nBand, 1));
    Put(row, m_layout.m_nNoteCol, nBand, BackgroundMark(nBand));
    return row;
}
