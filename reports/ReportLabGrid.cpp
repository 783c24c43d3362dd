#include "ReportLabGrid.h"

#include "ReportLabBandTexts.h"

#include "results/ResultLines.h"
#include "results/ResultNumbers.h"

#include "app/AppSettings.h"
#include "app/DocumentCommands.h"
#include "app/ProjectView.h"
#include "model/ProjectDoc.h"
#include "model/ProjectHost.h"
#include "res/resource.h"

#include <algorithm>

namespace {

using C = ELabCondition;

constexpr int kAddedRows = CReportLabGrid::kRows - CReportFields::kRows;
constexpr int kLabelWidth = 16;  // labels of the specimen and condition rows
constexpr int kMultiLineStyle = 2;
constexpr int kWithCoveringTable = 130;
constexpr int kWithoutCoveringTable = 131;
const char* const kDelta = "<:F,Symbol,13,500>D<:F,Arial,13,500>";

// The specimen's texts in the project.
CString CReportInfo::*const kSpecimenMembers[CReportLabGrid::kSpecimenTexts] = {
    &CReportInfo::m_sPageText1, &CReportInfo::m_sPageText3, &CReportInfo::m_sPageText4};
const UINT kSpecimenLabels[CReportLabGrid::kSpecimenTexts] = {IDS_REPORT_MANUFACTURER, IDS_REPORT_TEST_ROOM_ID,
                                                              IDS_REPORT_MOUNTED_BY};

// The text conditions and where the project keeps them.
const struct {
    ELabCondition condition;
    CString CReportInfo::*pMember;
} kTextConditions[] = {
    {C::kMass, &CReportInfo::m_sMassPerUnit},
    {C::kCuringTime, &CReportInfo::m_sCuringTime},
    {C::kReferenceFloor, &CReportInfo::m_sPageText5},
};

// The climate values and where the project keeps them.
const struct {
    ELabCondition condition;
    double CReportInfo::*pMember;
} kClimate[] = {
    {C::kTemperature, &CReportInfo::m_dTemperature1},
    {C::kPressure, &CReportInfo::m_dPressure1},
};

bool Contains(const std::vector<CFieldPos>& aFields, int nCol, int nRow)
{
    return std::any_of(aFields.begin(), aFields.end(),
                       [&](const CFieldPos& field) { return field.nCol == nCol && field.nRow == nRow; });
}

NSpectrum FirstRecordOf(const CProjectDoc& project, int nTableId)
{
    const CMeasurementList* pList = const_cast<CProjectDoc&>(project).GetMeasurementList(nTableId);
    if (pList == nullptr || pList->IsEmpty())
        return NSpectrum();
    return pList->GetHead().m_Spectrum;
}

} // namespace

// ---------------------------------------------------------------------------
// Layout

void CReportLabGrid::OnSetup()
{
    CReportGrid::OnSetup();
    m_aTypedNumbers = {{m_fields.m_receivingVolume.value, 1}};
    if (m_conditions.Shows(C::kTestOpening))
        m_aTypedNumbers.push_back({ConditionPos(C::kTestOpening), 2});
    SetCellCellTypeEx(m_fields.m_evaluationNote.nCol, m_fields.m_evaluationNote.nRow, kMultiLineStyle);
    if (RatesImprovement())
        SetImprovementCells();
}

// The improvement pages draw their heads, single-number texts and note
// indexes with the multi-font cell type.
void CReportLabGrid::SetImprovementCells()
{
    const bool bLight = IsLightweight();
    const int nHeadRow = m_fields.m_bandHead[0].nRow;
    std::vector<CFieldPos> aCells = {{m_fields.m_singleNumber.nRow, 23}, {m_fields.m_singleNumber.nRow, 44}};
    if (bLight) {
        aCells.push_back({nHeadRow, CReportLabBandTexts::kCoveredCol});
        aCells.push_back({nHeadRow, CReportLabBandTexts::kLightImprovementCol});
    } else {
        aCells.push_back({nHeadRow, CReportLabBandTexts::kImprovementCol});
    }
    const int nNoteCol = bLight ? CReportLabBandTexts::kLightNoteCol : CReportLabBandTexts::kImprovementNoteCol;
    const int nNoteFont = AddFont("Arial", 8, 400);
    for (int nRow = m_fields.m_nFirstBandRow; nRow <= m_fields.m_nLastBandRow; ++nRow) {
        aCells.push_back({nRow, nNoteCol});
        SetCellFontIndex(nNoteCol, nRow, nNoteFont);
    }
    for (const CFieldPos& cell : aCells)
        SetCellCellType(cell.nCol, cell.nRow, m_nMultiFontType);
}

