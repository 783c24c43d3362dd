// Recalculation of CProjectDoc: after every change its owner calls
// Recalculate with a hint naming what changed (0 for everything, a table id,
// or a view kind). The lists the hint names are re-averaged into their
// summary records, in a fixed order, then the result pass runs and the views
// are told. The averaging routines are the only writers of summary records.

#include "ProjectDoc.h"

#include "NeutralSetup.h"
#include "ProjectHost.h"
#include "ProjectViewSink.h"

#include "res/resource.h"

enum class CProjectDoc::Averaging { kSum, kDifference, kIntensityWeighted, kIntensityPlain };

namespace {

// The order in which the lists are averaged; 127 holds curves, never averaged.
const int kAveragingOrder[] = {122, 123, 125, 132, 124, 126, 128, 129, 130, 131};

const int kReverbTableId = 124;

// A summary record spans every band a table shows: 6.3 Hz to 20 kHz.
constexpr int kSummaryLowerBand = 8;
constexpr int kSummaryUpperBand = 43;

bool HintApplies(int nHint, int nTarget)
{
    return nHint == 0 || nHint == nTarget;
}

// Bands outside the application's band range take no part in any result.
// A spectrum that starts at band 0 or below is left as it is.
void TrimToBandRange(NSpectrum& spectrum, const CCalcSettings& settings)
{
    if (spectrum.GetLowerFreq() <= 0)
        return;
    for (int nBand = spectrum.GetLowerFreq(); nBand <= spectrum.GetUpperFreq(); ++nBand) {
        if (nBand < settings.m_nLowerFreq || nBand > settings.m_nUpperFreq)
            spectrum.InsertData(nBand, kMissingValue);
    }
}

NSpectrum CorrectedLevel(const NBuildData& rec)
{
    return rec.m_Spectrum.AddCorrection(rec.m_CorrSpectrum);
}

} // namespace

int CProjectDoc::Recalculate(int nHint)
{
    if (m_ReportInfo.m_bMultiplot) {
        UpdateViews(nHint);
        ReshowView(nHint, false);
        SetWorkspaceModified();
        return 0;
    }
    if (m_ReportInfo.m_bReverberation || m_ReportInfo.m_bTotalLossFactor) {
        if (HintApplies(nHint, kReverbTableId))
            AverageList(GetMeasurementList(kReverbTableId));
        CalculateResults();
        UpdateViews(nHint);
        ReshowView(nHint, false);
        SetWorkspaceModified();
        return 0;
    }
    for (int nTableId : kAveragingOrder) {
        if (HintApplies(nHint, nTableId))
            AverageTable(nTableId);
    }
    CalculateResults();
    UpdateViews(nHint);
    SetWorkspaceModified();
    ReshowView(nHint, true);
    return 0;
}

// The report, or in ordinary projects the result table, comes forward again
// when it is the window the user looked at last.
void CProjectDoc::ReshowView(int nHint, bool bResultTable)
{
    if (m_pViews == nullptr || !HintApplies(nHint, kViewKindReport))
        return;
    const int nViewKind = CProjectHost::GetCurrent().GetCurrentViewKind();
    if (nViewKind == kViewKindReport || (bResultTable && nViewKind == kViewKindResultTable))
        m_pViews->ShowView(nViewKind, FALSE, TRUE);
}

int CProjectDoc::CalculateResults()
{
    CProjectHost::GetCurrent().CalculateResults(*this, m_Calc);
    return 0;
}

CProjectDoc::Averaging CProjectDoc::AveragingOf(int nTableId) const
{
    const CReportInfo& info = m_ReportInfo;
    if (nTableId == 123 && info.m_bIntensity)
        return Averaging::kIntensityWeighted;
    if (nTableId == 129 && info.m_bIntensity)
        return Averaging::kIntensityPlain;
    if (nTableId == 130 && info.m_bSingleLoudspeaker && info.m_bAirborne)
        return Averaging::kDifference;
    return Averaging::kSum;
}

