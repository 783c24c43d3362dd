// CResultsExporter: the sheet of a field project (airborne and impact
// insulation between rooms, façades, corner positions, combined impact and
// airborne projects, sound intensity).

#include "ResultsExporter.h"

#include "ProjectDoc.h"
#include "ReportInfo.h"
#include "CorrectionRules.h"
#include "TableIds.h"

#include "res/resource.h"

#include <algorithm>

void CResultsExporter::WriteFieldSheet(CProjectDoc* pDoc)
{
    const CReportInfo& info = pDoc->m_ReportInfo;
    VersionCell();
    if (info.m_bReverberation && info.m_bISO)
        m_aCellPos[12].nRow += 2;  // up to 8 kHz
    bool bMarked = false;
    WriteFieldBands(pDoc, bMarked);
    WriteFieldTexts(pDoc);
    WriteFieldRoomData(pDoc);
    if ((m_Settings.m_bBgnCorrection || info.m_bImpactAirborne) && bMarked)
        Text(59, m_Settings.m_sTextBgnTooHigh);
    WriteBackgroundIndexFlag();
    WriteFieldBlocks(pDoc);
}

void CResultsExporter::WriteFieldBands(CProjectDoc* pDoc, bool& rbMarked)
{
    const CReportInfo& info = pDoc->m_ReportInfo;
    const CCalc& calc = pDoc->m_Calc;
    const CExportSettings& s = m_Settings;
    const CString sFormula = info.m_bImpact || info.m_bImpactAirborne ? "$K$33" : "$K$32";
    const CString sCorrected = String(IDS_BGN_CORRECTION_REMARK);
    const NSpectrum* S = calc.m_aSpec;
    const NSpectrum source = Summary(pDoc, kTableSource), receiving = Summary(pDoc, kTableReceiving),
                    reverb = Summary(pDoc, kTableReverb), background = Summary(pDoc, kTableBackground),
                    source2 = Summary(pDoc, kTableAirborneSource),
                    receiving2 = Summary(pDoc, kTableAirborneReceiving), corner = Summary(pDoc, kTableCornerBackground);
    const double dOffset = CurveOffset(calc, info, s.m_bShiftedRefCurve);
    const bool bBsStandard = info.m_bBS && info.m_bAirborne && info.m_bStandard && !info.m_bAverageLoudspeaker;
    const bool bBackgroundVariant = s.m_bBgnCorrection && !info.m_bImpactAirborne && !bBsStandard && !info.m_bIntensity;
    const bool bSeveral = HasSeveralPositions(pDoc);
    auto statusText = [&](int nBand) {
        if (!HasValue(S[4], nBand))
            return CString();
        if (HasStatus(S[4], nBand, kStatusLimited))
            return s.m_sTextBgnTooHigh;
        return HasStatus(S[4], nBand, kStatusCorrected) ? sCorrected : CString();
    };

    for (int r = Row(2); r <= Row(12); ++r) {
        const int n = r + kBandOfRow;
        auto number = [&](int nEntry, double dValue) { m_Writer.WriteNumber(r, Col(nEntry), dValue); };
        auto text = [&](int nEntry, const CString& sText) { m_Writer.WriteString(r, Col(nEntry), sText); };
        auto mark = [&](double dMark) {
            number(3, dMark);
            m_Writer.WriteFormula(r, Col(21), sFormula);
            rbMarked = true;
        };

        if (HasValue(S[1], n))
            number(1, S[1].GetSpecLine(n) + dOffset);
        if (s.m_bBgnCorrection && !info.m_bImpactAirborne && HasStatus(S[4], n, kStatusLimited))
            mark(1.0);
        if (HasText(S[0], n) && IsPresent(calc.m_dRating))
            number(2, S[0].GetSpecLine(n));
        if (!info.m_bImpact)
            NumberIfText(r, Col(4), source, n);
        NumberIfText(r, Col(6), reverb, n, 2);
        if (info.m_bIntensity)
            NumberIfText(r, Col(6), receiving2, n);
        FixedIfText(r, Col(7), S[2], n);
        NumberIfText(r, Col(8), S[3], n);

        // Receiving room and background noise
        if (bBackgroundVariant) {
            if (HasText(S[4], n) && HasValue(receiving, n))
                number(5, receiving.GetSpecLine(n) + S[4].GetSpecLine(n));
            else
                text(5, FixedText(receiving.GetSpecLine(n), 1));
            text(9, statusText(n));
            if (HasValue(receiving, n)) number(10, receiving.GetSpecLine(n)); else text(10, " ");
            if (HasValue(background, n)) number(11, background.GetSpecLine(n)); else text(11, " ");
        } else {
            if (HasText(receiving, n)) number(5, receiving.GetSpecLine(n)); else text(5, " ");
            text(10, " ");
            text(11, " ");
        }
        if (info.m_bIntensityModified)
            NumberIfText(r, Col(9), S[4], n);
        if (bBsStandard && s.m_bBgnCorrection)
            text(9, statusText(n));

        if (info.m_bCorner) {
            NumberIfText(r, Col(14), S[15], n);
            NumberIfText(r, Col(15), S[16], n);
            NumberIfText(r, Col(6), S[17], n, 2);
            if (bSeveral)
                NumberIfText(r, Col(6), pDoc->m_CalcSets[0].m_aSpec[17], n, 2);
            NumberIfText(r, Col(16), S[12], n);
            if (s.m_bBgnCorrection) {
                if (HasText(S[13], n))
                    number(17, S[13].GetSpecLine(n) + (HasValue(S[6], n) ? S[6].GetSpecLine(n) : 0.0));
                NumberIfText(r, Col(18), S[13], n);
                NumberIfText(r, Col(19), corner, n);
                const CString sCorner = String(IDS_TREE_CORNER) + "-";
                if (HasValue(S[6], n) && HasStatus(S[6], n, kStatusLimited)) {
                    m_Writer.WriteString(Row(59) + 1, Col(59), sCorner + s.m_sTextBgnTooHigh);
                    m_Writer.WriteString(r, Col(19) + 1, s.m_sTextBgnTooHigh);
                } else if (HasValue(S[6], n) && HasStatus(S[6], n, kStatusCorrected)) {
                    m_Writer.WriteString(Row(59) + 3, Col(59), sCorner + sCorrected);
                    m_Writer.WriteString(r, Col(19) + 1, sCorrected);
                }
                CString sFirst, sSecond;
                if (HasValue(S[4], n) && HasStatus(S[4], n, kStatusLimited)) { sFirst += "1  "; sSecond += "1  "; }
                if (HasValue(S[6], n) && HasStatus(S[6], n, kStatusLimited)) { sFirst += "2  "; sSecond += "2  "; }
                if (HasValue(S[4], n) && HasStatus(S[4], n, kStatusCorrected)) {
                    sSecond += "3  ";
                    m_Writer.WriteString(Row(59) + 2, Col(59), sCorrected);
                }
                if (HasValue(S[6], n) && HasStatus(S[6], n, kStatusCorrected))
                    sSecond += "4";
                text(3, sFirst);
                text(20, sSecond);
            } else {
                NumberIfText(r, Col(17), S[13], n);
            }
        }

        if (info.m_bImpactAirborne) {
            const bool bBg = s.m_bBgnCorrection;
            const bool b4 = HasValue(S[4], n), b7 = HasValue(S[7], n);
            WriteCombinedLevels(pDoc, r, n);
            if (HasValue(receiving, n))
                number(94, receiving.GetSpecLine(n) + (bBg && b4 ? S[4].GetSpecLine(n) : 0.0) +
                               (b7 ? S[7].GetSpecLine(n) : 0.0));
            if (b7)
                number(7, S[7].GetSpecLine(n));
            const bool bLimited = (bBg && (HasStatus(S[4], n, kStatusLimited) || HasStatus(S[6], n, kStatusLimited))) ||
                                  HasStatus(S[7], n, kStatusLimited);
            if (bLimited) {
                mark(1.0);
                text(9, s.m_sTextBgnTooHigh);
            } else if (bBg && (HasStatus(S[4], n, kStatusCorrected) || HasStatus(S[6], n, kStatusCorrected) ||
                               HasStatus(S[7], n, kStatusCorrected))) {
                text(9, sCorrected);
            }
        }

        // Several loudspeaker positions: their own blocks follow below.
        if (bSeveral) {
            std::vector<int> aBlank = {4, 5, 10, 11};
            if (info.m_bCorner)
                aBlank.insert(aBlank.end(), {14, 15, 16, 17, 18, 19});
            if (info.m_bImpactAirborne)
                aBlank.insert(aBlank.end(), {92, 13, 93, 11, 94, 7});
            for (int nEntry : aBlank)
                text(nEntry, " ");
        }
    }
}

