// CReportGrid: what the page writes (header texts, the fields loaded from
// and stored into the project, the adaptation terms, the band table and
// the single-number results).

#include "ReportBandTexts.h"
#include "ReportGrid.h"

#include "results/ResultLines.h"
#include "results/ResultNumbers.h"

#include "app/AppSettings.h"
#include "app/ProjectView.h"
#include "model/ProjectDoc.h"
#include "res/resource.h"

namespace {

constexpr int kEvaluationNoteStyle = 2;
const char* const kCubic = "m\xB3";
const char* const kSquare = "m\xB2";

bool HasFacadeAngle(const CReportInfo& i)
{
    return i.m_bDIN && i.m_bLoudspeaker && i.m_bFacade;
}

bool ShowsArea(const CReportInfo& i)
{
    return (i.m_bReduction && i.m_bAirborne) || (i.m_bField && i.m_bStandard && i.m_bAirborne && i.m_bAverageLoudspeaker);
}

bool ShowsSourceVolumeText(const CReportInfo& i)
{
    return !i.m_bAbsorption && !i.m_bReverberation && !i.m_bIntensityModified;
}

} // namespace

const CCalc* CReportGrid::Result() const
{
    const CProjectDoc* pProject = GetProject();
    return pProject != nullptr ? &pProject->m_Calc : nullptr;
}

void CReportGrid::PutRow(const CLabeledField& row, const CRowTexts& texts)
{
    SetTextField(row.label, texts.sLabel);
    SetTextField(row.value, texts.sValue);
    SetTextField(row.unit, texts.sUnit);
}

void CReportGrid::FillPageLabels()
{
    const CReportFields& f = m_fields;
    SetTextField(f.m_title, m_info.m_sTitle);
    SetTextField(f.m_subtitle, m_info.m_sSubTitle);
    SetTextField(f.m_client.label, CResultLines::Text(IDS_REPORT_CLIENT_LABEL));
    SetTextField(f.m_testDate.label, CResultLines::Text(IDS_REPORT_TEST_DATE_LABEL));
    SetTextField(f.m_date.label, CResultLines::Text(IDS_REPORT_DATE_LABEL));
    SetTextField(f.m_signature.label, CResultLines::Text(IDS_REPORT_SIGNATURE_LABEL));
}

void CReportGrid::FillFrequencyHead()
{
    SetTextField(m_fields.m_bandHead[0], CResultLines::Text(IDS_FREQUENCY));
    SetTextField(m_fields.m_bandHead[1], "f");
    SetTextField(m_fields.m_bandHead[2], CResultLines::Text(IDS_RESULT_HZ));
}

void CReportGrid::FillHeaderTexts()
{
    const CReportInfo& i = m_info;
    const CReportFields& f = m_fields;
    LoadFieldsFromReportInfo();
    FillPageLabels();
    const auto Label = [this](const CLabeledField& row, UINT nText, const char* lpszUnit) {
        SetTextField(row.label, CResultLines::Text(nText));
        SetTextField(row.unit, lpszUnit);
    };
    if (i.m_bBB93) {
        SetTextField(f.m_extra.label, "<:F,Arial,13,500>T<:S,-1>mf,max<:S,0>:");
        SetTextField(f.m_extra.unit, "s");
    }
    if (!i.m_bAbsorption && !i.m_bReverberation)
        Label(f.m_sourceVolume, IDS_RESULT_SOURCE_VOLUME, kCubic);
    if (i.m_bReduction && i.m_bAirborne)
        Label(f.m_area, IDS_RESULT_AREA_S, kSquare);
    if (i.m_bField && i.m_bStandard && i.m_bAirborne && i.m_bAverageLoudspeaker)
        Label(f.m_area, IDS_RESULT_COMMON_PARTITION, kSquare);
    if (HasFacadeAngle(i))
        Label(f.m_extra, IDS_RESULT_ANGLE, "\xB0");
    if (i.m_bIntensity)
        Label(f.m_extra, IDS_RESULT_AREA_SM, kSquare);
    if (i.m_bIntensityModified)
        Label(f.m_sourceVolume, IDS_RESULT_AREA_SB2, kSquare);
    Label(f.m_receivingVolume, IDS_RESULT_RECEIVING_VOLUME, kCubic);
    FillFrequencyHead();
    SetTextField(f.m_valueHead[0], CReportRowTexts::ValueHead(i));
    SetTextField(f.m_valueHead[1], CResultLines::Text(IDS_FILTER_THIRD_OCTAVE));
    SetTextField(f.m_valueHead[2], CResultLines::Text(IDS_RESULT_DB));
    SetTextField(f.m_ratingTitle, CResultLines::RatingStandard(i));
    SetCellCellTypeEx(f.m_evaluationNote.nCol, f.m_evaluationNote.nRow, kEvaluationNoteStyle);
    SetTextField(f.m_evaluationNote, i.m_bASTM ? CString() : CResultLines::Text(IDS_RESULT_EVALUATION_FIELD));
    if (i.m_bASTM) {
        Label(f.m_humidity, IDS_RESULT_AIR_HUMIDITY, "%");
        Label(f.m_temperature, IDS_RESULT_RECEIVING_TEMPERATURE, "\xB0" "C");
    }
}

