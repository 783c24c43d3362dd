// CResultTabGrid: the operations that fill the page from the project's
// results (see ResultTabGrid.h).

#include "ResultTabGrid.h"

#include "ResultLines.h"
#include "ResultNumbers.h"

#include "app/ProjectView.h"
#include "app/VestolarApp.h"
#include "model/ProjectDoc.h"
#include "res/resource.h"

namespace {

constexpr int kSourceRoomTable = 122;
constexpr int kReceivingRoomTable = 123;
constexpr int kReverbTable = 124;
constexpr int kBackgroundTable = 125;

CString Tagged(const char* lpszFont, const CString& sSymbol, const CString& sSubscript)
{
    return CString(lpszFont) + sSymbol + "<:S,-1>" + sSubscript;
}

} // namespace

NSpectrum CResultTabGrid::TableAverage(CProjectDoc* pProject, int nTableId)
{
    CMeasurementList* pList = pProject != nullptr ? pProject->GetMeasurementList(nTableId) : nullptr;
    if (pList == nullptr || pList->IsEmpty())
        return NSpectrum();
    return pList->GetHead().m_Spectrum;
}

CCalc CResultTabGrid::ResultOf(int nResult) const
{
    CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return CCalc();
    if (nResult < 0 || nResult >= pProject->m_CalcSets.GetSize())
        return pProject->m_Calc;
    return pProject->m_CalcSets[nResult];
}

int CResultTabGrid::SetCount() const
{
    const CProjectDoc* pProject = GetProject();
    return pProject != nullptr ? static_cast<int>(pProject->m_CalcSets.GetSize()) : 0;
}

bool CResultTabGrid::IsMultiSet() const
{
    return m_info.m_bAverageLoudspeaker && SetCount() > 1;
}

CResultSources CResultTabGrid::SourcesOf(const CCalc& calc) const
{
    CProjectDoc* pProject = GetProject();
    const CAppSettings& settings = CProjectView::GetSettings();
    CResultSources sources;
    sources.pCalc = &calc;
    sources.l1 = TableAverage(pProject, kSourceRoomTable);
    sources.l2 = TableAverage(pProject, kReceivingRoomTable);
    sources.t = TableAverage(pProject, kReverbTable);
    sources.bg = TableAverage(pProject, kBackgroundTable);
    sources.bBgnCorrection = settings.m_bBgnCorrection;
    sources.bTenth = settings.m_bExactRating;
    sources.bMultiSet = IsMultiSet();
    sources.sTooHigh = settings.m_sTextBgnTooHigh;
    sources.cDecimal = m_cDecimal;
    return sources;
}

void CResultTabGrid::PutTexts(const std::vector<CCellText>& cells)
{
    for (const CCellText& cell : cells)
        SetCellText(cell.nCol, cell.nRow, cell.sText);
}

// ---------------------------------------------------------------------------
// Fixed texts