void CResultsExporter::WriteFieldTexts(CProjectDoc* pDoc)
{
    const CReportInfo& info = pDoc->m_ReportInfo;
    const CCalc& calc = pDoc->m_Calc;
    const CExportSettings& s = m_Settings;
    WriteReportTexts(info, {{22, &CReportInfo::m_sClient, false},
                            {23, &CReportInfo::m_sTestDate, false},
                            {25, &CReportInfo::m_sDescription, true}});
    if (!info.m_bReverberation) {
        WriteReportTexts(info, {{24, &CReportInfo::m_sDescriptionLabel, true},
                                {26, &CReportInfo::m_sObjectLabel, true},
                                {27, &CReportInfo::m_sObject, true}});
        Text(28, CurveCaption(info));
    }

    // A sum of rating and term: with the rating's decimals.
    auto sumText = [&](double dValue) { return FixedText(dValue, s.m_bExactRating ? 1 : 0); };
    const bool bSS2015 = info.m_bSS && info.m_nYear == 2015;
    if (((info.m_bISO || info.m_bOEN || info.m_bSS) && info.m_bAirborne) ||
        (info.m_bBS && info.m_bAirborne && info.m_bStandard) || (info.m_bDIN && info.m_bAirborne)) {
        WriteRangeTerms(calc);
        if (bSS2015 && IsPresent(calc.m_dRating) && IsPresent(calc.m_dC50_3150))
            Text(32, sumText(calc.m_dRating + calc.m_dC50_3150));
    }
    if (info.m_bImpact || info.m_bImpactAirborne) {
        Text(33, WholeText(calc.m_dCI50_2500));
        if (bSS2015 && IsPresent(calc.m_dRating)) {
            if (IsPresent(calc.m_dCIAux))
                Text(33, sumText(calc.m_dRating + std::max(0.0, calc.m_dCIAux)));
            else if (IsPresent(calc.m_dCI50_2500))
                Text(33, sumText(calc.m_dRating + std::max(0.0, calc.m_dCI50_2500)));
        }
    }
    CString sRating = WholeText(calc.m_dRating), sC = WholeText(calc.m_dC), sCtr = WholeText(calc.m_dCtr),
            sCI = WholeText(calc.m_dCI);
    if (s.m_bExactRating)
        sRating = RatingText(calc.m_dRating);
    if (info.m_bReverberation && info.m_bISO) {
        sRating = FixedText(calc.m_dRating, 2);
        sC = FixedText(calc.m_dC, 2);
        sCtr = FixedText(calc.m_dCtr, 2);
        sCI = FixedText(calc.m_dCI, 2);
    }
    Text(29, sRating);
    Text(30, sC);
    Text(31, sCtr);
    WriteDeviations(calc, 0);
    if (info.m_bImpact || info.m_bImpactAirborne)
        Text(30, sCI);
    WriteReportFooterTexts(pDoc);
}

