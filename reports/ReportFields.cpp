#include "ReportFields.h"

namespace {

bool EditsArea(const CReportInfo& i)
{
    return (i.m_bReduction && i.m_bAirborne) || (i.m_bField && i.m_bStandard && i.m_bAirborne && i.m_bAverageLoudspeaker);
}

bool HasFacadeAngle(const CReportInfo& i)
{
    return i.m_bDIN && i.m_bLoudspeaker && i.m_bFacade;
}

bool EditsExtraRow(const CReportInfo& i)
{
    return i.m_bIntensity || i.m_bBB93 || HasFacadeAngle(i);
}

// The source-room row holds the volume text, or a modified intensity
// project's receiving-room area.
bool EditsSourceVolume(const CReportInfo& i)
{
    return i.m_bIntensityModified || (!i.m_bAbsorption && !i.m_bReverberation);
}

// An ASTM page types the area only for airborne projects.
bool TypesArea(const CReportInfo& i)
{
    return !i.m_bASTM || i.m_bAirborne;
}

} // namespace

CLabeledField CReportFields::DataRow(int nRow)
{
    return {{nRow, 0}, {nRow, 16}, {nRow, 21}};
}

CReportFields::CReportFields(const CReportInfo& i)
{
    m_title = {0, 0};
    m_subtitle = {2, 0};
    m_client = {{4, 0}, {4, 8}, {}};
    m_testDate = {{4, 48}, {4, 55}, {}};
    m_descriptionLabel = {5, 0};
    m_description = {5, 8};
    m_objectLabel = {8, 0};
    m_object = {8, 8};
    m_graph = {12, 25};
    m_graphEnd = {45, 69};
    m_usage = DataRow(i.m_bImpact ? 15 : 14);
    m_area = DataRow(15);
    m_extra = DataRow(14);
    m_sourceVolume = DataRow(16);
    m_receivingVolume = DataRow(17);
    m_humidity = DataRow(i.m_bAirborne ? 13 : 15);
    m_temperature = DataRow(i.m_bAirborne ? 14 : 16);
    if (i.m_bASTM && !i.m_bAirborne)
        m_sourceVolume = DataRow(14);
    for (int k = 0; k < 3; ++k) {
        m_bandHead[k] = {19 + k, 2};
        m_valueHead[k] = {19 + k, 9};
    }
    m_footnote[0] = {44, 2};
    m_footnote[1] = {45, 2};
    m_note = {46, 2};
    m_ratingTitle = {48, 2};
    m_singleNumber = {49, 2};
    const int aTermCols[3] = {30, 43, 56};
    for (int k = 0; k < 6; ++k)
        m_adaptation[k] = {49 + k / 3, aTermCols[k % 3]};
    m_evaluationNote = {50, 2};
    m_company = {53, 0};
    m_reportNoLabel = {54, 0};
    m_reportNo = {54, 18};
    m_date = {{56, 0}, {56, 4}, {}};
    m_signature = {{56, 23}, {56, 31}, {}};
}

void CReportFields::MoveRowsDown(int nFirstRow, int nRows)
{
    const auto Move = [nFirstRow, nRows](CFieldPos& field) {
        if (field.nRow >= nFirstRow)
            field.nRow += nRows;
    };
    const auto MoveRow = [nFirstRow, nRows](int& nRow) {
        if (nRow >= nFirstRow)
            nRow += nRows;
    };
    for (CFieldPos* pField : {&m_title, &m_subtitle, &m_descriptionLabel, &m_description, &m_objectLabel, &m_object,
                              &m_graph, &m_graphEnd, &m_footnote[0], &m_footnote[1], &m_note, &m_ratingTitle,
                              &m_singleNumber, &m_evaluationNote, &m_company, &m_reportNoLabel, &m_reportNo})
        Move(*pField);
    for (CFieldPos* pHeads : {m_bandHead, m_valueHead}) {
        for (int k = 0; k < 3; ++k)
            Move(pHeads[k]);
    }
    for (CFieldPos& term : m_adaptation)
        Move(term);
    for (CLabeledField* pRow : {&m_client, &m_testDate, &m_usage, &m_area, &m_extra, &m_sourceVolume,
                                &m_receivingVolume, &m_humidity, &m_temperature, &m_date, &m_signature}) {
        Move(pRow->label);
        Move(pRow->value);
        Move(pRow->unit);
    }
    if (m_nFirstBandRow >= nFirstRow)
        m_nBandOffset += nRows;  // the rows keep their bands
    for (int* pRow : {&m_nFirstDataRow, &m_nLastDataRow, &m_nFirstBandRow, &m_nLastBandRow})
        MoveRow(*pRow);
}

std::vector<CFieldPos> CReportFields::TextFields(const CReportInfo& i) const
{
    std::vector<CFieldPos> aFields = {m_client.value, m_testDate.value, m_descriptionLabel, m_description,
                                      m_objectLabel, m_object, m_company, m_signature.value,
                                      m_reportNoLabel, m_reportNo, m_date.value};
    if (i.m_bASTM) {
        aFields.push_back(m_temperature.value);
        aFields.push_back(m_humidity.value);
    }
    return aFields;
}

std::vector<CFieldPos> CReportFields::EditableFields(const CReportInfo& i) const
{
    std::vector<CFieldPos> aFields = TextFields(i);
    if (EditsArea(i))
        aFields.push_back(m_area.value);
    if (EditsExtraRow(i))
        aFields.push_back(m_extra.value);
    if (EditsSourceVolume(i))
        aFields.push_back(m_sourceVolume.value);
    aFields.push_back(m_receivingVolume.value);
    return aFields;
}

std::vector<CNumberField> CReportFields::TypedNumberFields(const CReportInfo& i) const
{
    std::vector<CNumberField> aFields = {{m_receivingVolume.value, 1}};
    if (TypesArea(i))
        aFields.push_back({m_area.value, 2});
    if (i.m_bASTM)
        aFields.push_back({m_temperature.value, 1});
    if (i.m_bIntensity) {
        aFields.push_back({m_extra.value, 2});
        aFields.push_back({m_sourceVolume.value, 2});
    }
    return aFields;
}

std::vector<CFieldPos> CReportFields::RecalculatingNumberFields(const CReportInfo& i) const
{
    std::vector<CFieldPos> aFields = {m_receivingVolume.value};
    if (TypesArea(i))
        aFields.push_back(m_area.value);
    if (i.m_bASTM)
        aFields.push_back(m_temperature.value);
    if (EditsExtraRow(i))
        aFields.push_back(m_extra.value);
    return aFields;
}

std::vector<CFieldPos> CReportFields::RecalculatingTextFields(const CReportInfo& i) const
{
    std::vector<CFieldPos> aFields = {m_reportNoLabel, m_reportNo, m_sourceVolume.value};
    if (i.m_bASTM)
        aFields.push_back(m_humidity.value);
    return aFields;
}

std::vector<CFieldPos> CReportFields::MultiLineFields() const
{
    return {m_descriptionLabel, m_description, m_objectLabel, m_object};
}
