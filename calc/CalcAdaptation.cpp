// Classes in this file: CCalc, its spectrum adaptation terms: C and Ctr of
// ISO 717-1 over four frequency ranges, CI of ISO 717-2 over two, and the
// weighted 20 to 2500 Hz impact term of SS projects of the 2015 edition.

#include "Calc.h"

#include "AdaptationTerms.h"
#include "ReferenceCurves.h"
#include "SpectrumBands.h"

#include "model/ReportInfo.h"

namespace {

// The transmitted energies of the three sound spectra over 50 to 5000 Hz,
// formed once for the eight terms.
struct CTermEnergies {
    CBandArray m_c3150;
    CBandArray m_c5000;
    CBandArray m_ctr;
};

// One range of the C and Ctr terms. The 100 to 5000 Hz terms refer to the
// rating as rated (with a decimal under the 0.1 dB rating), the others to
// the whole-dB rating.
struct CTermRange {
    int m_nFirstBand;
    int m_nLastBand;
    CBandArray CTermEnergies::*m_pEnergiesC;
    double CCalc::*m_pC;
    double CCalc::*m_pCtr;
    bool m_bDecimalRating;
};

const CTermRange kTermRanges[] = {
    {20, 35, &CTermEnergies::m_c3150, &CCalc::m_dC, &CCalc::m_dCtr, false},
    {17, 35, &CTermEnergies::m_c3150, &CCalc::m_dC50_3150, &CCalc::m_dCtr50_3150, false},
    {20, 37, &CTermEnergies::m_c5000, &CCalc::m_dC100_5000, &CCalc::m_dCtr100_5000, true},
    {17, 37, &CTermEnergies::m_c5000, &CCalc::m_dC50_5000, &CCalc::m_dCtr50_5000, false},
};

const int kBand20Hz = 13;
const int kBand50Hz = 17;
const int kBand100Hz = 20;
const int kBand2500Hz = 34;
const int kBand3150Hz = 35;
const int kBand5000Hz = 37;
const int kWeightedTermYear = 2015;

}  // namespace

// Returns 3 when spectrum 0 lacks a band from 50 to 5000 Hz; the ranges that
// are complete still get their terms.
int CCalc::CalcAdaptationTermsC()
{
    const CBandArray reduction = BandsOf(m_aSpec[0]);
    const CTermEnergies energies = {
        TransmittedEnergies(reduction, SpectrumC3150(), kBand50Hz, kBand3150Hz),
        TransmittedEnergies(reduction, SpectrumC5000(), kBand50Hz, kBand5000Hz),
        TransmittedEnergies(reduction, SpectrumCtr(), kBand50Hz, kBand5000Hz),
    };
    for (const CTermRange& range : kTermRanges) {
        const double dRating = range.m_bDecimalRating ? m_dRating : m_dRatingWhole;
        this->*range.m_pC = AdaptationTermOfEnergies(energies.*range.m_pEnergiesC,
                                                     range.m_nFirstBand, range.m_nLastBand, dRating);
        this->*range.m_pCtr = AdaptationTermOfEnergies(energies.m_ctr, range.m_nFirstBand,
                                                       range.m_nLastBand, dRating);
    }
    return reduction.HasBands(kBand50Hz, kBand5000Hz) ? kCalcDone : kCalcBandMissing;
}

// Returns 3 when spectrum 0 lacks a band from 50 to 2500 Hz; the weighted
// term of SS 2015 projects is then not formed.
int CCalc::CalcAdaptationTermCI()
{
    const CBandArray level = BandsOf(m_aSpec[0]);
    m_dCI = ImpactTerm(level, kBand100Hz, kBand2500Hz, m_dRatingWhole);
    m_dCI50_2500 = ImpactTerm(level, kBand50Hz, kBand2500Hz, m_dRatingWhole);
    if (!level.HasBands(kBand50Hz, kBand2500Hz))
        return kCalcBandMissing;
    const CReportInfo* pInfo = GetProjectReportInfo();
    if (pInfo != nullptr && pInfo->m_bSS && pInfo->m_nYear == kWeightedTermYear)
        m_dCIAux = WeightedImpactTerm(level, SpectrumCIWeight(), kBand20Hz, kBand2500Hz,
                                      m_dRatingWhole);
    return kCalcDone;
}

void CCalc::BuildSpectrumC3150(NSpectrum& spec)
{
    InsertPresentBands(spec, SpectrumC3150());
}

void CCalc::BuildSpectrumC5000(NSpectrum& spec)
{
    InsertPresentBands(spec, SpectrumC5000());
}

void CCalc::BuildSpectrumCtr(NSpectrum& spec)
{
    InsertPresentBands(spec, SpectrumCtr());
}

void CCalc::BuildSpectrumCIWeight(NSpectrum& spec)
{
    InsertPresentBands(spec, SpectrumCIWeight());
}