void CResultTabGrid::FillHeaderTexts()
{
    LoadEditableTexts();
    const CResultLayout& l = m_layout;
    const CReportInfo& i = m_info;
    SetTextField(l.m_title, i.m_sTitle);
    SetTextField(l.m_subtitle, i.m_sSubTitle);
    const CString sCubic = "m\xB3";
    const CString sSquare = "m\xB2";
    const auto Label = [this](const CLabeledField& field, const CString& sLabel, const CString& sUnit) {
        SetTextField(field.label, sLabel);
        SetTextField(field.unit, sUnit);
    };
    if (!i.m_bAbsorption && !i.m_bReverberation)
        Label(l.m_sourceVolume, CResultLines::Text(IDS_RESULT_SOURCE_VOLUME), sCubic);
    if (i.m_bReduction && i.m_bAirborne)
        Label(l.m_area, CResultLines::Text(IDS_RESULT_AREA_S), sSquare);
    if (i.m_bField && i.m_bStandard && i.m_bAirborne && i.m_bAverageLoudspeaker)
        Label(l.m_area, CResultLines::Text(IDS_RESULT_COMMON_PARTITION), sSquare);
    if (i.m_bIntensity) {
        Label(l.m_extra, CResultLines::Text(IDS_RESULT_AREA_SM), sSquare);
        if (i.m_bIntensityModified)
            Label(l.m_sourceVolume, CResultLines::Text(IDS_RESULT_AREA_SB2), sSquare);
    }
    if (i.m_bBB93)
        Label(l.m_extra, "<:F,Arial,13,500>T<:S,-1>mf,max<:S,0>:", "s");
    if (i.m_bDIN && i.m_bLoudspeaker && i.m_bFacade)
        Label(l.m_extra, CResultLines::Text(IDS_RESULT_ANGLE), "\xB0");
    Label(l.m_receivingVolume, CResultLines::Text(IDS_RESULT_RECEIVING_VOLUME), sCubic);
    FillBandHeadings();

    if (!i.m_bASTM)
        SetTextField(l.m_resultLine, CResultLines::RatingStandard(i));
    SetTextField(l.m_note, CResultLines::EvaluationNote(i));
    const CProjectDoc* pProject = GetProject();
    if (pProject != nullptr) {
        SetTextField(l.m_reportNo, pProject->m_ReportInfo.m_sReportNoLabel);
        SetTextField(l.m_footer, pProject->m_ReportInfo.m_sReportNo);
    }
    if (i.m_bASTM && !i.m_bLab) {
        Label(l.m_astmHumidity, CResultLines::Text(IDS_RESULT_AIR_HUMIDITY), "%");
        Label(l.m_astmTemperature, CResultLines::Text(IDS_RESULT_RECEIVING_TEMPERATURE), "\xB0" "C");
    }
    if (l.m_nFirstRow == 0)
        FillChartTitle();
}

void CResultTabGrid::SetHeading(int nCol, const CString& sQuantity, const CString& sUnit)
{
    if (nCol < 0)
        return;
    const int nQuantity = m_layout.m_nHeadingRow;
    SetCellText(nCol, nQuantity, sQuantity);
    SetCellText(nCol, nQuantity + 1, sUnit);
    SetCellAlignment(nCol, nQuantity, kAlignCenter);
    SetCellAlignment(nCol, nQuantity + 1, kAlignCenter);
}

void CResultTabGrid::FillBandHeadings()
{
    const CReportInfo& i = m_info;
    SetHeading(m_layout.m_nFreqCol, CResultLines::Text(IDS_FREQUENCY), CResultLines::Text(IDS_RESULT_HZ));
    SetHeading(m_layout.m_nValueCol, Tagged("<:F,Arial,13,500>", i.m_sIndexStr, i.m_sSubscript), CResultLines::Text(IDS_RESULT_DB));
    FillGroupHeadings();
}

void CResultTabGrid::FillGroupHeadings()
{
    const CResultLayout& l = m_layout;
    const CReportInfo& i = m_info;
    const CString sDb = CResultLines::Text(IDS_RESULT_DB);
    const auto Heading = [this](int nCol, const CString& sQuantity, const CString& sUnit) {
        SetHeading(nCol, sQuantity, sUnit);
    };
    Heading(l.m_nL1Col, "L1", sDb);
    CString sLevel = "L2";
    if (i.m_bBS && i.m_bStandard && i.m_bAirborne && !i.m_bAverageLoudspeaker)
        sLevel = "D";
    else if (i.m_bImpactAirborne)
        sLevel = "L";
    Heading(l.m_nL2Col, sLevel, sDb);
    if (!i.m_bDifference) {
        Heading(l.m_nTCol, "T", "[s]");
        Heading(l.m_nCorrCol, CResultLines::Text(IDS_TABLE_CORRECTION), sDb);
    }
    Heading(l.m_nDevCol, CResultLines::Text(IDS_RESULT_DEVIATION), sDb);
    if (i.m_bIntensity) {
        const char* lpszArial = "<:F,Arial,13,500>";
        Heading(l.GroupCol(0), Tagged(lpszArial, "L", "p1"), sDb);
        Heading(l.GroupCol(1), Tagged(lpszArial, "L", "In"), sDb);
        Heading(l.GroupCol(2), "<:F,Symbol,13,500>d<:F,Arial,13,500> <:S,-1>pI0", sDb);
        Heading(l.GroupCol(3), Tagged(lpszArial, "F", "pIn"), sDb);
        if (i.m_bIntensityModified)
            Heading(l.m_nNoteCol, CResultLines::Text(IDS_RESULT_KC), sDb);
    }
    if (i.m_bField && i.m_bSingleLoudspeaker) {
        for (int nCol : {l.m_nL1Col, l.m_nL2Col, l.m_nTCol, l.m_nCorrCol})
            Heading(nCol, CString(), CString());
    }
}