// ---------------------------------------------------------------------------
// Text fields

void CReportGrid::SetClient(const CString& sText) { SetTextField(m_fields.m_client.value, sText); }
void CReportGrid::SetDateOfTest(const CString& sText) { SetTextField(m_fields.m_testDate.value, sText); }
void CReportGrid::SetDescriptionLabel(const CString& sText) { SetTextField(m_fields.m_descriptionLabel, sText); }
void CReportGrid::SetDescription(const CString& sText) { SetTextField(m_fields.m_description, sText); }
void CReportGrid::SetObjectLabel(const CString& sText) { SetTextField(m_fields.m_objectLabel, sText); }
void CReportGrid::SetObject(const CString& sText) { SetTextField(m_fields.m_object, sText); }
void CReportGrid::SetCompany(const CString& sText) { SetTextField(m_fields.m_company, sText); }
void CReportGrid::SetReportNoLabel(const CString& sText) { SetTextField(m_fields.m_reportNoLabel, sText); }
void CReportGrid::SetReportNo(const CString& sText) { SetTextField(m_fields.m_reportNo, sText); }
void CReportGrid::SetReportDate(const CString& sText) { SetTextField(m_fields.m_date.value, sText); }
void CReportGrid::SetSignature(const CString& sText) { SetTextField(m_fields.m_signature.value, sText); }

void CReportGrid::SetSourceVolumeText(const CString& sText)
{
    if (!m_info.m_bAbsorption && !m_info.m_bReverberation)
        SetTextField(m_fields.m_sourceVolume.value, sText);
}

void CReportGrid::SetAirHumidity(const CString& sText)
{
    if (m_info.m_bASTM)
        SetTextField(m_fields.m_humidity.value, sText);
}

CString CReportGrid::GetClient() { return GetTextField(m_fields.m_client.value); }
CString CReportGrid::GetDateOfTest() { return GetTextField(m_fields.m_testDate.value); }
CString CReportGrid::GetDescriptionLabel() { return GetTextField(m_fields.m_descriptionLabel); }
CString CReportGrid::GetDescription() { return GetTextField(m_fields.m_description); }
CString CReportGrid::GetObjectLabel() { return GetTextField(m_fields.m_objectLabel); }
CString CReportGrid::GetObject() { return GetTextField(m_fields.m_object); }
CString CReportGrid::GetCompany() { return GetTextField(m_fields.m_company); }
CString CReportGrid::GetReportNoLabel() { return GetTextField(m_fields.m_reportNoLabel); }
CString CReportGrid::GetReportNo() { return GetTextField(m_fields.m_reportNo); }
CString CReportGrid::GetReportDate() { return GetTextField(m_fields.m_date.value); }
CString CReportGrid::GetSignature() { return GetTextField(m_fields.m_signature.value); }
CString CReportGrid::GetSourceVolumeText() { return GetTextField(m_fields.m_sourceVolume.value); }

CString CReportGrid::GetAirHumidity()
{
    return m_info.m_bASTM ? GetTextField(m_fields.m_humidity.value) : CString();
}

// ---------------------------------------------------------------------------
// Number fields

void CReportGrid::SetReceivingVolume(double dValue)
{
    SetNumberField(m_fields.m_receivingVolume.value, dValue, 1);
}

// The extra row shows the area the calculation used, on pages whose extra
// row holds no field of its own.
void CReportGrid::SetArea(double dValue)
{
    SetNumberField(m_fields.m_area.value, ShowsArea(m_info) ? dValue : -999.0, 2);
    if (!CReportRowTexts::ShowsEffectiveArea(m_info))
        return;
    const CCalc* pCalc = Result();
    PutRow(m_fields.m_extra, CReportRowTexts::EffectiveArea(pCalc != nullptr ? pCalc->m_dArea : -999.0, m_cDecimal));
}

void CReportGrid::SetUsageValue(double dValue)
{
    if (!m_info.m_bSS)
        return;
    const CCalc* pCalc = Result();
    CString sNote;
    PutRow(m_fields.m_usage, CReportRowTexts::UsageRow(m_info, dValue, pCalc != nullptr && pCalc->m_bVariant, m_cDecimal, sNote));
    SetTextField(m_fields.m_note, sNote);
}

void CReportGrid::SetTemperature(double dValue)
{
    if (m_info.m_bASTM)
        SetNumberField(m_fields.m_temperature.value, dValue, 1);
}