// The plain page's fields from the graph down move four rows lower; the
// specimen takes the rows of the description and object, the product
// standing in the object's field.
void CReportLabGrid::InitFieldPositions()
{
    m_nRows = kRows;
    CReportFields& f = m_fields;
    f.MoveRowsDown(f.m_graph.nRow - 1, kAddedRows);
    f.m_client = {{4, 0}, {4, kLabelWidth}, {}};
    for (int k = 0; k < kSpecimenTexts; ++k)
        m_aSpecimen[k] = {5 + k, kLabelWidth};
    f.m_objectLabel = {8, 0};
    f.m_object = {8, kLabelWidth};
    f.m_nObjectRows = 2;
    f.m_descriptionLabel = {10, 0};
    f.m_description = {10, kLabelWidth};
    f.m_nDescriptionRows = 5;
    f.m_nFootnoteEndCol = IsLightweight() ? 23 : 24;
    f.m_note = {f.m_footnote[1].nRow + 1, f.m_footnote[1].nCol};
    MoveDataRows();
    if (IsLightweight()) {
        f.m_nValueCol = CReportLabBandTexts::kBareCol;
        for (CFieldPos& head : f.m_valueHead)
            head.nCol = CReportLabBandTexts::kBareCol;
    }
}

// Every data row of the plain page is one of the conditions; rows the
// page has no field for point at the first condition row, whose label
// the page writes over.
void CReportLabGrid::MoveDataRows()
{
    CReportFields& f = m_fields;
    m_conditions = CReportLabConditions(m_info);
    const auto DataRow = [](int nRow) { return CLabeledField{{nRow, 0}, {nRow, 16}, {nRow, 21}}; };
    for (int k = 0; k < CReportLabConditions::kCount; ++k) {
        const int nRow = m_conditions.RowOf(static_cast<ELabCondition>(k));
        m_aCondition[k] = nRow != CReportLabConditions::kNotShown ? DataRow(nRow) : CLabeledField();
    }
    f.m_nFirstDataRow = CReportLabConditions::kFirstRow;
    f.m_nLastDataRow = m_conditions.RowOf(C::kReceivingVolume);
    const CLabeledField firstRow = DataRow(CReportLabConditions::kFirstRow);
    f.m_usage = f.m_area = f.m_extra = firstRow;
    f.m_receivingVolume = m_aCondition[static_cast<int>(C::kReceivingVolume)];
    f.m_humidity = m_aCondition[static_cast<int>(C::kAirHumidity)];
    f.m_temperature = m_aCondition[static_cast<int>(C::kTemperature)];
    f.m_sourceVolume = m_conditions.Shows(C::kSourceVolume) ? m_aCondition[static_cast<int>(C::kSourceVolume)] : firstRow;
}

const CFieldPos& CReportLabGrid::ConditionPos(ELabCondition condition) const
{
    return m_aCondition[static_cast<int>(condition)].value;
}

void CReportLabGrid::JoinFieldCells()
{
    CReportGrid::JoinFieldCells();
    for (const CFieldPos& value : m_aSpecimen) {
        JoinCells(0, value.nRow, value.nCol - 1, value.nRow);
        JoinCells(value.nCol, value.nRow, 69, value.nRow);
    }
    if (RatesImprovement())
        JoinImprovementTable();
    else
        JoinCells(m_fields.m_nFreqCol, m_fields.m_nLastBandRow + 1, 15, m_fields.m_nLastBandRow + 1);
}

