// CResultsExporter: the block of one loudspeaker position, a copy of the
// combined block lower down the same sheet.

#include "ResultsExporter.h"

#include "ProjectDoc.h"
#include "ReportInfo.h"
#include "CorrectionRules.h"
#include "TableIds.h"

#include "res/resource.h"

namespace {

const int kFirstBand = 17;  // the block's first row is 50 Hz

}  // namespace

// A position past the project's sets gets an empty result: its cells keep
// the template's content and its single values read " ".
void CResultsExporter::WriteLoudspeakerSheet(CProjectDoc* pDoc, int nSet, int nRowOffset)
{
    const CCalc calc = nSet < pDoc->m_CalcSets.GetSize() ? pDoc->m_CalcSets[nSet] : CCalc();
    bool bLimited = false;
    WriteLoudspeakerBands(pDoc, calc, nRowOffset, bLimited);
    WriteLoudspeakerValues(pDoc, calc, nRowOffset, bLimited);
}

void CResultsExporter::WriteLoudspeakerBands(CProjectDoc* pDoc, const CCalc& calc, int nRowOffset, bool& rbLimited)
{
    const CReportInfo& info = pDoc->m_ReportInfo;
    const CExportSettings& s = m_Settings;
    const NSpectrum* S = calc.m_aSpec;
    const NSpectrum reverb = Summary(pDoc, kTableReverb);
    const CString sCorrected = String(IDS_BGN_CORRECTION_REMARK);
    const bool bBg = s.m_bBgnCorrection;
    const bool bBsStandard = info.m_bBS && info.m_bAirborne && info.m_bStandard && !info.m_bAverageLoudspeaker;
    const bool bStatusTexts = bBg && !info.m_bImpactAirborne && !info.m_bIntensity && !bBsStandard;

    for (int r = Row(2) + nRowOffset, n = kFirstBand; r <= Row(12) + nRowOffset; ++r, ++n) {
        auto number = [&](int nEntry, const NSpectrum& spec, int nDecimals) {
            NumberIfText(r, Col(nEntry), spec, n, nDecimals);
        };
        auto text = [&](int nEntry, const CString& sText) { m_Writer.WriteString(r, Col(nEntry), sText); };
        auto status = [&](int k, int nStatus) { return S[k].GetMeasStatus(n) == nStatus; };
        auto presentStatus = [&](int k, int nStatus) { return HasValue(S[k], n) && status(k, nStatus); };

        if (IsPresent(calc.m_dRating))
            number(2, S[0], 1);
        if (!info.m_bImpact && !info.m_bImpactAirborne)
            number(4, S[18], 1);
        number(5, S[19], 1);
        number(6, reverb, 2);
        if (bBg && !info.m_bImpactAirborne && status(4, kStatusLimited))
            rbLimited = true;
        if (HasText(S[2], n))
            text(7, FixedText(S[2].GetSpecLine(n), 1));
        number(8, S[3], 1);
        if (bStatusTexts) {
            if (presentStatus(4, kStatusLimited))
                text(9, s.m_sTextBgnTooHigh);
            else if (presentStatus(4, kStatusCorrected))
                text(9, sCorrected);
        }
        if (bBg && info.m_bImpactAirborne) {
            bool bAny16 = false, bDone = false;
            for (int k : {4, 6, 7}) {
                if (!bDone && status(k, kStatusLimited)) {
                    rbLimited = true;
                    m_Writer.WriteNumber(r, Col(3), 1.0);
                    text(9, s.m_sTextBgnTooHigh);
                    bDone = true;
                }
                bAny16 = bAny16 || status(k, kStatusCorrected);
            }
            if (!bDone && bAny16)
                text(9, sCorrected);
        }
        if (info.m_bCorner)
            WriteLoudspeakerCorner(pDoc, calc, r, n, nRowOffset);
    }
}