void CReportGrid::SetAreaSM(double dValue)
{
    SetNumberField(m_fields.m_extra.value, m_info.m_bIntensity ? dValue : -999.0, 1);
}

void CReportGrid::SetAreaSb2(double dValue)
{
    SetNumberField(m_fields.m_sourceVolume.value, m_info.m_bIntensityModified ? dValue : -999.0, 1);
}

void CReportGrid::SetTmfMax(double dValue)
{
    if (m_info.m_bBB93 && CResultNumbers::IsPresent(dValue))
        SetNumberField(m_fields.m_extra.value, dValue, 1);
}

void CReportGrid::SetAngle(double dValue)
{
    if (HasFacadeAngle(m_info) && CResultNumbers::IsPresent(dValue))
        SetNumberField(m_fields.m_extra.value, dValue, 0);
}

double CReportGrid::ReadNumber(const CFieldPos& field, int nDecimals)
{
    const double dValue = GetNumberField(field);
    if (CResultNumbers::IsPresent(dValue))
        SetNumberField(field, dValue, nDecimals);
    return dValue;
}

double CReportGrid::GetReceivingVolume() { return ReadNumber(m_fields.m_receivingVolume.value, 1); }
double CReportGrid::GetArea() { return ReadNumber(m_fields.m_area.value, 2); }
double CReportGrid::GetAreaSM() { return GetNumberField(m_fields.m_extra.value); }
double CReportGrid::GetAreaSb2() { return ReadNumber(m_fields.m_sourceVolume.value, 1); }
double CReportGrid::GetTmfMax() { return ReadNumber(m_fields.m_extra.value, 1); }

double CReportGrid::GetTemperature()
{
    return m_info.m_bASTM ? ReadNumber(m_fields.m_temperature.value, 1) : -999.0;
}

// Angles from 0 to below 90 degrees.
double CReportGrid::GetAngle()
{
    const double dAngle = ReadNumber(m_fields.m_extra.value, 0);
    return dAngle < 0.0 || dAngle >= 89.99 ? -999.0 : dAngle;
}

// ---------------------------------------------------------------------------
// Loading and storing

void CReportGrid::LoadFieldsFromReportInfo()
{
    const CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    const CReportInfo& doc = pProject->m_ReportInfo;
    LoadReportTexts(doc);
    SetDescriptionLabel(doc.m_sDescriptionLabel);
    SetObjectLabel(doc.m_sObjectLabel);
    SetObject(doc.m_sObject);
    SetSourceVolumeText(doc.m_sSourceRoomVolume);
    SetReceivingVolume(doc.m_dVolume);
    SetArea(doc.m_dArea);
    if (m_info.m_bBB93)
        SetTmfMax(doc.m_dBB93ReverbTime);
    if (HasFacadeAngle(m_info))
        SetAngle(doc.m_dAngle);
    if (m_info.m_bIntensity) {
        SetAreaSM(doc.m_dMeasurementArea);
        if (m_info.m_bIntensityModified)
            SetAreaSb2(doc.m_dReceivingRoomArea);
    }
    if (m_info.m_bASTM) {
        SetTemperature(doc.m_dTemperature1);
        SetAirHumidity(doc.m_sHumidity);
    }
    SetUsageValue(m_info.m_bImpact ? 31.0 : 3.1);
}

// The texts of the head and the footer that every page has.
void CReportGrid::LoadReportTexts(const CReportInfo& doc)
{
    SetClient(doc.m_sClient);
    SetDateOfTest(doc.m_sTestDate);
    SetDescription(doc.m_sDescription);
    SetCompany(CProjectView::GetSettings().m_sFirm);
    SetReportNoLabel(doc.m_sReportNoLabel);
    SetReportNo(doc.m_sReportNo);
    SetReportDate(doc.m_sDate);
    SetSignature(doc.m_sSignature);
}

// The company is the application's, the same on every report.
void CReportGrid::StoreReportTexts(CReportInfo& doc)
{
    doc.m_sClient = GetClient();
    doc.m_sTestDate = GetDateOfTest();
    doc.m_sDescription = GetDescription();
    CProjectView::GetSettings().m_sFirm = GetCompany();
    doc.m_sReportNoLabel = GetReportNoLabel();
    doc.m_sReportNo = GetReportNo();
    doc.m_sDate = GetReportDate();
    doc.m_sSignature = GetSignature();
}