// Second value column and note index beside the first; the three
// single-number texts share row 53 and the evaluation note spans the page.
void CReportLabGrid::JoinImprovementTable()
{
    const CReportFields& f = m_fields;
    const int nHeadRow = f.m_bandHead[0].nRow;
    const int nSingleRow = f.m_singleNumber.nRow;
    if (IsLightweight()) {
        for (int nRow = nHeadRow; nRow <= f.m_nLastBandRow; ++nRow) {
            JoinCells(2, nRow, 7, nRow);
            JoinCells(8, nRow, 13, nRow);
            JoinCells(14, nRow, 18, nRow);
            JoinCells(19, nRow, 22, nRow);
            for (int nCol : {2, 8, 14, 19})
                SetCellAlignment(nCol, nRow, kAlignCenter);
        }
    } else {
        for (int nRow = nHeadRow; nRow < f.m_nFirstBandRow; ++nRow) {
            JoinCells(16, nRow, 22, nRow);
            SetCellAlignment(16, nRow, kAlignCenter);
        }
        for (int nRow = f.m_nFirstBandRow; nRow <= f.m_nLastBandRow; ++nRow) {
            JoinCells(16, nRow, 20, nRow);
            JoinCells(21, nRow, 22, nRow);
            SetCellAlignment(16, nRow, kAlignCenter);
        }
        JoinCells(f.m_nFreqCol, f.m_nLastBandRow + 1, 22, f.m_nLastBandRow + 1);
    }
    JoinCells(2, nSingleRow, 22, nSingleRow);
    JoinCells(23, nSingleRow, 43, nSingleRow);
    JoinCells(44, nSingleRow, 67, nSingleRow);
    JoinCells(2, f.m_evaluationNote.nRow, 67, f.m_evaluationNote.nRow + 1);
}

void CReportLabGrid::SetFieldBorders()
{
    CReportGrid::SetFieldBorders();
    if (!RatesImprovement())
        return;
    const CReportFields& f = m_fields;
    const short kLeftTop = static_cast<short>(kBorderLeft | kBorderTop);
    const bool bLight = IsLightweight();
    const int nHeadRow = f.m_bandHead[0].nRow;
    const std::vector<int> aLines = bLight ? std::vector<int>{8, 14, 19, 23} : std::vector<int>{16, 23};
    for (int nRow = nHeadRow; nRow <= f.m_nLastBandRow; ++nRow) {
        for (int nCol : aLines)
            AddBorder(nCol, nRow, (nRow - nHeadRow) % 3 == 0 && nCol != 23 ? kLeftTop : static_cast<short>(kBorderLeft));
    }
    for (int nCol = f.m_nFreqCol; nCol <= 22; ++nCol)
        AddBorder(nCol, f.m_nLastBandRow + 1, kBorderTop);
}

// ---------------------------------------------------------------------------
// Header texts

void CReportLabGrid::FillHeaderTexts()
{
    CReportGrid::FillHeaderTexts();
    for (int k = 0; k < kSpecimenTexts; ++k)
        SetCellText(0, m_aSpecimen[k].nRow, CResultLines::Text(kSpecimenLabels[k]));
    SetTextField(m_fields.m_objectLabel, CResultLines::Text(IDS_REPORT_PRODUCT_ID));
    SetTextField(m_fields.m_descriptionLabel, CResultLines::Text(IDS_REPORT_SPECIMEN_DESCRIPTION));
    WriteConditionLabels();
    SetTextField(m_fields.m_evaluationNote, m_info.m_bASTM ? CString() : CResultLines::Text(IDS_RESULT_EVALUATION_LAB));
    if (RatesImprovement())
        WriteVariantHeads();
}

// Rows without a condition of this kind are emptied: the plain page's
// labels written there do not belong to a laboratory.
void CReportLabGrid::WriteConditionLabels()
{
    for (int nRow = CReportLabConditions::kFirstRow; nRow <= m_fields.m_nLastDataRow; ++nRow) {
        SetCellText(0, nRow, "");
        SetCellText(21, nRow, "");
    }
    for (int k = 0; k < CReportLabConditions::kCount; ++k) {
        const ELabCondition condition = static_cast<ELabCondition>(k);
        if (!m_conditions.Shows(condition))
            continue;
        SetTextField(m_aCondition[k].label, CResultLines::Text(CReportLabConditions::LabelOf(condition)));
        SetTextField(m_aCondition[k].unit, CReportLabConditions::UnitOf(condition));
    }
}

