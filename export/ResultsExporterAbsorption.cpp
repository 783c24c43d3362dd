// CResultsExporter: the sheets of absorption (reverberation room) and total
// loss factor projects.

#include "ResultsExporter.h"

#include "ProjectDoc.h"
#include "ReportInfo.h"
#include "CorrectionRules.h"
#include "TableIds.h"

// The version and the head texts both sheets share.
void CResultsExporter::WriteRoomReportTexts(CProjectDoc* pDoc)
{
    VersionCell();
    WriteReportTexts(pDoc->m_ReportInfo, {{22, &CReportInfo::m_sClient, false},
                                          {23, &CReportInfo::m_sTestDate, false},
                                          {24, &CReportInfo::m_sDescriptionLabel, true},
                                          {25, &CReportInfo::m_sDescription, true},
                                          {26, &CReportInfo::m_sObjectLabel, true},
                                          {27, &CReportInfo::m_sObject, true}});
}

void CResultsExporter::WriteAbsorptionSheet(CProjectDoc* pDoc)
{
    const CReportInfo& info = pDoc->m_ReportInfo;
    const CCalc& calc = pDoc->m_Calc;
    const NSpectrum emptyRoom = Summary(pDoc, kTableRefReverb), withSpecimen = Summary(pDoc, kTableReverb);
    WriteRoomReportTexts(pDoc);
    for (int r = Row(71); r <= Row(75); ++r) {
        const int n = r + kBandOfRow;
        NumberIfText(r, Col(70), calc.m_aSpec[9], n, 2);
        NumberIfText(r, Col(71), calc.m_aSpec[0], n, 2);
        NumberIfText(r, Col(72), calc.m_aSpec[8], n, 2);
        NumberIfText(r, Col(73), emptyRoom, n, 2);
        NumberIfText(r, Col(74), withSpecimen, n, 2);
    }
    NumberIfPresent(68, calc.m_dRating);
    Text(69, calc.m_sLabel);
    WriteReportFooterTexts(pDoc);
    Text(60, info.m_sHumidity);
    NumberIfPresent(62, info.m_dTemperature1);
    NumberIfPresent(64, info.m_dPressure1);
    NumberIfPresent(66, info.m_dArea);
    NumberIfPresent(67, info.m_dVolume);
    if ((info.m_bAlpha_S && info.m_nYear == 2003) || info.m_bAlpha_PW) {
        NumberIfPresent(63, info.m_dTemperature2);
        NumberIfPresent(65, info.m_dPressure2);
        NumberIfPresent(61, info.m_dHumidity2);
        NumberIfPresent(60, info.m_dHumidity1);
    }
}

// Band values only with a rated result: a loss factor without its rating
// would show an evaluation that did not finish.
void CResultsExporter::WriteLossFactorSheet(CProjectDoc* pDoc)
{
    const CReportInfo& info = pDoc->m_ReportInfo;
    const CCalc& calc = pDoc->m_Calc;
    WriteRoomReportTexts(pDoc);
    for (int r = Row(71); IsPresent(calc.m_dRating) && r <= Row(75); ++r)
        NumberIfText(r, Col(71), calc.m_aSpec[0], r + kBandOfRow);
    WriteReportFooterTexts(pDoc);
    Text(60, info.m_sHumidity);
    NumberIfPresent(62, info.m_dTemperature1);
    NumberIfPresent(64, info.m_dPressure1);
}