// Only the fields the page shows are stored: a hidden field's empty cell
// would overwrite the project's value.
void CReportGrid::StoreFieldsToReportInfo()
{
    CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    CReportInfo& doc = pProject->m_ReportInfo;
    StoreReportTexts(doc);
    doc.m_sDescriptionLabel = GetDescriptionLabel();
    doc.m_sObjectLabel = GetObjectLabel();
    doc.m_sObject = GetObject();
    if (ShowsSourceVolumeText(m_info))
        doc.m_sSourceRoomVolume = GetSourceVolumeText();
    // A page that does not show the receiving volume leaves the project's
    // value as it is, unrounded.
    if (IsShown(m_fields.m_receivingVolume.value))
        doc.m_dVolume = GetReceivingVolume();
    if (ShowsArea(m_info))
        doc.m_dArea = GetArea();
    if (m_info.m_bBB93)
        doc.m_dBB93ReverbTime = GetTmfMax();
    if (HasFacadeAngle(m_info))
        StoreAngle(doc);
    if (m_info.m_bASTM) {
        doc.m_dTemperature1 = GetTemperature();
        doc.m_sHumidity = GetAirHumidity();
    }
    if (m_info.m_bIntensity) {
        doc.m_dMeasurementArea = GetAreaSM();
        if (m_info.m_bIntensityModified)
            doc.m_dReceivingRoomArea = GetAreaSb2();
    }
}

void CReportGrid::LoadConditions(const std::vector<CConditionValue>& aValues)
{
    const CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    for (const CConditionValue& value : aValues)
        SetNumberField(value.pos, pProject->m_ReportInfo.*value.pValue, value.nDecimals);
}

// An empty cell, or one whose text is no number, stores the no-value mark.
void CReportGrid::StoreConditions(const std::vector<CConditionValue>& aValues)
{
    CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    for (const CConditionValue& value : aValues)
        pProject->m_ReportInfo.*value.pValue = ReadNumber(value.pos, value.nDecimals);
}

// The angle is kept in whole degrees and heads the band values as the
// rating's subscript.
void CReportGrid::StoreAngle(CReportInfo& doc)
{
    const double dAngle = GetAngle();
    doc.m_dAngle = dAngle;
    m_info.m_sSubscript.Empty();
    if (!CResultNumbers::IsPresent(dAngle))
        return;
    doc.m_dAngle = CReportRowTexts::WholeAngle(dAngle);
    m_info.m_sSubscript = CReportRowTexts::AngleSubscript(doc.m_dAngle);
    SetTextField(m_fields.m_valueHead[0], CReportRowTexts::ValueHead(m_info));
}

// ---------------------------------------------------------------------------
// Results

void CReportGrid::FillAdaptationTerms()
{
    const CCalc* pCalc = Result();
    if (pCalc == nullptr || m_info.m_bASTM)
        return;
    const std::array<CString, 6> aTerms = CResultLines::AdaptationTerms(m_info, *pCalc);
    for (int k = 0; k < 6; ++k)
        SetTextField(m_fields.m_adaptation[k], aTerms[k]);
    if (m_info.m_bReverberation && m_info.m_bISO)
        return;
    for (int k = 3; k < 6; ++k)
        SetCellAlignment(m_fields.m_adaptation[k].nCol, m_fields.m_adaptation[k].nRow, kAlignBottom);
}

void CReportGrid::FillSpectrumTable()
{
    const CCalc* pCalc = Result();
    if (pCalc == nullptr)
        return;
    const CAppSettings& settings = CProjectView::GetSettings();
    CReportBandSources sources;
    sources.pCalc = pCalc;
    sources.bTenth = settings.m_bExactRating;
    sources.bShowBgnCorrection = settings.m_bBgnCorrection;
    sources.bShowFootnoteIndex = settings.m_bShowReportBgnIndex;
    sources.sTooHigh = settings.m_sTextBgnTooHigh;
    sources.sCorner = CResultLines::Text(IDS_TREE_CORNER);
    sources.cDecimal = m_cDecimal;
    for (const CCellText& text : CReportBandTexts(m_info, m_fields, sources).Texts())
        SetCellText(text.nCol, text.nRow, text.sText);
}

// An ASTM page names its class in the rating title; the others write the
// rating with its adaptation terms in the single-number line.
void CReportGrid::FillSingleNumberResults()
{
    const CCalc* pCalc = Result();
    if (pCalc == nullptr)
        return;
    const bool bTenth = CProjectView::GetSettings().m_bExactRating;
    const CFieldPos& title = m_fields.m_ratingTitle;
    if (m_info.m_bASTM) {
        SetTextField(title, CResultLines::AstmLine(m_info, pCalc->m_dRating, bTenth, m_cDecimal));
        SetCellAlignment(title.nCol, title.nRow, kAlignVCenter);
        SetCellFontIndex(title.nCol, title.nRow, m_nAstmRatingFont);
        return;
    }
    if (m_info.m_bReverberation && !m_info.m_bISO)
        return;
    SetTextField(m_fields.m_singleNumber, CResultLines::SingleNumberLine(m_info, *pCalc, bTenth, m_cDecimal));
}
