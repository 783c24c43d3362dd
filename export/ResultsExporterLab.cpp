// CResultsExporter: the band rows of a laboratory project's sheet, with the
// marks of the background, flanking and airborne corrections.

#include "ResultsExporter.h"

#include "ProjectDoc.h"
#include "ReportInfo.h"
#include "CorrectionRules.h"
#include "TableIds.h"

#include "res/resource.h"

void CResultsExporter::WriteLabSheet(CProjectDoc* pDoc)
{
    VersionCell();
    WriteLabBands(pDoc);
    WriteBackgroundIndexFlag();
    WriteLabTexts(pDoc);
    WriteLabImpactBlocks(pDoc);
    WriteLabImprovement(pDoc);
}

void CResultsExporter::WriteLabBands(CProjectDoc* pDoc)
{
    const CReportInfo& info = pDoc->m_ReportInfo;
    const CCalc& calc = pDoc->m_Calc;
    const CExportSettings& s = m_Settings;
    const CString sFormula = info.m_bImpact || info.m_bImpactAirborne ? "$K$34" : "$K$32";
    const CString sCorrected = String(IDS_BGN_CORRECTION_REMARK);
    const CString sMinimum = String(IDS_MINIMUM_VALUES);
    const NSpectrum* S = calc.m_aSpec;
    const NSpectrum source = Summary(pDoc, kTableSource), receiving = Summary(pDoc, kTableReceiving),
                    reverb = Summary(pDoc, kTableReverb), background = Summary(pDoc, kTableBackground),
                    facility = Summary(pDoc, kTableWithFacility);
    const double dOffset = CurveOffset(calc, info, s.m_bShiftedRefCurve);
    const bool bFlanking = IsFlankingCorrectionActive(info);
    const bool bBg = s.m_bBgnCorrection;

    for (int r = Row(71); r <= Row(75); ++r) {
        const int n = r + kBandOfRow;
        auto number = [&](int nEntry, double dValue) { m_Writer.WriteNumber(r, Col(nEntry), dValue); };
        auto text = [&](int nEntry, const CString& sText) { m_Writer.WriteString(r, Col(nEntry), sText); };
        auto footnote = [&](int nBelow, const CString& sText) { m_Writer.WriteString(Row(59) + nBelow, Col(59), sText); };
        auto mark = [&](const CString& sMark, int nBelow, const CString& sFootnote) {
            text(3, sMark);
            m_Writer.WriteFormula(r, Col(21), sFormula);
            footnote(nBelow, sFootnote);
        };
        auto markNumber = [&](double dMark) {
            number(3, dMark);
            m_Writer.WriteFormula(r, Col(21), sFormula);
        };
        auto limited = [&](int k) { return HasStatus(S[k], n, kStatusLimited); };
        auto corrected = [&](int k) { return HasStatus(S[k], n, kStatusCorrected); };

        if (HasValue(S[1], n))
            number(1, S[1].GetSpecLine(n) + dOffset);
        NumberIfText(r, Col(2), S[0], n);
        if (!info.m_bImpact)
            NumberIfText(r, Col(4), source, n);
        NumberIfText(r, Col(6), reverb, n, 2);
        FixedIfText(r, Col(7), S[2], n);
        NumberIfText(r, Col(8), S[3], n);
        if (HasText(S[4], n) && HasValue(receiving, n))
            number(5, receiving.GetSpecLine(n) + S[4].GetSpecLine(n));
        else
            text(5, FixedText(receiving.GetSpecLine(n), 1));

        if ((info.m_bImpact || info.m_bCeiling) && bBg) {
            if (HasValue(S[4], n) && limited(4)) {
                mark("1", 0, s.m_sTextBgnTooHigh);
                text(9, s.m_sTextBgnTooHigh);
            } else if (HasValue(S[4], n) && corrected(4)) {
                text(9, sCorrected);
            }
        } else {
            if (bBg && HasValue(S[4], n)) {
                if (limited(4)) {
                    text(9, String(IDS_RESULT_TOO_HIGH));
                    text(90, s.m_sTextBgnTooHigh);
                } else if (corrected(4)) {
                    text(9, String(IDS_FLANKING_CORRECTION_REMARK));
                    text(90, sCorrected);
                }
            }
            if (bFlanking && HasValue(S[5], n)) {
                if (limited(5))
                    m_Writer.WriteString(r, Col(9) + 3, sMinimum);
                else if (corrected(5))
                    m_Writer.WriteString(r, Col(9) + 3, String(IDS_FLANKING_CORRECTION_REMARK));
            }
            if (bBg && !info.m_bImpactAirborne) {
                if (limited(4))
                    mark("1", 0, s.m_sTextBgnTooHigh);
                else if (bFlanking && limited(5))
                    mark("2", 0, sMinimum);
                if (bFlanking && limited(5) && limited(4)) {
                    mark("1 2", 0, s.m_sTextBgnTooHigh);
                    footnote(1, sMinimum);
                }
            } else if (bFlanking && limited(5)) {
                mark("1", 0, sMinimum);
            }
        }

        if (bBg && !info.m_bImpactAirborne) {
            if (HasValue(receiving, n)) number(10, receiving.GetSpecLine(n)); else text(10, " ");
            if (HasValue(background, n)) number(11, background.GetSpecLine(n)); else text(11, " ");
        }

        if (info.m_bImpactAirborne) {
            const bool b4 = HasValue(S[4], n), b7 = HasValue(S[7], n);
            WriteCombinedLevels(pDoc, r, n);
            if (HasValue(receiving, n) && b7)
                number(94, receiving.GetSpecLine(n) + S[7].GetSpecLine(n) + (bBg && b4 ? S[4].GetSpecLine(n) : 0.0));
            if (b7)
                m_Writer.WriteNumber(r, Col(7) + 10, S[7].GetSpecLine(n));

            if ((bBg && (limited(4) || limited(6))) || limited(7)) {
                markNumber(2.0);
                footnote(1, s.m_sTextBgnTooHigh);
                text(9, s.m_sTextBgnTooHigh);
            } else if (bBg && (corrected(4) || corrected(6))) {
                text(9, sCorrected);
                if (corrected(7))
                    number(3, 1.0);
            } else if (corrected(7)) {
                number(3, 1.0);
                CString sAirborne = String(IDS_AIRBORNE_CORR_DIN);
                if (info.m_bLab && s.m_bCorrectionZezur) {
                    footnote(2, String(IDS_EXPORT_AIRBORNE_DIN_ACTIVE));
                    m_Writer.WriteString(Row(59) + 2, Col(59) - 1, " ");
                } else if (info.m_bLab) {
                    sAirborne = String(IDS_AIRBORNE_CORR_ISO);
                }
                footnote(0, sAirborne);
                text(9, sAirborne);
            }
        }

        if (bFlanking) {
            const int nCol = Col(89);
            if (HasValue(S[0], n) && HasValue(facility, n))
                m_Writer.WriteString(r, nCol, S[0].GetSpecLineStr(n, 1));
            if (HasValue(S[0], n))
                m_Writer.WriteNumber(r, nCol + 1, S[0].GetSpecLine(n) - (HasValue(S[5], n) ? S[5].GetSpecLine(n) : 0.0));
            if (HasValue(facility, n))
                m_Writer.WriteNumber(r, nCol + 2, facility.GetSpecLine(n));
        }

        if (HasSeveralPositions(pDoc)) {
            for (int nEntry : {4, 5, 10, 11})
                text(nEntry, " ");
            if (bFlanking)
                for (int nColumn = Col(89); nColumn <= Col(89) + 2; ++nColumn)
                    m_Writer.WriteString(r, nColumn, " ");
        }
    }
}

