#include "ReportLabBandTexts.h"

#include "results/LabLines.h"
#include "results/ResultLines.h"
#include "results/ResultNumbers.h"

#include "res/resource.h"

namespace {

constexpr int kMainResult = 0;
constexpr int kBackgroundCorrection = 4;
constexpr int kFlankingCorrection = 5;
constexpr int kSecondBackgroundCorrection = 6;
constexpr int kAirborneCorrection = 7;
constexpr int kOctaveResult = 10;
constexpr BYTE kStatusAtLimit = 2;
constexpr BYTE kStatusCorrected = 16;
constexpr int kNotes = 3;

CString NoteIndex(int nNote)
{
    CString sIndex;
    sIndex.Format("%d<:S,1>", nNote);
    return sIndex;
}

// In the mark column's Symbol font 0xB3 is "greater or equal"; an impact
// level is marked as an upper bound.
const char* const kInsulationMark = "     \xB3";
const char* const kImpactMark = "     < ";

} // namespace

// The three footnote lines of one fill, each empty until a band uses it.
struct CReportLabBandTexts::CNotes {
    CString aLine[kNotes];
};

CReportLabBandTexts::CReportLabBandTexts(const CReportInfo& info, const CReportFields& fields,
                                         const CReportLabSources& sources)
    : m_info(info), m_fields(fields), m_sources(sources)
{
}

std::vector<CCellText> CReportLabBandTexts::Texts() const
{
    std::vector<CCellText> texts;
    CNotes notes;
    const bool bImprovement = CLabLines::RatesImprovement(CLabLines::VariantOf(m_info));
    for (int nRow = m_fields.m_nFirstBandRow; nRow <= m_fields.m_nLastBandRow; ++nRow) {
        const int nBand = m_fields.BandOfRow(nRow);
        texts.push_back({m_fields.m_nFreqCol, nRow, CResultNumbers::FrequencyText(nBand)});
        if (bImprovement)
            ImprovementRow(nRow, nBand, notes, texts);
        else
            PlainRow(nRow, nBand, notes, texts);
    }
    const CFieldPos aLines[kNotes] = {m_fields.m_footnote[0], m_fields.m_footnote[1], m_fields.m_note};
    for (int k = 0; k < kNotes; ++k)
        texts.push_back({aLines[k].nCol, aLines[k].nRow, notes.aLine[k]});
    return texts;
}

void CReportLabBandTexts::PlainRow(int nRow, int nBand, CNotes& notes, std::vector<CCellText>& texts) const
{
    const CString sValue = Rated(m_sources.pCalc->m_aSpec[kMainResult], nBand);
    CString sMark, sIndex;
    if (m_info.m_bImpactCorrected) {
        if (IsRated() && AtLimit(kBackgroundCorrection, nBand)) {
            sIndex = "1<:S,1>";
            notes.aLine[0] = Footnote(1, m_sources.sTooHigh, true);
        }
    } else if (m_info.m_bImpactAirborne) {
        ImpactAirborneMarks(nBand, !sValue.IsEmpty(), notes, sMark, sIndex);
    } else {
        PlainMarks(nBand, !sValue.IsEmpty(), notes, sMark, sIndex);
    }
    texts.push_back({m_fields.m_nValueCol, nRow, sValue});
    texts.push_back({m_fields.m_nMarkCol, nRow, sMark});
    texts.push_back({m_fields.m_nNoteCol, nRow, sIndex});
}

// A band at the limit of its background correction, or of the flanking
// correction while that is active, is a bound rather than a value.
void CReportLabBandTexts::PlainMarks(int nBand, bool bPresent, CNotes& notes, CString& sMark, CString& sIndex) const
{
    if (!bPresent)
        return;
    const bool bBackground = AtLimit(kBackgroundCorrection, nBand);
    const bool bFlanking = m_sources.bFlankingActive && AtLimit(kFlankingCorrection, nBand);
    const CString sMinimum = CResultLines::Text(IDS_MINIMUM_VALUES);
    const bool bIndexed = m_sources.bShowFootnoteIndex;
    const auto Use = [&](int nNote, const CString& sText) {
        sMark = m_info.m_bImpact ? kImpactMark : kInsulationMark;
        notes.aLine[nNote - 1] = Footnote(nNote, sText, bIndexed);
        sIndex = bIndexed ? NoteIndex(nNote) : CString();
    };
    if (!m_sources.bShowBgnCorrection) {
        if (bFlanking)
            Use(1, sMinimum);
        return;
    }
    if (bBackground)
        Use(1, m_sources.sTooHigh);
    else if (bFlanking)
        Use(2, sMinimum);
    if (bBackground && bFlanking) {
        notes.aLine[1] = Footnote(2, sMinimum, bIndexed);
        sIndex = bIndexed ? CString("1 2<:S,1>") : CString();
    }
}

