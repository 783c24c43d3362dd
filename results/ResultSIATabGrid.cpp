#include "ResultSIATabGrid.h"

#include "SiaLines.h"

#include "app/ProjectView.h"
#include "app/VestolarApp.h"
#include "res/resource.h"

void CResultSIATabGrid::FillSingleNumberResults(int nResult)
{
    CResultTabGrid::FillSingleNumberResults(nResult);
    const CCalc calc = ResultOf(nResult);
    const bool bTenth = CProjectView::GetSettings().m_bExactRating;
    SetTextField(m_layout.m_singleNumber, CSiaLines::SingleNumberLine(m_info, calc, bTenth, m_cDecimal));
    const std::array<CString, 2> aTotals = CSiaLines::TotalLines(m_info, calc, bTenth, m_cDecimal);
    for (int i = 0; i < 2; ++i) {
        if (!aTotals[i].IsEmpty())
            SetTextField(m_layout.m_adaptation[1 + i], aTotals[i]);
    }
}

void CResultSIATabGrid::FillHeaderTexts()
{
    CResultTabGrid::FillHeaderTexts();
    CString sText;
    sText.LoadString(IDS_RESULT_SOURCE_VOLUME);
    SetTextField(m_layout.m_sourceVolume.label, sText);
    SetTextField(m_layout.m_sourceVolume.unit, "m\xB3");
    SetCellText(m_layout.m_nValueCol, m_layout.m_nHeadingRow, CSiaLines::ValueHeading(m_info));
    SetTextField(m_layout.m_resultLine, CSiaLines::RatingStandard(m_info));
    sText.LoadString(IDS_RESULT_EVALUATION_FIELD);
    SetTextField(m_layout.m_note, sText);
}