// The columns of a combined impact and airborne project that the field and
// laboratory sheets share: background, both rooms of the airborne part,
// their difference, the impact rooms and the result text.
void CResultsExporter::WriteCombinedLevels(CProjectDoc* pDoc, int r, int n)
{
    const NSpectrum* S = pDoc->m_Calc.m_aSpec;
    const NSpectrum source = Summary(pDoc, kTableSource), receiving = Summary(pDoc, kTableReceiving),
                    background = Summary(pDoc, kTableBackground), source2 = Summary(pDoc, kTableAirborneSource),
                    receiving2 = Summary(pDoc, kTableAirborneReceiving);
    const bool bBg = m_Settings.m_bBgnCorrection;
    const bool b4 = HasValue(S[4], n), b6 = HasValue(S[6], n);
    const bool b123 = HasValue(receiving, n), b128 = HasValue(source2, n), b129 = HasValue(receiving2, n);
    auto number = [&](int nEntry, double dValue) { m_Writer.WriteNumber(r, Col(nEntry), dValue); };
    if (bBg && HasValue(background, n))
        number(91, background.GetSpecLine(n));
    if (b129)
        number(5, receiving2.GetSpecLine(n));
    if (bBg && b129 && b6)
        number(92, receiving2.GetSpecLine(n) + S[6].GetSpecLine(n));
    if (bBg && b128 && b129 && b6)
        number(13, source2.GetSpecLine(n) - (receiving2.GetSpecLine(n) + S[6].GetSpecLine(n)));
    else if (b128 && b129)
        number(13, source2.GetSpecLine(n) - receiving2.GetSpecLine(n));
    if (b123)
        number(10, receiving.GetSpecLine(n));
    if (bBg && b123 && b4)
        number(93, receiving.GetSpecLine(n) + S[4].GetSpecLine(n));
    if (HasValue(source, n))
        number(11, source.GetSpecLine(n));
    FixedIfText(r, Col(7), S[2], n);
}
