#include "ReportBandTexts.h"

#include "results/ResultNumbers.h"

namespace {

// The result spectra of the calculation the marks read.
constexpr int kMainResult = 0;
constexpr int kBackgroundCorrection = 4;
constexpr int kCornerCorrection = 6;
constexpr int kAirborneCorrection = 7;

constexpr const char* kMarkIndent = "     ";

} // namespace

CReportBandTexts::CReportBandTexts(const CReportInfo& info, const CReportFields& fields, const CReportBandSources& sources)
    : m_info(info), m_fields(fields), m_sources(sources)
{
}

std::vector<CCellText> CReportBandTexts::Texts() const
{
    std::vector<CCellText> texts;
    CFootnotes used;
    for (int nRow = m_fields.m_nFirstBandRow; nRow <= m_fields.m_nLastBandRow; ++nRow)
        AddRow(texts, nRow, used);
    texts.push_back({m_fields.m_footnote[0].nCol, m_fields.m_footnote[0].nRow, FootnoteLine(1, used.bBackground)});
    texts.push_back({m_fields.m_footnote[1].nCol, m_fields.m_footnote[1].nRow, FootnoteLine(2, used.bCorner)});
    return texts;
}

void CReportBandTexts::AddRow(std::vector<CCellText>& texts, int nRow, CFootnotes& used) const
{
    const int nBand = m_fields.BandOfRow(nRow);
    const CString sValue = ValueText(nBand);
    const CFootnotes notes = sValue.IsEmpty() ? CFootnotes() : FootnotesOf(nBand);
    const bool bMarked = notes.bBackground || notes.bCorner;
    used.bBackground = used.bBackground || notes.bBackground;
    used.bCorner = used.bCorner || notes.bCorner;
    texts.push_back({m_fields.m_nFreqCol, nRow, CResultNumbers::FrequencyText(nBand)});
    texts.push_back({m_fields.m_nValueCol, nRow, sValue});
    texts.push_back({m_fields.m_nMarkCol, nRow, bMarked ? MarkText() : CString()});
    texts.push_back({m_fields.m_nNoteCol, nRow, NoteIndex(notes, nBand)});
}

// No rating, no band values: a partly measured spectrum is not shown as
// if it had been rated.
CString CReportBandTexts::ValueText(int nBand) const
{
    const CCalc& calc = *m_sources.pCalc;
    const NSpectrum& result = calc.m_aSpec[kMainResult];
    if (!CResultNumbers::IsPresent(calc.m_dRating) || !CResultNumbers::HasBand(result, nBand))
        return CString();
    const int nDecimals = m_info.m_bASTM && !m_sources.bTenth ? 0 : 1;
    return CResultNumbers::WithSeparator(result.GetSpecLineStr(nBand, nDecimals), m_sources.cDecimal);
}

bool CReportBandTexts::AtLimit(int nSpectrum, int nBand) const
{
    return m_sources.pCalc->m_aSpec[nSpectrum].GetMeasStatus(nBand) == kStatusAtLimit;
}

// An impact-plus-airborne project marks the bands whose background (with
// the display on) or corner or airborne correction (with it off) reached
// its limit; the others mark background and corner bands only with the
// display on.
CReportBandTexts::CFootnotes CReportBandTexts::FootnotesOf(int nBand) const
{
    CFootnotes notes;
    if (m_info.m_bImpactAirborne) {
        notes.bBackground = m_sources.bShowBgnCorrection
            ? AtLimit(kBackgroundCorrection, nBand)
            : AtLimit(kCornerCorrection, nBand) || AtLimit(kAirborneCorrection, nBand);
        return notes;
    }
    if (!m_sources.bShowBgnCorrection)
        return notes;
    notes.bBackground = AtLimit(kBackgroundCorrection, nBand);
    notes.bCorner = m_info.m_bCorner && AtLimit(kCornerCorrection, nBand);
    return notes;
}

// In the column's Symbol font 0xB3 is "greater or equal", 0xA3 "less or
// equal": an impact level is at most, an insulation at least the value.
CString CReportBandTexts::MarkText() const
{
    if (m_info.m_bImpactAirborne)
        return CString(kMarkIndent) + "< ";
    return CString(kMarkIndent) + (m_info.m_bImpact ? "\xA3" : "\xB3");
}

CString CReportBandTexts::NoteIndex(const CFootnotes& notes, int nBand) const
{
    if (!m_sources.bShowFootnoteIndex)
        return CString();
    if (notes.bCorner)
        return AtLimit(kBackgroundCorrection, nBand) ? "1 2<:S,1>" : "2<:S,1>";
    return notes.bBackground ? "1<:S,1>" : "";
}

CString CReportBandTexts::FootnoteLine(int nNote, bool bUsed) const
{
    if (!bUsed)
        return CString();
    const CString sText = nNote == 1 ? m_sources.sTooHigh : m_sources.sCorner + "-" + m_sources.sTooHigh;
    if (!m_sources.bShowFootnoteIndex)
        return "<:F,Arial,13,500>" + sText;
    CString sLine;
    sLine.Format("<:F,Arial,8,400> %d<:S,1>: <:F,Arial,13,500>", nNote);
    return sLine + sText;
}