// An impact level measured with airborne excitation: a band at the limit
// of a correction is an upper bound; a band the airborne correction
// changed names the correction's standard.
void CReportLabBandTexts::ImpactAirborneMarks(int nBand, bool bPresent, CNotes& notes, CString& sMark,
                                              CString& sIndex) const
{
    if (m_sources.bCorrectionZezur && IsRated())
        notes.aLine[2] = CResultLines::Text(IDS_EXPORT_AIRBORNE_DIN_ACTIVE);
    if (!bPresent)
        return;
    const bool bIndexed = m_sources.bShowFootnoteIndex;
    const bool bBackground = m_sources.bShowBgnCorrection &&
        (AtLimit(kBackgroundCorrection, nBand) || AtLimit(kSecondBackgroundCorrection, nBand));
    if (bBackground || AtLimit(kAirborneCorrection, nBand)) {
        sMark = kImpactMark;
        notes.aLine[1] = Footnote(2, m_sources.sTooHigh, bIndexed);
        sIndex = bIndexed ? NoteIndex(2) : CString();
    } else if (m_sources.pCalc->m_aSpec[kAirborneCorrection].GetMeasStatus(nBand) == kStatusCorrected) {
        const UINT nText = m_sources.bCorrectionZezur ? IDS_AIRBORNE_CORR_DIN : IDS_AIRBORNE_CORR_ISO;
        notes.aLine[0] = Footnote(1, CResultLines::Text(nText), bIndexed);
        sIndex = bIndexed ? NoteIndex(1) : CString();
    }
}

void CReportLabBandTexts::ImprovementRow(int nRow, int nBand, CNotes& notes, std::vector<CCellText>& texts) const
{
    const CCalc& calc = *m_sources.pCalc;
    switch (CLabLines::VariantOf(m_info)) {
    case ELabVariant::kFloorCovering:
        texts.push_back({m_fields.m_nValueCol, nRow, Rated(m_sources.withoutCovering, nBand)});
        texts.push_back({kImprovementCol, nRow, Rated(calc.m_aSpec[kMainResult], nBand)});
        break;
    case ELabVariant::kLining: {
        const bool bOctaveBand = nBand % 3 == 0;  // the middle band of an octave
        texts.push_back({m_fields.m_nValueCol, nRow, Rated(calc.m_aSpec[kMainResult], nBand)});
        texts.push_back({kImprovementCol, nRow, bOctaveBand ? Rated(calc.m_aSpec[kOctaveResult], nBand) : CString()});
        break;
    }
    default:
        texts.push_back({kBareCol, nRow, Rated(m_sources.withoutCovering, nBand)});
        texts.push_back({kCoveredCol, nRow, Rated(m_sources.withCovering, nBand)});
        texts.push_back({kLightImprovementCol, nRow, Rated(calc.m_aSpec[kMainResult], nBand)});
        break;
    }
    const bool bLight = CLabLines::VariantOf(m_info) == ELabVariant::kLightweight;
    texts.push_back({bLight ? kLightNoteCol : kImprovementNoteCol, nRow, ImprovementIndex(nBand, notes)});
}

// The improvement pages always number their notes.
CString CReportLabBandTexts::ImprovementIndex(int nBand, CNotes& notes) const
{
    const bool bBackground = AtLimit(kBackgroundCorrection, nBand);
    const bool bFlanking = m_sources.bFlankingActive && AtLimit(kFlankingCorrection, nBand);
    const CString sMinimum = CResultLines::Text(IDS_MINIMUM_VALUES);
    if (!m_sources.bShowBgnCorrection) {
        if (!bFlanking)
            return CString();
        notes.aLine[0] = Footnote(1, sMinimum, true);
        return NoteIndex(1);
    }
    if (bBackground)
        notes.aLine[0] = Footnote(1, m_sources.sTooHigh, true);
    if (bFlanking)
        notes.aLine[1] = Footnote(2, sMinimum, true);
    if (bBackground && bFlanking)
        return "1  2<:S,1>";
    return bBackground ? NoteIndex(1) : bFlanking ? NoteIndex(2) : CString();
}

// No rating, no band values.
CString CReportLabBandTexts::Rated(const NSpectrum& spec, int nBand) const
{
    if (!IsRated() || !CResultNumbers::HasBand(spec, nBand))
        return CString();
    return CResultNumbers::WithSeparator(spec.GetSpecLineStr(nBand, 1), m_sources.cDecimal);
}

bool CReportLabBandTexts::AtLimit(int nSpectrum, int nBand) const
{
    return m_sources.pCalc->m_aSpec[nSpectrum].GetMeasStatus(nBand) == kStatusAtLimit;
}

bool CReportLabBandTexts::IsRated() const
{
    return CResultNumbers::IsPresent(m_sources.pCalc->m_dRating);
}

CString CReportLabBandTexts::Footnote(int nNote, const CString& sText, bool bIndexed) const
{
    if (!bIndexed)
        return "<:F,Arial,13,500>" + sText;
    CString sLine;
    sLine.Format("<:F,Arial,8,400> %d<:S,1>: <:F,Arial,13,500>", nNote);
    return sLine + sText;
}