// "Result chart" over the curves of the set results, "Level overview" over
// the measured levels.
void CResultTabGrid::FillChartTitle()
{
    const CFieldPos& title = m_layout.m_chartTitle;
    SetTextField(title, CResultLines::Text(m_info.m_bAverageLoudspeaker && SetCount() >= 2 ? IDS_TREE_RESULT_CHART
                                                                               : IDS_RESULT_LEVEL_OVERVIEW));
    SetCellAlignment(title.nCol, title.nRow, kAlignCenter);
}

// ---------------------------------------------------------------------------
// Results

void CResultTabGrid::FillAdaptationTerms(int nResult)
{
    const CCalc calc = ResultOf(nResult);
    const std::array<CString, 6> aTerms = CResultLines::AdaptationTerms(m_info, calc);
    for (int i = 0; i < 6; ++i)
        SetTextField(m_layout.m_adaptation[i], aTerms[i]);
    for (int i = 3; i < 6; ++i)
        SetCellAlignment(m_layout.m_adaptation[i].nCol, m_layout.m_adaptation[i].nRow, kAlignBottom);
}

void CResultTabGrid::FillSingleNumberResults(int nResult)
{
    const CCalc calc = ResultOf(nResult);
    const bool bTenth = CProjectView::GetSettings().m_bExactRating;
    if (m_info.m_bASTM) {
        const CFieldPos& line = m_layout.m_resultLine;
        SetTextField(line, CResultLines::AstmLine(m_info, calc.m_dRating, bTenth, m_cDecimal));
        SetCellAlignment(line.nCol, line.nRow, kAlignVCenter);
        SetCellFontIndex(line.nCol, line.nRow, AddFont("Arial", 15, 600));
    } else {
        SetTextField(m_layout.m_singleNumber, CResultLines::SingleNumberLine(m_info, calc, bTenth, m_cDecimal));
    }
    SetTextField(m_layout.m_deviationSum, CResultLines::DeviationSum(calc.m_dDevSum, m_cDecimal));
    SetTextField(m_layout.m_maxDeviation, CResultLines::MaxDeviation(calc.m_dMaxDev, calc.m_nMaxDevBand, m_cDecimal));
}

void CResultTabGrid::AlignBandValues()
{
    const CResultLayout& l = m_layout;
    for (int nBand = CResultLayout::kFirstBand; nBand < CResultLayout::kFirstBand + CResultLayout::kBandRows; ++nBand) {
        SetCellAlignment(l.m_nValueCol, l.BandRow(nBand), kAlignRight);
        for (int nGroup = 0; nGroup + 1 < l.GroupCount(); ++nGroup)
            SetCellAlignment(l.GroupCol(nGroup), l.BandRow(nBand), kAlignRight);
        if (m_info.m_bIntensityModified)
            SetCellAlignment(l.m_nNoteCol, l.BandRow(nBand), kAlignCenter);
    }
}

void CResultTabGrid::FillSpectrumTable()
{
    const CCalc calc = ResultOf(-1);
    const CResultSources sources = SourcesOf(calc);
    const CResultBandTexts texts(m_info, m_layout, sources);
    for (int nBand = CResultLayout::kFirstBand; nBand < CResultLayout::kFirstBand + CResultLayout::kBandRows; ++nBand)
        PutTexts(texts.Row(nBand));
    AlignBandValues();
}

void CResultTabGrid::FillPositionSpectrumTable(int nResult)
{
    const CCalc calc = ResultOf(nResult);
    const CResultSources sources = SourcesOf(calc);
    const CResultBandTexts texts(m_info, m_layout, sources);
    for (int nBand = CResultLayout::kFirstBand; nBand < CResultLayout::kFirstBand + CResultLayout::kBandRows; ++nBand)
        PutTexts(texts.PositionRow(nBand));
    AlignBandValues();
}