// Label, number and unit in columns D, E and F of rows 36 to 39.
void CResultsExporter::WriteFieldRoomData(CProjectDoc* pDoc)
{
    const CReportInfo& info = pDoc->m_ReportInfo;
    const CCalc& calc = pDoc->m_Calc;
    const CString sSquare = "m\xB2", sCubic = "m\xB3";
    auto triplet = [&](int nLabel, const CString& sLabel, double dValue, const CString& sUnit) {
        Text(nLabel, sLabel);
        NumberIfPresent(nLabel + 1, dValue);
        Text(nLabel + 2, sUnit);
    };
    if (info.m_bSIA)
        for (int nEntry = 47; nEntry <= 49; ++nEntry)
            m_aCellPos[nEntry].nRow = 46;
    if (!info.m_bAbsorption && !info.m_bReverberation) {
        Text(50, String(IDS_RESULT_SOURCE_VOLUME));
        Text(51, info.m_sSourceRoomVolume);
        Text(52, sCubic);
    }
    if (info.m_bReduction && info.m_bAirborne) {
        triplet(47, String(IDS_RESULT_AREA_S), info.m_dArea, sSquare);
        if (!info.m_bASTM && IsPresent(calc.m_dArea))
            triplet(56, String(IDS_RESULT_USAGE_VALUE) + " = max(S,V/7" + CString(m_cDecimalSep) + "5):", calc.m_dArea,
                    sSquare);
    }
    if (info.m_bField && info.m_bStandard && info.m_bAirborne && info.m_bAverageLoudspeaker)
        triplet(47, String(IDS_RESULT_COMMON_PARTITION), info.m_dArea, sSquare);
    if (info.m_bIntensity)
        triplet(56, String(IDS_RESULT_AREA_SM), info.m_dMeasurementArea, sSquare);
    if (info.m_bIntensity && info.m_bIntensityModified) {
        Text(50, String(IDS_RESULT_AREA_SB2));
        Text(51, info.m_sSourceRoomVolume);
        Text(52, sSquare);
    }
    if (info.m_bBB93 && IsPresent(info.m_dBB93ReverbTime))
        m_Writer.WriteNumber(Row(48) - 1, Col(48), info.m_dBB93ReverbTime);
    if (info.m_bDIN && info.m_bLoudspeaker && info.m_bFacade)
        triplet(47, String(IDS_RESULT_ANGLE), info.m_dAngle, "\xB0");
    if (!info.m_bReverberation)
        triplet(53, String(IDS_RESULT_RECEIVING_VOLUME), info.m_dVolume, sCubic);
}