void CResultsExporter::WriteLoudspeakerCorner(CProjectDoc* pDoc, const CCalc& calc, int r, int n, int nRowOffset)
{
    const CExportSettings& s = m_Settings;
    const NSpectrum* S = calc.m_aSpec;
    const CString sCorrected = String(IDS_BGN_CORRECTION_REMARK);
    auto number = [&](int nEntry, const NSpectrum& spec, int nDecimals) {
        NumberIfText(r, Col(nEntry), spec, n, nDecimals);
    };
    auto presentStatus = [&](int k, int nStatus) { return HasValue(S[k], n) && S[k].GetMeasStatus(n) == nStatus; };
    number(14, S[15], 1);
    number(15, S[16], 1);
    number(6, S[17], 2);
    number(16, S[12], 1);
    if (!s.m_bBgnCorrection) {
        number(17, S[13], 1);
        return;
    }
    if (HasText(S[13], n))
        m_Writer.WriteNumber(r, Col(17), S[13].GetSpecLine(n) + (HasValue(S[6], n) ? S[6].GetSpecLine(n) : 0.0));
    number(18, S[13], 1);
    number(19, Summary(pDoc, kTableCornerBackground), 1);
    const CString sCorner = String(IDS_TREE_CORNER) + "-";
    if (presentStatus(6, kStatusLimited)) {
        m_Writer.WriteString(Row(59) + 1 + nRowOffset, 10, sCorner + s.m_sTextBgnTooHigh);
        m_Writer.WriteString(r, Col(19) + 1, s.m_sTextBgnTooHigh);
    } else if (presentStatus(6, kStatusCorrected)) {
        m_Writer.WriteString(Row(59) + 3 + nRowOffset, 10, sCorner + sCorrected);
        m_Writer.WriteString(r, Col(19) + 1, sCorrected);
    }
    CString sFirst, sSecond;
    if (presentStatus(4, kStatusLimited)) { sFirst += "1  "; sSecond += "1  "; }
    if (presentStatus(6, kStatusLimited)) { sFirst += "2  "; sSecond += "2  "; }
    if (presentStatus(4, kStatusCorrected)) {
        sSecond += "3  ";
        m_Writer.WriteString(Row(59) + 2 + nRowOffset, 10, sCorrected);
    }
    if (presentStatus(6, kStatusCorrected))
        sSecond += "4";
    m_Writer.WriteString(r, Col(3), sFirst);
    m_Writer.WriteString(r, Col(20), sSecond);
}

// The single values as texts: whole dB truncated toward zero, or one decimal;
// " " for a missing one, which clears the template's cell.
void CResultsExporter::WriteLoudspeakerValues(CProjectDoc* pDoc, const CCalc& calc, int nRowOffset, bool bLimited)
{
    const CReportInfo& info = pDoc->m_ReportInfo;
    auto at = [&](int nRowEntry, int nColEntry, const CString& sText) {
        m_Writer.WriteString(Row(nRowEntry) + nRowOffset, Col(nColEntry), sText);
    };
    const bool bImpact = info.m_bImpact || info.m_bImpactAirborne;
    if (((info.m_bISO || info.m_bOEN || info.m_bSS) && info.m_bAirborne) ||
        (info.m_bBS && info.m_bAirborne && info.m_bStandard) || (info.m_bDIN && info.m_bAirborne)) {
        at(32, 29, WholeText(calc.m_dC50_3150));
        at(33, 30, WholeText(calc.m_dC50_5000));
        at(34, 31, WholeText(calc.m_dC100_5000));
        at(35, 32, WholeText(calc.m_dCtr50_3150));
        at(36, 33, WholeText(calc.m_dCtr50_5000));
        at(37, 34, WholeText(calc.m_dCtr100_5000));
    }
    if (bImpact)
        at(33, 33, WholeText(calc.m_dCI50_2500));
    at(29, 29, RatingText(calc.m_dRating));
    at(30, 30, WholeText(calc.m_dC));
    at(31, 31, WholeText(calc.m_dCtr));
    WriteDeviations(calc, nRowOffset);
    if (bImpact)
        at(30, 29, WholeText(calc.m_dCI));
    if ((m_Settings.m_bBgnCorrection || info.m_bImpactAirborne) && bLimited)
        at(59, 59, m_Settings.m_sTextBgnTooHigh);
    if (info.m_bSIA && info.m_nYear == 2006) {
        at(32, 31, RatingText(calc.m_dFinalValue));
        at(33, 32, WholeText(calc.m_dVolumeCorr));
        at(35, 35, WholeText(calc.m_dCtr50_3150));
    }
}