// A whole page for one set result below the chart, at row
// 128 + 62 x nResult; the page-rows value is the page's own while it is made.
void CResultTabGrid::AppendPositionPage(int nResult)
{
    const int nFirstRow = m_nTotalRows + 6 + nResult * (CResultLayout::kPageRows + 4);
    const int nRows = CResultLayout::kPageRows * SetCount() + 4 * nResult + 7 + m_nTotalRows;
    if (GetRowCount() < nRows)
        SetRowCount(nRows, FALSE);
    m_nPageRows = nFirstRow + CResultLayout::kPageRows;
    InitLayout(nFirstRow);
    for (int nRow : {nFirstRow + 5, nFirstRow + 7, nFirstRow + 8})
        SetRowHeight(nRow, 20);
    SetRowHeight(nFirstRow + CResultLayout::kPageRows - 1, 2);
    JoinLayoutCells();
    SetPageFonts();
    FillHeaderTexts();
    SetLayoutBorders();
    SetPageCellTypes();
    LoadEditableTexts();
    FillAdaptationTerms(nResult);
    FillPositionSpectrumTable(nResult);
    FillSingleNumberResults(nResult);
    SetTextField(m_layout.m_title, ResultOf(nResult).m_sLabel + ": " + m_info.m_sTitle);
    m_nPageRows = CResultLayout::kPageRows;
    InitLayout(0);
}

// ---------------------------------------------------------------------------
// Editable fields

void CResultTabGrid::LoadEditableTexts()
{
    const CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    const CReportInfo& doc = pProject->m_ReportInfo;
    SetSourceRoomVolumeText(doc.m_sSourceRoomVolume);
    SetRemarksText(doc.m_sRemarksLabel);
    SetReceivingRoomVolume(doc.m_dVolume);
    SetSeparatingArea(doc.m_dArea);
    if (m_info.m_bBB93)
        SetMaxReverberationTime(doc.m_dBB93ReverbTime);
    if (m_info.m_bDIN && m_info.m_bLoudspeaker && m_info.m_bFacade) {
        SetFacadeAngle(doc.m_dAngle);
        if (CResultNumbers::IsPresent(doc.m_dAngle)) {
            m_info.m_sSubscript.Format("%2.0f\xB0", doc.m_dAngle);
            SetCellText(m_layout.m_nValueCol, m_layout.m_nHeadingRow,
                        Tagged("<:F,Arial,13,500>", m_info.m_sIndexStr, m_info.m_sSubscript));
        }
    }
    if (m_info.m_bIntensity) {
        SetMeasurementSurfaceArea(doc.m_dMeasurementArea);
        if (m_info.m_bIntensityModified)
            SetReceivingRoomAbsorptionArea(doc.m_dReceivingRoomArea);
    }
    if (m_info.m_bASTM) {
        SetTemperature(doc.m_dTemperature1);
        SetHumidityText(doc.m_sHumidity);
    }
    if (m_info.m_bSS)
        SetUsageVolume(m_info.m_bImpact ? 31.0 : 3.1);
}

// Only fields the page shows are stored: a hidden field would store its
// empty cell over the project's value (the separating area of a project
// that does not show it), and the source-volume cell holds the receiving
// room's absorption area in a modified intensity project.
void CResultTabGrid::StoreEditableTexts()
{
    CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    CReportInfo& doc = pProject->m_ReportInfo;
    if (!m_info.m_bAbsorption && !m_info.m_bReverberation && !m_info.m_bIntensityModified)
        doc.m_sSourceRoomVolume = GetSourceRoomVolumeText();
    doc.m_sRemarksLabel = GetRemarksText();
    doc.m_dVolume = GetReceivingRoomVolume();
    if (ShowsSeparatingArea())
        doc.m_dArea = GetSeparatingArea();
    if (m_info.m_bASTM) {
        doc.m_dTemperature1 = GetTemperature();
        doc.m_sHumidity = GetHumidityText();
    }
}
