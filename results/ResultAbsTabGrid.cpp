#include "ResultAbsTabGrid.h"

#include "ResultLines.h"

#include "AbsorptionTexts.h"

#include "model/ProjectDoc.h"
#include "res/resource.h"

namespace {

constexpr int kReverbTable = 124;
constexpr int kSecondReverbTable = 126;

CLabeledField Field(int nRow, int nLabelCol, int nValueCol, int nUnitCol)
{
    return {{nRow, nLabelCol}, {nRow, nValueCol}, {nRow, nUnitCol}};
}

} // namespace

void CResultAbsTabGrid::OnSetup()
{
    if (const CProjectDoc* pProject = GetProject())
        m_bAlphaSOnly = pProject->m_ReportInfo.m_bAlpha_S;
    CResultTabGrid::OnSetup();
}

bool CResultAbsTabGrid::HasChartCell() const
{
    return false;
}

void CResultAbsTabGrid::InitLayout(int nFirstRow)
{
    CResultTabGrid::InitLayout(nFirstRow);
    const int r0 = nFirstRow;
    CFields& f = m_fields;
    f = CFields();
    if (!IsExtended()) {
        f.volume = Field(r0 + 40, 2, 18, 23);
        f.area = Field(r0 + 41, 2, 18, 23);
        f.temperature = Field(r0 + 42, 2, 18, 23);
        f.humidity = Field(r0 + 43, 2, 18, 23);
        return;
    }
    f.volume = Field(r0 + 42, 0, 16, 21);
    f.area = Field(r0 + 41, 0, 16, 21);
    f.humidity = Field(r0 + 41, 26, 38, 42);
    f.temperature = Field(r0 + 42, 26, 38, 42);
    f.pressure = Field(r0 + 43, 26, 38, 42);
    f.humidity2 = Field(r0 + 41, 47, 60, 64);
    f.temperature2 = Field(r0 + 42, 47, 60, 64);
    f.pressure2 = Field(r0 + 43, 47, 60, 64);
}

int CResultAbsTabGrid::LastBandCol() const
{
    return m_bAlphaSOnly ? 32 : 38;
}

void CResultAbsTabGrid::JoinLayoutCells()
{
    const int r0 = m_layout.m_nFirstRow;
    JoinPageFrame();
    const CFields& f = m_fields;
    for (const CLabeledField* pField :
         {&f.volume, &f.area, &f.temperature, &f.humidity, &f.pressure, &f.humidity2, &f.temperature2, &f.pressure2}) {
        if (Has(*pField))
            JoinRow(*pField, IsExtended() ? pField->unit.nCol + 3 : (pField->unit.nRow == r0 + 43 ? 27 : 26));
    }
    if (IsExtended()) {
        JoinCells(26, r0 + 40, 45, r0 + 40);
        JoinCells(47, r0 + 40, 67, r0 + 40);
    }
    for (int nRow = m_layout.m_nHeadingRow; nRow <= r0 + 37; ++nRow) {
        JoinCells(2, nRow, 8, nRow);
        for (int nCol = 9; nCol < LastBandCol(); nCol += 6)
            JoinCells(nCol, nRow, nCol + 5, nRow);
    }
    JoinCells(2, r0 + 38, LastBandCol(), r0 + 38);
    if (!m_bAlphaSOnly) {
        JoinCells(2, r0 + 5, 67, r0 + 5);
        JoinCells(2, r0 + 6, 67, r0 + 6);
        JoinCells(2, r0 + 7, 29, r0 + 8);
        JoinCells(30, r0 + 8, 67, r0 + 8);
        JoinCells(2, r0 + 9, 67, r0 + 9);
    }
}

void CResultAbsTabGrid::SetLayoutBorders()
{
    const int r0 = m_layout.m_nFirstRow;
    std::vector<int> aStarts = {2};
    for (int nCol = 9; nCol <= LastBandCol() + 1; nCol += 6)
        aStarts.push_back(nCol);
    for (int nRow = m_layout.m_nHeadingRow; nRow <= r0 + 37; ++nRow) {
        for (int nCol : aStarts)
            AddBorder(nCol, nRow, kBorderLeft);
    }
    for (int nCol : aStarts) {
        AddBorder(nCol, m_layout.m_nHeadingRow, kBorderTop);
        AddBorder(nCol, m_layout.m_nFirstBandRow, kBorderTop);
    }
    AddBorder(2, r0 + 38, kBorderTop);
    if (!m_bAlphaSOnly)
        SetSingleNumberBorders();
    SetFrameBorders();
}

void CResultAbsTabGrid::SetPageCellTypes()
{
    CResultTabGrid::SetPageCellTypes();
    const CAbsorptionTexts columns(m_bAlphaSOnly, m_layout.m_nFirstBandRow, m_cDecimal);
    SetCellCellType(columns.AlphaSCol(), m_layout.m_nHeadingRow, m_nMultiFontType);
}

