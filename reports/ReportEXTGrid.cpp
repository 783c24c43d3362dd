#include "ReportEXTGrid.h"

#include "results/ResultLines.h"

#include "app/AppSettings.h"
#include "app/ProjectView.h"
#include "model/ProjectDoc.h"
#include "res/resource.h"

namespace {

constexpr int kAddedRows = CReportEXTGrid::kRows - CReportFields::kRows;
constexpr int kRoomBlockRow = 12;      // "Source room:" and "Receiving room:"
constexpr int kReceivingCol = 35;      // the receiving room's labels
constexpr int kLabelWidth = 7;         // condition, type and location labels
constexpr int kLineLabelWidth = 10;    // noise type and receiving filter labels

// The project's texts of the room block; the receiving filter is the
// application's, one for every project.
CString CReportInfo::*const kProjectTexts[] = {
    &CReportInfo::m_sConditionSend, &CReportInfo::m_sConditionReceive, &CReportInfo::m_sTypeSend,
    &CReportInfo::m_sTypeReceive,   &CReportInfo::m_sLocationSend,     &CReportInfo::m_sLocationReceive,
    &CReportInfo::m_sNoiseType,
};

} // namespace

// The plain page's fields from the graph down move four rows lower; the
// object stands above the description.
void CReportEXTGrid::InitFieldPositions()
{
    m_nRows = kRows;
    CReportFields& f = m_fields;
    f.MoveRowsDown(kRoomBlockRow - 1, kAddedRows);
    f.m_nFirstDataRow = NoiseTypeRow() + 2;
    f.m_objectLabel = {5, 0};
    f.m_object = {5, 8};
    f.m_descriptionLabel = {8, 0};
    f.m_description = {8, 8};
    for (int k = 0; k < 3; ++k) {
        m_aRoomText[kSourceCondition + 2 * k] = {kRoomBlockRow + 1 + k, kLabelWidth};
        m_aRoomText[kReceivingCondition + 2 * k] = {kRoomBlockRow + 1 + k, kReceivingCol + kLabelWidth};
    }
    m_aRoomText[kNoiseType] = {NoiseTypeRow(), kLineLabelWidth};
    m_aRoomText[kReceivingFilter] = {NoiseTypeRow() + 1, kLineLabelWidth};
}

void CReportEXTGrid::JoinFieldCells()
{
    CReportGrid::JoinFieldCells();
    JoinCells(0, kRoomBlockRow, kLineLabelWidth, kRoomBlockRow);
    JoinCells(kReceivingCol, kRoomBlockRow, kReceivingCol + kLineLabelWidth, kRoomBlockRow);
    for (int k = 0; k < kNoiseType; ++k) {
        const CFieldPos& value = m_aRoomText[k];
        JoinCells(value.nCol - kLabelWidth, value.nRow, value.nCol - 1, value.nRow);
        JoinCells(value.nCol, value.nRow, value.nCol + 25, value.nRow);
    }
    for (ERoomText nText : {kNoiseType, kReceivingFilter}) {
        const CFieldPos& value = m_aRoomText[nText];
        JoinCells(0, value.nRow, value.nCol - 1, value.nRow);
        JoinCells(value.nCol, value.nRow, 22, value.nRow);
    }
}

void CReportEXTGrid::FillHeaderTexts()
{
    CReportGrid::FillHeaderTexts();
    SetTextField(m_fields.m_valueHead[0], CReportExtendedTexts::ValueHead(m_info));
    SetTextField(m_fields.m_ratingTitle, CReportExtendedTexts::RatingHeading(m_info, Page()));
    WriteRoomLabels();
}

void CReportEXTGrid::WriteRoomLabels()
{
    SetCellText(0, kRoomBlockRow, CResultLines::Text(IDS_TREE_SOURCE_ROOM) + ":");
    SetCellText(kReceivingCol, kRoomBlockRow, CResultLines::Text(IDS_TREE_RECEIVING_ROOM) + ":");
    const UINT aRowLabels[3] = {IDS_REPORT_CONDITION, IDS_REPORT_TYPE, IDS_REPORT_LOCATION};
    for (int k = 0; k < 3; ++k) {
        SetCellText(0, kRoomBlockRow + 1 + k, CResultLines::Text(aRowLabels[k]));
        SetCellText(kReceivingCol, kRoomBlockRow + 1 + k, CResultLines::Text(aRowLabels[k]));
    }
    SetCellText(0, m_aRoomText[kNoiseType].nRow, CResultLines::Text(IDS_REPORT_NOISE_TYPE));
    SetCellText(0, m_aRoomText[kReceivingFilter].nRow, CResultLines::Text(IDS_REPORT_RECEIVING_FILTER));
}

// The 2006 edition's total takes the place of the middle adaptation term,
// and the low-frequency term of the right one.
void CReportEXTGrid::FillSingleNumberResults()
{
    const CCalc* pCalc = Result();
    if (pCalc == nullptr)
        return;
    const CExtendedRatingLine line = CReportExtendedTexts::RatingLine(
        m_info, *pCalc, Page(), CProjectView::GetSettings().m_bExactRating, m_cDecimal);
    SetTextField(m_fields.m_singleNumber, line.sLine);
    if (!line.sTotal.IsEmpty())
        SetTextField(m_fields.m_adaptation[1], line.sTotal);
    if (!line.sLowFreq.IsEmpty())
        SetTextField(m_fields.m_adaptation[2], line.sLowFreq);
}

void CReportEXTGrid::SetRoomText(ERoomText nText, const CString& sText)
{
    SetTextField(m_aRoomText[nText], sText);
}

CString CReportEXTGrid::GetRoomText(ERoomText nText)
{
    return GetTextField(m_aRoomText[nText]);
}

void CReportEXTGrid::LoadFieldsFromReportInfo()
{
    CReportGrid::LoadFieldsFromReportInfo();
    const CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    for (int k = 0; k < kReceivingFilter; ++k)
        SetRoomText(static_cast<ERoomText>(k), pProject->m_ReportInfo.*kProjectTexts[k]);
    SetRoomText(kReceivingFilter, CProjectView::GetSettings().m_sRec_Filter);
}

void CReportEXTGrid::StoreFieldsToReportInfo()
{
    CReportGrid::StoreFieldsToReportInfo();
    CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    for (int k = 0; k < kReceivingFilter; ++k)
        pProject->m_ReportInfo.*kProjectTexts[k] = GetRoomText(static_cast<ERoomText>(k));
    CProjectView::GetSettings().m_sRec_Filter = GetRoomText(kReceivingFilter);
}

std::vector<CFieldPos> CReportEXTGrid::EditableFields() const
{
    std::vector<CFieldPos> aFields = CReportGrid::EditableFields();
    aFields.insert(aFields.end(), std::begin(m_aRoomText), std::end(m_aRoomText));
    return aFields;
}
