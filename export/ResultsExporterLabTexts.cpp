// CResultsExporter: the texts, room data, ratings and adaptation terms of a
// laboratory project's sheet, and the blocks of the impact-improvement,
// corrected-impact and airborne-improvement kinds.

#include "ResultsExporter.h"

#include "ProjectDoc.h"
#include "ReportInfo.h"
#include "CorrectionRules.h"
#include "TableIds.h"

namespace {

const int kReferenceFloorRow = 59;  // B59: the type of the reference floor
const int kReferenceFloorCol = 2;

}  // namespace

void CResultsExporter::WriteLabTexts(CProjectDoc* pDoc)
{
    const CReportInfo& info = pDoc->m_ReportInfo;
    const CCalc& calc = pDoc->m_Calc;
    WriteReportTexts(info, {{78, &CReportInfo::m_sPageText1, false},    // manufacturer
                            {79, &CReportInfo::m_sPageText2, true},     // product identification
                            {85, &CReportInfo::m_sDescription, true},
                            {80, &CReportInfo::m_sPageText3, false},    // test room
                            {81, &CReportInfo::m_sPageText4, false},    // specimen mounted by
                            {83, &CReportInfo::m_sMassPerUnit, false},
                            {82, &CReportInfo::m_sCuringTime, false},
                            {22, &CReportInfo::m_sClient, false},
                            {23, &CReportInfo::m_sTestDate, false},
                            {88, &CReportInfo::m_sHumidity, false},
                            {51, &CReportInfo::m_sSourceRoomVolume, false}});
    Text(28, CurveCaption(info));

    WriteDeviations(calc, 0);
    if (info.m_bImprovement && info.m_bAirborne)
        m_aCellPos[84].nRow = 33;  // the area takes the place of the curing time
    NumberIfPresent(84, info.m_dArea);
    NumberIfPresent(86, info.m_dPressure1);
    NumberIfPresent(87, info.m_dTemperature1);
    NumberIfPresent(54, info.m_dVolume);

    if (!info.m_bImpact && !info.m_bImpactAirborne) {
        WriteRangeTerms(calc);
    }
    Text(29, RatingText(calc.m_dRating));
    Text(30, WholeText(calc.m_dC));
    Text(31, WholeText(calc.m_dCtr));

    WriteReportFooterTexts(pDoc);
}

// Impact kinds: CI and the improvement of floor coverings.
void CResultsExporter::WriteLabImpactBlocks(CProjectDoc* pDoc)
{
    const CReportInfo& info = pDoc->m_ReportInfo;
    const CCalc& calc = pDoc->m_Calc;
    const NSpectrum* S = calc.m_aSpec;
    const bool bRatingExists = IsPresent(calc.m_dRating);
    const NSpectrum withCovering = Summary(pDoc, kTableWithCovering),
                    withoutCovering = Summary(pDoc, kTableWithoutCovering);
    auto writeImprovement = [&]() {
        Text(30, WholeText(calc.m_dCIDelta));
        Text(31, WholeText(calc.m_dCIAux));
        Text(40, RatingText(calc.m_dRatingBare));
        Text(41, RatingText(calc.m_dRatingCovered));
        Text(42, RatingText(calc.m_dRatingRefCovered));
    };
    auto coveringColumns = [&](const NSpectrum& first) {
        for (int r = Row(71); bRatingExists && r <= Row(75); ++r) {
            const int n = r + kBandOfRow;
            FixedIfText(r, Col(89) - 1, first, n);
            FixedIfText(r, Col(89) - 6, withoutCovering, n);
            FixedIfText(r, Col(89) - 5, S[19], n);
        }
    };

    if (info.m_bImpact || info.m_bImpactAirborne || info.m_bImpactCorrected) {
        const CString t1 = WholeText(info.m_bReduction ? calc.m_dCIDelta : calc.m_dCI);
        const CString t2 = WholeText(info.m_bReduction ? calc.m_dCIAux : calc.m_dCI50_2500);
        Text(30, t1);
        Text(33, t2);
        if (info.m_bReduction) {
            writeImprovement();
            coveringColumns(S[18]);
        }
        if (info.m_bImpactCorrected) {
            Text(30, t1);
            Text(31, t2);
            WriteDeviations(calc, 0);
            const NSpectrum source = Summary(pDoc, kTableSource), receiving = Summary(pDoc, kTableReceiving),
                            source2 = Summary(pDoc, kTableAirborneSource),
                            receiving2 = Summary(pDoc, kTableAirborneReceiving);
            for (int r = Row(71); bRatingExists && r <= Row(75); ++r) {
                const int n = r + kBandOfRow;
                if (S[4].GetMeasStatus(n) == kStatusLimited) {
                    m_Writer.WriteString(r, Col(3), "1");
                    Text(59, m_Settings.m_sTextBgnTooHigh);
                    m_Writer.WriteString(r, Col(9), m_Settings.m_sTextBgnTooHigh);
                }
                FixedIfText(r, Col(5), receiving, n);
                FixedIfText(r, Col(6), source, n);
                FixedIfText(r, Col(7), receiving2, n);
                FixedIfText(r, Col(8), source2, n);
            }
        }
    }
    if (info.m_bLab && info.m_bImpact && info.m_bReductionLightweight) {
        Text(30, WholeText(calc.m_dCIDelta));
        Text(33, WholeText(calc.m_dCIAux));
        writeImprovement();
        coveringColumns(withCovering);
        m_Writer.WriteString(kReferenceFloorRow, kReferenceFloorCol, info.m_sPageText5);
    }
}

// The improvement of airborne sound insulation by a lining: the nine
// improvement values in B39 to B47 and the basic element in B58.
void CResultsExporter::WriteLabImprovement(CProjectDoc* pDoc)
{
    const CReportInfo& info = pDoc->m_ReportInfo;
    if (!info.m_bImprovement || !info.m_bAirborne)
        return;
    const CCalc& calc = pDoc->m_Calc;
    for (int nEntry = 29; nEntry <= 37; ++nEntry)
        m_aCellPos[nEntry] = {39 + nEntry - 29, 2};
    m_aCellPos[48] = {33, 5};
    // The engine's terms run C50-3150, C50-5000, C, C100-5000, then Ctr the
    // same; the sheet lists C and Ctr first.
    static const int kTermOfEntry[8] = {2, 6, 0, 1, 3, 4, 5, 7};
    Text(29, RatingText(calc.m_dRating));
    for (int i = 0; i < 8; ++i)
        Text(30 + i, RatingText(calc.m_adImprovement[kTermOfEntry[i]]));
    static const char* const kBasicElement[] = {"heavy", "heavy", "light", "direct"};
    if (info.m_nCoincidenceFreq >= 0 && info.m_nCoincidenceFreq <= 3)
        Text(0, kBasicElement[info.m_nCoincidenceFreq]);

    const NSpectrum withFacility = Summary(pDoc, kTableWithFacility),
                    withoutCovering = Summary(pDoc, kTableWithoutCovering);
    for (int r = Row(71); IsPresent(calc.m_dRating) && r <= Row(75); ++r) {
        const int n = r + kBandOfRow;
        if (r % 3 == 0)
            FixedIfText(r, Col(89) - 9, calc.m_aSpec[10], n);
        FixedIfText(r, Col(89) - 8, withFacility, n);
        FixedIfText(r, Col(89) - 7, withoutCovering, n);
    }
}