void CResultAbsTabGrid::FillHeaderTexts()
{
    LoadEditableTexts();
    const CResultLayout& l = m_layout;
    const CFields& f = m_fields;
    SetTextField(l.m_title, m_info.m_sTitle);
    SetTextField(l.m_subtitle, m_info.m_sSubTitle);
    const auto Label = [this](const CLabeledField& field, UINT nId, const CString& sUnit) {
        if (!Has(field))
            return;
        SetTextField(field.label, CResultLines::Text(nId));
        SetTextField(field.unit, sUnit);
    };
    Label(f.volume, IDS_RESULT_REVERBERATION_ROOM_VOLUME, "m\xB3");
    Label(f.area, IDS_RESULT_SURFACE_AREA, "m\xB2");
    Label(f.temperature, IDS_RESULT_TEMPERATURE, "\xB0" "C");
    Label(f.humidity, IDS_RESULT_RELATIVE_HUMIDITY, "%");
    Label(f.pressure, IDS_RESULT_BAROMETRIC_PRESSURE, "kPa");
    Label(f.humidity2, IDS_RESULT_RELATIVE_HUMIDITY, "%");
    Label(f.temperature2, IDS_RESULT_TEMPERATURE, "\xB0" "C");
    Label(f.pressure2, IDS_RESULT_BAROMETRIC_PRESSURE, "kPa");
    if (IsExtended()) {
        SetCellText(26, l.m_nFirstRow + 40, CResultLines::Text(IDS_RESULT_EMPTY_ROOM));
        SetCellText(47, l.m_nFirstRow + 40, CResultLines::Text(IDS_RESULT_ROOM_WITH_OBJECT));
        SetTextField(l.m_receivingVolume.value, CString());
    }
    const CAbsorptionTexts columns(m_bAlphaSOnly, l.m_nFirstBandRow, m_cDecimal);
    SetHeading(2, CResultLines::Text(IDS_FREQUENCY), CResultLines::Text(IDS_RESULT_HZ));
    SetHeading(columns.AlphaSCol(), "<:F,Symbol,13,500>a<:F,Arial,13,500> <:S,-1>s", CString());
    SetHeading(columns.AreaCol(), "A", "[m\xB2]");
    SetHeading(columns.T2Col(), "T2", "[s]");
    SetHeading(columns.T1Col(), "T1", "[s]");
    if (!m_bAlphaSOnly) {
        SetHeading(columns.AlphaPCol(), "<:F,Symbol,13,500>a<:F,Arial,13,500> <:S,-1>p", CString());
        SetTextField(l.m_resultLine, CResultLines::Text(IDS_RESULT_ALPHA_W_RATING));
    }
    if (const CProjectDoc* pProject = GetProject()) {
        SetTextField(l.m_reportNo, pProject->m_ReportInfo.m_sReportNoLabel);
        SetTextField(l.m_footer, pProject->m_ReportInfo.m_sReportNo);
    }
    SetTextField(l.m_deviationSum, " ");
    SetTextField(l.m_maxDeviation, " ");
}

void CResultAbsTabGrid::FillSingleNumberResults(int nResult)
{
    if (!m_bAlphaSOnly)
        SetTextField(m_layout.m_singleNumber, CAbsorptionTexts::WeightedLine(ResultOf(nResult), m_cDecimal));
}

void CResultAbsTabGrid::FillSpectrumTable()
{
    CProjectDoc* pProject = GetProject();
    const CCalc calc = ResultOf(-1);
    const NSpectrum t1 = TableAverage(pProject, kReverbTable);
    const NSpectrum t2 = TableAverage(pProject, kSecondReverbTable);
    const CAbsorptionTexts texts(m_bAlphaSOnly, m_layout.m_nFirstBandRow, m_cDecimal);
    for (int nBand = CResultLayout::kFirstBand; nBand < CResultLayout::kFirstBand + CResultLayout::kBandRows; ++nBand) {
        const std::vector<CCellText> row = texts.BandRow(calc, t1, t2, nBand);
        PutTexts(row);
        for (const CCellText& cell : row) {
            if (cell.nCol != 2)
                SetCellAlignment(cell.nCol, cell.nRow, kAlignRight);
        }
    }
}

// The humidity is a text in the plain layout and the empty room's number in
// the extended one; the pressures have a place in the extended layout only.
void CResultAbsTabGrid::LoadEditableTexts()
{
    CResultTabGrid::LoadEditableTexts();
    const CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    const CReportInfo& doc = pProject->m_ReportInfo;
    const CFields& f = m_fields;
    SetNumberField(f.temperature.value, doc.m_dTemperature1, 1);
    SetNumberField(f.area.value, doc.m_dArea, 2);
    SetNumberField(f.volume.value, doc.m_dVolume, 1);
    if (!IsExtended()) {
        SetTextField(f.humidity.value, doc.m_sHumidity);
        return;
    }
    SetNumberField(f.humidity.value, doc.m_dHumidity1, 1);
    SetNumberField(f.pressure.value, doc.m_dPressure1, 1);
    SetNumberField(f.humidity2.value, doc.m_dHumidity2, 1);
    SetNumberField(f.temperature2.value, doc.m_dTemperature2, 1);
    SetNumberField(f.pressure2.value, doc.m_dPressure2, 1);
}

void CResultAbsTabGrid::StoreEditableTexts()
{
    CResultTabGrid::StoreEditableTexts();
    CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    CReportInfo& doc = pProject->m_ReportInfo;
    const CFields& f = m_fields;
    doc.m_dTemperature1 = GetNumberField(f.temperature.value);
    doc.m_dVolume = GetNumberField(f.volume.value);
    doc.m_dArea = GetNumberField(f.area.value);
    if (!IsExtended()) {
        doc.m_sHumidity = GetTextField(f.humidity.value);
        return;
    }
    doc.m_dHumidity1 = GetNumberField(f.humidity.value);
    doc.m_dPressure1 = GetNumberField(f.pressure.value);
    doc.m_dHumidity2 = GetNumberField(f.humidity2.value);
    doc.m_dTemperature2 = GetNumberField(f.temperature2.value);
    doc.m_dPressure2 = GetNumberField(f.pressure2.value);
}
