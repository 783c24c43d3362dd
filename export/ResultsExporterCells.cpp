// CResultsExporter: the cell helpers every sheet writer shares.

#include "ResultsExporter.h"

#include "ExportHost.h"

#include "ProjectDoc.h"
#include "ReportInfo.h"
#include "Calc.h"
#include "ResultNumbers.h"

#include "res/resource.h"

const char kNoValueText[] = "N_A_MT";

void CResultsExporter::NumberIfPresent(int nEntry, double dValue)
{
    if (IsPresent(dValue))
        Number(nEntry, dValue);
}

void CResultsExporter::NumberIfText(int nRow, int nCol, const NSpectrum& spec, int nBand, int nDecimals)
{
    if (HasText(spec, nBand, nDecimals))
        m_Writer.WriteNumber(nRow, nCol, spec.GetSpecLine(nBand));
}

void CResultsExporter::FixedIfText(int nRow, int nCol, const NSpectrum& spec, int nBand)
{
    if (HasText(spec, nBand))
        m_Writer.WriteString(nRow, nCol, FixedText(spec.GetSpecLine(nBand), 1));
}

void CResultsExporter::VersionCell()
{
    Text(0, "Vestolar Version " + m_Host.GetVersionText());
}

// K31 tells the template whether the report shows the background index.
void CResultsExporter::WriteBackgroundIndexFlag()
{
    const int kFlagRow = 31, kFlagCol = 11;
    m_Writer.WriteNumber(kFlagRow, kFlagCol, m_Settings.m_bShowReportBgnIndex ? 1.0 : 0.0);
}

CString CResultsExporter::String(UINT nId) const
{
    return m_Host.LoadText(nId);
}

CString CResultsExporter::CurveCaption(const CReportInfo& info) const
{
    if (m_Settings.m_bShiftedRefCurve)
        return String(info.m_bAirborne ? IDS_GRAPH_SHIFTED_717_1 : IDS_GRAPH_SHIFTED_717_2);
    return String(info.m_bAirborne ? IDS_GRAPH_REFERENCE_717_1 : IDS_GRAPH_REFERENCE_717_2);
}

// A rating with one decimal when ratings are exact, else whole; " " when missing.
CString CResultsExporter::RatingText(double dValue) const
{
    return CResultNumbers::RatingText(dValue, m_Settings.m_bExactRating, '.');
}

// The whole dB of a rating or term, truncated toward zero; " " when missing.
CString CResultsExporter::WholeText(double dValue)
{
    return CResultNumbers::TermText(dValue);
}

CString CResultsExporter::FixedText(double dValue, int nDecimals)
{
    return IsPresent(dValue) ? CResultNumbers::Fixed(dValue, nDecimals, '.') : CString(" ");
}

// A cell shows line feeds as line breaks; a carriage return would show as a
// stray character.
CString CResultsExporter::WithoutReturns(CString sText)
{
    sText.Remove('\r');
    return sText;
}

bool CResultsExporter::HasText(const NSpectrum& spec, int nBand, int nDecimals)
{
    return spec.GetSpecLineStr(nBand, nDecimals) != kNoValueText;
}

// The list's summary record holds its average.
NSpectrum CResultsExporter::Summary(CProjectDoc* pDoc, int nTableId)
{
    const CMeasurementList* pList = pDoc->GetMeasurementList(nTableId);
    return pList && !pList->IsEmpty() ? pList->GetHead().m_Spectrum : NSpectrum();
}

// The reference curve is moved to the rating at 500 Hz (band 27) when the
// shifted curve is shown; an ASTM impact contour to 110 less the rating.
double CResultsExporter::CurveOffset(const CCalc& calc, const CReportInfo& info, bool bShifted)
{
    const double dReference500 = calc.m_aSpec[1].GetSpecLine(27);
    if (!IsPresent(calc.m_dRating))
        return 0.0;
    if (info.m_bASTM)
        return info.m_bImpact ? (110.0 - calc.m_dRating) - dReference500 : calc.m_dRating - dReference500;
    return bShifted ? calc.m_dRating - dReference500 : 0.0;
}

bool CResultsExporter::IsFlankingCorrectionActive(const CReportInfo& info) const
{
    return m_Settings.m_bFtmCorrection && info.m_bLab && info.m_bAirborne && !info.m_bCeiling;
}

// The sum of unfavourable deviations, the largest one and its band's
// frequency, each only when it exists.
void CResultsExporter::WriteDeviations(const CCalc& calc, int nRowOffset)
{
    if (IsPresent(calc.m_dDevSum))
        m_Writer.WriteNumber(Row(40) + nRowOffset, Col(40), calc.m_dDevSum);
    if (!IsPresent(calc.m_dMaxDev))
        return;
    m_Writer.WriteNumber(Row(41) + nRowOffset, Col(41), calc.m_dMaxDev);
    m_Writer.WriteNumber(Row(42) + nRowOffset, Col(42), NSpectrum::IndexToFreq(calc.m_nMaxDevBand));
}

// The adaptation terms of the frequency ranges, in whole dB.
void CResultsExporter::WriteRangeTerms(const CCalc& calc)
{
    Text(32, WholeText(calc.m_dC50_3150));
    Text(33, WholeText(calc.m_dC50_5000));
    Text(34, WholeText(calc.m_dC100_5000));
    Text(35, WholeText(calc.m_dCtr50_3150));
    Text(36, WholeText(calc.m_dCtr50_5000));
    Text(37, WholeText(calc.m_dCtr100_5000));
}

void CResultsExporter::WriteReportTexts(const CReportInfo& info, std::initializer_list<CReportTextCell> aCells)
{
    for (const CReportTextCell& cell : aCells)
        Text(cell.nEntry, cell.bWithoutReturns ? WithoutReturns(info.*cell.pText) : info.*cell.pText);
}

// The company, the report's date, remarks, signature and number.
void CResultsExporter::WriteReportFooterTexts(CProjectDoc* pDoc)
{
    Text(38, m_Settings.m_sFirm);
    WriteReportTexts(pDoc->m_ReportInfo, {{39, &CReportInfo::m_sDate, false},
                                          {43, &CReportInfo::m_sRemarksLabel, true},
                                          {44, &CReportInfo::m_sSignature, false},
                                          {45, &CReportInfo::m_sReportNoLabel, false},
                                          {46, &CReportInfo::m_sReportNo, false}});
}