void CReportLabGrid::WriteVariantHeads()
{
    const CReportFields& f = m_fields;
    const int nHeadRow = f.m_bandHead[0].nRow;
    const CString sThirds = CResultLines::Text(IDS_FILTER_THIRD_OCTAVE);
    const CString sDb = CResultLines::Text(IDS_RESULT_DB);
    CString sNote = CResultLines::Text(IDS_RESULT_EVALUATION_ARTIFICIAL_SOURCE);
    switch (Variant()) {
    case ELabVariant::kFloorCovering:
        SetCellText(9, nHeadRow, "<:F,Arial,13,500>L<:S,-1>n,0");
        SetCellText(16, nHeadRow, CString(kDelta) + "L");
        SetCellText(16, nHeadRow + 1, sThirds);
        SetTextField(f.m_ratingTitle, CResultLines::Text(IDS_RESULT_RATING_717_2));
        break;
    case ELabVariant::kLining:
        SetCellText(9, nHeadRow, CString(kDelta) + "R");
        SetCellText(16, nHeadRow, CString(kDelta) + "R<:S,-1>oct");
        SetCellText(16, nHeadRow + 1, CResultLines::Text(IDS_REPORT_OCTAVE));
        SetTextField(f.m_ratingTitle, CResultLines::Text(IDS_RESULT_RATING_717_1) + " / 140-16");
        sNote = CResultLines::Text(IDS_RESULT_EVALUATION_LAB);
        break;
    default:
        SetCellText(CReportLabBandTexts::kBareCol, nHeadRow, "<:F,Arial,13,500>L<:S,-1>N,t,0");
        SetCellText(CReportLabBandTexts::kCoveredCol, nHeadRow, "<:F,Arial,13,500>L<:S,-1>N,t");
        SetCellText(CReportLabBandTexts::kLightImprovementCol, nHeadRow, LightweightHead());
        for (int nCol : {CReportLabBandTexts::kBareCol, CReportLabBandTexts::kCoveredCol,
                         CReportLabBandTexts::kLightImprovementCol}) {
            SetCellText(nCol, nHeadRow + 1, "1/3");
            SetCellText(nCol, nHeadRow + 2, sDb);
        }
        SetTextField(f.m_ratingTitle, CResultLines::Text(IDS_RESULT_RATING_717_2));
        break;
    }
    if (Variant() != ELabVariant::kLightweight)
        SetCellText(16, nHeadRow + 2, sDb);
    sNote.Replace("\n", " ");
    SetTextField(f.m_evaluationNote, "\n" + sNote);
}

CString CReportLabGrid::LightweightHead() const
{
    const CProjectDoc* pProject = GetProject();
    const CString sFloor = pProject != nullptr ? pProject->m_ReportInfo.m_sPageText5 : CString();
    return CString(kDelta) + "L<:S,-1>t, " + sFloor;
}

// ---------------------------------------------------------------------------
// Fields

void CReportLabGrid::SetSpecimenText(ESpecimenText nText, const CString& sText)
{
    SetTextField(m_aSpecimen[nText], sText);
}

CString CReportLabGrid::GetSpecimenText(ESpecimenText nText)
{
    return GetTextField(m_aSpecimen[nText]);
}

void CReportLabGrid::SetConditionText(ELabCondition condition, const CString& sText)
{
    if (m_conditions.Shows(condition))
        SetTextField(ConditionPos(condition), sText);
}

CString CReportLabGrid::GetConditionText(ELabCondition condition)
{
    return m_conditions.Shows(condition) ? GetTextField(ConditionPos(condition)) : CString();
}

void CReportLabGrid::SetSourceVolumeText(const CString& sText)
{
    SetConditionText(C::kSourceVolume, sText);
}

void CReportLabGrid::SetAirHumidity(const CString& sText)
{
    SetConditionText(C::kAirHumidity, sText);
}

CString CReportLabGrid::GetAirHumidity()
{
    return GetConditionText(C::kAirHumidity);
}

void CReportLabGrid::SetClimate(ELabCondition condition, double dValue)
{
    CString sText;
    sText.Format("%.1f", dValue);
    SetConditionText(condition, CLabLines::ConditionText(sText, m_cDecimal));
}