// The blocks of reverberation, ASTM, SIA, SS 2004 and the extended report.
void CResultsExporter::WriteFieldBlocks(CProjectDoc* pDoc)
{
    const CReportInfo& info = pDoc->m_ReportInfo;
    const CCalc& calc = pDoc->m_Calc;
    if (info.m_bReverberation) {
        Text(76, info.m_sNoiseType);
        Text(77, info.m_sSourceRoomVolume);
        if (info.m_bISO) {
            Text(60, info.m_sHumidity);
            NumberIfPresent(62, info.m_dTemperature1);
        }
    }
    if (info.m_bASTM) {
        if (IsPresent(info.m_dTemperature1)) {
            m_Writer.WriteString(Row(50) - 2, Col(50), String(IDS_RESULT_RECEIVING_TEMPERATURE));
            m_Writer.WriteNumber(Row(51) - 2, Col(51), info.m_dTemperature1);
            m_Writer.WriteString(Row(52) - 2, Col(52), "\xB0" "C");
        }
        m_Writer.WriteString(Row(50) - 3, Col(50), String(IDS_RESULT_AIR_HUMIDITY));
        m_Writer.WriteString(Row(51) - 3, Col(51), info.m_sHumidity);
        m_Writer.WriteString(Row(52) - 3, Col(52), "%");
    }
    if (info.m_bSIA) {
        if (info.m_nYear == 2006) {
            Text(32, RatingText(calc.m_dFinalValue));
            Text(33, WholeText(calc.m_dVolumeCorr));
            Text(35, WholeText(calc.m_dCtr50_3150));
        }
        WriteRoomTexts(pDoc);
    }
    if (info.m_bSS && info.m_nYear == 2004 && calc.m_bVariant) {
        const CString sUsage = String(IDS_RESULT_USAGE_VALUE);
        if (info.m_bImpact) {
            Text(47, sUsage + " V:");
            Number(48, 31.0);
            Text(49, "m\xB3");
        } else {
            m_Writer.WriteString(Row(47) - 1, Col(47), sUsage + " V/S:");
            m_Writer.WriteNumber(Row(48) - 1, Col(48), 3.1);
            m_Writer.WriteString(Row(49) - 1, Col(49), "m");
        }
        m_Writer.WriteString(Row(47) + 4, Col(47),
                             String(info.m_bImpact ? IDS_RESULT_VOLUME_LIMITED_IMPACT : IDS_RESULT_VOLUME_LIMITED_AIRBORNE));
    }
    if (m_Settings.m_bExtendedReport && (((info.m_bISO || info.m_bOEN) && !info.m_bFacade && !info.m_bReverberation) ||
                                         (info.m_bDIN && (info.m_bAirborne || info.m_bImpactAirborne)))) {
        m_aCellPos[76].nRow = 45;
        m_aCellPos[95].nRow = 46;
        WriteRoomTexts(pDoc);
    }
}

// The noise signal, the receiving filter and the conditions, types and
// locations of both rooms.
void CResultsExporter::WriteRoomTexts(CProjectDoc* pDoc)
{
    Text(95, m_Settings.m_sRec_Filter);
    WriteReportTexts(pDoc->m_ReportInfo, {{76, &CReportInfo::m_sNoiseType, false},
                                          {96, &CReportInfo::m_sConditionSend, false},
                                          {97, &CReportInfo::m_sTypeSend, false},
                                          {98, &CReportInfo::m_sLocationSend, false},
                                          {99, &CReportInfo::m_sConditionReceive, false},
                                          {100, &CReportInfo::m_sTypeReceive, false},
                                          {101, &CReportInfo::m_sLocationReceive, false}});
}
