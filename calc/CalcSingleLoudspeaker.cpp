// Classes in this file: CCalc, the single-loudspeaker step of the result
// pass: the level difference that the averaging formed in the summary record
// of table 130 becomes the result, and the marks of table 130's records are
// collected in spectrum 4.

#include "Calc.h"

#include "CalcDocument.h"
#include "CorrectionRules.h"

namespace {

const int kTableLevelDifference = 130;

// Spectrum 4 at the band: 0.0, keeping a limit mark already there; a
// suspicious band of the record marks it computed, a limited band limited.
void CollectMark(NSpectrum& marks, const NSpectrum& level, int nBand)
{
    if (marks.GetMeasStatus(nBand) != kStatusLimited)
        marks.InsertData(nBand, 0.0);
    const BYTE nStatus = level.GetMeasStatus(nBand);
    if (nStatus == NSpectrum::kBandSuspicious)
        marks.SetMeasStatus(nBand, kStatusCorrected);
    else if (nStatus == kStatusLimited)
        marks.SetMeasStatus(nBand, kStatusLimited);
}

}  // namespace

// Spectrum 0 := the level difference of table 130's summary record; spectrum
// 4 := the marks of every record of table 130 over the band range.
int CCalc::TakeSingleLoudspeakerLevel()
{
    CList<NBuildData, NBuildData&>* pList =
        m_pDoc ? m_pDoc->GetMeasurementList(kTableLevelDifference) : nullptr;
    if (pList == nullptr || pList->IsEmpty())
        return kCalcBandMissing;
    const NSpectrum summary = pList->GetHead().m_Spectrum;
    const CCalcSettings settings = GetSettings();
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
        const NSpectrum& level = pList->GetNext(pos).m_Spectrum;
        for (int nBand = settings.FirstBand(); nBand <= settings.LastBand(); ++nBand)
            CollectMark(m_aSpec[4], level, nBand);
    }
    m_aSpec[0] = summary;
    return kCalcDone;
}