double CReportLabGrid::GetClimate(ELabCondition condition)
{
    return CResultNumbers::FieldValue(GetConditionText(condition), m_cDecimal);
}

void CReportLabGrid::SetTestOpening(double dValue)
{
    if (m_conditions.Shows(C::kTestOpening))
        SetNumberField(ConditionPos(C::kTestOpening), dValue, 2);
}

double CReportLabGrid::GetTestOpening()
{
    return m_conditions.Shows(C::kTestOpening) ? ReadNumber(ConditionPos(C::kTestOpening), 2) : -999.0;
}

// ---------------------------------------------------------------------------
// Loading and storing

void CReportLabGrid::LoadFieldsFromReportInfo()
{
    const CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    const CReportInfo& doc = pProject->m_ReportInfo;
    LoadReportTexts(doc);
    SetReceivingVolume(doc.m_dVolume);
    for (int k = 0; k < kSpecimenTexts; ++k)
        SetSpecimenText(static_cast<ESpecimenText>(k), doc.*kSpecimenMembers[k]);
    SetObject(doc.m_sPageText2);
    for (const auto& text : kTextConditions)
        SetConditionText(text.condition, doc.*text.pMember);
    for (const auto& climate : kClimate)
        SetClimate(climate.condition, doc.*climate.pMember);
    SetAirHumidity(doc.m_sHumidity);
    SetSourceVolumeText(doc.m_sSourceRoomVolume);
    SetTestOpening(doc.m_dArea);
}

// Only the conditions the page shows are stored: the area S stays as it
// is on the impact pages, and is no test opening while flanking
// transmission is measured; a lightweight floor keeps its source volume.
void CReportLabGrid::StoreFieldsToReportInfo()
{
    CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    CReportInfo& doc = pProject->m_ReportInfo;
    StoreReportTexts(doc);
    doc.m_dVolume = GetReceivingVolume();
    if (m_conditions.Shows(C::kSourceVolume))
        doc.m_sSourceRoomVolume = GetConditionText(C::kSourceVolume);
    if (m_conditions.Shows(C::kTestOpening))
        doc.m_dArea = GetTestOpening();
    else if (!CLabLines::IsImpactFamily(m_info) && m_info.m_bFlankingTransmission)
        doc.m_dArea = -999.0;
    for (int k = 0; k < kSpecimenTexts; ++k)
        doc.*kSpecimenMembers[k] = GetSpecimenText(static_cast<ESpecimenText>(k));
    doc.m_sPageText2 = GetObject();
    for (const auto& text : kTextConditions) {
        if (m_conditions.Shows(text.condition))
            doc.*text.pMember = GetConditionText(text.condition);
    }
    for (const auto& climate : kClimate)
        doc.*climate.pMember = GetClimate(climate.condition);
    doc.m_sHumidity = GetAirHumidity();
}

// ---------------------------------------------------------------------------
// Editing

std::vector<CFieldPos> CReportLabGrid::EditableFields() const
{
    const CReportFields& f = m_fields;
    std::vector<CFieldPos> aFields = {f.m_client.value, f.m_testDate.value, f.m_description, f.m_object,
                                      f.m_company,      f.m_signature.value, f.m_reportNoLabel, f.m_reportNo,
                                      f.m_date.value};
    aFields.insert(aFields.end(), std::begin(m_aSpecimen), std::end(m_aSpecimen));
    for (int k = 0; k < CReportLabConditions::kCount; ++k) {
        if (m_conditions.Shows(static_cast<ELabCondition>(k)))
            aFields.push_back(m_aCondition[k].value);
    }
    return aFields;
}

// Paste takes the texts of the head and footer; the conditions are typed.
bool CReportLabGrid::IsEditableCell(int nCol, int nRow) const
{
    const CReportFields& f = m_fields;
    std::vector<CFieldPos> aFields = {f.m_client.value, f.m_testDate.value, f.m_description, f.m_company,
                                      f.m_signature.value, f.m_reportNoLabel, f.m_reportNo, f.m_date.value,
                                      f.m_object};
    aFields.insert(aFields.end(), std::begin(m_aSpecimen), std::end(m_aSpecimen));
    if (m_conditions.Shows(C::kReferenceFloor))
        aFields.push_back(ConditionPos(C::kReferenceFloor));
    return Contains(aFields, nCol, nRow);
}