void CProjectDoc::AverageTable(int nTableId)
{
    CMeasurementList* pList = GetMeasurementList(nTableId);
    switch (AveragingOf(nTableId)) {
    case Averaging::kSum:
        AverageList(pList);
        break;
    case Averaging::kDifference:
        AverageDifferenceList(pList);
        break;
    case Averaging::kIntensityWeighted:
        AverageIntensityList(pList, TRUE);
        break;
    case Averaging::kIntensityPlain:
        AverageIntensityList(pList, FALSE);
        break;
    }
}

int CProjectDoc::AverageList(CMeasurementList* pList)
{
    AverageSummary(pList, [](NBuildData& summary, const NBuildData& rec) {
        summary.m_Spectrum = summary.m_Spectrum + CorrectedLevel(rec);
    });
    return 0;
}

int CProjectDoc::AverageDifferenceList(CMeasurementList* pList)
{
    AverageSummary(pList, [](NBuildData& summary, const NBuildData& rec) {
        summary.m_Spectrum = summary.m_Spectrum - CorrectedLevel(rec);
    });
    return 0;
}

// The summary's area becomes the sum of the records' present areas, or
// missing when no record has one.
int CProjectDoc::AverageIntensityList(CMeasurementList* pList, BOOL bFlag)
{
    if (pList != nullptr && !pList->IsEmpty())
        pList->GetHead().m_dArea = kMissingValue;
    AverageSummary(pList, [bFlag](NBuildData& summary, const NBuildData& rec) {
        summary.m_Spectrum = summary.m_Spectrum.AverageIntensity(summary.m_dArea, CorrectedLevel(rec), rec.m_dArea, bFlag);
        if (IsMissingValue(rec.m_dArea))
            return;
        summary.m_dArea = IsMissingValue(summary.m_dArea) ? rec.m_dArea : summary.m_dArea + rec.m_dArea;
    });
    return 0;
}

// Rebuilds the list's first record from the records after it. The library's
// accumulation leaves out excluded records and flagged bands.
template <class Accumulate>
void CProjectDoc::AverageSummary(CMeasurementList* pList, Accumulate accumulate)
{
    if (pList == nullptr || pList->IsEmpty())
        return;
    POSITION pos = pList->GetHeadPosition();
    const POSITION summaryPos = pos;
    NBuildData summary = pList->GetNext(pos);
    summary.m_Spectrum.SetStatus(NSpectrum::kIncluded);
    summary.m_Spectrum.RemoveAll();
    summary.m_Spectrum.SetStatus(NSpectrum::kExcluded);
    while (pos != nullptr)
        accumulate(summary, pList->GetNext(pos));
    TrimToBandRange(summary.m_Spectrum, GetCalcSettings());
    summary.m_Spectrum.SetStatus(NSpectrum::kIncluded);
    FinishSummary(summary);
    pList->SetAt(summaryPos, summary);
}

// Reverberation times keep 2 decimals (loss-factor projects 3), levels 1.
void CProjectDoc::FinishSummary(NBuildData& summary) const
{
    NSpectrum& spectrum = summary.m_Spectrum;
    if (spectrum.GetType() == NSpectrum::kTypeReverberation) {
        spectrum.Round(m_ReportInfo.m_bTotalLossFactor ? 3 : 2);
        summary.m_MeasSetup.SetMeasurementMode(3);
    } else {
        spectrum.Round(1);
        summary.m_MeasSetup.SetMeasurementMode(0);
    }
    CString sAverage;
    sAverage.LoadString(IDS_AVERAGE);
    spectrum.SetTitle(sAverage);
    summary.m_Time = CTime::GetCurrentTime();
    // A summary record carries no instrument, channel or measurement settings
    // of its own: the records it averages may disagree on every one of them.
    SetNeutralSetup(summary.m_MeasSetup, kSummaryLowerBand, kSummaryUpperBand, CMeasSetup::kNotGiven);
    summary.m_saTexts.RemoveAll();
    summary.m_SNSpectrum.SetStatus(NSpectrum::kExcluded);
}