bool CReportLabGrid::IsConditionAt(std::initializer_list<ELabCondition> aConditions, int nCol, int nRow) const
{
    return std::any_of(aConditions.begin(), aConditions.end(), [&](ELabCondition condition) {
        const CFieldPos& pos = ConditionPos(condition);
        return m_conditions.Shows(condition) && pos.nCol == nCol && pos.nRow == nRow;
    });
}

// The type of reference floor is one digit, 1 to 3, typed over the last.
int CReportLabGrid::OnEditVerify(int nCol, int nRow, CWnd* pEdit, UINT* pnKey)
{
    if (!IsConditionAt({C::kReferenceFloor}, nCol, nRow))
        return CReportGrid::OnEditVerify(nCol, nRow, pEdit, pnKey);
    if (*pnKey < '1' || *pnKey > '3')
        return 0;
    pEdit->SetWindowText("");
    m_bPasted = TRUE;
    return 1;
}

// Leaving the receiving volume or the test opening after typing
// recalculates with the page's id; leaving the report number or a test
// condition the export and the tree read recalculates with 0.
void CReportLabGrid::OnCellChange(int nOldCol, int, int nOldRow, int)
{
    const bool bTyped = m_bPasted != FALSE;
    m_bPasted = FALSE;
    if (bTyped && IsConditionAt({C::kReceivingVolume, C::kTestOpening}, nOldCol, nOldRow)) {
        StoreAndRecalculate(GetDlgCtrlID());
        return;
    }
    const bool bReportNo = Contains({m_fields.m_reportNoLabel, m_fields.m_reportNo}, nOldCol, nOldRow);
    if (bReportNo || IsConditionAt({C::kAirHumidity, C::kCuringTime, C::kTemperature, C::kPressure,
                                    C::kSourceVolume, C::kMass, C::kReferenceFloor},
                                   nOldCol, nOldRow))
        StoreAndRecalculate(0);
}

// ---------------------------------------------------------------------------
// Results

void CReportLabGrid::FillSpectrumTable()
{
    const CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    const CAppSettings& settings = CProjectView::GetSettings();
    CReportLabSources sources;
    sources.pCalc = &pProject->m_Calc;
    sources.withoutCovering = FirstRecordOf(*pProject, kWithoutCoveringTable);
    sources.withCovering = FirstRecordOf(*pProject, kWithCoveringTable);
    sources.bShowBgnCorrection = settings.m_bBgnCorrection;
    sources.bShowFootnoteIndex = settings.m_bShowReportBgnIndex;
    sources.bFlankingActive = IsFlankingCorrectionActive(pProject->m_ReportInfo, settings.m_bFtmCorrection);
    sources.bCorrectionZezur = settings.m_bCorrectionZezur;
    sources.sTooHigh = settings.m_sTextBgnTooHigh;
    sources.cDecimal = m_cDecimal;
    for (const CCellText& text : CReportLabBandTexts(m_info, m_fields, sources).Texts())
        SetCellText(text.nCol, text.nRow, text.sText);
}

// The improvement pages rate the improvement in three texts of their own.
void CReportLabGrid::FillSingleNumberResults()
{
    if (!RatesImprovement()) {
        CReportGrid::FillSingleNumberResults();
        return;
    }
    const CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    CReportInfo info = m_info;
    info.m_sPageText5 = pProject->m_ReportInfo.m_sPageText5;
    const int nRow = m_fields.m_singleNumber.nRow;
    const auto aLines = CLabLines::ImprovementLines(info, pProject->m_Calc, nRow - 6,
                                                    CProjectView::GetSettings().m_bExactRating, m_cDecimal);
    for (const CCellText& line : aLines) {
        if (line.nRow == nRow)
            SetCellText(line.nCol, line.nRow, line.sText);
    }
    if (IsLightweight())
        SetCellText(CReportLabBandTexts::kLightImprovementCol, m_fields.m_bandHead[0].nRow, LightweightHead());
}
